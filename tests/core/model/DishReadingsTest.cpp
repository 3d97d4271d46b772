#include "model/DishReadings.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/AtTheDish.h"
#include "model/Sites.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace zenbelts {
namespace {

using testing_support::At;

constexpr double DegreesToRadians = 1.0 / RadiansToDegrees;

SatelliteCatalogue EveryFiveDegrees()
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < PositionCount; p += 50)
        catalogue.InsertOrRename(p, "S");
    return catalogue;
}

MountSettings WithDish(MountSettings s, int offset, int feedUp)
{
    s.dishOffset = offset;
    s.feedUp = feedUp;
    return s;
}

// Vectors in the site's east, north, up: the rebuild below knows nothing of
// the mount's frames.
using Vec = std::array<double, 3>;

Vec FromBearing(double elevation, double azimuth)
{
    const double e = elevation * DegreesToRadians, a = azimuth * DegreesToRadians;
    return {std::cos(e) * std::sin(a), std::cos(e) * std::cos(a), std::sin(e)};
}

Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Vec& a, const Vec& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec Unit(const Vec& v)
{
    const double n = std::sqrt(Dot(v, v));
    return {v[0] / n, v[1] / n, v[2] / n};
}

// v turned by angle (degrees) about the unit axis k, right-handed (Rodrigues).
Vec Turned(const Vec& v, const Vec& k, double angle)
{
    const double c = std::cos(angle * DegreesToRadians), s = std::sin(angle * DegreesToRadians);
    const Vec kxv = Cross(k, v);
    const double kv = Dot(k, v);
    return {v[0] * c + kxv[0] * s + k[0] * kv * (1 - c), v[1] * c + kxv[1] * s + k[1] * kv * (1 - c),
            v[2] * c + kxv[2] * s + k[2] * kv * (1 - c)};
}

double ElevationOf(const Vec& v)
{
    return std::asin(v[2]) * RadiansToDegrees;
}

Vec ToEarth(const LocalAxes& axes, const Vec& v)
{
    Vec out{};
    for (int i = 0; i < 3; ++i)
        out[i] = v[0] * axes.east[i] + v[1] * axes.north[i] + v[2] * axes.up[i];
    return out;
}

// Where the model points the beam, by the arc plot's own rule: the direction
// whose motor angle is a and whose offset from the beam is 0 (radians).
MountAngle ModelAnglesOf(const MountSettings& s, const Vec& earth)
{
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    Vector4 w{}, point{};
    for (int i = 0; i < 3; ++i)
        point.v[i] = s.mountFrame.at(i, 3) + 1e7 * earth[i];
    point.v[3] = 1.0;
    TransformVector(view, point, w);
    const double e = std::atan2(w.z(), std::hypot(w.x(), w.y()));
    const double d = s.declination * TenthsToRadians;
    return {std::atan2(w.y(), w.x()), s.latitude > 0 ? e - d : e + d};
}

TEST(DishReadings, TheMakersExamples)
{
    const SatelliteCatalogue catalogue = EveryFiveDegrees();
    for (const MountSettings& site : {At(3120, 600, catalogue), At(-3000, -3500, catalogue)}) {
        const double beam = DishAtMotorAngle(site, 0.0).beamBearing.elevation;
        // The dish in the meridian: the face tilts by the beam's elevation less
        // the offset, more with the arm above; a prime-focus face by the beam's.
        EXPECT_NEAR(DishAtMotorAngle(WithDish(site, 300, 0), 0.0).faceTilt, beam - 30.0, 1e-9);
        EXPECT_NEAR(DishAtMotorAngle(WithDish(site, 300, 1), 0.0).faceTilt, beam + 30.0, 1e-9);
        EXPECT_NEAR(DishAtMotorAngle(site, 0.0).faceTilt, beam, 1e-9);

        // A 30 degree offset dish whose face reads 1.29 degrees sends its beam
        // up 31.29; a 22 degree one whose face stands vertical, up 22.
        const std::optional<double> up = BeamTiltFromFaceTilt(WithDish(site, 300, 0), 0.0, 1.29);
        ASSERT_TRUE(up);
        EXPECT_NEAR(beam + *up, 31.29, 1e-9);
        const std::optional<double> vertical = BeamTiltFromFaceTilt(WithDish(site, 220, 0), 0.0, 0.0);
        ASSERT_TRUE(vertical);
        EXPECT_NEAR(beam + *vertical, 22.0, 1e-9);
    }
    EXPECT_FALSE(BeamTiltFromFaceTilt(WithDish(At(3120, 600, catalogue), 300, 0), 0.0, 60.0))
        << "too far off";
}

// From the readings alone (the axis, the beam at the motor's zero, the motor
// angle, the dish), the beam at any motor angle, checked against the model's
// own beam; the face tilt and the clamp angle on the way.
TEST(DishReadings, TheReadingsRebuildTheModelsBeam)
{
    const SatelliteCatalogue catalogue = EveryFiveDegrees();
    std::mt19937 rng(7);
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    double worst = 0.0;
    for (int trial = 0; trial < 300; ++trial) {
        // Sites where no adjustment tilts the motor axis past the horizontal.
        const int latitude = uniform(1200, 4800) * (uniform(0, 1) ? 1 : -1);
        MountSettings s = At(latitude, uniform(-10799, 10800), catalogue);
        for (const AdjustmentInfo& a : Adjustments) {
            s.*(a.min) = -100;
            s.*(a.max) = 100;
        }
        s.poleNS = uniform(-100, 100);
        s.poleEW = uniform(-100, 100);
        s.motorAzimuth = uniform(-100, 100);
        s.dishAzimuth = uniform(-100, 100);
        s.motorElevation += uniform(-100, 100);
        s.autoDeclination = 0;
        s.Recalculate(false);
        s.declination += uniform(-50, 50);
        s = WithDish(s, uniform(0, DishOffsetMax), uniform(0, 1));
        const double sign = s.latitude > 0 ? 1.0 : -1.0;

        const MountReadings m = ReadMount(s);
        const DishAt zero = DishAtMotorAngle(s, 0.0);
        const Vec axis = FromBearing(m.axisElevation, m.axisAzimuth);
        const Vec beam0 = FromBearing(zero.beamBearing.elevation, zero.beamBearing.azimuth);
        // Turning about beam x axis moves the beam towards the axis's upper
        // end; the face stands below the beam with the arm below.
        const double offset = s.dishOffset / 10.0 * (s.feedUp ? 1.0 : -1.0);
        const Vec face0 = Turned(beam0, Unit(Cross(beam0, axis)), offset);
        ASSERT_NEAR(ElevationOf(face0), zero.faceTilt, 1e-9) << "trial " << trial;
        ASSERT_NEAR(sign * std::asin(Dot(face0, axis)) * RadiansToDegrees, m.clampAngle, 1e-9)
            << "trial " << trial;

        const double motor = uniform(-800, 800) / 10.0;
        const Vec face = Turned(face0, axis, motor);
        ASSERT_NEAR(ElevationOf(face), DishAtMotorAngle(s, motor).faceTilt, 1e-9) << "trial " << trial;
        const Vec beam = Turned(face, Unit(Cross(face, axis)), -offset);

        const MountAngle model = ModelAnglesOf(s, ToEarth(LocalAxesOf(s), beam));
        const double off = std::hypot(model.a - motor * DegreesToRadians, model.b);
        worst = std::max(worst, off);
        ASSERT_LT(off, 1e-9) << "trial " << trial << ": motor " << model.a * RadiansToDegrees << " for "
                             << motor << ", offset " << model.b;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2e", worst);
    RecordProperty("worstRadians", text);
}

TEST(DishReadings, APolarAxisStandsAtTheLatitude)
{
    const SatelliteCatalogue catalogue = EveryFiveDegrees();
    for (int latitude : {-3600, -600, 300, 2600, 4000}) {
        const MountReadings m = ReadMount(At(latitude, 1000, catalogue));
        // The automatic motor elevation is rounded to tenths.
        EXPECT_NEAR(m.axisElevation, std::abs(latitude) / 60.0, 0.06) << latitude;
        EXPECT_NEAR(m.scaleLatitude, latitude / 60.0, 0.06) << latitude;
        EXPECT_NEAR(m.axisAzimuth, latitude > 0 ? 0.0 : 180.0, 0.01) << latitude;
    }
}

// A site and its mirror across the equator read alike, north and south
// swapped; the motor turns to the same side, east or west.
TEST(DishReadings, MirroredSitesReadMirrored)
{
    const SatelliteCatalogue catalogue = EveryFiveDegrees();
    for (int latitude : {600, 2600, 4500}) {
        MountSettings north = WithDish(At(latitude, 700, catalogue), 250, 0);
        MountSettings south = WithDish(At(-latitude, 700, catalogue), 250, 0);
        for (MountSettings* s : {&north, &south}) {
            s->chosenSatellites = ChosenSatelliteSet();
            for (int p : {0, 300, 700, 1200, 3400})
                s->chosenSatellites.Set(p);
        }
        const AtTheDishReport n = ReportAtTheDish(north, {2026, 3, 20});
        const AtTheDishReport s = ReportAtTheDish(south, {2026, 3, 20});
        const std::string where = "latitude " + std::to_string(latitude);
        EXPECT_NEAR(n.mount.axisElevation, s.mount.axisElevation, 1e-9) << where;
        EXPECT_NEAR(std::fmod(n.mount.axisAzimuth + s.mount.axisAzimuth, 360.0), 180.0, 1e-9) << where;
        EXPECT_NEAR(n.mount.scaleAxisElevation, s.mount.scaleAxisElevation, 1e-9) << where;
        EXPECT_NEAR(n.mount.scaleLatitude, -s.mount.scaleLatitude, 1e-9) << where;
        EXPECT_NEAR(n.mount.clampAngle, -s.mount.clampAngle, 1e-9) << where;
        EXPECT_NEAR(n.motorZero.faceTilt, s.motorZero.faceTilt, 1e-9) << where;
        ASSERT_EQ(n.satellites.size(), 5u);
        ASSERT_EQ(s.satellites.size(), 5u);
        for (std::size_t i = 0; i < 5; ++i) {
            const SatelliteAtTheDish& a = n.satellites[i];
            const SatelliteAtTheDish& b = s.satellites[i];
            const std::string which = where + ", position " + std::to_string(a.position);
            EXPECT_NEAR(a.satellite.elevation, b.satellite.elevation, 1e-9) << which;
            EXPECT_NEAR(std::fmod(a.satellite.azimuth + b.satellite.azimuth + 360.0, 360.0), 180.0, 1e-9)
                << which;
            EXPECT_NEAR(a.motorAngle, -b.motorAngle, 1e-9) << which;
            EXPECT_NEAR(a.faceTilt, b.faceTilt, 1e-9) << which;
            const auto named
                = [](double motor, bool southern) { return (southern ? -motor : motor) >= 0 ? 'E' : 'W'; };
            EXPECT_EQ(named(a.motorAngle, false), named(b.motorAngle, true)) << which;
            EXPECT_EQ(named(a.motorAngle, false), a.position >= 300 && a.position <= 1200 ? 'E' : 'W')
                << which;
        }
    }
}

}  // namespace
}  // namespace zenbelts
