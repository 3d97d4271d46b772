#include "model/PhoneInstruments.h"

#include <algorithm>
#include <cmath>

namespace zenbelts {

namespace {

constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;

double Wrapped360(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

double ElevationOf(double component)
{
    return std::asin(std::clamp(component, -1.0, 1.0)) / DegreesToRadians;
}

}  // namespace

PhoneVector UpInPhone(double betaDegrees, double gammaDegrees)
{
    // The third row of Rz(alpha) Rx(beta) Ry(gamma): alpha does not enter.
    const double b = betaDegrees * DegreesToRadians, g = gammaDegrees * DegreesToRadians;
    return {-std::cos(b) * std::sin(g), std::sin(b), std::cos(b) * std::cos(g)};
}

PhoneLevelZero PhoneLevelZero::OnLevel(double betaDegrees, double gammaDegrees)
{
    // The shortest turn from the reading u to (0, 0, 1): about u x z by the
    // angle between them (Rodrigues).
    const PhoneVector u = UpInPhone(betaDegrees, gammaDegrees);
    PhoneLevelZero zero;
    zero.zeroed_ = true;
    const double kx = u[1], ky = -u[0];  // u x (0, 0, 1), not yet unit
    const double s = std::hypot(kx, ky), c = u[2];
    if (s < 1e-12)
        return zero;
    const double x = kx / s, y = ky / s, t = 1.0 - c;
    zero.turn_ = {c + x * x * t, x * y * t, y * s, x * y * t, c + y * y * t, -x * s, -y * s, x * s, c};
    return zero;
}

PhoneVector PhoneLevelZero::Corrected(const PhoneVector& u) const
{
    const auto& m = turn_;
    return {m[0] * u[0] + m[1] * u[1] + m[2] * u[2], m[3] * u[0] + m[4] * u[1] + m[5] * u[2],
            m[6] * u[0] + m[7] * u[1] + m[8] * u[2]};
}

PhoneTilt ReadPhoneTilt(double betaDegrees, double gammaDegrees, const PhoneLevelZero& zero)
{
    const PhoneVector up = zero.Corrected(UpInPhone(betaDegrees, gammaDegrees));
    return {ElevationOf(up[1]), ElevationOf(up[2])};
}

double CompassHeadingFromAlpha(double alphaDegrees)
{
    return Wrapped360(360.0 - alphaDegrees);
}

double TrueAzimuthFromCompass(double compassBearing, double magneticDeclination)
{
    return Wrapped360(compassBearing + magneticDeclination);
}

}  // namespace zenbelts
