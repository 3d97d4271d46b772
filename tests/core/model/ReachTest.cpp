#include "model/Reach.h"

#include "geometry/Geodesy.h"
#include "model/Diagnose.h"
#include "model/HorizonCsv.h"
#include "model/OptimiseMount.h"
#include "model/SetUpEdits.h"
#include "model/Sites.h"
#include "model/StoredPositions.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zenbelts {
namespace {

using testing_support::At;

constexpr double DegreesPerRadian = 180.0 / 3.14159265358979323846;

SatelliteCatalogue EveryDegree()
{
    SatelliteCatalogue c;
    for (int p = 0; p < PositionCount; p += 10)
        c.InsertOrRename(p, "S");
    return c;
}

// The receivers' spherical formula: the last longitude difference from the
// site at which the ring stands on the horizon, acos(0.1513 / cos latitude).
TEST(Reach, TheArcEndsAgreeWithTheReceiversFormulaWithinTheEarthsFlattening)
{
    const SatelliteCatalogue catalogue = EveryDegree();
    double worstDegrees = 0.0;
    for (int degrees = 0; degrees <= 81; ++degrees) {
        for (int sign : {1, -1}) {
            MountSettings s = At(sign * degrees * 60, -600, catalogue);
            s.motorEast = s.motorWest = MotorLimitMax;
            const double phi = degrees / DegreesPerRadian;
            const double formula = std::acos(0.1513 / std::cos(phi)) * DegreesPerRadian;
            for (bool east : {true, false}) {
                const std::optional<double> end = ArcEnd(s, east, 0.0);
                ASSERT_TRUE(end.has_value()) << sign * degrees << (east ? " east" : " west");
                // The formula's ratio of the earth's radius to the orbit's
                // belongs to a sphere; the ellipsoid's horizon at a latitude
                // lowers it by up to e^2/2, 0.34% (0.00051) at the pole.
                EXPECT_NEAR(std::cos(*end / DegreesPerRadian) * std::cos(phi), 0.1513, 0.00055)
                    << sign * degrees << (east ? " east" : " west");
                // In degrees that stays small while the arc is long.
                if (degrees <= 70) {
                    EXPECT_NEAR(*end, formula, 0.1) << sign * degrees;
                }
                worstDegrees = std::max(worstDegrees, std::fabs(*end - formula));
            }
        }
    }
    // Near 81 degrees the arc shrinks to a point and the flattening moves its
    // ends by most: 0.73 degrees at 81.0.
    EXPECT_LT(worstDegrees, 0.8);
    EXPECT_GT(worstDegrees, 0.5);
    // Beyond about 81.3 degrees no satellite is up.
    for (int sign : {1, -1}) {
        const MountSettings s = At(sign * 4884, -600, catalogue);  // 81.4 degrees
        EXPECT_FALSE(ArcEnd(s, true, 0.0).has_value()) << sign;
        EXPECT_GT(0.1513 / std::cos(81.4 / DegreesPerRadian), 1.0);
    }
}

// 70 λ/D, the wavelength c/f at 4.0, 11.7 and 20.0 GHz: 7.495, 2.562 and
// 1.499 cm.
TEST(Reach, BeamWidthsFollowTheSeventyLambdaOverDRule)
{
    const struct {
        int centimetres;
        Band band;
        double degrees;
    } cases[] = {
        {80, Band::Ku, 70 * 2.5623 / 80},   {60, Band::Ku, 70 * 2.5623 / 60},
        {120, Band::Ku, 70 * 2.5623 / 120}, {180, Band::C, 70 * 7.4948 / 180},
        {300, Band::C, 70 * 7.4948 / 300},  {75, Band::Ka, 70 * 1.4990 / 75},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(BeamWidthDegrees(c.centimetres, c.band), c.degrees, 0.001) << c.centimetres;
    // The figure the field assistant's threshold rests on: about 2 degrees.
    EXPECT_NEAR(BeamWidthDegrees(80, Band::Ku), 2.24, 0.01);
}

TEST(Reach, TheBandComesFromTheListsName)
{
    const struct {
        const char* name;
        Band band;
    } cases[] = {
        {"177.0W C-band NSS 9", Band::C},
        {"0.8W Ku-band Thor 5/6/7 & Intelsat 10-02", Band::Ku},
        {"19.2 E  KaA", Band::Ka},
        {"0.8 W  C", Band::C},
        {"Astra 1KR/1L/1M/2C", Band::Ku},
        {"Hot Bird 13E", Band::Ku},
        {"4.8E Ku-band Astra 4A & SES 5 & 4.8E C-band Astra 4A & SES 5", Band::Ku},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BandOfName(c.name), c.band) << c.name;
}

TEST(Reach, TheMaskJoinsItsPointsByStraightLinesInAzimuth)
{
    const std::vector<HorizonPoint> mask = {{900, 100}, {1800, 300}, {2700, 0}};
    const struct {
        double azimuth, elevation;
    } cases[] = {
        {90, 10},
        {135, 20},
        {180, 30},
        {225, 15},
        {270, 0},
        // Round through north, from 270 degrees at 0 to 90 degrees at 10.
        {315, 2.5},
        {0, 5},
        {360, 5},
        {45, 7.5},
        {-45, 2.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(HorizonElevation(mask, c.azimuth), c.elevation, 1e-9) << c.azimuth;
    EXPECT_EQ(HorizonElevation({}, 123.0), 0.0);
    EXPECT_EQ(HorizonElevation({{1000, 55}}, 300.0), 5.5) << "one point: level all round";
    EXPECT_TRUE(IsFlatHorizon({}));
    EXPECT_TRUE(IsFlatHorizon({{100, 0}, {200, 0}}));
    EXPECT_FALSE(IsFlatHorizon(mask));
}

// 50°N, 10°W: 13.0°E stands at 151° and 28.7° up, its motor at 25.4°E.
TEST(Reach, AChimneyTheMotorsLimitAndHalfTheBeamKeepTheDishFromASatellite)
{
    const SatelliteCatalogue catalogue = EveryDegree();
    MountSettings s = At(3000, -600, catalogue);
    const SatelliteReach free = ReachOf(s, 130);
    EXPECT_EQ(free.hiddenBy, HiddenBy::None);
    EXPECT_NEAR(free.bearing.azimuth, 151.0, 0.1);
    EXPECT_NEAR(free.bearing.elevation, 28.7, 0.1);

    MountSettings chimney = s;
    chimney.horizon = {{1450, 0}, {1480, 350}, {1540, 350}, {1570, 0}};
    EXPECT_EQ(ReachOf(chimney, 130).hiddenBy, HiddenBy::Horizon);
    EXPECT_EQ(ReachOf(chimney, 192).hiddenBy, HiddenBy::None) << "19.2°E stands at 144°";

    MountSettings motor = s;
    motor.motorEast = 250;
    EXPECT_EQ(ReachOf(motor, 130).hiddenBy, HiddenBy::Motor);
    EXPECT_EQ(ReachOf(motor, 3300).hiddenBy, HiddenBy::None) << "30.0°W lies west";
    motor.motorWest = 200;
    EXPECT_EQ(ReachOf(motor, 3300).hiddenBy, HiddenBy::Motor);

    // Low in the west: up, but by less than half an 80 cm dish's Ku beam;
    // a 3 m dish's narrower beam clears.
    s.motorEast = s.motorWest = MotorLimitMax;
    int low = -1;
    for (int p = 2400; p < 3600 && low < 0; ++p) {
        const double elevation = ReachOf(s, p).bearing.elevation;
        if (elevation > 0.5 && elevation < 0.9)
            low = p;
    }
    ASSERT_GE(low, 0);
    EXPECT_EQ(ReachOf(s, low).hiddenBy, HiddenBy::Horizon);
    EXPECT_EQ(ReachOf(s, low, Band::C).hiddenBy, HiddenBy::Horizon);
    s.dishDiameter = 300;
    EXPECT_EQ(ReachOf(s, low).hiddenBy, HiddenBy::None);
}

// Chooses every 5 degrees, then hides one the field assistant would start
// from behind a chimney: nothing offers it any more.
TEST(Reach, AHiddenSatelliteIsNeverOffered)
{
    const SatelliteCatalogue catalogue = EveryDegree();
    MountSettings s = At(3000, -600, catalogue);
    for (int p = 0; p < PositionCount; p += 50)
        s.chosenSatellites.Set(p);
    const FirstObservations before = ProposeFirstObservations(s, catalogue);
    ASSERT_GE(before.positions.size(), 3u);
    int hidden = -1;
    for (int p : before.positions) {
        if (s.chosenSatellites.Test(p) && ReachOf(s, p).bearing.elevation > 10.0)
            hidden = p;
    }
    ASSERT_GE(hidden, 0) << "a chosen satellite of the proposal";
    const int azimuth = static_cast<int>(std::lround(ReachOf(s, hidden).bearing.azimuth * 10.0));
    s.horizon = {{azimuth - 40, 0}, {azimuth - 20, 600}, {azimuth + 20, 600}, {azimuth + 40, 0}};
    ASSERT_EQ(ReachOf(s, hidden).hiddenBy, HiddenBy::Horizon);
    const auto reachable = [&](int p) { return ReachOf(s, p).Reachable(); };

    const FirstObservations first = ProposeFirstObservations(s, catalogue);
    ASSERT_FALSE(first.positions.empty());
    for (int p : first.positions)
        EXPECT_TRUE(reachable(p)) << "first: " << FormatSatelliteLabel(p);

    const std::vector<ArcRow> arc = ComputeArcTable(s, catalogue);
    std::vector<Observation> seen;
    for (int p : {3300, 3500})
        for (const ArcRow& r : arc)
            if (r.position == p)
                seen.push_back({p, r.motorAngle, r.offset});
    const Diagnosis d = Diagnose(s, catalogue, seen);
    ASSERT_FALSE(d.next.empty());
    for (const NextObservation& n : d.next)
        EXPECT_TRUE(reachable(n.position)) << "next: " << FormatSatelliteLabel(n.position);

    for (const ArcTarget& t : OptimisationTargets(s, catalogue))
        EXPECT_NE(t.position, hidden) << "Optimise";
    const PositionsTable table = ComputePositions(s, catalogue);
    for (const PositionSlot& slot : table.stored)
        EXPECT_TRUE(reachable(slot.position)) << "slot " << slot.slot;
    EXPECT_TRUE(std::any_of(table.leftOut.begin(), table.leftOut.end(), [&](const LeftOutSatellite& l) {
        return l.position == hidden && l.hiddenBy == HiddenBy::Horizon;
    }));
    for (const MissRow& row : ComputeMissTable(s, catalogue)) {
        if (row.position == hidden) {
            EXPECT_EQ(row.hiddenBy, HiddenBy::Horizon);
        } else if (row.elevationDegrees > 5.0 && std::fabs(row.motorAngle) < 70.0) {
            EXPECT_TRUE(row.Reachable()) << row.label;
        }
    }
}

TEST(Reach, TheStretchesTheMaskHidesBoundWhatItHides)
{
    const SatelliteCatalogue catalogue = EveryDegree();
    MountSettings s = At(3000, -600, catalogue);
    EXPECT_TRUE(StretchesHiddenByMask(s).empty()) << "flat";
    s.horizon = {{1450, 0}, {1480, 350}, {1540, 350}, {1570, 0}};
    const std::vector<RingStretch> stretches = StretchesHiddenByMask(s);
    ASSERT_EQ(stretches.size(), 1u);
    const RingStretch& r = stretches.front();
    const auto hiddenByMask = [&](int tenths) {
        const Bearing b = RingBearing(s, tenths / 10.0);
        const double halfBeam = BeamWidthDegrees(s.dishDiameter, Band::Ku) / 2;
        return b.elevation >= halfBeam && b.elevation < HorizonElevation(s.horizon, b.azimuth) + halfBeam;
    };
    EXPECT_TRUE(hiddenByMask(r.from));
    EXPECT_TRUE(hiddenByMask(r.to - 1));
    EXPECT_FALSE(hiddenByMask(r.from - 1));
    EXPECT_FALSE(hiddenByMask(r.to));
    // Longitudes counted on from the site's west: 13.0°E lies inside.
    EXPECT_LT((130 - r.from + 3600) % 3600, r.to - r.from) << r.from << ".." << r.to;
}

TEST(Reach, AHorizonFileReadsAndWritesTheSamePoints)
{
    const std::vector<HorizonPoint> read
        = ParseHorizonCsv("azimuth,elevation\r\n180,15\r\n\r\n 210.25 , 30\n360,0.04\n0.0,+2\n");
    EXPECT_EQ(read, (std::vector<HorizonPoint>{{1800, 150}, {2103, 300}, {0, 0}, {0, 20}}));
    EXPECT_EQ(ParseHorizonCsv("100,5\n"), (std::vector<HorizonPoint>{{1000, 50}})) << "no header";
    const std::vector<HorizonPoint> points = {{0, 0}, {1234, 56}, {3599, 900}};
    EXPECT_EQ(ParseHorizonCsv(WriteHorizonCsv(points)), points);

    const struct {
        const char* text;
        const char* says;
    } refused[] = {
        {"azimuth,elevation\n180\n", "line 2: it is not azimuth,elevation"},
        {"180,15,3\n", "line 1: it is not azimuth,elevation"},
        {"a,b\n361,5\n", "line 2: the azimuth is not a number of degrees from 0 to 360"},
        {"10,x\n", "line 1: the elevation is not a number"},
        {"10,-1\n", "line 1: the elevation is not a number of degrees from 0 to 90"},
        {"10,nan\n", "line 1: the elevation"},
    };
    for (const auto& c : refused) {
        try {
            ParseHorizonCsv(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const HorizonCsvError& e) {
            EXPECT_NE(e.message().English().find(c.says), std::string::npos) << e.message().English();
        }
    }
    // The set-up's rules take the points read: sorted, one azimuth once.
    MountSettings s;
    EXPECT_TRUE(SetHorizon(s, read).accepted == false) << "north twice";
    ASSERT_TRUE(SetHorizon(s, {{2103, 300}, {1800, 150}}));
    EXPECT_EQ(s.horizon, (std::vector<HorizonPoint>{{1800, 150}, {2103, 300}}));
}

}  // namespace
}  // namespace zenbelts
