#pragma once

#include "model/DishReadings.h"
#include "model/MountSettings.h"
#include "sky/CivilTime.h"
#include "sky/SolarPosition.h"

#include <optional>
#include <vector>

// Everything a person at the dish reads on a given date, for a set-up: the
// compass and the sun to find true south by, the mount's scales, and for
// each chosen satellite where it stands, where the motor turns and what the
// dish's face then reads. Angles in degrees.

namespace zenbelts {

// A true azimuth as a compass shows it, where the needle points declination
// degrees east of true north: 0 to 360.
double CompassBearing(double trueAzimuth, double magneticDeclination);

struct SatelliteAtTheDish {
    int position = 0;
    Bearing satellite;            // where it stands, true azimuth
    double compassBearing = 0.0;  // of that azimuth
    double motorAngle = 0.0;      // as the arc table's: left of the plot positive
    double motorAngleEast = 0.0;  // the way the motor turns, east positive, as a receiver shows it
    double faceTilt = 0.0;        // with the motor turned to it
    // When the sun stands at the satellite's azimuth, above the horizon.
    std::optional<SunCrossing> sun;
};

struct AtTheDishReport {
    CivilDate date;
    bool southern = false;  // the mount faces north
    double magneticDeclination = 0.0;
    bool magneticModelCovers = true;
    // The compass bearing of true south (true north in the south).
    double trueSouthBearing = 0.0;
    MountReadings mount;
    DishAt motorZero;
    double motorZeroCompassBearing = 0.0;
    // The sun on the meridian on that date, and where it stands then.
    double transit = 0.0;  // seconds since 1970, UTC
    SunPosition transitSun;
    std::vector<SatelliteAtTheDish> satellites;  // the chosen ones, by position
};

// The sun's day is the one around its transit nearest the site's mean noon
// of the date (a UTC date).
AtTheDishReport ReportAtTheDish(const MountSettings& s, const CivilDate& date);

}  // namespace zenbelts
