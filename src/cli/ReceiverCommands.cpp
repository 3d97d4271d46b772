#include "cli/ReceiverCommands.h"

#include "catalogue/ReceiverSources.h"
#include "cli/Cli.h"
#include "cli/CommandFiles.h"
#include "cli/TextOut.h"
#include "io/FileAccess.h"
#include "model/OptimiseMount.h"
#include "model/Receiver.h"
#include "text/AngleText.h"
#include "text/Numbers.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace zenbelts::cli {

namespace fs = std::filesystem;

namespace {

std::string Count(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string CountsText(const ImportResult& r)
{
    return "read " + Count(static_cast<std::size_t>(r.read), "entry", "entries") + ", merged "
           + std::to_string(r.merged) + ", skipped " + std::to_string(r.skipped)
           + (r.cut > 0
                  ? ", cut " + Count(static_cast<std::size_t>(r.cut), "name", "names") + " to fit a line"
                  : "");
}

ImportResult ReadSources(const std::vector<std::string>& sources, std::optional<ReceiverFormat> format,
                         ReceiverSourceUse use)
{
    ImportResult result;
    Message error;
    if (!ImportReceiverSources({sources.begin(), sources.end()}, format, use, result, error))
        Fail(error.English());
    if (result.satellites.empty())
        Fail("zenbelts-cli: found no satellites in the sources (" + CountsText(result) + ")");
    return result;
}

// The formats that name satellites, by their names on the command line.
std::optional<ReceiverFormat> ParseListFormat(const std::optional<std::string>& name)
{
    if (!name)
        return std::nullopt;
    const std::optional<ReceiverFormat> format = ParseReceiverFormatName(*name);
    if (!format || !NamesSatellites(*format))
        FailUsage("--format takes xml, sources, ini, scan-tables or neumo, not '" + Shown(*name) + "'");
    return format;
}

}  // namespace

int CommandImport(Arguments args, std::ostream& err)
{
    const auto output = args.TakeValue("-o");
    const std::optional<ReceiverFormat> format = ParseListFormat(args.TakeValue("--format"));
    const std::vector<std::string> sources = args.Rest();
    if (sources.empty())
        FailUsage("import needs one or more files or folders");
    if (!output)
        FailUsage("import needs -o OUT.lst");
    RefuseOutputOverInputs(*output, sources);

    const ImportResult result = ReadSources(sources, format, ReceiverSourceUse::SatelliteList);
    const std::string text = WriteSatelliteList(result.satellites);
    Message error;
    if (!WriteTextFileSafely(*output, text, error))
        Fail(Shown(*output) + ": " + error.English());
    err << CountsText(result) << ": " << Count(result.satellites.size(), "satellite", "satellites") << "\n";
    return ExitOk;
}

int CommandChoose(Arguments args, std::ostream& err)
{
    const auto output = args.TakeValue("-o");
    const bool add = args.TakeFlag("--add");
    std::vector<std::string> rest = args.Rest();
    if (rest.size() < 2)
        FailUsage("choose needs a file and one or more receiver files or folders");
    const std::string input = rest.front();
    const std::vector<std::string> sources(rest.begin() + 1, rest.end());
    const std::string target = output.value_or(input);
    RefuseOutputOverInputs(target, sources);
    MountSettings settings = ReadSettingsFile(input);

    const ImportResult result = ReadSources(sources, std::nullopt, ReceiverSourceUse::Positions);
    // One position at a time: the spare bits of the stored set stay as read.
    if (!add) {
        for (int p = 0; p < PositionCount; ++p)
            settings.chosenSatellites.Reset(p);
    }
    for (const ImportedSatellite& s : result.satellites)
        settings.chosenSatellites.Set(s.position);
    WriteSettingsFile(target, settings);
    err << CountsText(result) << ": " << Count(result.satellites.size(), "position", "positions")
        << (add ? " added\n" : " chosen\n");
    return ExitOk;
}

int CommandUsals(Arguments args, const fs::path& defaultSats, std::ostream& out)
{
    const bool json = args.TakeFlag("--json");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::vector<std::string> files = args.Rest();
    if (files.size() != 1)
        FailUsage("usals takes one file");
    const MountSettings settings = ReadSettingsFile(files[0]);
    const UsalsSite site = FindUsalsSite(settings, catalogue);
    if (json) {
        out << "{\"latitude\": " << site.latitude << ", \"longitude\": " << site.longitude
            << ", \"targets\": " << site.targets << ", \"worstBefore\": " << FormatShortest(site.worstBefore)
            << ", \"worstAfter\": " << FormatShortest(site.worstAfter) << "}\n";
        return ExitOk;
    }
    const std::string entered
        = FormatTenths(site.latitude, 'N', 'S') + ", " + FormatTenths(site.longitude, 'E', 'W');
    if (site.targets == 0) {
        out << "Fewer than two chosen satellites stand " << MinimumElevationText
            << " above the horizon: enter the true site, " << entered << ".\n";
        return ExitOk;
    }
    out << "Enter this site into the receiver: " << entered << "\n";
    out << "Worst miss over " << site.targets << " chosen satellites at least " << MinimumElevationText
        << " up: " << FormatFixed(site.worstBefore, 3) << "\u00b0 with the true site, "
        << FormatFixed(site.worstAfter, 3) << "\u00b0 with this one.\n";
    return ExitOk;
}

bool ReadReceiverCatalogue(const std::string& path, SatelliteCatalogue& catalogue)
{
    if (SourceFormat(path) == ReceiverFormat::Unknown)
        return false;
    const ImportResult result = ReadSources({path}, std::nullopt, ReceiverSourceUse::SatelliteList);
    const SatelliteListResult read = ImportedCatalogue(result, catalogue);
    if (!read)
        Fail(Shown(path) + ": " + SatelliteListLoadError + ": " + read.reason.English());
    return true;
}

std::string ReceiverColumns(const MountSettings& settings, const ArcRow& row)
{
    const double receiver = ReceiverMotorAngleAt(settings, row.position);
    std::string text = FormatSignedDegrees(receiver, 2);
    text.resize(std::max<std::size_t>(text.size() + 1, 10), ' ');
    std::string miss = FormatSignedDegrees(row.motorAngle - receiver, 2);
    miss.resize(std::max<std::size_t>(miss.size() + 1, 8), ' ');
    return text + miss;
}

}  // namespace zenbelts::cli
