#include "geometry/MountModel.h"
#include "geometry/Geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zenbelts {
namespace {

constexpr double Lat4320 = 2600 * ArcMinutesToRadians;
constexpr double Lon7700 = 4620 * ArcMinutesToRadians;

TEST(GeodeticToEcef, EquatorAtPrimeMeridianIsTheSemiMajorAxis)
{
    EcefPoint p;
    GeodeticToEcef(0.0, 0.0, 0.0, p);
    EXPECT_EQ(p.x, 6378137.0);
    EXPECT_EQ(p.y, 0.0);
    EXPECT_EQ(p.z, 0.0);
}

TEST(GeodeticToEcef, NorthPoleIsThePolarSemiAxis)
{
    EcefPoint p;
    GeodeticToEcef(HalfPi, 0.0, 0.0, p);
    EXPECT_NEAR(p.x, 0.0, 1e-6);
    EXPECT_NEAR(p.z, EarthEquatorialRadius * EarthAxisRatio, 1e-6);
}

TEST(GeodeticToEcef, FactorySite)
{
    EcefPoint p;
    GeodeticToEcef(Lat4320, Lon7700, 0.0, p);
    EXPECT_NEAR(p.x, 1.045e6, 1e3);
    EXPECT_NEAR(p.y, 4.528e6, 1e3);
    EXPECT_NEAR(p.z, 4.355e6, 1e3);
}

TEST(GeodeticToEcef, HeightRaisesAlongTheNormal)
{
    EcefPoint low, high;
    GeodeticToEcef(Lat4320, Lon7700, 0.0, low);
    GeodeticToEcef(Lat4320, Lon7700, 1000.0, high);
    const double d
        = std::sqrt(std::pow(high.x - low.x, 2) + std::pow(high.y - low.y, 2) + std::pow(high.z - low.z, 2));
    EXPECT_NEAR(d, 1000.0, 1e-6);
}

TEST(PolarTilt, EquatorIsExactlyMinusHalfPi)
{
    EXPECT_EQ(PolarTilt(0.0), -HalfPi);
}

TEST(PolarTilt, RoundedValues)
{
    EXPECT_EQ(RoundToTenths(PolarTilt(HalfPi)), 0);
    EXPECT_EQ(RoundToTenths(PolarTilt(-HalfPi)), 0);
    EXPECT_EQ(RoundToTenths(PolarTilt(Lat4320)), 466);
    EXPECT_EQ(RoundToTenths(PolarTilt(-Lat4320)), -466);
    EXPECT_NEAR(PolarTilt(1 * ArcMinutesToRadians) * RadiansToTenths, 899.83, 0.005);
    EXPECT_EQ(RoundToTenths(PolarTilt(1 * ArcMinutesToRadians)), 900);
    EXPECT_NEAR(PolarTilt(3000 * ArcMinutesToRadians) * RadiansToDegrees, 39.91, 0.005);
}

TEST(PolarTilt, SouthIsTheNegativeOfNorth)
{
    EXPECT_DOUBLE_EQ(PolarTilt(-Lat4320), -PolarTilt(Lat4320));
}

TEST(GeostationaryPoint, AtZero)
{
    Vector4 p;
    GeostationaryPoint(0.0, p);
    EXPECT_EQ(p.v[0], 42163137.0);
    EXPECT_EQ(p.v[1], 0.0);
    EXPECT_EQ(p.v[2], 0.0);
    EXPECT_EQ(p.v[3], 1.0);
}

TEST(RingPointAtTenths, MatchesGeostationaryPointBitForBit)
{
    for (int k : {0, 10, 770, 1800, 3590, 3600}) {
        Vector4 direct;
        GeostationaryPoint(k * TenthsToRadians, direct);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(RingPointAtTenths(k).v[i], direct.v[i]) << k;
    }
}

// Column c of a frame as a 3-vector.
struct Column {
    double x, y, z;
};
Column ColumnOf(const Matrix4& m, int c)
{
    return {m.at(0, c), m.at(1, c), m.at(2, c)};
}

void ExpectColumn(const Matrix4& m, int c, Column expected, double tolerance)
{
    const Column got = ColumnOf(m, c);
    EXPECT_NEAR(got.x, expected.x, tolerance) << "column " << c;
    EXPECT_NEAR(got.y, expected.y, tolerance) << "column " << c;
    EXPECT_NEAR(got.z, expected.z, tolerance) << "column " << c;
}

struct Mount {
    Matrix4 site, frame;
};

Mount CorrectMount(int latitudeArcMinutes, int longitudeArcMinutes, double ns = 0, double ew = 0,
                   double ma = 0, double da = 0)
{
    const double phi = latitudeArcMinutes * ArcMinutesToRadians;
    Mount m;
    BuildSiteFrame(phi, longitudeArcMinutes * ArcMinutesToRadians, 0, m.site);
    const double el = RoundToTenths(PolarTilt(phi)) * TenthsToRadians;
    BuildMountFrame(m.site, latitudeArcMinutes > 0, ns, ew, ma, el, da, m.frame);
    return m;
}

TEST(BuildSiteFrame, FactorySiteAxes)
{
    const Mount m = CorrectMount(2600, 4620);
    ExpectColumn(m.site, 0, {0.155, 0.670, -0.726}, 0.0015);
    ExpectColumn(m.site, 2, {0.163, 0.708, 0.688}, 0.0015);
    EXPECT_EQ(m.site.at(3, 3), 1.0);
}

TEST(BuildSiteFrame, SouthernSiteFacesNorthWithYWest)
{
    const Mount m = CorrectMount(-2600, 4620);
    EXPECT_GT(ColumnOf(m.site, 0).z, 0.7);  // x points north
    // West at 77 E is (sin 77, -cos 77, 0).
    const Column y = ColumnOf(m.site, 1);
    EXPECT_NEAR(y.x, std::sin(Lon7700), 1e-9);
    EXPECT_NEAR(y.y, -std::cos(Lon7700), 1e-9);
}

TEST(BuildMountFrame, CorrectMountPointsAlongTheEarthsAxis)
{
    const Mount m = CorrectMount(2600, 4620);
    const double tolerance = std::sin(0.03 / RadiansToDegrees);
    ExpectColumn(m.frame, 2, {0.0, 0.0, 1.0}, tolerance);
    ExpectColumn(m.frame, 0, {0.225, 0.974, 0.001}, 0.0015);
}

TEST(BuildMountFrame, SouthernMountPointsToTheSouthPole)
{
    const Mount m = CorrectMount(-2600, 4620);
    ExpectColumn(m.frame, 2, {0.0, 0.0, -1.0}, 0.001);
}

TEST(BuildMountFrame, EquatorMountPointsNorth)
{
    const Mount m = CorrectMount(0, 0);
    ExpectColumn(m.frame, 2, {0.0, 0.0, 1.0}, 1e-9);
    EXPECT_EQ(RoundToTenths(BestDeclination(m.frame)), 0);
}

TEST(BuildMountFrame, SouthNegatesEveryAngle)
{
    Matrix4 site, south, chained;
    BuildSiteFrame(-Lat4320, Lon7700, 0, site);
    BuildMountFrame(site, false, 0.1, 0.2, 0.3, -0.8, 0.5, south);
    ChainMountRotations(site, -0.1, -0.2, -0.3, 0.8, -0.5, chained);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(south.m[i], chained.m[i]);
}

struct DeclinationCase {
    const char* name;
    int latitude;
    double ns, ma, da;  // tenths
    int expected;       // tenths, before the southern sign flip
};

class BestDeclinationCases : public testing::TestWithParam<DeclinationCase> {};

TEST_P(BestDeclinationCases, RoundsAsWorkedOut)
{
    const DeclinationCase& c = GetParam();
    const Mount m = CorrectMount(c.latitude, 4620, c.ns * TenthsToRadians, 0, c.ma * TenthsToRadians,
                                 c.da * TenthsToRadians);
    EXPECT_EQ(RoundToTenths(BestDeclination(m.frame)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(MountModel, BestDeclinationCases,
                         testing::Values(DeclinationCase{"Factory", 2600, 0, 0, 0, -64},
                                         DeclinationCase{"SouthBeforeFlip", -2600, 0, 0, 0, -64},
                                         DeclinationCase{"DishAzimuthEast30", 2600, 0, 0, 300, -64},
                                         DeclinationCase{"DishAzimuthWest30", 2600, 0, 0, -300, -64},
                                         DeclinationCase{"MotorAzimuthEast30", 2600, 0, 300, 0, -91},
                                         DeclinationCase{"PoleNorth5", 2600, 50, 0, 0, -99}),
                         [](const auto& info) { return std::string(info.param.name); });

// The rule as written, with an arc tangent for every sample.
double LiteralBestDeclination(const Matrix4& frame)
{
    Matrix4 inverse;
    MatrixAdjugate(frame, inverse);
    double sum = 0.0;
    int count = 0;
    for (int k = 0; k < 3600; k += 10) {
        Vector4 p, w;
        GeostationaryPoint(k * TenthsToRadians, p);
        TransformVector(inverse, p, w);
        if (std::abs(RoundToTenths(std::atan2(w.y(), w.x()))) <= 800) {
            sum += std::atan2(w.z(), std::hypot(w.x(), w.y()));
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

TEST(BestDeclination, AgreesBitForBitWithTheLiteralRuleOverManyMounts)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> latitude(-5400, 5400), longitude(-10799, 10800), adjustment(-300, 300);
    for (int i = 0; i < 400; ++i) {
        const Mount m = CorrectMount(latitude(rng), longitude(rng), adjustment(rng) * TenthsToRadians,
                                     adjustment(rng) * TenthsToRadians, adjustment(rng) * TenthsToRadians,
                                     adjustment(rng) * TenthsToRadians);
        ASSERT_EQ(BestDeclination(m.frame), LiteralBestDeclination(m.frame)) << "mount " << i;
    }
}

TEST(BestDeclination, IsZeroWhenNoRingPointQualifies)
{
    // The pole rolled a quarter turn north: the motor plane no longer meets the arc.
    const Mount m = CorrectMount(2600, 4620, 900 * TenthsToRadians);
    EXPECT_EQ(BestDeclination(m.frame), 0.0);
}

}  // namespace
}  // namespace zenbelts
