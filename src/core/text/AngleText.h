#pragma once

#include <string>

// Display texts of angles, in UTF-8. The sign is carried by a hemisphere
// letter, never by the number.

namespace zenbelts {

inline constexpr const char* DegreeSign = "\xC2\xB0";

// Tenths of a degree as "46.6°N"; 0 takes the positive letter.
std::string FormatTenths(int tenths, char positive, char negative);

// Arc-minutes as "43°20'N"; 0 takes the positive letter.
std::string FormatDegreesMinutes(int arcMinutes, char positive, char negative);

// "43°20'N, 77°00'E"
std::string FormatLocation(int latitude, int longitude);

// A set-up's site on one line: "43°20'N, 77°00'E; Alt: 120 m".
std::string FormatSite(int latitude, int longitude, int altitude);

// An orbital position 0..3599 as "13.0°E", "5.0°W", or "0.0°" at 0.
std::string FormatSatelliteLabel(int position);

}  // namespace zenbelts
