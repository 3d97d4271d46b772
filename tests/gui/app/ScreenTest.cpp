// What the user sees: the pixels the window system was given, read back
// after the event loop has run, against the same widget painted afresh.

#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "controls/NumericEdit.h"
#include "view/MissTable.h"

#include <QApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <functional>

namespace zenbelts::testing_support {
namespace {

// The widget's area as last flushed to the screen.
QImage OnScreen(QWidget& widget)
{
    QWidget* top = widget.window();
    const QPoint at = widget.mapTo(top, QPoint(0, 0));
    return top->windowHandle()
        ->screen()
        ->grabWindow(top->winId(), at.x(), at.y(), widget.width(), widget.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Fresh(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class Screen : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        // Every chosen satellite, so that the table has rows in every state.
        StartWithStoredDefault({130, 192, 770, 1000, 3550});
        frame_ = app_->MainFrame();
        frame_->show();
        QApplication::setActiveWindow(frame_);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
        Settle();
    }

    // Lets the update pass, the paint and the flush run.
    static void Paint()
    {
        for (int i = 0; i < 3; ++i) {
            Settle();
            QTest::qWait(20);
        }
    }

    CMainFrame* frame_ = nullptr;
};

TEST_F(Screen, TheMissesTableShowsEveryChangeAtOnce)
{
    CAdjustmentBar& bar = *frame_->AdjustmentBar();
    const struct {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"a typed value and Enter",
         [&] {
             CNumericEdit* edit = bar.Edit(Adjustment::PoleEW);
             edit->setFocus();
             edit->selectAll();
             QTest::keyClicks(edit, QStringLiteral("2.0"));
             QTest::keyClick(edit, Qt::Key_Return);
         }},
        {"a slider step",
         [&] { bar.Slider(Adjustment::PoleNS)->triggerAction(QAbstractSlider::SliderPageStepAdd); }},
        {"Optimise", [&] { frame_->actions().editOptimise->trigger(); }},
        {"Set defaults", [&] { frame_->actions().editSetDefaults->trigger(); }},
        {"the receiver's columns", [&] { frame_->MissTable()->ReceiverColumnsAction()->trigger(); }},
        {"a slider step with them",
         [&] { bar.Slider(Adjustment::MotorAzimuth)->triggerAction(QAbstractSlider::SliderPageStepSub); }},
    };
    QWidget& viewport = *frame_->MissTable()->Table()->viewport();
    for (const auto& c : cases) {
        const QImage before = OnScreen(viewport);
        c.change();
        Paint();
        const QImage shown = OnScreen(viewport);
        EXPECT_TRUE(shown != before) << c.name << ": the table did not change";
        EXPECT_TRUE(shown == Fresh(viewport)) << c.name << ": what shows is not what the table holds";
    }
}

}  // namespace
}  // namespace zenbelts::testing_support
