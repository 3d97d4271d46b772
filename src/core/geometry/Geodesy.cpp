#include "geometry/Geodesy.h"

#include <cmath>

namespace zenbelts {

void GeodeticToEcef(double latitude, double longitude, double height, EcefPoint& out)
{
    const double sinPhi = std::sin(latitude);
    const double cosPhi = std::cos(latitude);
    const double n = EarthEquatorialRadius / std::sqrt(1.0 - EarthEccentricitySquared * (sinPhi * sinPhi));
    out.x = cosPhi * ((n + height) * std::cos(longitude));
    out.y = cosPhi * ((n + height) * std::sin(longitude));
    out.z = sinPhi * (height + n * EarthPolarFactor);
}

double PolarTilt(double latitude)
{
    const double t0 = std::atan2(EarthAxisRatio * std::cos(latitude), std::sin(latitude));
    return latitude > 0.0 ? t0 : t0 - Pi;
}

void GeostationaryPoint(double longitude, Vector4& out)
{
    out.v[0] = GeostationaryRadius * std::cos(longitude);
    out.v[1] = GeostationaryRadius * std::sin(longitude);
    out.v[2] = 0.0;
    out.v[3] = 1.0;
}

}  // namespace zenbelts

namespace zenbelts {

double ElevationAboveHorizon(double latitude, double longitude, double height, const Vector4& point)
{
    EcefPoint o;
    GeodeticToEcef(latitude, longitude, height, o);
    const double dx = point.v[0] - o.x, dy = point.v[1] - o.y, dz = point.v[2] - o.z;
    const double up = std::cos(latitude) * std::cos(longitude) * dx
                      + std::cos(latitude) * std::sin(longitude) * dy + std::sin(latitude) * dz;
    return std::asin(up / std::sqrt(dx * dx + dy * dy + dz * dz));
}

}  // namespace zenbelts
