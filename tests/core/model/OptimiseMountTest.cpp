#include "model/OptimiseMount.h"

#include "model/Sites.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

SatelliteCatalogue EveryDegree()
{
    SatelliteCatalogue c;
    for (int p = 0; p < PositionCount; p += 10)
        c.InsertOrRename(p, "S");
    return c;
}

using testing_support::At;

// Every pair of whole tenths within the limits, with the plot's own offsets.
double BruteForceWorst(const MountSettings& start, const std::vector<ArcTarget>& targets)
{
    double best = 1e9;
    for (int el = start.motorElevationAuto + start.motorElevationMin;
         el <= start.motorElevationAuto + start.motorElevationMax; ++el) {
        MountSettings s = start;
        s.autoDeclination = 0;
        s.motorElevation = el;
        s.Recalculate(false);
        for (int d = s.declinationAuto + s.declinationMin; d <= s.declinationAuto + s.declinationMax; ++d) {
            s.declination = d;
            best = std::min(best, ComputeWorstMiss(s, targets).degrees);
        }
    }
    return best;
}

struct Case {
    const char* name;
    int latitude, longitude;
    bool ring;
    double seedWorst;  // degrees, roughly
    double bestWorst;
};

class Optimise : public testing::TestWithParam<Case> {};

TEST_P(Optimise, FindsTheBruteForceOptimum)
{
    const Case& c = GetParam();
    const SatelliteCatalogue catalogue = EveryDegree();
    MountSettings s = At(c.latitude, c.longitude, catalogue);
    // The whole visible arc: the motor's limits aside.
    s.motorEast = s.motorWest = MotorLimitMax;
    if (!c.ring) {
        for (const SatelliteEntry& e : catalogue)
            s.chosenSatellites.Set(e.position);
    }
    const MountSettings start = s;
    const std::vector<ArcTarget> targets = OptimisationTargets(s, catalogue, c.ring);
    const OptimiseResult r = OptimiseMount(s, catalogue, c.ring);
    ASSERT_TRUE(r.optimised);
    EXPECT_EQ(r.ring, c.ring);
    EXPECT_NEAR(r.before.degrees, c.seedWorst, 0.005);
    EXPECT_NEAR(r.after.degrees, c.bestWorst, 0.005);
    EXPECT_NEAR(r.after.degrees, BruteForceWorst(start, targets), 1e-9);
    EXPECT_EQ(r.after.degrees, ComputeWorstMiss(s, targets).degrees);
    EXPECT_EQ(s.autoDeclination, 0);
    EXPECT_EQ(s.poleNS, start.poleNS);
    EXPECT_EQ(s.motorAzimuth, start.motorAzimuth);
    EXPECT_TRUE(HasValidInputs(s));
}

INSTANTIATE_TEST_SUITE_P(OptimiseMount, Optimise,
                         testing::Values(Case{"North4320Ring", 2600, 4620, true, 0.314, 0.050},
                                         Case{"North6000Ring", 3600, 4620, true, 0.218, 0.025},
                                         Case{"South4320Ring", -2600, 4620, true, 0.314, 0.050},
                                         Case{"North4320EveryDegreeChosen", 2600, 4620, false, 0.31, 0.05}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OptimiseMount, BindingLimitsKeepTheResultInside)
{
    const SatelliteCatalogue none;
    MountSettings s = At(2600, 4620, none);
    s.motorElevationMin = -1;
    s.motorElevationMax = 1;
    s.declinationMin = -1;
    s.declinationMax = 1;
    const MountSettings start = s;
    const auto targets = OptimisationTargets(s, none);
    const OptimiseResult r = OptimiseMount(s, none);
    EXPECT_EQ(s.motorElevation, start.motorElevationAuto - 1);
    EXPECT_EQ(s.declination, start.declinationAuto + 1);
    EXPECT_NEAR(r.after.degrees, BruteForceWorst(start, targets), 1e-9);
    EXPECT_LT(r.after.degrees, r.before.degrees);
}

TEST(OptimiseMount, FallsBackToTheRingWithoutTwoVisibleChosenSatellites)
{
    SatelliteCatalogue c;
    c.InsertOrRename(770, "Here");
    c.InsertOrRename(2570, "Far side");  // 103.0 W, below the horizon at 77 E
    MountSettings s = At(2600, 4620, c);
    s.chosenSatellites.Set(770);
    s.chosenSatellites.Set(2570);
    const auto targets = OptimisationTargets(s, c);
    ASSERT_GT(targets.size(), 100u);
    EXPECT_FALSE(targets.front().satellite);
    for (const ArcTarget& t : targets)
        EXPECT_EQ(t.position % 5, 0);
    EXPECT_TRUE(OptimiseMount(s, c).ring);
}

TEST(OptimiseMount, ChosenSatellitesBelowFiveDegreesDoNotCount)
{
    SatelliteCatalogue c;
    for (int p : {130, 770, 1000, 2570})
        c.InsertOrRename(p, "S");
    MountSettings s = At(2600, 4620, c);
    for (int p : {130, 770, 1000, 2570})
        s.chosenSatellites.Set(p);
    const auto targets = OptimisationTargets(s, c);
    ASSERT_EQ(targets.size(), 3u);
    EXPECT_TRUE(targets[0].satellite);
    EXPECT_EQ(targets[2].position, 1000);
}

TEST(OptimiseMount, ASecondRunKeepsTheOptimum)
{
    const SatelliteCatalogue none;
    MountSettings s = At(2600, 4620, none);
    OptimiseMount(s, none);
    const MountSettings once = s;
    const OptimiseResult again = OptimiseMount(s, none);
    EXPECT_EQ(s, once) << "ties go to the present values";
    EXPECT_EQ(again.before.degrees, again.after.degrees);
}

TEST(OptimiseMount, NothingToDoWhereTheRingIsBelowFiveDegrees)
{
    const SatelliteCatalogue none;
    MountSettings s = At(5300, 0, none);  // 88°20' N
    const MountSettings before = s;
    const OptimiseResult r = OptimiseMount(s, none);
    EXPECT_FALSE(r.optimised);
    EXPECT_EQ(s, before);
}

}  // namespace
}  // namespace zenbelts
