#include "model/MountSettings.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

MountSettings Factory()
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < 25; ++p)
        catalogue.InsertOrRename(p * 100, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    return s;
}

TEST(MountSettings, ConstructionState)
{
    const MountSettings s;
    EXPECT_EQ(s.latitude, 0);
    EXPECT_EQ(s.autoDeclination, 1);
    EXPECT_EQ(s.lockSatellites, 0);
    for (double v : s.siteFrame.m)
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s.chosenSatellites, ChosenSatelliteSet{});
}

TEST(LoadFactoryDefaults, GivesTheWorkedSetUp)
{
    const MountSettings s = Factory();
    EXPECT_EQ(s.latitude, 2600);
    EXPECT_EQ(s.longitude, 4620);
    EXPECT_EQ(s.altitude, 0);
    for (const AdjustmentInfo& a : Adjustments) {
        EXPECT_EQ(s.*(a.min), -50) << a.name;
        EXPECT_EQ(s.*(a.max), 50) << a.name;
    }
    EXPECT_EQ(s.poleNS, 0);
    EXPECT_EQ(s.motorElevation, 466);
    EXPECT_EQ(s.motorElevationAuto, 466);
    EXPECT_EQ(s.declination, -64);
    EXPECT_EQ(s.declinationAuto, -64);
    EXPECT_EQ(s.autoDeclination, 1);
    EXPECT_EQ(s.lockSatellites, 0);
    EXPECT_TRUE(s.chosenSatellites.Test(0));
    EXPECT_TRUE(s.chosenSatellites.Test(1000));
    EXPECT_TRUE(s.chosenSatellites.Test(2000));
    EXPECT_FALSE(s.chosenSatellites.Test(100));
    EXPECT_TRUE(HasValidInputs(s));
}

struct AutoCase {
    const char* name;
    int latitude, longitude, altitude;
    int motorElevationAuto, declinationAuto;
};

class AutomaticValues : public testing::TestWithParam<AutoCase> {};

TEST_P(AutomaticValues, AfterRelocation)
{
    const AutoCase& c = GetParam();
    MountSettings s = Factory();
    s.poleNS = 30;
    s.motorAzimuth = -20;
    s.autoDeclination = 0;  // a relocation recomputes the declination regardless
    s.latitude = c.latitude;
    s.longitude = c.longitude;
    s.altitude = c.altitude;
    s.Recalculate(true);
    EXPECT_EQ(s.motorElevationAuto, c.motorElevationAuto);
    EXPECT_EQ(s.motorElevation, c.motorElevationAuto);
    EXPECT_EQ(s.declinationAuto, c.declinationAuto);
    EXPECT_EQ(s.declination, c.declinationAuto);
    EXPECT_EQ(s.poleNS, 0);
    EXPECT_EQ(s.motorAzimuth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Recalculate, AutomaticValues,
    testing::Values(AutoCase{"N4320", 2600, 4620, 0, 466, -64},
                    AutoCase{"N4320High", 2600, 4620, 10000, 466, -64},
                    AutoCase{"S4320", -2600, 4620, 0, -466, 64},
                    AutoCase{"N5000Greenwich", 3000, 0, 0, 399, -71},
                    AutoCase{"N5000West", 3000, -600, 0, 399, -71}, AutoCase{"N0100", 60, 0, 0, 890, -2},
                    AutoCase{"S0100", -60, 0, 0, -890, 2}, AutoCase{"N0001", 1, 0, 0, 900, 0},
                    AutoCase{"Equator", 0, 0, 0, -900, 0}, AutoCase{"S0001", -1, 0, 0, -900, 0},
                    AutoCase{"NorthPole", 5400, 0, 0, 0, -86}, AutoCase{"SouthPole", -5400, 0, 0, 0, 86}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Recalculate, WithoutAutoDeclinationKeepsTheDeclinationWhileTheWindowFollows)
{
    MountSettings s = Factory();
    s.autoDeclination = 0;
    s.motorAzimuth = 30;
    const Matrix4 before = s.mountFrame;
    s.Recalculate(false);
    EXPECT_EQ(s.declination, -64);
    EXPECT_NE(s.declinationAuto, -64) << "the automatic value follows the mount";
    EXPECT_NE(s.mountFrame.m[0], before.m[0]);
    const int followed = s.declinationAuto;

    s.autoDeclination = 1;
    s.Recalculate(false);
    EXPECT_EQ(s.declinationAuto, followed);
    EXPECT_EQ(s.declination, s.declinationAuto);
}

TEST(Recalculate, ADeclinationLeftOutsideItsMovedWindowIsBroughtInside)
{
    MountSettings s = Factory();
    s.autoDeclination = 0;
    s.declinationMin = -1;
    s.declinationMax = 1;
    s.declination = s.declinationAuto + 1;
    s.Recalculate(false);
    ASSERT_EQ(s.declination, -63);
    // Turning the motor far east moves the automatic value by more than a tenth.
    s.motorAzimuth = 50;
    s.Recalculate(false);
    ASSERT_NE(s.declinationAuto, -64);
    EXPECT_GE(s.declination, s.declinationAuto - 1);
    EXPECT_LE(s.declination, s.declinationAuto + 1);
    EXPECT_TRUE(HasValidInputs(s));
}

struct RelocationCase {
    const char* name;
    int lo, hi, expected;
};

class RelocationWithLimits : public testing::TestWithParam<RelocationCase> {};

TEST_P(RelocationWithLimits, ResetsEachAdjustmentToTheValueNearestZeroItsLimitsAllow)
{
    const RelocationCase& c = GetParam();
    for (const AdjustmentInfo& a : Adjustments) {
        if (a.automatic)
            continue;
        SCOPED_TRACE(a.name);
        MountSettings s = Factory();
        s.*(a.min) = c.lo;
        s.*(a.max) = c.hi;
        s.altitude = 20;
        s.Recalculate(true);
        EXPECT_EQ(s.*(a.value), c.expected);
        EXPECT_TRUE(HasValidInputs(s));
    }
}

INSTANTIATE_TEST_SUITE_P(Recalculate, RelocationWithLimits,
                         testing::Values(RelocationCase{"AroundZero", -50, 50, 0},
                                         RelocationCase{"AllAbove", 10, 30, 10},
                                         RelocationCase{"AllBelow", -30, -10, -10},
                                         RelocationCase{"TouchingZero", 0, 5, 0},
                                         RelocationCase{"FarEnds", -1799, -1798, -1798}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Recalculate, NeverTouchesLimitsFlagsOrChoice)
{
    MountSettings s = Factory();
    s.poleNSMin = -7;
    s.lockSatellites = 1;
    s.autoDeclination = 5;
    const ChosenSatelliteSet chosen = s.chosenSatellites;
    s.Recalculate(true);
    s.Recalculate(false);
    EXPECT_EQ(s.poleNSMin, -7);
    EXPECT_EQ(s.lockSatellites, 1);
    EXPECT_EQ(s.autoDeclination, 5);
    EXPECT_EQ(s.chosenSatellites, chosen);
}

TEST(ResetAdjustments, WidensLimitsThatExcludeTheDefault)
{
    MountSettings s = Factory();
    s.poleNSMin = 10;
    s.poleNSMax = 40;
    s.poleNS = 25;
    s.motorElevationMax = -3;  // not a valid pair, but reset must still repair it
    s.dishAzimuth = 12;
    s.autoDeclination = 0;
    s.declination = -70;
    s.ResetAdjustments();
    EXPECT_EQ(s.poleNS, 0);
    EXPECT_EQ(s.poleNSMin, -1);
    EXPECT_EQ(s.poleNSMax, 40);
    EXPECT_EQ(s.motorElevationMax, 1);
    EXPECT_EQ(s.dishAzimuth, 0);
    EXPECT_EQ(s.declination, -64);
    EXPECT_EQ(s.autoDeclination, 0);
}

TEST(HasValidInputs, EdgesOfTheInvariants)
{
    const struct {
        const char* name;
        void (*change)(MountSettings&);
        bool valid;
    } cases[] = {
        {"latitude 5400", [](MountSettings& s) { s.latitude = 5400; }, true},
        {"latitude -5401", [](MountSettings& s) { s.latitude = -5401; }, false},
        {"longitude -10799", [](MountSettings& s) { s.longitude = -10799; }, true},
        {"longitude -10800", [](MountSettings& s) { s.longitude = -10800; }, false},
        {"longitude 10801", [](MountSettings& s) { s.longitude = 10801; }, false},
        {"altitude -1000", [](MountSettings& s) { s.altitude = -1000; }, true},
        {"altitude 10001", [](MountSettings& s) { s.altitude = 10001; }, false},
        {"min equals max", [](MountSettings& s) { s.poleNSMin = s.poleNSMax = 0; }, false},
        {"widest plain limits",
         [](MountSettings& s) {
             s.poleEWMin = -1799;
             s.poleEWMax = 1800;
         },
         true},
        {"relative min 0", [](MountSettings& s) { s.motorElevationMin = 0; }, false},
        {"relative -1..1",
         [](MountSettings& s) {
             s.motorElevationMin = -1;
             s.motorElevationMax = 1;
         },
         true},
        {"value beyond limit", [](MountSettings& s) { s.dishAzimuth = 51; }, false},
        {"auto declination off the auto value", [](MountSettings& s) { s.declination = -60; }, false},
    };
    for (const auto& c : cases) {
        MountSettings s = Factory();
        c.change(s);
        EXPECT_EQ(HasValidInputs(s), c.valid) << c.name;
    }
}

TEST(ApplyConfirmedProperties, NarrowedLimitsPullTheAdjustmentIn)
{
    MountSettings s = Factory();
    s.poleNSMin = -200;
    s.poleNSMax = 200;
    s.poleNS = 35;
    s.Recalculate(false);
    MountSettings working = s;
    working.poleNSMin = -20;
    working.poleNSMax = 20;
    ApplyConfirmedProperties(s, working);
    EXPECT_EQ(s.poleNS, 20);
    EXPECT_TRUE(HasValidInputs(s));
}

TEST(ApplyConfirmedProperties, RelativeLimitsUseTheCurrentAutomaticValue)
{
    MountSettings s = Factory();
    s.motorElevation = s.motorElevationAuto + 30;
    s.Recalculate(false);
    MountSettings working = s;
    working.motorElevationMin = -10;
    working.motorElevationMax = 10;
    ApplyConfirmedProperties(s, working);
    EXPECT_EQ(s.motorElevation, s.motorElevationAuto + 10);
}

TEST(ApplyConfirmedProperties, AnyLocationChangeRelocates)
{
    MountSettings s = Factory();
    s.poleEW = 20;
    s.Recalculate(false);
    MountSettings working = s;
    working.altitude = 300;
    ApplyConfirmedProperties(s, working);
    EXPECT_EQ(s.poleEW, 0);
    EXPECT_EQ(s.altitude, 300);
}

TEST(ApplyConfirmedProperties, UnchangedWorkingCopyKeepsEveryValue)
{
    MountSettings s = Factory();
    s.poleEW = 20;
    s.Recalculate(false);
    const MountSettings before = s;
    ApplyConfirmedProperties(s, before);
    EXPECT_EQ(s, before);
}

}  // namespace
}  // namespace zenbelts
