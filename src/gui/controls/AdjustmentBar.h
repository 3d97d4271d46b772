#pragma once

#include "document/ZenbeltsDoc.h"

#include <QDockWidget>
#include <QSlider>

#include <array>

class QCheckBox;

namespace zenbelts {

class CNumericEdit;

// A slider that stands for one adjustment. Vertical ones ask for the height
// of a few lines of text and give way first on a low screen.
class CAdjustmentSlider : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// The strip at the right edge through which the user turns the six
// adjustments. Holds no values: the update pass sets every control from the
// active document, and every movement goes straight to it.
class CAdjustmentBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CAdjustmentBar(QWidget* parent = nullptr);

    // The panel's order: the three adjustments with vertical sliders, then
    // the three with horizontal ones.
    static constexpr std::array<Adjustment, 6> PanelOrder = {
        Adjustment::PoleNS, Adjustment::MotorElevation, Adjustment::Declination,
        Adjustment::PoleEW, Adjustment::MotorAzimuth,   Adjustment::DishAzimuth,
    };

    // Ranges, positions, enabled states and check marks from the document;
    // a field being typed in is left alone.
    void UpdateFrom(const CZenbeltsDoc& doc);
    // Hands a value still being typed (no Enter, focus still in the field
    // or on a menu) to the document, as Enter would.
    void CommitPendingEdits();

    void EnableToolTips(bool on);
    bool ToolTipsEnabled() const { return toolTips_; }

    CAdjustmentSlider* Slider(Adjustment which) const { return sliders_[Index(which)]; }
    CNumericEdit* Edit(Adjustment which) const { return edits_[Index(which)]; }
    QCheckBox* AutoDeclinationBox() const { return autoDeclination_; }
    QCheckBox* LockSatellitesBox() const { return lockSatellites_; }

    // The label of an adjustment's field, with its mnemonic: "&NS:".
    static QString FieldLabel(Adjustment which);

signals:
    // One per movement of a slider or field; delivered synchronously, so the
    // document has acted when this returns. drag: the number of the slider
    // drag the movement belongs to, 0 for a movement of its own.
    void adjustmentChanged(zenbelts::Adjustment which, int position, int drag);
    // A field did not take its text as typed: what its mark says.
    void readingNoted(const QString& note);
    void autoDeclinationClicked();
    void lockSatellitesClicked();

private:
    static std::size_t Index(Adjustment which) { return static_cast<std::size_t>(which); }
    void ConnectSlider(CAdjustmentSlider* slider, Adjustment which);
    void ConnectEdit(CNumericEdit* edit, Adjustment which);

    std::array<CAdjustmentSlider*, 6> sliders_{};
    std::array<CNumericEdit*, 6> edits_{};
    QCheckBox* autoDeclination_ = nullptr;
    QCheckBox* lockSatellites_ = nullptr;
    bool toolTips_ = true;
    int drags_ = 0;
};

}  // namespace zenbelts
