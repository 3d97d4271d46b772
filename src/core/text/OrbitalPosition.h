#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Orbital positions of geostationary satellites, tenths of a degree east
// (0..3599), as every list, receiver file, observation and label writes them:
// one reading and one writing for all.

namespace zenbelts {

inline constexpr int PositionCount = 3600;  // orbital positions 0..3599, tenths eastward

// What a position written as degrees and a hemisphere letter may hold
// besides "19.2E" and "0.8w".
struct PositionSyntax {
    bool degreeSign = false;         // "13.0°E"
    bool blankBeforeLetter = false;  // "19.2 E"
    bool roundDecimals = false;      // "19.25E" as the nearest tenth; otherwise one decimal at most
    bool programNumber = false;      // the program's own four digits, "0192"
};

// Such a position at the start of text, followed by its end or a blank:
// the characters used (0 for none) and the position. 180.0°E and 180.0°W
// are both 1800.
std::size_t ParsePositionPrefix(std::string_view text, int& position, PositionSyntax syntax = {});
// The whole text as a position, or nothing.
std::optional<int> ParsePosition(std::string_view text, PositionSyntax syntax = {});

// As shown: "13.0°E", "5.0°W", "0.0°" at 0.
std::string FormatSatelliteLabel(int position);
// As receivers and lists write it, and the name of a position that has none:
// "13.0E", "5.0W", "0.0E".
std::string PositionCode(int position);

}  // namespace zenbelts
