#include "model/PhoneInstruments.h"
#include "model/AtTheDish.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenbelts {
namespace {

// Orientations whose tilts follow from the geometry by hand: tipping the
// top up by beta raises the long edge by beta and the screen's normal to
// 90 - beta; rolling by gamma then tips the normal by cos(gamma) more.
TEST(PhoneInstruments, TiltsAsTheGeometrySays)
{
    struct Case {
        const char* what;
        double beta, gamma, edge, face;
    } cases[] = {
        {"flat on its back", 0, 0, 0, 90},
        {"top raised 30", 30, 0, 30, 60},
        {"upright", 90, 0, 90, 0},
        {"leaning back past upright", 120, 0, 60, -30},
        {"rolled 20 with the top up 60", 60, 20, 60, std::asin(0.5 * std::cos(20 * M_PI / 180)) * 180 / M_PI},
        {"rolled alone", 0, -35, 0, 55},
    };
    for (const Case& c : cases) {
        const PhoneTilt t = ReadPhoneTilt(c.beta, c.gamma);
        EXPECT_NEAR(t.edgeElevation, c.edge, 1e-9) << c.what;
        EXPECT_NEAR(t.faceTilt, c.face, 1e-9) << c.what;
    }
}

TEST(PhoneInstruments, ZeroOnALevelSurfaceTakesOutTheLean)
{
    // A phone that reads 2 up and 1 across lying level: once zeroed there,
    // it reads level there, and a true 30 degree rise, which it reads with
    // the same lean, as 30.
    const PhoneLevelZero zero = PhoneLevelZero::OnLevel(2.0, -1.0);
    EXPECT_TRUE(zero.Zeroed());
    const PhoneTilt level = ReadPhoneTilt(2.0, -1.0, zero);
    EXPECT_NEAR(level.edgeElevation, 0.0, 1e-9);
    EXPECT_NEAR(level.faceTilt, 90.0, 1e-6);
    EXPECT_NEAR(ReadPhoneTilt(32.0, -1.0, zero).edgeElevation, 30.0, 0.05);
    // Unzeroed, the lean stays in the reading.
    EXPECT_NEAR(ReadPhoneTilt(32.0, -1.0).edgeElevation, 32.0, 0.05);
}

TEST(PhoneInstruments, CompassHeadingsTrueAndMagnetic)
{
    EXPECT_DOUBLE_EQ(CompassHeadingFromAlpha(0.0), 0.0);
    EXPECT_DOUBLE_EQ(CompassHeadingFromAlpha(90.0), 270.0);  // alpha turns counterclockwise
    EXPECT_DOUBLE_EQ(CompassHeadingFromAlpha(-10.0), 10.0);
    // The inverse of the bearing a compass shows, across north.
    for (const double azimuth : {0.0, 1.0, 182.1, 359.5}) {
        for (const double declination : {-2.1, 0.0, 12.5}) {
            const double shown = CompassBearing(azimuth, declination);
            EXPECT_NEAR(TrueAzimuthFromCompass(shown, declination), azimuth, 1e-9)
                << azimuth << " with " << declination;
        }
    }
}

}  // namespace
}  // namespace zenbelts
