#pragma once

#include "model/MountSettings.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLineEdit;

namespace zenbelts {

// The dish of the Properties dialog: prime focus or offset, the maker's
// offset angle and which way the feed arm points.
class CDishSection : public QGroupBox {
    Q_OBJECT
public:
    explicit CDishSection(QWidget* parent = nullptr);

    void Load(const MountSettings& s);
    // What the fields say; an offset angle that does not read keeps the one loaded.
    void Store(MountSettings& s) const;

    QComboBox* Kind() const { return kind_; }
    QLineEdit* Offset() const { return offset_; }
    QComboBox* Feed() const { return feed_; }

    // Degrees as typed: the user's decimal separator or a point, a degree
    // sign or none; tenths 1 to 450, null when it does not read.
    static std::optional<int> ReadOffset(const QString& text);

private:
    void Follow();
    void Reformat();

    QComboBox* kind_;
    QLineEdit* offset_;
    QComboBox* feed_;
    int loaded_ = 0;
};

}  // namespace zenbelts
