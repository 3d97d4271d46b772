#include "paint/QPainterSurface.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTextLayout>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zenbelts {

// A label laid out once: its glyphs, and where their origin lies from the
// text's top-left corner.
struct LaidOutText {
    QList<QGlyphRun> runs;
    QPointF origin;
    int width;
};

namespace {

QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}
QPointF ToQPoint(Point p)
{
    return QPointF(p.x, p.y);
}

// The labels painted on the program's thread, by font and resolution, then
// by text; emptied before the fonts go, at the application's end.
QHash<QString, QHash<QString, LaidOutText>>* labelCache = nullptr;

QHash<QString, LaidOutText>& LabelsInFont(const QFont& font, const QPaintDevice& device)
{
    if (!labelCache) {
        labelCache = new QHash<QString, QHash<QString, LaidOutText>>;
        qAddPostRoutine([] {
            delete labelCache;
            labelCache = nullptr;
        });
    }
    return (*labelCache)[font.key()
                         + QStringLiteral("@%1x%2").arg(device.logicalDpiX()).arg(device.logicalDpiY())];
}

const LaidOutText& LaidOut(QHash<QString, LaidOutText>& labels, const QString& text, const QFont& font,
                           QPaintDevice* device)
{
    if (const auto found = labels.constFind(text); found != labels.constEnd())
        return *found;
    // A plot has a label for each of at most 3,600 positions.
    if (labels.size() >= 16384)
        labels.clear();
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    LaidOutText laid;
    laid.runs = layout.glyphRuns();
    // drawText puts the baseline a whole font-metrics ascent below the top.
    const int ascent = QFontMetrics(font, device).ascent();
    laid.origin = QPointF(0, ascent - (line.isValid() ? line.ascent() : 0));
    laid.width = QFontMetrics(font, device).horizontalAdvance(text);
    return *labels.insert(text, std::move(laid));
}

}  // namespace

QPainterSurface::QPainterSurface(QPainter& painter)
    : painter_(painter),
      cachedText_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster
                  && QCoreApplication::instance()
                  && QThread::currentThread() == QCoreApplication::instance()->thread())
{
    painter_.save();
    visible_ = DeviceRect();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Only the ellipses are filled: they set the brush for themselves.
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackgroundMode(Qt::TransparentMode);
    SetPen(BlackPen);
}

QPainterSurface::~QPainterSurface()
{
    FlushCurves();
    painter_.restore();
}

QRect QPainterSurface::DeviceRect() const
{
    const QPaintDevice* device = painter_.device();
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}

void QPainterSurface::FlushCurves()
{
    if (curves_.isEmpty())
        return;
    painter_.drawPath(curves_);
    curves_.clear();
}

void QPainterSurface::DrawLine(Point from, Point to)
{
    FlushCurves();
    painter_.drawLine(ToQPoint(from), ToQPoint(to));
}

void QPainterSurface::DrawArc(Point centre, int radius, float startDegrees, float sweepDegrees)
{
    FlushCurves();
    // Counterclockwise on the page is counterclockwise in Qt's arc angles too.
    const double start = startDegrees * (M_PI / 180.0);
    QPainterPath path(QPointF(centre.x + radius * std::cos(start), centre.y - radius * std::sin(start)));
    path.arcTo(QRectF(centre.x - radius, centre.y - radius, 2.0 * radius, 2.0 * radius), startDegrees,
               sweepDegrees);
    painter_.drawPath(path);
}

void QPainterSurface::DrawBezier(const Point (&p)[4])
{
    // Each segment a subpath of its own, capped at both ends as when
    // stroked alone: the pixels stay those of one stroke per segment.
    // Most of the path can lie far outside the window; the stroker would
    // still flatten and cap all of it.
    if (painter_.transform().isIdentity()) {
        const auto [minX, maxX] = std::minmax({p[0].x, p[1].x, p[2].x, p[3].x});
        const auto [minY, maxY] = std::minmax({p[0].y, p[1].y, p[2].y, p[3].y});
        const int margin = painter_.pen().width() + 2;
        if (!QRect(QPoint(minX - margin, minY - margin), QPoint(maxX + margin, maxY + margin))
                 .intersects(visible_))
            return;
    }
    curves_.moveTo(ToQPoint(p[0]));
    curves_.cubicTo(ToQPoint(p[1]), ToQPoint(p[2]), ToQPoint(p[3]));
}

void QPainterSurface::FillEllipse(const Rect& box)
{
    // The box excludes its right and bottom edges; an aliased outline of
    // QRect(x, y, w, h) covers w + 1 pixels.
    FlushCurves();
    painter_.setBrush(ToQColor(DarkGray));
    painter_.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterSurface::FillPolygon(const std::vector<Point>& corners, Rgb colour)
{
    FlushCurves();
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(corners.size()));
    for (const Point& c : corners)
        polygon.append(ToQPoint(c));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(colour));
    painter_.drawPolygon(polygon);
    painter_.restore();
}

void QPainterSurface::SetPixel(Point p, Rgb colour)
{
    FlushCurves();
    painter_.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(colour));
}

QHash<QString, LaidOutText>& QPainterSurface::Labels()
{
    if (!labels_)
        labels_ = &LabelsInFont(painter_.font(), *painter_.device());
    return *labels_;
}

void QPainterSurface::DrawText(Point topLeft, std::string_view text)
{
    FlushCurves();
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Text is black whatever the pen.
    const bool black = penColour_ == QColor(Qt::black);
    const QPen pen = painter_.pen();
    if (!black)
        painter_.setPen(QColor(Qt::black));
    if (cachedText_) {
        const LaidOutText& laid = LaidOut(Labels(), string, painter_.font(), painter_.device());
        const QPointF at = ToQPoint(topLeft) + laid.origin;
        for (const QGlyphRun& run : laid.runs)
            painter_.drawGlyphRun(at, run);
    } else {
        painter_.drawText(QPointF(topLeft.x, topLeft.y + painter_.fontMetrics().ascent()), string);
    }
    if (!black)
        painter_.setPen(pen);
}

int QPainterSurface::TextWidth(std::string_view text)
{
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (cachedText_)
        return LaidOut(Labels(), string, painter_.font(), painter_.device()).width;
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(string);
}

void QPainterSurface::SetPen(const PenSpec& pen)
{
    FlushCurves();
    penColour_ = ToQColor(pen.colour);
    painter_.setPen(QPen(ToQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QFont QPainterSurface::ToQFont(const FontSpec& font)
{
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.pixelSize));
    f.setBold(font.bold);
    return f;
}

void QPainterSurface::SetFont(const FontSpec& font)
{
    FlushCurves();
    labels_ = nullptr;
    painter_.setFont(ToQFont(font));
}

void QPainterSurface::SetClip(const Rect& clip)
{
    FlushCurves();
    painter_.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
    visible_ = DeviceRect() & QRect(clip.left, clip.top, clip.Width(), clip.Height());
}

void QPainterSurface::ClearClip()
{
    FlushCurves();
    painter_.setClipping(false);
    visible_ = DeviceRect();
}

}  // namespace zenbelts
