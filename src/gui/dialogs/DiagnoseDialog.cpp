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
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
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
    // -0.00 reads as a sign where there is none.
    const double shown = std::round(degrees * 100.0) / 100.0;
    return QStringLiteral("%1%2")
        .arg(shown < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(std::fabs(shown), 0, 'f', 2);
}

QString Residual(const std::optional<double>& degrees)
{
    return degrees ? Signed(*degrees) : QStringLiteral("-");
}

// A number as typed here: the user's own decimal comma or a point, with or
// without a degree sign. Empty when blank, null when it does not read.
std::optional<std::optional<double>> ReadCell(const QTableWidgetItem* item)
{
    QString text = item ? item->text().trimmed() : QString();
    text.remove(QChar(0x00B0));
    text = text.trimmed();
    if (text.isEmpty())
        return std::optional<double>();
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return std::optional<double>(value);
}

QTableWidget* ReportTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
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

QString CDiagnoseDialog::AdviceText(const TurnAdvice& t) const
{
    // "Pole N/S: turn 0.7° S, from 1.2°N to 0.5°N": from the mount as found to the set-up.
    const AdjustmentInfo& a = Adjustments[static_cast<std::size_t>(t.adjustment)];
    const auto tenths = [&a](int value) { return Utf8(FormatTenths(value, a.positive, a.negative)); };
    const int fitted = diagnosis_ ? diagnosis_->fitted[static_cast<std::size_t>(t.adjustment)] : 0;
    return tr("%1: turn %2\u00b0 %3, from %4 to %5")
        .arg(AdjustmentText(a.title), QString::number(t.degrees, 'f', 1), QString(QLatin1Char(t.direction)),
             tenths(fitted), tenths(settings_.*(a.value)));
}

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
        if (item->column() >= MotorColumn)
            ClearReport();
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

    auto* observed = new QGroupBox(tr("Observations"), this);
    auto* observedLayout = new QVBoxLayout(observed);
    observedLayout->addWidget(intro);
    observedLayout->addWidget(observations_, 1);
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
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

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

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    QPalette warning = message_->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    message_->setPalette(warning);

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
    layout->addWidget(turn);
    layout->addWidget(message_);
    layout->addLayout(bottom);
    resize(960, 640);
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

std::vector<Observation> CDiagnoseDialog::TypedObservations(QString& error) const
{
    std::vector<Observation> typed;
    error.clear();
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
        if (!error.isEmpty())
            return {};
        if (*motor)
            typed.push_back({position, **motor, *offset});
    }
    return typed;
}

bool CDiagnoseDialog::Fit()
{
    ClearReport();
    QString error;
    const std::vector<Observation> typed = TypedObservations(error);
    if (!error.isEmpty()) {
        ShowMessage(error);
        return false;
    }
    if (typed.empty()) {
        ShowMessage(tr("Type the motor angle of at least one satellite."));
        return false;
    }
    try {
        diagnosis_ = Diagnose(settings_, catalogue_, typed);
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
    rms_->clear();
    notes_->clear();
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
    if (!unresolved.isEmpty()) {
        notes += QLatin1Char('\n')
                 + tr("The observations cannot tell these adjustments apart; they stay as set up.");
        if (d.separatingSatellite)
            notes += QLatin1Char(' ')
                     + tr("Observing the satellite at %1 would tell them apart.")
                           .arg(Utf8(FormatSatelliteLabel(*d.separatingSatellite)));
    }
    notes_->setText(notes);
    QStringList advice;
    for (const TurnAdvice& t : d.advice)
        advice << AdviceText(t);
    advice_->setText(advice.isEmpty() ? tr("Nothing to turn: the mount stands as the set-up.")
                                      : advice.join(QStringLiteral("\n")));
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
        read = ParseObservations(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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
    error.clear();
    return true;
}

bool CDiagnoseDialog::ExportTo(const QString& path, QString& error)
{
    const std::vector<Observation> typed = TypedObservations(error);
    if (!error.isEmpty())
        return false;
    const std::string text = WriteObservations(typed);
    Message why;
    if (!WriteFileSafely(FileSystemPath(path),
                         std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), why)) {
        error = CoreText(why);
        return false;
    }
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
    PaintPage(painter,
              QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    return painter.end();
}

void CDiagnoseDialog::PaintPage(QPainter& painter, const QRect& page) const
{
    const Diagnosis& d = *diagnosis_;
    QFont body = font();
    body.setPointSize(10);
    QFont heading = body;
    heading.setPointSize(16);
    heading.setBold(true);
    QFont bold = body;
    bold.setBold(true);

    int y = page.top();
    const auto line = [&](const QFont& f, const QString& text, int x = 0) {
        painter.setFont(f);
        const QFontMetrics metrics(f, painter.device());
        painter.drawText(page.left() + x, y + metrics.ascent(), text);
        return metrics.height();
    };
    const auto paragraph = [&](const QFont& f, const QString& text) {
        painter.setFont(f);
        const QRect box(page.left(), y, page.width(), page.bottom() - y);
        const QRect used = painter.boundingRect(box, Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        y += used.height();
    };
    const int gap = QFontMetrics(body, painter.device()).height();

    y += line(heading, tr("%1: what to turn").arg(title_));
    y += line(body, Utf8(FormatSite(settings_.latitude, settings_.longitude, settings_.altitude)));
    y += gap;
    if (d.advice.empty()) {
        y += line(body, tr("Nothing to turn: the mount stands as the set-up."));
    } else {
        for (const TurnAdvice& t : d.advice)
            y += line(bold, QStringLiteral("\u2022  ") + AdviceText(t));
    }
    y += gap;

    y += line(body, tr("Observed minus computed, degrees:"));
    const QStringList headings = {tr("Satellite"), tr("Motor, set-up"), tr("Motor, found"),
                                  tr("Offset, set-up"), tr("Offset, found")};
    const int column = QFontMetrics(bold, painter.device()).horizontalAdvance(tr("Offset, set-up")) + gap;
    const auto row = [&](const QFont& f, const QStringList& cells) {
        int height = 0;
        for (int i = 0; i < cells.size(); ++i)
            height = line(f, cells[i], i * column);
        y += height;
    };
    row(bold, headings);
    for (const ObservationResidual& r : d.residuals) {
        row(body, {Utf8(FormatSatelliteLabel(r.position)), Signed(r.motorBefore), Signed(r.motorAfter),
                   Residual(r.offsetBefore), Residual(r.offsetAfter)});
    }
    y += line(body, rms_->text());
    y += gap;
    paragraph(body, notes_->text());
}

}  // namespace zenbelts
