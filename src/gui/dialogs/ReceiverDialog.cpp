#include "dialogs/ReceiverDialog.h"

#include "controls/LastFolder.h"
#include "controls/TypedDegrees.h"
#include "document/CorePaths.h"
#include "document/CoreTexts.h"
#include "io/FileAccess.h"
#include "model/OptimiseMount.h"
#include "model/Receiver.h"
#include "text/AngleText.h"

#include <cmath>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zenbelts {

namespace {

// An angle east positive as the panel writes it: "25.7°E".
QString Angle(double motorAngleEast)
{
    return QString::fromStdString(
        FormatTenths(static_cast<int>(std::lround(motorAngleEast * 10.0)), 'E', 'W'));
}

QString Label(int position)
{
    return QString::fromStdString(FormatSatelliteLabel(position));
}

QString Bytes(const std::vector<std::uint8_t>& bytes)
{
    return QString::fromStdString(CommandBytesText(bytes));
}

void Fill(QTableWidget* table, const std::vector<QStringList>& rows, const QList<int>& rightAligned)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const QStringList& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (rightAligned.contains(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
}

QTableWidget* MakeTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setColumnCount(static_cast<int>(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

CReceiverDialog::CReceiverDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                 QWidget* parent)
    : QDialog(parent), settings_(settings), catalogue_(catalogue), site_(new QLabel(this)),
      gain_(new QLabel(this)), table_(MakeTable({tr("Slot"), tr("Satellite"), tr("Name"), tr("Motor"),
                                                 tr("Receiver"), tr("Turn"), tr("GotoX")},
                                                this)),
      limits_(new QLabel(this)), leftOut_(new QLabel(this)), margin_(new QLineEdit(this)),
      speed_(new QLineEdit(this)), commands_(MakeTable({tr("Bytes"), tr("What it does")}, this)),
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

    table_->setObjectName(QStringLiteral("positions"));
    commands_->setObjectName(QStringLiteral("commands"));
    const QStringList tips{
        tr("The number the receiver stores the position under; 0 is the motor's reference"),
        tr("The satellite's orbital position"),
        tr("The satellite's name in the list"),
        tr("The motor angle the set-up needs, east or west of the motor's zero"),
        tr("The motor angle a receiver computes by itself for the true site"),
        tr("Seconds the motor takes from the slot before, the first from its zero"),
        tr("The DiSEqC command that turns the motor to this angle"),
    };
    for (int c = 0; c < tips.size(); ++c)
        table_->horizontalHeaderItem(c)->setToolTip(tips[c]);
    limits_->setWordWrap(true);
    leftOut_->setWordWrap(true);
    margin_->setObjectName(QStringLiteral("limitMargin"));
    speed_->setObjectName(QStringLiteral("motorSpeed"));
    margin_->setText(LeftToRight(QLocale().toString(DefaultLimitMarginDegrees, 'f', 1)));
    speed_->setText(LeftToRight(QLocale().toString(DefaultMotorSpeedDegrees, 'f', 1)));
    margin_->setToolTip(tr("How far past the outermost satellite each soft limit lies, 0 to 30 degrees"));
    speed_->setToolTip(tr("How many degrees a second the motor turns, as its maker gives it"));
    for (QLineEdit* field : {margin_, speed_})
        connect(field, &QLineEdit::editingFinished, this, &CReceiverDialog::Recompute);

    auto* exportButton = new QPushButton(tr("&Export CSV..."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(copy_, QDialogButtonBox::ActionRole);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    connect(copy_, &QPushButton::clicked, this, &CReceiverDialog::CopyAsCsv);
    connect(exportButton, &QPushButton::clicked, this, &CReceiverDialog::OnExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Soft limit &margin (degrees):"), margin_);
    fields->addRow(tr("Motor &speed (degrees a second):"), speed_);
    auto* commandsCaption
        = new QLabel(tr("DiSEqC 1.2 commands for a receiver that sends them raw, in order:"), this);
    commandsCaption->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(site_);
    layout->addWidget(gain_);
    layout->addLayout(fields);
    layout->addWidget(table_, 2);
    layout->addWidget(limits_);
    layout->addWidget(leftOut_);
    layout->addWidget(commandsCaption);
    layout->addWidget(commands_, 1);
    layout->addWidget(buttons);
    Recompute();
    resize(640, 560);
}

void CReceiverDialog::Recompute()
{
    const std::optional<double> margin = ReadTypedDegrees(margin_->text());
    const std::optional<double> speed = ReadTypedDegrees(speed_->text());
    // A field that does not read, or lies out of range, keeps what it showed.
    const bool marginFine = margin && *margin >= 0.0 && *margin <= MaxLimitMarginDegrees;
    const bool speedFine = speed && *speed >= MinMotorSpeedDegrees && *speed <= MaxMotorSpeedDegrees;
    const double m = marginFine ? *margin : positions_.margin;
    const double v = speedFine ? *speed : positions_.speed;
    margin_->setText(LeftToRight(QLocale().toString(m, 'f', 1)));
    speed_->setText(LeftToRight(QLocale().toString(v, 'f', 1)));
    positions_ = ComputePositions(settings_, catalogue_, m, v);

    std::vector<QStringList> rows;
    for (const PositionSlot& s : positions_.stored)
        rows.push_back({LeftToRight(QString::number(s.slot)), LeftToRight(Label(s.position)),
                        QString::fromStdString(s.name), LeftToRight(Angle(s.motorAngle)),
                        LeftToRight(Angle(s.receiverAngle)),
                        LeftToRight(tr("%1 s").arg(QLocale().toString(s.turnSeconds, 'f', 1))),
                        LeftToRight(Bytes({s.gotoX.begin(), s.gotoX.end()}))});
    Fill(table_, rows, {0, 3, 4, 5});

    if (positions_.stored.empty())
        limits_->setText(tr("No chosen satellite is in reach: nothing to store, no limits to set."));
    else
        limits_->setText(tr("Soft limits: east %1, west %2, %3 past the outermost slots where the horizon "
                            "and the motor allow.")
                             .arg(LeftToRight(Angle(*positions_.east)), LeftToRight(Angle(*positions_.west)),
                                  LeftToRight(QLocale().toString(m, 'f', 1) + QChar(0x00b0))));
    QStringList left;
    for (const LeftOutSatellite& l : positions_.leftOut) {
        const QString label = LeftToRight(Label(l.position));
        left << (l.hiddenBy == HiddenBy::Horizon ? tr("%1, hidden by the horizon")
                 : l.hiddenBy == HiddenBy::Motor ? tr("%1, beyond the motor's limit")
                                                 : tr("%1, no slot left"))
                    .arg(label);
    }
    leftOut_->setText(left.isEmpty() ? QString() : tr("Left out: %1.").arg(left.join(tr("; "))));
    leftOut_->setVisible(!left.isEmpty());

    std::vector<QStringList> commands;
    for (const PositionerCommand& c : PositionerCommands(settings_, positions_))
        commands.push_back({LeftToRight(Bytes(c.bytes)), CoreText(c.what)});
    Fill(commands_, commands, {});
}

QString CReceiverDialog::CsvText() const
{
    return QString::fromStdString(PositionsCsv(positions_));
}

void CReceiverDialog::CopyAsCsv()
{
    QGuiApplication::clipboard()->setText(CsvText());
}

bool CReceiverDialog::ExportTo(const QString& path, QString& error) const
{
    const std::string text = PositionsCsv(positions_);
    Message why;
    if (!WriteTextFileSafely(FileSystemPath(path), text, why)) {
        error = CoreText(why);
        return false;
    }
    return true;
}

void CReceiverDialog::OnExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the positions"),
                                                      LastFolder::StartFor(QStringLiteral("positions.csv")),
                                                      tr("Positions (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    LastFolder::Remember(path);
    QString error;
    if (!ExportTo(path, error))
        limits_->setText(tr("Cannot export %1: %2").arg(QFileInfo(path).fileName(), error));
}

}  // namespace zenbelts
