#pragma once

#include "geometry/Matrix.h"

// Site and mount frames of a polar mount, and the best dish declination.

namespace zenbelts {

// latitude, longitude in radians; altitude in whole metres.
void BuildSiteFrame(double latitude, double longitude, int altitude, Matrix4& out);

// The five rotations ns, ew, ma, el, da (radians) applied to the site frame.
void ChainMountRotations(const Matrix4& site, double ns, double ew, double ma, double el, double da,
                         Matrix4& out);

// South of the equator (north == false) every angle is negated, so each
// adjustment keeps its compass meaning in both hemispheres.
void BuildMountFrame(const Matrix4& site, bool north, double ns, double ew, double ma, double el, double da,
                     Matrix4& out);

// Mean elevation out of the motor plane of the ring points within 80 degrees
// of the mount's zero direction, radians; 0 when none qualifies.
double BestDeclination(const Matrix4& mountFrame);

// Where a ring point lies for the dish: a, its azimuth about the motor axis
// (the motor angle that turns the beam to it), and b, its offset from the
// beam once the declination is applied. Radians.
struct MountAngle {
    double a;
    double b;
};

// viewMatrix: the inverse of the mount frame. latitude in arc-minutes,
// declination and ringTenths (0..3600) in tenths of a degree.
MountAngle MountAngles(const Matrix4& viewMatrix, int latitude, int declination, int ringTenths);

// The ring point at a whole number of tenths (0..3600), the same value that
// GeostationaryPoint computes, taken from a table built once.
const Vector4& RingPointAtTenths(int tenths);

}  // namespace zenbelts
