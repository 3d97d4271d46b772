#include "controls/AdjustmentBar.h"
#include "app/AppFixture.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace zenbelts::testing_support {
namespace {

class AdjustmentPanel : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault();
        frame_ = app_->MainFrame();
        bar_ = frame_->AdjustmentBar();
        QApplication::setActiveWindow(frame_);
        doc_ = frame_->ActiveDocument();
        ASSERT_NE(doc_, nullptr);
    }

    void Type(Adjustment editId, const QString& text)
    {
        CNumericEdit* edit = bar_->Edit(editId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    CMainFrame* frame_ = nullptr;
    CAdjustmentBar* bar_ = nullptr;
    CZenbeltsDoc* doc_ = nullptr;
};

TEST_F(AdjustmentPanel, EachMovementRecalculatesAndTellsTheViewsOnce)
{
    const struct {
        const char* name;
        std::function<void(CAdjustmentBar&)> move;
    } cases[] = {
        {"slider arrow",
         [](CAdjustmentBar& b) {
             b.Slider(Adjustment::PoleNS)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         }},
        {"slider page",
         [](CAdjustmentBar& b) {
             b.Slider(Adjustment::MotorAzimuth)->triggerAction(QAbstractSlider::SliderPageStepSub);
         }},
        {"slider end",
         [](CAdjustmentBar& b) {
             b.Slider(Adjustment::MotorElevation)->triggerAction(QAbstractSlider::SliderToMaximum);
         }},
        {"field arrow", [](CAdjustmentBar& b) { b.Edit(Adjustment::DishAzimuth)->stepUp(); }},
        {"field Enter",
         [this](CAdjustmentBar& b) {
             Type(Adjustment::PoleEW, QStringLiteral("1.5E"));
             QTest::keyClick(b.Edit(Adjustment::PoleEW), Qt::Key_Return);
         }},
    };
    for (const auto& c : cases) {
        QSignalSpy changes(doc_, &CZenbeltsDoc::changed);
        c.move(*bar_);
        EXPECT_EQ(changes.count(), 1) << c.name;
        Settle();
    }
    // A field left with its value unchanged tells nobody.
    QSignalSpy changes(doc_, &CZenbeltsDoc::changed);
    bar_->Edit(Adjustment::PoleNS)->setFocus();
    bar_->Edit(Adjustment::PoleEW)->setFocus();
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(AdjustmentPanel, ShowsTheActiveDocumentAndHidesWithoutOne)
{
    EXPECT_FALSE(bar_->isHidden());
    EXPECT_EQ(bar_->Slider(Adjustment::MotorElevation)->minimum(), 416);
    EXPECT_EQ(bar_->Slider(Adjustment::MotorElevation)->value(), 466);
    EXPECT_EQ(bar_->Edit(Adjustment::MotorElevation)->DisplayedText(), QString::fromUtf8("46.6°N"));
    EXPECT_EQ(bar_->Edit(Adjustment::Declination)->DisplayedText(), QString::fromUtf8("6.4°S"));
    EXPECT_TRUE(bar_->AutoDeclinationBox()->isChecked());
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_TRUE(bar_->isHidden());
    EXPECT_FALSE(frame_->actions().viewShowToolTips->isEnabled());
}

TEST_F(AdjustmentPanel, DraggingTheSliderChangesTheDocumentAtEveryStep)
{
    CAdjustmentSlider* slider = bar_->Slider(Adjustment::PoleNS);
    slider->setSliderDown(true);
    for (int v : {1, 2, 3, 10, -7}) {
        slider->setSliderPosition(v);
        EXPECT_EQ(doc_->Settings().poleNS, v) << "during the drag";
    }
    slider->setSliderDown(false);
    Settle();
    EXPECT_EQ(doc_->Settings().poleNS, -7);
    EXPECT_EQ(bar_->Edit(Adjustment::PoleNS)->DisplayedText(), QString::fromUtf8("0.7°S"));
}

TEST_F(AdjustmentPanel, TypedValueAndEnterSetsTheAdjustment)
{
    Type(Adjustment::PoleNS, QStringLiteral("2.5 s"));
    QTest::keyClick(bar_->Edit(Adjustment::PoleNS), Qt::Key_Return);
    EXPECT_EQ(doc_->Settings().poleNS, -25);
    Settle();
    EXPECT_EQ(bar_->Edit(Adjustment::PoleNS)->DisplayedText(), QString::fromUtf8("2.5°S"));
    EXPECT_EQ(bar_->Slider(Adjustment::PoleNS)->value(), -25);
}

TEST_F(AdjustmentPanel, ValueOutsideTheRangeLeavesTheDocumentAndShowsUntilLeaving)
{
    const MountSettings before = doc_->Settings();
    Type(Adjustment::PoleNS, QStringLiteral("9"));
    QTest::keyClick(bar_->Edit(Adjustment::PoleNS), Qt::Key_Return);
    Settle();
    EXPECT_EQ(doc_->Settings(), before);
    EXPECT_EQ(bar_->Edit(Adjustment::PoleNS)->DisplayedText(), QString::fromUtf8("9.0°N"));
    bar_->Edit(Adjustment::PoleEW)->setFocus();
    Settle();
    EXPECT_EQ(bar_->Edit(Adjustment::PoleNS)->DisplayedText(), QString::fromUtf8("0.0°"));
    EXPECT_EQ(doc_->Settings(), before);
}

TEST_F(AdjustmentPanel, AnUpdateWhileTypingLeavesTheTextAlone)
{
    Type(Adjustment::PoleNS, QStringLiteral("1.2"));
    Change(*doc_, [](MountSettings& s) { s.poleNS = 30; });
    Settle();
    EXPECT_EQ(bar_->Edit(Adjustment::PoleNS)->DisplayedText(), QStringLiteral("1.2"));
    EXPECT_EQ(bar_->Slider(Adjustment::PoleNS)->value(), 30) << "the slider follows";
}

TEST_F(AdjustmentPanel, AutomaticDeclinationFollowsAndIsDisabled)
{
    CAdjustmentSlider* azimuth = bar_->Slider(Adjustment::MotorAzimuth);
    azimuth->setSliderDown(true);
    azimuth->setSliderPosition(40);
    azimuth->setSliderDown(false);
    Settle();
    const int declination = doc_->Settings().declination;
    EXPECT_NE(declination, -64);
    EXPECT_EQ(bar_->Slider(Adjustment::Declination)->value(), declination);
    EXPECT_FALSE(bar_->Slider(Adjustment::Declination)->isEnabled());
    EXPECT_FALSE(bar_->Edit(Adjustment::Declination)->isEnabled());
    EXPECT_TRUE(bar_->Slider(Adjustment::MotorAzimuth)->isEnabled());

    bar_->AutoDeclinationBox()->click();
    Settle();
    EXPECT_EQ(doc_->Settings().autoDeclination, 0);
    EXPECT_TRUE(bar_->Slider(Adjustment::Declination)->isEnabled());
    EXPECT_TRUE(bar_->Edit(Adjustment::Declination)->isEnabled());
}

TEST_F(AdjustmentPanel, TopOfTheMotorElevationSliderStoresAutoPlusMax)
{
    bar_->Slider(Adjustment::MotorElevation)->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(doc_->Settings().motorElevation,
              doc_->Settings().motorElevationAuto + doc_->Settings().motorElevationMax);
}

TEST_F(AdjustmentPanel, SwitchingDocumentsShowsTheOthersValues)
{
    CZenbeltsDoc* second = app_->NewDocument();
    Change(*second, [](MountSettings& s) {
        s.poleEW = -33;
        s.Recalculate(false);
    });
    Settle();
    EXPECT_EQ(bar_->Edit(Adjustment::PoleEW)->DisplayedText(), QString::fromUtf8("3.3°W"));
    frame_->ActivateDocument(*doc_);
    Settle();
    EXPECT_EQ(bar_->Edit(Adjustment::PoleEW)->DisplayedText(), QString::fromUtf8("0.0°"));
    bar_->Slider(Adjustment::PoleEW)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(doc_->Settings().poleEW, 1);
    EXPECT_EQ(second->Settings().poleEW, -33);
}

TEST_F(AdjustmentPanel, LockSatellitesCheckBoxTogglesThePresentation)
{
    bar_->LockSatellitesBox()->click();
    EXPECT_EQ(doc_->Settings().lockSatellites, 1);
    Settle();
    EXPECT_TRUE(bar_->LockSatellitesBox()->isChecked());
}

TEST_F(AdjustmentPanel, ShowTooltipsSwitchesTheTipsAndIsRemembered)
{
    EXPECT_FALSE(app_->ShowToolTips());
    EXPECT_TRUE(bar_->Slider(Adjustment::PoleNS)->toolTip().isEmpty());
    EXPECT_EQ(bar_->Slider(Adjustment::PoleNS)->statusTip(),
              QStringLiteral("Mounting pole North/South roll"));
    frame_->actions().viewShowToolTips->trigger();
    Settle();
    EXPECT_EQ(bar_->Slider(Adjustment::PoleNS)->toolTip(), QStringLiteral("Pole N/S"));
    EXPECT_EQ(bar_->AutoDeclinationBox()->toolTip(), QStringLiteral("Auto decl."));
    EXPECT_TRUE(frame_->actions().viewShowToolTips->isChecked());
    EXPECT_TRUE(app_->ShowToolTips());
}

}  // namespace
}  // namespace zenbelts::testing_support
