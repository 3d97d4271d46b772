// The program with the keyboard alone: the parts of the main window in
// turn, the panel's tab order, mnemonics that never clash, the window keys.

#include "app/AppFixture.h"
#include "app/Mnemonics.h"
#include "controls/AdjustmentBar.h"
#include "controls/NumericEdit.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/PropertiesDialog.h"
#include "dialogs/SatellitesPage.h"
#include "view/MissTable.h"
#include "view/ZenbeltsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <map>

namespace zenbelts::testing_support {
namespace {

class Keyboard : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault({130, 192, 770});
        frame_ = app_->MainFrame();
        QApplication::setActiveWindow(frame_);
        Settle();
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Press(QKeySequence keys)
    {
        QWidget* target = Focus() ? Focus() : QApplication::activeWindow();
        QTest::keySequence(target, keys);
        Settle();
    }
    // Which part of the main window holds the focus: "view", "panel", "table" or "".
    std::string Part() const
    {
        QWidget* focus = Focus();
        if (!focus)
            return "";
        if (frame_->ActiveView()
            && (focus == frame_->ActiveView() || frame_->ActiveView()->isAncestorOf(focus)))
            return "view";
        if (frame_->AdjustmentBar()->isAncestorOf(focus))
            return "panel";
        if (frame_->MissTable()->isAncestorOf(focus))
            return "table";
        return "";
    }

    CMainFrame* frame_ = nullptr;
};

TEST_F(Keyboard, F6AndShiftF6MoveBetweenTheWindowThePanelAndTheTable)
{
    frame_->ActiveView()->setFocus();
    Settle();
    ASSERT_EQ(Part(), "view");
    const char* forward[] = {"panel", "table", "view", "panel"};
    for (const char* expected : forward) {
        Press(QKeySequence(Qt::Key_F6));
        EXPECT_EQ(Part(), expected) << "F6 towards " << expected;
    }
    const char* backward[] = {"view", "table", "panel"};
    for (const char* expected : backward) {
        Press(QKeySequence(Qt::SHIFT | Qt::Key_F6));
        EXPECT_EQ(Part(), expected) << "Shift+F6 towards " << expected;
    }
    // Without the table, F6 passes it by.
    frame_->actions().viewMisses->trigger();
    Settle();
    frame_->ActiveView()->setFocus();
    Press(QKeySequence(Qt::Key_F6));
    EXPECT_EQ(Part(), "panel");
    Press(QKeySequence(Qt::Key_F6));
    EXPECT_EQ(Part(), "view");
}

TEST_F(Keyboard, TabRunsThroughThePanelInItsOrderAndLeavesIt)
{
    CAdjustmentBar* bar = frame_->AdjustmentBar();
    std::vector<QWidget*> expected;
    for (int i = 0; i < 3; ++i)
        expected.push_back(bar->Slider(CAdjustmentBar::PanelOrder[i]));
    for (int i = 0; i < 3; ++i)
        expected.push_back(bar->Edit(CAdjustmentBar::PanelOrder[i]));
    expected.push_back(bar->AutoDeclinationBox());
    for (int i = 3; i < 6; ++i)
        expected.push_back(bar->Slider(CAdjustmentBar::PanelOrder[i]));
    for (int i = 3; i < 6; ++i)
        expected.push_back(bar->Edit(CAdjustmentBar::PanelOrder[i]));
    expected.push_back(bar->LockSatellitesBox());

    // The declination follows its automatic value and is skipped while it does.
    bar->AutoDeclinationBox()->click();
    Settle();
    expected.front()->setFocus(Qt::TabFocusReason);
    Settle();
    for (std::size_t i = 1; i < expected.size(); ++i) {
        Press(QKeySequence(Qt::Key_Tab));
        const QWidget* focus = Focus();
        const bool there = focus == expected[i] || (focus && expected[i]->isAncestorOf(focus));
        EXPECT_TRUE(there) << "Tab " << i;
    }
    Press(QKeySequence(Qt::Key_Tab));
    EXPECT_NE(Part(), "panel") << "Tab after the last control leaves the panel";

    // And back again from the first field to the last vertical slider.
    bar->Edit(CAdjustmentBar::PanelOrder[0])->setFocus(Qt::TabFocusReason);
    Press(QKeySequence(Qt::SHIFT | Qt::Key_Tab));
    EXPECT_EQ(Focus(), bar->Slider(CAdjustmentBar::PanelOrder[2]));
}

TEST_F(Keyboard, TheTableOfMissesDoesNotKeepTab)
{
    ASSERT_FALSE(frame_->MissTable()->isHidden());
    frame_->ActiveView()->setFocus();
    Press(QKeySequence(Qt::Key_F6));
    Press(QKeySequence(Qt::Key_F6));
    ASSERT_EQ(Part(), "table");
    Press(QKeySequence(Qt::Key_Tab));
    EXPECT_NE(Part(), "table");
}

TEST_F(Keyboard, MnemonicsNeverClash)
{
    ExpectMnemonicsUnique(*frame_);
}

TEST_F(Keyboard, APanelMnemonicPutsTheFocusOnItsField)
{
    CAdjustmentBar* bar = frame_->AdjustmentBar();
    frame_->ActiveView()->setFocus();
    Press(QKeySequence(Qt::ALT | Qt::Key_M));
    EXPECT_EQ(Focus(), bar->Edit(Adjustment::MotorAzimuth));
    Press(QKeySequence(Qt::ALT | Qt::Key_N));
    EXPECT_EQ(Focus(), bar->Edit(Adjustment::PoleNS));
}

TEST_F(Keyboard, WindowKeysCloseAndSwitchDocumentWindows)
{
    app_->NewDocument();
    Settle();
    QMdiArea* area = frame_->MdiArea();
    ASSERT_EQ(area->subWindowList().size(), 2);
    QMdiSubWindow* second = area->activeSubWindow();
    Press(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    EXPECT_NE(area->activeSubWindow(), second);
    Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
    EXPECT_EQ(area->activeSubWindow(), second);
    // As X11 reports Ctrl+Shift+Tab.
    Press(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
    EXPECT_EQ(area->activeSubWindow(), second);
    Press(QKeySequence(Qt::CTRL | Qt::Key_F4));
    EXPECT_EQ(area->subWindowList().size(), 1);
}

TEST(PropertiesKeyboard, OpensWithTheFocusOnItsFirstField)
{
    SatelliteCatalogue catalogue;
    MountSettings working;
    working.LoadFactoryDefaults(catalogue);
    CPropertiesDialog dialog(catalogue, working);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), dialog.GeneralPage()->LatitudeDegrees());
}

TEST(PropertiesKeyboard, CtrlTabTurnsThePagesFromAnyFieldAndTypingLandsOnTheNewPage)
{
    SatelliteCatalogue catalogue;
    catalogue.InsertOrRename(192, "Astra");
    MountSettings working;
    working.LoadFactoryDefaults(catalogue);
    const MountSettings before = working;
    CPropertiesDialog dialog(catalogue, working);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    dialog.GeneralPage()->NorthSouth()->setFocus();
    QApplication::processEvents();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Tab));
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 1) << "from the combo box";
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("astra"));
    EXPECT_EQ(dialog.SatellitesPage()->Filter()->text(), QStringLiteral("astra"))
        << "typing reaches the filter";
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
    dialog.accept();
    EXPECT_EQ(working.latitude, before.latitude) << "nothing typed went into the form";
}

}  // namespace
}  // namespace zenbelts::testing_support
