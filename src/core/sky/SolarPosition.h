#pragma once

#include <optional>

// Where the sun stands for an observer: the Solar Position Algorithm of
// Reda and Andreas (NREL, 2003; within 0.0003 degrees from -2000 to 6000),
// and the times a person at the dish uses it by.

namespace zenbelts {

struct SunSite {
    double latitudeDegrees = 0.0;   // geodetic, north positive
    double longitudeDegrees = 0.0;  // east positive
    double metres = 0.0;            // above the ellipsoid
};

// The air that bends the sun's light near the horizon; a pressure of 0
// leaves the position geometric.
struct Atmosphere {
    double pressureMillibars = 1010.0;
    double temperatureCelsius = 10.0;
};

struct SunPosition {
    double zenithDegrees = 0.0;     // topocentric
    double azimuthDegrees = 0.0;    // clockwise from true north, 0 to 360
    double hourAngleDegrees = 0.0;  // topocentric, -180 to 180, negative before the transit

    double ElevationDegrees() const { return 90.0 - zenithDegrees; }
};

// deltaTSeconds: terrestrial time less universal time at that moment.
SunPosition SolarPosition(double unixSeconds, const SunSite& site, double deltaTSeconds,
                          const Atmosphere& air = {});

// Terrestrial less universal time, seconds: the polynomials of Espenak and
// Meeus (their forecast beyond the present; an error of a minute moves the
// sun by less than 0.001 degree).
double DeltaTSeconds(double decimalYear);

// The sun as the program uses it: the estimate above, standard air.
SunPosition SunAt(double unixSeconds, const SunSite& site);

// The meridian transit nearest to a time (within half a day of it): the sun
// stands due south, or due north, and a plumb line's shadow lies along the
// meridian.
double SolarTransit(double nearUnixSeconds, const SunSite& site);

struct SunCrossing {
    double unixSeconds;
    double elevationDegrees;  // apparent, above 0
};

// The first time within [from, to] at which the sun stands above the horizon
// at the given azimuth (degrees clockwise from true north); null when it
// never does in that span.
std::optional<SunCrossing> SunAtAzimuth(double fromUnixSeconds, double toUnixSeconds, const SunSite& site,
                                        double azimuthDegrees);

}  // namespace zenbelts
