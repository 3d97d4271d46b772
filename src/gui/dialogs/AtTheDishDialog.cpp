#include "dialogs/AtTheDishDialog.h"

#include "text/AngleText.h"

#include <QAbstractTextDocumentLayout>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimeZone>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zenbelts {

namespace {

// Numbers run left to right inside right-to-left text: each stands in an
// isolate of its own.
QString Isolated(const QString& text, bool rightToLeft)
{
    return rightToLeft ? QChar(0x2066) + text + QChar(0x2069) : text;
}

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

int Tenths(double degrees)
{
    return static_cast<int>(std::floor(degrees * 10.0 + 0.5));
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

}  // namespace

CAtTheDishDialog::CAtTheDishDialog(const MountSettings& settings, const QString& title, QWidget* parent)
    : QDialog(parent), settings_(settings), title_(title), date_(new QDateEdit(this)),
      page_(new QTextBrowser(this)), print_(new QPushButton(tr("&Print..."), this)),
      preview_(new QPushButton(tr("Print pre&view..."), this))
{
    setWindowTitle(tr("At the dish: %1").arg(title));
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setDateRange(QDate(1900, 1, 1), QDate(2199, 12, 31));
    date_->setDate(QDateTime::currentDateTimeUtc().date());
    date_->setCalendarPopup(true);
    auto* dateLabel = new QLabel(tr("&Date (UTC):"), this);
    dateLabel->setBuddy(date_);

    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(date_);
    top->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(print_, QDialogButtonBox::ActionRole);
    buttons->addButton(preview_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(print_, &QPushButton::clicked, this, &CAtTheDishDialog::OnPrint);
    connect(preview_, &QPushButton::clicked, this, &CAtTheDishDialog::OnPreview);
    connect(date_, &QDateEdit::dateChanged, this, &CAtTheDishDialog::Refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(page_, 1);
    layout->addWidget(buttons);
    resize(760, 620);
    Refresh();
}

void CAtTheDishDialog::Refresh()
{
    const QDate d = date_->date();
    const AtTheDishReport r = ReportAtTheDish(settings_, {d.year(), d.month(), d.day()});
    const bool rtl = layoutDirection() == Qt::RightToLeft;

    const auto degrees
        = [rtl](double value) { return Isolated(QString::number(value, 'f', 1) + QChar(0x00B0), rtl); };
    const auto hemisphere = [rtl](double value, char positive, char negative) {
        return Isolated(Utf8(FormatTenths(Tenths(value), positive, negative)), rtl);
    };
    const auto times = [&](double unixSeconds) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(std::llround(unixSeconds), QTimeZone::utc());
        return tr("%1 UTC (%2 local)")
            .arg(Isolated(utc.toString(QStringLiteral("HH:mm:ss")), rtl),
                 Isolated(utc.toLocalTime().toString(QStringLiteral("HH:mm:ss")), rtl));
    };
    const auto face = [&](double tilt) {
        if (Tenths(std::fabs(tilt)) == 0)
            return tr("vertical");
        return (tilt > 0 ? tr("%1 back from vertical") : tr("%1 forward from vertical"))
            .arg(degrees(std::fabs(tilt)));
    };

    QString dish = tr("Prime focus");
    if (settings_.dishOffset > 0)
        dish = (settings_.feedUp ? tr("Offset %1, feed arm above the dish")
                                 : tr("Offset %1, feed arm below the dish"))
                   .arg(degrees(settings_.dishOffset / 10.0));

    // Qt's rich text lays tables out left to right: right to left, the
    // columns go in reverse.
    const auto tableRow = [rtl](QStringList cells, const QString& tag) {
        if (rtl)
            std::reverse(cells.begin(), cells.end());
        QString row;
        for (const QString& c : cells)
            row += QStringLiteral("<%1>%2</%1>").arg(tag, c);
        return QStringLiteral("<tr>%1</tr>").arg(row);
    };
    QStringList rows;
    const auto row = [&](const QString& caption, const QString& text) {
        rows << tableRow({QStringLiteral("<b>%1</b>").arg(Escaped(caption)), text}, QStringLiteral("td"));
    };
    row(tr("Site"),
        Isolated(Escaped(Utf8(FormatSite(settings_.latitude, settings_.longitude, settings_.altitude))),
                 rtl));
    row(tr("Dish"), dish);
    QString compass = tr("Magnetic declination %1 (World Magnetic Model 2025)")
                          .arg(hemisphere(r.magneticDeclination, 'E', 'W'));
    if (!r.magneticModelCovers)
        compass
            += QStringLiteral("<br><b>")
               + tr("The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; "
                    "check it against a local source.")
               + QStringLiteral("</b>");
    row(tr("Compass"), compass);
    row(r.southern ? tr("True north") : tr("True south"),
        tr("Compass bearing %1").arg(degrees(r.trueSouthBearing)));
    row(tr("Motor axis"),
        tr("Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)")
            .arg(degrees(r.mount.axisElevation), degrees(r.mount.axisAzimuth),
                 degrees(CompassBearing(r.mount.axisAzimuth, r.magneticDeclination))));
    row(tr("Motor scale"),
        tr("%1 if it shows the axis elevation, %2 if it shows the latitude")
            .arg(degrees(r.mount.scaleAxisElevation), hemisphere(r.mount.scaleLatitude, 'N', 'S')));
    row(tr("Dish clamp"), tr("%1 against the motor axis").arg(hemisphere(r.mount.clampAngle, 'N', 'S')));
    row(tr("Motor at zero"),
        tr("Beam %1 up towards %2 true (%3 by compass); face %4")
            .arg(degrees(r.motorZero.beamBearing.elevation), degrees(r.motorZero.beamBearing.azimuth),
                 degrees(r.motorZeroCompassBearing), face(r.motorZero.faceTilt)));
    const double sunUp = r.transitSun.ElevationDegrees();
    const bool dueSouth = r.transitSun.azimuthDegrees > 90.0 && r.transitSun.azimuthDegrees < 270.0;
    QString sun = (dueSouth ? tr("Due south at %1") : tr("Due north at %1")).arg(times(r.transit));
    sun += sunUp > 0 ? tr(", %1 up: a plumb line's shadow then marks the meridian").arg(degrees(sunUp))
                     : tr(", below the horizon");
    row(tr("Sun"), sun);

    QStringList table;
    const QStringList headings{tr("Satellite"), tr("Azimuth"), tr("Compass"),           tr("Elevation"),
                               tr("Motor"),     tr("Face"),    tr("Sun at its azimuth")};
    QStringList escaped;
    for (const QString& h : headings)
        escaped << Escaped(h);
    table << tableRow(escaped, QStringLiteral("th"));
    for (const SatelliteAtTheDish& s : r.satellites) {
        const QString sunThere
            = s.sun ? tr("%1, %2 up").arg(times(s.sun->unixSeconds), degrees(s.sun->elevationDegrees))
                    : tr("never that day");
        const QStringList cells{Isolated(Utf8(FormatSatelliteLabel(s.position)), rtl),
                                degrees(s.satellite.azimuth),
                                degrees(s.compassBearing),
                                degrees(s.satellite.elevation),
                                hemisphere(s.motorAngleEast, 'E', 'W'),
                                Isolated(QString::fromStdString(FormatSignedDegrees(s.faceTilt, 1)), rtl),
                                sunThere};
        table << tableRow(cells, QStringLiteral("td"));
    }

    const QString notes = tr(
        "Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the "
        "motor's zero. Face: the inclinometer on the dish's face, degrees from vertical, + when the face "
        "looks up. When the sun stands at a satellite's azimuth, a plumb line's shadow points straight "
        "away from the satellite.");
    const QString direction = rtl ? QStringLiteral(" dir=\"rtl\"") : QString();
    html_
        = QStringLiteral(
              "<html><body%1><h3%1>%2</h3><p%1>%3</p><table%1 width=\"100%\" cellpadding=\"2\">%4</table>"
              "<table%1 width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">%5</table><p%1>%6</p></body></html>")
              .arg(direction, Escaped(tr("At the dish: %1").arg(title_)),
                   tr("On %1 (UTC)").arg(Isolated(date_->date().toString(Qt::ISODate), rtl)),
                   rows.join(QString()), table.join(QString()), Escaped(notes));
    QTextOption option = page_->document()->defaultTextOption();
    option.setTextDirection(layoutDirection());
    page_->document()->setDefaultTextOption(option);
    page_->setHtml(html_);
}

bool CAtTheDishDialog::PrintOn(QPrinter& printer)
{
    printer.setDocName(tr("At the dish: %1").arg(title_));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&printer);
    QTextOption option = doc.defaultTextOption();
    option.setTextDirection(layoutDirection());
    doc.setDefaultTextOption(option);
    // Large enough to read on a ladder.
    QFont font = doc.defaultFont();
    font.setPointSizeF(11.0);
    doc.setDefaultFont(font);
    doc.setHtml(html_);
    // The painter's origin is the corner of the printable area; all of it on one sheet.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    doc.setTextWidth(page.width());
    const double height = doc.size().height();
    if (height > page.height()) {
        const double scale = page.height() / height;
        painter.scale(scale, scale);
    }
    doc.drawContents(&painter);
    return painter.end();
}

void CAtTheDishDialog::OnPrint()
{
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted && !PrintOn(printer_))
        QMessageBox::warning(this, windowTitle(), tr("No printer is available."));
}

void CAtTheDishDialog::OnPreview()
{
    QPrintPreviewDialog preview(&printer_, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintOn(*printer); });
    preview.exec();
}

}  // namespace zenbelts
