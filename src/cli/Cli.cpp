#include "cli/Cli.h"

#include "catalogue/SatelliteList.h"
#include "cli/Arguments.h"
#include "cli/CommandFiles.h"
#include "cli/DiagnoseCommand.h"
#include "cli/PositionsCommand.h"
#include "cli/ReceiverCommands.h"
#include "cli/SiteCommand.h"
#include "cli/TextOut.h"
#include "cli/Usage.h"
#include "io/FileAccess.h"
#include "model/MountSettings.h"
#include "model/OptimiseMount.h"
#include "model/SetUpEdits.h"
#include "model/SettingsArchive.h"
#include "model/Version.h"
#include "text/AngleText.h"
#include "text/Numbers.h"
#include "text/NumericText.h"

#include "paint/ArcPlotOutput.h"
#include "plot/ArcTable.h"
#include "report/Json.h"
#include "report/Reports.h"
#include "text/TextEncoding.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zenbelts::cli {

namespace fs = std::filesystem;

namespace {

// The usage as --help prints it: the commands under "usage: ".
std::string Usage()
{
    std::string text;
    std::string_view lines = UsageLines;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        text += (text.empty() ? "usage: " : "       ");
        text += lines.substr(0, end);
        text += '\n';
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    return text;
}

}  // namespace

std::vector<std::uint8_t> ReadInputFile(const std::string& path, std::size_t maxBytes)
{
    std::vector<std::uint8_t> bytes;
    Message error;
    ReadProblem problem = ReadProblem::None;
    if (!ReadRegularFile(path, maxBytes, bytes, error, &problem))
        Fail(Shown(path) + ": " + (problem == ReadProblem::Missing ? "cannot open it: " : "")
             + error.English());
    return bytes;
}

MountSettings ReadSettingsFile(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadInputFile(path, SetUpFileMaxBytes);
    MountSettings settings;
    try {
        LoadSettings(bytes, settings);
    } catch (const ArchiveError& e) {
        Fail(Shown(path) + ": not a valid Zenbelt file: " + e.detail().English());
    }
    return settings;
}

void WriteOutputFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    Message error;
    if (!WriteFileSafely(path, bytes, error))
        Fail(Shown(path) + ": " + error.English());
}

void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs)
{
    if (std::find(inputs.begin(), inputs.end(), output) != inputs.end()
        || IsAnyOfTheInputs(output, {inputs.begin(), inputs.end()}))
        Fail(Shown(output) + ": refused as the output: it is the input file");
}

void WriteSettingsFile(const std::string& path, const MountSettings& settings)
{
    WriteOutputFile(path, StoreSettings(settings));
}

// Drawing needs a GUI application for its fonts; the tool never shows a window.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool speaks in its own one-line messages only.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "zenbelts-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

std::vector<std::uint8_t> ToBytes(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

SatelliteCatalogue ReadCatalogue(Arguments& args, const fs::path& defaultSats, std::string& listPath)
{
    const std::string path = args.TakeValue("--sats").value_or(defaultSats.string());
    listPath = path;
    SatelliteCatalogue catalogue;
    // A receiver's file or folder serves as well as a list of the program's.
    if (ReadReceiverCatalogue(path, catalogue))
        return catalogue;
    const SatelliteListResult loaded = LoadSatelliteListFile(path, catalogue);
    if (!loaded)
        Fail(Shown(path) + ": " + SatelliteListLoadError + ": " + loaded.reason.English());
    return catalogue;
}

namespace {

int CommandNew(Arguments args, const fs::path& defaultSats, std::ostream&)
{
    const auto output = args.TakeValue("-o");
    const auto lat = args.TakeValue("--lat");
    const auto lon = args.TakeValue("--lon");
    const auto alt = args.TakeValue("--alt");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    if (!args.Rest().empty())
        FailUsage("new takes no file name but -o OUT.zb");
    if (!output)
        FailUsage("new needs -o OUT.zb");
    RefuseOutputOverInputs(*output, {list});

    MountSettings settings;
    settings.LoadFactoryDefaults(catalogue);
    if (lat || lon || alt) {
        if (lat)
            settings.latitude = ParseOption("--lat", *lat, LatitudeMin, LatitudeMax);
        if (lon)
            settings.longitude = ParseOption("--lon", *lon, LongitudeMin, LongitudeMax);
        if (alt)
            settings.altitude = ParseOption("--alt", *alt, AltitudeMin, AltitudeMax);
        settings.Recalculate(true);
    }
    WriteSettingsFile(*output, settings);
    return ExitOk;
}

std::string LimitsText(const MountSettings& s, const AdjustmentInfo& a)
{
    return FormatTenths(a.Lower(s), a.positive, a.negative) + " .. "
           + FormatTenths(a.Upper(s), a.positive, a.negative);
}

void PrintListing(const MountSettings& s, std::ostream& out)
{
    const auto line = [&out](const std::string& caption, const std::string& text) {
        out << caption << std::string(caption.size() < 19 ? 19 - caption.size() : 1, ' ') << text << '\n';
    };
    line("Location:", FormatSite(s.latitude, s.longitude, s.altitude));
    for (const AdjustmentInfo& a : Adjustments) {
        std::string value = FormatTenths(s.*(a.value), a.positive, a.negative);
        value.resize(value.size() < 10 ? 10 : value.size(), ' ');
        std::string text = value + "limits " + LimitsText(s, a);
        if (a.automatic)
            text += " (auto " + FormatTenths(s.*(a.automatic), a.positive, a.negative) + ")";
        line(std::string(a.title) + ":", text);
    }
    line("Dish:", s.dishOffset == 0 ? std::string("prime focus")
                                    : "offset " + FormatFixed(s.dishOffset / 10.0, 1) + DegreeSign
                                          + ", feed arm " + (s.feedUp ? "above" : "below") + " the dish");
    line("Dish diameter:", std::to_string(s.dishDiameter) + " cm");
    line("Motor limits:",
         FormatTenths(s.motorEast, 'E', 'W') + " .. " + FormatTenths(-s.motorWest, 'E', 'W'));
    std::string horizon;
    for (const HorizonPoint& p : s.horizon)
        horizon += (horizon.empty() ? "" : ", ") + FormatFixed(p.azimuth / 10.0, 1) + DegreeSign + " "
                   + FormatFixed(p.elevation / 10.0, 1) + DegreeSign;
    line("Horizon:", horizon.empty() ? std::string("flat") : horizon);
    line("Auto declination:", s.autoDeclination ? "on" : "off");
    line("Lock satellites:", s.lockSatellites ? "on" : "off");
    std::string chosen;
    int count = 0;
    for (int p = 0; p < PositionCount; ++p) {
        if (s.chosenSatellites.Test(p)) {
            chosen += (count++ ? ", " : "") + FormatSatelliteLabel(p);
        }
    }
    line("Chosen satellites:", std::to_string(count) + (count ? ": " + chosen : ""));
}

std::string OneFile(Arguments& args, const char* command)
{
    const std::vector<std::string> files = args.Rest();
    if (files.size() != 1)
        FailUsage(std::string(command) + " takes one file");
    return files[0];
}

int CommandShow(Arguments args, std::ostream& out)
{
    const bool json = args.TakeFlag("--json");
    const MountSettings settings = ReadSettingsFile(OneFile(args, "show"));
    if (json)
        out << SettingsToJson(settings) << '\n';
    else
        PrintListing(settings, out);
    return ExitOk;
}

int CommandSet(Arguments args)
{
    const auto output = args.TakeValue("-o");
    const std::vector<std::string> rest = args.Rest();
    if (rest.empty())
        FailUsage("set needs a file and assignments");
    if (rest.size() == 1)
        FailUsage("nothing to set: give NAME=VALUE after the file");
    const std::string& input = rest[0];
    MountSettings settings = ReadSettingsFile(input);
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const EditOutcome outcome = ApplyAssignment(settings, rest[i]);
        if (!outcome)
            Fail(Shown(input) + ": " + Shown(rest[i]) + " is refused: " + outcome.refusal.English());
    }
    WriteSettingsFile(output.value_or(input), settings);
    return ExitOk;
}

int CommandRender(Arguments args, const fs::path& defaultSats)
{
    const auto output = args.TakeValue("-o");
    const PixelSize pixels = ParseSize("--size", args.TakeValue("--size"), {600, 400});
    const QSize size(pixels.width, pixels.height);
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::string input = OneFile(args, "render");
    if (!output)
        FailUsage("render needs -o OUT.png");
    RefuseOutputOverInputs(*output, {input, list});
    const MountSettings settings = ReadSettingsFile(input);

    EnsureGuiApplication();
    QImage image
        = RenderArcPlotImage(settings, catalogue, size, StandardScreenMetrics(), ScreenDrawingObjects(96));
    if (image.isNull())
        Fail(Shown(*output) + ": cannot draw it: no memory for an image of " + std::to_string(size.width())
             + "x" + std::to_string(size.height()) + " pixels");
    const QByteArray png = EncodePng(std::move(image));
    if (png.isEmpty())
        Fail(Shown(*output) + ": cannot write it: the image could not be encoded as PNG");
    WriteOutputFile(*output, ToBytes(png));
    return ExitOk;
}

int CommandPrint(Arguments args, const fs::path& defaultSats)
{
    const auto output = args.TakeValue("-o");
    const PixelSize pixels = ParseSize("--window", args.TakeValue("--window"), {600, 400});
    const QSize window(pixels.width, pixels.height);
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::string input = OneFile(args, "print");
    if (!output)
        FailUsage("print needs -o OUT.pdf");
    RefuseOutputOverInputs(*output, {input, list});
    // Nothing else than PDF is written: a page named otherwise would lie.
    const std::string extension = fs::path(*output).extension().string();
    if (extension.size() != 4 || (extension[1] | 0x20) != 'p' || (extension[2] | 0x20) != 'd'
        || (extension[3] | 0x20) != 'f')
        Fail(Shown(*output) + ": refused as the output: print writes PDF, named .pdf");
    const MountSettings settings = ReadSettingsFile(input);

    EnsureGuiApplication();
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(QString::fromStdString(fs::path(input).filename().string()));
        writer.setCreator(QStringLiteral("Zenbelts"));
        QPainter painter(&writer);
        if (!painter.isActive())
            Fail(Shown(*output) + ": cannot write it: the page could not be started");
        PrintArcPlotPage(painter, PageMetrics(writer, StandardScreenMetrics()), settings, catalogue, window);
    }
    if (pdf.isEmpty())
        Fail(Shown(*output) + ": cannot write it: the page came out empty");
    WriteOutputFile(*output, ToBytes(pdf));
    return ExitOk;
}

int CommandArc(Arguments args, const fs::path& defaultSats, std::ostream& out)
{
    const bool json = args.TakeFlag("--json");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const MountSettings settings = ReadSettingsFile(OneFile(args, "arc"));
    const std::vector<ArcRow> rows = ComputeArcTable(settings, catalogue);
    if (json) {
        out << ArcJson(settings, rows);
        return ExitOk;
    }
    out << "Pos   Label     Chosen  Motor   Offset  Elevation  " << ReceiverColumnHeadings << "Name\n";
    for (const ArcRow& r : rows) {
        char position[8];
        std::snprintf(position, sizeof position, "%04d", r.position);
        out << Padded(position, 6) << Padded(r.label, 10) << Padded(r.chosen ? "yes" : "", 8)
            << Padded(FormatSignedDegrees(r.motorAngle, 2), 8) << Padded(FormatSignedDegrees(r.offset, 2), 8)
            << Padded(FormatFixed(r.elevation, 1), 11) << ReceiverColumns(settings, r)
            << PrintableText(r.name) << "\n";
    }
    out << "Motor: degrees the motor turns from its zero, positive to the left of the plot.\n"
           "Offset: degrees the satellite lies above (+) or below (-) the beam at that turn.\n"
           "Elevation: degrees above the horizon; below 0 the satellite cannot be seen.\n"
        << ReceiverColumnNotes;
    return ExitOk;
}

std::string WhereText(const ArcTarget& where)
{
    return (where.satellite ? "at the satellite at " : "at the ring point at ")
           + FormatSatelliteLabel(where.position);
}

int CommandOptimise(Arguments args, const fs::path& defaultSats, std::ostream& out)
{
    const auto output = args.TakeValue("-o");
    const bool ring = args.TakeFlag("--ring");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::string input = OneFile(args, "optimise");
    // The set-up itself is what optimise changes; the list is not.
    RefuseOutputOverInputs(output.value_or(input), {list});
    MountSettings settings = ReadSettingsFile(input);
    const OptimiseResult r = OptimiseMount(settings, catalogue, ring);
    if (!r.optimised)
        Fail(Shown(input) + ": nothing to optimise: fewer than two points of the arc in reach stand "
             + MinimumElevationText + " above the horizon");
    WriteSettingsFile(output.value_or(input), settings);

    out << "Optimised over " << r.targets << (r.ring ? " points of the ring" : " chosen satellites")
        << " in reach at least " << MinimumElevationText << " above the horizon.\n";
    const auto line = [&out](const char* when, int elevation, int declination, const WorstMiss& worst) {
        out << when << "motor elevation " << FormatTenths(elevation, 'N', 'S') << ", declination "
            << FormatTenths(declination, 'N', 'S') << ", worst miss " << FormatFixed(worst.degrees, 3) << "° "
            << WhereText(worst.where) << "\n";
    };
    line("Before: ", r.motorElevationBefore, r.declinationBefore, r.before);
    line("After:  ", settings.motorElevation, settings.declination, r.after);
    out << "Auto declination is now off, so the declination stays where it is.\n";
    return ExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const fs::path& defaultSats, std::ostream& out,
           std::ostream& err)
{
    try {
        if (args.empty())
            FailUsage("no command given");
        const std::string& command = args[0];
        if (command == "--version") {
            out << "zenbelts-cli " << ZenbeltsVersion << "\n";
            return ExitOk;
        }
        if (command == "--help" || command == "-h" || command == "help") {
            out << Usage();
            return ExitOk;
        }
        Arguments rest(args, 1);
        if (command == "new")
            return CommandNew(rest, defaultSats, out);
        if (command == "show")
            return CommandShow(rest, out);
        if (command == "set")
            return CommandSet(rest);
        if (command == "render")
            return CommandRender(rest, defaultSats);
        if (command == "print")
            return CommandPrint(rest, defaultSats);
        if (command == "arc")
            return CommandArc(rest, defaultSats, out);
        if (command == "optimise" || command == "optimize")
            return CommandOptimise(rest, defaultSats, out);
        if (command == "import")
            return CommandImport(rest, err);
        if (command == "choose")
            return CommandChoose(rest, err);
        if (command == "usals")
            return CommandUsals(rest, defaultSats, out);
        if (command == "diagnose")
            return CommandDiagnose(rest, defaultSats, out);
        if (command == "site")
            return CommandSite(rest, out);
        if (command == "positions")
            return CommandPositions(rest, defaultSats, out);
        FailUsage("unknown command '" + Shown(command) + "'");
    } catch (const Failure& failure) {
        err << failure.message << '\n';
        return ExitFailure;
    }
}

}  // namespace zenbelts::cli
