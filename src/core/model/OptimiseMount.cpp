#include "model/OptimiseMount.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/Reach.h"

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
    return ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians,
                                 s.altitude, RingPointAtTenths(position))
           >= MinimumElevation;
}

struct UnitVector {
    double x, y, z;
};

}  // namespace

std::vector<ArcTarget> OptimisationTargets(const MountSettings& s, const SatelliteCatalogue& catalogue,
                                           bool ringOnly)
{
    // Only what the dish can reach counts: a satellite behind the chimney or
    // past the motor's limit is no target.
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    const ReachJudge reach(s);
    const auto reachable = [&](int position, Band band) {
        return reach
            .Of(position, MountAngles(view, s.latitude, s.declination, position).a * RadiansToDegrees, band)
            .Reachable();
    };
    std::vector<ArcTarget> targets;
    if (!ringOnly) {
        for (const SatelliteEntry& e : catalogue) {
            if (s.chosenSatellites.Test(e.position) && HighEnough(s, e.position)
                && reachable(e.position, BandOfName(e.name)))
                targets.push_back({e.position, true});
        }
        if (targets.size() >= 2)
            return targets;
        targets.clear();
    }
    for (int position = 0; position < PositionCount; position += 5) {
        if (HighEnough(s, position) && reachable(position, Band::Ku))
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
        const double miss
            = std::fabs(MountAngles(view, s.latitude, s.declination, t.position).b) * RadiansToDegrees;
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
    std::vector<UnitVector> directions;
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

    // First pass: per elevation, the extreme target elevations and the worst
    // miss with the declination free. Clamping the declination into its
    // window can only make that worse, so it bounds the true worst from below.
    struct Candidate {
        double eHigh, eLow, bound;
        Matrix4 frame;
    };
    std::vector<Candidate> candidates;
    candidates.reserve(static_cast<std::size_t>(std::max(0, elevationHi - elevationLo + 1)));
    for (int elevation = elevationLo; elevation <= elevationHi; ++elevation) {
        Candidate c;
        BuildMountFrame(s.siteFrame, north, s.poleNS * TenthsToRadians, s.poleEW * TenthsToRadians,
                        s.motorAzimuth * TenthsToRadians, elevation * TenthsToRadians,
                        s.dishAzimuth * TenthsToRadians, c.frame);
        const double zx = c.frame.at(0, 2), zy = c.frame.at(1, 2), zz = c.frame.at(2, 2);
        double high = -2.0, low = 2.0;
        for (const UnitVector& d : directions) {
            const double dot = zx * d.x + zy * d.y + zz * d.z;
            high = std::max(high, dot);
            low = std::min(low, dot);
        }
        c.eHigh = std::asin(std::min(1.0, high));
        c.eLow = std::asin(std::max(-1.0, low));
        // The declination shifts every offset alike: the best one sits midway.
        c.bound = (c.eHigh - c.eLow) / 2;
        candidates.push_back(c);
    }

    // The best declination within the window of one elevation's mount (the
    // automatic declination is costly, so it is computed only where needed).
    struct Choice {
        double worst;
        int declination;
        long distance;
    };
    const auto choose = [&](int index) {
        const Candidate& c = candidates[static_cast<std::size_t>(index)];
        const int elevation = elevationLo + index;
        // The declination's window sits around the automatic value of this
        // elevation's mount, as the stored record recomputes it.
        const int declinationAuto = AutomaticDeclination(c.frame, s.latitude);
        const int declinationLo = declinationAuto + s.declinationMin;
        const int declinationHi = declinationAuto + s.declinationMax;
        const double middle = sign * (c.eHigh + c.eLow) / 2 * RadiansToTenths;
        const int below = static_cast<int>(std::floor(middle));
        Choice best{std::numeric_limits<double>::infinity(), 0, 0};
        for (int declination : {below, below + 1}) {
            declination = std::clamp(declination, declinationLo, declinationHi);
            const double shift = sign * declination * TenthsToRadians;
            const double worst = std::max(c.eHigh - shift, shift - c.eLow);
            const long distance = std::labs(static_cast<long>(elevation) - s.motorElevation)
                                  + std::labs(static_cast<long>(declination) - s.declination);
            if (worst < best.worst - TieTolerance
                || (worst <= best.worst + TieTolerance && distance < best.distance))
                best = {std::min(worst, best.worst), declination, distance};
        }
        return best;
    };

    // Visit elevations from the smallest bound until no bound can reach the
    // best worst found; everything within the tie tolerance is kept.
    std::vector<int> order(candidates.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return candidates[static_cast<std::size_t>(a)].bound < candidates[static_cast<std::size_t>(b)].bound;
    });
    std::vector<std::pair<int, Choice>> evaluated;
    double bestWorst = std::numeric_limits<double>::infinity();
    for (int index : order) {
        if (candidates[static_cast<std::size_t>(index)].bound > bestWorst + TieTolerance)
            break;
        const Choice c = choose(index);
        bestWorst = std::min(bestWorst, c.worst);
        evaluated.emplace_back(index, c);
    }
    // Among the best (within the tolerance): the closest to the present
    // values, then the lowest elevation.
    int bestElevation = s.motorElevation, bestDeclination = s.declination;
    long bestDistance = std::numeric_limits<long>::max();
    int bestIndex = std::numeric_limits<int>::max();
    for (const auto& [index, c] : evaluated) {
        if (c.worst > bestWorst + TieTolerance)
            continue;
        if (c.distance < bestDistance || (c.distance == bestDistance && index < bestIndex)) {
            bestDistance = c.distance;
            bestIndex = index;
            bestElevation = elevationLo + index;
            bestDeclination = c.declination;
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
