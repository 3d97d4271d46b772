#pragma once

#include "model/MountSettings.h"

#include <QWidget>

#include <array>

class QComboBox;

namespace zenbelts {

class CDegreesEdit;
class CDishSection;
class CIntegerEdit;
class CMinutesEdit;
class CNumericEdit;

// Location and limits of a set-up: shown from it, written back only when the
// user confirms.
class CGeneralPage : public QWidget {
    Q_OBJECT
public:
    explicit CGeneralPage(QWidget* parent = nullptr);

    // The fields from a set-up.
    void Load(const MountSettings& s);
    // The fields into a set-up, each lower limit kept below its upper one.
    void Store(MountSettings& s);

    struct LimitRow {
        CNumericEdit* lower;
        CNumericEdit* upper;
    };
    CDegreesEdit* LatitudeDegrees() const { return latitudeDegrees_; }
    CMinutesEdit* LatitudeMinutes() const { return latitudeMinutes_; }
    QComboBox* NorthSouth() const { return northSouth_; }
    CDegreesEdit* LongitudeDegrees() const { return longitudeDegrees_; }
    CMinutesEdit* LongitudeMinutes() const { return longitudeMinutes_; }
    QComboBox* EastWest() const { return eastWest_; }
    CIntegerEdit* Altitude() const { return altitude_; }
    // In the order of Adjustments: pole N/S, pole E/W, motor azimuth, motor
    // elevation, dish azimuth, dish declination.
    const std::array<LimitRow, 6>& Limits() const { return limits_; }
    CDishSection* Dish() const { return dish_; }

private:
    // Keeps each lower limit below its upper one: the field that moved wins.
    void KeepOrder(const LimitRow& row, bool lowerMoved);

    CDegreesEdit* latitudeDegrees_;
    CMinutesEdit* latitudeMinutes_;
    QComboBox* northSouth_;
    CDegreesEdit* longitudeDegrees_;
    CMinutesEdit* longitudeMinutes_;
    QComboBox* eastWest_;
    CIntegerEdit* altitude_;
    std::array<LimitRow, 6> limits_{};
    CDishSection* dish_;
};

}  // namespace zenbelts
