#include "plot/ArcPlot.h"

#include "geometry/MountModel.h"
#include "model/Reach.h"
#include "plot/PageLayout.h"
#include "text/AngleText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace zenbelts {

int MulDiv(int n, int m, int d)
{
    if (d == 0)
        return -1;
    const long long product = static_cast<long long>(n) * m;
    const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(d)) / 2)
                                / std::llabs(static_cast<long long>(d));
    return static_cast<int>(((product < 0) != (d < 0)) ? -magnitude : magnitude);
}

PlotProjection ComputeProjection(const Rect& plot)
{
    const double w = plot.right - plot.left;
    const double h = plot.bottom - plot.top;
    const double s = h * 0.3333333333333333;
    const double half = w * 0.5;
    // The circle through the top centre and through both side edges a third lower.
    double r = (half * half + s * s) / (s + s);
    if (r < h * 1.5)
        r = h * 1.5;
    const int m = (plot.bottom + plot.top) / 2;
    PlotProjection p;
    p.halfAngle = std::asin(half / r);
    p.centreX = (plot.right + plot.left) / 2;
    p.centreY = static_cast<int>(m - s * 1.5 + r);
    p.baseRadius = r - s * 1.2;
    p.radiusPerDegree = s * 0.24;
    return p;
}

Point ProjectPoint(const PlotProjection& p, double a, double b)
{
    const double theta = a * 0.6366197723675814 * p.halfAngle;
    const double r = b * RadiansToDegrees * p.radiusPerDegree + p.baseRadius;
    return {static_cast<int>(p.centreX + 0.5 - r * std::sin(theta)),
            static_cast<int>(p.centreY + 0.5 - r * std::cos(theta))};
}

DeviceMetrics StandardScreenMetrics()
{
    DeviceMetrics m{};
    m.logPixelsX = m.logPixelsY = 96;
    m.screenLogPixelsX = m.screenLogPixelsY = 96;
    m.screenHorzSize = m.screenVertSize = 2646;  // millimetres for 10000 pixels
    m.screenHorzRes = m.screenVertRes = 10000;
    return m;
}

DrawingObjects ScreenDrawingObjects(int screenLogPixelsY)
{
    return {{"Arial", MulDiv(8, screenLogPixelsY, 72)}, {1, {192, 192, 192}}, {3, {255, 192, 192}}};
}

DrawingObjects PrintDrawingObjects(int d, int s)
{
    return {{"Arial", MulDiv(8, d, 72)}, {1, {192, 192, 192}}, {std::max(1, 3 * d / s), {255, 192, 192}}};
}

namespace {

constexpr double FiveDegrees = 0.08726646259971647;
constexpr double SeventyDegrees = 1.2217304763960306;

struct ArcAngles {
    float start, sweep;  // degrees, counterclockwise from the right end
};

ArcAngles ArcAnglesOf(const PlotProjection& p)
{
    return {static_cast<float>(p.halfAngle * -1 * RadiansToDegrees + 90),
            static_cast<float>(p.halfAngle * 114.59155902616465)};
}

// What the horizon mask hides, under everything else.
constexpr Rgb MaskShade{228, 228, 228};

// Each stretch of the arc the mask hides as a wedge across the plot between
// the motor angles of its ends, where the satellites there are drawn in
// either presentation. A flat horizon hides nothing of its own: nothing to
// work out, the plot as ever.
void DrawMaskShade(DrawingSurface& surface, const PlotProjection& p, const Rect& plot, const MountSettings& s,
                   const Matrix4& view)
{
    if (IsFlatHorizon(s.horizon))
        return;
    const std::vector<RingStretch> stretches = StretchesHiddenByMask(s);
    if (stretches.empty())
        return;
    const auto motorAngle = [&](int tenths) {
        return MountAngles(view, s.latitude, s.declination, ((tenths % 3600) + 3600) % 3600).a;
    };
    // Radii from the centre below the plot that span all of it.
    const double cx = p.centreX, cy = p.centreY;
    const double inner = std::max(0.0, cy - plot.bottom - 2.0);
    const double outer
        = std::hypot(std::max(std::fabs(plot.left - cx), std::fabs(plot.right - cx)), cy - plot.top) + 2.0;
    const auto at = [&](double theta, double r) {
        return Point{static_cast<int>(cx + 0.5 - r * std::sin(theta)),
                     static_cast<int>(cy + 0.5 - r * std::cos(theta))};
    };
    constexpr double Step
        = 0.5 / RadiansToDegrees;  // of the polygon's arcs: well under a pixel off the circle
    for (const RingStretch& stretch : stretches) {
        // Halfway to the unhidden neighbours either side.
        double a0 = (motorAngle(stretch.from - 1) + motorAngle(stretch.from)) / 2;
        double a1 = (motorAngle(stretch.to - 1) + motorAngle(stretch.to)) / 2;
        a0 = std::clamp(a0, -HalfPi, HalfPi);
        a1 = std::clamp(a1, -HalfPi, HalfPi);
        const double t0 = std::min(a0, a1) * 0.6366197723675814 * p.halfAngle;
        const double t1 = std::max(a0, a1) * 0.6366197723675814 * p.halfAngle;
        const int steps = std::max(1, static_cast<int>(std::ceil((t1 - t0) / Step)));
        std::vector<Point> corners;
        corners.reserve(2 * static_cast<std::size_t>(steps) + 2);
        for (int i = 0; i <= steps; ++i)
            corners.push_back(at(t0 + (t1 - t0) * i / steps, outer));
        for (int i = steps; i >= 0; --i)
            corners.push_back(at(t0 + (t1 - t0) * i / steps, inner));
        surface.FillPolygon(corners, MaskShade);
    }
}

void DrawGrid(DrawingSurface& surface, const PlotProjection& p, const PenSpec& pen)
{
    surface.SetPen(pen);
    const Point centre{p.centreX, p.centreY};
    for (double a : {HalfPi, SeventyDegrees, -SeventyDegrees, -HalfPi})
        surface.DrawLine(centre, ProjectPoint(p, a, FiveDegrees));
    const ArcAngles angles = ArcAnglesOf(p);
    for (int n : {-50, -40, -30, -20, -10, 10, 20, 30, 40, 50}) {
        const double e = n * TenthsToRadians;
        surface.DrawArc(centre, static_cast<int>(e * RadiansToDegrees * p.radiusPerDegree + p.baseRadius),
                        angles.start, angles.sweep);
    }
}

void DrawBeam(DrawingSurface& surface, const PlotProjection& p, const PenSpec& pen, const MountSettings& s,
              const Matrix4& view)
{
    surface.SetPen(pen);
    if (s.lockSatellites == 0) {
        const ArcAngles angles = ArcAnglesOf(p);
        surface.DrawArc({p.centreX, p.centreY}, static_cast<int>(p.radiusPerDegree * 0.0 + p.baseRadius),
                        angles.start, angles.sweep);
        return;
    }
    // The satellites stay on the offset-0 line and the path moves against
    // them, mirrored so that it passes above or below each satellite by the
    // angle the beam does in the other presentation.
    const auto mirrored = [&](int ring) {
        const MountAngle m = MountAngles(view, s.latitude, s.declination, ring);
        return ProjectPoint(p, m.a, -m.b);
    };
    bool previousValid = false;
    Point previous{0, 0};
    for (int ring = 0; ring <= 3600; ring += 10) {
        const MountAngle m = MountAngles(view, s.latitude, s.declination, ring);
        const bool valid = std::fabs(m.a) < HalfPi && std::fabs(m.b) < HalfPi;
        const Point here = ProjectPoint(p, m.a, -m.b);
        if (valid && previousValid) {
            const Point segment[4] = {previous, mirrored(ring - 7), mirrored(ring - 3), here};
            surface.DrawBezier(segment);
        }
        previous = here;
        previousValid = valid;
    }
}

void DrawChosenMark(DrawingSurface& surface, Point c, bool printing, int d, int s)
{
    if (printing) {
        const int j = std::max(1, 3 * d / s), k = j / 2;
        surface.FillEllipse({c.x - k, c.y - k, c.x - k + j + 1, c.y - k + j + 1});
        return;
    }
    static constexpr Rgb Shade[3][3] = {{{128, 128, 128}, {64, 64, 64}, {128, 128, 128}},
                                        {{64, 64, 64}, {0, 0, 0}, {64, 64, 64}},
                                        {{128, 128, 128}, {64, 64, 64}, {128, 128, 128}}};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx)
            surface.SetPixel({c.x + dx, c.y + dy}, Shade[dy + 1][dx + 1]);
    }
}

void DrawPlainMark(DrawingSurface& surface, Point c, bool printing, int d, int s)
{
    if (printing) {
        const int j = std::max(1, d / s), k = j / 2;
        surface.FillEllipse({c.x - k, c.y - k, c.x - k + j + 1, c.y - k + j + 1});
        return;
    }
    surface.SetPixel(c, Black);
}

// Where labels went, so that none is drawn over another: a label takes the
// first free place of below right and below left of its mark, or none.
class LabelPlaces {
public:
    explicit LabelPlaces(int cell) : cell_(std::max(1, cell)) {}

    bool Take(const Rect& r)
    {
        const int x0 = Cell(r.left), x1 = Cell(r.right), y0 = Cell(r.top), y1 = Cell(r.bottom);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const auto found = cells_.find(Key(x, y));
                if (found == cells_.end())
                    continue;
                for (const Rect& other : found->second) {
                    if (r.left < other.right && other.left < r.right && r.top < other.bottom
                        && other.top < r.bottom)
                        return false;
                }
            }
        }
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x)
                cells_[Key(x, y)].push_back(r);
        }
        return true;
    }

private:
    int Cell(int v) const { return v >= 0 ? v / cell_ : -((-v + cell_ - 1) / cell_); }
    static long long Key(int x, int y)
    {
        return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y);
    }

    int cell_;
    std::unordered_map<long long, std::vector<Rect>> cells_;
};

void DrawSatellites(DrawingSurface& surface, const PlotProjection& p, const ArcPlotRequest& request,
                    const FontSpec& font, const Matrix4& view)
{
    const MountSettings& s = request.settings;
    const int d = request.metrics.logPixelsX;
    const int screen = request.metrics.screenLogPixelsX;
    const int labelOffset = std::max(1, 2 * d / screen);
    // A line of text, with room to breathe.
    const int labelHeight = font.pixelSize + font.pixelSize / 4 + 1;
    surface.SetFont(font);
    surface.SetPen(BlackPen);
    LabelPlaces places(4 * labelHeight);
    for (const SatelliteEntry& entry : request.catalogue) {
        const MountAngle m = MountAngles(view, s.latitude, s.declination, entry.position);
        const Point at = ProjectPoint(p, m.a, s.lockSatellites != 0 ? 0.0 : m.b);
        if (!s.chosenSatellites.Test(entry.position)) {
            DrawPlainMark(surface, at, request.printing, d, screen);
            continue;
        }
        DrawChosenMark(surface, at, request.printing, d, screen);
        const std::string label = FormatSatelliteLabel(entry.position);
        const int width = surface.TextWidth(label);
        const int top = at.y + labelOffset;
        for (const int left : {at.x + labelOffset, at.x - labelOffset - width}) {
            if (places.Take({left, top, left + width, top + labelHeight})) {
                surface.DrawText({left, top}, label);
                break;
            }
        }
    }
}

void DrawLegend(DrawingSurface& surface, const ArcPlotRequest& request, const PageLayout& page)
{
    surface.SetFont(LegendFont(request.metrics.logPixelsY));
    Point at = page.legendTopLeft;
    if (!request.words) {
        for (const std::string& line : LegendLines(request.settings)) {
            surface.DrawText(at, line);
            at.y += page.legendLineSpacing;
        }
        return;
    }
    // Translated captions differ in length: the values stand in a column
    // of their own, a blank's width after the widest caption.
    const std::array<LegendLine, 6> legend = Legend(request.settings);
    std::array<std::string, 6> captions;
    int column = 0;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        captions[i] = request.words(legend[i].caption);
        column = std::max(column, surface.TextWidth(captions[i] + " "));
    }
    for (std::size_t i = 0; i < legend.size(); ++i) {
        surface.DrawText(at, captions[i]);
        surface.DrawText({at.x + column, at.y}, request.words(legend[i].value));
        at.y += page.legendLineSpacing;
    }
}

}  // namespace

void DrawArcPlot(DrawingSurface& surface, const ArcPlotRequest& request)
{
    const DeviceMetrics& dm = request.metrics;
    if (request.clientWidth < 12 || request.clientHeight < 11)
        return;
    const int widthMm = MulDiv(request.clientWidth - 8, dm.screenHorzSize, dm.screenHorzRes);
    const int heightMm = MulDiv(request.clientHeight - 8, dm.screenVertSize, dm.screenVertRes);
    if (widthMm <= 0 || heightMm <= 0)
        return;

    Rect rect{4, 4, request.clientWidth - 4, request.clientHeight - 4};
    if (request.printing) {
        const PageLayout page = ComputePageLayout(dm, widthMm, heightMm);
        if (page.blank)
            return;
        DrawLegend(surface, request, page);
        rect = page.clip;
    }
    if (rect.Width() < 4 || rect.Height() < 3)
        return;
    surface.SetClip(rect);
    const Rect plot{rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4};
    // The projection divides by the plot's height and needs some width: with
    // neither there is nothing to draw but the background.
    if (plot.Width() <= 0 || plot.Height() <= 0) {
        surface.ClearClip();
        return;
    }

    const DrawingObjects objects
        = request.printing ? PrintDrawingObjects(dm.logPixelsX, dm.screenLogPixelsX) : request.screenObjects;
    const PlotProjection projection = ComputeProjection(plot);
    Matrix4 view;
    MatrixAdjugate(request.settings.mountFrame, view);
    DrawMaskShade(surface, projection, plot, request.settings, view);
    DrawGrid(surface, projection, objects.gridPen);

    DrawBeam(surface, projection, objects.highlightPen, request.settings, view);
    DrawSatellites(surface, projection, request, objects.labelFont, view);
    surface.ClearClip();
}

bool PageShowsThePlot(int clientWidth, int clientHeight, const DeviceMetrics& page)
{
    // As DrawArcPlot decides, up to a plot with some room inside its inset.
    if (clientWidth < 12 || clientHeight < 11)
        return false;
    const int widthMm = MulDiv(clientWidth - 8, page.screenHorzSize, page.screenHorzRes);
    const int heightMm = MulDiv(clientHeight - 8, page.screenVertSize, page.screenVertRes);
    if (widthMm <= 0 || heightMm <= 0)
        return false;
    const PageLayout layout = ComputePageLayout(page, widthMm, heightMm);
    return !layout.blank && layout.clip.Width() > 8 && layout.clip.Height() > 8;
}

}  // namespace zenbelts
