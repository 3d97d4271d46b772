#pragma once

#include "text/OrbitalPosition.h"

#include <string>

// Display texts of angles, in UTF-8. The sign is carried by a hemisphere
// letter, never by the number.

namespace zenbelts {

inline constexpr const char* DegreeSign = "\xC2\xB0";

// Tenths of a degree as "46.6°N"; 0 takes the positive letter.
std::string FormatTenths(int tenths, char positive, char negative);

// Arc-minutes as "43°20'N"; 0 takes the positive letter.
std::string FormatDegreesMinutes(int arcMinutes, char positive, char negative);

// A signed number of degrees as "+0.36" or "-1.20" with so many decimals;
// what rounds to zero is "+0.00", never "-0.00".
std::string FormatSignedDegrees(double degrees, int decimals);

// "43°20'N, 77°00'E"
std::string FormatLocation(int latitude, int longitude);

// A set-up's site on one line: "43°20'N, 77°00'E; Alt: 120 m".
std::string FormatSite(int latitude, int longitude, int altitude);

}  // namespace zenbelts
