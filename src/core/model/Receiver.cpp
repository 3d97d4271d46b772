#include "model/Receiver.h"

#include "geometry/MountModel.h"
#include "model/OptimiseMount.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <queue>

namespace zenbelts {

namespace {

// Every route to a receiver angle goes through these, so that the search and
// a plain evaluation give the same bits.
double LatitudeTerm(double latitudeRadians)
{
    return ReceiverOrbitRatio * std::cos(latitudeRadians);
}

double HourAngleDegrees(double sinDelta, double cosDelta, double latitudeTerm)
{
    return std::atan2(sinDelta, cosDelta - latitudeTerm) * RadiansToDegrees;
}

struct SinCos {
    double s, c;
};

SinCos SinCosOf(double radians)
{
    return {std::sin(radians), std::cos(radians)};
}

// Into -half < value <= half.
long Wrap(long value, long full)
{
    const long half = full / 2;
    value %= full;
    if (value > half)
        value -= full;
    else if (value <= -half)
        value += full;
    return value;
}

long FloorDiv(long a, long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
long CeilDiv(long a, long b)
{
    return -FloorDiv(-a, b);
}

double DeltaTenthsRadians(int longitudeTenths, int position)
{
    return static_cast<double>(Wrap(static_cast<long>(position) - longitudeTenths, 3600)) * TenthsToRadians;
}

}  // namespace

double ReceiverHourAngle(double latitudeDegrees, double longitudeDegrees, double satelliteLongitudeDegrees)
{
    double delta = std::fmod(satelliteLongitudeDegrees - longitudeDegrees, 360.0);
    if (delta > 180.0)
        delta -= 360.0;
    else if (delta <= -180.0)
        delta += 360.0;
    const SinCos d = SinCosOf(delta / RadiansToDegrees);
    return HourAngleDegrees(d.s, d.c, LatitudeTerm(latitudeDegrees / RadiansToDegrees));
}

double ReceiverHourAngleArcMinutes(int latitude, int longitude, int position)
{
    const long delta = Wrap(static_cast<long>(position) * 6 - longitude, 21600);
    const SinCos d = SinCosOf(static_cast<double>(delta) * ArcMinutesToRadians);
    return HourAngleDegrees(d.s, d.c, LatitudeTerm(latitude * ArcMinutesToRadians));
}

double ReceiverHourAngleTenths(int latitude, int longitude, int position)
{
    const SinCos d = SinCosOf(DeltaTenthsRadians(longitude, position));
    return HourAngleDegrees(d.s, d.c, LatitudeTerm(latitude * TenthsToRadians));
}

double ReceiverMotorAngleAt(const MountSettings& settings, int position)
{
    // The hemisphere as the site search takes it.
    return ReceiverMotorAngle(settings.latitude > 0,
                              ReceiverHourAngleArcMinutes(settings.latitude, settings.longitude, position));
}

std::array<std::uint8_t, 5> GotoXBytes(double motorAngleDegrees)
{
    // The tenth in sixteenths of a degree, rounded.
    static constexpr std::uint16_t TenthCodes[10] = {0x0, 0x2, 0x3, 0x5, 0x6, 0x8, 0xA, 0xB, 0xD, 0xE};
    long tenths
        = std::isfinite(motorAngleDegrees) ? std::lround(std::fmod(motorAngleDegrees, 360.0) * 10) : 0;
    tenths = Wrap(tenths, 3600);
    const long magnitude = std::labs(tenths);
    const auto value = static_cast<std::uint16_t>((tenths > 0 ? 0xE000 : 0xD000) + (magnitude / 10) * 16
                                                  + TenthCodes[magnitude % 10]);
    return {0xE0, 0x31, 0x6E, static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}

std::string CommandBytesText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char hex[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += hex;
    }
    return text;
}

std::string GotoXText(double motorAngleDegrees)
{
    return CommandBytesText(GotoXBytes(motorAngleDegrees));
}

namespace {

// Bounds of the receiver's hour angle, degrees per degree. Along longitude:
// d/ddl atan2(sin dl, cos dl - t) = (1 - t cos dl) / (1 - 2t cos dl + t^2),
// at most 1/(1 - t), and t <= 0.1513.
constexpr double LongitudeSlope = 1.1783;
// Within 1e-9 degrees two misses count as the bound's equal: rounding aside,
// a box is only dropped when none of its sites can tie the best.
constexpr double BoundMargin = 1e-9;

class UsalsSearch {
public:
    UsalsSearch(int latitude, int longitude, bool north, const std::vector<UsalsTarget>& targets)
        : latitude_(latitude), longitude_(longitude), north_(north), targets_(targets)
    {
        latitudeLow_ = static_cast<int>(std::max<long>(CeilDiv(latitude - 6L * UsalsWindowTenths, 6), -900));
        const int latitudeHigh
            = static_cast<int>(std::min<long>(FloorDiv(latitude + 6L * UsalsWindowTenths, 6), 900));
        longitudeLow_ = static_cast<int>(CeilDiv(longitude - 6L * UsalsWindowTenths, 6));
        const int longitudeHigh = static_cast<int>(FloorDiv(longitude + 6L * UsalsWindowTenths, 6));
        rows_ = latitudeHigh - latitudeLow_ + 1;
        columns_ = longitudeHigh - longitudeLow_ + 1;

        terms_.resize(static_cast<std::size_t>(rows_));
        for (int j = 0; j < rows_; ++j)
            terms_[static_cast<std::size_t>(j)] = LatitudeTerm((latitudeLow_ + j) * TenthsToRadians);
        const std::size_t count = targets_.size();
        columnData_.resize(static_cast<std::size_t>(columns_) * count);
        for (int m = 0; m < columns_; ++m) {
            for (std::size_t i = 0; i < count; ++i) {
                const int lon = longitudeLow_ + m;
                const SinCos d = SinCosOf(DeltaTenthsRadians(lon, targets_[i].position));
                const long tenths = Wrap(static_cast<long>(targets_[i].position) - lon, 3600);
                columnData_[static_cast<std::size_t>(m) * count + i] = {d.s, d.c, std::labs(tenths)};
            }
        }
    }

    UsalsSite Run()
    {
        // Nothing to fit: every site ties at 0 and the nearest is the true one.
        if (targets_.empty())
            return Site(NearestRow(), NearestColumn(), 0.0, 0.0);
        // The true site, to the nearest tenth, is a candidate and the start.
        const int j0 = NearestRow(), m0 = NearestColumn();
        const double before = Evaluate(j0, m0, std::numeric_limits<double>::infinity());
        Consider(j0, m0, before);

        std::priority_queue<Box> boxes;
        Push(boxes, {0, rows_ - 1, 0, columns_ - 1, 0.0});
        while (!boxes.empty()) {
            const Box box = boxes.top();
            boxes.pop();
            if (box.bound > best_)
                break;
            if (box.j0 == box.j1 && box.m0 == box.m1) {
                const double worst = Evaluate(box.j0, box.m0, best_);
                if (worst <= best_)
                    Consider(box.j0, box.m0, worst);
                continue;
            }
            // Halve the side along which the receiver's angles change most.
            if ((box.m1 - box.m0) * 8 >= box.j1 - box.j0) {
                const int middle = (box.m0 + box.m1) / 2;
                Push(boxes, {box.j0, box.j1, box.m0, middle, 0.0});
                Push(boxes, {box.j0, box.j1, middle + 1, box.m1, 0.0});
            } else {
                const int middle = (box.j0 + box.j1) / 2;
                Push(boxes, {box.j0, middle, box.m0, box.m1, 0.0});
                Push(boxes, {middle + 1, box.j1, box.m0, box.m1, 0.0});
            }
        }

        return Site(bestRow_, bestColumn_, before, best_);
    }

private:
    // The true site to the nearest tenth, halves upward.
    int NearestRow() const { return static_cast<int>(FloorDiv(2L * latitude_ + 6, 12)) - latitudeLow_; }
    int NearestColumn() const { return static_cast<int>(FloorDiv(2L * longitude_ + 6, 12)) - longitudeLow_; }

    UsalsSite Site(int j, int m, double before, double after) const
    {
        UsalsSite site;
        site.latitude = latitudeLow_ + j;
        site.longitude = static_cast<int>(Wrap(longitudeLow_ + m, 3600));
        site.targets = static_cast<int>(targets_.size());
        site.worstBefore = before;
        site.worstAfter = after;
        return site;
    }

    struct ColumnData {
        double s, c;
        long deltaTenths;  // |satellite - site longitude|, 0..1800
    };

    struct Box {
        int j0, j1, m0, m1;
        double bound;
        bool operator<(const Box& other) const { return bound > other.bound; }  // smallest on top
    };

    double Miss(const UsalsTarget& t, double hourAngle) const
    {
        return std::fabs(t.motorAngle - ReceiverMotorAngle(north_, hourAngle));
    }

    // The worst miss at a site; any value above limit once it is exceeded.
    double Evaluate(int j, int m, double limit) const
    {
        const double term = terms_[static_cast<std::size_t>(j)];
        const ColumnData* column = &columnData_[static_cast<std::size_t>(m) * targets_.size()];
        double worst = 0.0;
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            worst = std::max(worst, Miss(targets_[i], HourAngleDegrees(column[i].s, column[i].c, term)));
            if (worst > limit)
                break;
        }
        return worst;
    }

    // A lower bound of the worst miss over the box (less the margin). For one
    // longitude an hour angle is monotonic in the latitude term, so it lies
    // between its values at the term's extremes; other longitudes of the box
    // move it by at most LongitudeSlope per degree.
    double Bound(const Box& box) const
    {
        double termLow = terms_[static_cast<std::size_t>(box.j0)], termHigh = termLow;
        for (int j = box.j0 + 1; j <= box.j1; ++j) {
            termLow = std::min(termLow, terms_[static_cast<std::size_t>(j)]);
            termHigh = std::max(termHigh, terms_[static_cast<std::size_t>(j)]);
        }
        const int centre = (box.m0 + box.m1) / 2;
        const int reach = std::max(centre - box.m0, box.m1 - centre);
        const double slack = LongitudeSlope * reach * 0.1;
        const ColumnData* column = &columnData_[static_cast<std::size_t>(centre) * targets_.size()];
        double bound = 0.0;
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            // Near the far side of the earth the angle jumps: no bound there.
            if (column[i].deltaTenths + reach >= 1800)
                continue;
            const double a = HourAngleDegrees(column[i].s, column[i].c, termLow);
            const double b = HourAngleDegrees(column[i].s, column[i].c, termHigh);
            double low = std::min(a, b) - slack, high = std::max(a, b) + slack;
            if (!north_) {
                std::swap(low, high);
                low = -low;
                high = -high;
            }
            const double motor = targets_[i].motorAngle;
            const double distance = motor < low ? low - motor : motor > high ? motor - high : 0.0;
            bound = std::max(bound, distance);
            if (bound - BoundMargin > best_)
                break;
        }
        return bound - BoundMargin;
    }

    void Push(std::priority_queue<Box>& boxes, Box box) const
    {
        box.bound = Bound(box);
        if (box.bound <= best_)
            boxes.push(box);
    }

    // Keeps the site when it beats the best: a smaller worst miss, or an
    // equal one nearer the true site.
    void Consider(int j, int m, double worst)
    {
        const long dLat = 6L * (latitudeLow_ + j) - latitude_;
        const long dLon = 6L * (longitudeLow_ + m) - longitude_;
        const long distance = dLat * dLat + dLon * dLon;
        const bool better = worst < best_
                            || (worst == best_
                                && (distance < bestDistance_
                                    || (distance == bestDistance_
                                        && (j > bestRow_ || (j == bestRow_ && m > bestColumn_)))));
        if (better) {
            best_ = worst;
            bestDistance_ = distance;
            bestRow_ = j;
            bestColumn_ = m;
        }
    }

    int latitude_, longitude_;
    bool north_;
    const std::vector<UsalsTarget>& targets_;
    int latitudeLow_ = 0, longitudeLow_ = 0, rows_ = 0, columns_ = 0;
    std::vector<double> terms_;
    std::vector<ColumnData> columnData_;
    double best_ = std::numeric_limits<double>::infinity();
    long bestDistance_ = std::numeric_limits<long>::max();
    int bestRow_ = 0, bestColumn_ = 0;
};

}  // namespace

UsalsSite FindUsalsSite(int latitude, int longitude, bool north, const std::vector<UsalsTarget>& targets)
{
    return UsalsSearch(latitude, longitude, north, targets).Run();
}

std::vector<UsalsTarget> UsalsTargets(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    std::vector<UsalsTarget> targets;
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    for (const ArcTarget& t : OptimisationTargets(s, catalogue)) {
        // The ring stands in for too few satellites: nothing to fit then.
        if (!t.satellite)
            return {};
        // The motor angle exactly as the arc table computes it.
        targets.push_back(
            {t.position, MountAngles(view, s.latitude, s.declination, t.position).a * RadiansToDegrees});
    }
    return targets;
}

UsalsSite FindUsalsSite(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    return FindUsalsSite(s.latitude, s.longitude, s.latitude > 0, UsalsTargets(s, catalogue));
}

}  // namespace zenbelts
