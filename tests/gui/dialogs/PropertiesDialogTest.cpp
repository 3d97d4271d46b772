#include "dialogs/PropertiesDialog.h"
#include "app/AppFixture.h"
#include "controls/NumericEdit.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/SatellitesPage.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace zenbelts::testing_support {
namespace {

SatelliteCatalogue Catalogue(std::initializer_list<int> positions)
{
    SatelliteCatalogue c;
    for (int p : positions)
        c.InsertOrRename(p, std::string("S").append(std::to_string(p)));
    return c;
}

// The dialog keeps a reference to its catalogue: it must outlive the dialog.
const SatelliteCatalogue& NoSatellites()
{
    static const SatelliteCatalogue none;
    return none;
}

MountSettings Factory(const SatelliteCatalogue& c = NoSatellites())
{
    MountSettings s;
    s.LoadFactoryDefaults(c);
    return s;
}

// Runs the modal dialog on a set-up; act does what the user does and ends it.
bool RunDialog(MountSettings& settings, const SatelliteCatalogue& catalogue,
               const std::function<void(CPropertiesDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<CPropertiesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return DoPropertiesDialog(nullptr, catalogue, settings);
}

void Set(CNumericEdit* edit, int position)
{
    edit->SetPosition(position);
}

void TypeInto(CNumericEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

const CGeneralPage::LimitRow& Row(CPropertiesDialog& d, int adjustment)
{
    return d.GeneralPage()->Limits()[adjustment];
}

TEST(PropertiesDialog, OpensOnGeneralWithEveryPageInOrder)
{
    MountSettings s = Factory();
    CPropertiesDialog dialog(NoSatellites(), s);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Properties"));
    ASSERT_EQ(dialog.Tabs()->count(), 3);
    EXPECT_EQ(dialog.Tabs()->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(dialog.Tabs()->tabText(1), QStringLiteral("Satellites"));
    EXPECT_EQ(dialog.Tabs()->tabText(2), QStringLiteral("Horizon"));
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
}

TEST(PropertiesDialog, CancelChangesNothing)
{
    const SatelliteCatalogue catalogue = Catalogue({0, 130});
    MountSettings s = Factory(catalogue);
    s.chosenSatellites.Set(777);
    const MountSettings before = s;
    EXPECT_FALSE(RunDialog(s, catalogue, [](CPropertiesDialog& d) {
        Set(Row(d, 0).lower, -20);
        d.Tabs()->setCurrentIndex(1);
        d.SatellitesPage()->List()->item(0, 0)->setCheckState(Qt::Unchecked);
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    EXPECT_EQ(s, before);
}

TEST(PropertiesDialog, OkWithoutChangesStillRecalculates)
{
    MountSettings s = Factory();
    s.poleNS = 30;  // stored without recalculating
    EXPECT_TRUE(RunDialog(s, NoSatellites(), [](CPropertiesDialog& d) { d.accept(); }));
    MountSettings expected = Factory();
    expected.poleNS = 30;
    expected.Recalculate(false);
    EXPECT_EQ(s, expected);
}

TEST(PropertiesDialog, NarrowedLimitsPullTheAdjustmentsIn)
{
    MountSettings s = Factory();
    s.poleNSMin = -200;
    s.poleNSMax = 200;
    s.poleNS = 35;
    s.motorElevation = s.motorElevationAuto + 30;
    s.Recalculate(false);
    ASSERT_TRUE(RunDialog(s, NoSatellites(), [](CPropertiesDialog& d) {
        Set(Row(d, 0).lower, -20);
        Set(Row(d, 0).upper, 20);
        Set(Row(d, 3).lower, -10);
        Set(Row(d, 3).upper, 10);
        d.accept();
    }));
    EXPECT_EQ(s.poleNSMin, -20);
    EXPECT_EQ(s.poleNS, 20);
    EXPECT_EQ(s.motorElevation, s.motorElevationAuto + 10);
}

TEST(PropertiesDialog, AChangedAltitudeRelocates)
{
    MountSettings s = Factory();
    s.poleEW = 20;
    s.Recalculate(false);
    ASSERT_TRUE(RunDialog(s, NoSatellites(), [](CPropertiesDialog& d) {
        d.GeneralPage()->Altitude()->SetPosition(250);
        d.accept();
    }));
    EXPECT_EQ(s.altitude, 250);
    EXPECT_EQ(s.poleEW, 0);
}

TEST(GeneralPage, ShowsTheLocationInDegreesMinutesAndHemisphere)
{
    MountSettings s = Factory();
    s.latitude = -2600;
    CPropertiesDialog d(NoSatellites(), s);
    CGeneralPage* page = d.GeneralPage();
    EXPECT_EQ(page->LatitudeDegrees()->DisplayedText(), QString::fromUtf8("43°"));
    EXPECT_EQ(page->LatitudeMinutes()->DisplayedText(), QStringLiteral("20'"));
    EXPECT_EQ(page->NorthSouth()->currentText(), QStringLiteral("S"));
    EXPECT_EQ(page->LongitudeDegrees()->DisplayedText(), QString::fromUtf8("77°"));
    EXPECT_EQ(page->LongitudeMinutes()->DisplayedText(), QStringLiteral("00'"));
    EXPECT_EQ(page->EastWest()->currentText(), QStringLiteral("E"));
    EXPECT_EQ(Row(d, 0).lower->DisplayedText(), QString::fromUtf8("5.0°S"));
    EXPECT_EQ(Row(d, 1).upper->DisplayedText(), QString::fromUtf8("5.0°E"));
}

TEST(GeneralPage, ConfirmedLocations)
{
    const struct {
        const char* name;
        int latDeg, latMin, northSouth, lonDeg, lonMin, eastWest;
        int latitude, longitude;
    } cases[] = {
        {"equator and Greenwich", 0, 0, 0, 0, 0, 0, 0, 0},
        {"180 W is 180 E", 10, 0, 1, 180, 0, 0, 600, 10800},
        {"179 59 W", 10, 0, 1, 179, 59, 0, 600, -10799},
        {"90 30 N caps", 90, 30, 1, 0, 0, 1, 5400, 0},
        {"90 30 S caps", 90, 30, 0, 0, 0, 1, -5400, 0},
        {"180 30 E caps", 0, 0, 1, 180, 30, 1, 0, 10800},
    };
    for (const auto& c : cases) {
        MountSettings s = Factory();
        CPropertiesDialog d(NoSatellites(), s);
        CGeneralPage* page = d.GeneralPage();
        page->LatitudeDegrees()->SetPosition(c.latDeg);
        page->LatitudeMinutes()->SetPosition(c.latMin);
        page->NorthSouth()->setCurrentIndex(c.northSouth);
        page->LongitudeDegrees()->SetPosition(c.lonDeg);
        page->LongitudeMinutes()->SetPosition(c.lonMin);
        page->EastWest()->setCurrentIndex(c.eastWest);
        d.accept();
        EXPECT_EQ(s.latitude, c.latitude) << c.name;
        EXPECT_EQ(s.longitude, c.longitude) << c.name;
    }
}

TEST(GeneralPage, ZeroShowsTheSouthAndWestChoices)
{
    MountSettings s = Factory();
    s.latitude = 0;
    s.longitude = 0;
    CPropertiesDialog d(NoSatellites(), s);
    EXPECT_EQ(d.GeneralPage()->NorthSouth()->currentText(), QStringLiteral("S"));
    EXPECT_EQ(d.GeneralPage()->EastWest()->currentText(), QStringLiteral("W"));
}

TEST(GeneralPage, SteppingALimitOntoItsPartnerPushesThePartner)
{
    MountSettings s = Factory();
    CPropertiesDialog d(NoSatellites(), s);
    const auto& ns = Row(d, 0);
    Set(ns.lower, 49);
    QTest::keyClick(ns.lower, Qt::Key_Up);  // 50 onto the upper 50
    EXPECT_EQ(ns.upper->Position(), 51);
    EXPECT_EQ(ns.upper->DisplayedText(), QString::fromUtf8("5.1°N"));
    Set(ns.upper, 52);
    Set(ns.lower, 51);
    QTest::keyClick(ns.upper, Qt::Key_Down);  // 51 onto the lower 51
    EXPECT_EQ(ns.lower->Position(), 50);

    Set(ns.lower, 1798);
    Set(ns.upper, 1799);
    QTest::keyClick(ns.lower, Qt::Key_Up);
    EXPECT_EQ(ns.upper->Position(), 1800);
    Set(ns.lower, -1799);
    Set(ns.upper, -1797);
    QTest::keyClick(ns.upper, Qt::Key_Down);
    EXPECT_EQ(ns.lower->Position(), -1799);
    EXPECT_EQ(ns.upper->Position(), -1798);
}

TEST(GeneralPage, TypedValuesOutsideTheirRangeKeepTheOldOnes)
{
    MountSettings s = Factory();
    CPropertiesDialog d(NoSatellites(), s);
    d.show();
    QApplication::setActiveWindow(&d);
    TypeInto(d.GeneralPage()->LatitudeDegrees(), QStringLiteral("95"));
    d.accept();
    EXPECT_EQ(s.latitude, 2600);
}

TEST(GeneralPage, AnEastWestLimitIgnoresTheLetterS)
{
    MountSettings s = Factory();
    CPropertiesDialog d(NoSatellites(), s);
    d.show();
    QApplication::setActiveWindow(&d);
    TypeInto(Row(d, 1).lower, QString::fromUtf8("3.5°S"));
    Row(d, 1).upper->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Row(d, 1).lower->Position(), 35);
    EXPECT_EQ(Row(d, 1).lower->DisplayedText(), QString::fromUtf8("3.5°E"));
    EXPECT_EQ(Row(d, 1).upper->Position(), 50);
}

TEST(GeneralPage, ALimitConfirmedWithEnterStillKeepsTheOrder)
{
    // Typed above the upper limit and confirmed at once: the field typed in wins.
    MountSettings s = Factory();
    s.Recalculate(false);
    ASSERT_TRUE(RunDialog(s, NoSatellites(), [](CPropertiesDialog& d) {
        QApplication::setActiveWindow(&d);
        TypeInto(Row(d, 0).lower, QStringLiteral("6"));
        QTest::keyClick(Row(d, 0).lower, Qt::Key_Return);
    }));
    EXPECT_EQ(s.poleNSMin, 60);
    EXPECT_EQ(s.poleNSMax, 61);
    EXPECT_TRUE(HasValidInputs(s));

    MountSettings t = Factory();
    ASSERT_TRUE(RunDialog(t, NoSatellites(), [](CPropertiesDialog& d) {
        QApplication::setActiveWindow(&d);
        TypeInto(Row(d, 4).upper, QStringLiteral("7 w"));
        QTest::keyClick(Row(d, 4).upper, Qt::Key_Return);
    }));
    EXPECT_EQ(t.dishAzimuthMax, -70);
    EXPECT_EQ(t.dishAzimuthMin, -71);
    EXPECT_TRUE(HasValidInputs(t));
    // The saved file opens again.
    MountSettings reread;
    EXPECT_NO_THROW(LoadSettings(StoreSettings(t), reread));
}

TEST(SatellitesPage, ListsTheCatalogueWithChecks)
{
    const SatelliteCatalogue c = Catalogue({3599, 0, 130});
    MountSettings s = Factory(c);  // chooses 0
    CPropertiesDialog d(c, s);
    d.Tabs()->setCurrentIndex(1);
    QTableWidget* list = d.SatellitesPage()->List();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("0000"));
    EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("0130"));
    EXPECT_EQ(list->item(2, 0)->text(), QStringLiteral("3599"));
    EXPECT_EQ(list->item(1, 1)->text(), QStringLiteral("S130"));
    EXPECT_EQ(list->item(0, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(2, 0)->checkState(), Qt::Unchecked);
    // The positions whole beside their check boxes; the names take the rest.
    EXPECT_GE(list->columnWidth(0),
              list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list)
                  + QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("3599")));
    EXPECT_GE(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("Pos"));
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), QStringLiteral("Name"));
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);

    for (int row = 0; row < 3; ++row)
        list->item(row, 0)->setCheckState(Qt::Checked);
    d.accept();
    ChosenSatelliteSet expected;
    for (int p : {0, 130, 3599})
        expected.Set(p);
    EXPECT_EQ(s.chosenSatellites, expected);
}

TEST(SatellitesPage, PositionsWithoutEntriesSurviveUnlessThePageWasShown)
{
    const SatelliteCatalogue c = Catalogue({130});
    MountSettings s = Factory(c);
    s.chosenSatellites.Set(777);
    {
        CPropertiesDialog d(c, s);
        d.accept();
        EXPECT_TRUE(s.chosenSatellites.Test(777)) << "never shown";
    }
    CPropertiesDialog d(c, s);
    d.Tabs()->setCurrentIndex(1);
    d.accept();
    EXPECT_FALSE(s.chosenSatellites.Test(777));
    EXPECT_TRUE(s.chosenSatellites.Test(130));
}

TEST(SatellitesPage, EmptyCatalogueGivesAnEmptyListAndAnEmptyChoice)
{
    MountSettings s = Factory();
    s.chosenSatellites.Set(5);
    CPropertiesDialog d(NoSatellites(), s);
    d.Tabs()->setCurrentIndex(1);
    EXPECT_EQ(d.SatellitesPage()->List()->rowCount(), 0);
    EXPECT_EQ(d.SatellitesPage()->List()->columnCount(), 2);
    d.accept();
    EXPECT_EQ(s.chosenSatellites, ChosenSatelliteSet{});
}

class PropertiesCommand : public AppFixture {};

TEST_F(PropertiesCommand, FirstRunDialogGivesTheOpenDocumentTheChosenSetUp)
{
    app_->propertiesDialog = nullptr;  // the real dialog
    ASSERT_TRUE(app_->Start({}));
    bool shownAfterWindow = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<CPropertiesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        shownAfterWindow = app_->MainFrame()->isVisible();
        d->GeneralPage()->LatitudeDegrees()->SetPosition(50);
        d->GeneralPage()->LatitudeMinutes()->SetPosition(0);
        d->accept();
    });
    Settle();
    EXPECT_TRUE(shownAfterWindow);
    EXPECT_EQ(app_->DefaultSettings().latitude, 3000);
    EXPECT_EQ(app_->Documents().at(0)->Settings(), app_->DefaultSettings());
    EXPECT_EQ(app_->Documents().at(0)->Settings().motorElevation, 399);
}

TEST_F(PropertiesCommand, FromTheMenuCancelRedrawsNothingAndOkRedrawsEveryWindow)
{
    MountSettings stored = Factory();
    StoreDefault(Bytes(stored));
    app_->propertiesDialog = nullptr;
    ASSERT_TRUE(app_->Start({}));
    Settle();
    CZenbeltsDoc* doc = app_->MainFrame()->ActiveDocument();
    QSignalSpy redraws(doc, &CZenbeltsDoc::changed);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    app_->MainFrame()->actions().fileProperties->trigger();
    EXPECT_EQ(redraws.count(), 0);

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CPropertiesDialog*>(QApplication::activeModalWidget());
        d->GeneralPage()->Altitude()->SetPosition(100);
        d->accept();
    });
    app_->MainFrame()->actions().fileProperties->trigger();
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(doc->Settings().altitude, 100);
    EXPECT_EQ(app_->DefaultSettings().altitude, 0) << "the default is not touched";
}

}  // namespace
}  // namespace zenbelts::testing_support
