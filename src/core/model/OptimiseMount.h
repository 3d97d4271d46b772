#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <vector>

// A "modified polar mount": the motor elevation and declination, in whole
// tenths within their limits, that make the largest miss of the beam across
// the arc as small as it can be.

namespace zenbelts {

inline constexpr double MinimumElevationDegrees = 5.0;
// The same in texts: "5°".
inline constexpr const char* MinimumElevationText = "5\u00b0";

// A point the beam should pass: a chosen satellite, or a point of the ring.
struct ArcTarget {
    int position;  // tenths of a degree east, 0..3599
    bool satellite;
};

// The chosen catalogue entries at least 5° above the horizon that the dish
// can reach (Reach.h); when fewer than two qualify (or ringOnly), the
// reachable ring in 0.5° steps at least 5° up.
std::vector<ArcTarget> OptimisationTargets(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                           bool ringOnly = false);

struct WorstMiss {
    double degrees = 0.0;  // the largest |offset|
    ArcTarget where{0, false};
};

// The largest |offset| of the set-up's beam over the targets.
WorstMiss ComputeWorstMiss(const MountSettings& settings, const std::vector<ArcTarget>& targets);

struct OptimiseResult {
    bool optimised = false;  // false: fewer than two targets, nothing changed
    bool ring = false;       // the ring stood in for the satellites
    int targets = 0;
    int motorElevationBefore = 0, declinationBefore = 0;
    WorstMiss before, after;
};

// Sets motorElevation and declination for the smallest worst miss (ties to
// the values closest to the present ones), turns "Auto declination" off so
// the declination stays, and recalculates. Other adjustments stay.
OptimiseResult OptimiseMount(MountSettings& settings, const SatelliteCatalogue& catalogue,
                             bool ringOnly = false);

}  // namespace zenbelts
