#include "model/Diagnose.h"

#include "model/Reach.h"
#include "text/Numbers.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/OptimiseMount.h"
#include "text/AngleText.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

namespace zenbelts {

namespace {

constexpr int Count = 6;
constexpr int Declination = 5;

using Params = Eigen::Matrix<double, Count, 1>;
using Square = Eigen::Matrix<double, Count, Count>;

// A singular value below this fraction of the largest belongs to a
// combination the observations do not fix. The largest is about that of turning the
// dish about the motor axis, which moves every motor angle one for one; a
// combination at 0.002 of it moves the observed angles 500 times less, so
// readings good to 0.01 degrees pin it only to a degree or two over a handful
// of satellites: about as far as a mount is ever found off, so beyond that it
// would be guesswork. What no observation can fix sits near 1e-11 (the
// derivatives' own noise); motor angles alone fix the motor axis' tilt at
// 0.005 to 0.1, offsets at 0.1 and more.
constexpr double RankThreshold = 0.002;
// With a prior every combination is fixed, by the observations or by it.
constexpr double FullRank = 1e-12;
// An adjustment is named as undetermined when at least this share of a turn
// of it (squared length) lies in the undetermined combinations.
constexpr double Involvement = 0.1;
// Two undetermined adjustments belong together when their undetermined
// parts are at least this correlated.
constexpr double Linked = 0.3;
constexpr double DerivativeStep = 1e-6;  // radians
constexpr int MaxIterations = 50;
constexpr double StepTolerance = 1e-9;  // radians: below the derivatives' own noise
// How far (tenths) rounding may take an adjustment from its fitted value.
constexpr int RoundingWindow = 20;
// How far the precision of the observations may lie from the usual one,
// as the standard deviation of its logarithm: ten times better or worse at
// two of them. The residuals of a handful of observations would otherwise
// make it a guess.
const double PrecisionSpread = std::log(10.0) / 2;
// An observation this many of its standard deviations from where the others
// put it contradicts them.
constexpr double FarBeyond = 5.0;
// How far (radians) the beam may move when adjustments that move it alike
// are left as set up: they do so only to first order.
constexpr double HeldMismatch = 0.05 / RadiansToDegrees;
// An adjustment may stay as set up for an undetermined combination when
// holding it leaves the others at most about 1/0.3 times its move to make.
constexpr double Holdable = 0.3;
constexpr int MaxNext = 3;
constexpr int FirstMin = 3, FirstMax = 6;

// Where they can stand in for one another, the adjustments that stay as set
// up, hardest to reach and read first: the pole is plumbed again only at its
// foot; turning the motor on the pole moves motor and dish; the dish turns on
// the motor by hand; the motor elevation and the declination have scales.
constexpr std::array<int, Count> HoldOrder = {0, 1, 2, 4, 3, 5};
// What to turn first: what moves the whole arc, then the motor elevation,
// then the declination, then the dish on the motor.
constexpr std::array<int, Count> WorkOrder = {0, 1, 2, 3, 5, 4};
constexpr int MotorElevation = 3;

double Wrapped(double radians)
{
    return std::remainder(radians, 2 * Pi);
}

bool North(const MountSettings& s)
{
    return s.latitude > 0;
}

void FrameOf(const MountSettings& s, const Params& p, Matrix4& frame)
{
    BuildMountFrame(s.siteFrame, North(s), p[0], p[1], p[2], p[3], p[4], frame);
}

// A mount of continuous adjustments (radians), as the arc table sees it.
class Mount {
public:
    Mount() = default;
    Mount(const MountSettings& s, const Params& p)
    {
        Matrix4 frame;
        FrameOf(s, p, frame);
        MatrixAdjugate(frame, view_);
        // As MountAngles: e - d in the north, e + d elsewhere.
        shift_ = North(s) ? p[Declination] : -p[Declination];
    }

    void Angles(int position, double& motor, double& offset) const
    {
        Vector4 w;
        TransformVector(view_, RingPointAtTenths(position), w);
        motor = std::atan2(w.y(), w.x());
        offset = std::atan2(w.z(), std::hypot(w.y(), w.x())) - shift_;
    }

private:
    Matrix4 view_{};
    double shift_ = 0.0;
};

// One observed angle (radians) and its weight (1 / its standard deviation in
// radians), or a reference angle of the arc.
struct Row {
    int position;
    bool offset;
    double observed;
    double weight = 1.0;
};

// Central differences: the mounts a step either side in each adjustment,
// built once for any number of rows.
class Derivatives {
public:
    Derivatives(const MountSettings& s, const Params& p)
    {
        for (int k = 0; k < Count; ++k) {
            Params q = p;
            q[k] = p[k] + DerivativeStep;
            plus_[k] = Mount(s, q);
            q[k] = p[k] - DerivativeStep;
            minus_[k] = Mount(s, q);
        }
    }

    void Rows(int position, double motor[Count], double offset[Count]) const
    {
        for (int k = 0; k < Count; ++k) {
            double a1, b1, a0, b0;
            plus_[k].Angles(position, a1, b1);
            minus_[k].Angles(position, a0, b0);
            motor[k] = Wrapped(a1 - a0) / (2 * DerivativeStep);
            offset[k] = (b1 - b0) / (2 * DerivativeStep);
        }
    }

    // Weighted as the rows are.
    Eigen::MatrixXd Jacobian(const std::vector<Row>& rows) const
    {
        Eigen::MatrixXd j(static_cast<Eigen::Index>(rows.size()), Count);
        double motor[Count], offset[Count];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            Rows(rows[i].position, motor, offset);
            for (int k = 0; k < Count; ++k)
                j(static_cast<Eigen::Index>(i), k) = rows[i].weight * (rows[i].offset ? offset[k] : motor[k]);
        }
        return j;
    }

private:
    std::array<Mount, Count> plus_, minus_;
};

// Least squares over the six adjustments: weighted rows of observed angles,
// and a pull of each adjustment toward a centre (weight per radian; 0: none).
struct Problem {
    const MountSettings* s = nullptr;
    std::vector<Row> rows;
    Params pull = Params::Zero();
    Params centre = Params::Zero();
    std::array<bool, Count> fixed{};  // kept where they start
    double threshold = RankThreshold;
};

void Residuals(const Problem& p, const Params& x, Eigen::VectorXd& r)
{
    const Mount mount(*p.s, x);
    const auto n = static_cast<Eigen::Index>(p.rows.size());
    r.resize(n + Count);
    for (Eigen::Index i = 0; i < n; ++i) {
        const Row& row = p.rows[static_cast<std::size_t>(i)];
        double motor, offset;
        mount.Angles(row.position, motor, offset);
        r[i] = row.weight * (row.offset ? offset - row.observed : Wrapped(motor - row.observed));
    }
    r.tail(Count) = p.pull.cwiseProduct(x - p.centre);
}

Eigen::MatrixXd Jacobian(const Problem& p, const Params& x)
{
    const auto n = static_cast<Eigen::Index>(p.rows.size());
    Eigen::MatrixXd j(n + Count, Count);
    j.topRows(n) = Derivatives(*p.s, x).Jacobian(p.rows);
    j.bottomRows(Count) = p.pull.asDiagonal();
    return j;
}

// The limits of the physical mount; the declination's window follows the
// automatic value of the mount it sits on, as a stored set-up requires.
void Bounds(const MountSettings& s, const Params& p, Params& lo, Params& hi)
{
    for (int i = 0; i < Declination; ++i) {
        lo[i] = Adjustments[i].Lower(s) * TenthsToRadians;
        hi[i] = Adjustments[i].Upper(s) * TenthsToRadians;
    }
    Matrix4 frame;
    FrameOf(s, p, frame);
    const int automatic = AutomaticDeclination(frame, s.latitude);
    lo[Declination] = (automatic + s.declinationMin) * TenthsToRadians;
    hi[Declination] = (automatic + s.declinationMax) * TenthsToRadians;
}

int NumericalRank(const Eigen::VectorXd& singular, double threshold)
{
    if (singular.size() == 0 || !(singular[0] > 0.0))
        return 0;
    int k = 0;
    while (k < singular.size() && singular[k] > threshold * singular[0])
        ++k;
    return k;
}

// The change of the free adjustments that best fits the linear model, in
// its well-determined directions only; the rest of their change from the
// set-up is taken out, so what the observations cannot tell stays at the
// set-up's values (the minimum-norm change). Held adjustments keep delta.
Eigen::VectorXd FreeStep(const Eigen::MatrixXd& j, const Eigen::VectorXd& r, const Params& x,
                         const Params& start, const std::array<bool, Count>& held, const Params& delta,
                         double threshold, std::vector<int>& free)
{
    free.clear();
    Eigen::VectorXd rr = r;
    for (int i = 0; i < Count; ++i) {
        if (held[i])
            rr += j.col(i) * delta[i];
        else
            free.push_back(i);
    }
    const Eigen::Index n = static_cast<Eigen::Index>(free.size());
    if (n == 0)
        return {};
    Eigen::MatrixXd jf(j.rows(), n);
    Eigen::VectorXd d(n);
    for (Eigen::Index c = 0; c < n; ++c) {
        jf.col(c) = j.col(free[c]);
        d[c] = x[free[c]] - start[free[c]];
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(jf, Eigen::ComputeThinU | Eigen::ComputeThinV);
    const int k = NumericalRank(svd.singularValues(), threshold);
    const auto v = svd.matrixV().leftCols(k);
    const Eigen::VectorXd solved = svd.singularValues().head(k).cwiseInverse().asDiagonal()
                                   * (svd.matrixU().leftCols(k).transpose() * rr);
    return v * (v.transpose() * d - solved) - d;
}

// One Gauss-Newton step within the limits, by bounded-variable least
// squares: solve for the free adjustments; if that passes a limit, go as far
// as the first limit and hold that adjustment; once inside, let go of a held
// adjustment the fit would pull back inside. Fixed adjustments stay.
Params BoundedStep(const Eigen::MatrixXd& j, const Eigen::VectorXd& r, const Params& x, const Params& start,
                   const Params& lo, const Params& hi, const std::array<bool, Count>& fixed, double threshold)
{
    constexpr double AtLimit = 1e-13;  // radians
    constexpr double Pull = 1e-13;     // gradient that counts
    Params delta;
    std::array<bool, Count> held{};
    // Start at x, brought inside (the declination's window moves).
    for (int i = 0; i < Count; ++i) {
        delta[i] = fixed[i] ? 0.0 : std::clamp(x[i], lo[i], hi[i]) - x[i];
        held[i] = fixed[i] || x[i] + delta[i] <= lo[i] + AtLimit || x[i] + delta[i] >= hi[i] - AtLimit;
    }
    std::vector<int> free;
    for (int round = 0; round < 4 * Count; ++round) {
        const Eigen::VectorXd z = FreeStep(j, r, x, start, held, delta, threshold, free);
        double fraction = 1.0;
        for (std::size_t c = 0; c < free.size(); ++c) {
            const int i = free[c];
            const double target = x[i] + z[static_cast<Eigen::Index>(c)];
            const double move = z[static_cast<Eigen::Index>(c)] - delta[i];
            if (target < lo[i] && move < 0.0)
                fraction = std::min(fraction, (lo[i] - x[i] - delta[i]) / move);
            else if (target > hi[i] && move > 0.0)
                fraction = std::min(fraction, (hi[i] - x[i] - delta[i]) / move);
        }
        fraction = std::max(fraction, 0.0);
        for (std::size_t c = 0; c < free.size(); ++c) {
            const int i = free[c];
            delta[i] += fraction * (z[static_cast<Eigen::Index>(c)] - delta[i]);
            delta[i] = std::clamp(x[i] + delta[i], lo[i], hi[i]) - x[i];
        }
        if (fraction < 1.0) {
            for (int i : free)
                held[i] = x[i] + delta[i] <= lo[i] + AtLimit || x[i] + delta[i] >= hi[i] - AtLimit;
            continue;
        }
        // Inside: release the held adjustment pulled inward the hardest.
        const Params gradient = j.transpose() * (j * delta + r);
        int release = -1;
        double strongest = Pull;
        for (int i = 0; i < Count; ++i) {
            if (!held[i] || fixed[i])
                continue;
            const bool atLower = x[i] + delta[i] <= lo[i] + AtLimit;
            const double inward = atLower ? -gradient[i] : gradient[i];
            if (inward > strongest) {
                strongest = inward;
                release = i;
            }
        }
        if (release < 0)
            break;
        held[release] = false;
    }
    return delta;
}

// From `from`, keeping what the problem leaves open at `start`. Without
// `windowed` the declination is free of its window, which moves with the
// mount's own automatic value.
Params Fit(const Problem& p, const Params& start, const Params& from, bool windowed)
{
    const MountSettings& s = *p.s;
    Params x = from;
    Eigen::VectorXd r, trial;
    Residuals(p, x, r);
    double cost = r.squaredNorm();
    for (int iteration = 0; iteration < MaxIterations; ++iteration) {
        Params lo, hi;
        Bounds(s, x, lo, hi);
        if (!windowed) {
            lo[Declination] = -HalfPi;
            hi[Declination] = HalfPi;
        }
        const Params delta = BoundedStep(Jacobian(p, x), r, x, start, lo, hi, p.fixed, p.threshold);
        if (delta.cwiseAbs().maxCoeff() < StepTolerance)
            break;
        // Halve until the fit is no worse; moves along what the observations
        // cannot see leave the cost the same to first order.
        double taken = 0.0;
        for (double scale = 1.0; scale > 1e-9 && taken == 0.0; scale /= 2) {
            const Params t = x + scale * delta;
            Residuals(p, t, trial);
            const double c = trial.squaredNorm();
            if (c <= cost * (1 + 1e-9) + 1e-24) {
                x = t;
                r = trial;
                cost = c;
                taken = scale;
            }
        }
        if (taken * delta.cwiseAbs().maxCoeff() < StepTolerance)
            break;
    }
    return x;
}

// The undetermined combinations: an orthonormal basis of the directions whose
// singular values fall below the threshold.
struct NullSpace {
    int rank = 0;
    Eigen::MatrixXd basis;  // Count x (Count - rank)
    Square Projection() const { return basis * basis.transpose(); }
};

NullSpace Undetermined(const Eigen::MatrixXd& j)
{
    NullSpace n;
    if (j.rows() == 0) {
        n.basis = Eigen::MatrixXd::Identity(Count, Count);
        return n;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(j, Eigen::ComputeFullV);
    n.rank = NumericalRank(svd.singularValues(), RankThreshold);
    n.basis = svd.matrixV().rightCols(Count - n.rank);
    return n;
}

double Elevation(const MountSettings& s, int position)
{
    return ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians,
                                 s.altitude, RingPointAtTenths(position));
}

bool HighEnough(const MountSettings& s, int position, double degrees)
{
    return Elevation(s, position) >= degrees / RadiansToDegrees;
}

Params FromTenths(const std::array<int, Count>& tenths)
{
    Params p;
    for (int i = 0; i < Count; ++i)
        p[i] = tenths[i] * TenthsToRadians;
    return p;
}

std::array<int, Count> SettingsTenths(const MountSettings& s)
{
    std::array<int, Count> t{};
    for (int i = 0; i < Count; ++i)
        t[i] = s.*(Adjustments[i].value);
    return t;
}

// The whole tenths, within the limits, whose beam differs least from the
// fitted mount's over the visible arc: a closest-point search on the integer
// lattice in the arc's metric (to first order, G is its Gram matrix), by
// depth-first enumeration that prunes on the best cost so far. Along what the
// arc cannot see the metric is flat; a light pull towards the fit keeps the
// search finite there and picks, among equals, the values nearest the fit.
class TenthsSearch {
public:
    TenthsSearch(const Square& g, int referenceRows, const Params& x)
    {
        const Square metric = g * (TenthsToRadians * TenthsToRadians)
                              + Square::Identity() * (referenceRows * NullPull * NullPull);
        r_ = metric.llt().matrixU();
        for (int i = 0; i < Count; ++i)
            centre_[i] = x[i] * RadiansToTenths;
    }

    // lo, hi: the allowed tenths of each adjustment.
    std::array<int, Count> Closest(const std::array<int, Count>& lo, const std::array<int, Count>& hi)
    {
        lo_ = lo;
        hi_ = hi;
        bestCost_ = std::numeric_limits<double>::infinity();
        nodes_ = 0;
        for (int i = 0; i < Count; ++i)
            best_[i] = std::clamp(RoundHalfUp(centre_[i]), lo[i], hi[i]);
        Visit(Count - 1, 0.0);
        return best_;
    }

private:
    // Per tenth away from the fit along what the arc cannot see: costs as much
    // as this error (radians) in every angle of the arc. Far moves that buy a
    // finer beam would turn the advice into large turns that cancel out.
    static constexpr double NullPull = 0.002 / RadiansToDegrees;
    static constexpr long MaxNodes = 200000;

    void Visit(int level, double partial)
    {
        double shift = 0.0;
        for (int j = level + 1; j < Count; ++j)
            shift += r_(level, j) * (z_[j] - centre_[j]);
        const double diagonal = r_(level, level);
        const double centre = centre_[level] - shift / diagonal;
        const int first = std::clamp(RoundHalfUp(centre), lo_[level], hi_[level]);
        // Outwards from the nearest value; each side stops once too costly.
        int up = first, down = first - 1;
        bool upOpen = true, downOpen = down >= lo_[level];
        while ((upOpen || downOpen) && ++nodes_ < MaxNodes) {
            const bool takeUp = upOpen && (!downOpen || std::fabs(up - centre) <= std::fabs(down - centre));
            const int t = takeUp ? up : down;
            const double e = diagonal * (t - centre);
            const double cost = partial + e * e;
            if (cost >= bestCost_) {
                (takeUp ? upOpen : downOpen) = false;
                continue;
            }
            if (takeUp)
                upOpen = ++up <= hi_[level];
            else
                downOpen = --down >= lo_[level];
            z_[level] = t;
            if (level == 0) {
                bestCost_ = cost;
                best_ = z_;
            } else {
                Visit(level - 1, cost);
            }
        }
    }

    Square r_;
    std::array<double, Count> centre_{};
    std::array<int, Count> lo_{}, hi_{}, z_{}, best_{};
    double bestCost_ = 0.0;
    long nodes_ = 0;
};

// held: adjustments that keep their nearest tenth, so that rounding does not
// bring back a turn the advice leaves out.
std::array<int, Count> RoundToLimits(const MountSettings& s, const Params& x, const Square& g,
                                     int referenceRows, const std::array<bool, Count>& held)
{
    TenthsSearch search(g, referenceRows, x);
    std::array<int, Count> lo{}, hi{};
    const auto limit = [&](const Params& at) {
        Params l, h;
        Bounds(s, at, l, h);
        for (int i = 0; i < Count; ++i) {
            // Within a window around the fit: the pull alone would allow far more.
            const int nearest = RoundHalfUp(x[i] * RadiansToTenths);
            const int window = held[i] ? 0 : RoundingWindow;
            lo[i] = std::max(RoundHalfUp(l[i] * RadiansToTenths), nearest - window);
            hi[i] = std::min(RoundHalfUp(h[i] * RadiansToTenths), nearest + window);
            hi[i] = std::max(hi[i], lo[i]);
        }
    };
    limit(x);
    std::array<int, Count> tenths = search.Closest(lo, hi);
    // The declination must also lie in the window of its own rounded mount,
    // which may have moved by a tenth (only the declination's limits move).
    limit(FromTenths(tenths));
    if (tenths[Declination] < lo[Declination] || tenths[Declination] > hi[Declination])
        tenths = search.Closest(lo, hi);
    return tenths;  // Recalculate pulls a declination still outside inside
}

// Adjustments with a real share in the undetermined combinations, grouped by
// which of them move together.
std::vector<std::vector<int>> Groups(const Square& p)
{
    std::vector<std::vector<int>> groups;
    std::array<bool, Count> taken{};
    for (int i = 0; i < Count; ++i) {
        if (taken[i] || p(i, i) < Involvement)
            continue;
        std::vector<int> group{i};
        taken[i] = true;
        for (std::size_t g = 0; g < group.size(); ++g) {
            for (int j = 0; j < Count; ++j) {
                const int k = group[g];
                if (!taken[j] && p(j, j) >= Involvement
                    && std::fabs(p(k, j)) >= Linked * std::sqrt(p(k, k) * p(j, j))) {
                    taken[j] = true;
                    group.push_back(j);
                }
            }
        }
        std::sort(group.begin(), group.end());
        groups.push_back(group);
    }
    return groups;
}

// For each combination no observation can fix, one adjustment that stays as
// set up, the hardest to reach first, so that the others take the whole
// correction.
std::array<bool, Count> HeldAdjustments(const Eigen::MatrixXd& basis)
{
    std::array<bool, Count> held{};
    const Eigen::Index open = basis.cols();
    std::vector<int> chosen;
    for (int i : HoldOrder) {
        if (static_cast<Eigen::Index>(chosen.size()) == open)
            break;
        chosen.push_back(i);
        Eigen::MatrixXd rows(static_cast<Eigen::Index>(chosen.size()), open);
        for (std::size_t k = 0; k < chosen.size(); ++k)
            rows.row(static_cast<Eigen::Index>(k)) = basis.row(chosen[k]);
        const Eigen::VectorXd singular = Eigen::JacobiSVD<Eigen::MatrixXd>(rows).singularValues();
        if (singular.size() == 0 || singular[singular.size() - 1] < Holdable)
            chosen.pop_back();
        else
            held[i] = true;
    }
    return held;
}

// ---- Words ----

Message Title(int adjustment)
{
    return Message(MessageText{"Adjustment", Adjustments[static_cast<std::size_t>(adjustment)].title});
}

// "A", "A and B", "A, B and C", each join in the user's language.
Message ListOf(const std::vector<Message>& items)
{
    if (items.empty())
        return Message();
    Message list = items.front();
    for (std::size_t i = 1; i + 1 < items.size(); ++i)
        list = Message(ZB_TEXT("diagnose", "%1, %2"), {list, items[i]});
    if (items.size() > 1)
        list = Message(ZB_TEXT("diagnose", "%1 and %2"), {list, items.back()});
    return list;
}

Message Titles(const std::vector<int>& adjustments)
{
    std::vector<Message> titles;
    for (int i : adjustments)
        titles.push_back(Title(i));
    return ListOf(titles);
}

Message Label(int position)
{
    return Message::Literal(FormatSatelliteLabel(position));
}

Message Labels(const std::vector<int>& positions)
{
    std::vector<Message> labels;
    for (int p : positions)
        labels.push_back(Label(p));
    return ListOf(labels);
}

// "0.41°"
Message Degrees(double value)
{
    return Message::Literal(FormatFixed(value, 2) + DegreeSign);
}

// ---- What the fit is sure of ----

Precision Scaled(const Precision& p, double scale)
{
    return {p.motor * scale, p.offset * scale};
}

std::vector<Row> ObservationRows(const std::vector<Observation>& observations, const Precision& precision)
{
    std::vector<Row> rows;
    for (const Observation& o : observations) {
        rows.push_back(
            {o.position, false, o.motorAngle / RadiansToDegrees, RadiansToDegrees / precision.motor});
        if (o.offset)
            rows.push_back(
                {o.position, true, *o.offset / RadiansToDegrees, RadiansToDegrees / precision.offset});
    }
    return rows;
}

// What is believed of the adjustments before any observation, as an
// information matrix (1/radians squared): the prior, or without one, no more
// than that the mount stands somewhere within its limits.
Square PriorInformation(const MountSettings& s, const Params& x, double prior)
{
    if (prior > 0.0)
        return Square::Identity() / (prior * prior);
    Params lo, hi;
    Bounds(s, x, lo, hi);
    Square p = Square::Zero();
    for (int i = 0; i < Count; ++i) {
        const double width = std::max(hi[i] - lo[i], TenthsToRadians);
        p(i, i) = 12.0 / (width * width);
    }
    return p;
}

// The observations weighed by their precision, and the prior toward the
// set-up (start) when there is one.
Problem ObservationProblem(const MountSettings& s, const std::vector<Observation>& observations,
                           const Precision& precision, const Params& start, double prior)
{
    Problem p;
    p.s = &s;
    p.rows = ObservationRows(observations, precision);
    if (prior > 0.0) {
        p.pull.setConstant(1.0 / prior);
        p.centre = start;
        p.threshold = FullRank;
    }
    return p;
}

// From `from` when given, else from the set-up.
Params FitObservations(const MountSettings& s, const std::vector<Observation>& observations,
                       const Precision& precision, const Params& start, double prior,
                       const std::optional<Params>& from = std::nullopt)
{
    const Problem p = ObservationProblem(s, observations, precision, start, prior);
    if (from)
        return Fit(p, start, *from, true);
    // The declination's window follows the mount: find the mount first with
    // the declination free, then hold it to the window of that mount.
    Params x = Fit(p, start, start, false);
    Params lo, hi;
    Bounds(s, x, lo, hi);
    x[Declination] = std::clamp(x[Declination], lo[Declination], hi[Declination]);
    return Fit(p, start, x, true);
}

// What FitObservations makes least.
double Cost(const MountSettings& s, const std::vector<Observation>& observations, const Precision& precision,
            const Params& start, double prior, const Params& x)
{
    Eigen::VectorXd r;
    Residuals(ObservationProblem(s, observations, precision, start, prior), x, r);
    return r.squaredNorm();
}

// The scale of the usual precision that best explains the residuals: squares,
// their sum of squares at the usual precision, over freeAngles degrees of
// freedom, with the log-normal belief of PrecisionSpread about it.
double MostLikelyScale(double squares, double freeAngles)
{
    // Where -freeAngles + squares/scale² - log(scale)/spread² is zero; it
    // falls as the scale grows.
    const double w = 1.0 / (PrecisionSpread * PrecisionSpread);
    double lo = std::log(1e-3), hi = std::log(1e3);
    for (int i = 0; i < 60; ++i) {
        const double u = (lo + hi) / 2;
        (-freeAngles + squares * std::exp(-2 * u) - u * w > 0.0 ? lo : hi) = u;
    }
    return std::exp((lo + hi) / 2);
}

// Rows of two angles per satellite (motor, offset), the first derivatives of
// each at a mount, and what rounding to tenths adds to each (squared).
struct Judged {
    std::vector<int> positions;
    Eigen::MatrixXd rows;        // 2n x Count: motor rows, then offset rows
    Eigen::VectorXd roundingSq;  // 2n, radians squared
    bool offsets = true;         // whether the offsets count in the worst

    Eigen::VectorXd Variances(const Square& covariance) const
    {
        return (rows * covariance).cwiseProduct(rows).rowwise().sum() + roundingSq;
    }
    // The largest 1σ, degrees.
    double Worst(const Square& covariance) const
    {
        if (positions.empty())
            return 0.0;
        const Eigen::VectorXd v = Variances(covariance);
        const auto n = static_cast<Eigen::Index>(positions.size());
        const double worst = offsets ? v.maxCoeff() : v.head(n).maxCoeff();
        return std::sqrt(std::max(worst, 0.0)) * RadiansToDegrees;
    }
};

Judged JudgedAt(const Derivatives& at, const std::vector<int>& positions)
{
    Judged j;
    j.positions = positions;
    const auto n = static_cast<Eigen::Index>(positions.size());
    j.rows.resize(2 * n, Count);
    j.roundingSq = Eigen::VectorXd::Zero(2 * n);
    double motor[Count], offset[Count];
    for (Eigen::Index i = 0; i < n; ++i) {
        at.Rows(positions[static_cast<std::size_t>(i)], motor, offset);
        for (int k = 0; k < Count; ++k) {
            j.rows(i, k) = motor[k];
            j.rows(n + i, k) = offset[k];
        }
    }
    return j;
}

struct Candidate {
    int position;
    double elevation;
    Eigen::MatrixXd rows;  // weighted, 1 or 2 x Count
};

// Greedily, the candidates that most lower the worst 1σ, one after another,
// until `enough` says so; of equal ones the highest in the sky, the easiest
// to find.
std::vector<NextObservation> Plan(Square information, std::vector<Candidate> candidates, const Judged& judged,
                                  const std::function<bool(std::size_t, double)>& enough)
{
    std::vector<NextObservation> plan;
    while (!candidates.empty()) {
        std::size_t best = 0;
        double bestWorst = std::numeric_limits<double>::infinity();
        Square bestInformation = information;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const Square added = information + candidates[c].rows.transpose() * candidates[c].rows;
            const double worst = judged.Worst(added.ldlt().solve(Square::Identity()));
            bool better = !std::isfinite(bestWorst);
            if (!better) {
                const bool equal = std::fabs(worst - bestWorst) <= 1e-9 * bestWorst;
                better = equal ? candidates[c].elevation > candidates[best].elevation : worst < bestWorst;
            }
            if (better) {
                best = c;
                bestWorst = worst;
                bestInformation = added;
            }
        }
        plan.push_back({candidates[best].position, bestWorst});
        information = bestInformation;
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(best));
        if (enough(plan.size(), bestWorst))
            break;
    }
    return plan;
}

// The satellites of the list up to be judged, west to east as seen from the
// site; the arc in whole degrees where the list has none up.
std::vector<int> JudgedPositions(const MountSettings& s, const SatelliteCatalogue& catalogue, bool& fromList)
{
    std::vector<int> positions;
    for (const SatelliteEntry& e : catalogue) {
        if (HighEnough(s, e.position, MinimumElevationDegrees))
            positions.push_back(e.position);
    }
    fromList = !positions.empty();
    if (!fromList) {
        for (int position = 0; position < PositionCount; position += 10) {
            if (HighEnough(s, position, MinimumElevationDegrees))
                positions.push_back(position);
        }
    }
    const double site = s.longitude / 60.0;
    const auto east = [site](int position) { return std::remainder(position / 10.0 - site, 360.0); };
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) { return east(a) < east(b); });
    return positions;
}

// The satellites of the list up and in the motor's reach, not yet observed.
std::vector<Candidate> Candidates(const MountSettings& s, const SatelliteCatalogue& catalogue,
                                  const Derivatives& at, const Mount& mount,
                                  const std::vector<Observation>& observations, const Precision& precision,
                                  bool offsets)
{
    std::vector<Candidate> candidates;
    double motor[Count], offset[Count];
    const ReachJudge reach(s);
    for (const SatelliteEntry& e : catalogue) {
        const double elevation = Elevation(s, e.position);
        if (elevation < MinimumElevationDegrees / RadiansToDegrees)
            continue;
        if (std::any_of(observations.begin(), observations.end(),
                        [&](const Observation& o) { return o.position == e.position; }))
            continue;
        // Where the mount as it stands turns to it: behind the mask or past
        // the motor's limits it cannot be peaked.
        double angle, tilt;
        mount.Angles(e.position, angle, tilt);
        if (!reach.Of(e.position, angle * RadiansToDegrees, BandOfName(e.name)).Reachable())
            continue;
        at.Rows(e.position, motor, offset);
        Candidate c{e.position, elevation, Eigen::MatrixXd(offsets ? 2 : 1, Count)};
        for (int k = 0; k < Count; ++k) {
            c.rows(0, k) = motor[k] * RadiansToDegrees / precision.motor;
            if (offsets)
                c.rows(1, k) = offset[k] * RadiansToDegrees / precision.offset;
        }
        candidates.push_back(std::move(c));
    }
    return candidates;
}

// "west of 20.0°W", "between 5.0°W and 13.0°E"...: where the judged
// satellites (west to east) are not sure.
std::optional<Message> UnsureRegion(const std::vector<int>& positions, const std::vector<bool>& unsure)
{
    const auto n = positions.size();
    std::size_t firstSure = n, lastSure = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (!unsure[i]) {
            if (firstSure == n)
                firstSure = i;
            lastSure = i;
        }
    }
    if (firstSure == n)
        return std::nullopt;  // none is sure
    bool middle = false;
    std::size_t firstUnsure = n, lastUnsure = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (unsure[i]) {
            middle = middle || (i > firstSure && i < lastSure);
            firstUnsure = std::min(firstUnsure, i);
            lastUnsure = i;
        }
    }
    const bool west = firstSure > 0, east = lastSure + 1 < n;
    if (middle)
        return Message(ZB_TEXT("diagnose", "between %1 and %2"),
                       {Label(positions[firstUnsure]), Label(positions[lastUnsure])});
    if (west && east)
        return Message(ZB_TEXT("diagnose", "west of %1 and east of %2"),
                       {Label(positions[firstSure]), Label(positions[lastSure])});
    if (west)
        return Message(ZB_TEXT("diagnose", "west of %1"), {Label(positions[firstSure])});
    return Message(ZB_TEXT("diagnose", "east of %1"), {Label(positions[lastSure])});
}

// ---- Observations that contradict each other ----

int LineOf(const DiagnoseOptions& options, std::size_t index)
{
    return options.lines.size() > index ? options.lines[index] : static_cast<int>(index) + 1;
}

// Two peaks of one satellite further apart than any two readings would be.
void RefuseDuplicates(const std::vector<Observation>& observations, const Precision& precision,
                      const DiagnoseOptions& options)
{
    for (std::size_t i = 0; i < observations.size(); ++i) {
        for (std::size_t j = i + 1; j < observations.size(); ++j) {
            const Observation &a = observations[i], &b = observations[j];
            if (a.position != b.position)
                continue;
            const double motor = std::fabs(std::remainder(a.motorAngle - b.motorAngle, 360.0));
            const double offset = a.offset && b.offset ? std::fabs(*a.offset - *b.offset) : 0.0;
            const std::vector<Message> where = {Message::Number(LineOf(options, i)),
                                                Message::Number(LineOf(options, j)), Label(a.position)};
            if (motor > FarBeyond * std::sqrt(2.0) * precision.motor)
                throw DiagnoseError(Message(
                    ZB_TEXT("diagnose",
                            "lines %1 and %2 give two peaks of %3 %4 apart, far beyond the precision of %5"),
                    {where[0], where[1], where[2], Degrees(motor), Degrees(precision.motor)}));
            if (offset > FarBeyond * std::sqrt(2.0) * precision.offset)
                throw DiagnoseError(Message(
                    ZB_TEXT(
                        "diagnose",
                        "lines %1 and %2 give two offsets of %3 %4 apart, far beyond the precision of %5"),
                    {where[0], where[1], where[2], Degrees(offset), Degrees(precision.offset)}));
        }
    }
}

// An observation far from where the others put it: ranked by the linear
// leave-one-out residuals of the fit, confirmed by fitting the others alone.
void RefuseOutliers(const MountSettings& s, const std::vector<Observation>& observations,
                    const Precision& precision, const Params& start, const Params& x, double prior,
                    const DiagnoseOptions& options)
{
    if (observations.size() < 2)
        return;
    Problem p;
    p.s = &s;
    p.rows = ObservationRows(observations, precision);
    Eigen::VectorXd r;
    Residuals(p, x, r);
    const Eigen::MatrixXd j = Derivatives(s, x).Jacobian(p.rows);
    const Square covariance
        = (j.transpose() * j + PriorInformation(s, x, prior)).ldlt().solve(Square::Identity());

    struct Suspect {
        std::size_t index;
        double score;
    };
    std::vector<Suspect> suspects;
    Eigen::Index row = 0;
    for (std::size_t i = 0; i < observations.size(); ++i) {
        const Eigen::Index n = observations[i].offset ? 2 : 1;
        const Eigen::MatrixXd ji = j.middleRows(row, n);
        const Eigen::MatrixXd left = Eigen::MatrixXd::Identity(n, n) - ji * covariance * ji.transpose();
        // r_i / (1 - h_ii): the residual the observation would have were it left out.
        const Eigen::MatrixXd inverse = left.inverse();
        const Eigen::VectorXd out = inverse * r.segment(row, n);
        double score = 0.0;
        for (Eigen::Index k = 0; k < n; ++k) {
            if (inverse(k, k) > 0.0)
                score = std::max(score, std::fabs(out[k]) / std::sqrt(inverse(k, k)));
        }
        if (std::isfinite(score) && score > FarBeyond)
            suspects.push_back({i, score});
        row += n;
    }
    std::sort(suspects.begin(), suspects.end(),
              [](const Suspect& a, const Suspect& b) { return a.score > b.score; });
    if (suspects.size() > 3)
        suspects.resize(3);
    for (const Suspect& suspect : suspects) {
        std::vector<Observation> others = observations;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(suspect.index));
        const Params y = FitObservations(s, others, precision, start, prior);
        Problem q;
        q.s = &s;
        q.rows = ObservationRows(others, precision);
        const Eigen::MatrixXd jq = Derivatives(s, y).Jacobian(q.rows);
        const Square sigma
            = (jq.transpose() * jq + PriorInformation(s, y, prior)).ldlt().solve(Square::Identity());
        const Observation& o = observations[suspect.index];
        const std::vector<Row> own = ObservationRows({o}, precision);
        const Eigen::MatrixXd jo = Derivatives(s, y).Jacobian(own);
        const Mount mount(s, y);
        double motor, offset;
        mount.Angles(o.position, motor, offset);
        for (std::size_t k = 0; k < own.size(); ++k) {
            const double predicted = own[k].offset ? offset : motor;
            const double miss
                = own[k].offset ? own[k].observed - predicted : Wrapped(own[k].observed - predicted);
            const auto rk = static_cast<Eigen::Index>(k);
            const double spread = std::sqrt(1.0 + (jo.row(rk) * sigma * jo.row(rk).transpose()).value());
            if (std::fabs(miss) * own[k].weight <= FarBeyond * spread)
                continue;
            const Message where[] = {Message::Number(LineOf(options, suspect.index)), Label(o.position),
                                     Degrees(std::fabs(miss) * RadiansToDegrees),
                                     Degrees(own[k].offset ? precision.offset : precision.motor)};
            throw DiagnoseError(
                own[k].offset
                    ? Message(ZB_TEXT("diagnose", "line %1: the offset of %2 lies %3 from where the other "
                                                  "observations put it, far beyond the precision of %4"),
                              {where[0], where[1], where[2], where[3]})
                    : Message(ZB_TEXT("diagnose",
                                      "line %1: the motor angle of %2 lies %3 from where the other "
                                      "observations put it, far beyond the precision of %4"),
                              {where[0], where[1], where[2], where[3]}));
        }
    }
}

// The reference angles of the arc: the visible arc stands for every
// satellite one might look at; far north or south, where none is 5° up,
// whatever is above the horizon.
std::vector<Row> ArcRows(const MountSettings& s, int stepTenths = 10)
{
    std::vector<Row> arc;
    for (double lowest : {MinimumElevationDegrees, 0.0}) {
        for (int position = 0; position < PositionCount; position += stepTenths) {
            if (HighEnough(s, position, lowest)) {
                arc.push_back({position, false, 0.0});
                arc.push_back({position, true, 0.0});
            }
        }
        if (!arc.empty())
            break;
    }
    return arc;
}

// The beam of x with the held adjustments at the set-up's values and the
// others refitted to it. Turning one of two adjustments alike moves the beam
// as turning both only to first order; the rest is a few hundredths of a
// degree. Where the others reach a limit first, the held ones move as far
// as the beam needs instead.
Params HoldAsSetUp(const MountSettings& s, const Params& x, const Params& start,
                   const std::array<bool, Count>& held)
{
    // Every fifth degree tells the beam's four free combinations as well.
    std::vector<Row> arc = ArcRows(s, 50);
    const Mount mount(s, x);
    for (Row& row : arc) {
        double motor, offset;
        mount.Angles(row.position, motor, offset);
        row.observed = row.offset ? offset : motor;
    }
    Problem p;
    p.s = &s;
    p.rows = std::move(arc);
    // As many held as the limits allow: all, then all but one...
    std::vector<std::array<bool, Count>> tries = {held};
    for (int i : HoldOrder) {
        if (held[i]) {
            std::array<bool, Count> fewer = held;
            fewer[i] = false;
            tries.push_back(fewer);
        }
    }
    for (const std::array<bool, Count>& hold : tries) {
        p.fixed = hold;
        Params from = x;
        for (int i = 0; i < Count; ++i) {
            if (hold[i])
                from[i] = start[i];
        }
        const Params y = Fit(p, x, from, true);
        Eigen::VectorXd r;
        Residuals(p, y, r);
        const double mismatch = r.head(static_cast<Eigen::Index>(p.rows.size())).cwiseAbs().maxCoeff();
        if (mismatch <= HeldMismatch)
            return y;
    }
    return x;
}

// The fit at the stated precision, or at the usual one scaled to what the
// residuals show, which the fit in turn depends on.
struct PrecisionFit {
    Params x;
    double scale = 1.0;
    double freeAngles = 0.0;  // what the residuals can tell of the precision
};

PrecisionFit FitWithPrecision(const MountSettings& s, const std::vector<Observation>& observations,
                              const Precision& base, bool stated, const Params& start, double prior)
{
    PrecisionFit f;
    for (int round = 0; round < 6; ++round) {
        // Each round from the last one's fit, which is near.
        f.x = round == 0 ? FitObservations(s, observations, Scaled(base, f.scale), start, prior)
                         : FitObservations(s, observations, Scaled(base, f.scale), start, prior, f.x);
        if (stated)
            return f;
        Problem p;
        p.s = &s;
        p.rows = ObservationRows(observations, Scaled(base, f.scale));
        const Eigen::MatrixXd j = Derivatives(s, f.x).Jacobian(p.rows);
        const Square data = j.transpose() * j;
        const double used = (data + PriorInformation(s, f.x, prior)).ldlt().solve(data).trace();
        f.freeAngles = std::max(static_cast<double>(p.rows.size()) - used, 0.0);
        Eigen::VectorXd r;
        Residuals(p, f.x, r);
        const double squares
            = r.head(static_cast<Eigen::Index>(p.rows.size())).squaredNorm() * f.scale * f.scale;
        const double next = MostLikelyScale(squares, f.freeAngles);
        if (std::fabs(next - f.scale) <= 0.01 * f.scale)
            break;
        f.scale = next;
    }
    // The declination's window moves with the mount, so fits from different
    // starts may end apart: of the last one and one from the set-up, the
    // better.
    if (f.scale != 1.0) {
        const Precision precision = Scaled(base, f.scale);
        const Params cold = FitObservations(s, observations, precision, start, prior);
        if (Cost(s, observations, precision, start, prior, cold)
            < Cost(s, observations, precision, start, prior, f.x))
            f.x = cold;
    }
    return f;
}

// The whole tenths of the fit, and what they give for the observations.
void RoundAndCompare(const MountSettings& s, const std::vector<Observation>& observations, const Params& x,
                     const Params& start, const std::array<bool, Count>& held, const std::vector<Row>& arc,
                     const Derivatives& atFit, Diagnosis& d)
{
    const Eigen::MatrixXd reference = atFit.Jacobian(arc);
    d.fitted = RoundToLimits(s, x, reference.transpose() * reference,
                             std::max<int>(static_cast<int>(arc.size()), 1), held);
    const MountSettings fitted = [&] {
        MountSettings f = s;
        for (int i = 0; i < Count; ++i)
            f.*(Adjustments[i].value) = d.fitted[i];
        f.autoDeclination = 0;
        f.Recalculate(false);
        return f;
    }();
    d.fitted[Declination] = fitted.declination;
    for (int i = 0; i < Count; ++i) {
        d.change[i] = d.fitted[i] - s.*(Adjustments[i].value);
        d.exact[i] = x[i] * RadiansToDegrees;
    }
    d.autoDeclination = s.autoDeclination != 0 && fitted.declination == fitted.declinationAuto;

    // Residuals, observed minus computed, with the set-up and the fitted mount.
    const Mount before(s, start), after(s, FromTenths(d.fitted));
    double sumBefore = 0.0, sumAfter = 0.0;
    int angles = 0;
    for (const Observation& o : observations) {
        double a0, b0, a1, b1;
        before.Angles(o.position, a0, b0);
        after.Angles(o.position, a1, b1);
        ObservationResidual r;
        r.position = o.position;
        r.motorBefore = Wrapped(o.motorAngle / RadiansToDegrees - a0) * RadiansToDegrees;
        r.motorAfter = Wrapped(o.motorAngle / RadiansToDegrees - a1) * RadiansToDegrees;
        sumBefore += r.motorBefore * r.motorBefore;
        sumAfter += r.motorAfter * r.motorAfter;
        ++angles;
        if (o.offset) {
            r.offsetBefore = *o.offset - b0 * RadiansToDegrees;
            r.offsetAfter = *o.offset - b1 * RadiansToDegrees;
            sumBefore += *r.offsetBefore * *r.offsetBefore;
            sumAfter += *r.offsetAfter * *r.offsetAfter;
            ++angles;
        }
        d.residuals.push_back(r);
    }
    d.rmsBefore = std::sqrt(sumBefore / angles);
    d.rmsAfter = std::sqrt(sumAfter / angles);
}

// What the observations leave open, and what no observation could close (the
// arc's own undetermined combinations lie inside the observations'), in words
// that agree with the advice.
void Explain(const NullSpace& open, const NullSpace& never, const std::array<bool, Count>& held, double prior,
             Diagnosis& d)
{
    d.determined = open.rank;
    d.determinable = never.rank;
    const Square pOpen = open.Projection();
    const Square pNever = never.Projection();
    for (int i = 0; i < Count; ++i) {
        if (pOpen(i, i) >= Involvement)
            d.unresolved.push_back(Adjustments[i].name);
    }

    std::vector<Message>& text = d.explanation;
    for (const std::vector<int>& group : Groups(pNever)) {
        if (group.size() == 1) {
            text.emplace_back(ZB_TEXT("diagnose", "%1 does not move the beam at this site."),
                              std::vector<Message>{Titles(group)});
            continue;
        }
        text.emplace_back(
            ZB_TEXT("diagnose", "%1 move the beam alike, so no observation can tell them apart."),
            std::vector<Message>{Titles(group)});
        std::vector<int> turned, stay, moved;
        for (int i : group) {
            (held[i] ? stay : turned).push_back(i);
            if (held[i] && d.change[i] != 0)
                moved.push_back(i);
        }
        const bool turns = std::any_of(group.begin(), group.end(), [&](int i) { return d.change[i] != 0; });
        if (!moved.empty())
            text.emplace_back(ZB_TEXT("diagnose",
                                      "Within the limits %1 cannot take the whole correction, so %2 "
                                      "turns as well."),
                              std::vector<Message>{Titles(turned), Titles(moved)});
        else if (turns && !stay.empty() && !turned.empty())
            text.emplace_back(
                stay.size() == 1 ? ZB_TEXT("diagnose", "The advice turns %1 alone; %2 may stay as it is.")
                                 : ZB_TEXT("diagnose", "The advice turns %1 alone; %2 may stay as they are."),
                std::vector<Message>{Titles(turned), Titles(stay)});
    }
    const std::vector<std::vector<int>> extra = Groups(pOpen - pNever);
    for (const std::vector<int>& group : extra) {
        if (group.size() > 1)
            text.emplace_back(ZB_TEXT("diagnose", "These observations cannot separate %1."),
                              std::vector<Message>{Titles(group)});
        else
            text.emplace_back(ZB_TEXT("diagnose", "These observations leave %1 undetermined."),
                              std::vector<Message>{Titles(group)});
    }
    if (!extra.empty())
        text.emplace_back(prior > 0.0
                              ? ZB_TEXT("diagnose", "The fit keeps what they cannot tell near the set-up.")
                              : ZB_TEXT("diagnose", "What they cannot tell is kept as in the set-up."));
}

// How sure the set-up as found is of each satellite, and in words; what to
// observe next.
void Judge(const MountSettings& s, const SatelliteCatalogue& catalogue,
           const std::vector<Observation>& observations, const Params& x, const Precision& judging,
           double prior, const Derivatives& atFit, Diagnosis& d)
{
    // The spread of the fit, linearised, at the precision found, and what
    // rounding adds.
    const Eigen::MatrixXd weighted = atFit.Jacobian(ObservationRows(observations, judging));
    const Square information = weighted.transpose() * weighted + PriorInformation(s, x, prior);
    const Square covariance = information.ldlt().solve(Square::Identity());
    const Mount exact(s, x), after(s, FromTenths(d.fitted));
    bool fromList = false;
    Judged judged = JudgedAt(atFit, JudgedPositions(s, catalogue, fromList));
    judged.offsets = d.offsetsObserved;
    const auto n = static_cast<Eigen::Index>(judged.positions.size());
    for (Eigen::Index i = 0; i < n; ++i) {
        const int position = judged.positions[static_cast<std::size_t>(i)];
        double a0, b0, a1, b1;
        exact.Angles(position, a0, b0);
        after.Angles(position, a1, b1);
        const double da = Wrapped(a1 - a0), db = b1 - b0;
        judged.roundingSq[i] = da * da;
        judged.roundingSq[n + i] = db * db;
    }
    const Eigen::VectorXd variances = judged.Variances(covariance);
    std::vector<bool> unsure(judged.positions.size());
    for (Eigen::Index i = 0; i < n; ++i) {
        const int position = judged.positions[static_cast<std::size_t>(i)];
        const double motorSigma = std::sqrt(variances[i]) * RadiansToDegrees;
        const double offsetSigma = std::sqrt(variances[n + i]) * RadiansToDegrees;
        d.worstMotor = std::max(d.worstMotor, motorSigma);
        d.worstOffset = std::max(d.worstOffset, offsetSigma);
        unsure[static_cast<std::size_t>(i)]
            = motorSigma > SureDegrees || (d.offsetsObserved && offsetSigma > SureDegrees);
        if (fromList) {
            double a, b;
            after.Angles(position, a, b);
            d.predicted.push_back(
                {position, a * RadiansToDegrees, b * RadiansToDegrees, motorSigma, offsetSigma});
        }
    }
    std::sort(
        d.predicted.begin(), d.predicted.end(),
        [](const PredictedSatellite& a, const PredictedSatellite& b) { return a.position < b.position; });
    const double worst = d.offsetsObserved ? std::max(d.worstMotor, d.worstOffset) : d.worstMotor;

    const Message over = fromList ? Message(ZB_TEXT("diagnose", "the satellites at least 5° up"))
                                  : Message(ZB_TEXT("diagnose", "the arc at least 5° up"));
    d.uncertainty
        = d.offsetsObserved
              ? Message(ZB_TEXT("diagnose",
                                "At worst over %1, the mount as found gives the motor angle to %2 and "
                                "the offset to %3 (1σ)."),
                        {over, Degrees(d.worstMotor), Degrees(d.worstOffset)})
              : Message(ZB_TEXT("diagnose",
                                "At worst over %1, the mount as found gives the motor angle to %2 "
                                "(1σ); with no offset observed, the offset only to %3."),
                        {over, Degrees(d.worstMotor), Degrees(d.worstOffset)});
    const std::vector<Message> precision
        = {d.uncertainty, Degrees(d.precision.motor), Degrees(d.precision.offset)};
    switch (d.precisionSource) {
    case PrecisionSource::Stated:
        d.uncertainty
            = Message(ZB_TEXT("diagnose", "%1 The observations are good to %2 in the motor angle and "
                                          "%3 in the offset (1σ), as stated."),
                      precision);
        break;
    case PrecisionSource::Estimated:
        d.uncertainty
            = Message(ZB_TEXT("diagnose", "%1 The observations are good to %2 in the motor angle and "
                                          "%3 in the offset (1σ), as the residuals show."),
                      precision);
        break;
    case PrecisionSource::Assumed:
        d.uncertainty
            = Message(ZB_TEXT("diagnose", "%1 The observations are taken to be good to %2 in the motor "
                                          "angle and %3 in the offset (1σ), as usual at a dish: too "
                                          "few to tell from the residuals."),
                      precision);
        break;
    }
    if (worst > SureDegrees) {
        const std::optional<Message> region = UnsureRegion(judged.positions, unsure);
        d.warning
            = region ? Message(ZB_TEXT("diagnose", "The fit is not sure of the satellites %1 (up to %2 at "
                                                   "1σ): measure one there."),
                               {*region, Degrees(worst)})
                     : Message(ZB_TEXT("diagnose", "The fit is not sure of any satellite (up to %1 at 1σ): "
                                                   "measure more, spread along the arc."),
                               {Degrees(worst)});
    }

    // The satellite that most lowers the worst 1σ, and the ones after it.
    d.next = Plan(
        information, Candidates(s, catalogue, atFit, after, observations, judging, d.offsetsObserved), judged,
        [](std::size_t count, double worstAfter) { return count >= MaxNext || worstAfter <= SureDegrees; });
    if (!d.next.empty() && worst > SureDegrees)
        d.nextText = Message(
            d.offsetsObserved ? ZB_TEXT("diagnose", "Measure %1 next, its motor angle and offset: the worst "
                                                    "uncertainty would fall from %2 to %3 (1σ).")
                              : ZB_TEXT("diagnose", "Measure %1 next, its motor angle: the worst uncertainty "
                                                    "would fall from %2 to %3 (1σ)."),
            {Label(d.next.front().position), Degrees(worst), Degrees(d.next.front().worstAfter)});
}

// The satellite of the list at least 5° up and in reach nearest due south
// (due north south of the equator).
std::optional<int> NearestSouth(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    std::optional<int> south;
    double nearest = 360.0;
    for (const SatelliteEntry& e : catalogue) {
        const double east = std::fabs(std::remainder(e.position / 10.0 - s.longitude / 60.0, 360.0));
        if (east < nearest && HighEnough(s, e.position, MinimumElevationDegrees) && Reachable(s, e)) {
            nearest = east;
            south = e.position;
        }
    }
    return south;
}

// To bring the real mount to the set-up, each adjustment turns by the
// set-up's value minus the fitted one, in the order to work at the dish.
void Advise(const MountSettings& s, const SatelliteCatalogue& catalogue, Diagnosis& d)
{
    const std::optional<int> south = NearestSouth(s, catalogue);
    for (int i : WorkOrder) {
        const AdjustmentInfo& a = Adjustments[i];
        const int file = s.*(a.value);
        const int turn = file - d.fitted[i];
        if (turn == 0)
            continue;
        TurnAdvice t;
        t.adjustment = i;
        t.degrees = std::abs(turn) / 10.0;
        t.direction = turn > 0 ? a.positive : a.negative;
        std::vector<Message> parts = {Title(i), Message::Literal(FormatFixed(t.degrees, 1)),
                                      Message::Literal(std::string(1, t.direction)),
                                      Message::Literal(FormatTenths(d.fitted[i], a.positive, a.negative)),
                                      Message::Literal(FormatTenths(file, a.positive, a.negative))};
        if (i == MotorElevation && south) {
            // Where the arc culminates the motor elevation shows best.
            parts.push_back(Label(*south));
            t.text = Message(s.latitude >= 0
                                 ? ZB_TEXT("diagnose", "%1: turn %2° %3, from %4 to %5, with the motor "
                                                       "at %6, the satellite nearest due south")
                                 : ZB_TEXT("diagnose", "%1: turn %2° %3, from %4 to %5, with the motor "
                                                       "at %6, the satellite nearest due north"),
                             std::move(parts));
        } else {
            t.text = Message(ZB_TEXT("diagnose", "%1: turn %2° %3, from %4 to %5"), std::move(parts));
        }
        d.advice.push_back(std::move(t));
    }
    d.adviceHeading
        = d.advice.empty()
              ? Message(ZB_TEXT("diagnose", "Nothing to turn: the mount stands as the set-up."))
              : Message(ZB_TEXT("diagnose", "To bring the mount to the set-up, turn in this order:"));
}

}  // namespace

PredictedAngles PredictAngles(const MountSettings& site, const std::array<double, 6>& adjustments,
                              int position)
{
    Params p;
    for (int i = 0; i < Count; ++i)
        p[i] = adjustments[static_cast<std::size_t>(i)] / RadiansToDegrees;
    double motor, offset;
    Mount(site, p).Angles(position, motor, offset);
    return {motor * RadiansToDegrees, offset * RadiansToDegrees};
}

Diagnosis Diagnose(const MountSettings& s, const SatelliteCatalogue& catalogue,
                   const std::vector<Observation>& observations, const DiagnoseOptions& options)
{
    if (observations.empty())
        throw DiagnoseError(Message(ZB_TEXT("observations", "no observations")));
    for (const Observation& o : observations) {
        if (o.position < 0 || o.position >= PositionCount)
            throw DiagnoseError(Message(ZB_TEXT("observations", "a position is out of range")));
        if (!HighEnough(s, o.position, 0.0))
            throw DiagnoseError(Message(ZB_TEXT("observations", "%1 is below the horizon here"),
                                        {Message::Literal(FormatSatelliteLabel(o.position))}));
    }
    const Precision base = options.precision.value_or(FieldPrecision);
    RefuseDuplicates(observations, base, options);
    const double prior = std::max(options.priorDegrees, 0.0) / RadiansToDegrees;
    const Params start = FromTenths(SettingsTenths(s));

    Diagnosis d;
    d.offsetsObserved = std::any_of(observations.begin(), observations.end(),
                                    [](const Observation& o) { return o.offset.has_value(); });
    const PrecisionFit fit
        = FitWithPrecision(s, observations, base, options.precision.has_value(), start, prior);
    Params x = fit.x;
    d.precision = Scaled(base, fit.scale);
    d.precisionSource = options.precision ? PrecisionSource::Stated : PrecisionSource::Assumed;
    // Estimated from a few residuals, the precision is itself uncertain: the
    // spread of its logarithm widens what the fit is sure of.
    double widen = 1.0;
    if (!options.precision && fit.freeAngles >= 1.0) {
        d.precisionSource = PrecisionSource::Estimated;
        widen = std::exp(1.0 / (2 * fit.freeAngles + 1.0 / (PrecisionSpread * PrecisionSpread)));
    }
    RefuseOutliers(s, observations, base, start, x, prior, options);

    // Where adjustments can stand in for one another, the hardest to reach
    // stays as set up and the others take the whole correction.
    const std::vector<Row> arc = ArcRows(s);
    const NullSpace never = Undetermined(Derivatives(s, x).Jacobian(arc));
    const std::array<bool, Count> held = HeldAdjustments(never.basis);
    if (std::any_of(held.begin(), held.end(), [](bool h) { return h; }))
        x = HoldAsSetUp(s, x, start, held);

    const Derivatives atFit(s, x);
    RoundAndCompare(s, observations, x, start, held, arc, atFit, d);
    std::vector<Row> plain = ObservationRows(observations, FieldPrecision);
    for (Row& row : plain)
        row.weight = 1.0;
    Explain(Undetermined(atFit.Jacobian(plain)), never, held, prior, d);
    Judge(s, catalogue, observations, x, Scaled(d.precision, widen), prior, atFit, d);
    Advise(s, catalogue, d);
    return d;
}

FirstObservations ProposeFirstObservations(const MountSettings& s, const SatelliteCatalogue& catalogue,
                                           const DiagnoseOptions& options)
{
    const Precision precision = options.precision.value_or(FieldPrecision);
    const double prior = std::max(options.priorDegrees, 0.0) / RadiansToDegrees;
    const Params start = FromTenths(SettingsTenths(s));
    const Derivatives at(s, start);
    bool fromList = false;
    const Judged judged = JudgedAt(at, JudgedPositions(s, catalogue, fromList));
    FirstObservations first;
    const std::vector<NextObservation> plan = Plan(
        PriorInformation(s, start, prior), Candidates(s, catalogue, at, Mount(s, start), {}, precision, true),
        judged, [](std::size_t count, double worstAfter) {
            return count >= FirstMax || (count >= FirstMin && worstAfter <= SureDegrees);
        });
    if (plan.empty())
        return first;
    for (const NextObservation& o : plan)
        first.positions.push_back(o.position);
    first.worstAfter = plan.back().worstAfter;
    // West to east, the way the motor sweeps them.
    const double site = s.longitude / 60.0;
    std::sort(first.positions.begin(), first.positions.end(), [site](int a, int b) {
        return std::remainder(a / 10.0 - site, 360.0) < std::remainder(b / 10.0 - site, 360.0);
    });
    first.text
        = Message(ZB_TEXT("diagnose", "Nothing observed yet. Measure these first, each its motor angle and "
                                      "offset: %1. The worst uncertainty would then be %2 (1σ)."),
                  {Labels(first.positions), Degrees(first.worstAfter)});
    return first;
}

MountSettings FittedSettings(const MountSettings& settings, const Diagnosis& diagnosis)
{
    MountSettings s = settings;
    for (int i = 0; i < Count; ++i)
        s.*(Adjustments[i].value) = diagnosis.fitted[static_cast<std::size_t>(i)];
    if (!diagnosis.autoDeclination)
        s.autoDeclination = 0;
    else if (s.autoDeclination == 0)
        s.autoDeclination = 1;
    s.Recalculate(false);
    return s;
}

}  // namespace zenbelts
