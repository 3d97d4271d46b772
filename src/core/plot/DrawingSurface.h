#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The small set of drawing operations the arc plot needs, in device units.
// Screen, paper and preview implement it; the plot is written once against it.

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

// A font by face, height and weight. A negative height is the character
// height in device units (the em), a positive one the cell height.
struct FontSpec {
    std::string face;
    int height;
    int weight;  // 400 normal
    bool operator==(const FontSpec&) const = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb DarkGray{64, 64, 64};  // the stock dark grey brush
inline constexpr PenSpec BlackPen{1, Black};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void MoveTo(Point p) = 0;
    virtual void LineTo(Point p) = 0;
    // A line from the current position to the arc's start, then the arc,
    // counterclockwise as seen on the page; angles in degrees from the +x axis.
    virtual void AngleArc(Point centre, int radius, float startDegrees, float sweepDegrees) = 0;
    // One cubic Bezier segment through p[0] and p[3], controlled by p[1], p[2].
    virtual void PolyBezier(const Point (&p)[4]) = 0;
    // Filled with the dark grey brush, outlined with the current pen; the box
    // excludes its right and bottom edges.
    virtual void Ellipse(const Rect& box) = 0;
    virtual void SetPixel(Point p, Rgb colour) = 0;
    // Top-left corner of the text at p, transparent background. UTF-8.
    virtual void TextOut(Point p, std::string_view text) = 0;

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
