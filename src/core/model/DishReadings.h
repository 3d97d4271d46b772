#pragma once

#include "model/MountSettings.h"

#include <array>
#include <optional>

// What the instruments and scales at the dish read for a set-up: the mount's
// beam in the forms a person measures. Angles in degrees; "up" is the plumb
// line (the ellipsoid's normal), azimuths are true, clockwise from north.
//
// The dish turns with the motor; in its own plane of symmetry (the plane of
// the beam and the motor axis) the face normal stands off the beam by the
// offset angle: below it with the feed arm below the dish, above it with
// the arm above. A prime-focus dish's face normal is the beam.

namespace zenbelts {

using Direction = std::array<double, 3>;  // a unit vector, earth-centred axes

// The site's axes, earth-centred: east, north and up at the set-up's location.
struct LocalAxes {
    Direction east, north, up;
};
LocalAxes LocalAxesOf(const MountSettings& s);

// Elevation above the horizon and true azimuth of a direction.
struct Bearing {
    double elevation = 0.0;
    double azimuth = 0.0;  // 0 to 360
};
Bearing BearingOf(const LocalAxes& axes, const Direction& d);

// The beam and the dish face at a motor angle (degrees, as the arc table's).
struct DishAt {
    Direction beam;
    Direction face;  // the normal of the rim's plane, looking out of the dish
    Bearing beamBearing;
    // The inclinometer on the rim: the tilt of the rim's plane from the
    // vertical, positive when the face looks up.
    double faceTilt = 0.0;
};
DishAt DishAtMotorAngle(const MountSettings& s, double motorAngleDegrees);

struct MountReadings {
    Direction axis;  // the motor axis, the end that points above the horizon
    // The inclinometer laid along the motor axis, and where the axis points.
    double axisElevation = 0.0;
    double axisAzimuth = 0.0;
    // The motor's elevation scale (against its bracket on the pole), printed
    // as the axis's elevation (90 degrees less the motor elevation) or as the
    // latitude for which the axis points at the celestial pole (north
    // positive).
    double scaleAxisElevation = 0.0;
    double scaleLatitude = 0.0;
    // The dish clamp: the face's angle against the motor axis, north
    // positive as the declination: the declination itself for a prime-focus
    // dish, less or more the offset for an offset dish.
    double clampAngle = 0.0;
};
MountReadings ReadMount(const MountSettings& s);

// How far above the set-up's beam (degrees, up positive) the dish points
// when, turned to the motor angle, its rim reads faceTilt. Null when no
// tilt within 20 degrees of the set-up's gives that reading.
std::optional<double> BeamTiltFromFaceTilt(const MountSettings& s, double motorAngleDegrees, double faceTilt);

// The offset of a satellite (as observed: how far it lies above the beam,
// degrees) when at the motor angle where its signal peaked the dish's rim
// read faceTilt; null as above.
std::optional<double> OffsetFromFaceTilt(const MountSettings& s, int position, double motorAngleDegrees,
                                         double faceTilt);

}  // namespace zenbelts
