#include "model/OptimiseMount.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zenbelts {

namespace {

constexpr double MinimumElevation = MinimumElevationDegrees / RadiansToDegrees;
// Worst misses closer than this are ties (radians; far below a tenth's effect).
constexpr double TieTolerance = 1e-12;

bool HighEnough(const MountSettings& s, int position)
{
    return ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians, s.altitude,
                                 RingPointAtTenths(position))
        >= MinimumElevation;
}

struct Direction {
    double x, y, z;
};

}  // namespace

std::vector<ArcTarget> OptimisationTargets(const MountSettings& s, const SatelliteCatalogue& catalogue, bool ringOnly)
{
    std::vector<ArcTarget> targets;
    if (!ringOnly) {
        for (const SatelliteEntry& e : catalogue) {
            if (s.chosenSatellites.Test(e.position) && HighEnough(s, e.position))
                targets.push_back({e.position, true});
        }
        if (targets.size() >= 2)
            return targets;
        targets.clear();
    }
    for (int position = 0; position < PositionCount; position += 5) {
        if (HighEnough(s, position))
            targets.push_back({position, false});
    }
    return targets;
}

WorstMiss ComputeWorstMiss(const MountSettings& s, const std::vector<ArcTarget>& targets)
{
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    WorstMiss worst;
    worst.degrees = -1.0;
    for (const ArcTarget& t : targets) {
        const double miss = std::fabs(MountAngles(view, s.latitude, s.declination, t.position).b) * RadiansToDegrees;
        if (miss > worst.degrees)
            worst = {miss, t};
    }
    if (worst.degrees < 0.0)
        worst.degrees = 0.0;
    return worst;
}

OptimiseResult OptimiseMount(MountSettings& s, const SatelliteCatalogue& catalogue, bool ringOnly)
{
    OptimiseResult result;
    result.motorElevationBefore = s.motorElevation;
    result.declinationBefore = s.declination;
    const std::vector<ArcTarget> targets = OptimisationTargets(s, catalogue, ringOnly);
    result.ring = targets.empty() || !targets.front().satellite;
    result.targets = static_cast<int>(targets.size());
    result.before = ComputeWorstMiss(s, targets);
    result.after = result.before;
    if (targets.size() < 2)
        return result;

    // Each target's direction from the observer. The mount frame only turns
    // about the observer, so a target's elevation out of the motor plane is
    // asin of the motor axis' component along its direction.
    const double ox = s.siteFrame.at(0, 3), oy = s.siteFrame.at(1, 3), oz = s.siteFrame.at(2, 3);
    std::vector<Direction> directions;
    directions.reserve(targets.size());
    for (const ArcTarget& t : targets) {
        const Vector4& p = RingPointAtTenths(t.position);
        const double dx = p.v[0] - ox, dy = p.v[1] - oy, dz = p.v[2] - oz;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        directions.push_back({dx / length, dy / length, dz / length});
    }

    // b = e - d in the north, e + d elsewhere, as the plot has it.
    const double sign = s.latitude > 0 ? 1.0 : -1.0;
    const bool north = s.latitude > 0;
    const int elevationLo = s.motorElevationAuto + s.motorElevationMin;
    const int elevationHi = s.motorElevationAuto + s.motorElevationMax;
    const int declinationLo = s.declinationAuto + s.declinationMin;
    const int declinationHi = s.declinationAuto + s.declinationMax;

    double bestWorst = std::numeric_limits<double>::infinity();
    int bestElevation = s.motorElevation, bestDeclination = s.declination;
    long bestDistance = std::numeric_limits<long>::max();
    for (int elevation = elevationLo; elevation <= elevationHi; ++elevation) {
        Matrix4 frame;
        BuildMountFrame(s.siteFrame, north, s.poleNS * TenthsToRadians, s.poleEW * TenthsToRadians,
                        s.motorAzimuth * TenthsToRadians, elevation * TenthsToRadians,
                        s.dishAzimuth * TenthsToRadians, frame);
        const double zx = frame.at(0, 2), zy = frame.at(1, 2), zz = frame.at(2, 2);
        double high = -2.0, low = 2.0;
        for (const Direction& d : directions) {
            const double c = zx * d.x + zy * d.y + zz * d.z;
            high = std::max(high, c);
            low = std::min(low, c);
        }
        const double eHigh = std::asin(std::min(1.0, high)), eLow = std::asin(std::max(-1.0, low));
        // The declination shifts every offset alike: the best one sits midway.
        const double middle = sign * (eHigh + eLow) / 2 * RadiansToTenths;
        const int below = static_cast<int>(std::floor(middle));
        for (int declination : {below, below + 1}) {
            declination = std::clamp(declination, declinationLo, declinationHi);
            const double shift = sign * declination * TenthsToRadians;
            const double worst = std::max(eHigh - shift, shift - eLow);
            const long distance =
                std::labs(static_cast<long>(elevation) - s.motorElevation) + std::labs(static_cast<long>(declination) - s.declination);
            if (worst < bestWorst - TieTolerance
                || (worst <= bestWorst + TieTolerance && distance < bestDistance)) {
                bestWorst = std::min(worst, bestWorst);
                bestElevation = elevation;
                bestDeclination = declination;
                bestDistance = distance;
            }
        }
    }

    s.autoDeclination = 0;
    s.motorElevation = bestElevation;
    s.declination = bestDeclination;
    s.Recalculate(false);
    result.optimised = true;
    result.after = ComputeWorstMiss(s, targets);
    return result;
}

}  // namespace zenbelts
