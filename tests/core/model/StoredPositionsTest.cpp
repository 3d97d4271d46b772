#include "model/StoredPositions.h"

#include "model/Receiver.h"
#include "model/Sites.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zenbelts {
namespace {

using testing_support::At;
using Bytes = std::vector<std::uint8_t>;

SatelliteCatalogue Satellites()
{
    SatelliteCatalogue c;
    for (int p : {130, 192, 282, 390, 3300, 3550, 3592})
        c.InsertOrRename(p, std::string("S").append(std::to_string(p)));
    return c;
}

// 50°N, 10°W with the seven of the list chosen.
MountSettings Home(const SatelliteCatalogue& c, int latitude = 3000)
{
    MountSettings s = At(latitude, -600, c);
    for (const SatelliteEntry& e : c)
        s.chosenSatellites.Set(e.position);
    return s;
}

// The positioner application note's command table: framing byte E0 (command
// from the master, no reply required, first transmission), address 31
// (polar/azimuth positioner), then the command and its data: 60 Halt, 63
// Limits Off, 66 Limit E, 67 Limit W, 6A Store nn (nn 00: Limits On), 6B
// Goto nn, 6F Set Posns (recalculate).
TEST(StoredPositions, CommandsAreThoseOfThePositionerTable)
{
    const struct {
        const char* what;
        Bytes bytes, expected;
    } cases[] = {
        {"halt", HaltCommand(), {0xE0, 0x31, 0x60}},
        {"limits off", LimitsOffCommand(), {0xE0, 0x31, 0x63}},
        {"limit east", SetLimitCommand(true), {0xE0, 0x31, 0x66}},
        {"limit west", SetLimitCommand(false), {0xE0, 0x31, 0x67}},
        {"limits on", LimitsOnCommand(), {0xE0, 0x31, 0x6A, 0x00}},
        {"store 1", StoreCommand(1), {0xE0, 0x31, 0x6A, 0x01}},
        {"store 255", StoreCommand(255), {0xE0, 0x31, 0x6A, 0xFF}},
        {"goto 12", GotoSlotCommand(12), {0xE0, 0x31, 0x6B, 0x0C}},
        {"recalculate 3", RecalculateCommand(3), {0xE0, 0x31, 0x6F, 0x03}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bytes, c.expected) << c.what;
    EXPECT_EQ(CommandBytesText(StoreCommand(10)), "E0 31 6A 0A");
}

TEST(StoredPositions, SlotsRunEastToWestWithTheirAnglesAndTurns)
{
    const SatelliteCatalogue c = Satellites();
    for (int latitude : {3000, -2000}) {
        const MountSettings s = Home(c, latitude);
        const PositionsTable t = ComputePositions(s, c, DefaultLimitMarginDegrees, 3.0);
        ASSERT_EQ(t.stored.size(), 7u) << latitude;
        double previous = 0.0;
        for (std::size_t i = 0; i < t.stored.size(); ++i) {
            const PositionSlot& slot = t.stored[i];
            EXPECT_EQ(slot.slot, static_cast<int>(i) + 1);
            if (i > 0) {
                EXPECT_LT(slot.motorAngle, t.stored[i - 1].motorAngle) << "east to west";
            }
            // East of the site the motor turns east in either hemisphere.
            EXPECT_EQ(slot.motorAngle > 0, std::remainder(slot.position / 10.0 + 10.0, 360.0) > 0)
                << latitude << " " << slot.position;
            EXPECT_NEAR(slot.turnSeconds, std::fabs(slot.motorAngle - previous) / 3.0, 1e-9);
            previous = slot.motorAngle;
            EXPECT_NEAR(slot.receiverAngle, slot.motorAngle, 1.5) << "a polar mount at its site";
            const std::array<std::uint8_t, 5> gotoX
                = GotoXBytes(latitude > 0 ? slot.motorAngle : -slot.motorAngle);
            EXPECT_EQ(slot.gotoX, gotoX);
        }
        // Margins of 2 degrees beyond the outermost, nothing in the way.
        ASSERT_TRUE(t.east && t.west);
        EXPECT_NEAR(*t.east, t.stored.front().motorAngle + 2.0, 1e-9);
        EXPECT_NEAR(*t.west, t.stored.back().motorAngle - 2.0, 1e-9);
    }
}

TEST(StoredPositions, SoftLimitsStopAtTheMotorsLimitsAndTheMask)
{
    const SatelliteCatalogue c = Satellites();
    MountSettings s = Home(c);
    const PositionsTable free = ComputePositions(s, c);
    const double east = free.stored.front().motorAngle;  // 39.0°E
    const double west = free.stored.back().motorAngle;   // 30.0°W

    s.motorEast = static_cast<int>(std::ceil(east * 10.0)) + 5;  // half a degree beyond
    PositionsTable t = ComputePositions(s, c);
    EXPECT_NEAR(*t.east, s.motorEast / 10.0, 1e-9);
    EXPECT_NEAR(*t.west, west - 2.0, 1e-9);

    // A wall west of 30.0°W's azimuth: the arc beyond is hidden at once.
    s = Home(c);
    const double azimuth = RingBearing(s, -30.0).azimuth;
    const int a = static_cast<int>(std::lround(azimuth * 10.0));
    s.horizon = {{a + 8, 0}, {a + 10, 800}, {a + 400, 800}, {a + 402, 0}};
    t = ComputePositions(s, c, 5.0);
    ASSERT_EQ(t.stored.size(), 7u);
    EXPECT_LT(*t.west, west);
    EXPECT_GT(*t.west, west - 2.0) << "capped by the wall well within the 5 degree margin";
    EXPECT_NEAR(*t.east, east + 5.0, 1e-9);

    // A margin of 0: the limits are the outermost slots.
    t = ComputePositions(Home(c), c, 0.0);
    EXPECT_EQ(*t.east, east);
    EXPECT_EQ(*t.west, west);
}

TEST(StoredPositions, CommandsSetTheLimitsOnTheMotorsOwnSidesAndStoreEverySlot)
{
    const SatelliteCatalogue c = Satellites();
    for (int latitude : {3000, -2000}) {
        const MountSettings s = Home(c, latitude);
        const PositionsTable t = ComputePositions(s, c);
        const std::vector<PositionerCommand> commands = PositionerCommands(s, t);
        // Halt, limits off, go and set twice, limits on, go and store per slot,
        // go to per slot, recalculate.
        ASSERT_EQ(commands.size(), 8 + 3 * t.stored.size());
        EXPECT_EQ(commands[1].bytes, LimitsOffCommand());
        const std::array<std::uint8_t, 5> toEast = GotoXBytes(latitude > 0 ? *t.east : -*t.east);
        EXPECT_EQ(commands[2].bytes, Bytes(toEast.begin(), toEast.end()));
        // South of the equator the motor's own east is the western sky.
        EXPECT_EQ(commands[3].bytes, SetLimitCommand(latitude > 0)) << latitude;
        EXPECT_EQ(commands[5].bytes, SetLimitCommand(latitude <= 0)) << latitude;
        EXPECT_EQ(commands[6].bytes, LimitsOnCommand());
        EXPECT_EQ(commands[8].bytes, StoreCommand(1));
        EXPECT_EQ(commands.back().bytes[2], 0x6F);
    }
    MountSettings none = At(3000, -600, c);
    none.chosenSatellites.Clear();
    EXPECT_EQ(PositionerCommands(none, ComputePositions(none, Satellites())).size(), 1u)
        << "no slots: halt alone";
}

TEST(StoredPositions, TheCsvHoldsEverySlotWithAPoint)
{
    const SatelliteCatalogue c = Satellites();
    const PositionsTable t = ComputePositions(Home(c), c);
    const std::string csv = PositionsCsv(t);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "slot,position,name,motorAngle,gotoX,receiverAngle,turnSeconds");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 8);
    EXPECT_NE(csv.find("\n1,39.0E,S390,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",30.0W,S3300,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace zenbelts
