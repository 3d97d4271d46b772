#include "dialogs/DiagnoseDialog.h"
#include "app/AppFixture.h"
#include "app/Translations.h"
#include "document/CoreTexts.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace zenbelts::testing_support {
namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// Satellites every 10° from 20.0°E to 130.0°E, all chosen, seen from the
// factory site (77°E): every one of them is up.
class DiagnoseDialog : public testing::Test {
protected:
    void SetUp() override
    {
        for (int p = 200; p <= 1300; p += 100)
            catalogue_.InsertOrRename(p, std::string("S").append(std::to_string(p)));
        settings_.LoadFactoryDefaults(catalogue_);
        for (const SatelliteEntry& e : catalogue_)
            settings_.chosenSatellites.Set(e.position);
        // The dish declination stands 0.7° off, the pole leans a little east.
        truth_ = settings_;
        truth_.autoDeclination = 0;
        truth_.declination += 7;
        truth_.poleEW += 4;
        truth_.Recalculate(false);
        ASSERT_TRUE(dir_.isValid());
    }

    QTableWidget* Table(CDiagnoseDialog& d) const { return d.Observations(); }

    int RowOf(CDiagnoseDialog& d, int position) const
    {
        for (int row = 0; row < Table(d)->rowCount(); ++row) {
            if (Table(d)->item(row, 0)->data(Qt::UserRole).toInt() == position)
                return row;
        }
        return -1;
    }

    // Types what one reads at a dish standing as `mount`, to three decimals,
    // into every row (each satellite must have one unless `some`); offsets
    // only where `offsets` says.
    void Observe(CDiagnoseDialog& d, const MountSettings& mount, bool (*offsets)(int) = nullptr,
                 bool some = false) const
    {
        for (const ArcRow& r : ComputeArcTable(mount, catalogue_)) {
            const int row = RowOf(d, r.position);
            if (some && row < 0)
                continue;
            ASSERT_GE(row, 0) << r.position;
            Table(d)->item(row, CDiagnoseDialog::MotorColumn)->setText(QString::number(r.motorAngle, 'f', 3));
            if (!offsets || offsets(r.position))
                Table(d)
                    ->item(row, CDiagnoseDialog::OffsetColumn)
                    ->setText(QString::number(r.offset, 'f', 3));
        }
    }

    std::vector<Observation> Typed(const CDiagnoseDialog& d) const
    {
        QString error;
        std::vector<Observation> typed = d.TypedObservations(error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return typed;
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    SatelliteCatalogue catalogue_;
    MountSettings settings_, truth_;
    QTemporaryDir dir_;
};

TEST_F(DiagnoseDialog, ARowPerChosenSatelliteUpAndNoReportBeforeTheFit)
{
    MountSettings s = settings_;
    s.chosenSatellites.Set(3000);  // 60.0°W: below the horizon at 77°E
    CDiagnoseDialog dialog(s, catalogue_, QStringLiteral("home.zb"));
    ASSERT_EQ(Table(dialog)->rowCount(), 12);
    EXPECT_EQ(Table(dialog)->item(0, 0)->text(), QString::fromUtf8("20.0°E"));
    EXPECT_EQ(Table(dialog)->item(0, 1)->text(), QStringLiteral("S200"));
    EXPECT_EQ(RowOf(dialog, 3000), -1);
    EXPECT_FALSE(Table(dialog)->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(Table(dialog)->item(0, CDiagnoseDialog::MotorColumn)->flags() & Qt::ItemIsEditable);
    for (QPushButton* b : {dialog.ShowFoundButton(), dialog.PrintButton(), dialog.PreviewButton()})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    EXPECT_EQ(dialog.AdjustmentsTable()->item(5, 1)->text(), QString::fromUtf8("6.4°S"));
    QPrinter printer;
    EXPECT_FALSE(dialog.PrintAdvice(printer)) << "nothing to print before a fit";
}

TEST_F(DiagnoseDialog, FitReportsTheMountAsFoundAndWhatToTurn)
{
    CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
    // Offsets tried at every other satellite only.
    Observe(dialog, truth_, [](int position) { return position % 200 == 0; });
    dialog.FitButton()->click();
    ASSERT_TRUE(dialog.Result().has_value()) << dialog.MessageLabel()->text().toStdString();
    const std::vector<Observation> typed = Typed(dialog);
    ASSERT_EQ(typed.size(), 12u);
    const Diagnosis expected = Diagnose(settings_, catalogue_, typed);
    EXPECT_EQ(dialog.Result()->fitted, expected.fitted);
    EXPECT_EQ(dialog.MessageLabel()->text(), QString());

    // The declination is what can be told for sure from due south.
    EXPECT_EQ(dialog.AdjustmentsTable()->item(5, 0)->text(), QStringLiteral("Dish declination"));
    EXPECT_EQ(dialog.AdjustmentsTable()->item(5, 2)->text(), QString::fromUtf8("5.7°S"));
    EXPECT_EQ(dialog.AdjustmentsTable()->item(5, 3)->text(), QString::fromUtf8("0.7°N"));
    for (int i = 0; i < 6; ++i) {
        const AdjustmentInfo& a = Adjustments[static_cast<std::size_t>(i)];
        EXPECT_EQ(dialog.AdjustmentsTable()->item(i, 2)->text(),
                  Utf8(FormatTenths(expected.fitted[static_cast<std::size_t>(i)], a.positive, a.negative)))
            << a.name;
    }

    QTableWidget* residuals = dialog.ResidualsTable();
    ASSERT_EQ(residuals->rowCount(), 12);
    EXPECT_EQ(residuals->item(1, 0)->text(), QString::fromUtf8("30.0°E"));
    EXPECT_EQ(residuals->item(1, 3)->text(), QStringLiteral("-")) << "no offset observed at 30.0°E";
    EXPECT_NE(residuals->item(2, 3)->text(), QStringLiteral("-"));
    EXPECT_EQ(residuals->item(4, 1)->text(),
              QStringLiteral("%1").arg(expected.residuals[4].motorBefore < -0.005 ? "-" : "+")
                  + QString::number(std::fabs(expected.residuals[4].motorBefore), 'f', 2));

    EXPECT_TRUE(dialog.RmsLabel()->text().startsWith(
        QStringLiteral("Root-mean-square: %1").arg(expected.rmsBefore, 0, 'f', 3)))
        << dialog.RmsLabel()->text().toStdString();
    EXPECT_TRUE(dialog.NotesLabel()->text().contains(QStringLiteral("Undetermined: Pole N/S")));
    // The core's words: what cannot be told, how sure, and what to turn, in
    // the order to work.
    std::string explanation;
    for (const Message& m : expected.explanation)
        explanation.append(explanation.empty() ? "" : " ").append(m.English());
    EXPECT_TRUE(dialog.NotesLabel()->text().endsWith(Utf8(explanation)))
        << dialog.NotesLabel()->text().toStdString();
    EXPECT_EQ(dialog.UncertaintyLabel()->text(), Utf8(expected.uncertainty.English()));
    ASSERT_FALSE(expected.advice.empty());
    QStringList advice = {Utf8(expected.adviceHeading.English())};
    for (const TurnAdvice& t : expected.advice)
        advice << QStringLiteral("  ") + Utf8(t.text.English());
    EXPECT_EQ(dialog.AdviceLabel()->text(), advice.join(QLatin1Char('\n')));
    EXPECT_TRUE(dialog.AdviceLabel()->text().contains(
        QString::fromUtf8("  Dish declination: turn 0.7° S, from 5.7°S to 6.4°S")));

    // The mount as found goes out whole; the set-up given stays as it was.
    ASSERT_TRUE(dialog.ShowFoundButton()->isEnabled());
    QSignalSpy shown(&dialog, &CDiagnoseDialog::mountAsFound);
    dialog.ShowFoundButton()->click();
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].value<MountSettings>(), FittedSettings(settings_, expected));
    EXPECT_EQ(shown[0][1].toString(), QStringLiteral("home as found"));

    // A changed cell makes the report stale: it goes.
    Table(dialog)->item(0, CDiagnoseDialog::MotorColumn)->setText(QStringLiteral("1"));
    EXPECT_FALSE(dialog.Result().has_value());
    EXPECT_FALSE(dialog.ShowFoundButton()->isEnabled());
    EXPECT_EQ(dialog.ResidualsTable()->rowCount(), 0);
}

TEST_F(DiagnoseDialog, CellsThatDoNotReadAreNamed)
{
    struct Case {
        const char* name;
        int position;
        const char* motor;    // %1: what was read at the dish
        const char* offset;   // %1: what was read at the dish
        const char* message;  // empty: fits
    };
    const Case cases[] = {
        {"NoNumber", 500, "abc", "", "50.0°E: the motor angle is not a number"},
        {"BadOffset", 500, "1", "0.1x", "50.0°E: the offset is not a number"},
        {"MotorTooFar", 500, "180.5", "", "50.0°E: the motor angle is out of range (-180 to 180 degrees)"},
        {"OffsetTooFar", 500, "1", "-91", "50.0°E: the offset is out of range (-90 to 90 degrees)"},
        {"OffsetAlone", 700, "", "0.2", "70.0°E: an offset needs the motor angle it was found at"},
        {"DegreeSignAndSpaces", 500, " %1° ", "%1°", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
        Observe(dialog, truth_);
        const int row = RowOf(dialog, c.position);
        for (const auto& [column, text] : {std::pair{CDiagnoseDialog::MotorColumn, c.motor},
                                           std::pair{CDiagnoseDialog::OffsetColumn, c.offset}}) {
            QTableWidgetItem* cell = Table(dialog)->item(row, column);
            cell->setText(QString::fromUtf8(text).replace(QStringLiteral("%1"), cell->text()));
        }
        EXPECT_EQ(dialog.Fit(), *c.message == '\0');
        EXPECT_EQ(dialog.MessageLabel()->text(), QString::fromUtf8(c.message));
        EXPECT_EQ(dialog.Result().has_value(), *c.message == '\0');
    }

    // Nothing typed: where to start, with a row for each.
    MountSettings few = settings_;
    few.chosenSatellites.Clear();
    few.chosenSatellites.Set(700);
    CDiagnoseDialog empty(few, catalogue_, QStringLiteral("home.zb"));
    EXPECT_FALSE(empty.Fit());
    const FirstObservations first = ProposeFirstObservations(few, catalogue_);
    ASSERT_FALSE(first.positions.empty());
    EXPECT_EQ(empty.MessageLabel()->text(), QStringLiteral("Type the motor angle of at least one satellite. ")
                                                + Utf8(first.text.English()));
    for (int position : first.positions)
        EXPECT_GE(RowOf(empty, position), 0) << position;

    // A reading far from where the others put the satellite: named by its row.
    CDiagnoseDialog odd(settings_, catalogue_, QStringLiteral("home.zb"));
    Observe(odd, truth_);
    QTableWidgetItem* cell = Table(odd)->item(RowOf(odd, 500), CDiagnoseDialog::MotorColumn);
    cell->setText(QString::number(cell->text().toDouble() + 2.0, 'f', 3));
    EXPECT_FALSE(odd.Fit());
    EXPECT_TRUE(odd.MessageLabel()->text().startsWith(
        QString::fromUtf8("line %1: the motor angle of 50.0°E lies 2.0").arg(RowOf(odd, 500) + 1)))
        << odd.MessageLabel()->text().toStdString();
    EXPECT_EQ(odd.AdviceLabel()->text(), QStringLiteral("Fit to see what to turn."));
}

// Only the satellites at the west end chosen and observed: the dialog says
// how unsure the rest is, names the satellite to measure next and gives it
// a row to type into.
TEST_F(DiagnoseDialog, SaysHowSureItIsAndWhereToMeasureNext)
{
    MountSettings west = settings_;
    west.chosenSatellites.Clear();
    for (int p : {200, 300, 400})
        west.chosenSatellites.Set(p);
    CDiagnoseDialog dialog(west, catalogue_, QStringLiteral("home.zb"));
    dialog.show();
    ASSERT_EQ(Table(dialog)->rowCount(), 3);
    Observe(dialog, truth_, nullptr, true);
    dialog.FitButton()->click();
    QApplication::processEvents();
    ASSERT_TRUE(dialog.Result().has_value()) << dialog.MessageLabel()->text().toStdString();
    const Diagnosis d = *dialog.Result();
    ASSERT_TRUE(d.warning.has_value());
    EXPECT_EQ(dialog.WarningLabel()->text(), Utf8(d.warning->English()));
    EXPECT_TRUE(dialog.WarningLabel()->isVisible());
    EXPECT_TRUE(dialog.UncertaintyLabel()->isVisible());
    ASSERT_FALSE(d.next.empty());
    EXPECT_EQ(dialog.NextLabel()->text(), Utf8(d.nextText->English()));
    const int row = RowOf(dialog, d.next.front().position);
    ASSERT_GE(row, 3) << "a row of its own";
    EXPECT_EQ(Table(dialog)->currentRow(), row);
    EXPECT_EQ(Table(dialog)->currentColumn(), CDiagnoseDialog::MotorColumn);
    EXPECT_TRUE(dialog.Result().has_value()) << "adding the row keeps the report";

    // Typed there, the fit is surer.
    const ArcRow next
        = ComputeArcTable(truth_, catalogue_)[static_cast<std::size_t>(d.next.front().position / 100 - 2)];
    Table(dialog)->item(row, CDiagnoseDialog::MotorColumn)->setText(QString::number(next.motorAngle, 'f', 3));
    Table(dialog)->item(row, CDiagnoseDialog::OffsetColumn)->setText(QString::number(next.offset, 'f', 3));
    ASSERT_TRUE(dialog.Fit());
    EXPECT_LT(std::max(dialog.Result()->worstMotor, dialog.Result()->worstOffset),
              std::max(d.worstMotor, d.worstOffset));
}

// Numbers read with the user's decimal separator or a point, never with a
// thousands separator; the precision typed is the one the fit uses.
TEST_F(DiagnoseDialog, ReadsNumbersWithTheUsersDecimalSeparatorOrAPoint)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
    Observe(dialog, truth_);  // "12.345", with a point
    const int row = RowOf(dialog, 500);
    QTableWidgetItem* motor = Table(dialog)->item(row, CDiagnoseDialog::MotorColumn);
    motor->setText(motor->text().replace('.', ','));
    const ArcRow seen = ComputeArcTable(truth_, catalogue_)[3];
    ASSERT_EQ(seen.position, 500);
    const std::vector<Observation> read = Typed(dialog);
    ASSERT_EQ(read.size(), 12u);
    EXPECT_NEAR(read[3].motorAngle, seen.motorAngle, 0.0005) << "a comma";
    EXPECT_NEAR(*read[3].offset, seen.offset, 0.0005) << "a point, not a thousands separator";

    struct Case {
        const char *motor, *offset;
        std::optional<Precision> expected;  // none: estimated
        bool reads;
    };
    const Case cases[] = {{"", "", std::nullopt, true},
                          {"0,05", "", Precision{0.05, 0.1}, true},
                          {"0.05", "0,3", Precision{0.05, 0.3}, true},
                          {"", "0,3\u00b0", Precision{0.15, 0.3}, true},
                          {"0", "", std::nullopt, false},
                          {"1.000", "", Precision{1.0, 2.0}, true},
                          {"11", "", std::nullopt, false},
                          {"0,1", "x", std::nullopt, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.motor) + " / " + c.offset);
        dialog.MotorPrecisionEdit()->setText(QString::fromUtf8(c.motor));
        dialog.OffsetPrecisionEdit()->setText(QString::fromUtf8(c.offset));
        QString error;
        const std::optional<Precision> precision = dialog.TypedPrecision(error);
        EXPECT_EQ(error.isEmpty(), c.reads) << error.toStdString();
        ASSERT_EQ(precision.has_value(), c.expected.has_value());
        if (precision) {
            EXPECT_DOUBLE_EQ(precision->motor, c.expected->motor);
            EXPECT_DOUBLE_EQ(precision->offset, c.expected->offset);
        }
        EXPECT_EQ(dialog.Fit(), c.reads);
        if (c.reads) {
            EXPECT_EQ(dialog.Result()->precisionSource,
                      c.expected ? PrecisionSource::Stated : PrecisionSource::Estimated);
        }
    }
    QLocale::setDefault(before);
}

TEST_F(DiagnoseDialog, ObservationsGoOutAndComeBackAsCsv)
{
    CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
    Observe(dialog, truth_, [](int position) { return position >= 800; });
    Table(dialog)->item(RowOf(dialog, 300), CDiagnoseDialog::MotorColumn)->setText(QString());
    const std::vector<Observation> typed = Typed(dialog);
    ASSERT_EQ(typed.size(), 11u);

    QString error;
    ASSERT_TRUE(dialog.ExportTo(Path("seen.csv"), error)) << error.toStdString();
    QFile file(Path("seen.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), WriteObservations(typed));

    // Into a set-up that chose none of them: the rows come with the file.
    MountSettings none = settings_;
    none.chosenSatellites.Clear();
    none.chosenSatellites.Set(300);
    CDiagnoseDialog other(none, catalogue_, QStringLiteral("other.zb"));
    ASSERT_EQ(Table(other)->rowCount(), 1);
    Table(other)->item(0, CDiagnoseDialog::MotorColumn)->setText(QStringLiteral("5"));
    ASSERT_TRUE(other.ImportFrom(Path("seen.csv"), error)) << error.toStdString();
    EXPECT_EQ(Typed(other), typed) << "bit for bit, in the file's order; 30.0°E emptied";
    EXPECT_EQ(Table(other)->rowCount(), 12);
    EXPECT_EQ(Table(other)->item(1, 1)->text(), QStringLiteral("S200"));

    // A bad file is refused with its line, and leaves the table as it was.
    QFile bad(Path("bad.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("position,motorAngle,offset\n20.0E,1,\n30.0E,x,\n");
    bad.close();
    EXPECT_FALSE(other.ImportFrom(Path("bad.csv"), error));
    EXPECT_EQ(error, QStringLiteral("line 3: the motor angle is not a number"));
    EXPECT_EQ(Typed(other), typed);
    EXPECT_FALSE(other.ImportFrom(Path("missing.csv"), error));
    EXPECT_FALSE(error.isEmpty());

    // An unreadable cell exports nothing.
    Table(other)->item(0, CDiagnoseDialog::OffsetColumn)->setText(QStringLiteral("up"));
    EXPECT_FALSE(other.ExportTo(Path("none.csv"), error));
    EXPECT_FALSE(QFile::exists(Path("none.csv")));
}

TEST_F(DiagnoseDialog, PrintsOnePageOfAdvice)
{
    CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
    Observe(dialog, truth_);
    // Only the three westernmost found yet: the fit is not sure of the rest.
    for (int position = 500; position <= 1300; position += 100) {
        Table(dialog)->item(RowOf(dialog, position), CDiagnoseDialog::MotorColumn)->setText(QString());
        Table(dialog)->item(RowOf(dialog, position), CDiagnoseDialog::OffsetColumn)->setText(QString());
    }
    ASSERT_TRUE(dialog.Fit());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("advice.pdf"));
    ASSERT_TRUE(dialog.PrintAdvice(printer));
    QFile pdf(Path("advice.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1) << "one page";

    // What to turn, what to peak next, and for every chosen satellite the
    // motor angle the mount as found needs beside the receiver's own, to
    // store the positions.
    const Diagnosis& d = *dialog.Result();
    const QStringList page = dialog.PageText().split(QLatin1Char('\n'));
    for (const TurnAdvice& t : d.advice)
        EXPECT_TRUE(page.contains(QStringLiteral("\u2022  ") + Utf8(t.text.English()))) << t.text.English();
    ASSERT_TRUE(d.nextText.has_value());
    const auto next
        = std::find(page.begin(), page.end(), QStringLiteral("Satellites to peak next, in this order:"));
    ASSERT_NE(next, page.end());
    EXPECT_TRUE(
        (next + 1)->startsWith(Utf8(FormatSatelliteLabel(d.next.front().position)) + QLatin1Char('\t')));
    const std::vector<MissRow> found = ComputeMissTable(FittedSettings(settings_, d), catalogue_);
    ASSERT_EQ(found.size(), 12u);
    for (const MissRow& r : found) {
        EXPECT_TRUE(page.contains(Utf8(r.label + "\t" + r.name + "\t" + r.motor + "\t" + r.receiver)))
            << r.label;
        EXPECT_NE(r.motor, r.receiver) << "the mount's own, not the receiver's";
    }
}

// The advice, what cannot be told and how sure it is come from the core, in
// the user's language.
TEST_F(DiagnoseDialog, GivesTheCoresWordsInTheUsersLanguage)
{
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::German)));
    CDiagnoseDialog dialog(settings_, catalogue_, QStringLiteral("home.zb"));
    Observe(dialog, truth_);
    const bool fitted = dialog.Fit();
    const std::optional<Diagnosis> d = dialog.Result();
    const QString advice = dialog.AdviceLabel()->text(), notes = dialog.NotesLabel()->text(),
                  uncertainty = dialog.UncertaintyLabel()->text();
    InstallTranslations(QLocale(QLocale::English));
    ASSERT_TRUE(fitted) << dialog.MessageLabel()->text().toStdString();
    EXPECT_TRUE(advice.startsWith(
        QStringLiteral("Um die Halterung auf das Soll zu bringen, in dieser Reihenfolge drehen:\n  ")))
        << advice.toStdString();
    EXPECT_TRUE(
        advice.contains(QString::fromUtf8("Spiegel-Deklination: um 0.7° nach S drehen, von 5.7°S auf 6.4°S")))
        << advice.toStdString();
    EXPECT_TRUE(notes.contains(QStringLiteral("bewegen den Strahl gleich"))) << notes.toStdString();
    EXPECT_TRUE(
        uncertainty.startsWith(QStringLiteral("Im ungünstigsten Fall über die Satelliten mindestens")))
        << uncertainty.toStdString();
    EXPECT_NE(uncertainty.toStdString(), d->uncertainty.English());
}

// Edit > Diagnose... in the program: the mount as found opens in a window of
// its own, and the set-up's document is left alone.
class DiagnoseCommandInTheProgram : public AppFixture {};

TEST_F(DiagnoseCommandInTheProgram, ShowsTheMountAsFoundInANewDocument)
{
    StartWithStoredDefault({130, 192, 770, 1000});
    CMainFrame* frame = app_->MainFrame();
    CZenbeltsDoc* original = frame->ActiveDocument();
    ASSERT_NE(original, nullptr);
    ASSERT_TRUE(frame->actions().editDiagnose->isEnabled());
    const MountSettings before = original->Settings();
    ASSERT_FALSE(original->IsModified());

    MountSettings truth = before;
    truth.autoDeclination = 0;
    truth.declination -= 5;
    truth.Recalculate(false);
    std::vector<Observation> typed;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDiagnoseDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ran = true;
        QTableWidget* table = dialog->Observations();
        EXPECT_EQ(table->rowCount(), 4);
        const std::vector<ArcRow> arc = ComputeArcTable(truth, original->Catalogue());
        for (int row = 0; row < table->rowCount(); ++row) {
            const int position = table->item(row, 0)->data(Qt::UserRole).toInt();
            for (const ArcRow& r : arc) {
                if (r.position == position) {
                    table->item(row, CDiagnoseDialog::MotorColumn)
                        ->setText(QString::number(r.motorAngle, 'f', 2));
                    table->item(row, CDiagnoseDialog::OffsetColumn)
                        ->setText(QString::number(r.offset, 'f', 2));
                }
            }
        }
        dialog->FitButton()->click();
        QString error;
        typed = dialog->TypedObservations(error);
        dialog->ShowFoundButton()->click();
        dialog->closePrompt = [](const QString&) { return CDiagnoseDialog::CloseAnswer::Close; };
        dialog->reject();
    });
    frame->actions().editDiagnose->trigger();
    Settle();
    ASSERT_TRUE(ran);
    ASSERT_EQ(typed.size(), 4u);

    const QList<CZenbeltsDoc*> documents = app_->Documents();
    ASSERT_EQ(documents.size(), 2);
    CZenbeltsDoc* found = documents[0] == original ? documents[1] : documents[0];
    const MountSettings expected = FittedSettings(before, Diagnose(before, original->Catalogue(), typed));
    EXPECT_EQ(found->Settings(), expected);
    EXPECT_EQ(found->Settings().declination, truth.declination);
    EXPECT_EQ(found->Title(), original->Title() + QStringLiteral(" as found"));
    EXPECT_TRUE(found->IsModified());
    EXPECT_TRUE(found->PathName().isEmpty());
    EXPECT_EQ(frame->FramesOf(*found).size(), 1);

    EXPECT_EQ(original->Settings(), before);
    EXPECT_FALSE(original->IsModified());
    EXPECT_EQ(frame->FramesOf(*original).size(), 1);
}

// What was typed stays with the document: the dialog shows it again, and
// closing the document asks before it is lost.
TEST_F(DiagnoseCommandInTheProgram, TypedObservationsOutliveTheDialogAndAreAskedForOnClosing)
{
    StartWithStoredDefault({130, 192, 770, 1000});
    CMainFrame* frame = app_->MainFrame();
    CZenbeltsDoc* doc = frame->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    const auto withDialog = [&](const std::function<void(CDiagnoseDialog&)>& act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CDiagnoseDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            act(*dialog);
            dialog->closePrompt = [](const QString&) { return CDiagnoseDialog::CloseAnswer::Close; };
            dialog->reject();
        });
        frame->actions().editDiagnose->trigger();
        Settle();
        EXPECT_TRUE(ran);
    };
    withDialog([](CDiagnoseDialog& d) {
        d.Observations()->item(0, CDiagnoseDialog::MotorColumn)->setText(QStringLiteral("12.5"));
        d.Observations()->item(1, CDiagnoseDialog::OffsetColumn)->setText(QStringLiteral("abc"));
        d.MotorPrecisionEdit()->setText(QStringLiteral("0.1"));
        // Asked first: staying keeps the dialog open.
        int asked = 0;
        d.closePrompt = [&asked](const QString&) {
            ++asked;
            return CDiagnoseDialog::CloseAnswer::Stay;
        };
        d.reject();
        EXPECT_EQ(asked, 1);
        EXPECT_TRUE(d.isVisible());
    });
    withDialog([](CDiagnoseDialog& d) {
        EXPECT_EQ(d.Observations()->item(0, CDiagnoseDialog::MotorColumn)->text(), QStringLiteral("12.5"));
        EXPECT_EQ(d.Observations()->item(1, CDiagnoseDialog::OffsetColumn)->text(), QStringLiteral("abc"));
        EXPECT_EQ(d.MotorPrecisionEdit()->text(), QStringLiteral("0.1"));
        d.Observations()->item(1, CDiagnoseDialog::OffsetColumn)->setText(QString());
    });

    // Closing the document asks; Cancel keeps it, Export writes the file.
    QStringList questions;
    QList<QMessageBox::StandardButton> answers{QMessageBox::Cancel, QMessageBox::Save};
    app_->exportObservationsPrompt = [&](const QString& question) {
        questions.append(question);
        return answers.takeFirst();
    };
    app_->observationsFileNamePrompt = [this] { return Path(QStringLiteral("seen.csv")); };
    frame->actions().fileClose->trigger();
    Settle();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(app_->Documents().contains(doc));
    frame->actions().fileClose->trigger();
    Settle();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_FALSE(app_->Documents().contains(doc));
    EXPECT_TRUE(ReadFile(QStringLiteral("seen.csv")).contains("12.5"))
        << ReadFile(QStringLiteral("seen.csv")).toStdString();
}

}  // namespace
}  // namespace zenbelts::testing_support
