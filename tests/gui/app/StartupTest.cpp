#include "app/AppFixture.h"

#include <QSettings>

namespace zenbelts::testing_support {
namespace {

class Startup : public AppFixture {};

MountSettings Factory(const SatelliteCatalogue& catalogue)
{
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    return s;
}

TEST_F(Startup, FirstRunOpensPropertiesAfterTheWindowAndTheDocumentTakesTheResult)
{
    properties_ = [](MountSettings& s) {
        MountSettings working = s;
        working.latitude = 3000;
        ApplyConfirmedProperties(s, working);
        return true;
    };
    ASSERT_TRUE(app_->Start({}));
    EXPECT_FALSE(app_->StoredSetUpLoaded());
    EXPECT_EQ(propertiesCalls_, 0) << "not before the main window shows";
    EXPECT_TRUE(app_->MainFrame()->isVisible());
    Settle();
    EXPECT_EQ(propertiesCalls_, 1);
    ASSERT_EQ(app_->Documents().size(), 1);
    EXPECT_EQ(app_->Documents()[0]->Settings().latitude, 3000);
    EXPECT_EQ(app_->Documents()[0]->Settings().motorElevation, 399);
}

TEST_F(Startup, FirstRunCancelledStillCopiesTheDefaultIntoTheDocument)
{
    ASSERT_TRUE(app_->Start({}));
    // Changed before the dialog ran, but not since its last save.
    Change(*app_->Documents()[0], [](MountSettings& s) { s.poleNS = 20; });
    app_->Documents()[0]->UndoStack()->setClean();
    Settle();
    EXPECT_EQ(propertiesCalls_, 1);
    EXPECT_EQ(app_->Documents()[0]->Settings(), app_->DefaultSettings());
    EXPECT_EQ(app_->DefaultSettings(), Factory(app_->Catalogue()));
}

TEST_F(Startup, StoredSetUpIsReadAndNoDialogOpens)
{
    MountSettings stored = Factory({});
    stored.latitude = -754;
    stored.longitude = -905;
    stored.Recalculate(true);
    StoreDefault(Bytes(stored));
    ASSERT_TRUE(app_->Start({}));
    Settle();
    EXPECT_TRUE(app_->StoredSetUpLoaded());
    EXPECT_EQ(propertiesCalls_, 0);
    EXPECT_EQ(app_->Documents()[0]->Settings(), stored);
    EXPECT_EQ(app_->MainFrame()->LocationPane(), QString::fromUtf8(" Location: 12°34'S, 15°05'W"));
}

TEST_F(Startup, ShortOrInvalidStoredSetUpFallsBackToFactoryDefaults)
{
    QByteArray bad = Bytes(Factory({}));
    bad[0] = '\x7f';
    bad[1] = '\x7f';  // latitude out of range
    for (const QByteArray& stored : {Bytes(Factory({})).left(300), bad, QByteArray("x")}) {
        StoreDefault(stored);
        Restart();
        propertiesCalls_ = 0;
        ASSERT_TRUE(app_->Start({}));
        Settle();
        EXPECT_FALSE(app_->StoredSetUpLoaded());
        EXPECT_EQ(app_->DefaultSettings(), Factory(app_->Catalogue()));
        EXPECT_EQ(propertiesCalls_, 1);
    }
}

TEST_F(Startup, MissingSatelliteListEndsTheProgramWithItsMessage)
{
    QFile::remove(Path(QStringLiteral("sats.lst")));
    EXPECT_FALSE(app_->Start({}));
    EXPECT_EQ(errors_, QStringList{QStringLiteral("Unable to load sats.lst: no such file")});
    EXPECT_EQ(app_->MainFrame(), nullptr);
}

TEST_F(Startup, ExitWritesTheSettingsAndTheNextStartReadsThem)
{
    ASSERT_TRUE(app_->Start({}));
    Settle();
    app_->DefaultSettings().latitude = 3000;
    app_->DefaultSettings().Recalculate(true);
    app_->SetShowToolTips(true);
    const MountSettings expected = app_->DefaultSettings();
    app_->SavePreferences();

    Restart();
    propertiesCalls_ = 0;
    ASSERT_TRUE(app_->Start({}));
    Settle();
    EXPECT_TRUE(app_->StoredSetUpLoaded());
    EXPECT_EQ(propertiesCalls_, 0);
    EXPECT_EQ(app_->DefaultSettings(), expected);
    EXPECT_TRUE(app_->ShowToolTips());
    EXPECT_EQ(StoredDefault().size(), 544);
}

TEST_F(Startup, AnyNonZeroToolTipPreferenceReadsTrueAndIsWrittenAsOne)
{
    QSettings(SettingsFile(), QSettings::IniFormat).setValue(QStringLiteral("Settings/ShowToolTips"), 7);
    ASSERT_TRUE(app_->Start({}));
    EXPECT_TRUE(app_->ShowToolTips());
    app_->SavePreferences();
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat)
                  .value(QStringLiteral("Settings/ShowToolTips"))
                  .toInt(),
              1);
}

TEST_F(Startup, FileOnTheCommandLineOpensAndBecomesTheDefaultBeforeTheFirstRunDialog)
{
    MountSettings onFile = Factory({});
    onFile.latitude = 3000;
    onFile.Recalculate(true);
    WriteFile(QStringLiteral("site.zb"), Bytes(onFile));
    MountSettings seen;
    properties_ = [&seen](MountSettings& s) {
        seen = s;
        return false;
    };
    ASSERT_TRUE(app_->Start({Path(QStringLiteral("site.zb"))}));
    Settle();
    EXPECT_EQ(seen.latitude, 3000);
    ASSERT_EQ(app_->Documents().size(), 1);
    EXPECT_EQ(app_->Documents()[0]->Title(), QStringLiteral("site.zb"));
}

}  // namespace
}  // namespace zenbelts::testing_support
