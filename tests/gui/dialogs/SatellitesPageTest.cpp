#include "dialogs/SatellitesPage.h"
#include "SourceTree.h"
#include "app/AppFixture.h"
#include "dialogs/PropertiesDialog.h"

#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace zenbelts::testing_support {
namespace {

QString Sample(const char* name)
{
    static const std::filesystem::path folder = ZENBELTS_SOURCE_DIR "/tests/core/data/receivers";
    return QString::fromStdString((folder / name).string());
}

// The program over its own user data folder, as it would find the user's list.
class SatellitesPageTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartOwn();
    }

    QString UserList() const { return Path(QStringLiteral("user/sats.lst")); }

    void StartOwn()
    {
        app_.reset();
        Settle();
        app_ = std::make_unique<CZenbeltsApp>(
            AppOptions{Path(QStringLiteral("sats.lst")), Path(QStringLiteral("user"))});
        app_->errorSink = [this](const QString& text) { errors_.append(text); };
        app_->propertiesDialog = [](MountSettings&) { return false; };
        ASSERT_TRUE(app_->Start({}));
        Settle();
    }

    // The dialog over a set-up with its Satellites page shown.
    std::unique_ptr<CPropertiesDialog> Open(MountSettings& working)
    {
        auto dialog = std::make_unique<CPropertiesDialog>(app_->Catalogue(), working);
        dialog->SatellitesPage()->SetListKeeper(app_.get());
        dialog->Tabs()->setCurrentIndex(1);
        return dialog;
    }

    static std::vector<int> Checked(const CSatellitesPage& page)
    {
        std::vector<int> checked;
        for (int row = 0; row < page.List()->rowCount(); ++row) {
            const QTableWidgetItem* item = page.List()->item(row, 0);
            if (item->checkState() == Qt::Checked)
                checked.push_back(item->data(Qt::UserRole).toInt());
        }
        return checked;
    }

    static bool Matches(const CSatellitesPage& page, int position)
    {
        for (int row = 0; row < page.List()->rowCount(); ++row) {
            if (page.List()->item(row, 0)->data(Qt::UserRole).toInt() == position)
                return CSatellitesPage::Matches(page.Filter()->text(), position,
                                                page.List()->item(row, 1)->text());
        }
        return false;
    }

    static std::vector<int> Shown(const CSatellitesPage& page)
    {
        std::vector<int> shown;
        for (int row = 0; row < page.List()->rowCount(); ++row) {
            if (!page.List()->isRowHidden(row))
                shown.push_back(page.List()->item(row, 0)->data(Qt::UserRole).toInt());
        }
        return shown;
    }

    static std::vector<int> Positions(const SatelliteCatalogue& catalogue)
    {
        std::vector<int> positions;
        for (const SatelliteEntry& e : catalogue)
            positions.push_back(e.position);
        return positions;
    }

    // Picks "Files..." or "Folder..." from a button's menu with the prompt answered.
    static void Pick(CSatellitesPage& page, QPushButton* button, bool folder, const QStringList& answer)
    {
        page.sourcePrompt = [folder, answer](bool asked) {
            EXPECT_EQ(asked, folder);
            return answer;
        };
        ASSERT_NE(button->menu(), nullptr);
        button->menu()->actions().at(folder ? 1 : 0)->trigger();
    }

    static MountSettings Chosen(std::initializer_list<int> positions)
    {
        MountSettings s;
        s.LoadFactoryDefaults({});
        for (int p : positions)
            s.chosenSatellites.Set(p);
        return s;
    }
};

TEST_F(SatellitesPageTest, ImportMakesTheUsersListAndKeepsTheMarksThatRemain)
{
    ASSERT_FALSE(app_->UsesUserSatelliteList());
    MountSettings working = Chosen({130, 770, 3550});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    EXPECT_TRUE(page.ImportButton()->isEnabled());
    EXPECT_FALSE(page.ShippedButton()->isEnabled());

    Pick(page, page.ImportButton(), false, {Sample("sources.conf")});
    EXPECT_EQ(page.List()->rowCount(), 26);
    // 13.0°E and 5.0°W are in the new list; 77.0°E is not.
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 3550}));
    EXPECT_THAT(page.Report()->text().toStdString(),
                testing::HasSubstr("Imported 26 satellites: read 26, merged 0, skipped 0."));
    EXPECT_TRUE(page.ShippedButton()->isEnabled());
    // Nothing is taken over before OK.
    EXPECT_FALSE(app_->UsesUserSatelliteList());
    EXPECT_EQ(app_->Catalogue().size(), 5u);
    EXPECT_FALSE(QFile::exists(UserList()));

    dialog->accept();
    EXPECT_TRUE(app_->UsesUserSatelliteList());
    EXPECT_EQ(app_->Catalogue().size(), 26u);
    QFile list(UserList());
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().startsWith("0030=Eutelsat 3A/3D & Rascom 1R\n0040=Eutelsat 4B\n"));
    list.close();
    EXPECT_TRUE(working.chosenSatellites.Test(130));
    EXPECT_FALSE(working.chosenSatellites.Test(770));

    // From then on the program starts with it.
    StartOwn();
    EXPECT_TRUE(app_->UsesUserSatelliteList());
    EXPECT_EQ(app_->Catalogue().size(), 26u);
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
}

TEST_F(SatellitesPageTest, ImportTakesAFolder)
{
    MountSettings working = Chosen({});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    Pick(page, page.ImportButton(), true, {Sample("scan-tables")});
    EXPECT_EQ(Positions(page.ShownCatalogue()), (std::vector<int>{192, 2570, 2690, 3590}));
    EXPECT_EQ(page.List()->item(1, 1)->text(), QStringLiteral("AMC1"));
}

TEST_F(SatellitesPageTest, ShippedListGoesBackAndDropsTheUsersList)
{
    MountSettings working = Chosen({130, 770});
    {
        auto first = Open(working);
        Pick(*first->SatellitesPage(), first->SatellitesPage()->ImportButton(), false,
             {Sample("satellites.xml")});
        ASSERT_EQ(Checked(*first->SatellitesPage()), std::vector<int>{130});
        first->accept();
        ASSERT_TRUE(QFile::exists(UserList()));
    }
    working.chosenSatellites.Set(770);
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    page.ShippedButton()->click();
    EXPECT_TRUE(app_->UsesUserSatelliteList()) << "until OK";
    EXPECT_TRUE(QFile::exists(UserList()));
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 770}));
    dialog->accept();
    EXPECT_FALSE(app_->UsesUserSatelliteList());
    EXPECT_FALSE(QFile::exists(UserList()));
    EXPECT_EQ(Positions(app_->Catalogue()), (std::vector<int>{130, 192, 770, 1000, 3550}));
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 770}));
    EXPECT_FALSE(page.ShippedButton()->isEnabled());

    StartOwn();
    EXPECT_FALSE(app_->UsesUserSatelliteList());
}

// Properties is one transaction: an import shows the new list, Cancel leaves
// everything as it was, and the marks follow their positions to another list
// and back.
TEST_F(SatellitesPageTest, CancelAfterAnImportLeavesEverythingAndMarksFollowTheirPositions)
{
    MountSettings working = Chosen({130, 770, 3550});
    const MountSettings before = working;
    {
        auto dialog = Open(working);
        CSatellitesPage& page = *dialog->SatellitesPage();
        Pick(page, page.ImportButton(), false, {Sample("sources.conf")});
        ASSERT_EQ(Checked(page), (std::vector<int>{130, 3550})) << "77.0°E is not in the list imported";
        page.ShippedButton()->click();
        EXPECT_EQ(Checked(page), (std::vector<int>{130, 770, 3550})) << "back, 77.0°E is chosen again";
        Pick(page, page.ImportButton(), false, {Sample("sources.conf")});
        dialog->reject();
    }
    EXPECT_EQ(working, before);
    EXPECT_FALSE(app_->UsesUserSatelliteList());
    EXPECT_FALSE(QFile::exists(UserList()));
    EXPECT_EQ(app_->Catalogue().size(), 5u);
}

TEST_F(SatellitesPageTest, AFailedImportChangesNothing)
{
    WriteFile(QStringLiteral("empty.xml"), "<satellites></satellites>\n");
    const struct {
        const char* name;
        QStringList sources;
        const char* report;
    } cases[] = {
        {"channel list", {Sample("channels.conf")}, "names positions, not satellites"},
        {"no satellites", {Path(QStringLiteral("empty.xml"))}, "No satellites found"},
        {"missing", {Path(QStringLiteral("missing.xml"))}, "no such file"},
    };
    for (const auto& c : cases) {
        MountSettings working = Chosen({770});
        auto dialog = Open(working);
        CSatellitesPage& page = *dialog->SatellitesPage();
        Pick(page, page.ImportButton(), false, c.sources);
        EXPECT_THAT(page.Report()->text().toStdString(), testing::HasSubstr(c.report)) << c.name;
        EXPECT_FALSE(app_->UsesUserSatelliteList()) << c.name;
        EXPECT_FALSE(QFile::exists(UserList())) << c.name;
        EXPECT_EQ(app_->Catalogue().size(), 5u) << c.name;
        EXPECT_EQ(Checked(page), std::vector<int>{770}) << c.name;
    }
}

TEST_F(SatellitesPageTest, ABrokenUsersListFallsBackToTheShippedOne)
{
    QDir().mkpath(Path(QStringLiteral("user")));
    const struct {
        QByteArray list;
        const char* why;
    } cases[] = {
        {"0130=" + QByteArray(9000, 'x') + "\n", "longer than 8 KiB"},
        {Bytes(Chosen({130})), "no satellites in sats.lst: is it a satellite list?"},
    };
    for (const auto& c : cases) {
        WriteFile(QStringLiteral("user/sats.lst"), c.list);
        errors_.clear();
        StartOwn();
        EXPECT_FALSE(app_->UsesUserSatelliteList()) << c.why;
        EXPECT_EQ(app_->Catalogue().size(), 5u) << c.why;
        ASSERT_EQ(errors_.size(), 1) << c.why;
        EXPECT_TRUE(errors_[0].contains(QLatin1String(c.why))) << errors_[0].toStdString();
        EXPECT_TRUE(errors_[0].contains(QStringLiteral("shipped list"))) << errors_[0].toStdString();
    }
}

// A name too long for a line of the list is cut, and said so; the list
// written is the one the next start reads.
TEST_F(SatellitesPageTest, ImportedNamesFitTheListTheNextStartReads)
{
    QByteArray merging;
    for (int k = 0; k < 100; ++k)
        merging += "S19.2E " + QByteArray(28, '\x80') + QByteArray::number(k + 10) + "\n";
    WriteFile(QStringLiteral("merging.conf"), merging);
    MountSettings working = Chosen({});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    Pick(page, page.ImportButton(), false, {Path(QStringLiteral("merging.conf"))});
    EXPECT_THAT(
        page.Report()->text().toStdString(),
        testing::HasSubstr("Imported 1 satellite: read 100, merged 99, skipped 0; names cut to fit: 1."));
    dialog->accept();
    dialog.reset();
    StartOwn();
    EXPECT_TRUE(app_->UsesUserSatelliteList());
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
}

// A long import runs while the dialog answers; Cancel on its progress
// dialog stops it and leaves everything as it was.
TEST_F(SatellitesPageTest, ALongImportCanBeCancelled)
{
    QByteArray hostile;
    for (int k = 0; hostile.size() < (16 << 20); ++k)
        hostile += "S19.2E Astra " + QByteArray::number(k) + "\n";
    WriteFile(QStringLiteral("hostile.conf"), hostile);
    MountSettings working = Chosen({770});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    const auto progressDialogs = [] {
        QList<QProgressDialog*> found;
        for (QWidget* w : QApplication::allWidgets()) {
            if (auto* p = qobject_cast<QProgressDialog*>(w))
                found.append(p);
        }
        return found;
    };
    bool cancelled = false;
    // Runs once the import waits for its worker.
    QTimer::singleShot(0, [&] {
        const QList<QProgressDialog*> shown = progressDialogs();
        ASSERT_EQ(shown.size(), 1);
        auto* cancel = shown[0]->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        cancel->click();
        cancelled = true;
    });
    Pick(page, page.ImportButton(), false, {Path(QStringLiteral("hostile.conf"))});
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(page.Report()->text(), QStringLiteral("the import was cancelled"));
    EXPECT_FALSE(app_->UsesUserSatelliteList());
    EXPECT_FALSE(QFile::exists(UserList()));
    EXPECT_EQ(app_->Catalogue().size(), 5u);
    EXPECT_EQ(Checked(page), std::vector<int>{770});
    Settle();
    EXPECT_TRUE(progressDialogs().isEmpty());
}

TEST_F(SatellitesPageTest, ChooseChecksExactlyThePositionsTheFilesName)
{
    WriteFile(QStringLiteral("lamedb"), "eDVB services /4/\ntransponders\n00c00000:0437:0001\n"
                                        "\ts 11778000:27500000:1:3:192:2:0\n/\n\ts 1:2:3:4:999:0\n/\nend\n");
    MountSettings working = Chosen({130, 770});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    EXPECT_TRUE(page.ChooseButton()->isEnabled());

    Pick(page, page.ChooseButton(), false, {Sample("channels.conf")});
    EXPECT_EQ(Checked(page), std::vector<int>{192});
    EXPECT_EQ(page.Report()->text(), QStringLiteral("1 satellite chosen."));

    Pick(page, page.ChooseButton(), false, {Path(QStringLiteral("lamedb"))});
    EXPECT_EQ(Checked(page), std::vector<int>{192});
    EXPECT_TRUE(page.Report()->text().contains(
        QStringLiteral("1 of the 2 positions named chosen; the others are not in the list.")));

    Pick(page, page.ChooseButton(), false, {Path(QStringLiteral("missing"))});
    EXPECT_EQ(Checked(page), std::vector<int>{192});
    EXPECT_TRUE(page.Report()->text().contains(QStringLiteral("no such file")));

    // The program's list is not touched.
    EXPECT_FALSE(app_->UsesUserSatelliteList());
    dialog->accept();
    EXPECT_TRUE(working.chosenSatellites.Test(192));
    EXPECT_FALSE(working.chosenSatellites.Test(130));
}

TEST_F(SatellitesPageTest, WithoutTheProgramsListOnlyChoosingIsOffered)
{
    MountSettings working = Chosen({});
    CPropertiesDialog dialog(app_->Catalogue(), working);
    CSatellitesPage& page = *dialog.SatellitesPage();
    EXPECT_FALSE(page.ImportButton()->isEnabled());
    EXPECT_FALSE(page.ShippedButton()->isEnabled());
    EXPECT_TRUE(page.ChooseButton()->isEnabled());
    page.ImportList({Sample("sources.conf")});
    EXPECT_EQ(app_->Catalogue().size(), 5u);
}

TEST_F(SatellitesPageTest, FilterNarrowsTheListByNameOrPosition)
{
    // The list: 0130 Hot Bird, 0192 Astra, 0770 Here, 1000 East, 3550 West.
    const struct {
        const char* filter;
        std::vector<int> shown;
    } cases[] = {
        {"", {130, 192, 770, 1000, 3550}},
        {"astra", {192}},
        {"  ASTRA ", {192}},
        {"bird", {130}},
        {"0192", {192}},
        {"19.2", {192}},
        {"19.2e", {192}},
        {"19.2\u00b0E", {192}},
        {"5.0W", {3550}},
        {"1", {130, 192, 1000}},
        {"a", {192, 1000}},
        {"zz", {}},
    };
    MountSettings working = Chosen({});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    EXPECT_EQ(page.Filter()->placeholderText(), QStringLiteral("name or position"));
    for (const auto& c : cases) {
        page.Filter()->setText(QString::fromUtf8(c.filter));
        EXPECT_EQ(Shown(page), c.shown) << "'" << c.filter << "'";
    }
    // A new list keeps the filter.
    page.Filter()->setText(QStringLiteral("astra"));
    Pick(page, page.ImportButton(), false, {Sample("sources.conf")});
    EXPECT_FALSE(Shown(page).empty());
    EXPECT_LT(Shown(page).size(), 26u);
    for (const int position : Shown(page))
        EXPECT_TRUE(Matches(page, position)) << position;
}

TEST_F(SatellitesPageTest, SelectAllAndClearActOnTheRowsShownAndHiddenChoicesStay)
{
    MountSettings working = Chosen({130, 770});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    page.Filter()->setText(QStringLiteral("a"));  // Astra, East
    page.SelectAllButton()->click();
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 192, 770, 1000}));
    page.ClearButton()->click();
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 770})) << "the hidden rows keep their marks";
    page.Filter()->setText(QStringLiteral("bird"));
    page.ClearButton()->click();
    page.Filter()->clear();
    EXPECT_EQ(Shown(page).size(), 5u);
    page.SelectAllButton()->click();
    EXPECT_EQ(Checked(page), (std::vector<int>{130, 192, 770, 1000, 3550}));
    page.Filter()->setText(QStringLiteral("west"));
    page.ClearButton()->click();
    dialog->accept();
    EXPECT_TRUE(working.chosenSatellites.Test(1000)) << "hidden while confirmed, still chosen";
    EXPECT_FALSE(working.chosenSatellites.Test(3550));
}

TEST_F(SatellitesPageTest, SpaceTogglesTheRowFromAnyCell)
{
    MountSettings working = Chosen({});
    auto dialog = Open(working);
    CSatellitesPage& page = *dialog->SatellitesPage();
    dialog->show();
    page.List()->setFocus();
    for (const int column : {1, 0}) {
        page.List()->setCurrentCell(2, column);
        QTest::keyClick(page.List(), Qt::Key_Space);
        EXPECT_EQ(Checked(page), std::vector<int>{770}) << "column " << column;
        QTest::keyClick(page.List(), Qt::Key_Space);
        EXPECT_EQ(Checked(page), std::vector<int>{}) << "column " << column;
    }
}

TEST_F(SatellitesPageTest, PositionsReadWholeBesideTheirCheckBoxes)
{
    MountSettings working = Chosen({});
    auto dialog = Open(working);
    dialog->show();
    QTableWidget* list = dialog->SatellitesPage()->List();
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int row = 0; row < list->rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(list->item(row, 0)->text()));
    const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list);
    EXPECT_GE(list->columnWidth(0), indicator + widest) << "the position is not cut short";
    EXPECT_LT(list->columnWidth(0), list->viewport()->width() / 2) << "the names keep their room";
}

}  // namespace
}  // namespace zenbelts::testing_support
