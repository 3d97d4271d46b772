#include "controls/AdjustmentBar.h"

#include "controls/AdjustmentTexts.h"

#include "controls/NumericEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace zenbelts {

namespace {

constexpr const char* AutoDeclinationPrompt
    = QT_TRANSLATE_NOOP("zenbelts::CAdjustmentBar", "Auto-calculate best dish declination");
constexpr const char* AutoDeclinationTip = QT_TRANSLATE_NOOP("zenbelts::CAdjustmentBar", "Auto decl.");

}  // namespace

QSize CAdjustmentSlider::sizeHint() const
{
    const QSize hint = QSlider::sizeHint();
    const int line = fontMetrics().height();
    return orientation() == Qt::Vertical ? QSize(hint.width(), 7 * line)
                                         : QSize(14 * fontMetrics().averageCharWidth(), hint.height());
}

QSize CAdjustmentSlider::minimumSizeHint() const
{
    const QSize hint = QSlider::minimumSizeHint();
    return orientation() == Qt::Vertical ? QSize(hint.width(), 2 * fontMetrics().height()) : hint;
}

CAdjustmentBar::CAdjustmentBar(QWidget* parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("AdjustmentBar"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new QWidget(this));
    setAllowedAreas(Qt::RightDockWidgetArea);

    auto* panel = new QWidget(this);
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
    columns->setColumnStretch(3, 1);
    columns->setHorizontalSpacing(fontMetrics().averageCharWidth());
    const int line = fontMetrics().height();
    // Rows close together, so that the panel and the table fit a low screen.
    grid->setVerticalSpacing(line / 6);
    // Rows close together, so that the panel and the table fit a low screen.
    grid->setVerticalSpacing(line / 6);

    int row = 1;
    const auto addGap = [&](int lines) { grid->setRowMinimumHeight(row++, lines * line / 2); };
    const auto rowLabel = [&](const QString& text) {
        auto* label = new QLabel(text, panel);
        grid->addWidget(label, row, 0, Qt::AlignLeading | Qt::AlignVCenter);
        return label;
    };

    // In tab order: the three vertical sliders, their fields, "Auto
    // declination", the horizontal sliders, their fields, "Lock satellites".
    const auto isVertical = [](Adjustment which) {
        return which == PanelOrder[0] || which == PanelOrder[1] || which == PanelOrder[2];
    };
    int verticalColumn = 0;
    const auto makeSlider = [&](Adjustment which) {
        const AdjustmentInfo& a = InfoOf(which);
        const bool vertical = isVertical(which);
        const QString label = AdjustmentText(a.label);
        auto* slider = new CAdjustmentSlider(vertical ? Qt::Vertical : Qt::Horizontal, panel);
        if (vertical) {
            const int column = verticalColumn++;
            columns->addWidget(new QLabel(label, panel), 0, column, Qt::AlignHCenter | Qt::AlignBottom);
            columns->addWidget(slider, 1, column, Qt::AlignHCenter);
        } else {
            rowLabel(label);
            grid->addWidget(slider, row++, 1);
        }
        slider->setTickPosition(QSlider::NoTicks);
        slider->setSingleStep(1);
        slider->setTracking(true);
        if (vertical) {
            // The lowest value at the top, and Up moves the thumb up.
            slider->setInvertedAppearance(true);
            slider->setInvertedControls(true);
        }
        slider->setStatusTip(AdjustmentText(a.prompt));
        sliders_[Index(which)] = slider;
        ConnectSlider(slider, which);
    };
    const auto makeEdit = [&](Adjustment which) {
        const AdjustmentInfo& a = InfoOf(which);
        QLabel* label = rowLabel(FieldLabel(which));
        CNumericEdit* edit = a.positive == 'N' ? static_cast<CNumericEdit*>(new CNorthSouthEdit(panel))
                                               : static_cast<CNumericEdit*>(new CEastWestEdit(panel));
        label->setBuddy(edit);
        grid->addWidget(edit, row++, 1, Qt::AlignLeading | Qt::AlignVCenter);
        edit->SetHandOver(true);
        edit->Reformat();
        edit->setStatusTip(AdjustmentText(a.prompt));
        edits_[Index(which)] = edit;
        ConnectEdit(edit, which);
    };
    const auto makeCheckBox = [&](const char* text, const char* prompt, void (CAdjustmentBar::*clicked)()) {
        auto* box = new QCheckBox(tr(text), panel);
        grid->addWidget(box, row++, 0, 1, 2, Qt::AlignLeading | Qt::AlignVCenter);
        if (prompt)
            box->setStatusTip(tr(prompt));
        connect(box, &QCheckBox::clicked, this, clicked);
        return box;
    };

    for (int i = 0; i < 3; ++i)
        makeSlider(PanelOrder[i]);
    addGap(1);
    for (int i = 0; i < 3; ++i)
        makeEdit(PanelOrder[i]);
    autoDeclination_ = makeCheckBox(QT_TRANSLATE_NOOP("zenbelts::CAdjustmentBar", "Au&to declination"),
                                    AutoDeclinationPrompt, &CAdjustmentBar::autoDeclinationClicked);
    addGap(2);
    for (int i = 3; i < 6; ++i)
        makeSlider(PanelOrder[i]);
    addGap(1);
    for (int i = 3; i < 6; ++i)
        makeEdit(PanelOrder[i]);
    lockSatellites_ = makeCheckBox(QT_TRANSLATE_NOOP("zenbelts::CAdjustmentBar", "Loc&k satellites"), nullptr,
                                   &CAdjustmentBar::lockSatellitesClicked);

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

QString CAdjustmentBar::FieldLabel(Adjustment which)
{
    // Alt and the letter puts the focus on the field. The letters stay clear
    // of the menu bar's (F, E, V, D, H) and of one another.
    switch (which) {
    case Adjustment::PoleNS:
        return tr("&NS:");
    case Adjustment::MotorElevation:
        return tr("E&L:");
    case Adjustment::Declination:
        return tr("D&C:");
    case Adjustment::PoleEW:
        return tr("E&W:");
    case Adjustment::MotorAzimuth:
        return tr("&MA:");
    case Adjustment::DishAzimuth:
        return tr("D&A:");
    }
    return {};
}

void CAdjustmentBar::ConnectSlider(CAdjustmentSlider* slider, Adjustment which)
{
    // The thumb has moved when actionTriggered comes, the value not yet: the
    // document takes the thumb's position. One notification per movement.
    // The moves of one drag share its number, so that they undo as one.
    connect(slider, &QAbstractSlider::sliderPressed, this, [this] { ++drags_; });
    const auto moved = [this, slider, which] {
        emit adjustmentChanged(which, slider->sliderPosition(), slider->isSliderDown() ? drags_ : 0);
    };
    connect(slider, &QAbstractSlider::actionTriggered, this, moved);
    connect(slider, &QAbstractSlider::sliderReleased, this,
            [this, slider, which] { emit adjustmentChanged(which, slider->sliderPosition(), drags_); });
}

void CAdjustmentBar::ConnectEdit(CNumericEdit* edit, Adjustment which)
{
    // An arrow, leaving the field, or Enter: the position, after taking over
    // a typed value that lies inside the range.
    const auto hand = [this, edit, which] { emit adjustmentChanged(which, edit->Position(), 0); };
    connect(edit, &CNumericEdit::committed, this, hand);
    connect(edit, &CNumericEdit::returnPressed, this, hand);
    connect(edit, &CNumericEdit::readingNoted, this, &CAdjustmentBar::readingNoted);
}

void CAdjustmentBar::UpdateFrom(const CZenbeltsDoc& doc)
{
    for (Adjustment which : PanelOrder) {
        const AdjustmentState state = doc.StateOf(which);
        CAdjustmentSlider* slider = sliders_[Index(which)];
        slider->setRange(state.minimum, state.maximum);
        slider->setPageStep(std::max(1, (state.maximum - state.minimum) / 5));
        slider->setValue(state.position);
        slider->setEnabled(state.enabled);

        CNumericEdit* edit = edits_[Index(which)];
        edit->setEnabled(state.enabled);
        edit->SetRange(state.minimum, state.maximum);
        // Never overwrite what the user is typing; a value handed over shows
        // whatever becomes of it (an undo, a limit).
        if (!edit->hasFocus() || !edit->HasPendingText())
            edit->SetPosition(state.position);
    }
    autoDeclination_->setChecked(doc.Settings().autoDeclination != 0);
    lockSatellites_->setChecked(doc.Settings().lockSatellites != 0);
}

void CAdjustmentBar::CommitPendingEdits()
{
    for (CNumericEdit* edit : edits_) {
        if (edit->isEnabled() && edit->HasPendingText())
            edit->HandOverText();
    }
}

void CAdjustmentBar::EnableToolTips(bool on)
{
    toolTips_ = on;
    for (Adjustment which : PanelOrder) {
        const QString tip = on ? AdjustmentText(InfoOf(which).tip) : QString();
        sliders_[Index(which)]->setToolTip(tip);
        edits_[Index(which)]->setToolTip(tip);
    }
    autoDeclination_->setToolTip(on ? tr(AutoDeclinationTip) : QString());
}

}  // namespace zenbelts
