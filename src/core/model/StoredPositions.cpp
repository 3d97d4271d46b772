#include "model/StoredPositions.h"

#include "geometry/MountModel.h"
#include "model/Receiver.h"
#include "text/AngleText.h"
#include "text/Csv.h"
#include "text/Numbers.h"
#include "text/OrbitalPosition.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zenbelts {

namespace {

// Framing: a command from the master, no reply, first transmission; address:
// the polar (azimuth) positioner.
constexpr std::uint8_t Framing = 0xE0;
constexpr std::uint8_t PolarPositioner = 0x31;

// data: the one data byte, none when negative.
std::vector<std::uint8_t> Command(std::uint8_t command, int data = -1)
{
    std::vector<std::uint8_t> bytes{Framing, PolarPositioner, command};
    if (data >= 0)
        bytes.push_back(static_cast<std::uint8_t>(data));
    return bytes;
}

int SlotByte(int slot)
{
    return std::clamp(slot, 0, StoredPositionsMax);
}

// A motor angle east positive as the motor is commanded: its axis turns over
// south of the equator.
double CommandAngle(const MountSettings& s, double motorAngleEast)
{
    return MotorAngleEast(s, motorAngleEast);
}

// An angle east positive as the panel writes it: "25.7°E".
Message AngleWords(double motorAngleEast)
{
    return Message::Literal(FormatTenths(static_cast<int>(std::lround(motorAngleEast * 10.0)), 'E', 'W'));
}

Message SlotWords(const PositionSlot& slot)
{
    return Message::Literal(FormatSatelliteLabel(slot.position));
}

}  // namespace

PositionsTable ComputePositions(const MountSettings& s, const SatelliteCatalogue& catalogue, double margin,
                                double speed)
{
    PositionsTable table;
    table.margin = margin;
    table.speed = speed;
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    std::vector<PositionSlot> reachable;
    for (const SatelliteEntry& e : catalogue) {
        if (!s.chosenSatellites.Test(e.position))
            continue;
        const double angle = MountAngles(view, s.latitude, s.declination, e.position).a * RadiansToDegrees;
        const SatelliteReach reach = ReachOf(s, e.position, angle, BandOfName(e.name));
        const std::string name = SatelliteNameToUtf8(e.name);
        if (!reach.Reachable()) {
            table.leftOut.push_back({e.position, name, reach.hiddenBy});
            continue;
        }
        PositionSlot slot;
        slot.position = e.position;
        slot.name = name;
        slot.motorAngle = reach.motorEast;
        slot.receiverAngle = MotorAngleEast(s, ReceiverMotorAngleAt(s, e.position));
        slot.gotoX = GotoXBytes(angle);
        reachable.push_back(slot);
    }
    // East to west; of two at one angle the eastern position first.
    std::stable_sort(reachable.begin(), reachable.end(), [](const PositionSlot& a, const PositionSlot& b) {
        return a.motorAngle > b.motorAngle;
    });
    double previous = 0.0;
    for (PositionSlot& slot : reachable) {
        if (static_cast<int>(table.stored.size()) == StoredPositionsMax) {
            table.leftOut.push_back({slot.position, slot.name, HiddenBy::None});
            continue;
        }
        slot.slot = static_cast<int>(table.stored.size()) + 1;
        slot.turnSeconds = std::fabs(slot.motorAngle - previous) / speed;
        previous = slot.motorAngle;
        table.stored.push_back(slot);
    }
    if (table.stored.empty())
        return table;

    const PositionSlot& eastmost = table.stored.front();
    const PositionSlot& westmost = table.stored.back();
    double east = std::min(eastmost.motorAngle + margin, s.motorEast / 10.0);
    double west = std::max(westmost.motorAngle - margin, -s.motorWest / 10.0);
    // The arc beyond the outermost satellites, followed the way the motor
    // turns there: east of the site the motor turns east.
    const double siteLongitude = s.longitude / 60.0;
    const auto eastOf = [&](int position) { return std::remainder(position / 10.0 - siteLongitude, 360.0); };
    if (const auto edge = MaskEdgeMotorAngle(s, siteLongitude + eastOf(eastmost.position), true))
        east = std::min(east, std::max(eastmost.motorAngle, *edge));
    if (const auto edge = MaskEdgeMotorAngle(s, siteLongitude + eastOf(westmost.position), false))
        west = std::max(west, std::min(westmost.motorAngle, *edge));
    table.east = std::max(east, eastmost.motorAngle);
    table.west = std::min(west, westmost.motorAngle);
    return table;
}

std::vector<std::uint8_t> HaltCommand()
{
    return Command(0x60);
}

std::vector<std::uint8_t> LimitsOffCommand()
{
    return Command(0x63);
}

std::vector<std::uint8_t> LimitsOnCommand()
{
    // Store into slot 0, the reference, switches the limits on.
    return Command(0x6A, 0x00);
}

std::vector<std::uint8_t> SetLimitCommand(bool motorEast)
{
    return Command(motorEast ? 0x66 : 0x67);
}

std::vector<std::uint8_t> StoreCommand(int slot)
{
    return Command(0x6A, SlotByte(slot));
}

std::vector<std::uint8_t> GotoSlotCommand(int slot)
{
    return Command(0x6B, SlotByte(slot));
}

std::vector<std::uint8_t> RecalculateCommand(int slot)
{
    return Command(0x6F, SlotByte(slot));
}

std::vector<PositionerCommand> PositionerCommands(const MountSettings& s, const PositionsTable& table)
{
    std::vector<PositionerCommand> commands;
    const auto add = [&](std::vector<std::uint8_t> bytes, Message what) {
        commands.push_back({std::move(bytes), std::move(what)});
    };
    const auto gotoAngle = [&](double motorAngleEast) {
        const std::array<std::uint8_t, 5> b = GotoXBytes(CommandAngle(s, motorAngleEast));
        return std::vector<std::uint8_t>(b.begin(), b.end());
    };
    add(HaltCommand(), Message(ZB_TEXT("positions", "Halt: the motor stops at once")));
    if (!table.east || !table.west)
        return commands;
    // South of the equator the motor's own east turns the dish west.
    const bool north = s.latitude > 0;
    add(LimitsOffCommand(), Message(ZB_TEXT("positions", "Limits off: the motor may turn to its end stops")));
    add(gotoAngle(*table.east),
        Message(ZB_TEXT("positions", "Go to %1, the east soft limit"), {AngleWords(*table.east)}));
    add(SetLimitCommand(north),
        Message(north ? ZB_TEXT("positions", "Set the motor's east limit where it stands")
                      : ZB_TEXT("positions", "Set the motor's west limit where it stands (the eastern sky, "
                                             "south of the equator)")));
    add(gotoAngle(*table.west),
        Message(ZB_TEXT("positions", "Go to %1, the west soft limit"), {AngleWords(*table.west)}));
    add(SetLimitCommand(!north),
        Message(north ? ZB_TEXT("positions", "Set the motor's west limit where it stands")
                      : ZB_TEXT("positions", "Set the motor's east limit where it stands (the western sky, "
                                             "south of the equator)")));
    add(LimitsOnCommand(),
        Message(ZB_TEXT("positions", "Limits on: the motor stays between the two limits from now on")));
    for (const PositionSlot& slot : table.stored) {
        add(gotoAngle(slot.motorAngle),
            Message(ZB_TEXT("positions", "Go to %1 for %2"), {AngleWords(slot.motorAngle), SlotWords(slot)}));
        add(StoreCommand(slot.slot), Message(ZB_TEXT("positions", "Store this position as slot %1 (%2)"),
                                             {Message::Number(slot.slot), SlotWords(slot)}));
    }
    for (const PositionSlot& slot : table.stored)
        add(GotoSlotCommand(slot.slot), Message(ZB_TEXT("positions", "Go to slot %1 (%2)"),
                                                {Message::Number(slot.slot), SlotWords(slot)}));
    // Recalculating from the slot highest in the sky, where a peak is found best.
    const PositionSlot* highest = &table.stored.front();
    double best = -90.0;
    for (const PositionSlot& slot : table.stored) {
        const double elevation = RingBearing(s, slot.position / 10.0).elevation;
        if (elevation > best) {
            best = elevation;
            highest = &slot;
        }
    }
    add(RecalculateCommand(highest->slot),
        Message(ZB_TEXT("positions", "Recalculate: once slot %1 (%2) is peaked again and stored, every other "
                                     "stored position moves by as much"),
                {Message::Number(highest->slot), SlotWords(*highest)}));
    return commands;
}

std::string PositionsCsv(const PositionsTable& table)
{
    std::string text = "slot,position,name,motorAngle,gotoX,receiverAngle,turnSeconds\n";
    for (const PositionSlot& slot : table.stored) {
        text += std::to_string(slot.slot) + "," + PositionCode(slot.position) + "," + CsvField(slot.name)
                + "," + FormatFixed(slot.motorAngle, 2) + ","
                + CommandBytesText({slot.gotoX.begin(), slot.gotoX.end()}) + ","
                + FormatFixed(slot.receiverAngle, 2) + "," + FormatFixed(slot.turnSeconds, 1) + "\n";
    }
    return text;
}

}  // namespace zenbelts
