#include "controls/AdjustmentBar.h"

#include "controls/ControlIds.h"
#include "controls/DialogUnits.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include <utility>
#include <vector>

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
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return SB_THUMBTRACK;
    }
}

// The panel's measures in dialog units, as it was first drawn: what the
// controls prefer at the template font. The layout grows them with the font
// and with longer texts.
constexpr int Margin = 5;
constexpr int LabelColumn = 13;  // "NS:" and the like
constexpr int LabelGap = 3;
constexpr int SliderThickness = 15;
constexpr int SliderGap = 4;     // between the vertical sliders
constexpr int SliderIndent = 6;  // the first vertical slider from the margin
constexpr int VerticalSliderLength = 80;
constexpr int VerticalSliderShortest = 30;  // on a low screen they give way first
constexpr int HorizontalSliderLength = 75;
constexpr int EditWidth = 54;
constexpr int RowHeight = 14;
constexpr int RowGap = 1;

// Room between the groups of rows: it shrinks before any control does.
enum Gap : int {
    BelowVerticalSliders = 6,
    AboveAutoDeclination = 6,
    AboveHorizontalSliders = 14,
    BelowHorizontalSliders = 5,
    AboveLockSatellites = 6,
};

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
    // Shrinks towards its minimum on a low screen but never takes more than
    // it needs: the Misses table below gets the rest.
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    // Column 0 the labels, column 1 the controls; the vertical sliders stand
    // in a grid of their own in the first row. Column 2 takes any spare width
    // so that the controls keep their place whatever the panel's width.
    auto* grid = new QGridLayout(panel);
    auto* columns = new QGridLayout;
    grid->addLayout(columns, 0, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    auto* verticalLength = new QSpacerItem(0, 0);
    columns->addItem(verticalLength, 1, 3);
    columns->setColumnStretch(4, 1);

    int row = 1;
    std::vector<std::pair<QSpacerItem*, int>> gaps;
    const auto addGap = [&](Gap units) {
        auto* gap = new QSpacerItem(0, 0);
        grid->addItem(gap, row++, 0);
        gaps.emplace_back(gap, units);
    };
    const auto rowLabel = [&](const QString& text) {
        grid->addWidget(new QLabel(text, panel), row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    };

    // In the template's tab order: the three vertical sliders, their fields,
    // "Auto declination", the horizontal sliders, their fields, "Lock satellites".
    const auto makeSlider = [&](const AdjustmentControlSet& set) {
        const QString label = QString::fromLatin1(set.label);
        auto* slider = new CAdjustmentSlider(set.vertical ? Qt::Vertical : Qt::Horizontal, panel);
        if (set.vertical) {
            const int column = static_cast<int>(sliders_.size());
            columns->addWidget(new QLabel(label, panel), 0, column, Qt::AlignHCenter | Qt::AlignBottom);
            columns->addWidget(slider, 1, column, Qt::AlignHCenter);
        } else {
            rowLabel(label);
            grid->addWidget(slider, row++, 1, Qt::AlignLeft | Qt::AlignVCenter);
        }
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
        rowLabel(QString::fromLatin1(set.label) + QLatin1Char(':'));
        CNumericEdit* edit = set.northSouth ? static_cast<CNumericEdit*>(new CNorthSouthEdit(panel))
                                            : static_cast<CNumericEdit*>(new CEastWestEdit(panel));
        grid->addWidget(edit, row++, 1, Qt::AlignLeft | Qt::AlignVCenter);
        edit->SetHandOver(true);
        edit->Reformat();
        edit->setStatusTip(QString::fromLatin1(set.prompt));
        edits_[set.spin] = edit;
        ConnectEdit(edit, set.spin);
    };
    const auto makeCheckBox = [&](int id, const char* text, const char* prompt) {
        auto* box = new QCheckBox(QString::fromLatin1(text), panel);
        grid->addWidget(box, row++, 0, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
        if (prompt)
            box->setStatusTip(QString::fromLatin1(prompt));
        connect(box, &QCheckBox::clicked, this, [this, id] { emit command(id); });
        checkBoxes_[id] = box;
    };

    for (int i = 0; i < 3; ++i)
        makeSlider(AdjustmentControlSets[i]);
    addGap(BelowVerticalSliders);
    for (int i = 0; i < 3; ++i)
        makeEdit(AdjustmentControlSets[i]);
    addGap(AboveAutoDeclination);
    makeCheckBox(IDC_AUTO_DECLINATION, "Auto declination", AutoDeclinationPrompt);
    addGap(AboveHorizontalSliders);
    for (int i = 3; i < 6; ++i)
        makeSlider(AdjustmentControlSets[i]);
    addGap(BelowHorizontalSliders);
    for (int i = 3; i < 6; ++i)
        makeEdit(AdjustmentControlSets[i]);
    addGap(AboveLockSatellites);
    makeCheckBox(IDC_LOCK_SATELLITES, "Lock satellites", nullptr);

    // Every size in dialog units, again whenever the font changes. The
    // fields are as wide for any value, so the panel keeps its width.
    new FontFollower(panel, [this, panel, grid, columns, verticalLength, gaps] {
        const DialogUnits du(panel->font());
        grid->setContentsMargins(du.X(Margin), du.Y(Margin), du.X(2), du.Y(1));
        grid->setHorizontalSpacing(du.X(LabelGap));
        grid->setVerticalSpacing(du.Y(RowGap));
        grid->setColumnMinimumWidth(0, du.X(LabelColumn));
        columns->setContentsMargins(du.X(SliderIndent), 0, 0, 0);
        columns->setHorizontalSpacing(du.X(SliderGap));
        columns->setVerticalSpacing(du.Y(2));
        verticalLength->changeSize(0, du.Y(VerticalSliderLength), QSizePolicy::Fixed, QSizePolicy::Preferred);
        for (const auto& [gap, units] : gaps)
            gap->changeSize(0, du.Y(units - RowGap), QSizePolicy::Fixed, QSizePolicy::Preferred);
        for (const AdjustmentControlSet& set : AdjustmentControlSets) {
            CAdjustmentSlider* slider = sliders_.at(set.slider);
            if (set.vertical)
                slider->setMinimumSize(du.X(SliderThickness), du.Y(VerticalSliderShortest));
            else
                slider->setMinimumSize(du.X(HorizontalSliderLength), du.Y(RowHeight));
            edits_.at(set.spin)->setMinimumSize(du.X(EditWidth), du.Y(RowHeight));
        }
        grid->invalidate();
    });

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
    checkBoxes_.at(IDC_AUTO_DECLINATION)
        ->setToolTip(on ? QString::fromLatin1(AutoDeclinationTip) : QString());
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
