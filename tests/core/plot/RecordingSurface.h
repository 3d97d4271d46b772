#pragma once

#include "plot/DrawingSurface.h"

#include <string>
#include <vector>

namespace zenbelts::testing_support {

// Keeps every call, so tests can assert the plot's numbers without a device.
class RecordingSurface : public DrawingSurface {
public:
    struct Arc {
        Point from;  // the current position when the arc was drawn
        Point centre;
        int radius;
        float start, sweep;
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

    void MoveTo(Point p) override
    {
        current_ = p;
        calls.push_back("MoveTo");
    }
    void LineTo(Point p) override
    {
        lines.push_back({current_, p, pen_});
        current_ = p;
        calls.push_back("LineTo");
    }
    void AngleArc(Point centre, int radius, float start, float sweep) override
    {
        arcs.push_back({current_, centre, radius, start, sweep});
        calls.push_back("AngleArc");
    }
    void PolyBezier(const Point (&p)[4]) override
    {
        beziers.push_back({{p[0], p[1], p[2], p[3]}});
        calls.push_back("PolyBezier");
    }
    void Ellipse(const Rect& box) override
    {
        ellipses.push_back(box);
        calls.push_back("Ellipse");
    }
    void SetPixel(Point p, Rgb colour) override
    {
        pixels.push_back({p, colour});
        calls.push_back("SetPixel");
    }
    void TextOut(Point p, std::string_view text) override
    {
        texts.push_back({p, std::string(text), font_});
        calls.push_back("TextOut");
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
    std::vector<Pixel> pixels;
    std::vector<Text> texts;
    std::vector<PenSpec> pens;
    std::vector<Rect> clips;

private:
    Point current_{0, 0};
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
