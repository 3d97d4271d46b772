#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <string>
#include <vector>

namespace zenbelts {

// The numbers behind the picture, one row per catalogue entry.
struct ArcRow {
    int position;
    std::string label;  // 13.0°E
    std::string name;   // UTF-8
    bool chosen;
    double motorAngle;  // degrees about the motor axis, as plotted (left positive)
    double offset;      // degrees by which the beam misses the satellite
    double elevation;   // degrees above the observer's horizon
};

std::vector<ArcRow> ComputeArcTable(const MountSettings& settings, const SatelliteCatalogue& catalogue);

// One chosen satellite in the table of misses, as text.
struct MissRow {
    int position;
    std::string label;      // 13.0°E
    std::string name;       // UTF-8
    std::string motor;      // 25.7°E: the way the motor turns, as the panel writes it
    std::string miss;       // 0.25° below
    std::string elevation;  // 40.0°
    double missDegrees;     // |offset|
    bool visible;           // above the horizon
    bool worst;             // the largest miss of the visible rows
};

std::vector<MissRow> ComputeMissTable(const MountSettings& settings, const SatelliteCatalogue& catalogue);
// Header and rows, tab-separated, for the clipboard.
std::string MissTableText(const std::vector<MissRow>& rows);
inline constexpr const char* MissTableHeadings[5] = {"Satellite", "Name", "Motor", "Miss", "Elevation"};

}  // namespace zenbelts
