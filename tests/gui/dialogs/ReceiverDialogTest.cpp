#include "dialogs/ReceiverDialog.h"
#include "app/AppFixture.h"
#include "model/Receiver.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
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

TEST(ReceiverDialog, ShowsTheSiteTheGainAndTheCommandOfEveryChosenSatellite)
{
    const SatelliteCatalogue c = Catalogue();
    MountSettings s = ChoosingAll(c);
    s.chosenSatellites.Reset(300);
    const UsalsSite site = FindUsalsSite(s, c);
    ASSERT_GE(site.targets, 2);

    const CReceiverDialog dialog(s, c);
    const std::string where
        = FormatTenths(site.latitude, 'N', 'S') + ", " + FormatTenths(site.longitude, 'E', 'W');
    EXPECT_EQ(dialog.SiteLabel()->text().toStdString(), "Site to enter into the receiver: " + where);
    const std::string gain = dialog.GainLabel()->text().toStdString();
    EXPECT_THAT(gain, testing::HasSubstr(QString::number(site.worstBefore, 'f', 3).toStdString()
                                         + "\u00b0 with the true site"));
    EXPECT_THAT(gain, testing::HasSubstr(QString::number(site.worstAfter, 'f', 3).toStdString()
                                         + "\u00b0 with this one"));

    std::vector<ArcRow> chosen;
    for (const ArcRow& r : ComputeArcTable(s, c)) {
        if (r.chosen)
            chosen.push_back(r);
    }
    const QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), static_cast<int>(chosen.size()));
    const QStringList csv = dialog.CsvText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(csv.size(), table->rowCount() + 1);
    EXPECT_EQ(csv[0], QStringLiteral("Position,Satellite,Name,Motor,Receiver miss,GotoX"));
    for (int i = 0; i < table->rowCount(); ++i) {
        const ArcRow& r = chosen[static_cast<std::size_t>(i)];
        const std::string what = r.label;
        EXPECT_EQ(table->item(i, 0)->text().toStdString(), r.label) << what;
        EXPECT_EQ(table->item(i, 4)->text().toStdString(), GotoXText(r.motorAngle)) << what;
        // The motor's way as the table of misses gives it, in the north east for positive angles.
        EXPECT_EQ(table->item(i, 2)->text().toStdString(),
                  FormatTenths(static_cast<int>(std::lround(r.motorAngle * 10)), 'E', 'W'))
            << what;
        const double miss
            = r.motorAngle
              - ReceiverMotorAngle(true, ReceiverHourAngleTenths(site.latitude, site.longitude, r.position));
        EXPECT_NEAR(table->item(i, 3)->text().remove(QString::fromUtf8(DegreeSign)).toDouble(), miss, 0.0005)
            << what;
        EXPECT_TRUE(
            csv[i + 1].contains(QStringLiteral(",%1,%2,").arg(r.motorAngle, 0, 'f', 2).arg(miss, 0, 'f', 4)))
            << what;
        if (r.elevation >= 5) {
            EXPECT_LE(std::fabs(miss), site.worstAfter + 0.005) << what;
        }
        EXPECT_TRUE(csv[i + 1].startsWith(QStringLiteral("%1,").arg(r.position, 4, 10, QLatin1Char('0'))))
            << what;
        EXPECT_TRUE(
            csv[i + 1].endsWith(QString::fromStdString(std::string(",").append(GotoXText(r.motorAngle)))))
            << what;
    }
    EXPECT_TRUE(dialog.CsvText().contains(QStringLiteral(",\"Comma, \"\"quoted\"\"\",")));

    QGuiApplication::clipboard()->clear();
    dialog.CopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), dialog.CsvText());
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
