#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "view/MissTable.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTableView>

namespace zenbelts::testing_support {
namespace {

class OptimiseCommand : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault({130, 192, 770, 1000, 3550});
        frame_ = app_->MainFrame();
        doc_ = frame_->ActiveDocument();
        table_ = frame_->MissTable()->Table();
    }

    QString Cell(int row, int column) const { return table_->model()->index(row, column).data().toString(); }
    bool Bold(int row, int column) const
    {
        return table_->model()->index(row, column).data(Qt::FontRole).value<QFont>().bold();
    }

    CMainFrame* frame_ = nullptr;
    CZenbeltsDoc* doc_ = nullptr;
    QTableView* table_ = nullptr;
};

TEST_F(OptimiseCommand, OptimisesTheActiveDocumentAndSaysByHowMuch)
{
    frame_->actions().editOptimise->trigger();
    EXPECT_EQ(doc_->Settings().autoDeclination, 0);
    EXPECT_NE(doc_->Settings().motorElevation, 466);
    const QString message = frame_->statusBar()->currentMessage();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Worst miss "))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral(" after ("))) << message.toStdString();
    // It says which points it counted: four of the five chosen stand 5° up
    // here (5.0°W is too low), and the bold row of the table is among them.
    EXPECT_TRUE(message.endsWith(QString::fromUtf8("over the 4 chosen satellites at least 5° up")))
        << message.toStdString();
    Settle();
    EXPECT_FALSE(frame_->AdjustmentBar()->AutoDeclinationBox()->isChecked());

    // "Defaults" still returns to the automatic values.
    frame_->actions().editSetDefaults->trigger();
    EXPECT_EQ(doc_->Settings().motorElevation, 466);
    EXPECT_EQ(doc_->Settings().declination, -64);
}

TEST_F(OptimiseCommand, MissTableFollowsTheDocument)
{
    EXPECT_FALSE(frame_->MissTable()->isHidden());
    ASSERT_EQ(table_->model()->rowCount(), 5);
    EXPECT_EQ(Cell(2, 0), QString::fromUtf8("77.0°E"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("Here"));
    EXPECT_EQ(Cell(2, 2), QString::fromUtf8("0.0°E"));
    EXPECT_EQ(Cell(2, 3), QString::fromUtf8("0.25° below"));

    frame_->AdjustmentBar()->Slider(Adjustment::PoleNS)->triggerAction(QAbstractSlider::SliderToMaximum);
    Settle();
    EXPECT_NE(Cell(2, 3), QString::fromUtf8("0.25° below")) << "follows every change";

    bool bold = false;
    for (int row = 0; row < table_->model()->rowCount(); ++row)
        bold = bold || Bold(row, 3);
    EXPECT_TRUE(bold) << "the worst visible miss stands out";

    frame_->MissTable()->CopyToClipboard();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Satellite\tName\tMotor\tMiss\tElevation\n")));
    EXPECT_EQ(copied.count(QLatin1Char('\n')), 6);
}

TEST_F(OptimiseCommand, MissTableHidesWithoutADocumentAndOnRequest)
{
    frame_->actions().viewMisses->trigger();
    Settle();
    EXPECT_TRUE(frame_->MissTable()->isHidden());
    frame_->actions().viewMisses->trigger();
    Settle();
    EXPECT_FALSE(frame_->MissTable()->isHidden());
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_TRUE(frame_->MissTable()->isHidden());
}

}  // namespace
}  // namespace zenbelts::testing_support
