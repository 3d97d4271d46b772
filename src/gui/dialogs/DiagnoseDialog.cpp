#include "dialogs/DiagnoseDialog.h"

#include "controls/AdjustmentTexts.h"
#include "document/CorePaths.h"
#include "document/CoreTexts.h"

#include "controls/LastFolder.h"
#include "io/FileAccess.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"
#include "text/TextEncoding.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

namespace zenbelts {

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Signed(double degrees)
{
    return QString::fromStdString(FormatSignedDegrees(degrees, 2));
}

QString Residual(const std::optional<double>& degrees)
{
    return degrees ? Signed(*degrees) : QStringLiteral("-");
}

// A number as typed here: the user's own decimal comma or a point, with or
// without a degree sign; never with a thousands separator, so that "0.123"
// stays a number of degrees in German too. Empty when blank, null when it
// does not read.
std::optional<std::optional<double>> ReadNumber(QString text)
{
    text.remove(QChar(0x00B0));
    text = text.trimmed();
    if (text.isEmpty())
        return std::optional<double>();
    bool ok = false;
    for (QLocale locale : {QLocale(), QLocale::c()}) {
        locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
        const double value = locale.toDouble(text, &ok);
        if (ok && std::isfinite(value))
            return std::optional<double>(value);
    }
    return std::nullopt;
}

std::optional<std::optional<double>> ReadCell(const QTableWidgetItem* item)
{
    return ReadNumber(item ? item->text() : QString());
}

// Sentences of the core, one after another.
QString Sentences(const std::vector<Message>& sentences)
{
    QStringList text;
    for (const Message& m : sentences)
        text << CoreText(m);
    return text.join(QLatin1Char(' '));
}

QTableWidget* ReportTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    // Every heading whole in every language: the columns as wide as their
    // headings and cells, the spare width to the last, and the table never
    // narrower than its headings.
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    int width
        = 2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    for (int i = 0; i < header->count(); ++i)
        width += header->sectionSizeHint(i);
    table->setMinimumWidth(width);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

CDiagnoseDialog::CDiagnoseDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                 const QString& title, QWidget* parent)
    : QDialog(parent), settings_(settings), catalogue_(catalogue), title_(title),
      printer_(QPrinter::HighResolution)
{
    setWindowTitle(tr("Diagnose %1").arg(title));

    auto* intro
        = new QLabel(tr("At the dish, drive the motor to each satellite, peak its signal and type the "
                        "motor angle. Where tilting the dish up or down helps, type by how much as "
                        "the offset (up +, down -). Then Fit."),
                     this);
    intro->setWordWrap(true);

    observations_ = new QTableWidget(0, 4, this);
    observations_->setObjectName(QStringLiteral("observations"));
    observations_->setHorizontalHeaderLabels(
        {tr("Satellite"), tr("Name"), tr("Motor angle (\u00b0)"), tr("Offset (\u00b0)")});
    observations_->verticalHeader()->hide();
    observations_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    observations_->horizontalHeader()->setStretchLastSection(true);
    observations_->verticalHeader()->setDefaultSectionSize(observations_->fontMetrics().height() + 6);
    for (const MissRow& row : ComputeMissTable(settings_, catalogue_)) {
        if (row.visible)
            AddRow(row.position);
    }
    observations_->resizeColumnsToContents();
    observations_->setColumnWidth(NameColumn, std::min(observations_->columnWidth(NameColumn), 160));
    connect(observations_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        // A report of other numbers than those in the table would mislead.
        if (item->column() >= MotorColumn) {
            ClearReport();
            unexported_ = true;
        }
    });

    auto* import = new QPushButton(tr("&Import..."), this);
    auto* exportButton = new QPushButton(tr("&Export..."), this);
    fit_ = new QPushButton(tr("&Fit"), this);
    fit_->setDefault(true);
    connect(import, &QPushButton::clicked, this, &CDiagnoseDialog::OnImport);
    connect(exportButton, &QPushButton::clicked, this, &CDiagnoseDialog::OnExport);
    connect(fit_, &QPushButton::clicked, this, &CDiagnoseDialog::Fit);
    auto* observationButtons = new QHBoxLayout;
    observationButtons->addWidget(import);
    observationButtons->addWidget(exportButton);
    observationButtons->addStretch();
    observationButtons->addWidget(fit_);

    motorPrecision_ = new QLineEdit(this);
    offsetPrecision_ = new QLineEdit(this);
    auto* precision = new QFormLayout;
    precision->addRow(tr("P&recision of the motor angle (1\u03c3, \u00b0):"), motorPrecision_);
    precision->addRow(tr("Precision of the &offset (1\u03c3, \u00b0):"), offsetPrecision_);
    for (QLineEdit* edit : {motorPrecision_, offsetPrecision_}) {
        edit->setPlaceholderText(tr("from the residuals"));
        edit->setToolTip(
            tr("How well you find a signal's peak, in degrees: about %1 for the motor angle and "
               "%2 for the offset with a signal meter. Leave empty to estimate it from the "
               "residuals.")
                .arg(QLocale().toString(FieldPrecision.motor), QLocale().toString(FieldPrecision.offset)));
        // A report for another precision than the one typed would mislead.
        connect(edit, &QLineEdit::textEdited, this, &CDiagnoseDialog::ClearReport);
        connect(edit, &QLineEdit::textEdited, this, [this] { unexported_ = true; });
    }

    auto* observed = new QGroupBox(tr("Observations"), this);
    auto* observedLayout = new QVBoxLayout(observed);
    observedLayout->addWidget(intro);
    observedLayout->addWidget(observations_, 1);
    observedLayout->addLayout(precision);
    observedLayout->addLayout(observationButtons);

    adjustments_ = ReportTable({tr("Adjustment"), tr("Set-up"), tr("As found"), tr("Change")}, this);
    adjustments_->setObjectName(QStringLiteral("adjustments"));
    adjustments_->setRowCount(static_cast<int>(Adjustments.size()));
    adjustments_->setFixedHeight(adjustments_->horizontalHeader()->sizeHint().height()
                                 + 6 * adjustments_->verticalHeader()->defaultSectionSize()
                                 + 2 * adjustments_->frameWidth());
    residuals_ = ReportTable(
        {tr("Satellite"), tr("Motor, set-up"), tr("Motor, found"), tr("Offset, set-up"), tr("Offset, found")},
        this);
    residuals_->setObjectName(QStringLiteral("residuals"));
    rms_ = new QLabel(this);
    notes_ = new QLabel(this);
    uncertainty_ = new QLabel(this);
    warning_ = new QLabel(this);
    next_ = new QLabel(this);
    for (QLabel* label : {notes_, uncertainty_, warning_, next_}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QPalette red = warning_->palette();
    red.setColor(QPalette::WindowText, Qt::darkRed);
    warning_->setPalette(red);

    auto* report = new QGroupBox(tr("Report"), this);
    auto* reportLayout = new QVBoxLayout(report);
    reportLayout->addWidget(adjustments_);
    reportLayout->addWidget(new QLabel(tr("Observed minus computed, degrees:"), this));
    reportLayout->addWidget(residuals_, 1);
    reportLayout->addWidget(rms_);
    reportLayout->addWidget(notes_);

    advice_ = new QLabel(this);
    advice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* turn = new QGroupBox(tr("What to turn"), this);
    auto* turnLayout = new QVBoxLayout(turn);
    turnLayout->addWidget(advice_);
    turnLayout->addStretch();
    auto* sure = new QGroupBox(tr("How sure"), this);
    auto* sureLayout = new QVBoxLayout(sure);
    sureLayout->addWidget(uncertainty_);
    sureLayout->addWidget(warning_);
    sureLayout->addWidget(next_);
    sureLayout->addStretch();
    auto* judgement = new QHBoxLayout;
    judgement->addWidget(turn, 1);
    judgement->addWidget(sure, 1);

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setPalette(red);

    showFound_ = new QPushButton(tr("&Show the mount as found"), this);
    print_ = new QPushButton(tr("&Print..."), this);
    preview_ = new QPushButton(tr("Print pre&view..."), this);
    connect(showFound_, &QPushButton::clicked, this,
            [this] { emit mountAsFound(MountAsFound(), MountAsFoundTitle()); });
    connect(print_, &QPushButton::clicked, this, &CDiagnoseDialog::OnPrint);
    connect(preview_, &QPushButton::clicked, this, &CDiagnoseDialog::OnPreview);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(showFound_);
    bottom->addWidget(print_);
    bottom->addWidget(preview_);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* columns = new QHBoxLayout;
    columns->addWidget(observed, 1);
    columns->addWidget(report, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(judgement);
    layout->addWidget(message_);
    layout->addLayout(bottom);
    resize(1000, 720);
    ClearReport();
}

void CDiagnoseDialog::AddRow(int position)
{
    const QSignalBlocker quiet(observations_);
    const int row = observations_->rowCount();
    observations_->insertRow(row);
    auto* label = new QTableWidgetItem(Utf8(FormatSatelliteLabel(position)));
    label->setData(Qt::UserRole, position);
    label->setFlags(Qt::ItemIsEnabled);
    QString name;
    for (const SatelliteEntry& e : catalogue_) {
        if (e.position == position)
            name = Utf8(PrintableText(SatelliteNameToUtf8(e.name)));
    }
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(Qt::ItemIsEnabled);
    observations_->setItem(row, SatelliteColumn, label);
    observations_->setItem(row, NameColumn, nameItem);
    for (int column : {MotorColumn, OffsetColumn}) {
        auto* cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        observations_->setItem(row, column, cell);
    }
}

int CDiagnoseDialog::RowFor(int position)
{
    for (int row = 0; row < observations_->rowCount(); ++row) {
        if (observations_->item(row, SatelliteColumn)->data(Qt::UserRole).toInt() == position)
            return row;
    }
    AddRow(position);
    return observations_->rowCount() - 1;
}

std::vector<Observation> CDiagnoseDialog::TypedObservations(QString& error, std::vector<int>* rows) const
{
    std::vector<Observation> typed;
    error.clear();
    if (rows)
        rows->clear();
    for (int row = 0; row < observations_->rowCount(); ++row) {
        const int position = observations_->item(row, SatelliteColumn)->data(Qt::UserRole).toInt();
        const QString label = Utf8(FormatSatelliteLabel(position));
        const auto motor = ReadCell(observations_->item(row, MotorColumn));
        const auto offset = ReadCell(observations_->item(row, OffsetColumn));
        if (!motor)
            error = tr("%1: the motor angle is not a number").arg(label);
        else if (!offset)
            error = tr("%1: the offset is not a number").arg(label);
        else if (*motor && std::fabs(**motor) > 180.0)
            error = tr("%1: the motor angle is out of range (-180 to 180 degrees)").arg(label);
        else if (*offset && std::fabs(**offset) > 90.0)
            error = tr("%1: the offset is out of range (-90 to 90 degrees)").arg(label);
        else if (!*motor && *offset)
            error = tr("%1: an offset needs the motor angle it was found at").arg(label);
        if (!error.isEmpty()) {
            if (rows)
                rows->clear();
            return {};
        }
        if (*motor) {
            typed.push_back({position, **motor, *offset});
            if (rows)
                rows->push_back(row + 1);
        }
    }
    return typed;
}

std::optional<Precision> CDiagnoseDialog::TypedPrecision(QString& error) const
{
    error.clear();
    std::optional<double> read[2];
    const QLineEdit* edits[2] = {motorPrecision_, offsetPrecision_};
    for (int i = 0; i < 2; ++i) {
        const auto value = ReadNumber(edits[i]->text());
        if (!value || (*value && (**value <= 0.0 || **value > MaxPrecisionDegrees))) {
            error = (i == 0 ? tr("The precision of the motor angle is not a number of degrees above 0 to %1")
                            : tr("The precision of the offset is not a number of degrees above 0 to %1"))
                        .arg(QLocale().toString(MaxPrecisionDegrees));
            return std::nullopt;
        }
        read[i] = *value;
    }
    if (!read[0] && !read[1])
        return std::nullopt;
    return StatedPrecision(read[0], read[1]);
}

bool CDiagnoseDialog::Fit()
{
    ClearReport();
    QString error;
    DiagnoseOptions options;
    const std::vector<Observation> typed = TypedObservations(error, &options.lines);
    if (error.isEmpty())
        options.precision = TypedPrecision(error);
    if (!error.isEmpty()) {
        ShowMessage(error);
        return false;
    }
    if (typed.empty()) {
        // Where to start, with a row for each.
        const FirstObservations first = ProposeFirstObservations(settings_, catalogue_, options);
        QString text = tr("Type the motor angle of at least one satellite.");
        if (!first.positions.empty()) {
            text += QLatin1Char(' ') + CoreText(first.text);
            for (int position : first.positions)
                RowFor(position);
        }
        ShowMessage(text);
        return false;
    }
    try {
        diagnosis_ = Diagnose(settings_, catalogue_, typed, options);
    } catch (const DiagnoseError& e) {
        ShowMessage(CoreText(e.message()));
        return false;
    }
    FillReport();
    return true;
}

MountSettings CDiagnoseDialog::MountAsFound() const
{
    return diagnosis_ ? FittedSettings(settings_, *diagnosis_) : settings_;
}

QString CDiagnoseDialog::MountAsFoundTitle() const
{
    // "home as found", not "home.zb as found": saved, it becomes a file of its own.
    QString base = title_;
    if (base.endsWith(QStringLiteral(".zb"), Qt::CaseInsensitive) && base.size() > 3)
        base.chop(3);
    return tr("%1 as found").arg(base);
}

void CDiagnoseDialog::ShowMessage(const QString& text)
{
    message_->setText(text);
}

void CDiagnoseDialog::ClearReport()
{
    diagnosis_.reset();
    for (int i = 0; i < adjustments_->rowCount(); ++i) {
        const AdjustmentInfo& a = Adjustments[static_cast<std::size_t>(i)];
        adjustments_->setItem(i, 0, Cell(AdjustmentText(Adjustments[i].title)));
        adjustments_->setItem(
            i, 1, Cell(Utf8(FormatTenths(settings_.*(a.value), a.positive, a.negative)), Qt::AlignRight));
        adjustments_->setItem(i, 2, Cell(QString()));
        adjustments_->setItem(i, 3, Cell(QString()));
    }
    residuals_->setRowCount(0);
    for (QLabel* label : {rms_, notes_, uncertainty_, warning_, next_})
        label->clear();
    warning_->hide();
    next_->hide();
    advice_->setText(tr("Fit to see what to turn."));
    message_->clear();
    for (QPushButton* button : {showFound_, print_, preview_})
        button->setEnabled(false);
}

void CDiagnoseDialog::FillReport()
{
    const Diagnosis& d = *diagnosis_;
    for (int i = 0; i < adjustments_->rowCount(); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const AdjustmentInfo& a = Adjustments[k];
        adjustments_->setItem(i, 2,
                              Cell(Utf8(FormatTenths(d.fitted[k], a.positive, a.negative)), Qt::AlignRight));
        adjustments_->setItem(
            i, 3,
            Cell(d.change[k] ? Utf8(FormatTenths(d.change[k], a.positive, a.negative)) : tr("none"),
                 Qt::AlignRight));
    }
    residuals_->setRowCount(static_cast<int>(d.residuals.size()));
    for (int i = 0; i < residuals_->rowCount(); ++i) {
        const ObservationResidual& r = d.residuals[static_cast<std::size_t>(i)];
        residuals_->setItem(i, 0, Cell(Utf8(FormatSatelliteLabel(r.position))));
        residuals_->setItem(i, 1, Cell(Signed(r.motorBefore), Qt::AlignRight));
        residuals_->setItem(i, 2, Cell(Signed(r.motorAfter), Qt::AlignRight));
        residuals_->setItem(i, 3, Cell(Residual(r.offsetBefore), Qt::AlignRight));
        residuals_->setItem(i, 4, Cell(Residual(r.offsetAfter), Qt::AlignRight));
    }
    rms_->setText(tr("Root-mean-square: %1\u00b0 with the set-up, %2\u00b0 as found")
                      .arg(d.rmsBefore, 0, 'f', 3)
                      .arg(d.rmsAfter, 0, 'f', 3));
    QStringList unresolved;
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        for (const std::string& name : d.unresolved) {
            if (name == Adjustments[i].name)
                unresolved << AdjustmentText(Adjustments[i].title);
        }
    }
    QString notes = tr("Undetermined: %1")
                        .arg(unresolved.isEmpty() ? tr("nothing") : unresolved.join(QStringLiteral(", ")));
    if (!d.explanation.empty())
        notes += QLatin1Char('\n') + Sentences(d.explanation);
    notes_->setText(notes);
    uncertainty_->setText(CoreText(d.uncertainty));
    warning_->setText(d.warning ? CoreText(*d.warning) : QString());
    warning_->setVisible(d.warning.has_value());
    next_->setVisible(d.nextText.has_value());
    if (d.nextText) {
        next_->setText(CoreText(*d.nextText));
        // Its row, ready to type into.
        const int row = RowFor(d.next.front().position);
        observations_->setCurrentCell(row, MotorColumn);
        observations_->scrollToItem(observations_->item(row, MotorColumn));
    }
    QStringList advice = {CoreText(d.adviceHeading)};
    for (const TurnAdvice& t : d.advice)
        advice << QStringLiteral("  ") + CoreText(t.text);
    advice_->setText(advice.join(QLatin1Char('\n')));
    for (QPushButton* button : {showFound_, print_, preview_})
        button->setEnabled(true);
}

bool CDiagnoseDialog::ImportFrom(const QString& path, QString& error)
{
    std::vector<std::uint8_t> bytes;
    Message why;
    if (!ReadRegularFile(FileSystemPath(path), ObservationsFileMaxBytes, bytes, why)) {
        error = CoreText(why);
        return false;
    }
    std::vector<Observation> read;
    try {
        // Face tilts read into offsets with this set-up's dish.
        read = ParseObservations(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                 &settings_);
    } catch (const ObservationsError& e) {
        error = CoreText(e.message());
        return false;
    }
    {
        const QSignalBlocker quiet(observations_);
        for (int row = 0; row < observations_->rowCount(); ++row) {
            observations_->item(row, MotorColumn)->setText(QString());
            observations_->item(row, OffsetColumn)->setText(QString());
        }
        for (const Observation& o : read) {
            // The first row of that satellite still free, or a new one.
            int row = 0;
            for (; row < observations_->rowCount(); ++row) {
                if (observations_->item(row, SatelliteColumn)->data(Qt::UserRole).toInt() == o.position
                    && observations_->item(row, MotorColumn)->text().isEmpty())
                    break;
            }
            if (row == observations_->rowCount())
                AddRow(o.position);
            const QLocale c = QLocale::c();
            observations_->item(row, MotorColumn)
                ->setText(c.toString(o.motorAngle, 'g', QLocale::FloatingPointShortest));
            observations_->item(row, OffsetColumn)
                ->setText(o.offset ? c.toString(*o.offset, 'g', QLocale::FloatingPointShortest) : QString());
        }
    }
    ClearReport();
    unexported_ = false;
    error.clear();
    return true;
}

FieldNotes CDiagnoseDialog::Notes() const
{
    FieldNotes notes;
    for (int row = 0; row < observations_->rowCount(); ++row) {
        const QString motor = observations_->item(row, MotorColumn)->text().trimmed();
        const QString offset = observations_->item(row, OffsetColumn)->text().trimmed();
        if (!motor.isEmpty() || !offset.isEmpty())
            notes.rows.push_back(
                {observations_->item(row, SatelliteColumn)->data(Qt::UserRole).toInt(), motor, offset});
    }
    notes.motorPrecision = motorPrecision_->text();
    notes.offsetPrecision = offsetPrecision_->text();
    QString error;
    notes.observations = TypedObservations(error);
    notes.unexported = unexported_ && !notes.rows.empty();
    return notes;
}

void CDiagnoseDialog::SetNotes(const FieldNotes& notes)
{
    {
        const QSignalBlocker quiet(observations_);
        for (int row = 0; row < observations_->rowCount(); ++row) {
            observations_->item(row, MotorColumn)->setText(QString());
            observations_->item(row, OffsetColumn)->setText(QString());
        }
        for (const FieldNotes::Row& typed : notes.rows) {
            // The first row of that satellite still free, or a new one.
            int row = 0;
            for (; row < observations_->rowCount(); ++row) {
                if (observations_->item(row, SatelliteColumn)->data(Qt::UserRole).toInt() == typed.position
                    && observations_->item(row, MotorColumn)->text().isEmpty()
                    && observations_->item(row, OffsetColumn)->text().isEmpty())
                    break;
            }
            if (row == observations_->rowCount())
                AddRow(typed.position);
            observations_->item(row, MotorColumn)->setText(typed.motor);
            observations_->item(row, OffsetColumn)->setText(typed.offset);
        }
    }
    motorPrecision_->setText(notes.motorPrecision);
    offsetPrecision_->setText(notes.offsetPrecision);
    unexported_ = notes.unexported;
    ClearReport();
}

void CDiagnoseDialog::reject()
{
    if (unexported_ && !Notes().Empty()) {
        const QString question
            = tr("The observations you typed have not been exported. They stay with %1 while it is open; "
                 "export them to a file now?")
                  .arg(title_);
        CloseAnswer answer = CloseAnswer::Close;
        if (closePrompt) {
            answer = closePrompt(question);
        } else {
            QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::NoButton, this);
            QPushButton* exportButton = box.addButton(tr("&Export..."), QMessageBox::AcceptRole);
            QPushButton* closeButton = box.addButton(tr("&Close"), QMessageBox::DestructiveRole);
            box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(exportButton);
            box.exec();
            answer = box.clickedButton() == exportButton  ? CloseAnswer::Export
                     : box.clickedButton() == closeButton ? CloseAnswer::Close
                                                          : CloseAnswer::Stay;
        }
        if (answer == CloseAnswer::Stay)
            return;
        if (answer == CloseAnswer::Export) {
            OnExport();
            if (unexported_)
                return;
        }
    }
    QDialog::reject();
}

bool CDiagnoseDialog::ExportTo(const QString& path, QString& error)
{
    const std::vector<Observation> typed = TypedObservations(error);
    if (!error.isEmpty())
        return false;
    const std::string text = WriteObservations(typed);
    Message why;
    if (!WriteTextFileSafely(FileSystemPath(path), text, why)) {
        error = CoreText(why);
        return false;
    }
    unexported_ = false;
    return true;
}

void CDiagnoseDialog::OnImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import observations"), LastFolder::Folder(),
                                                      tr("Observations (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    LastFolder::Remember(path);
    QString error;
    if (!ImportFrom(path, error))
        ShowMessage(tr("Cannot import %1: %2").arg(QFileInfo(path).fileName(), error));
}

void CDiagnoseDialog::OnExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export observations"), LastFolder::Folder(),
                                                      tr("Observations (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    LastFolder::Remember(path);
    QString error;
    if (!ExportTo(path, error))
        ShowMessage(tr("Cannot export %1: %2").arg(QFileInfo(path).fileName(), error));
}

void CDiagnoseDialog::OnPrint()
{
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintAdvice(printer_);
}

void CDiagnoseDialog::OnPreview()
{
    QPrintPreviewDialog preview(&printer_, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintAdvice(*printer); });
    preview.exec();
}

bool CDiagnoseDialog::PrintAdvice(QPrinter& printer)
{
    if (!diagnosis_)
        return false;
    printer.setDocName(MountAsFoundTitle());
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessage(tr("No printer is available."));
        return false;
    }
    // The painter's origin is the corner of the printable area.
    PaintPages(painter, printer,
               QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    return painter.end();
}

std::vector<CDiagnoseDialog::PageLine> CDiagnoseDialog::PageLines() const
{
    std::vector<PageLine> lines;
    if (!diagnosis_)
        return lines;
    const Diagnosis& d = *diagnosis_;
    const auto add = [&lines](PageLine::Style style, QStringList cells, QList<int> columns = {}) {
        lines.push_back({style, std::move(cells), std::move(columns)});
    };
    add(PageLine::Heading, {tr("%1: what to turn").arg(title_)});
    add(PageLine::Text, {Utf8(FormatSite(settings_.latitude, settings_.longitude, settings_.altitude))});
    add(PageLine::Gap, {});
    add(PageLine::Text, {CoreText(d.adviceHeading)});
    for (const TurnAdvice& t : d.advice)
        add(PageLine::BoldParagraph, {QStringLiteral("\u2022  ") + CoreText(t.text)});
    add(PageLine::Gap, {});

    if (d.warning)
        add(PageLine::BoldParagraph, {CoreText(*d.warning)});
    if (d.nextText) {
        add(PageLine::Text, {tr("Satellites to peak next, in this order:")});
        for (const NextObservation& n : d.next) {
            add(PageLine::Text, {Utf8(FormatSatelliteLabel(n.position)),
                                 tr("worst 1\u03c3 then %1\u00b0").arg(n.worstAfter, 0, 'f', 2)});
        }
        add(PageLine::Gap, {});
    }

    // To store the positions in the receiver: where the mount as found turns
    // for each chosen satellite, and where the receiver would turn by itself.
    add(PageLine::Text, {tr("Chosen satellites, for the mount as found:")});
    const QList<int> columns = {0, 1, 3, 4};
    add(PageLine::Bold, {tr("Satellite"), tr("Name"), tr("Motor"), tr("Receiver")}, columns);
    for (const MissRow& r : ComputeMissTable(MountAsFound(), catalogue_)) {
        if (r.visible)
            add(PageLine::Text,
                {Utf8(r.label), Utf8(PrintableText(r.name)).left(24), Utf8(r.motor), Utf8(r.receiver)},
                columns);
    }
    add(PageLine::Gap, {});

    add(PageLine::Text, {tr("Observed minus computed, degrees:")});
    add(PageLine::Bold, {tr("Satellite"), tr("Motor, set-up"), tr("Motor, found"), tr("Offset, set-up"),
                         tr("Offset, found")});
    for (const ObservationResidual& r : d.residuals) {
        add(PageLine::Text, {Utf8(FormatSatelliteLabel(r.position)), Signed(r.motorBefore),
                             Signed(r.motorAfter), Residual(r.offsetBefore), Residual(r.offsetAfter)});
    }
    add(PageLine::Text, {rms_->text()});
    add(PageLine::Gap, {});
    add(PageLine::Paragraph, {notes_->text()});
    add(PageLine::Paragraph, {uncertainty_->text()});
    return lines;
}

QString CDiagnoseDialog::PageText() const
{
    QStringList text;
    for (const PageLine& line : PageLines())
        text << line.cells.join(QLatin1Char('\t'));
    return text.join(QLatin1Char('\n'));
}

void CDiagnoseDialog::PaintPages(QPainter& painter, QPrinter& printer, const QRect& page) const
{
    QFont text = font();
    text.setPointSize(10);
    QFont heading = text;
    heading.setPointSize(16);
    heading.setBold(true);
    QFont bold = text;
    bold.setBold(true);
    const int gap = QFontMetrics(text, painter.device()).height();
    const int column = QFontMetrics(bold, painter.device()).horizontalAdvance(tr("Offset, set-up")) + gap;

    int y = page.top();
    for (const PageLine& line : PageLines()) {
        if (line.style == PageLine::Gap) {
            y += gap;
            continue;
        }
        const QFont& f = line.style == PageLine::Heading                                         ? heading
                         : line.style == PageLine::Bold || line.style == PageLine::BoldParagraph ? bold
                                                                                                 : text;
        painter.setFont(f);
        const QFontMetrics metrics(f, painter.device());
        const bool wraps = line.style == PageLine::Paragraph || line.style == PageLine::BoldParagraph;
        const int height = wraps ? painter
                                       .boundingRect(QRect(page.left(), y, page.width(), page.height()),
                                                     Qt::TextWordWrap, line.cells.value(0))
                                       .height()
                                 : metrics.height();
        // A new page when the line would not fit on this one.
        if (y + height > page.bottom() && y > page.top()) {
            printer.newPage();
            y = page.top();
        }
        if (wraps) {
            painter.drawText(QRect(page.left(), y, page.width(), height), Qt::TextWordWrap,
                             line.cells.value(0));
        } else {
            for (int i = 0; i < line.cells.size(); ++i) {
                const int x = (line.columns.isEmpty() ? i : line.columns[i]) * column;
                painter.drawText(page.left() + x, y + metrics.ascent(), line.cells[i]);
            }
        }
        y += height;
    }
}

}  // namespace zenbelts
