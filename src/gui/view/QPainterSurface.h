#pragma once

#include "plot/DrawingSurface.h"

#include <QFont>
#include <QPainter>
#include <QPointF>

namespace zenbelts {

// The drawing surface on a QPainter, in the painter's device units. Aliased,
// like the device contexts the plot's numbers were made for: a pen of width 1
// is one device pixel and a set pixel is exactly one.
class QPainterSurface : public DrawingSurface {
public:
    explicit QPainterSurface(QPainter& painter);
    ~QPainterSurface() override;

    void MoveTo(Point p) override;
    void LineTo(Point p) override;
    void AngleArc(Point centre, int radius, float startDegrees, float sweepDegrees) override;
    void PolyBezier(const Point (&p)[4]) override;
    void Ellipse(const Rect& box) override;
    void SetPixel(Point p, Rgb colour) override;
    void TextOut(Point p, std::string_view text) override;
    void SetPen(const PenSpec& pen) override;
    void SetFont(const FontSpec& font) override;
    void SetClip(const Rect& clip) override;
    void ClearClip() override;

    static QFont ToQFont(const FontSpec& font);

private:
    QPainter& painter_;
    QPointF current_;
};

}  // namespace zenbelts
