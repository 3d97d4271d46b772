#include "controls/AdjustmentBar.h"

#include "controls/DialogUnits.h"
#include "controls/NumericEdit.h"
#include "model/ControlIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

namespace zenbelts {

namespace {

// Scroll codes as a trackbar reports them.
enum : unsigned {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
};

unsigned ScrollCodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBTRACK;
    }
}

// Where each control stands in the panel, in dialog units (x, y, width, height).
struct Placement {
    int id;
    int x, y, w, h;
};

constexpr Placement SliderPlaces[] = {
    {IDC_POLE_NS_SLIDER, 11, 15, 15, 80},       {IDC_MOTOR_ELEVATION_SLIDER, 30, 15, 15, 80},
    {IDC_DECLINATION_SLIDER, 49, 15, 15, 80},   {IDC_POLE_EW_SLIDER, 20, 175, 75, 15},
    {IDC_MOTOR_AZIMUTH_SLIDER, 20, 190, 75, 15}, {IDC_DISH_AZIMUTH_SLIDER, 20, 205, 75, 15},
};

// The edit and its arrows together take the edit's place.
constexpr Placement EditPlaces[] = {
    {IDC_POLE_NS_EDIT, 21, 101, 54, 14},    {IDC_MOTOR_ELEVATION_EDIT, 21, 116, 54, 14},
    {IDC_DECLINATION_EDIT, 21, 131, 54, 14}, {IDC_POLE_EW_EDIT, 21, 225, 54, 14},
    {IDC_MOTOR_AZIMUTH_EDIT, 21, 240, 54, 14}, {IDC_DISH_AZIMUTH_EDIT, 21, 255, 54, 14},
};

struct LabelPlace {
    const char* text;
    int x, y, w, h;
};

constexpr LabelPlace Labels[] = {
    {"NS", 14, 5, 10, 8},    {"EL", 33, 5, 10, 8},    {"DC", 52, 5, 10, 8},    {"NS:", 5, 101, 13, 8},
    {"EL:", 5, 116, 12, 8},  {"DC:", 5, 131, 13, 8},  {"EW", 5, 175, 13, 8},   {"MA", 5, 190, 12, 8},
    {"DA", 5, 205, 11, 8},   {"EW:", 5, 225, 15, 8},  {"MA:", 5, 240, 14, 8},  {"DA:", 5, 255, 13, 8},
};

const Placement& PlaceOf(const Placement (&places)[6], int id)
{
    for (const Placement& p : places) {
        if (p.id == id)
            return p;
    }
    return places[0];
}

constexpr const char* AutoDeclinationPrompt = "Auto-calculate best dish declination";
constexpr const char* AutoDeclinationTip = "Auto decl.";

}  // namespace

CAdjustmentBar::CAdjustmentBar(QWidget* parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("AdjustmentBar"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new QWidget(this));
    setAllowedAreas(Qt::RightDockWidgetArea);

    auto* panel = new QWidget(this);
    setFont(TemplateFont());
    const DialogUnits du(font());
    panel->setFixedSize(du.X(95), du.Y(286));

    for (const LabelPlace& l : Labels) {
        auto* label = new QLabel(QString::fromLatin1(l.text), panel);
        label->setGeometry(du.Rect(l.x, l.y, l.w + 4, l.h + 2));
    }

    // In the template's tab order: the three vertical sliders, their fields,
    // "Auto declination", the horizontal sliders, their fields, "Lock satellites".
    const auto makeSlider = [&](const AdjustmentControlSet& set) {
        auto* slider = new CAdjustmentSlider(set.vertical ? Qt::Vertical : Qt::Horizontal, panel);
        const Placement& p = PlaceOf(SliderPlaces, set.slider);
        slider->setGeometry(du.Rect(p.x, p.y, p.w, p.h));
        slider->setTickPosition(QSlider::NoTicks);
        slider->setSingleStep(1);
        slider->setTracking(true);
        if (set.vertical) {
            // The lowest value at the top, and Up moves the thumb up.
            slider->setInvertedAppearance(true);
            slider->setInvertedControls(true);
        }
        slider->setStatusTip(QString::fromLatin1(set.prompt));
        sliders_[set.slider] = slider;
        ConnectSlider(slider, set.slider);
    };
    const auto makeEdit = [&](const AdjustmentControlSet& set) {
        CNumericEdit* edit = set.northSouth ? static_cast<CNumericEdit*>(new CNorthSouthEdit(panel))
                                            : static_cast<CNumericEdit*>(new CEastWestEdit(panel));
        const Placement& p = PlaceOf(EditPlaces, set.edit);
        edit->setGeometry(du.Rect(p.x, p.y, p.w, p.h));
        edit->SetHandOver(true);
        edit->Reformat();
        edit->setStatusTip(QString::fromLatin1(set.prompt));
        edits_[set.spin] = edit;
        ConnectEdit(edit, set.spin);
    };
    const auto makeCheckBox = [&](int id, const char* text, int x, int y, int w, int h, const char* prompt) {
        auto* box = new QCheckBox(QString::fromLatin1(text), panel);
        box->setGeometry(du.Rect(x, y, w + 10, h + 2));
        if (prompt)
            box->setStatusTip(QString::fromLatin1(prompt));
        connect(box, &QCheckBox::clicked, this, [this, id] { emit command(id); });
        checkBoxes_[id] = box;
    };

    for (int i = 0; i < 3; ++i)
        makeSlider(AdjustmentControlSets[i]);
    for (int i = 0; i < 3; ++i)
        makeEdit(AdjustmentControlSets[i]);
    makeCheckBox(IDC_AUTO_DECLINATION, "Auto declination", 5, 151, 67, 10, AutoDeclinationPrompt);
    for (int i = 3; i < 6; ++i)
        makeSlider(AdjustmentControlSets[i]);
    for (int i = 3; i < 6; ++i)
        makeEdit(AdjustmentControlSets[i]);
    makeCheckBox(IDC_LOCK_SATELLITES, "Lock satellites", 5, 275, 61, 10, nullptr);

    // Tab order follows creation; make it explicit all the same.
    QWidget* previous = nullptr;
    for (QWidget* w : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    setWidget(panel);
    EnableToolTips(true);
}

void CAdjustmentBar::Notify(QObject* control, int id, unsigned scrollCode, unsigned position,
                            const AdjustmentSource* source)
{
    const NMADJUST nm{control, static_cast<unsigned>(id), AdjustmentChanged, scrollCode, position, source};
    emit adjustmentChanged(nm);
}

void CAdjustmentBar::ConnectSlider(CAdjustmentSlider* slider, int id)
{
    // The thumb has moved when actionTriggered comes, the value not yet: the
    // document reads the thumb.
    connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, id](int action) {
        const unsigned code = ScrollCodeOf(action);
        Notify(slider, id, code, static_cast<unsigned>(slider->sliderPosition()), slider);
        if (code != SB_THUMBTRACK)
            Notify(slider, id, SB_ENDSCROLL, 0, slider);
    });
    connect(slider, &QAbstractSlider::sliderReleased, this, [this, slider, id] {
        Notify(slider, id, SB_THUMBPOSITION, static_cast<unsigned>(slider->sliderPosition()), slider);
        Notify(slider, id, SB_ENDSCROLL, 0, slider);
    });
}

void CAdjustmentBar::ConnectEdit(CNumericEdit* edit, int spinId)
{
    connect(edit, &CNumericEdit::scrolled, this,
            [this, edit, spinId](unsigned code) { Notify(edit, spinId, code, 0, edit); });
    // Enter commits the typed value when it lies inside the range.
    connect(edit, &CNumericEdit::returnPressed, this,
            [this, edit, spinId] { Notify(edit, spinId, SB_ENDSCROLL, 0, edit); });
}

void CAdjustmentBar::UpdateFrom(const CZenbeltsDoc& doc)
{
    for (const AdjustmentControlSet& set : AdjustmentControlSets) {
        const ControlState state = doc.UpdateState(set.slider);
        CAdjustmentSlider* slider = sliders_.at(set.slider);
        slider->setRange(state.minimum, state.maximum);
        slider->setPageStep(std::max(1, (state.maximum - state.minimum) / 5));
        slider->setValue(state.position);
        slider->setEnabled(state.enabled);

        CNumericEdit* edit = edits_.at(set.spin);
        edit->setEnabled(state.enabled);
        edit->SetRange(state.minimum, state.maximum);
        // Never overwrite what the user is typing.
        if (!edit->hasFocus())
            edit->SetPosition(state.position);
    }
    checkBoxes_.at(IDC_AUTO_DECLINATION)->setChecked(doc.UpdateState(IDC_AUTO_DECLINATION).checked);
    checkBoxes_.at(IDC_LOCK_SATELLITES)->setChecked(doc.UpdateState(IDC_LOCK_SATELLITES).checked);
}

void CAdjustmentBar::CommitPendingEdits()
{
    for (const auto& [spinId, edit] : edits_) {
        if (edit->isEnabled() && edit->HasPendingText())
            edit->HandOverText();
    }
}

void CAdjustmentBar::EnableToolTips(bool on)
{
    toolTips_ = on;
    for (const AdjustmentControlSet& set : AdjustmentControlSets) {
        const QString tip = on ? QString::fromLatin1(set.tooltip) : QString();
        sliders_.at(set.slider)->setToolTip(tip);
        edits_.at(set.spin)->setToolTip(tip);
    }
    checkBoxes_.at(IDC_AUTO_DECLINATION)->setToolTip(on ? QString::fromLatin1(AutoDeclinationTip) : QString());
}

CAdjustmentSlider* CAdjustmentBar::Slider(int id) const
{
    const auto it = sliders_.find(id);
    return it == sliders_.end() ? nullptr : it->second;
}

CNumericEdit* CAdjustmentBar::Edit(int id) const
{
    const AdjustmentControlSet* set = FindAdjustmentControl(id);
    return set ? edits_.at(set->spin) : nullptr;
}

QCheckBox* CAdjustmentBar::CheckBox(int id) const
{
    const auto it = checkBoxes_.find(id);
    return it == checkBoxes_.end() ? nullptr : it->second;
}

}  // namespace zenbelts
