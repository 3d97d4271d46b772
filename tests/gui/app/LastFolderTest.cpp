#include "controls/LastFolder.h"
#include "app/AppFixture.h"
#include "dialogs/PropertiesDialog.h"
#include "dialogs/SatellitesPage.h"
#include "document/SettingsKeys.h"

#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

namespace zenbelts::testing_support {
namespace {

// The helper over a settings store of its own.
class LastFolderHelper : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        QDir(dir_.path()).mkpath(QStringLiteral("a/b"));
    }

    QString Path(const char* name) const { return QDir::cleanPath(dir_.filePath(QString::fromUtf8(name))); }

    QTemporaryDir dir_;
};

TEST_F(LastFolderHelper, RemembersTheFolderOfWhatWasChosen)
{
    const struct {
        const char* name;
        QString chosen;
        QString folder;
    } cases[] = {
        {"a file", Path("a/b/set-up.zb"), Path("a/b")},
        {"a file yet to be written", Path("a/new.csv"), Path("a")},
        {"a folder", Path("a/b"), Path("a/b")},
        {"a folder with a slash", Path("a") + QLatin1Char('/'), Path("a")},
        {"nothing: the last stays", QString(), Path("a")},
    };
    EXPECT_EQ(LastFolder::Folder(), QString()) << "nothing remembered yet";
    for (const auto& c : cases) {
        LastFolder::Remember(c.chosen);
        EXPECT_EQ(LastFolder::Folder(), c.folder) << c.name;
    }
}

TEST_F(LastFolderHelper, AFolderSinceRemovedIsForgotten)
{
    LastFolder::Remember(Path("a/b/x.zb"));
    ASSERT_TRUE(QDir(Path("a/b")).removeRecursively());
    EXPECT_EQ(LastFolder::Folder(), QString());
    QDir(dir_.path()).mkpath(QStringLiteral("a/b"));
    EXPECT_EQ(LastFolder::Folder(), Path("a/b")) << "kept, and found again once it is back";
}

TEST_F(LastFolderHelper, SaveDialogsStartInTheFolderUnlessTheNameHasOne)
{
    EXPECT_EQ(LastFolder::StartFor(QStringLiteral("Untitled1")), QStringLiteral("Untitled1")) << "none yet";
    LastFolder::Remember(Path("a/b/x.zb"));
    const struct {
        QString name, start;
    } cases[] = {
        {QStringLiteral("Untitled1"), Path("a/b/Untitled1")},
        {Path("a/old.zb"), Path("a/old.zb")},
        {QStringLiteral("sub/x.zb"), QStringLiteral("sub/x.zb")},
        {QString(), Path("a/b")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LastFolder::StartFor(c.name), c.start) << c.name.toStdString();
}

class LastFolderInUse : public AppFixture {};

TEST_F(LastFolderInUse, SaveAsAndTheSatellitesPageShareItAcrossAStart)
{
    StartWithStoredDefault({130});
    QDir(dir_.path()).mkpath(QStringLiteral("saved"));
    const QString saved = QDir::cleanPath(Path(QStringLiteral("saved")));
    app_->saveFileNamePrompt = [saved](const QString&) { return saved + QStringLiteral("/home.zb"); };
    EXPECT_EQ(LastFolder::Folder(), QString());
    app_->MainFrame()->actions().fileSaveAs->trigger();
    Settle();
    EXPECT_EQ(LastFolder::Folder(), saved);
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat)
                  .value(QString::fromLatin1(keys::LastFolder))
                  .toString(),
              saved);

    // The next start finds it; the Satellites page's choice moves it on.
    Restart();
    StartWithStoredDefault({130});
    EXPECT_EQ(LastFolder::Folder(), saved);
    QDir(dir_.path()).mkpath(QStringLiteral("receiver"));
    const QString receiver = QDir::cleanPath(Path(QStringLiteral("receiver")));
    WriteFile(QStringLiteral("receiver/channels.conf"), "A:11778:v:S19.2E:27500:0:0:1:0:0:0:0\n");
    MountSettings working = app_->DefaultSettings();
    CPropertiesDialog dialog(app_->Catalogue(), working);
    CSatellitesPage& page = *dialog.SatellitesPage();
    page.sourcePrompt = [receiver](bool) { return QStringList{receiver + QStringLiteral("/channels.conf")}; };
    page.ChooseButton()->menu()->actions().at(0)->trigger();
    EXPECT_EQ(LastFolder::Folder(), receiver);
}

}  // namespace
}  // namespace zenbelts::testing_support
