#pragma once

#include "geometry/Matrix.h"

// WGS-84 ellipsoid and the geostationary ring. Angles in radians, lengths in metres.

namespace zenbelts {

inline constexpr double EarthEquatorialRadius = 6378137.0;
inline constexpr double EarthEccentricitySquared = 0.0066943799901413165;
inline constexpr double EarthPolarFactor = 0.9933056200098587;  // 1 - e^2
inline constexpr double EarthAxisRatio = 0.9966471893352525;    // b / a
inline constexpr double GeostationaryRadius = 42163137.0;

struct EcefPoint {
    double x, y, z;
};

void GeodeticToEcef(double latitude, double longitude, double height, EcefPoint& out);

// Tilt of the motor axis from the vertical for a latitude: positive in the
// north, negative from the equator southwards (exactly -pi/2 at 0).
double PolarTilt(double latitude);

void GeostationaryPoint(double longitude, Vector4& out);

// Elevation of an earth-centred point above the observer's horizon (the plane
// normal to the ellipsoid), radians.
double ElevationAboveHorizon(double latitude, double longitude, double height, const Vector4& point);

}  // namespace zenbelts
