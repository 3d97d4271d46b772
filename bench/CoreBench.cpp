// Costs of the core on the paths a user feels: a slider step, a relocation,
// opening a file, reading the satellite list.

#include "catalogue/SatelliteList.h"
#include "model/MountSettings.h"
#include "model/OptimiseMount.h"
#include "model/SettingsArchive.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>

namespace zenbelts {
namespace {

MountSettings Factory()
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < 3600; p += 30)
        catalogue.InsertOrRename(p, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    return s;
}

void RecalculateSliderStep(benchmark::State& state)
{
    MountSettings s = Factory();
    int step = 0;
    for (auto _ : state) {
        s.motorAzimuth = (step++ % 101) - 50;
        s.Recalculate(false);
        benchmark::DoNotOptimize(s.declination);
    }
}
BENCHMARK(RecalculateSliderStep);

void RecalculateRelocate(benchmark::State& state)
{
    MountSettings s = Factory();
    int step = 0;
    for (auto _ : state) {
        s.latitude = (step++ % 10801) - 5400;
        s.Recalculate(true);
        benchmark::DoNotOptimize(s.declination);
    }
}
BENCHMARK(RecalculateRelocate);

void LoadArchive(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = StoreSettings(Factory());
    MountSettings s;
    for (auto _ : state) {
        LoadSettings(bytes, s);
        benchmark::DoNotOptimize(s.declination);
    }
}
BENCHMARK(LoadArchive);

void ReadFullSatelliteList(benchmark::State& state)
{
    std::string text;
    char line[64];
    for (int p = 0; p < 3600; ++p) {
        std::snprintf(line, sizeof line, "%04d=Satellite at position %d\r\n", p, p);
        text += line;
    }
    for (auto _ : state) {
        std::istringstream in(text);
        SatelliteCatalogue catalogue;
        benchmark::DoNotOptimize(ReadSatelliteList(in, catalogue));
    }
}
BENCHMARK(ReadFullSatelliteList);

// The widest limits the format allows: 3,600 motor elevations to try.
void OptimiseWidestLimits(benchmark::State& state)
{
    const SatelliteCatalogue none;
    MountSettings start = Factory();
    start.motorElevationMin = start.declinationMin = LimitLowest;
    start.motorElevationMax = start.declinationMax = LimitHighest;
    for (auto _ : state) {
        MountSettings s = start;
        benchmark::DoNotOptimize(OptimiseMount(s, none, true));
    }
}
BENCHMARK(OptimiseWidestLimits)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zenbelts
