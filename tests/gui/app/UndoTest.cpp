// Every change of a set-up undoes to the exact record before it and redoes
// to the one after, and the title's "*" follows the undo stack.

#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include <functional>

namespace zenbelts::testing_support {
namespace {

class Undo : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault({130, 192, 770, 1000});
        frame_ = app_->MainFrame();
        QApplication::setActiveWindow(frame_);
        doc_ = frame_->ActiveDocument();
        ASSERT_NE(doc_, nullptr);
    }

    CMainFrame* frame_ = nullptr;
    CZenbeltsDoc* doc_ = nullptr;
};

TEST_F(Undo, EveryKindOfChangeUndoesAndRedoesExactly)
{
    CAdjustmentBar& bar = *frame_->AdjustmentBar();
    const struct {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"a slider dragged over several steps",
         [&] {
             CAdjustmentSlider* slider = bar.Slider(Adjustment::PoleEW);
             slider->setSliderDown(true);
             for (int position : {5, 12, 20, 31})
                 slider->setSliderPosition(position);
             slider->setSliderDown(false);
         }},
        {"a value typed",
         [&] {
             CNumericEdit* edit = bar.Edit(Adjustment::MotorAzimuth);
             edit->setFocus();
             edit->selectAll();
             QTest::keyClicks(edit, QStringLiteral("2.5W"));
             QTest::keyClick(edit, Qt::Key_Return);
         }},
        {"auto declination", [&] { bar.AutoDeclinationBox()->click(); }},
        {"Set defaults", [&] { frame_->actions().editSetDefaults->trigger(); }},
        {"Optimise", [&] { frame_->actions().editOptimise->trigger(); }},
        {"Properties, new limits",
         [&] {
             properties_ = [](MountSettings& s) {
                 s.poleNSMin = -20;
                 ApplyConfirmedProperties(s, s);
                 return true;
             };
             frame_->actions().fileProperties->trigger();
         }},
        {"Properties, a new location",
         [&] {
             properties_ = [](MountSettings& s) {
                 MountSettings moved = s;
                 moved.latitude = -2000;
                 ApplyConfirmedProperties(s, moved);
                 return true;
             };
             frame_->actions().fileProperties->trigger();
         }},
    };
    // Each change on top of the ones before: undo steps back one at a time.
    std::vector<MountSettings> states{doc_->Settings()};
    for (const auto& c : cases) {
        c.change();
        Settle();
        ASSERT_NE(doc_->Settings(), states.back()) << c.name << ": nothing changed";
        states.push_back(doc_->Settings());
        EXPECT_TRUE(doc_->IsModified()) << c.name;
        EXPECT_TRUE(frame_->FramesOf(*doc_).at(0)->isWindowModified()) << c.name;
    }
    EXPECT_TRUE(frame_->ResultPane().contains(QStringLiteral("location changed")))
        << "a new location says what became of the adjustments";
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        frame_->actions().editUndo->trigger();
        Settle();
        EXPECT_EQ(doc_->Settings(), states[i - 1]) << "undo of " << cases[i - 1].name;
    }
    EXPECT_FALSE(doc_->IsModified()) << "back where it was stored";
    EXPECT_FALSE(frame_->FramesOf(*doc_).at(0)->isWindowModified());
    EXPECT_EQ(bar.Edit(Adjustment::MotorAzimuth)->DisplayedText(), QString::fromUtf8("0.0\u00b0"))
        << "the panel follows";
    for (std::size_t i = 1; i < states.size(); ++i) {
        frame_->actions().editRedo->trigger();
        Settle();
        EXPECT_EQ(doc_->Settings(), states[i]) << "redo of " << cases[i - 1].name;
    }
}

TEST_F(Undo, SavingMarksTheCleanStateAndTheKeysReachTheDocument)
{
    CAdjustmentBar& bar = *frame_->AdjustmentBar();
    bar.Slider(Adjustment::PoleNS)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_TRUE(app_->SaveDocument(*doc_, Path(QStringLiteral("kept.zb"))));
    EXPECT_FALSE(doc_->IsModified());
    const MountSettings saved = doc_->Settings();

    // Ctrl+Z in a field with nothing typed undoes the document.
    CNumericEdit* edit = bar.Edit(Adjustment::PoleNS);
    edit->setFocus();
    Settle();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Undo);
    Settle();
    EXPECT_NE(doc_->Settings(), saved);
    EXPECT_TRUE(doc_->IsModified()) << "away from the saved state";
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Redo);
    Settle();
    EXPECT_EQ(doc_->Settings(), saved);
    EXPECT_FALSE(doc_->IsModified()) << "back at the saved state";
}

}  // namespace
}  // namespace zenbelts::testing_support
