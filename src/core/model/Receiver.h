#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What a receiver makes of the site it is given: the motor angle it computes
// for an ideal polar mount, the command that turns the motor there, and the
// site to give it so that its angles come closest to the mount's own.

namespace zenbelts {

// The ratio of the earth's radius to the geostationary orbit's that receivers
// build into their formula.
inline constexpr double ReceiverOrbitRatio = 0.1513;

// The receiver's hour angle in degrees, positive for satellites east of the
// site: atan2(sin dl, cos dl - 0.1513 cos lat), dl the satellite's longitude
// less the site's, taken within +-180 degrees.
double ReceiverHourAngle(double latitudeDegrees, double longitudeDegrees, double satelliteLongitudeDegrees);
// The site in arc-minutes, as the program keeps it; position 0..3599.
double ReceiverHourAngleArcMinutes(int latitude, int longitude, int position);
// The site in tenths of a degree, as a receiver takes it.
double ReceiverHourAngleTenths(int latitude, int longitude, int position);

// The hour angle as a motor angle of the program's (ArcRow::motorAngle): the
// motor's axis turns over south of the equator.
inline double ReceiverMotorAngle(bool north, double hourAngle)
{
    return north ? hourAngle : -hourAngle;
}

// The motor angle a receiver turns to with the set-up's true site entered.
double ReceiverMotorAngleAt(const MountSettings& settings, int position);

// The positioner command that drives a motor to an angle, rounded to tenths
// (halves away from zero) and taken within +-180 degrees: E0 31 6E and two
// bytes, 0xE000 for angles above 0 and 0xD000 otherwise, plus 16 per whole
// degree, plus the tenth in sixteenths.
std::array<std::uint8_t, 5> GotoXBytes(double motorAngleDegrees);
// The same as "E0 31 6E E1 9B".
std::string GotoXText(double motorAngleDegrees);

// A positioner command's bytes as they are written down: "E0 31 6A 01".
std::string CommandBytesText(std::span<const std::uint8_t> bytes);

// How far from the true site the entered one may lie, in tenths of a degree
// of latitude and of longitude.
inline constexpr int UsalsWindowTenths = 100;

// A point the receiver should turn to: its position and the motor angle the
// mount needs for it (degrees, as ArcRow::motorAngle).
struct UsalsTarget {
    int position;
    double motorAngle;
};

struct UsalsSite {
    int latitude = 0;   // tenths, north positive
    int longitude = 0;  // tenths, east positive, -1799..1800
    int targets = 0;
    double worstBefore = 0.0;  // degrees, with the true site entered (to the nearest tenth)
    double worstAfter = 0.0;   // degrees, with this site entered
};

// The site in whole tenths within UsalsWindowTenths of the true one (arc-
// minutes) whose receiver angles miss the targets' motor angles by the least
// at worst; of equal ones the nearest to the true site (in arc-minutes
// squared), then the northern, then the eastern one, the way halves round.
// north: the mount's hemisphere, which sets the sign of its motor angles.
UsalsSite FindUsalsSite(int latitude, int longitude, bool north, const std::vector<UsalsTarget>& targets);

// The chosen satellites at least 5 degrees up, with the mount's motor angles.
// No targets (the site stays) when fewer than two satellites qualify.
std::vector<UsalsTarget> UsalsTargets(const MountSettings& settings, const SatelliteCatalogue& catalogue);
UsalsSite FindUsalsSite(const MountSettings& settings, const SatelliteCatalogue& catalogue);

}  // namespace zenbelts
