#include "app/AppFixture.h"

#include <QSignalSpy>

namespace zenbelts::testing_support {
namespace {

class Documents : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StartWithStoredDefault();
    }
};

TEST_F(Documents, OpeningMakesTheFileTheDefaultForNewDocuments)
{
    CZenbeltsDoc* opened = app_->OpenDocumentFile(WriteSetUp(QStringLiteral("a.zb"), 3000));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Title(), QStringLiteral("a.zb"));
    EXPECT_EQ(app_->DefaultSettings().latitude, 3000);
    CZenbeltsDoc* fresh = app_->NewDocument();
    EXPECT_EQ(fresh->Settings(), opened->Settings());
    EXPECT_EQ(fresh->Title(), QStringLiteral("Zenbelt2"));
}

TEST_F(Documents, ChangesDoNotReachTheDefaultUntilSaved)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    Change(*doc, [](MountSettings& s) {
        s.latitude = 600;
        s.Recalculate(true);
    });
    EXPECT_EQ(app_->NewDocument()->Settings().latitude, 2600);

    ASSERT_TRUE(app_->SaveDocument(*doc, Path(QStringLiteral("saved.zb"))));
    EXPECT_EQ(ReadFile(QStringLiteral("saved.zb")), Bytes(doc->Settings()));
    EXPECT_EQ(doc->Title(), QStringLiteral("saved.zb"));
    EXPECT_EQ(app_->NewDocument()->Settings().latitude, 600);
    EXPECT_EQ(app_->RecentFiles().value(0), Path(QStringLiteral("saved.zb")));
}

TEST_F(Documents, AFailedOpenNamesTheFileAndLeavesTheDefault)
{
    const MountSettings before = app_->DefaultSettings();
    const int open = app_->Documents().size();
    WriteFile(QStringLiteral("short.zb"), Bytes(before).left(539));
    EXPECT_EQ(app_->OpenDocumentFile(Path(QStringLiteral("short.zb"))), nullptr);
    EXPECT_EQ(app_->OpenDocumentFile(Path(QStringLiteral("missing.zb"))), nullptr);
    ASSERT_EQ(errors_.size(), 2);
    EXPECT_EQ(errors_[0], QStringLiteral("Cannot open short.zb: not a valid Zenbelt file: it ends early"));
    EXPECT_TRUE(errors_[1].startsWith(QStringLiteral("Cannot open missing.zb: ")));
    Settle();
    EXPECT_EQ(app_->Documents().size(), open);
    EXPECT_EQ(app_->DefaultSettings(), before);
}

TEST_F(Documents, AFailedSaveReportsKeepsTheDocumentAndTheOldFile)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    const MountSettings before = app_->DefaultSettings();
    Change(*doc, [](MountSettings& s) { s.poleNS = 30; });
    QDir(dir_.path()).mkdir(QStringLiteral("folder.zb"));
    EXPECT_FALSE(app_->SaveDocument(*doc, Path(QStringLiteral("folder.zb"))));
    EXPECT_FALSE(app_->SaveDocument(*doc, Path(QStringLiteral("no/such/dir/a.zb"))));
    ASSERT_EQ(errors_.size(), 2);
    EXPECT_TRUE(errors_[0].startsWith(QStringLiteral("Cannot save folder.zb: ")));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("folder.zb"))).isDir());
    EXPECT_EQ(doc->Title(), QStringLiteral("Zenbelt1"));
    EXPECT_EQ(app_->DefaultSettings(), before);
    EXPECT_TRUE(app_->Documents().contains(doc));
}

TEST_F(Documents, AFileAlreadyOpenIsActivatedNotReadAgain)
{
    const QString path = WriteSetUp(QStringLiteral("a.zb"), 3000);
    CZenbeltsDoc* first = app_->OpenDocumentFile(path);
    app_->NewDocument();
    CZenbeltsDoc* again = app_->OpenDocumentFile(dir_.path() + QStringLiteral("/./a.zb"));
    EXPECT_EQ(again, first);
    EXPECT_EQ(app_->MainFrame()->ActiveDocument(), first);
    EXPECT_EQ(app_->Documents().size(), 3);
}

TEST_F(Documents, AdjustmentChangedStoresRecalculatesAndRedraws)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    const MountSettings defaultBefore = app_->DefaultSettings();
    QSignalSpy redraws(doc, &CZenbeltsDoc::changed);
    const int autoBefore = doc->Settings().declinationAuto;
    doc->OnAdjustmentChanged(Adjustment::MotorAzimuth, 30);
    EXPECT_EQ(doc->Settings().motorAzimuth, 30);
    EXPECT_NE(doc->Settings().declinationAuto, autoBefore) << "automatic declination follows";
    EXPECT_EQ(doc->Settings().declination, doc->Settings().declinationAuto);
    EXPECT_EQ(redraws.count(), 1);

    doc->OnAdjustmentChanged(Adjustment::PoleNS, -12);
    EXPECT_EQ(doc->Settings().poleNS, -12);
    doc->OnAdjustmentChanged(Adjustment::MotorElevation,
                             doc->Settings().motorElevationAuto + doc->Settings().motorElevationMax);
    EXPECT_EQ(doc->Settings().motorElevation, 466 + 50);
    EXPECT_EQ(redraws.count(), 3);
    // The same value again (a field left, a slider released) changes nothing.
    doc->OnAdjustmentChanged(Adjustment::PoleNS, -12);
    EXPECT_EQ(redraws.count(), 3);
    // A stray value beyond the range is kept inside it.
    doc->OnAdjustmentChanged(Adjustment::PoleNS, 5000);
    EXPECT_EQ(doc->Settings().poleNS, doc->Settings().poleNSMax);
    EXPECT_EQ(app_->DefaultSettings(), defaultBefore) << "the default set-up is not touched";
}

TEST_F(Documents, CheckBoxesAndDefaults)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    doc->OnAutoDeclination();
    EXPECT_EQ(doc->Settings().autoDeclination, 0);
    EXPECT_TRUE(doc->StateOf(Adjustment::Declination).enabled);
    doc->OnAdjustmentChanged(Adjustment::MotorAzimuth, 30);
    EXPECT_EQ(doc->Settings().declination, -64) << "kept while not automatic";
    doc->OnAutoDeclination();
    EXPECT_EQ(doc->Settings().autoDeclination, 1);
    EXPECT_EQ(doc->Settings().declination, doc->Settings().declinationAuto);
    EXPECT_NE(doc->Settings().declination, -64);
    EXPECT_FALSE(doc->StateOf(Adjustment::Declination).enabled);
    EXPECT_TRUE((doc->Settings().autoDeclination != 0));

    const MountSettings before = doc->Settings();
    doc->OnLockSatellites();
    EXPECT_TRUE((doc->Settings().lockSatellites != 0));
    doc->OnLockSatellites();
    EXPECT_EQ(doc->Settings(), before);

    Change(*doc, [](MountSettings& s) {
        s.poleNSMin = 10;
        s.poleNSMax = 40;
        s.poleNS = 20;
    });
    doc->OnSetDefaults();
    EXPECT_EQ(doc->Settings().poleNS, 0);
    EXPECT_EQ(doc->Settings().poleNSMin, -1);
    EXPECT_EQ(doc->Settings().motorAzimuth, 0);
    const AdjustmentState ns = doc->StateOf(Adjustment::PoleNS);
    EXPECT_EQ(ns.minimum, -1);
    EXPECT_EQ(ns.maximum, 40);
}

TEST_F(Documents, StateOfGivesRangesAroundTheAutomaticValues)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    const AdjustmentState el = doc->StateOf(Adjustment::MotorElevation);
    EXPECT_EQ(el.minimum, 416);
    EXPECT_EQ(el.maximum, 516);
    EXPECT_EQ(el.position, 466);
    const AdjustmentState dc = doc->StateOf(Adjustment::Declination);
    EXPECT_EQ(dc.minimum, -114);
    EXPECT_EQ(dc.maximum, -14);
    EXPECT_FALSE(dc.enabled);
}

TEST_F(Documents, PropertiesCommandRedrawsOnlyWhenConfirmed)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    QSignalSpy redraws(doc, &CZenbeltsDoc::changed);
    doc->OnProperties();
    EXPECT_EQ(redraws.count(), 0);
    properties_ = [](MountSettings& s) {
        s.lockSatellites = 1;
        return true;
    };
    doc->OnProperties();
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(doc->Settings().lockSatellites, 1);
    EXPECT_EQ(app_->DefaultSettings().lockSatellites, 0);
}

TEST_F(Documents, LocationTexts)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    const struct {
        int latitude, longitude;
        const char* text;
    } cases[] = {{2600, 4620, " Location: 43°20'N, 77°00'E"},
                 {0, 0, " Location: 0°00'N, 0°00'E"},
                 {-754, -905, " Location: 12°34'S, 15°05'W"}};
    for (const auto& c : cases) {
        Change(*doc, [&](MountSettings& s) {
            s.latitude = c.latitude;
            s.longitude = c.longitude;
        });
        EXPECT_EQ(doc->LocationText(), QString::fromUtf8(c.text));
    }
}

}  // namespace
}  // namespace zenbelts::testing_support
