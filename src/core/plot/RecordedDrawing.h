#pragma once

#include "plot/DrawingSurface.h"

#include <functional>
#include <string>
#include <string_view>

// A drawing kept as a list of its primitives, in JSON: what the page hands
// to the browser's canvas in one piece, and what the tests compare between
// the page and the tool. Each primitive is an array led by its name:
//   ["pen", width, r, g, b]          ["font", face, pixelSize, bold]
//   ["line", x0, y0, x1, y1]         ["arc", cx, cy, radius, start, sweep]
//   ["bezier", x0, y0, ..., x3, y3]  ["ellipse", left, top, right, bottom]
//   ["polygon", r, g, b, [x, y, ...]] ["pixel", x, y, r, g, b]
//   ["text", x, y, text]             ["clip", left, top, right, bottom]
//   ["noclip"]
// Arc angles as the shortest text that reads back as the float drawn.

namespace zenbelts {

class RecordedDrawing : public DrawingSurface {
public:
    // The width of a text in a font, as the device lays it out.
    using TextMeasure = std::function<int(const FontSpec& font, std::string_view text)>;
    explicit RecordedDrawing(TextMeasure measure) : measure_(std::move(measure)) {}

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

    // The primitives so far, one to a line: "[\n[...],\n[...]\n]".
    std::string Json() const { return json_.empty() ? "[]" : "[\n" + json_ + "\n]"; }

private:
    void Begin(const char* name);

    TextMeasure measure_;
    FontSpec font_{};
    std::string json_;
};

}  // namespace zenbelts
