#include "controls/AdjustmentBar.h"
#include "app/AppFixture.h"
#include "controls/ControlIds.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QTest>

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

    void Type(int editId, const QString& text)
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

TEST_F(AdjustmentPanel, ShowsTheActiveDocumentAndHidesWithoutOne)
{
    EXPECT_FALSE(bar_->isHidden());
    EXPECT_EQ(bar_->Slider(IDC_MOTOR_ELEVATION_SLIDER)->minimum(), 416);
    EXPECT_EQ(bar_->Slider(IDC_MOTOR_ELEVATION_SLIDER)->value(), 466);
    EXPECT_EQ(bar_->Edit(IDC_MOTOR_ELEVATION_EDIT)->DisplayedText(), QString::fromUtf8("46.6°N"));
    EXPECT_EQ(bar_->Edit(IDC_DECLINATION_EDIT)->DisplayedText(), QString::fromUtf8("6.4°S"));
    EXPECT_TRUE(bar_->CheckBox(IDC_AUTO_DECLINATION)->isChecked());
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_TRUE(bar_->isHidden());
    EXPECT_FALSE(frame_->actions().viewShowToolTips->isEnabled());
}

TEST_F(AdjustmentPanel, DraggingTheSliderChangesTheDocumentAtEveryStep)
{
    CAdjustmentSlider* slider = bar_->Slider(IDC_POLE_NS_SLIDER);
    slider->setSliderDown(true);
    for (int v : {1, 2, 3, 10, -7}) {
        slider->setSliderPosition(v);
        EXPECT_EQ(doc_->Settings().poleNS, v) << "during the drag";
    }
    slider->setSliderDown(false);
    Settle();
    EXPECT_EQ(doc_->Settings().poleNS, -7);
    EXPECT_EQ(bar_->Edit(IDC_POLE_NS_EDIT)->DisplayedText(), QString::fromUtf8("0.7°S"));
}

TEST_F(AdjustmentPanel, TypedValueAndEnterSetsTheAdjustment)
{
    Type(IDC_POLE_NS_EDIT, QStringLiteral("2.5 s"));
    QTest::keyClick(bar_->Edit(IDC_POLE_NS_EDIT), Qt::Key_Return);
    EXPECT_EQ(doc_->Settings().poleNS, -25);
    Settle();
    EXPECT_EQ(bar_->Edit(IDC_POLE_NS_EDIT)->DisplayedText(), QString::fromUtf8("2.5°S"));
    EXPECT_EQ(bar_->Slider(IDC_POLE_NS_SLIDER)->value(), -25);
}

TEST_F(AdjustmentPanel, ValueOutsideTheRangeLeavesTheDocumentAndShowsUntilLeaving)
{
    const MountSettings before = doc_->Settings();
    Type(IDC_POLE_NS_EDIT, QStringLiteral("9"));
    QTest::keyClick(bar_->Edit(IDC_POLE_NS_EDIT), Qt::Key_Return);
    Settle();
    EXPECT_EQ(doc_->Settings(), before);
    EXPECT_EQ(bar_->Edit(IDC_POLE_NS_EDIT)->DisplayedText(), QString::fromUtf8("9.0°N"));
    bar_->Edit(IDC_POLE_EW_EDIT)->setFocus();
    Settle();
    EXPECT_EQ(bar_->Edit(IDC_POLE_NS_EDIT)->DisplayedText(), QString::fromUtf8("0.0°"));
    EXPECT_EQ(doc_->Settings(), before);
}

TEST_F(AdjustmentPanel, AnUpdateWhileTypingLeavesTheTextAlone)
{
    Type(IDC_POLE_NS_EDIT, QStringLiteral("1.2"));
    doc_->Settings().poleNS = 30;
    doc_->UpdateAllViews();
    Settle();
    EXPECT_EQ(bar_->Edit(IDC_POLE_NS_EDIT)->DisplayedText(), QStringLiteral("1.2"));
    EXPECT_EQ(bar_->Slider(IDC_POLE_NS_SLIDER)->value(), 30) << "the slider follows";
}

TEST_F(AdjustmentPanel, AutomaticDeclinationFollowsAndIsDisabled)
{
    CAdjustmentSlider* azimuth = bar_->Slider(IDC_MOTOR_AZIMUTH_SLIDER);
    azimuth->setSliderDown(true);
    azimuth->setSliderPosition(40);
    azimuth->setSliderDown(false);
    Settle();
    const int declination = doc_->Settings().declination;
    EXPECT_NE(declination, -64);
    EXPECT_EQ(bar_->Slider(IDC_DECLINATION_SLIDER)->value(), declination);
    EXPECT_FALSE(bar_->Slider(IDC_DECLINATION_SLIDER)->isEnabled());
    EXPECT_FALSE(bar_->Edit(IDC_DECLINATION_EDIT)->isEnabled());
    EXPECT_TRUE(bar_->Slider(IDC_MOTOR_AZIMUTH_SLIDER)->isEnabled());

    bar_->CheckBox(IDC_AUTO_DECLINATION)->click();
    Settle();
    EXPECT_EQ(doc_->Settings().autoDeclination, 0);
    EXPECT_TRUE(bar_->Slider(IDC_DECLINATION_SLIDER)->isEnabled());
    EXPECT_TRUE(bar_->Edit(IDC_DECLINATION_EDIT)->isEnabled());
}

TEST_F(AdjustmentPanel, TopOfTheMotorElevationSliderStoresAutoPlusMax)
{
    bar_->Slider(IDC_MOTOR_ELEVATION_SLIDER)->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(doc_->Settings().motorElevation,
              doc_->Settings().motorElevationAuto + doc_->Settings().motorElevationMax);
}

TEST_F(AdjustmentPanel, SwitchingDocumentsShowsTheOthersValues)
{
    CZenbeltsDoc* second = app_->NewDocument();
    second->Settings().poleEW = -33;
    second->Settings().Recalculate(false);
    second->UpdateAllViews();
    Settle();
    EXPECT_EQ(bar_->Edit(IDC_POLE_EW_EDIT)->DisplayedText(), QString::fromUtf8("3.3°W"));
    frame_->ActivateDocument(*doc_);
    Settle();
    EXPECT_EQ(bar_->Edit(IDC_POLE_EW_EDIT)->DisplayedText(), QString::fromUtf8("0.0°"));
    bar_->Slider(IDC_POLE_EW_SLIDER)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(doc_->Settings().poleEW, 1);
    EXPECT_EQ(second->Settings().poleEW, -33);
}

TEST_F(AdjustmentPanel, LockSatellitesCheckBoxTogglesThePresentation)
{
    bar_->CheckBox(IDC_LOCK_SATELLITES)->click();
    EXPECT_EQ(doc_->Settings().lockSatellites, 1);
    Settle();
    EXPECT_TRUE(bar_->CheckBox(IDC_LOCK_SATELLITES)->isChecked());
}

TEST_F(AdjustmentPanel, ShowTooltipsSwitchesTheTipsAndIsRemembered)
{
    EXPECT_FALSE(app_->ShowToolTips());
    EXPECT_TRUE(bar_->Slider(IDC_POLE_NS_SLIDER)->toolTip().isEmpty());
    EXPECT_EQ(bar_->Slider(IDC_POLE_NS_SLIDER)->statusTip(),
              QStringLiteral("Mounting pole North/South roll"));
    frame_->actions().viewShowToolTips->trigger();
    Settle();
    EXPECT_EQ(bar_->Slider(IDC_POLE_NS_SLIDER)->toolTip(), QStringLiteral("Pole N/S"));
    EXPECT_EQ(bar_->CheckBox(IDC_AUTO_DECLINATION)->toolTip(), QStringLiteral("Auto decl."));
    EXPECT_TRUE(frame_->actions().viewShowToolTips->isChecked());
    EXPECT_TRUE(app_->ShowToolTips());
}

}  // namespace
}  // namespace zenbelts::testing_support
