// One full drawing of a busy plot into a 1920 x 1080 window: the shipped list
// (120 entries) or one entry at each of the 3,600 positions, every entry
// chosen, with the satellites locked (the costlier presentation) or not.

#include "catalogue/SatelliteList.h"
#include "paint/ArcPlotOutput.h"
#include "paint/QPainterSurface.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace zenbelts {
namespace {

// Counts calls and draws nothing: what remains is the plot's own arithmetic.
class NullSurface : public DrawingSurface {
public:
    void DrawLine(Point, Point) override {}
    void DrawArc(Point, int, float, float) override {}
    void DrawBezier(const Point (&)[4]) override {}
    void FillEllipse(const Rect&) override {}
    void FillPolygon(const std::vector<Point>& corners, Rgb) override
    {
        benchmark::DoNotOptimize(corners.data());
    }
    void SetPixel(Point p, Rgb) override { benchmark::DoNotOptimize(p); }
    void DrawText(Point, std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
    int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    void SetPen(const PenSpec&) override {}
    void SetFont(const FontSpec&) override {}
    void SetClip(const Rect&) override {}
    void ClearClip() override {}
};

// entries: 120 for the shipped list, else one at every position.
struct BusyPlot {
    SatelliteCatalogue catalogue;
    MountSettings settings;
    BusyPlot(std::int64_t entries, bool locked)
    {
        if (entries <= 120) {
            if (!LoadSatelliteListFile("sats.lst", catalogue))
                throw std::runtime_error("run from the folder that holds sats.lst");
        } else {
            for (int p = 0; p < PositionCount; ++p)
                catalogue.InsertOrRename(p, "Satellite at position " + std::to_string(p));
        }
        settings.LoadFactoryDefaults(catalogue);
        for (const SatelliteEntry& e : catalogue)
            settings.chosenSatellites.Set(e.position);
        settings.lockSatellites = locked ? 1 : 0;
    }
};

void DrawCoreOnly(benchmark::State& state)
{
    const BusyPlot plot(state.range(0), state.range(1) != 0);
    NullSurface surface;
    const ArcPlotRequest request{plot.settings,           plot.catalogue,          1920, 1080, false,
                                 StandardScreenMetrics(), ScreenDrawingObjects(96)};
    for (auto _ : state)
        DrawArcPlot(surface, request);
    state.counters["entries"] = static_cast<double>(plot.catalogue.size());
}
BENCHMARK(DrawCoreOnly)
    ->ArgsProduct({{120, 3600}, {0, 1}})
    ->ArgNames({"entries", "locked"})
    ->Unit(benchmark::kMicrosecond);

// The same behind two obstacles of a horizon mask: what shading them costs.
void DrawCoreOnlyBehindObstacles(benchmark::State& state)
{
    BusyPlot plot(state.range(0), state.range(1) != 0);
    plot.settings.horizon
        = {{1300, 0}, {1400, 250}, {1600, 250}, {1650, 0}, {2300, 0}, {2350, 120}, {2600, 120}, {2700, 0}};
    NullSurface surface;
    const ArcPlotRequest request{plot.settings,           plot.catalogue,          1920, 1080, false,
                                 StandardScreenMetrics(), ScreenDrawingObjects(96)};
    for (auto _ : state)
        DrawArcPlot(surface, request);
}
BENCHMARK(DrawCoreOnlyBehindObstacles)
    ->ArgsProduct({{120}, {0, 1}})
    ->ArgNames({"entries", "locked"})
    ->Unit(benchmark::kMicrosecond);

void DrawIntoImage(benchmark::State& state)
{
    const BusyPlot plot(state.range(0), state.range(1) != 0);
    QImage image(1920, 1080, QImage::Format_RGB32);
    const ArcPlotRequest request{plot.settings,           plot.catalogue,          1920, 1080, false,
                                 StandardScreenMetrics(), ScreenDrawingObjects(96)};
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterSurface surface(painter);
        DrawArcPlot(surface, request);
    }
    state.counters["entries"] = static_cast<double>(plot.catalogue.size());
}
BENCHMARK(DrawIntoImage)
    ->ArgsProduct({{120, 3600}, {0, 1}})
    ->ArgNames({"entries", "locked"})
    ->Unit(benchmark::kMicrosecond);

// The PNG of a drawn plot: 1920 x 1080 has a handful of colours (indices);
// 320 x 200, its anti-aliased edges crowded, has more (full colour).
void EncodePlotPng(benchmark::State& state)
{
    const BusyPlot plot(120, false);
    const QImage image = RenderArcPlotImage(
        plot.settings, plot.catalogue, {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))},
        StandardScreenMetrics(), ScreenDrawingObjects(96));
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = EncodePng(image).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["palette"] = ToPaletteImage(image).isNull() ? 0 : 1;
}
BENCHMARK(EncodePlotPng)->Args({1920, 1080})->Args({320, 200})->Unit(benchmark::kMicrosecond);

// The same through the general writer, for comparison.
void EncodePlotPngGeneral(benchmark::State& state)
{
    const BusyPlot plot(120, false);
    const QImage image = RenderArcPlotImage(
        plot.settings, plot.catalogue, {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))},
        StandardScreenMetrics(), ScreenDrawingObjects(96));
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        bytes = png.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(EncodePlotPngGeneral)->Args({1920, 1080})->Args({320, 200})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zenbelts

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
