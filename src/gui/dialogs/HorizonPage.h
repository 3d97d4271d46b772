#pragma once

#include "model/MountSettings.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zenbelts {

class CUnsignedEdit;

// The sky from the dish drawn flat: the horizon the outer circle, straight
// up the centre, north up and east to the right as on a map of the ground
// around the dish; a picture, the same in right-to-left languages. The
// sky the mask hides is shaded and the arc drawn over it.
class CHorizonSketch : public QWidget {
    Q_OBJECT
public:
    explicit CHorizonSketch(QWidget* parent = nullptr);

    // The site, the arc and the chosen satellites from s, the mask from points.
    void Show(const MountSettings& s, const std::vector<HorizonPoint>& points);
    // Where a direction lands in the widget.
    QPointF At(double azimuthDegrees, double elevationDegrees) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MountSettings settings_;
};

// Properties' Horizon page: the horizon mask as a table of points with its
// sketch, the motor's limits either way and the dish's diameter. Shown from
// the working copy, written back to it only on OK.
class CHorizonPage : public QWidget {
    Q_OBJECT
public:
    explicit CHorizonPage(QWidget* parent = nullptr);

    void Load(const MountSettings& s);
    // The page into a set-up through the set-up's rules; a field that does
    // not read keeps what was loaded.
    void Store(MountSettings& s) const;

    // Degrees as typed, with the user's decimal separator or a point and a
    // degree sign or none, as tenths within lo..hi; null when it does not read.
    static std::optional<int> ReadTenths(const QString& text, int lo, int hi);

    // The file's points replace the table's; false with why in error.
    bool ImportFrom(const QString& path, QString& error);
    bool ExportTo(const QString& path, QString& error) const;

    QTableWidget* Table() const { return table_; }
    QLineEdit* Azimuth() const { return azimuth_; }
    QLineEdit* Elevation() const { return elevation_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* RemoveButton() const { return remove_; }
    QLabel* Problem() const { return problem_; }
    QLineEdit* MotorEast() const { return motorEast_; }
    QLineEdit* MotorWest() const { return motorWest_; }
    CUnsignedEdit* Diameter() const { return diameter_; }
    CHorizonSketch* Sketch() const { return sketch_; }
    const std::vector<HorizonPoint>& Points() const { return points_; }

private:
    void AddPoint();
    void RemovePoints();
    void OnImport();
    void OnExport();
    void ShowPoints();
    void ShowSelected();

    MountSettings loaded_;
    std::vector<HorizonPoint> points_;  // by azimuth
    QTableWidget* table_;
    QLineEdit* azimuth_;
    QLineEdit* elevation_;
    QPushButton* add_;
    QPushButton* remove_;
    QLabel* problem_;
    QLineEdit* motorEast_;
    QLineEdit* motorWest_;
    CUnsignedEdit* diameter_;
    CHorizonSketch* sketch_;
};

}  // namespace zenbelts
