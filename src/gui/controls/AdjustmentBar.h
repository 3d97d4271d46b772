#pragma once

#include "document/ZenbeltsDoc.h"

#include <QDockWidget>
#include <QSlider>

#include <map>

class QCheckBox;

namespace zenbelts {

class CNumericEdit;

// A slider whose receiver reads the thumb's position, also in mid-drag.
class CAdjustmentSlider : public QSlider, public AdjustmentSource {
    Q_OBJECT
public:
    using QSlider::QSlider;
    int Position() const override { return sliderPosition(); }
};

// The strip at the right edge through which the user turns the six
// adjustments. Holds no values: the update pass sets every control from the
// active document, and every movement goes straight to it.
class CAdjustmentBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CAdjustmentBar(QWidget* parent = nullptr);

    // Ranges, positions, enabled states and check marks from the document;
    // a field being typed in is left alone.
    void UpdateFrom(const CZenbeltsDoc& doc);
    // Hands a value still being typed (no Enter, focus still in the field
    // or on a menu) to the document, as Enter would.
    void CommitPendingEdits();

    void EnableToolTips(bool on);
    bool ToolTipsEnabled() const { return toolTips_; }

    CAdjustmentSlider* Slider(int id) const;
    CNumericEdit* Edit(int id) const;  // by the edit's or its spin's identifier
    QCheckBox* CheckBox(int id) const;

signals:
    // Delivered synchronously: the document has acted when this returns.
    void adjustmentChanged(const NMADJUST& nm);
    // A click on "Auto declination" (1010) or "Lock satellites" (1051).
    void command(int id);

private:
    void Notify(QObject* control, int id, unsigned scrollCode, unsigned position,
                const AdjustmentSource* source);
    void ConnectSlider(CAdjustmentSlider* slider, int id);
    void ConnectEdit(CNumericEdit* edit, int spinId);

    std::map<int, CAdjustmentSlider*> sliders_;
    std::map<int, CNumericEdit*> edits_;  // by spin identifier
    std::map<int, QCheckBox*> checkBoxes_;
    bool toolTips_ = true;
};

}  // namespace zenbelts
