#include "cli/PositionsCommand.h"

#include "cli/Cli.h"
#include "cli/CommandFiles.h"
#include "cli/TextOut.h"
#include "io/FileAccess.h"
#include "model/Receiver.h"
#include "model/StoredPositions.h"
#include "report/Reports.h"
#include "text/AngleText.h"
#include "text/Numbers.h"

#include <cmath>
#include <optional>
#include <string>

namespace zenbelts::cli {

namespace {

std::string Angle(double motorAngleEast)
{
    return FormatTenths(static_cast<int>(std::lround(motorAngleEast * 10.0)), 'E', 'W');
}

std::string HiddenText(HiddenBy hidden)
{
    switch (hidden) {
    case HiddenBy::Horizon:
        return "hidden by the horizon";
    case HiddenBy::Motor:
        return "beyond the motor's limit";
    case HiddenBy::None:
        break;
    }
    return "no slot left";
}

void PrintText(const std::string& input, const PositionsTable& table,
               const std::vector<PositionerCommand>& commands, std::ostream& out)
{
    out << "Stored positions for " << Shown(input) << ", east to west, the motor at "
        << FormatShortest(table.speed) << "\u00b0/s:\n";
    out << "Slot  Satellite  Motor    Receiver  Turn     GotoX           Name\n";
    for (const PositionSlot& s : table.stored)
        out << Padded(std::to_string(s.slot), 6) << Padded(FormatSatelliteLabel(s.position), 11)
            << Padded(Angle(s.motorAngle), 9) << Padded(Angle(s.receiverAngle), 10)
            << Padded(FormatFixed(s.turnSeconds, 1) + " s", 9)
            << Padded(CommandBytesText({s.gotoX.begin(), s.gotoX.end()}), 16) << PrintableText(s.name)
            << "\n";
    if (table.stored.empty())
        out << "No chosen satellite is in reach: no slots, no limits.\n";
    else
        out << "Soft limits: east " << Angle(*table.east) << ", west " << Angle(*table.west)
            << " (the outermost slots and " << FormatShortest(table.margin)
            << "\u00b0 more, no further than the horizon and the motor allow)\n";
    if (!table.leftOut.empty()) {
        out << "Left out:";
        for (std::size_t i = 0; i < table.leftOut.size(); ++i)
            out << (i ? ", " : " ") << FormatSatelliteLabel(table.leftOut[i].position) << " ("
                << HiddenText(table.leftOut[i].hiddenBy) << ")";
        out << "\n";
    }
    out << "Motor: the set-up's motor angle; Receiver: what a receiver computes for the true site.\n"
           "Turn: seconds from the slot before (the first from the motor's zero).\n\n"
           "DiSEqC 1.2 commands (framing E0, polar positioner 31), in this order:\n";
    for (const PositionerCommand& c : commands)
        out << Padded(CommandBytesText(c.bytes), 16) << c.what.English() << "\n";
}

}  // namespace

int CommandPositions(Arguments args, const std::filesystem::path& defaultSats, std::ostream& out)
{
    const bool json = args.TakeFlag("--json");
    const bool csv = args.TakeFlag("--csv");
    const auto margin = args.TakeValue("--margin");
    const auto speed = args.TakeValue("--speed");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::vector<std::string> files = args.Rest();
    if (files.size() != 1)
        FailUsage("positions takes one file");
    if (json && csv)
        FailUsage("positions takes --json or --csv, not both");
    const MountSettings settings = ReadSettingsFile(files[0]);
    const double marginDegrees
        = margin ? ParseDegrees("--margin", *margin, true, MaxLimitMarginDegrees) : DefaultLimitMarginDegrees;
    double speedDegrees = DefaultMotorSpeedDegrees;
    if (speed) {
        speedDegrees = ParseDegrees("--speed", *speed, false, MaxMotorSpeedDegrees);
        if (speedDegrees < MinMotorSpeedDegrees)
            Fail("--speed: " + Shown(*speed) + " is below " + FormatShortest(MinMotorSpeedDegrees)
                 + " degrees a second");
    }
    const PositionsTable table = ComputePositions(settings, catalogue, marginDegrees, speedDegrees);
    if (csv) {
        out << PositionsCsv(table);
        return ExitOk;
    }
    const std::vector<PositionerCommand> commands = PositionerCommands(settings, table);
    if (json)
        out << PositionsJson(table, commands);
    else
        PrintText(files[0], table, commands, out);
    return ExitOk;
}

}  // namespace zenbelts::cli
