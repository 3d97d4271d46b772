#include "dialogs/ReceiverDialog.h"

#include "document/CoreTexts.h"
#include "model/OptimiseMount.h"
#include "model/Receiver.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <cmath>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zenbelts {

namespace {

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
           + QLatin1Char('"');
}

QString Degrees(double value, int decimals)
{
    // A plus sign, so that misses either way read apart; none shows as -0.
    QString text = QString::number(value, 'f', decimals);
    if (text.toDouble() == 0.0)
        text = QString::number(0.0, 'f', decimals);
    return (text.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral("+")) + text;
}

}  // namespace

CReceiverDialog::CReceiverDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                 QWidget* parent)
    : QDialog(parent), site_(new QLabel(this)), gain_(new QLabel(this)), table_(new QTableWidget(this)),
      copy_(new QPushButton(tr("Copy as CSV"), this))
{
    setWindowTitle(tr("Receiver settings"));
    const UsalsSite site = FindUsalsSite(settings, catalogue);
    const QString entered = QString::fromStdString(FormatTenths(site.latitude, 'N', 'S') + ", "
                                                   + FormatTenths(site.longitude, 'E', 'W'));
    site_->setText(tr("Site to enter into the receiver: %1").arg(LeftToRight(entered)));
    site_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (site.targets == 0) {
        gain_->setText(
            tr("Fewer than two chosen satellites stand %1 above the horizon: this is the true site.")
                .arg(LeftToRight(QString::fromUtf8(MinimumElevationText))));
    } else {
        gain_->setText(tr("Worst miss over %1 chosen satellites at least %2 up: %3 with the true site, "
                          "%4 with this one.")
                           .arg(site.targets)
                           .arg(LeftToRight(QString::fromUtf8(MinimumElevationText)))
                           .arg(LeftToRight(QString::number(site.worstBefore, 'f', 3) + QChar(0x00b0)))
                           .arg(LeftToRight(QString::number(site.worstAfter, 'f', 3) + QChar(0x00b0))));
    }
    gain_->setWordWrap(true);

    const QStringList headings{tr("Satellite"), tr("Name"), tr("Motor"), tr("Receiver miss"), tr("GotoX")};
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    csvLines_.append(QStringLiteral("Position,Satellite,Name,Motor,Receiver miss,GotoX"));

    const bool north = settings.latitude > 0;
    for (const ArcRow& row : ComputeArcTable(settings, catalogue)) {
        if (!row.chosen)
            continue;
        // The receiver's angle with the entered site, against the mount's own.
        const double miss = row.motorAngle
                            - ReceiverMotorAngle(
                                north, ReceiverHourAngleTenths(site.latitude, site.longitude, row.position));
        // The motor's way as the table of misses writes it: its axis turns over south of the equator.
        long tenths = std::lround(row.motorAngle * 10);
        if (!north)
            tenths = -tenths;
        const QString gotoX = QString::fromStdString(GotoXText(row.motorAngle));
        const QStringList cells{QString::fromStdString(row.label), QString::fromStdString(row.name),
                                QString::fromStdString(FormatTenths(static_cast<int>(tenths), 'E', 'W')),
                                Degrees(miss, 3) + QString::fromUtf8(DegreeSign), gotoX};
        const int r = table_->rowCount();
        table_->insertRow(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(c == 1 ? cells[c] : LeftToRight(cells[c]));
            if (c == 2 || c == 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
        const QStringList fields{QStringLiteral("%1").arg(row.position, 4, 10, QLatin1Char('0')),
                                 cells[0],
                                 CsvField(cells[1]),
                                 QString::number(row.motorAngle, 'f', 2),
                                 QString::number(miss, 'f', 4),
                                 gotoX};
        csvLines_.append(fields.join(QLatin1Char(',')));
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(copy_, QDialogButtonBox::ActionRole);
    connect(copy_, &QPushButton::clicked, this, &CReceiverDialog::CopyAsCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(site_);
    layout->addWidget(gain_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(560, 420);
}

QString CReceiverDialog::CsvText() const
{
    return csvLines_.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CReceiverDialog::CopyAsCsv()
{
    QGuiApplication::clipboard()->setText(CsvText());
}

}  // namespace zenbelts
