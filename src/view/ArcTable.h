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

}  // namespace zenbelts
