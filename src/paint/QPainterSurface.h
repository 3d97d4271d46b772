#pragma once

#include "plot/DrawingSurface.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

namespace zenbelts {

struct LaidOutText;  // a label ready to draw

// The drawing surface on a QPainter, in the painter's device units. Aliased,
// like the device contexts the plot's numbers were made for: a pen of width 1
// is one device pixel and a set pixel is exactly one. Consecutive Bezier
// segments are stroked together, at the next other call or at the end.
class QPainterSurface : public DrawingSurface {
public:
    explicit QPainterSurface(QPainter& painter);
    ~QPainterSurface() override;

    void DrawLine(Point from, Point to) override;
    void DrawArc(Point centre, int radius, float startDegrees, float sweepDegrees) override;
    void DrawBezier(const Point (&p)[4]) override;
    void FillEllipse(const Rect& box) override;
    void FillPolygon(const std::vector<Point>& corners, Rgb colour) override;
    void SetPixel(Point p, Rgb colour) override;
    void DrawText(Point topLeft, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    void SetPen(const PenSpec& pen) override;
    void SetFont(const FontSpec& font) override;
    void SetClip(const Rect& clip) override;
    void ClearClip() override;

    static QFont ToQFont(const FontSpec& font);

private:
    // Strokes the Bezier segments gathered so far as one path.
    void FlushCurves();
    // The labels of the current font, laid out once.
    QHash<QString, LaidOutText>& Labels();
    QRect DeviceRect() const;

    QPainter& painter_;
    QPainterPath curves_;
    QRect visible_;  // the device within the clip: what a stroke may reach
    QColor penColour_;
    // Label texts drawn from glyphs laid out once: only where that paints
    // the same pixels as drawText (images and windows, not paper or PDF),
    // and on the program's thread, which owns the cache.
    bool cachedText_;
    QHash<QString, LaidOutText>* labels_ = nullptr;  // of the current font
};

}  // namespace zenbelts
