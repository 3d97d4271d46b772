#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"
#include "model/Reach.h"
#include "text/Message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a receiver stores for a motor: one position per reachable chosen
// satellite, east to west (slots 1 to 255; 0 is the motor's reference), the
// soft limits either side, and the positioner commands that set them.
// Angles in degrees, east positive.

namespace zenbelts {

inline constexpr double DefaultLimitMarginDegrees = 2.0;
inline constexpr double MaxLimitMarginDegrees = 30.0;
// How fast a motor turns, as most makers give it (13 V and 18 V aside).
inline constexpr double DefaultMotorSpeedDegrees = 1.5;  // per second
inline constexpr double MinMotorSpeedDegrees = 0.1, MaxMotorSpeedDegrees = 20.0;
inline constexpr int StoredPositionsMax = 255;

struct PositionSlot {
    int slot = 0;
    int position = 0;  // tenths east
    std::string name;  // UTF-8
    // The set-up's own motor angle, and the one a receiver computes for the
    // true site.
    double motorAngle = 0.0, receiverAngle = 0.0;
    std::array<std::uint8_t, 5> gotoX{};
    double turnSeconds = 0.0;  // from the slot before, the first from the motor's zero
};

// A chosen satellite given no slot: hidden, or past the last slot.
struct LeftOutSatellite {
    int position = 0;
    std::string name;
    HiddenBy hiddenBy = HiddenBy::None;  // None: no slot was free
};

struct PositionsTable {
    std::vector<PositionSlot> stored;  // east to west
    std::vector<LeftOutSatellite> leftOut;
    // The outermost slot either way with the margin beyond it, no further
    // than the mask leaves the arc clear nor than the motor's limits; none
    // without slots.
    std::optional<double> east, west;
    double margin = DefaultLimitMarginDegrees;
    double speed = DefaultMotorSpeedDegrees;
};

PositionsTable ComputePositions(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                double marginDegrees = DefaultLimitMarginDegrees,
                                double speedDegrees = DefaultMotorSpeedDegrees);

// One DiSEqC 1.2 positioner command: framing byte, address, command, data.
struct PositionerCommand {
    std::vector<std::uint8_t> bytes;
    Message what;  // what it does, in marked words
};

// The commands of the positioner's command table by name, framed for the
// polar positioner (E0 31 ...) without a reply.
std::vector<std::uint8_t> HaltCommand();
std::vector<std::uint8_t> LimitsOffCommand();
std::vector<std::uint8_t> LimitsOnCommand();
// The motor's own east (or west) limit at its present position.
std::vector<std::uint8_t> SetLimitCommand(bool motorEast);
std::vector<std::uint8_t> StoreCommand(int slot);
std::vector<std::uint8_t> GotoSlotCommand(int slot);
std::vector<std::uint8_t> RecalculateCommand(int slot);

// What to send, in order, to set the soft limits and store every slot, then
// how to go to a slot and recalculate.
std::vector<PositionerCommand> PositionerCommands(const MountSettings& settings, const PositionsTable& table);

// The table for a spreadsheet, a point for decimals in any language:
// slot,position,name,motorAngle,gotoX,receiverAngle,turnSeconds.
std::string PositionsCsv(const PositionsTable& table);

}  // namespace zenbelts
