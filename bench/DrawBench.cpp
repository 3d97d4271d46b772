// One full drawing of a busy plot: the shipped list, every entry chosen,
// satellites locked (the costlier presentation), a 1920 x 1080 window.

#include "catalogue/SatelliteList.h"
#include "view/ArcPlotOutput.h"
#include "view/QPainterSurface.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace zenbelts {
namespace {

// Counts calls and draws nothing: what remains is the plot's own arithmetic.
class NullSurface : public DrawingSurface {
public:
    void MoveTo(Point) override {}
    void LineTo(Point) override {}
    void AngleArc(Point, int, float, float) override {}
    void PolyBezier(const Point (&)[4]) override {}
    void Ellipse(const Rect&) override {}
    void SetPixel(Point p, Rgb) override { benchmark::DoNotOptimize(p); }
    void TextOut(Point, std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void SetPen(const PenSpec&) override {}
    void SetFont(const FontSpec&) override {}
    void SetClip(const Rect&) override {}
    void ClearClip() override {}
};

struct BusyPlot {
    SatelliteCatalogue catalogue;
    MountSettings settings;
    BusyPlot()
    {
        if (!LoadSatelliteListFile("sats.lst", catalogue))
            throw std::runtime_error("run from the folder that holds sats.lst");
        settings.LoadFactoryDefaults(catalogue);
        for (const SatelliteEntry& e : catalogue)
            settings.chosenSatellites.Set(e.position);
        settings.lockSatellites = 1;
    }
};

void DrawCoreOnly(benchmark::State& state)
{
    const BusyPlot plot;
    NullSurface surface;
    const ArcPlotRequest request{plot.settings,           plot.catalogue,          1920, 1080, false,
                                 StandardScreenMetrics(), ScreenDrawingObjects(96)};
    for (auto _ : state)
        DrawArcPlot(surface, request);
    state.counters["entries"] = static_cast<double>(plot.catalogue.size());
}
BENCHMARK(DrawCoreOnly)->Unit(benchmark::kMicrosecond);

void DrawIntoImage(benchmark::State& state)
{
    const BusyPlot plot;
    QImage image(1920, 1080, QImage::Format_RGB32);
    const ArcPlotRequest request{plot.settings,           plot.catalogue,          1920, 1080, false,
                                 StandardScreenMetrics(), ScreenDrawingObjects(96)};
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterSurface surface(painter);
        DrawArcPlot(surface, request);
    }
}
BENCHMARK(DrawIntoImage)->Unit(benchmark::kMicrosecond);

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
