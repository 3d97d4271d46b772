#include "dialogs/AtTheDishDialog.h"
#include "app/AppFixture.h"
#include "dialogs/DishSection.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/PropertiesDialog.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace zenbelts::testing_support {
namespace {

using testing::HasSubstr;

MountSettings WithDish()
{
    SatelliteCatalogue c;
    c.InsertOrRename(130, "Hot");
    MountSettings s;
    s.LoadFactoryDefaults(c);
    s.latitude = 3000;
    s.longitude = -600;
    s.Recalculate(true);
    for (int p : {130, 192, 1340, 3300})
        s.chosenSatellites.Set(p);
    s.dishOffset = 250;
    return s;
}

std::string Shown(const CAtTheDishDialog& d)
{
    return d.Page()->toPlainText().toStdString();
}

TEST(AtTheDishDialog, ShowsEveryReadingForTheDateChosen)
{
    CAtTheDishDialog dialog(WithDish(), QStringLiteral("home.zb"));
    dialog.Date()->setDate(QDate(2026, 6, 21));
    dialog.show();
    QApplication::processEvents();
    const std::string text = Shown(dialog);
    for (const char* words :
         {"At the dish: home.zb", "On 2026-06-21 (UTC)", "Offset 25.0\u00b0, feed arm below the dish",
          "Magnetic declination 2.1\u00b0W", "True south", "Compass bearing 182.1\u00b0", "Dish clamp",
          "32.1\u00b0S against the motor axis", "Due south at 12:41:49 UTC", "19.2\u00b0E", "never that day"})
        EXPECT_THAT(text, HasSubstr(words)) << words;
    EXPECT_THAT(text, testing::Not(HasSubstr("extrapolated")));

    dialog.Date()->setDate(QDate(2031, 1, 1));
    QApplication::processEvents();
    EXPECT_THAT(Shown(dialog), HasSubstr("Due south at 12:4"));
    EXPECT_THAT(Shown(dialog), HasSubstr("the declination is extrapolated"));
}

TEST(AtTheDishDialog, PrintsOnOneSheet)
{
    MountSettings s = WithDish();
    for (int p = 0; p < PositionCount; p += 40)
        s.chosenSatellites.Set(p);  // a long table
    CAtTheDishDialog dialog(s, QStringLiteral("home.zb"));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    ASSERT_TRUE(dialog.PrintOn(printer));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

TEST(AtTheDishDialog, NumbersStandApartInRightToLeftText)
{
    // As in Arabic: the whole program runs right to left.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    CAtTheDishDialog dialog(WithDish(), QStringLiteral("home.zb"));
    dialog.Date()->setDate(QDate(2026, 6, 21));
    QApplication::setLayoutDirection(Qt::LeftToRight);
    const QString isolated = QChar(0x2066) + QStringLiteral("182.1") + QChar(0x00B0) + QChar(0x2069);
    EXPECT_TRUE(dialog.Html().contains(isolated));
    EXPECT_TRUE(dialog.Html().contains(QStringLiteral("dir=\"rtl\"")));
    CAtTheDishDialog leftToRight(WithDish(), QStringLiteral("home.zb"));
    EXPECT_FALSE(leftToRight.Html().contains(QChar(0x2066)));
}

TEST(DishSection, ReadsTheUsersDecimalsAndAPoint)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CDishSection::ReadOffset(QStringLiteral("22,5")), 225);
    EXPECT_EQ(CDishSection::ReadOffset(QStringLiteral(" 22.5\u00b0")), 225);
    QLocale::setDefault(before);
    EXPECT_EQ(CDishSection::ReadOffset(QStringLiteral("45")), 450);
    for (const char* bad : {"", "x", "0", "45.1", "-3"})
        EXPECT_FALSE(CDishSection::ReadOffset(QString::fromUtf8(bad))) << bad;

    CDishSection section;
    MountSettings s = WithDish();
    s.feedUp = 1;
    section.Load(s);
    EXPECT_EQ(section.Offset()->text(), QStringLiteral("25.0\u00b0"));
    section.Offset()->setText(QStringLiteral("31,5"));
    section.Feed()->setCurrentIndex(0);
    section.Store(s);
    EXPECT_EQ(s.dishOffset, 250) << "a comma in English does not read: the loaded offset stays";
    section.Offset()->setText(QStringLiteral("31.5"));
    section.Store(s);
    EXPECT_EQ(s.dishOffset, 315);
    EXPECT_EQ(s.feedUp, 0);
    section.Kind()->setCurrentIndex(0);
    EXPECT_FALSE(section.Offset()->isEnabled());
    section.Store(s);
    EXPECT_EQ(s.dishOffset, 0);
}

class LastDish : public AppFixture {};

// Confirmed in Properties, the dish is where new documents start from; a
// file that names none leaves it so.
TEST_F(LastDish, NewDocumentsStartFromIt)
{
    StartWithStoredDefault();
    properties_ = [](MountSettings& s) {
        s.dishOffset = 220;
        s.feedUp = 1;
        return true;
    };
    CZenbeltsDoc* doc = app_->NewDocument();
    ASSERT_NE(doc, nullptr);
    doc->OnProperties();
    EXPECT_EQ(doc->Settings().dishOffset, 220);

    const QString old = WriteSetUp(QStringLiteral("old.zb"), 2000);
    ASSERT_TRUE(app_->OpenDocumentFile(old));
    CZenbeltsDoc* fresh = app_->NewDocument();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Settings().dishOffset, 220);
    EXPECT_EQ(fresh->Settings().feedUp, 1);
    EXPECT_EQ(fresh->Settings().latitude, 2000) << "the rest follows the file opened";

    app_->SavePreferences();
    EXPECT_EQ(FromBytes(StoredDefault()).dishOffset, 220) << "kept for the next start";
}

TEST_F(LastDish, ViewAtTheDishOpensForTheActiveDocument)
{
    StartWithStoredDefault({130});
    CMainFrame& frame = *app_->MainFrame();
    Settle();
    QAction* action = nullptr;
    for (QAction* menu : frame.menuBar()->actions()) {
        for (QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
            if (item->text() == QStringLiteral("&At the dish..."))
                action = item;
        }
    }
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<CAtTheDishDialog*>(dialog), nullptr);
        title = dialog->windowTitle();
        dialog->close();
    });
    action->trigger();
    EXPECT_TRUE(title.startsWith(QStringLiteral("At the dish: ")));
}

}  // namespace
}  // namespace zenbelts::testing_support
