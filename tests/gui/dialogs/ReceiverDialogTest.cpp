#include "dialogs/ReceiverDialog.h"
#include "app/AppFixture.h"
#include "model/Reach.h"
#include "model/Receiver.h"
#include "model/StoredPositions.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace zenbelts::testing_support {
namespace {

SatelliteCatalogue Catalogue()
{
    SatelliteCatalogue c;
    for (int p = 300; p <= 1300; p += 200)
        c.InsertOrRename(p, std::string("S").append(std::to_string(p)));
    c.InsertOrRename(1000, "Comma, \"quoted\"");
    return c;
}

MountSettings ChoosingAll(const SatelliteCatalogue& c)
{
    MountSettings s;
    s.LoadFactoryDefaults(c);
    for (const SatelliteEntry& e : c)
        s.chosenSatellites.Set(e.position);
    return s;
}

TEST(ReceiverDialog, ShowsTheSiteTheGainAndThePositionsToStoreEastToWest)
{
    const SatelliteCatalogue c = Catalogue();
    MountSettings s = ChoosingAll(c);
    s.chosenSatellites.Reset(300);
    const UsalsSite site = FindUsalsSite(s, c);
    ASSERT_GE(site.targets, 2);

    CReceiverDialog dialog(s, c);
    dialog.show();
    QApplication::processEvents();
    const std::string where
        = FormatTenths(site.latitude, 'N', 'S') + ", " + FormatTenths(site.longitude, 'E', 'W');
    EXPECT_EQ(dialog.SiteLabel()->text().toStdString(), "Site to enter into the receiver: " + where);
    const std::string gain = dialog.GainLabel()->text().toStdString();
    EXPECT_THAT(gain, testing::HasSubstr(QString::number(site.worstBefore, 'f', 3).toStdString()
                                         + "\u00b0 with the true site"));
    EXPECT_THAT(gain, testing::HasSubstr(QString::number(site.worstAfter, 'f', 3).toStdString()
                                         + "\u00b0 with this one"));

    // The chosen satellites, east to west: 130.0°E first from 77.0°E.
    const PositionsTable positions = ComputePositions(s, c);
    const QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 6);
    ASSERT_EQ(positions.stored.size(), 6u);
    const char* order[]
        = {"130.0\u00b0E", "110.0\u00b0E", "100.0\u00b0E", "90.0\u00b0E", "70.0\u00b0E", "50.0\u00b0E"};
    for (int i = 0; i < table->rowCount(); ++i) {
        const PositionSlot& slot = positions.stored[static_cast<std::size_t>(i)];
        EXPECT_EQ(table->item(i, 0)->text(), QString::number(i + 1));
        EXPECT_EQ(table->item(i, 1)->text().toStdString(), order[i]);
        EXPECT_EQ(table->item(i, 3)->text().toStdString(),
                  FormatTenths(static_cast<int>(std::lround(slot.motorAngle * 10)), 'E', 'W'));
        EXPECT_EQ(table->item(i, 6)->text().toStdString(), GotoXText(slot.motorAngle))
            << "a northern mount turns as its angles read";
    }
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("S1300"));
    EXPECT_THAT(dialog.LimitsLabel()->text().toStdString(),
                testing::HasSubstr(
                    "east " + FormatTenths(static_cast<int>(std::lround(*positions.east * 10)), 'E', 'W')));
    EXPECT_FALSE(dialog.LeftOutLabel()->isVisible());

    // Every command, in order, with what it does.
    const std::vector<PositionerCommand> commands = PositionerCommands(s, positions);
    ASSERT_EQ(dialog.Commands()->rowCount(), static_cast<int>(commands.size()));
    EXPECT_EQ(dialog.Commands()->item(1, 0)->text(), QStringLiteral("E0 31 63"));
    EXPECT_TRUE(dialog.Commands()->item(1, 1)->text().startsWith(QStringLiteral("Limits off")));

    EXPECT_EQ(dialog.CsvText().toStdString(), PositionsCsv(positions));
    EXPECT_TRUE(dialog.CsvText().contains(QStringLiteral(",\"Comma, \"\"quoted\"\"\",")));
    QGuiApplication::clipboard()->clear();
    dialog.CopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), dialog.CsvText());
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(dialog.ExportTo(dir.filePath(QStringLiteral("p.csv")), error)) << error.toStdString();
    QFile file(dir.filePath(QStringLiteral("p.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), dialog.CsvText());
}

// The margin in the user's words; a motor's limit and a chimney leave
// satellites out, each said why.
TEST(ReceiverDialog, TheMarginFollowsWhatIsTypedAndWhatIsLeftOutSaysWhy)
{
    const SatelliteCatalogue c = Catalogue();
    MountSettings s = ChoosingAll(c);
    s.motorEast = 400;  // 130.0°E lies some 50 degrees east
    const int azimuth = static_cast<int>(std::lround(RingBearing(s, 90.0).azimuth * 10));
    s.horizon = {{azimuth - 30, 0}, {azimuth, 500}, {azimuth + 30, 0}};
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        CReceiverDialog dialog(s, c);
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.Margin()->text(), QStringLiteral("2,0"));
        const double east = *dialog.Positions().east;
        dialog.Margin()->setText(QStringLiteral("0,5"));
        emit dialog.Margin()->editingFinished();
        EXPECT_EQ(dialog.Positions().margin, 0.5);
        EXPECT_LT(*dialog.Positions().east, east);
        dialog.Margin()->setText(QStringLiteral("31"));
        emit dialog.Margin()->editingFinished();
        EXPECT_EQ(dialog.Positions().margin, 0.5) << "out of range: the margin stays";
        EXPECT_EQ(dialog.Margin()->text(), QStringLiteral("0,5"));
        QApplication::processEvents();
        ASSERT_TRUE(dialog.LeftOutLabel()->isVisible());
        const std::string left = dialog.LeftOutLabel()->text().toStdString();
        EXPECT_THAT(left, testing::HasSubstr("90.0\u00b0E, hidden by the horizon"));
        EXPECT_THAT(left, testing::HasSubstr("130.0\u00b0E, beyond the motor's limit"));
    }
    QLocale::setDefault(before);
}

TEST(ReceiverDialog, WithTooFewSatellitesUpItKeepsTheTrueSite)
{
    const SatelliteCatalogue c = Catalogue();
    MountSettings s = ChoosingAll(c);
    s.chosenSatellites.Clear();
    s.chosenSatellites.Set(700);
    const CReceiverDialog dialog(s, c);
    EXPECT_EQ(dialog.SiteLabel()->text(),
              QStringLiteral("Site to enter into the receiver: 43.3\u00b0N, 77.0\u00b0E"));
    EXPECT_TRUE(dialog.GainLabel()->text().startsWith(QStringLiteral("Fewer than two chosen satellites")));
    EXPECT_EQ(dialog.Table()->rowCount(), 1);
    EXPECT_EQ(dialog.Table()->item(0, 1)->text(), QStringLiteral("70.0\u00b0E"));
}

class ReceiverCommand : public AppFixture {};

TEST_F(ReceiverCommand, ViewMenuOpensItForTheActiveDocument)
{
    StartWithStoredDefault({130, 192, 770, 1000});
    CMainFrame& frame = *app_->MainFrame();
    QAction* action = frame.actions().viewReceiverSettings;
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->text(), QStringLiteral("&Receiver settings..."));

    int shown = 0;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<CReceiverDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->Table()->rowCount();
        dialog->reject();
    });
    action->trigger();
    EXPECT_EQ(shown, 4);

    for (CZenbeltsDoc* doc : app_->Documents())
        doc->UndoStack()->setClean();
    frame.MdiArea()->closeAllSubWindows();
    Settle();
    Settle();
    EXPECT_FALSE(action->isEnabled());
}

}  // namespace
}  // namespace zenbelts::testing_support
