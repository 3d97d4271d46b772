#include "model/Receiver.h"

#include "model/OptimiseMount.h"
#include "plot/ArcTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace zenbelts {
namespace {

// --- the receiver's hour angle ---

TEST(Receiver, HourAngleOfTheWorkedExample)
{
    // 43°20'N, 77°00'E, a satellite at 100.0°E.
    EXPECT_NEAR(ReceiverHourAngle(43.0 + 20.0 / 60, 77.0, 100.0), 25.74, 0.005);
    EXPECT_NEAR(ReceiverHourAngleArcMinutes(2600, 4620, 1000), 25.74, 0.005);
    // Entered to the tenth (43.3°N) the receiver comes within a hundredth.
    EXPECT_NEAR(ReceiverHourAngleTenths(433, 770, 1000), 25.74, 0.01);
}

TEST(Receiver, HourAngleSignsAndWraps)
{
    const struct {
        const char* name;
        double actual, expected;
    } cases[] = {
        {"WestOfTheSiteIsNegative", ReceiverHourAngleArcMinutes(2600, 4620, 540), -25.739383099443756},
        {"OverheadIsZero", ReceiverHourAngleArcMinutes(2600, 4620, 770), 0.0},
        {"SouthSeesTheSame", ReceiverHourAngleArcMinutes(-2600, 4620, 1000),
         ReceiverHourAngleArcMinutes(2600, 4620, 1000)},
        // 179.0°E to 178.0°W is 3° east, not 357° west.
        {"AcrossTheDateLine", ReceiverHourAngleArcMinutes(2600, 10740, 1820),
         ReceiverHourAngleArcMinutes(2600, 0, 30)},
        {"AcrossTheDateLineWestward", ReceiverHourAngleArcMinutes(2600, -10740, 1780),
         ReceiverHourAngleArcMinutes(2600, 0, 3570)},
        {"TenthsAcrossTheDateLine", ReceiverHourAngleTenths(433, -1799, 1800),
         ReceiverHourAngleTenths(433, 0, 3599)},
        {"DegreesAcrossTheDateLine", ReceiverHourAngle(10, 179, -178), ReceiverHourAngle(10, 0, 3)},
        {"TenthsAgreeWithArcMinutes", ReceiverHourAngleTenths(-250, 1234, 2000),
         ReceiverHourAngleArcMinutes(-1500, 7404, 2000)},
        {"DegreesAgreeWithArcMinutes", ReceiverHourAngle(-25, 123.4, -160),
         ReceiverHourAngleArcMinutes(-1500, 7404, 2000)},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.actual, c.expected, 1e-9) << c.name;
    // At the equator the ratio counts whole: tan HA = sin dl / (cos dl - 0.1513).
    EXPECT_NEAR(ReceiverHourAngleArcMinutes(0, 0, 300),
                std::atan2(0.5, std::sqrt(3.0) / 2 - 0.1513) * 57.29577951308232, 1e-9);
}

// The receiver's ideal mount against the program's own motor angle: the
// same sign convention in both hemispheres, and on an ideal mount they agree
// within hundredths of a degree.
TEST(Receiver, MotorAngleFollowsTheProgramsConvention)
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < PositionCount; p += 20)
        catalogue.InsertOrRename(p, "S");
    for (const int latitude : {2600, -2600, 600, -4000}) {
        MountSettings s;
        s.LoadFactoryDefaults(catalogue);
        s.latitude = latitude;
        s.Recalculate(true);
        int compared = 0;
        for (const ArcRow& row : ComputeArcTable(s, catalogue)) {
            if (!row.chosen || row.elevation < 5.0)
                continue;
            ++compared;
            const double receiver = ReceiverMotorAngle(
                s.latitude > 0, ReceiverHourAngleArcMinutes(s.latitude, s.longitude, row.position));
            EXPECT_NEAR(row.motorAngle, receiver, 0.05) << latitude << " at " << row.label;
            if (std::fabs(receiver) > 1.0) {
                EXPECT_EQ(row.motorAngle > 0, receiver > 0) << latitude << " at " << row.label;
            }
        }
        EXPECT_GE(compared, 5) << latitude;
    }
}

// --- the positioner command ---

TEST(Receiver, GotoXCommands)
{
    const struct {
        double angle;
        const char* text;
    } cases[] = {
        {25.7, "E0 31 6E E1 9B"},
        {25.74, "E0 31 6E E1 9B"},
        {-25.7, "E0 31 6E D1 9B"},
        {0.0, "E0 31 6E D0 00"},
        {-0.0, "E0 31 6E D0 00"},
        {0.04, "E0 31 6E D0 00"},  // rounds to 0
        {-0.04, "E0 31 6E D0 00"},
        {0.05, "E0 31 6E E0 02"},  // halves away from zero
        {-0.05, "E0 31 6E D0 02"},
        {1.0, "E0 31 6E E0 10"},
        {-9.9, "E0 31 6E D0 9E"},
        {15.5, "E0 31 6E E0 F8"},
        {16.0, "E0 31 6E E1 00"},
        {79.95, "E0 31 6E E5 00"},
        {180.0, "E0 31 6E EB 40"},
        {-180.0, "E0 31 6E EB 40"},  // the same place
        {-179.9, "E0 31 6E DB 3E"},
        {200.0, "E0 31 6E DA 00"},  // 160.0° the other way
        {std::numeric_limits<double>::quiet_NaN(), "E0 31 6E D0 00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GotoXText(c.angle), c.text) << c.angle;
}

// The published rule: the angle in sixteenths of a degree, 0xE000 east of
// zero, 0xD000 otherwise; every tenth from -180.0 to 180.0.
TEST(Receiver, GotoXMatchesSixteenthsOfADegree)
{
    for (int tenths = -1799; tenths <= 1800; ++tenths) {
        const std::array<std::uint8_t, 5> bytes = GotoXBytes(tenths / 10.0);
        ASSERT_EQ(bytes[0], 0xE0);
        ASSERT_EQ(bytes[1], 0x31);
        ASSERT_EQ(bytes[2], 0x6E);
        const int value = bytes[3] << 8 | bytes[4];
        const int magnitude = std::abs(tenths);
        // tenths * 1.6 never ends in a half: plain rounding of the integer.
        const int sixteenths = (magnitude * 16 + 5) / 10;
        EXPECT_EQ(value, (tenths > 0 ? 0xE000 : 0xD000) + sixteenths) << tenths;
    }
}

// --- the site to enter ---

struct Candidate {
    int latitude, longitude;
    double worst;
};

// Every site of the window, one by one, with the documented order of ties.
UsalsSite BruteForce(int latitude, int longitude, bool north, const std::vector<UsalsTarget>& targets)
{
    UsalsSite best;
    best.worstAfter = std::numeric_limits<double>::infinity();
    long bestDistance = 0;
    int bestL = 0, bestM = 0;
    const auto worstAt = [&](int L, int M) {
        double worst = 0.0;
        for (const UsalsTarget& t : targets)
            worst = std::max(
                worst, std::fabs(t.motorAngle
                                 - ReceiverMotorAngle(north, ReceiverHourAngleTenths(L, M, t.position))));
        return worst;
    };
    for (int L = -900; L <= 900; ++L) {
        const long dLat = 6L * L - latitude;
        if (std::labs(dLat) > 600)
            continue;
        for (int M = longitude / 6 - 120; M <= longitude / 6 + 120; ++M) {
            const long dLon = 6L * M - longitude;
            if (std::labs(dLon) > 600)
                continue;
            const double worst = worstAt(L, M);
            const long distance = dLat * dLat + dLon * dLon;
            if (worst < best.worstAfter
                || (worst == best.worstAfter
                    && (distance < bestDistance
                        || (distance == bestDistance && (L > bestL || (L == bestL && M > bestM)))))) {
                best.worstAfter = worst;
                bestDistance = distance;
                bestL = L;
                bestM = M;
            }
        }
    }
    best.latitude = bestL;
    best.longitude = bestM > 1800 ? bestM - 3600 : bestM <= -1800 ? bestM + 3600 : bestM;
    // The true site to the nearest tenth, halves upward.
    const auto nearest = [](int arcMinutes) { return static_cast<int>(std::floor(arcMinutes / 6.0 + 0.5)); };
    best.worstBefore = worstAt(nearest(latitude), nearest(longitude));
    best.targets = static_cast<int>(targets.size());
    return best;
}

void ExpectSameSite(const UsalsSite& actual, const UsalsSite& expected, const std::string& what)
{
    EXPECT_EQ(actual.latitude, expected.latitude) << what;
    EXPECT_EQ(actual.longitude, expected.longitude) << what;
    EXPECT_EQ(actual.worstAfter, expected.worstAfter) << what;
    EXPECT_EQ(actual.worstBefore, expected.worstBefore) << what;
    EXPECT_EQ(actual.targets, expected.targets) << what;
    EXPECT_LE(actual.worstAfter, actual.worstBefore) << what;
}

struct MountCase {
    const char* name;
    int latitude, longitude;
    int poleEW, motorAzimuth;  // tenths: a mount that is not ideal
    std::vector<int> positions;
};

class UsalsAgainstBruteForce : public testing::TestWithParam<MountCase> {};

TEST_P(UsalsAgainstBruteForce, FindsTheSameSite)
{
    const MountCase& c = GetParam();
    SatelliteCatalogue catalogue;
    for (int p : c.positions)
        catalogue.InsertOrRename(p, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    s.latitude = c.latitude;
    s.longitude = c.longitude;
    s.Recalculate(true);
    s.poleEW = c.poleEW;
    s.motorAzimuth = c.motorAzimuth;
    s.Recalculate(false);
    s.chosenSatellites.Clear();
    for (int p : c.positions)
        s.chosenSatellites.Set(p);

    const std::vector<UsalsTarget> targets = UsalsTargets(s, catalogue);
    ASSERT_GE(targets.size(), 2u);
    // The motor angles are the arc table's, to the bit.
    for (const ArcRow& row : ComputeArcTable(s, catalogue)) {
        for (const UsalsTarget& t : targets) {
            if (t.position == row.position) {
                EXPECT_EQ(t.motorAngle, row.motorAngle) << row.label;
            }
        }
    }
    const UsalsSite site = FindUsalsSite(s, catalogue);
    ExpectSameSite(site, BruteForce(c.latitude, c.longitude, c.latitude > 0, targets), c.name);
    EXPECT_LE(std::abs(6 * site.latitude - c.latitude), 600) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Receiver, UsalsAgainstBruteForce,
    testing::Values(
        MountCase{"Factory", 2600, 4620, 0, 0, {300, 450, 620, 770, 900, 1050, 1200}},
        MountCase{"FactoryTurned", 2600, 4620, 25, -40, {300, 450, 620, 770, 900, 1050, 1200, 1300}},
        MountCase{"South", -2000, 9000, -30, 15, {600, 800, 900, 1000, 1100, 1300}},
        MountCase{"AcrossTheDateLine", 1200, 10700, 10, 10, {1600, 1700, 1750, 1800, 1850, 1900, 2000}},
        MountCase{"West", 2400, -6000, 0, 30, {2700, 2900, 3000, 3150, 3300, 3450}},
        MountCase{"WindowAcrossTheEquator", 30, 2000, 15, 0, {0, 100, 200, 300, 400}},
        MountCase{"HighLatitude", 4500, 600, -20, 5, {0, 30, 60, 90, 120}},
        MountCase{"OnATenth", 2598, 4620, 5, 5, {500, 770, 1000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Receiver, UsalsTiesGoToTheNearestSite)
{
    // Overhead, a motor angle of 0 is met exactly at every latitude of that
    // longitude: the nearest of them wins, and of two equally near the
    // northern one (43°21'N lies halfway between 43.3° and 43.4°).
    const struct {
        const char* name;
        int latitude, longitude;
        bool north;
        std::vector<UsalsTarget> targets;
        int expectedLatitude, expectedLongitude;
    } cases[] = {
        {"Overhead", 2600, 4650, true, {{770, 0.0}}, 433, 770},
        {"OverheadHalfway", 2601, 4650, true, {{770, 0.0}}, 434, 770},
        {"OverheadSouth", -2600, 4650, false, {{770, 0.0}, {770, 0.0}}, -433, 770},
        {"NoTargetsKeepTheSite", 2600, 4620, true, {}, 433, 770},
        {"NoTargetsDateLine", -100, 10797, false, {}, -17, 1800},
        {"OneTargetFarOff", 2600, 4620, true, {{1500, 70.0}}, 0, 0},
    };
    for (const auto& c : cases) {
        const UsalsSite expected = BruteForce(c.latitude, c.longitude, c.north, c.targets);
        ExpectSameSite(FindUsalsSite(c.latitude, c.longitude, c.north, c.targets), expected, c.name);
        if (c.expectedLatitude != 0 || c.expectedLongitude != 0) {
            EXPECT_EQ(expected.latitude, c.expectedLatitude) << c.name;
            EXPECT_EQ(expected.longitude, c.expectedLongitude) << c.name;
        }
    }
}

// Sites all over the globe, targets fitting some other site within reach or
// out of it, exactly, to the tenth, or not at all.
TEST(Receiver, UsalsAgainstBruteForceAtRandom)
{
    std::mt19937 random(2024);
    const auto uniform
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int k = 0; k < 24; ++k) {
        const int latitude = uniform(-4800, 4800), longitude = uniform(-10799, 10800);
        const bool north = latitude > 0;
        const int fitLatitude = std::clamp(latitude / 6 + uniform(-150, 150), -899, 899);
        const int fitLongitude = longitude / 6 + uniform(-150, 150);
        std::vector<UsalsTarget> targets;
        for (int i = uniform(1, 8); i > 0; --i) {
            const int position = ((longitude / 6 + uniform(-700, 700)) % 3600 + 3600) % 3600;
            double angle
                = ReceiverMotorAngle(north, ReceiverHourAngleTenths(fitLatitude, fitLongitude, position));
            if (k % 4 == 1)
                angle += uniform(-500, 500) / 1000.0;
            else if (k % 4 == 2)
                angle = std::round(angle * 10) / 10;
            else if (k % 4 == 3)
                angle = uniform(-800, 800) / 10.0;
            targets.push_back({position, angle});
        }
        ExpectSameSite(FindUsalsSite(latitude, longitude, north, targets),
                       BruteForce(latitude, longitude, north, targets), "case " + std::to_string(k));
    }
}

TEST(Receiver, UsalsOnTheFactorySetUpGains)
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < PositionCount; p += 10)
        catalogue.InsertOrRename(p, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    const UsalsSite site = FindUsalsSite(s, catalogue);
    EXPECT_GE(site.targets, 5);
    EXPECT_LT(site.worstAfter, site.worstBefore);
    // The result is what the receiver then does at that site.
    double worst = 0.0;
    for (const UsalsTarget& t : UsalsTargets(s, catalogue))
        worst = std::max(
            worst,
            std::fabs(t.motorAngle - ReceiverHourAngleTenths(site.latitude, site.longitude, t.position)));
    EXPECT_EQ(worst, site.worstAfter);

    // Too few satellites up: nothing to fit, the site stays.
    s.chosenSatellites.Clear();
    s.chosenSatellites.Set(770);
    const UsalsSite none = FindUsalsSite(s, catalogue);
    EXPECT_EQ(none.targets, 0);
    EXPECT_EQ(none.latitude, 433);
    EXPECT_EQ(none.longitude, 770);
}

}  // namespace
}  // namespace zenbelts
