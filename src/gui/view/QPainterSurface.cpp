#include "view/QPainterSurface.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zenbelts {

namespace {

QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}
QPointF ToQPoint(Point p)
{
    return QPointF(p.x, p.y);
}

}  // namespace

QPainterSurface::QPainterSurface(QPainter& painter) : painter_(painter)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(ToQColor(DarkGray));
    painter_.setBackgroundMode(Qt::TransparentMode);
    SetPen(BlackPen);
}

QPainterSurface::~QPainterSurface()
{
    painter_.restore();
}

void QPainterSurface::MoveTo(Point p)
{
    current_ = ToQPoint(p);
}

void QPainterSurface::LineTo(Point p)
{
    painter_.drawLine(current_, ToQPoint(p));
    current_ = ToQPoint(p);
}

void QPainterSurface::AngleArc(Point centre, int radius, float startDegrees, float sweepDegrees)
{
    // Counterclockwise on the page is counterclockwise in Qt's arc angles too.
    const double start = startDegrees * (M_PI / 180.0);
    const QPointF begin(centre.x + radius * std::cos(start), centre.y - radius * std::sin(start));
    painter_.drawLine(current_, begin);
    QPainterPath path(begin);
    path.arcTo(QRectF(centre.x - radius, centre.y - radius, 2.0 * radius, 2.0 * radius), startDegrees,
               sweepDegrees);
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
    current_ = path.currentPosition();
}

void QPainterSurface::PolyBezier(const Point (&p)[4])
{
    QPainterPath path(ToQPoint(p[0]));
    path.cubicTo(ToQPoint(p[1]), ToQPoint(p[2]), ToQPoint(p[3]));
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
    current_ = ToQPoint(p[3]);
}

void QPainterSurface::Ellipse(const Rect& box)
{
    // The box excludes its right and bottom edges; an aliased outline of
    // QRect(x, y, w, h) covers w + 1 pixels.
    painter_.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

void QPainterSurface::SetPixel(Point p, Rgb colour)
{
    painter_.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(colour));
}

void QPainterSurface::TextOut(Point p, std::string_view text)
{
    painter_.save();
    painter_.setPen(QColor(Qt::black));
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPointF(p.x, p.y + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    painter_.restore();
}

void QPainterSurface::SetPen(const PenSpec& pen)
{
    painter_.setPen(QPen(ToQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QFont QPainterSurface::ToQFont(const FontSpec& font)
{
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    return f;
}

void QPainterSurface::SetFont(const FontSpec& font)
{
    painter_.setFont(ToQFont(font));
}

void QPainterSurface::SetClip(const Rect& clip)
{
    painter_.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
}

void QPainterSurface::ClearClip()
{
    painter_.setClipping(false);
}

}  // namespace zenbelts
