#include "model/DishReadings.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"

#include <cmath>

namespace zenbelts {

namespace {

double Dot(const Direction& a, const Direction& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double Degrees(double radians)
{
    return radians * RadiansToDegrees;
}

// South of the equator (and at it) the mount's angles are mirrored, as the
// arc plot takes them.
double HemisphereSign(const MountSettings& s)
{
    return s.latitude > 0 ? 1.0 : -1.0;
}

// A direction given in the mount's axes (angle a about the motor axis, e out
// of the motor's plane), earth-centred.
Direction FromMount(const MountSettings& s, double a, double e)
{
    const double v[3] = {std::cos(a) * std::cos(e), std::sin(a) * std::cos(e), std::sin(e)};
    Direction d{};
    for (int i = 0; i < 3; ++i)
        d[i] = s.mountFrame.at(i, 0) * v[0] + s.mountFrame.at(i, 1) * v[1] + s.mountFrame.at(i, 2) * v[2];
    return d;
}

// The beam's angle out of the motor's plane, radians.
double BeamOutOfPlane(const MountSettings& s)
{
    return HemisphereSign(s) * s.declination * TenthsToRadians;
}

// The face normal stands off the beam by the offset, in the dish's plane
// of symmetry: below it with the feed arm below.
double FaceFromBeam(const MountSettings& s)
{
    const double offset = s.dishOffset * TenthsToRadians;
    return s.feedUp != 0 ? offset : -offset;
}

double ElevationOf(const LocalAxes& axes, const Direction& d)
{
    return Degrees(std::asin(std::fmax(-1.0, std::fmin(1.0, Dot(d, axes.up)))));
}

}  // namespace

LocalAxes LocalAxesOf(const MountSettings& s)
{
    const double phi = s.latitude * ArcMinutesToRadians;
    const double lambda = s.longitude * ArcMinutesToRadians;
    const double sp = std::sin(phi), cp = std::cos(phi), sl = std::sin(lambda), cl = std::cos(lambda);
    return {{-sl, cl, 0.0}, {-sp * cl, -sp * sl, cp}, {cp * cl, cp * sl, sp}};
}

Bearing BearingOf(const LocalAxes& axes, const Direction& d)
{
    double azimuth = Degrees(std::atan2(Dot(d, axes.east), Dot(d, axes.north)));
    if (azimuth < 0.0)
        azimuth += 360.0;
    // A hair west of north is north.
    return {ElevationOf(axes, d), azimuth >= 360.0 ? 0.0 : azimuth};
}

DishAt DishAtMotorAngle(const MountSettings& s, double motorAngleDegrees)
{
    const LocalAxes axes = LocalAxesOf(s);
    const double a = motorAngleDegrees / RadiansToDegrees;
    const double e = BeamOutOfPlane(s);
    DishAt at;
    at.beam = FromMount(s, a, e);
    at.face = FromMount(s, a, e + FaceFromBeam(s));
    at.beamBearing = BearingOf(axes, at.beam);
    at.faceTilt = ElevationOf(axes, at.face);
    return at;
}

MountReadings ReadMount(const MountSettings& s)
{
    const LocalAxes axes = LocalAxesOf(s);
    const double sign = HemisphereSign(s);
    MountReadings r;
    r.axis = {s.mountFrame.at(0, 2), s.mountFrame.at(1, 2), s.mountFrame.at(2, 2)};
    if (Dot(r.axis, axes.up) < 0.0)
        r.axis = {-r.axis[0], -r.axis[1], -r.axis[2]};
    const Bearing axis = BearingOf(axes, r.axis);
    r.axisElevation = axis.elevation;
    r.axisAzimuth = axis.azimuth;

    // The motor elevation is the axis's tilt from the pole: the model's own
    // inverse of PolarTilt gives the latitude it suits.
    const double tilt = sign * s.motorElevation * TenthsToRadians;
    r.scaleAxisElevation = 90.0 - Degrees(tilt);
    r.scaleLatitude = sign * Degrees(std::atan2(EarthAxisRatio * std::cos(tilt), std::sin(tilt)));
    r.clampAngle = sign * Degrees(BeamOutOfPlane(s) + FaceFromBeam(s));
    return r;
}

std::optional<double> BeamTiltFromFaceTilt(const MountSettings& s, double motorAngleDegrees, double faceTilt)
{
    constexpr double Reach = 20.0;
    const LocalAxes axes = LocalAxesOf(s);
    const double a = motorAngleDegrees / RadiansToDegrees;
    const double face = BeamOutOfPlane(s) + FaceFromBeam(s);
    // The face tilt with the dish tilted up by offset degrees, less the reading.
    const auto excess = [&](double offset) {
        return ElevationOf(axes, FromMount(s, a, face + offset / RadiansToDegrees)) - faceTilt;
    };
    double lo = -Reach, hi = Reach;
    double fLo = excess(lo);
    if (!((fLo <= 0.0) != (excess(hi) <= 0.0)))
        return std::nullopt;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        const double fMid = excess(mid);
        if ((fMid <= 0.0) == (fLo <= 0.0))
            lo = mid, fLo = fMid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

std::optional<double> OffsetFromFaceTilt(const MountSettings& s, int position, double motorAngleDegrees,
                                         double faceTilt)
{
    const std::optional<double> tilt = BeamTiltFromFaceTilt(s, motorAngleDegrees, faceTilt);
    if (!tilt)
        return std::nullopt;
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    return MountAngles(view, s.latitude, s.declination, position).b * RadiansToDegrees - *tilt;
}

}  // namespace zenbelts
