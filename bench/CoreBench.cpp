// Costs of the core on the paths a user feels: a slider step, a relocation,
// opening a file, reading the satellite list.

#include "catalogue/SatelliteList.h"
#include "model/Diagnose.h"
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

// Every position once; arg 1 writes the list in descending order.
void ReadFullSatelliteList(benchmark::State& state)
{
    std::string text;
    char line[64];
    for (int k = 0; k < 3600; ++k) {
        const int p = state.range(0) ? 3599 - k : k;
        std::snprintf(line, sizeof line, "%04d=Satellite at position %d\r\n", p, p);
        text += line;
    }
    for (auto _ : state) {
        std::istringstream in(text);
        SatelliteCatalogue catalogue;
        benchmark::DoNotOptimize(ReadSatelliteList(in, catalogue));
    }
}
BENCHMARK(ReadFullSatelliteList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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

// The field assistant on a full list: twelve satellites, motor angles and
// offsets, found with the mount off the set-up in every adjustment.
void DiagnoseTwelveObservations(benchmark::State& state)
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < 3600; p += 10)
        catalogue.InsertOrRename(p, "S");
    MountSettings file;
    file.LoadFactoryDefaults(catalogue);
    const std::array<double, 6> real
        = {1.3, -0.8, 1.7, file.motorElevation / 10.0 - 1.1, 0.6, file.declination / 10.0 + 0.7};
    std::vector<Observation> observed;
    for (int k = 0; k < 12; ++k) {
        const int position = 50 + 60 * k;  // 5.0°E to 71.0°E, all well up from 77°E
        const PredictedAngles a = PredictAngles(file, real, position);
        observed.push_back({position, a.motorAngle, a.offset});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Diagnose(file, catalogue, observed));
}
BENCHMARK(DiagnoseTwelveObservations)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zenbelts

// Talking to the receiver: reading its satellite list, and the site to enter.

#include "catalogue/ReceiverFormats.h"
#include "model/Receiver.h"

namespace zenbelts {
namespace {

// A big list of the set-top-box kind: 200 satellites of 30 transponders.
void ImportSatellitesXml(benchmark::State& state)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    char line[256];
    for (int k = 0; k < 200; ++k) {
        const int tenths = k * 18 - 1790;
        std::snprintf(line, sizeof line,
                      "\t<sat name=\"%d.%d%c Ku-band Satellite %d &amp; Co\" flags=\"1\" position=\"%d\">\n",
                      std::abs(tenths) / 10, std::abs(tenths) % 10, tenths < 0 ? 'W' : 'E', k, tenths);
        xml += line;
        for (int t = 0; t < 30; ++t) {
            std::snprintf(line, sizeof line,
                          "\t\t<transponder frequency=\"%d\" symbol_rate=\"27500000\" polarization=\"%d\" "
                          "fec_inner=\"3\" system=\"1\" modulation=\"2\" />\n",
                          10700000 + t * 19000, t % 2);
            xml += line;
        }
        xml += "\t</sat>\n";
    }
    xml += "</satellites>\n";
    for (auto _ : state) {
        const ImportResult r = ImportReceiverFile(ReceiverFormat::Xml, "satellites.xml", xml);
        benchmark::DoNotOptimize(r.satellites.data());
    }
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(ImportSatellitesXml)->Unit(benchmark::kMillisecond);

// A hostile sources.conf: every line a new name at the same position, up to
// the largest file a receiver's list may be (arg: MiB). Merging must stay
// linear in the size: compare the throughput of the sizes.
void ImportHostileSources(benchmark::State& state)
{
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
    std::string text;
    text.reserve(bytes + 64);
    char line[64];
    for (int k = 0; text.size() < bytes; ++k) {
        std::snprintf(line, sizeof line, "S19.2E Astra %08d\n", k);
        text += line;
    }
    for (auto _ : state) {
        const ImportResult r = ImportReceiverFile(ReceiverFormat::Sources, "sources.conf", text);
        benchmark::DoNotOptimize(r.satellites.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ImportHostileSources)->Arg(1)->Arg(4)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);

// Every satellite of a list with one each 1.0° chosen: about 120 up from the
// factory site. Arg 1 turns the mount away from the ideal one.
void UsalsSiteSearch(benchmark::State& state)
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < PositionCount; p += 10)
        catalogue.InsertOrRename(p, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    for (int p = 0; p < PositionCount; p += 10)
        s.chosenSatellites.Set(p);
    if (state.range(0)) {
        s.poleEW = 30;
        s.motorAzimuth = -45;
        s.Recalculate(false);
    }
    UsalsSite site;
    for (auto _ : state) {
        site = FindUsalsSite(s, catalogue);
        // The whole record: a lone double through DoNotOptimize comes back spoilt.
        benchmark::DoNotOptimize(site);
    }
    state.counters["targets"] = site.targets;
    state.counters["before"] = site.worstBefore;
    state.counters["after"] = site.worstAfter;
}
BENCHMARK(UsalsSiteSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zenbelts
