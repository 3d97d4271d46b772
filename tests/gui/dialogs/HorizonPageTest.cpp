#include "dialogs/HorizonPage.h"
#include "app/AppFixture.h"
#include "controls/NumericEdit.h"
#include "dialogs/PropertiesDialog.h"
#include "model/Reach.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace zenbelts::testing_support {
namespace {

MountSettings Home()
{
    SatelliteCatalogue c;
    c.InsertOrRename(130, "Hot");
    MountSettings s;
    s.LoadFactoryDefaults(c);
    s.latitude = 3000;
    s.longitude = -600;
    s.Recalculate(true);
    for (int p : {130, 192, 3300})
        s.chosenSatellites.Set(p);
    return s;
}

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

TEST(HorizonPage, TakesPointsInTheUsersDecimalsByAzimuthAndStoresThem)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CHorizonPage page;
    page.Load(Home());
    page.show();
    EXPECT_EQ(page.Table()->rowCount(), 0);
    EXPECT_EQ(page.MotorEast()->text(), QStringLiteral("75,0\u00b0"));

    Type(page.Azimuth(), QStringLiteral("182,5"));
    Type(page.Elevation(), QStringLiteral("15"));
    page.AddButton()->click();
    Type(page.Azimuth(), QStringLiteral("90.0"));
    Type(page.Elevation(), QStringLiteral("10,25"));
    QTest::keyClick(page.Elevation(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Column(page.Table(), 0),
              (QStringList{QStringLiteral("90,0\u00b0"), QStringLiteral("182,5\u00b0")}));
    EXPECT_EQ(Column(page.Table(), 1),
              (QStringList{QStringLiteral("10,3\u00b0"), QStringLiteral("15,0\u00b0")}));

    // The same azimuth again changes its point; one that does not read is said so.
    Type(page.Azimuth(), QStringLiteral("182,5\u00b0"));
    Type(page.Elevation(), QStringLiteral("20"));
    page.AddButton()->click();
    EXPECT_EQ(page.Table()->rowCount(), 2);
    EXPECT_EQ(page.Table()->item(1, 1)->text(), QStringLiteral("20,0\u00b0"));
    Type(page.Azimuth(), QStringLiteral("400"));
    page.AddButton()->click();
    EXPECT_EQ(page.Table()->rowCount(), 2);
    EXPECT_THAT(page.Problem()->text().toStdString(), testing::HasSubstr("azimuth"));

    page.MotorEast()->setText(QStringLiteral("62,5"));
    page.MotorWest()->setText(QStringLiteral("95"));
    page.Diameter()->SetPosition(120);
    MountSettings s = Home();
    page.Store(s);
    EXPECT_EQ(s.horizon, (std::vector<HorizonPoint>{{900, 103}, {1825, 200}}));
    EXPECT_EQ(s.motorEast, 625);
    EXPECT_EQ(s.motorWest, 750) << "beyond a quarter turn: the loaded limit stays";
    EXPECT_EQ(s.dishDiameter, 120);

    page.Table()->selectRow(0);
    EXPECT_EQ(page.Azimuth()->text(), QStringLiteral("90,0")) << "the point selected, to change";
    page.RemoveButton()->click();
    EXPECT_EQ(Column(page.Table(), 0), QStringList{QStringLiteral("182,5\u00b0")});
    QLocale::setDefault(before);
}

TEST(HorizonPage, ReadsAndWritesTheHorizonAsCsv)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horizon.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("azimuth,elevation\r\n200,30\r\n150.5,12\r\n");
    }
    CHorizonPage page;
    page.Load(Home());
    QString error;
    ASSERT_TRUE(page.ImportFrom(path, error)) << error.toStdString();
    EXPECT_EQ(page.Points(), (std::vector<HorizonPoint>{{1505, 120}, {2000, 300}}));
    EXPECT_EQ(page.Table()->rowCount(), 2);

    const QString out = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(page.ExportTo(out, error));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("azimuth,elevation\n150.5,12.0\n200.0,30.0\n"));

    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("10,5\n20,x\n");
    }
    EXPECT_FALSE(page.ImportFrom(path, error));
    EXPECT_EQ(error, QStringLiteral("line 2: the elevation is not a number of degrees from 0 to 90"));
    EXPECT_EQ(page.Points().size(), 2u) << "a refused file changes nothing";
}

// What the user sees: the sky behind the obstacle shaded, the open sky not.
TEST(HorizonPage, TheSketchShadesWhatTheMaskHides)
{
    CHorizonPage page;
    MountSettings s = Home();
    s.horizon = {{1700, 0}, {1750, 450}, {1850, 450}, {1900, 0}};
    page.Load(s);
    page.show();
    QApplication::processEvents();
    CHorizonSketch* sketch = page.Sketch();
    const QImage image = sketch->grab().toImage();
    // Off the circles and the cross of the cardinal points.
    const QColor open = image.pixelColor(sketch->At(60.0, 20.0).toPoint());
    const QColor behind = image.pixelColor(sketch->At(175.0, 20.0).toPoint());
    EXPECT_EQ(open, sketch->palette().color(QPalette::Base));
    EXPECT_NE(behind, open);
    EXPECT_EQ(behind, QColor(200, 200, 200));
}

TEST(HorizonPage, PropertiesShowItThirdAndOkTakesItOver)
{
    SatelliteCatalogue none;
    MountSettings s = Home();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CPropertiesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->Tabs()->count(), 3);
        EXPECT_EQ(dialog->Tabs()->tabText(2), QStringLiteral("Horizon"));
        dialog->Tabs()->setCurrentIndex(2);
        CHorizonPage* page = dialog->HorizonPage();
        Type(page->Azimuth(), QStringLiteral("150"));
        Type(page->Elevation(), QStringLiteral("35"));
        page->AddButton()->click();
        page->Diameter()->SetPosition(100);
        dialog->accept();
    });
    ASSERT_TRUE(DoPropertiesDialog(nullptr, none, s));
    EXPECT_EQ(s.horizon, (std::vector<HorizonPoint>{{1500, 350}}));
    EXPECT_EQ(s.dishDiameter, 100);
    EXPECT_EQ(ReachOf(s, 130).hiddenBy, HiddenBy::Horizon) << "a level mask at 35 degrees hides 13.0°E";
}

TEST(HorizonPage, NumbersKeepTheirOrderRightToLeft)
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    CHorizonPage page;
    MountSettings s = Home();
    s.horizon = {{1505, 120}};
    page.Load(s);
    const QString cell = page.Table()->item(0, 0)->text();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(cell, QChar(0x2066) + QStringLiteral("150.5\u00b0") + QChar(0x2069));
    MountSettings stored = Home();
    page.Store(stored);
    EXPECT_EQ(stored.motorEast, 750) << "the marks read back";
}

}  // namespace
}  // namespace zenbelts::testing_support
