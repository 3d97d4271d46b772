#include "controls/NumericEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace zenbelts {
namespace {

// A north/south field with arrows, range -50..50 at 20, and a second field
// to move the focus to.
class NumericEdit : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window_);
        edit_ = new CNorthSouthEdit;
        other_ = new CEastWestEdit;
        layout->addWidget(edit_);
        layout->addWidget(other_);
        edit_->SetRange(-50, 50);
        edit_->SetPosition(20);
        edit_->SetHandOver(true);
        window_.show();
        QApplication::setActiveWindow(&window_);
        edit_->setFocus();
        QApplication::processEvents();
    }

    void Type(const QString& text)
    {
        edit_->selectAll();
        QTest::keyClicks(edit_, text);
    }

    void Leave()
    {
        other_->setFocus();
        QApplication::processEvents();
    }

    QWidget window_;
    CNorthSouthEdit* edit_;
    CEastWestEdit* other_;
};

TEST_F(NumericEdit, ValueOutsideTheRangeIsReplacedOnLeaving)
{
    Type(QStringLiteral("7.5"));
    EXPECT_EQ(edit_->DisplayedText(), QStringLiteral("7.5"));
    Leave();
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("2.0°N"));
    EXPECT_EQ(edit_->Position(), 20);
}

TEST_F(NumericEdit, ValueInsideTheRangeIsHandedOverOnLeaving)
{
    QSignalSpy committed(edit_, &CNumericEdit::committed);
    Type(QStringLiteral("3.5 S"));
    Leave();
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("3.5°S"));
    EXPECT_EQ(edit_->Position(), -35);
    EXPECT_EQ(committed.count(), 1);
}

TEST_F(NumericEdit, AMenuOpeningOverTheFieldCommitsNothing)
{
    QSignalSpy committed(edit_, &CNumericEdit::committed);
    Type(QStringLiteral("3.5 s"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(edit_, &popup);
    EXPECT_EQ(edit_->DisplayedText(), QStringLiteral("3.5 s"));
    EXPECT_EQ(committed.count(), 0);
}

TEST_F(NumericEdit, EnterReformatsAndReadingThePositionTakesTheTypedValue)
{
    QSignalSpy enter(edit_, &CNumericEdit::returnPressed);
    Type(QStringLiteral("2.5 s"));
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("2.5°S"));
    EXPECT_EQ(edit_->Position(), -25);
}

TEST_F(NumericEdit, PendingTextIsHandedOverOnRequestWithoutLeaving)
{
    const struct {
        const char* typed;
        const char* shown;  // after the hand-over
        int position;
    } cases[] = {
        {"2.0 n", "2.0°N", 20},  // the same value in other words
        {"3.5 s", "3.5°S", -35},
        {"7.5", "7.5°N", 20},  // outside the range: kept in view, not taken
    };
    for (const auto& c : cases) {
        edit_->SetPosition(20);
        EXPECT_FALSE(edit_->HasPendingText()) << c.typed;
        Type(QString::fromLatin1(c.typed));
        EXPECT_TRUE(edit_->HasPendingText()) << c.typed;
        QSignalSpy committed(edit_, &CNumericEdit::committed);
        edit_->HandOverText();
        EXPECT_EQ(committed.count(), 1) << c.typed;
        EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(edit_->Position(), c.position) << c.typed;
        EXPECT_TRUE(edit_->hasFocus()) << c.typed;
    }
}

TEST_F(NumericEdit, ArrowsStepOneUnitWithinTheRangeWithoutWrapping)
{
    QSignalSpy committed(edit_, &CNumericEdit::committed);
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_EQ(edit_->Position(), 21);
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("2.1°N"));
    EXPECT_EQ(committed.count(), 1) << "one notification per arrow click";
    edit_->SetPosition(50);
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_EQ(edit_->Position(), 50);
    edit_->SetPosition(-50);
    QTest::keyClick(edit_, Qt::Key_Down);
    EXPECT_EQ(edit_->Position(), -50);
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("5.0°S"));
}

TEST_F(NumericEdit, ProgramSetPositionsShowAtOnceAndStayInRange)
{
    CNorthSouthEdit fresh;
    EXPECT_EQ(fresh.DisplayedText(), QString::fromUtf8("0.0°"));
    edit_->SetPosition(-5);
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("0.5°S"));
    edit_->SetPosition(99);
    EXPECT_EQ(edit_->Position(), 50);
}

TEST_F(NumericEdit, UnreadableTextShowsAsZeroOnLeaving)
{
    edit_->SetHandOver(false);
    Type(QStringLiteral("abc"));
    Leave();
    EXPECT_EQ(edit_->DisplayedText(), QString::fromUtf8("0.0°"));
}

TEST(NumericEditVariants, ReformatShowsEachDisplayForm)
{
    CDegreesEdit degrees;
    CMinutesEdit minutes;
    CIntegerEdit altitude;
    EXPECT_EQ(degrees.DisplayedText(), QString::fromUtf8("0°"));
    EXPECT_EQ(minutes.DisplayedText(), QStringLiteral("00'"));
    for (auto [edit, typed, shown] :
         {std::tuple<CNumericEdit*, const char*, const char*>{&degrees, "-3", "0°"},
          {&minutes, "7", "07'"},
          {&altitude, "123m", "123"}}) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(typed));
        edit->Reformat();
        EXPECT_EQ(edit->DisplayedText(), QString::fromUtf8(shown)) << typed;
    }
}

TEST(NumericEditVariants, AltitudeTakesDigitsOnlyAndReachesNegativeValuesWithTheArrows)
{
    CIntegerEdit altitude;
    altitude.SetDigitsOnly(true);
    altitude.SetRange(-1000, 10000);
    altitude.SetPosition(0);
    altitude.selectAll();
    QTest::keyClicks(&altitude, QStringLiteral("-5x7"));
    EXPECT_EQ(altitude.DisplayedText(), QStringLiteral("57"));
    altitude.SetPosition(-999);
    QTest::keyClick(&altitude, Qt::Key_Down);
    QTest::keyClick(&altitude, Qt::Key_Down);
    EXPECT_EQ(altitude.Position(), -1000);
}

}  // namespace
}  // namespace zenbelts

namespace zenbelts {
namespace {

// Every kind of field, in every language of the program: a point always
// reads as the decimal separator, and so does the language's own.
TEST(NumericEditLanguages, ReadTheUsersDecimalSeparatorAndAPoint)
{
    const struct {
        const char* locale;
        const char* ownSeparator;  // typed as the user would
    } languages[] = {{"en_GB", "."}, {"de_DE", ","}, {"fr_FR", ","},
                     {"es_ES", ","}, {"ru_RU", ","}, {"ar_EG", "\u066b"}};
    for (const auto& l : languages) {
        const QLocale locale(QString::fromLatin1(l.locale));
        for (const QString& separator : {QStringLiteral("."), QString::fromUtf8(l.ownSeparator)}) {
            const std::string name = std::string(l.locale) + " with '" + separator.toStdString() + "'";
            CNorthSouthEdit tenths;
            CEastWestEdit eastWest;
            for (CNumericEdit* edit :
                 {static_cast<CNumericEdit*>(&tenths), static_cast<CNumericEdit*>(&eastWest)}) {
                edit->setLocale(locale);
                edit->SetRange(-50, 50);
                edit->findChild<QLineEdit*>()->setText(QStringLiteral("1") + separator + QStringLiteral("5"));
                EXPECT_EQ(edit->Position(), 15) << name;
                edit->Reformat();
                EXPECT_TRUE(edit->Note().isEmpty()) << name << ": " << edit->Note().toStdString();
            }
        }
    }
    // Arabic-Indic digits read as digits.
    CNorthSouthEdit arabic;
    arabic.setLocale(QLocale(QStringLiteral("ar_EG")));
    arabic.SetRange(-50, 50);
    arabic.findChild<QLineEdit*>()->setText(QString::fromUtf8("\u0662\u066b\u0665 S"));
    EXPECT_EQ(arabic.Position(), -25);
}

// What was not taken as typed is marked, with words that say why.
TEST(NumericEditLanguages, MarksWhatWasNotTakenAsTyped)
{
    const struct {
        const char* typed;
        const char* shown;
        const char* note;  // empty: no mark
    } cases[] = {
        {"1.5N", "1.5\u00b0N", ""},
        {"1.5 \u00b0 s", "1.5\u00b0S", ""},
        {"abc", "0.0\u00b0", "\u201cabc\u201d was read as 0.0\u00b0"},
        {"2 degrees", "2.0\u00b0N", "\u201c2 degrees\u201d was read as 2.0\u00b0N"},
        {"1,5", "1.0\u00b0N", "\u201c1,5\u201d was read as 1.0\u00b0N"},
        {"9", "9.0\u00b0N", "Not taken: 9.0\u00b0N lies beyond the limit 5.0\u00b0N"},
        {"-7", "7.0\u00b0S", "Not taken: 7.0\u00b0S lies beyond the limit 5.0\u00b0S"},
    };
    for (const auto& c : cases) {
        CNorthSouthEdit edit;
        edit.setLocale(QLocale(QStringLiteral("en_GB")));
        edit.SetRange(-50, 50);
        edit.SetPosition(10);
        edit.findChild<QLineEdit*>()->setText(QString::fromUtf8(c.typed));
        edit.Reformat();
        EXPECT_EQ(edit.DisplayedText(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(edit.Note(), QString::fromUtf8(c.note)) << c.typed;
        edit.SetPosition(10);
        EXPECT_TRUE(edit.Note().isEmpty()) << c.typed << ": the program's value clears the mark";
    }
}

}  // namespace
}  // namespace zenbelts
