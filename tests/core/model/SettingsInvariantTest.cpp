// Long random sequences of the commands that change a set-up: after every
// step the record must store and load back the same.

#include "model/MountSettings.h"
#include "model/OptimiseMount.h"
#include "model/RoundTrip.h"

#include <gtest/gtest.h>

#include <random>

namespace zenbelts {
namespace {

SatelliteCatalogue EveryThreeDegrees()
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < PositionCount; p += 30)
        catalogue.InsertOrRename(p, "S");
    return catalogue;
}

int Uniform(std::mt19937& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// A limit pair as the Properties dialog accepts it; often one that leaves 0
// out, or a narrow one that binds.
void RandomLimits(std::mt19937& rng, MountSettings& w, const AdjustmentInfo& a)
{
    if (a.automatic) {
        w.*(a.min) = -Uniform(rng, 1, rng() % 2 ? 3 : 1799);
        w.*(a.max) = Uniform(rng, 1, rng() % 2 ? 3 : 1800);
        return;
    }
    const int lo = Uniform(rng, -200, 199);
    w.*(a.min) = lo;
    w.*(a.max) = Uniform(rng, lo + 1, std::min(1800, lo + (rng() % 2 ? 4 : 400)));
}

const char* Step(std::mt19937& rng, MountSettings& s, const SatelliteCatalogue& catalogue)
{
    switch (rng() % 10) {
    case 0:
    case 1:
    case 2: {  // a panel movement: anywhere the control's range allows
        const AdjustmentInfo& a = Adjustments[rng() % Adjustments.size()];
        if (a.value == &MountSettings::declination && s.autoDeclination != 0)
            return "skipped";
        s.*(a.value) = Uniform(rng, a.Lower(s), a.Upper(s));
        s.Recalculate(false);
        return a.name;
    }
    case 3:
        s.autoDeclination = s.autoDeclination == 0 ? 1 : 0;
        s.Recalculate(false);
        return "autoDeclination";
    case 4:
        s.lockSatellites = s.lockSatellites == 0 ? 1 : 0;
        return "lockSatellites";
    case 5: {  // Properties: limits
        MountSettings working = s;
        RandomLimits(rng, working, Adjustments[rng() % Adjustments.size()]);
        ApplyConfirmedProperties(s, working);
        return "limits";
    }
    case 6: {  // Properties: the location, sometimes only the altitude
        MountSettings working = s;
        if (rng() % 3 == 0) {
            working.altitude = Uniform(rng, AltitudeMin, AltitudeMax);
        } else {
            working.latitude = Uniform(rng, LatitudeMin, LatitudeMax);
            working.longitude = Uniform(rng, LongitudeMin, LongitudeMax);
        }
        ApplyConfirmedProperties(s, working);
        return "location";
    }
    case 7:
        s.ResetAdjustments();
        return "Set defaults";
    case 8: {  // Properties: the dish, often back to prime focus; or what it can reach
        MountSettings working = s;
        if (rng() % 2) {
            working.horizon.clear();
            for (int azimuth = Uniform(rng, 0, 400); azimuth < 3600 && rng() % 8;
                 azimuth += Uniform(rng, 1, 600))
                working.horizon.push_back({azimuth, Uniform(rng, 0, HorizonElevationMax)});
            working.motorEast = Uniform(rng, 0, MotorLimitMax);
            working.motorWest = rng() % 2 ? DefaultMotorLimit : Uniform(rng, 0, MotorLimitMax);
            working.dishDiameter
                = rng() % 2 ? DefaultDishDiameter : Uniform(rng, DishDiameterMin, DishDiameterMax);
            ApplyConfirmedProperties(s, working);
            return "reach";
        }
        working.dishOffset = rng() % 3 == 0 ? 0 : Uniform(rng, 0, DishOffsetMax);
        working.feedUp = static_cast<std::int32_t>(rng() % 2);
        ApplyConfirmedProperties(s, working);
        return "dish";
    }
    default:
        OptimiseMount(s, catalogue, rng() % 4 == 0);
        return "Optimise";
    }
}

TEST(SettingsInvariant, EveryCommandSequenceStoresAndLoadsTheSame)
{
    const SatelliteCatalogue catalogue = EveryThreeDegrees();
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        MountSettings s;
        s.LoadFactoryDefaults(catalogue);
        for (int step = 0; step < 60; ++step) {
            const char* what = Step(rng, s, catalogue);
            ASSERT_TRUE(StoresAndLoadsTheSame(s)) << "seed " << seed << ", step " << step << ": " << what;
        }
    }
}

// The three sequences that used to write files the reader refused.
TEST(SettingsInvariant, KnownBreakersNowStoreAndLoadTheSame)
{
    const SatelliteCatalogue catalogue = EveryThreeDegrees();
    MountSettings factory;
    factory.LoadFactoryDefaults(catalogue);

    {  // a narrowed limit that excludes 0, then a move of the altitude only
        MountSettings s = factory, working = factory;
        working.poleNSMin = 10;
        working.poleNSMax = 30;
        ApplyConfirmedProperties(s, working);
        working = s;
        working.altitude = 20;
        ApplyConfirmedProperties(s, working);
        EXPECT_EQ(s.poleNS, 10);
        EXPECT_TRUE(StoresAndLoadsTheSame(s)) << "relocation with narrowed limits";
    }
    {  // auto declination off, the motor turned, the declination at its end
        MountSettings s = factory;
        s.autoDeclination = 0;
        s.Recalculate(false);
        s.motorAzimuth = 30;
        s.Recalculate(false);
        s.declination = s.declinationAuto + s.declinationMin;
        s.Recalculate(false);
        EXPECT_TRUE(StoresAndLoadsTheSame(s)) << "declination by hand after a motor turn";
    }
    {  // optimise over many starting points with factory limits
        int optimised = 0;
        for (int lat = -5000; lat <= 5000; lat += 370) {
            MountSettings s = factory;
            s.latitude = lat;
            s.Recalculate(true);
            s.motorAzimuth = (lat / 37) % 50;
            s.Recalculate(false);
            optimised += OptimiseMount(s, catalogue).optimised;
            EXPECT_TRUE(StoresAndLoadsTheSame(s)) << "optimise at latitude " << lat;
        }
        EXPECT_GT(optimised, 20);
    }
}

}  // namespace
}  // namespace zenbelts
