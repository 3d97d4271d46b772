#pragma once

#include "plot/DrawingSurface.h"

#include <cmath>
#include <string>
#include <vector>

namespace zenbelts::testing_support {

// Keeps every call, so tests can assert the plot's numbers without a device.
class RecordingSurface : public DrawingSurface {
public:
    struct Arc {
        Point centre;
        int radius;
        float start, sweep;
        // Where the arc begins, in whole device units as the plot projects points.
        Point Begin() const
        {
            const double a = start * 3.14159265358979323846 / 180.0;
            return {static_cast<int>(centre.x + 0.5 + radius * std::cos(a)),
                    static_cast<int>(centre.y + 0.5 - radius * std::sin(a))};
        }
    };
    struct Line {
        Point from, to;
        PenSpec pen;
    };
    struct Pixel {
        Point at;
        Rgb colour;
    };
    struct Text {
        Point at;
        std::string text;
        FontSpec font;
    };
    struct Bezier {
        Point p[4];
    };
    struct Polygon {
        std::vector<Point> corners;
        Rgb colour;
    };

    void DrawLine(Point from, Point to) override
    {
        lines.push_back({from, to, pen_});
        calls.push_back("DrawLine");
    }
    void DrawArc(Point centre, int radius, float start, float sweep) override
    {
        arcs.push_back({centre, radius, start, sweep});
        calls.push_back("DrawArc");
    }
    void DrawBezier(const Point (&p)[4]) override
    {
        beziers.push_back({{p[0], p[1], p[2], p[3]}});
        calls.push_back("DrawBezier");
    }
    void FillEllipse(const Rect& box) override
    {
        ellipses.push_back(box);
        calls.push_back("FillEllipse");
    }
    void FillPolygon(const std::vector<Point>& corners, Rgb colour) override
    {
        polygons.push_back({corners, colour});
        calls.push_back("FillPolygon");
    }
    void SetPixel(Point p, Rgb colour) override
    {
        pixels.push_back({p, colour});
        calls.push_back("SetPixel");
    }
    void DrawText(Point p, std::string_view text) override
    {
        texts.push_back({p, std::string(text), font_});
        calls.push_back("DrawText");
    }
    // A fixed pitch of 0.6 em a character, as a typical face averages.
    int TextWidth(std::string_view text) override
    {
        int characters = 0;
        for (char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return characters * font_.pixelSize * 3 / 5;
    }
    void SetPen(const PenSpec& pen) override
    {
        pen_ = pen;
        pens.push_back(pen);
    }
    void SetFont(const FontSpec& font) override { font_ = font; }
    void SetClip(const Rect& clip) override { clips.push_back(clip); }
    void ClearClip() override { calls.push_back("ClearClip"); }

    bool Empty() const { return calls.empty() && clips.empty(); }

    std::vector<std::string> calls;
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<Bezier> beziers;
    std::vector<Rect> ellipses;
    std::vector<Polygon> polygons;
    std::vector<Pixel> pixels;
    std::vector<Text> texts;
    std::vector<PenSpec> pens;
    std::vector<Rect> clips;

private:
    PenSpec pen_{1, Black};
    FontSpec font_{};
};

// The worked examples' screen: 96 dpi, 320 x 240 mm for 1280 x 960 pixels.
inline DeviceMetrics WorkedScreen()
{
    DeviceMetrics m{};
    m.logPixelsX = m.logPixelsY = 96;
    m.screenLogPixelsX = m.screenLogPixelsY = 96;
    m.screenHorzSize = 320;
    m.screenVertSize = 240;
    m.screenHorzRes = 1280;
    m.screenVertRes = 960;
    return m;
}

}  // namespace zenbelts::testing_support
