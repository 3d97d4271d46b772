#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "view/MissTable.h"

#include "document/SettingsKeys.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
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
    const QString message = frame_->ResultPane();
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

TEST_F(OptimiseCommand, MissTableCopiesAsCsvWhateverIsShown)
{
    QAction* csv = nullptr;
    for (QAction* action : table_->actions()) {
        if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Copy as CSV"))
            csv = action;
    }
    ASSERT_NE(csv, nullptr) << "offered in the table's context menu";
    csv->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << copied.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("position,name,motorAngle,miss,elevation"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("77.0E,Here,"))) << lines[3].toStdString();
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("5.0W,West,"))) << lines[5].toStdString();
    // Cell 77.0°E reads "0.25° below": negative in the CSV.
    EXPECT_TRUE(lines[3].split(QLatin1Char(','))[3].startsWith(QStringLiteral("-0.2")))
        << lines[3].toStdString();
}

TEST_F(OptimiseCommand, ReceiverColumnsShowOnRequestAndStaySo)
{
    CMissTable* misses = frame_->MissTable();
    QAction* choice = misses->ReceiverColumnsAction();
    ASSERT_TRUE(table_->actions().contains(choice));
    EXPECT_TRUE(choice->isCheckable());
    EXPECT_FALSE(choice->isChecked());
    EXPECT_TRUE(table_->isColumnHidden(MissTableModel::ReceiverColumn)) << "hidden at first";
    EXPECT_TRUE(table_->isColumnHidden(MissTableModel::ReceiverMissColumn));
    const int narrow = table_->minimumWidth();

    choice->trigger();
    EXPECT_FALSE(table_->isColumnHidden(MissTableModel::ReceiverColumn));
    EXPECT_FALSE(table_->isColumnHidden(MissTableModel::ReceiverMissColumn));
    EXPECT_GE(table_->minimumWidth(), narrow);
    // 77.0°E is due south here: the receiver turns there too.
    EXPECT_EQ(Cell(2, MissTableModel::ReceiverColumn), QString::fromUtf8("0.0°E"));
    EXPECT_TRUE(Cell(0, MissTableModel::ReceiverMissColumn).endsWith(QString::fromUtf8("°")));
    const QFontMetrics metrics(table_->font());
    EXPECT_GT(table_->columnWidth(MissTableModel::ReceiverMissColumn),
              metrics.horizontalAdvance(QString::fromUtf8("-000.00°")))
        << "as wide as its widest text";
    frame_->MissTable()->CopyToClipboard();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Satellite\tName\tMotor\tMiss\tElevation\tReceiver\tReceiver miss\n")));
    EXPECT_TRUE(misses->CsvText().startsWith(
        QStringLiteral("position,name,motorAngle,miss,elevation,receiverAngle,receiverMiss\n")));
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat)
                  .value(QString::fromLatin1(keys::ShowReceiverColumns))
                  .toInt(),
              1);

    // Remembered over a restart, and hidden again on request.
    Restart();
    StartWithStoredDefault({130, 192, 770});
    misses = app_->MainFrame()->MissTable();
    table_ = misses->Table();
    EXPECT_TRUE(misses->ReceiverColumnsAction()->isChecked());
    EXPECT_FALSE(table_->isColumnHidden(MissTableModel::ReceiverColumn));
    misses->ReceiverColumnsAction()->trigger();
    EXPECT_TRUE(table_->isColumnHidden(MissTableModel::ReceiverColumn));
    EXPECT_TRUE(misses->CsvText().startsWith(QStringLiteral("position,name,motorAngle,miss,elevation\n")));
    Restart();
    StartWithStoredDefault({130});
    EXPECT_TRUE(app_->MainFrame()->MissTable()->Table()->isColumnHidden(MissTableModel::ReceiverColumn));
}

}  // namespace
}  // namespace zenbelts::testing_support
