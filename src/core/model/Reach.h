#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/DishReadings.h"
#include "model/MountSettings.h"

#include <optional>
#include <string_view>
#include <vector>

// What the dish can reach: a satellite is reachable when it clears the
// horizon mask at its azimuth by half the beam width and its motor angle lies
// within the motor's limits. Angles in degrees unless named otherwise.

namespace zenbelts {

// The band a satellite is received in, which sets the beam's width.
enum class Band { C, Ku, Ka };

// The band a list's name gives ("C-band", "Ka"); Ku where it names none, or Ku.
Band BandOfName(std::string_view name);
// The frequency the beam width is taken at: 4.0, 11.7 and 20.0 GHz.
double BandFrequencyGigahertz(Band band);
// The width of the main beam between its half-power points, 70 λ/D degrees.
double BeamWidthDegrees(int diameterCentimetres, Band band);

// The lowest usable elevation at an azimuth (degrees clockwise from true
// north, any value): the points joined by straight lines in azimuth, round
// through north; 0 for an empty mask.
double HorizonElevation(const std::vector<HorizonPoint>& horizon, double azimuthDegrees);
// Whether the mask is the flat horizon at 0 degrees.
bool IsFlatHorizon(const std::vector<HorizonPoint>& horizon);

// Where a point of the ring (longitude in degrees east) stands from the
// site: true azimuth and elevation above the horizon (the ellipsoid's normal).
Bearing RingBearing(const MountSettings& s, double longitudeDegrees);

// The motor angle east positive, from one as the arc table has it: the
// motor's axis turns over south of the equator.
inline double MotorAngleEast(const MountSettings& s, double motorAngle)
{
    return s.latitude > 0 ? motorAngle : -motorAngle;
}

enum class HiddenBy { None, Horizon, Motor };
// "horizon", "motor", or null for None.
const char* HiddenByName(HiddenBy hidden);

struct SatelliteReach {
    HiddenBy hiddenBy = HiddenBy::None;
    Bearing bearing;
    double mask = 0.0;       // the mask's elevation at its azimuth
    double halfBeam = 0.0;   // the clearance it needs
    double motorEast = 0.0;  // its motor angle, east positive
    bool Reachable() const { return hiddenBy == HiddenBy::None; }
};

// Judges satellites from one site, its axes worked out once.
class ReachJudge {
public:
    explicit ReachJudge(const MountSettings& s);
    // A satellite at a ring position (tenths east) whose motor angle (as the
    // arc table's) is known; by the horizon first where both hide it.
    SatelliteReach Of(int position, double motorAngle, Band band) const;
    Bearing BearingAt(int position) const;

private:
    const MountSettings& s_;
    LocalAxes axes_;
    double origin_[3];
};

SatelliteReach ReachOf(const MountSettings& s, int position, double motorAngle, Band band);
// The same, the motor angle computed for the set-up's mount.
SatelliteReach ReachOf(const MountSettings& s, int position, Band band = Band::Ku);

// Whether the set-up's mount reaches a catalogue entry, in its band.
bool Reachable(const MountSettings& s, const SatelliteEntry& entry);

// Where the arc, followed from a reachable longitude (degrees east) eastward
// (east true) or westward, is first hidden by the mask, with the clearance
// of half a Ku beam: its motor angle, east positive. None when it is not
// hidden within a quarter turn of the motor.
std::optional<double> MaskEdgeMotorAngle(const MountSettings& s, double fromLongitude, bool east);

// The longitude difference from the site (degrees, positive) at which the
// ring sinks to the mask's elevation with clearance beyond, eastward or
// westward; none when no point of the ring clears it on that side.
std::optional<double> ArcEnd(const MountSettings& s, bool east, double clearanceDegrees);

// The stretches of the ring (longitudes in tenths east, as [from, to)
// pairs, ascending around from the site's west) above the horizon that the
// mask hides and a flat horizon would not, in whole tenths.
struct RingStretch {
    int from, to;  // tenths east; to may exceed 3600 when it runs through 0
};
std::vector<RingStretch> StretchesHiddenByMask(const MountSettings& s);

}  // namespace zenbelts
