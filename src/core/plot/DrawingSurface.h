#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The small set of drawing operations the arc plot needs, in device units.
// Windows, images, paper, files and the browser's canvas implement it; the
// plot is written once against it.

namespace zenbelts {

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct PenSpec {
    int width;  // device units
    Rgb colour;
    bool operator==(const PenSpec&) const = default;
};

// A font by face and size: the character height (the em) in device units.
struct FontSpec {
    std::string face;
    int pixelSize;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb DarkGray{64, 64, 64};  // the stock dark grey brush
inline constexpr PenSpec BlackPen{1, Black};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void DrawLine(Point from, Point to) = 0;
    // Part of a circle, counterclockwise as seen on the page; angles in
    // degrees from the +x axis.
    virtual void DrawArc(Point centre, int radius, float startDegrees, float sweepDegrees) = 0;
    // One cubic Bezier segment from p[0] to p[3], controlled by p[1] and p[2].
    virtual void DrawBezier(const Point (&p)[4]) = 0;
    // Filled dark grey and outlined with the pen; the box excludes its right
    // and bottom edges.
    virtual void FillEllipse(const Rect& box) = 0;
    // Filled with a colour, no outline, whatever the pen; the corners in
    // order, the last joined to the first.
    virtual void FillPolygon(const std::vector<Point>& corners, Rgb colour) = 0;
    virtual void SetPixel(Point p, Rgb colour) = 0;
    // Black whatever the pen, its top-left corner at p, on a transparent
    // background. UTF-8.
    virtual void DrawText(Point topLeft, std::string_view text) = 0;
    // The width of a text in the current font.
    virtual int TextWidth(std::string_view text) = 0;

    virtual void SetPen(const PenSpec& pen) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void SetClip(const Rect& clip) = 0;
    virtual void ClearClip() = 0;
};

// What the plot needs to know of the target device and of the screen.
struct DeviceMetrics {
    int logPixelsX, logPixelsY;              // target, dots per inch
    int physicalWidth, physicalHeight;       // target page, dots (printing only)
    int physicalOffsetX, physicalOffsetY;    // page edge to printable area, dots
    int horzRes, vertRes;                    // printable area, dots
    int screenLogPixelsX, screenLogPixelsY;  // the screen, pixels per inch
    int screenHorzSize, screenVertSize;      // the screen, millimetres
    int screenHorzRes, screenVertRes;        // the screen, pixels
};

}  // namespace zenbelts
