#include "dialogs/HorizonPage.h"

#include "controls/LastFolder.h"
#include "controls/NumericEdit.h"
#include "controls/TypedDegrees.h"
#include "document/CorePaths.h"
#include "document/CoreTexts.h"
#include "model/HorizonCsv.h"
#include "model/Reach.h"
#include "model/SetUpEdits.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenbelts {

namespace {

QString TenthsText(int tenths)
{
    return LeftToRight(QLocale().toString(tenths / 10.0, 'f', 1) + QChar(0x00B0));
}

}  // namespace

CHorizonSketch::CHorizonSketch(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("horizonSketch"));
    setMinimumSize(160, 160);
    setToolTip(tr("The sky from the dish as on a map, north up: the horizon at the rim, straight up at the "
                  "centre; shaded what the horizon hides, the arc in pink, the chosen satellites as dots"));
}

QSize CHorizonSketch::sizeHint() const
{
    return {240, 240};
}

void CHorizonSketch::Show(const MountSettings& s, const std::vector<HorizonPoint>& points)
{
    settings_ = s;
    settings_.horizon = points;
    update();
}

QPointF CHorizonSketch::At(double azimuthDegrees, double elevationDegrees) const
{
    const double radius = (std::min(width(), height()) - 24) / 2.0;
    const double r = radius * (1.0 - std::clamp(elevationDegrees, 0.0, 90.0) / 90.0);
    const double a = azimuthDegrees * std::numbers::pi / 180.0;
    return {width() / 2.0 + r * std::sin(a), height() / 2.0 - r * std::cos(a)};
}

void CHorizonSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = (std::min(width(), height()) - 24) / 2.0;
    painter.fillRect(rect(), pal.color(QPalette::Base));

    // The hidden sky: between the rim and the mask.
    QPainterPath hidden;
    hidden.addEllipse(centre, radius, radius);
    QPolygonF mask;
    for (int az = 0; az < 360; ++az)
        mask << At(az, HorizonElevation(settings_.horizon, az));
    QPainterPath clear;
    clear.addPolygon(mask);
    clear.closeSubpath();
    painter.fillPath(hidden.subtracted(clear), QColor(200, 200, 200));

    // Circles every 30 degrees up, and the cross of the cardinal points.
    painter.setPen(QPen(pal.color(QPalette::Mid), 1));
    for (int e : {0, 30, 60}) {
        const double r = radius * (1.0 - e / 90.0);
        painter.drawEllipse(centre, r, r);
    }
    painter.drawLine(At(0, 0), At(180, 0));
    painter.drawLine(At(90, 0), At(270, 0));
    painter.setPen(pal.color(QPalette::Text));
    // The compass letters, as on the dish's scales in every language.
    const QFontMetricsF metrics(font());
    const struct {
        double azimuth;
        QString letter;
    } letters[] = {{0, QStringLiteral("N")},
                   {90, QStringLiteral("E")},
                   {180, QStringLiteral("S")},
                   {270, QStringLiteral("W")}};
    for (const auto& l : letters) {
        const double a = l.azimuth * std::numbers::pi / 180.0;
        const QPointF at(centre.x() + (radius + 7) * std::sin(a), centre.y() - (radius + 7) * std::cos(a));
        const QSizeF size = metrics.size(0, l.letter);
        painter.drawText(
            QRectF(at.x() - size.width() / 2, at.y() - size.height() / 2, size.width(), size.height()),
            Qt::AlignCenter, l.letter);
    }

    // The arc from end to end, a point a degree of longitude.
    const double site = settings_.longitude / 60.0;
    MountSettings flat = settings_;
    flat.horizon.clear();
    const std::optional<double> west = ArcEnd(flat, false, 0.0), east = ArcEnd(flat, true, 0.0);
    if (west && east) {
        QPolygonF arc;
        for (double dl = -*west; dl <= *east; dl += 1.0) {
            const Bearing b = RingBearing(settings_, site + dl);
            arc << At(b.azimuth, b.elevation);
        }
        const Bearing end = RingBearing(settings_, site + *east);
        arc << At(end.azimuth, end.elevation);
        painter.setPen(QPen(QColor(255, 128, 128), 2));
        painter.drawPolyline(arc);
    }
    painter.setPen(Qt::NoPen);
    for (int p = 0; p < PositionCount; ++p) {
        if (!settings_.chosenSatellites.Test(p))
            continue;
        const SatelliteReach reach = ReachOf(settings_, p);
        if (reach.bearing.elevation < 0.0)
            continue;
        painter.setBrush(reach.hiddenBy == HiddenBy::Horizon ? pal.color(QPalette::Mid)
                                                             : pal.color(QPalette::Text));
        painter.drawEllipse(At(reach.bearing.azimuth, reach.bearing.elevation), 2.5, 2.5);
    }
}

CHorizonPage::CHorizonPage(QWidget* parent)
    : QWidget(parent), table_(new QTableWidget(0, 2, this)), azimuth_(new QLineEdit(this)),
      elevation_(new QLineEdit(this)), add_(new QPushButton(tr("&Add"), this)),
      remove_(new QPushButton(tr("Re&move"), this)), problem_(new QLabel(this)),
      motorEast_(new QLineEdit(this)), motorWest_(new QLineEdit(this)), diameter_(new CUnsignedEdit(this)),
      sketch_(new CHorizonSketch(this))
{
    table_->setObjectName(QStringLiteral("horizonPoints"));
    azimuth_->setObjectName(QStringLiteral("horizonAzimuth"));
    elevation_->setObjectName(QStringLiteral("horizonElevation"));
    motorEast_->setObjectName(QStringLiteral("motorEast"));
    motorWest_->setObjectName(QStringLiteral("motorWest"));
    diameter_->setObjectName(QStringLiteral("dishDiameter"));
    table_->setHorizontalHeaderLabels({tr("Azimuth"), tr("Elevation")});
    table_->horizontalHeaderItem(0)->setToolTip(tr("True bearing, clockwise from north"));
    table_->horizontalHeaderItem(1)->setToolTip(
        tr("The lowest elevation the dish sees past at that bearing; straight lines join the points"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setMinimumHeight(150);
    azimuth_->setToolTip(tr("Degrees from 0 to 360, clockwise from true north"));
    elevation_->setToolTip(tr("Degrees from 0 to 90"));
    problem_->setWordWrap(true);
    problem_->setObjectName(QStringLiteral("horizonProblem"));
    diameter_->SetRange(DishDiameterMin, DishDiameterMax);
    for (QLineEdit* limit : {motorEast_, motorWest_})
        limit->setToolTip(tr("How far the motor turns from its zero, 0 to 90 degrees"));

    auto* points = new QGroupBox(tr("Obstacles"), this);
    auto* pointsGrid = new QGridLayout(points);
    pointsGrid->addWidget(table_, 0, 0, 1, 4);
    auto* azimuthLabel = new QLabel(tr("A&zimuth:"), this);
    azimuthLabel->setBuddy(azimuth_);
    auto* elevationLabel = new QLabel(tr("E&levation:"), this);
    elevationLabel->setBuddy(elevation_);
    pointsGrid->addWidget(azimuthLabel, 1, 0);
    pointsGrid->addWidget(azimuth_, 1, 1);
    pointsGrid->addWidget(elevationLabel, 1, 2);
    pointsGrid->addWidget(elevation_, 1, 3);
    auto* buttons = new QHBoxLayout;
    auto* import = new QPushButton(tr("&Import..."), this);
    auto* exportButton = new QPushButton(tr("E&xport..."), this);
    for (QPushButton* b : {add_, remove_, import, exportButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    pointsGrid->addLayout(buttons, 2, 0, 1, 4);
    pointsGrid->addWidget(problem_, 3, 0, 1, 4);

    auto* reach = new QGroupBox(tr("Motor and dish"), this);
    auto* form = new QFormLayout(reach);
    form->addRow(tr("Motor turns &east to:"), motorEast_);
    form->addRow(tr("Motor turns &west to:"), motorWest_);
    form->addRow(tr("Dish &diameter (cm):"), diameter_);
    reach->setToolTip(
        tr("A satellite is in reach when it stands above the horizon by half the dish's beam and "
           "the motor turns that far."));

    auto* left = new QVBoxLayout;
    left->addWidget(points, 1);
    left->addWidget(reach);
    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 1);
    page->addWidget(sketch_, 1);

    connect(add_, &QPushButton::clicked, this, &CHorizonPage::AddPoint);
    connect(remove_, &QPushButton::clicked, this, &CHorizonPage::RemovePoints);
    connect(import, &QPushButton::clicked, this, &CHorizonPage::OnImport);
    connect(exportButton, &QPushButton::clicked, this, &CHorizonPage::OnExport);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &CHorizonPage::ShowSelected);
    for (QLineEdit* field : {azimuth_, elevation_})
        connect(field, &QLineEdit::returnPressed, this, &CHorizonPage::AddPoint);
    setFocusProxy(table_);
}

std::optional<int> CHorizonPage::ReadTenths(const QString& typed, int lo, int hi)
{
    const std::optional<double> degrees = ReadTypedDegrees(typed);
    if (!degrees)
        return std::nullopt;
    const long tenths = std::lround(*degrees * 10.0);
    if (tenths < lo || tenths > hi)
        return std::nullopt;
    return static_cast<int>(tenths);
}

void CHorizonPage::Load(const MountSettings& s)
{
    loaded_ = s;
    points_ = s.horizon;
    motorEast_->setText(TenthsText(s.motorEast));
    motorWest_->setText(TenthsText(s.motorWest));
    diameter_->SetPosition(s.dishDiameter);
    problem_->clear();
    ShowPoints();
}

void CHorizonPage::Store(MountSettings& s) const
{
    SetHorizon(s, points_);
    SetMotorLimit(s, true, ReadTenths(motorEast_->text(), 0, MotorLimitMax).value_or(loaded_.motorEast));
    SetMotorLimit(s, false, ReadTenths(motorWest_->text(), 0, MotorLimitMax).value_or(loaded_.motorWest));
    SetDishDiameter(s, diameter_->Position());
}

void CHorizonPage::AddPoint()
{
    const std::optional<int> azimuth = ReadTenths(azimuth_->text(), 0, 3600);
    const std::optional<int> elevation = ReadTenths(elevation_->text(), 0, HorizonElevationMax);
    if (!azimuth) {
        problem_->setText(tr("The azimuth must be a number of degrees from 0 to 360."));
        azimuth_->setFocus();
        return;
    }
    if (!elevation) {
        problem_->setText(tr("The elevation must be a number of degrees from 0 to 90."));
        elevation_->setFocus();
        return;
    }
    // The set-up's rules: one point an azimuth, at most as many as it keeps.
    std::vector<HorizonPoint> next = points_;
    const int at = *azimuth % 3600;
    const auto same
        = std::find_if(next.begin(), next.end(), [at](const HorizonPoint& p) { return p.azimuth == at; });
    if (same != next.end())
        same->elevation = *elevation;
    else
        next.push_back({at, *elevation});
    MountSettings checked = loaded_;
    const EditOutcome outcome = SetHorizon(checked, next);
    if (!outcome) {
        problem_->setText(CoreText(outcome.refusal));
        return;
    }
    std::sort(next.begin(), next.end(),
              [](const HorizonPoint& a, const HorizonPoint& b) { return a.azimuth < b.azimuth; });
    points_ = next;
    problem_->clear();
    ShowPoints();
    azimuth_->clear();
    elevation_->clear();
    azimuth_->setFocus();
}

void CHorizonPage::RemovePoints()
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows)
        points_.erase(points_.begin() + row);
    ShowPoints();
}

void CHorizonPage::ShowPoints()
{
    table_->setRowCount(static_cast<int>(points_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const HorizonPoint& p = points_[static_cast<std::size_t>(row)];
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(TenthsText(column == 0 ? p.azimuth : p.elevation));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    remove_->setEnabled(!points_.empty());
    sketch_->Show(loaded_, points_);
}

void CHorizonPage::ShowSelected()
{
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty())
        return;
    const HorizonPoint& p = points_[static_cast<std::size_t>(selected.front()->row())];
    azimuth_->setText(QLocale().toString(p.azimuth / 10.0, 'f', 1));
    elevation_->setText(QLocale().toString(p.elevation / 10.0, 'f', 1));
}

bool CHorizonPage::ImportFrom(const QString& path, QString& error)
{
    std::vector<std::uint8_t> bytes;
    Message why;
    if (!ReadRegularFile(FileSystemPath(path), HorizonFileMaxBytes, bytes, why)) {
        error = CoreText(why);
        return false;
    }
    std::vector<HorizonPoint> read;
    try {
        read = ParseHorizonCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const HorizonCsvError& e) {
        error = CoreText(e.message());
        return false;
    }
    MountSettings checked = loaded_;
    const EditOutcome outcome = SetHorizon(checked, read);
    if (!outcome) {
        error = CoreText(outcome.refusal);
        return false;
    }
    // As the set-up keeps them: sorted, and none for a flat horizon.
    points_ = checked.horizon;
    problem_->clear();
    ShowPoints();
    return true;
}

bool CHorizonPage::ExportTo(const QString& path, QString& error) const
{
    const std::string text = WriteHorizonCsv(points_);
    Message why;
    if (!WriteTextFileSafely(FileSystemPath(path), text, why)) {
        error = CoreText(why);
        return false;
    }
    return true;
}

void CHorizonPage::OnImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import the horizon"), LastFolder::Folder(),
                                                      tr("Horizon (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    LastFolder::Remember(path);
    QString error;
    if (!ImportFrom(path, error))
        problem_->setText(tr("Cannot import %1: %2").arg(QFileInfo(path).fileName(), error));
}

void CHorizonPage::OnExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the horizon"),
                                                      LastFolder::StartFor(QStringLiteral("horizon.csv")),
                                                      tr("Horizon (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    LastFolder::Remember(path);
    QString error;
    if (!ExportTo(path, error))
        problem_->setText(tr("Cannot export %1: %2").arg(QFileInfo(path).fileName(), error));
}

}  // namespace zenbelts
