#include "model/Reach.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace zenbelts {

namespace {

constexpr double SpeedOfLight = 299792458.0;  // metres per second

// Whether text holds word as a word of its own, letters and digits around
// it excluded ("C-band", "C band", "Ku"; not "Cosmos").
bool HasWord(std::string_view text, std::string_view word)
{
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(text[at + i]))
                   == std::tolower(static_cast<unsigned char>(word[i]));
        if (!same)
            continue;
        const bool before = at > 0 && alnum(text[at - 1]);
        const bool after = at + word.size() < text.size() && alnum(text[at + word.size()]);
        if (!before && !after)
            return true;
    }
    return false;
}

double Wrap360(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

struct SiteAxes {
    LocalAxes axes;
    EcefPoint origin;
};

SiteAxes AxesOf(const MountSettings& s)
{
    SiteAxes a{LocalAxesOf(s), {}};
    GeodeticToEcef(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians, s.altitude, a.origin);
    return a;
}

Bearing BearingFrom(const SiteAxes& site, const Vector4& point)
{
    Direction d = {point.v[0] - site.origin.x, point.v[1] - site.origin.y, point.v[2] - site.origin.z};
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    for (double& c : d)
        c /= length;
    return BearingOf(site.axes, d);
}

Bearing BearingAtTenths(const SiteAxes& site, long tenths)
{
    return BearingFrom(site, RingPointAtTenths(static_cast<int>(((tenths % 3600) + 3600) % 3600)));
}

// The site's longitude in whole tenths east, 0..3599.
long SiteTenths(const MountSettings& s)
{
    const long t = std::lround(s.longitude / 6.0);
    return ((t % 3600) + 3600) % 3600;
}

}  // namespace

Band BandOfName(std::string_view name)
{
    const bool c = HasWord(name, "C-band") || HasWord(name, "C band") || HasWord(name, "C");
    const bool ka = HasWord(name, "Ka-band") || HasWord(name, "Ka band") || HasWord(name, "Ka")
                    || HasWord(name, "KaA") || HasWord(name, "KaB");
    const bool ku = HasWord(name, "Ku-band") || HasWord(name, "Ku band") || HasWord(name, "Ku");
    // A position received in more than one band counts as Ku, the usual
    // band of a motorised dish.
    if (ku || (c && ka))
        return Band::Ku;
    if (c)
        return Band::C;
    return ka ? Band::Ka : Band::Ku;
}

double BandFrequencyGigahertz(Band band)
{
    switch (band) {
    case Band::C:
        return 4.0;
    case Band::Ka:
        return 20.0;
    case Band::Ku:
        break;
    }
    return 11.7;
}

double BeamWidthDegrees(int diameterCentimetres, Band band)
{
    const double wavelength = SpeedOfLight / (BandFrequencyGigahertz(band) * 1e9);
    return 70.0 * wavelength / (diameterCentimetres / 100.0);
}

double HorizonElevation(const std::vector<HorizonPoint>& horizon, double azimuthDegrees)
{
    if (horizon.empty())
        return 0.0;
    if (horizon.size() == 1)
        return horizon.front().elevation / 10.0;
    const double az = Wrap360(azimuthDegrees) * 10.0;
    // The first point at or past the azimuth; before the first and after the
    // last the line runs through north from the last to the first.
    const auto next = std::lower_bound(horizon.begin(), horizon.end(), az,
                                       [](const HorizonPoint& p, double a) { return p.azimuth < a; });
    const HorizonPoint& b = next == horizon.end() ? horizon.front() : *next;
    const HorizonPoint& a = next == horizon.begin() ? horizon.back() : *(next - 1);
    double span = b.azimuth - a.azimuth;
    double along = az - a.azimuth;
    if (span <= 0.0)
        span += 3600.0;
    if (along < 0.0)
        along += 3600.0;
    return (a.elevation + (b.elevation - a.elevation) * (along / span)) / 10.0;
}

bool IsFlatHorizon(const std::vector<HorizonPoint>& horizon)
{
    return std::all_of(horizon.begin(), horizon.end(),
                       [](const HorizonPoint& p) { return p.elevation == 0; });
}

Bearing RingBearing(const MountSettings& s, double longitudeDegrees)
{
    Vector4 point;
    GeostationaryPoint(longitudeDegrees / RadiansToDegrees, point);
    return BearingFrom(AxesOf(s), point);
}

const char* HiddenByName(HiddenBy hidden)
{
    switch (hidden) {
    case HiddenBy::Horizon:
        return "horizon";
    case HiddenBy::Motor:
        return "motor";
    case HiddenBy::None:
        break;
    }
    return nullptr;
}

ReachJudge::ReachJudge(const MountSettings& s) : s_(s)
{
    const SiteAxes site = AxesOf(s);
    axes_ = site.axes;
    origin_[0] = site.origin.x;
    origin_[1] = site.origin.y;
    origin_[2] = site.origin.z;
}

Bearing ReachJudge::BearingAt(int position) const
{
    return BearingFrom({axes_, {origin_[0], origin_[1], origin_[2]}}, RingPointAtTenths(position));
}

SatelliteReach ReachJudge::Of(int position, double motorAngle, Band band) const
{
    const MountSettings& s = s_;
    SatelliteReach r;
    r.bearing = BearingAt(position);
    r.mask = HorizonElevation(s.horizon, r.bearing.azimuth);
    r.halfBeam = BeamWidthDegrees(s.dishDiameter, band) / 2.0;
    r.motorEast = MotorAngleEast(s, motorAngle);
    if (r.bearing.elevation < r.mask + r.halfBeam)
        r.hiddenBy = HiddenBy::Horizon;
    // Limits in whole tenths: the angle as the motor is commanded, rounded.
    else if (std::lround(r.motorEast * 10.0) > s.motorEast || std::lround(-r.motorEast * 10.0) > s.motorWest)
        r.hiddenBy = HiddenBy::Motor;
    return r;
}

SatelliteReach ReachOf(const MountSettings& s, int position, double motorAngle, Band band)
{
    return ReachJudge(s).Of(position, motorAngle, band);
}

SatelliteReach ReachOf(const MountSettings& s, int position, Band band)
{
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    return ReachOf(s, position, MountAngles(view, s.latitude, s.declination, position).a * RadiansToDegrees,
                   band);
}

bool Reachable(const MountSettings& s, const SatelliteEntry& entry)
{
    return ReachOf(s, entry.position, BandOfName(entry.name)).Reachable();
}

std::optional<double> MaskEdgeMotorAngle(const MountSettings& s, double fromLongitude, bool east)
{
    const SiteAxes site = AxesOf(s);
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    const double halfBeam = BeamWidthDegrees(s.dishDiameter, Band::Ku) / 2.0;
    const long step = east ? 1 : -1;
    long tenths = std::lround(fromLongitude * 10.0);
    double lastMotor = 0.0;
    bool any = false;
    // A quarter turn of the motor and more than the visible arc either way.
    for (int n = 0; n <= 1800; ++n, tenths += step) {
        const int position = static_cast<int>(((tenths % 3600) + 3600) % 3600);
        const Bearing b = BearingAtTenths(site, tenths);
        const double motor
            = MotorAngleEast(s, MountAngles(view, s.latitude, s.declination, position).a * RadiansToDegrees);
        if (b.elevation < HorizonElevation(s.horizon, b.azimuth) + halfBeam)
            return any ? std::optional<double>(lastMotor) : std::nullopt;
        if (std::fabs(motor) > 90.0)
            return std::nullopt;
        lastMotor = motor;
        any = true;
    }
    return std::nullopt;
}

std::optional<double> ArcEnd(const MountSettings& s, bool east, double clearanceDegrees)
{
    const SiteAxes site = AxesOf(s);
    const double siteLongitude = s.longitude / 60.0;
    const double sign = east ? 1.0 : -1.0;
    const auto clears = [&](double dl) {
        Vector4 point;
        GeostationaryPoint((siteLongitude + sign * dl) / RadiansToDegrees, point);
        const Bearing b = BearingFrom(site, point);
        return b.elevation >= HorizonElevation(s.horizon, b.azimuth) + clearanceDegrees;
    };
    // From beyond the widest arc inward to the first point that clears, then
    // halve the step to the crossing.
    constexpr double Step = 0.25;
    double outer = 90.0;
    while (outer > 0.0 && !clears(outer - Step))
        outer -= Step;
    if (outer <= 0.0)
        return clears(0.0) ? std::optional<double>(0.0) : std::nullopt;
    double inner = outer - Step;
    for (int i = 0; i < 40; ++i) {
        const double middle = (inner + outer) / 2.0;
        (clears(middle) ? inner : outer) = middle;
    }
    return inner;
}

std::vector<RingStretch> StretchesHiddenByMask(const MountSettings& s)
{
    std::vector<RingStretch> stretches;
    if (IsFlatHorizon(s.horizon))
        return stretches;
    const SiteAxes site = AxesOf(s);
    const double halfBeam = BeamWidthDegrees(s.dishDiameter, Band::Ku) / 2.0;
    const long centre = SiteTenths(s);
    const auto hidden = [&](long tenths) {
        const Bearing b = BearingAtTenths(site, tenths);
        return b.elevation >= halfBeam && b.elevation < HorizonElevation(s.horizon, b.azimuth) + halfBeam;
    };
    // Whole degrees, then each edge to the tenth: an obstacle narrower than
    // a degree of the arc can hide no satellite a degree apart unseen.
    constexpr long Step = 10;
    bool previous = hidden(centre - 900);
    bool inside = previous;
    long from = centre - 900;
    for (long t = centre - 900 + Step; t <= centre + 900; t += Step) {
        const bool now = hidden(t);
        if (now != previous) {
            long lo = t - Step, hi = t;  // previous at lo, now at hi
            while (hi - lo > 1) {
                const long middle = (lo + hi) / 2;
                (hidden(middle) == previous ? lo : hi) = middle;
            }
            if (now)
                from = hi;
            else
                stretches.push_back({static_cast<int>(from), static_cast<int>(hi)});
            inside = now;
        }
        previous = now;
    }
    if (inside)
        stretches.push_back({static_cast<int>(from), static_cast<int>(centre + 901)});
    return stretches;
}

}  // namespace zenbelts
