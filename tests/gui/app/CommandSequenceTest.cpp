// Long random sequences of what a user does in the program: the panel's
// sliders and check boxes, Properties, Set defaults, Optimise, Save. After
// every step the document stores and loads back the same, and so does the
// default set-up kept at exit.

#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "model/RoundTrip.h"

#include <QAction>
#include <QCheckBox>
#include <QSlider>

#include <random>

namespace zenbelts::testing_support {
namespace {

class CommandSequence : public AppFixture {};

void RandomProperties(std::mt19937& rng, MountSettings& s)
{
    const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    switch (rng() % 3) {
    case 0: {  // a limit pair, often one that leaves 0 out
        const AdjustmentInfo& a = Adjustments[rng() % Adjustments.size()];
        if (a.automatic) {
            s.*(a.min) = -pick(1, 4);
            s.*(a.max) = pick(1, 4);
        } else {
            const int lo = pick(-100, 90);
            s.*(a.min) = lo;
            s.*(a.max) = pick(lo + 1, lo + 20);
        }
        break;
    }
    case 1:
        s.altitude = pick(0, 2000);
        break;
    default:
        s.latitude = pick(-4000, 4000);
        s.longitude = pick(-10000, 10000);
        break;
    }
}

TEST_F(CommandSequence, EveryStepStoresAndLoadsTheSame)
{
    StartWithStoredDefault({130, 192, 770, 1000, 3550});
    CMainFrame* frame = app_->MainFrame();
    CZenbeltsDoc* doc = frame->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    const QList<QSlider*> sliders = frame->AdjustmentBar()->findChildren<QSlider*>();
    const QList<QCheckBox*> boxes = frame->AdjustmentBar()->findChildren<QCheckBox*>();
    ASSERT_EQ(sliders.size(), 6);
    ASSERT_EQ(boxes.size(), 2);

    std::mt19937 rng(20261207);
    // The dialog confirmed with a change, as its OK button takes it over.
    properties_ = [&rng](MountSettings& s) {
        MountSettings working = s;
        RandomProperties(rng, working);
        ApplyConfirmedProperties(s, working);
        return true;
    };
    const QString file = Path(QStringLiteral("sequence.zb"));
    for (int step = 0; step < 300; ++step) {
        QString what;
        switch (rng() % 10) {
        case 0:
        case 1:
        case 2:
        case 3: {
            QSlider* slider = sliders[static_cast<int>(rng() % sliders.size())];
            if (!slider->isEnabled())
                continue;
            static const QAbstractSlider::SliderAction actions[]
                = {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                   QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderToMinimum,
                   QAbstractSlider::SliderToMaximum};
            slider->triggerAction(actions[rng() % std::size(actions)]);
            what = QStringLiteral("slider");
            break;
        }
        case 4:
            boxes[static_cast<int>(rng() % 2)]->click();
            what = QStringLiteral("check box");
            break;
        case 5:
        case 6:
            frame->actions().fileProperties->trigger();
            what = QStringLiteral("Properties");
            break;
        case 7:
            frame->actions().editSetDefaults->trigger();
            what = QStringLiteral("Set defaults");
            break;
        case 8:
            frame->actions().editOptimise->trigger();
            what = QStringLiteral("Optimise");
            break;
        default: {
            ASSERT_TRUE(app_->SaveDocument(*doc, file)) << "step " << step;
            ASSERT_TRUE(StoresAndLoadsTheSame(app_->DefaultSettings())) << "default, step " << step;
            what = QStringLiteral("Save");
            break;
        }
        }
        Settle();
        ASSERT_TRUE(StoresAndLoadsTheSame(doc->Settings())) << "step " << step << ": " << what.toStdString();
    }
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace zenbelts::testing_support
