#include "model/Diagnose.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/OptimiseMount.h"
#include "text/AngleText.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zenbelts {

namespace {

constexpr int Count = 6;
constexpr int Declination = 5;

using Params = Eigen::Matrix<double, Count, 1>;

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
// An adjustment is named as undetermined when at least this share of a turn
// of it (squared length) lies in the undetermined combinations.
constexpr double Involvement = 0.1;
// Two undetermined adjustments belong together when their undetermined
// parts are at least this correlated.
constexpr double Linked = 0.3;
constexpr double DerivativeStep = 1e-6;  // radians
constexpr int MaxIterations = 50;
constexpr double StepTolerance = 1e-11;  // radians
// How far (tenths) rounding may take an adjustment from its fitted value.
constexpr int RoundingWindow = 20;

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

// One observed angle (radians), or a reference angle of the arc.
struct Row {
    int position;
    bool offset;
    double observed;
};

void Residuals(const MountSettings& s, const std::vector<Row>& rows, const Params& p, Eigen::VectorXd& r)
{
    const Mount mount(s, p);
    r.resize(static_cast<Eigen::Index>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double motor, offset;
        mount.Angles(rows[i].position, motor, offset);
        r[static_cast<Eigen::Index>(i)]
            = rows[i].offset ? offset - rows[i].observed : Wrapped(motor - rows[i].observed);
    }
}

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

    Eigen::MatrixXd Jacobian(const std::vector<Row>& rows) const
    {
        Eigen::MatrixXd j(static_cast<Eigen::Index>(rows.size()), Count);
        double motor[Count], offset[Count];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            Rows(rows[i].position, motor, offset);
            for (int k = 0; k < Count; ++k)
                j(static_cast<Eigen::Index>(i), k) = rows[i].offset ? offset[k] : motor[k];
        }
        return j;
    }

private:
    std::array<Mount, Count> plus_, minus_;
};

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

int NumericalRank(const Eigen::VectorXd& singular)
{
    if (singular.size() == 0 || !(singular[0] > 0.0))
        return 0;
    int k = 0;
    while (k < singular.size() && singular[k] > RankThreshold * singular[0])
        ++k;
    return k;
}

// The change of the free adjustments that best fits the linear model, in
// its well-determined directions only; the rest of their change from the
// set-up is taken out, so what the observations cannot tell stays at the
// set-up's values (the minimum-norm change). Held adjustments keep delta.
Eigen::VectorXd FreeStep(const Eigen::MatrixXd& j, const Eigen::VectorXd& r, const Params& x,
                         const Params& start, const std::array<bool, Count>& held, const Params& delta,
                         std::vector<int>& free)
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
    const int k = NumericalRank(svd.singularValues());
    const auto v = svd.matrixV().leftCols(k);
    const Eigen::VectorXd solved = svd.singularValues().head(k).cwiseInverse().asDiagonal()
                                   * (svd.matrixU().leftCols(k).transpose() * rr);
    return v * (v.transpose() * d - solved) - d;
}

// One Gauss-Newton step within the limits, by bounded-variable least
// squares: solve for the free adjustments; if that passes a limit, go as far
// as the first limit and hold that adjustment; once inside, let go of a held
// adjustment the fit would pull back inside.
Params BoundedStep(const Eigen::MatrixXd& j, const Eigen::VectorXd& r, const Params& x, const Params& start,
                   const Params& lo, const Params& hi)
{
    constexpr double AtLimit = 1e-13;  // radians
    constexpr double Pull = 1e-13;     // gradient that counts
    Params delta;
    std::array<bool, Count> held{};
    // Start at x, brought inside (the declination's window moves).
    for (int i = 0; i < Count; ++i) {
        delta[i] = std::clamp(x[i], lo[i], hi[i]) - x[i];
        held[i] = x[i] + delta[i] <= lo[i] + AtLimit || x[i] + delta[i] >= hi[i] - AtLimit;
    }
    std::vector<int> free;
    for (int round = 0; round < 4 * Count; ++round) {
        const Eigen::VectorXd z = FreeStep(j, r, x, start, held, delta, free);
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
            if (!held[i])
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

// From `from`, keeping what the observations leave open at `start`. Without
// `windowed` the declination is free of its window, which moves with the
// mount's own automatic value.
Params Fit(const MountSettings& s, const std::vector<Row>& rows, const Params& start, const Params& from,
           bool windowed)
{
    Params x = from;
    Eigen::VectorXd r, trial;
    Residuals(s, rows, x, r);
    double cost = r.squaredNorm();
    for (int iteration = 0; iteration < MaxIterations; ++iteration) {
        Params lo, hi;
        Bounds(s, x, lo, hi);
        if (!windowed) {
            lo[Declination] = -HalfPi;
            hi[Declination] = HalfPi;
        }
        const Params delta = BoundedStep(Derivatives(s, x).Jacobian(rows), r, x, start, lo, hi);
        if (delta.cwiseAbs().maxCoeff() < StepTolerance)
            break;
        // Halve until the fit is no worse; moves along what the observations
        // cannot see leave the cost the same to first order.
        double taken = 0.0;
        for (double scale = 1.0; scale > 1e-9 && taken == 0.0; scale /= 2) {
            const Params t = x + scale * delta;
            Residuals(s, rows, t, trial);
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
    Eigen::Matrix<double, Count, Count> Projection() const { return basis * basis.transpose(); }
};

NullSpace Undetermined(const Eigen::MatrixXd& j)
{
    NullSpace n;
    if (j.rows() == 0) {
        n.basis = Eigen::MatrixXd::Identity(Count, Count);
        return n;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(j, Eigen::ComputeFullV);
    n.rank = NumericalRank(svd.singularValues());
    n.basis = svd.matrixV().rightCols(Count - n.rank);
    return n;
}

bool HighEnough(const MountSettings& s, int position, double degrees)
{
    return ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians,
                                 s.altitude, RingPointAtTenths(position))
           >= degrees / RadiansToDegrees;
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
    TenthsSearch(const Eigen::Matrix<double, Count, Count>& g, int referenceRows, const Params& x)
    {
        const Eigen::Matrix<double, Count, Count> metric
            = g * (TenthsToRadians * TenthsToRadians)
              + Eigen::Matrix<double, Count, Count>::Identity() * (referenceRows * NullPull * NullPull);
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

    Eigen::Matrix<double, Count, Count> r_;
    std::array<double, Count> centre_{};
    std::array<int, Count> lo_{}, hi_{}, z_{}, best_{};
    double bestCost_ = 0.0;
    long nodes_ = 0;
};

std::array<int, Count> RoundToLimits(const MountSettings& s, const Params& x,
                                     const Eigen::Matrix<double, Count, Count>& g, int referenceRows)
{
    TenthsSearch search(g, referenceRows, x);
    std::array<int, Count> lo{}, hi{};
    const auto limit = [&](const Params& at) {
        Params l, h;
        Bounds(s, at, l, h);
        for (int i = 0; i < Count; ++i) {
            // Within a window around the fit: the pull alone would allow far more.
            const int nearest = RoundHalfUp(x[i] * RadiansToTenths);
            lo[i] = std::max(RoundHalfUp(l[i] * RadiansToTenths), nearest - RoundingWindow);
            hi[i] = std::min(RoundHalfUp(h[i] * RadiansToTenths), nearest + RoundingWindow);
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

std::string Joined(const std::vector<int>& adjustments)
{
    std::string text;
    for (std::size_t i = 0; i < adjustments.size(); ++i) {
        if (i > 0)
            text += i + 1 == adjustments.size() ? " and " : ", ";
        text += Adjustments[static_cast<std::size_t>(adjustments[i])].title;
    }
    return text;
}

// Adjustments with a real share in the undetermined combinations, grouped by
// which of them move together.
std::vector<std::vector<int>> Groups(const Eigen::Matrix<double, Count, Count>& p)
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

std::string Degrees(double value, const char* format)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
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
                   const std::vector<Observation>& observations)
{
    if (observations.empty())
        throw DiagnoseError(Message(ZB_TEXT("observations", "no observations")));
    std::vector<Row> rows;
    for (const Observation& o : observations) {
        if (o.position < 0 || o.position >= PositionCount)
            throw DiagnoseError(Message(ZB_TEXT("observations", "a position is out of range")));
        if (!HighEnough(s, o.position, 0.0))
            throw DiagnoseError(Message(ZB_TEXT("observations", "%1 is below the horizon here"),
                                        {Message::Literal(FormatSatelliteLabel(o.position))}));
        rows.push_back({o.position, false, o.motorAngle / RadiansToDegrees});
        if (o.offset)
            rows.push_back({o.position, true, *o.offset / RadiansToDegrees});
    }
    // The visible arc stands for every satellite one might look at; far
    // north or south, where none is 5° up, whatever is above the horizon.
    std::vector<Row> arc;
    for (double lowest : {MinimumElevationDegrees, 0.0}) {
        for (int position = 0; position < PositionCount; position += 10) {
            if (HighEnough(s, position, lowest)) {
                arc.push_back({position, false, 0.0});
                arc.push_back({position, true, 0.0});
            }
        }
        if (!arc.empty())
            break;
    }

    const std::array<int, Count> file = SettingsTenths(s);
    const Params start = FromTenths(file);
    // The declination's window follows the mount: find the mount first with
    // the declination free, then hold it to the window of that mount.
    Params x = Fit(s, rows, start, start, false);
    Params lo, hi;
    Bounds(s, x, lo, hi);
    x[Declination] = std::clamp(x[Declination], lo[Declination], hi[Declination]);
    x = Fit(s, rows, start, x, true);

    const Derivatives atFit(s, x);
    const Eigen::MatrixXd observed = atFit.Jacobian(rows);
    const Eigen::MatrixXd reference = atFit.Jacobian(arc);
    const Eigen::Matrix<double, Count, Count> gram = reference.transpose() * reference;

    Diagnosis d;
    d.fitted = RoundToLimits(s, x, gram, std::max<int>(static_cast<int>(arc.size()), 1));
    for (int i = 0; i < Count; ++i) {
        d.change[i] = d.fitted[i] - file[i];
        d.exact[i] = x[i] * RadiansToDegrees;
    }
    const MountSettings fitted = [&] {
        MountSettings f = s;
        for (int i = 0; i < Count; ++i)
            f.*(Adjustments[i].value) = d.fitted[i];
        f.autoDeclination = 0;
        f.Recalculate(false);
        return f;
    }();
    d.fitted[Declination] = fitted.declination;
    d.change[Declination] = fitted.declination - file[Declination];
    d.autoDeclination = s.autoDeclination != 0 && fitted.declination == fitted.declinationAuto;

    // Residuals, observed minus computed, with the set-up and the fitted mount.
    const Mount before(s, start), after(s, FromTenths(d.fitted));
    double sumBefore = 0.0, sumAfter = 0.0;
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
        if (o.offset) {
            r.offsetBefore = *o.offset - b0 * RadiansToDegrees;
            r.offsetAfter = *o.offset - b1 * RadiansToDegrees;
            sumBefore += *r.offsetBefore * *r.offsetBefore;
            sumAfter += *r.offsetAfter * *r.offsetAfter;
        }
        d.residuals.push_back(r);
    }
    d.rmsBefore = std::sqrt(sumBefore / static_cast<double>(rows.size()));
    d.rmsAfter = std::sqrt(sumAfter / static_cast<double>(rows.size()));

    // What the observations leave open, and what no observation could close:
    // the arc's own undetermined combinations lie inside the observations'.
    const NullSpace open = Undetermined(observed);
    const NullSpace never = Undetermined(reference);
    d.determined = open.rank;
    d.determinable = never.rank;
    const Eigen::Matrix<double, Count, Count> pOpen = open.Projection();
    const Eigen::Matrix<double, Count, Count> pNever = never.Projection();
    for (int i = 0; i < Count; ++i) {
        if (pOpen(i, i) >= Involvement)
            d.unresolved.push_back(Adjustments[i].name);
    }

    std::string& text = d.explanation;
    const std::vector<std::vector<int>> alike = Groups(pNever);
    for (const std::vector<int>& group : alike) {
        if (group.size() > 1)
            text += Joined(group) + " move the beam alike, so no observation can tell them apart. ";
        else
            text += Joined(group) + " does not move the beam at this site. ";
    }
    const std::vector<std::vector<int>> extra = Groups(pOpen - pNever);
    for (const std::vector<int>& group : extra) {
        if (group.size() > 1)
            text += "These observations cannot separate " + Joined(group) + ". ";
        else
            text += "These observations leave " + Joined(group) + " undetermined. ";
    }
    if (!alike.empty() || !extra.empty())
        text += "What they cannot tell is kept as in the set-up. ";

    if (open.rank < never.rank && !catalogue.empty()) {
        // The candidate whose motor angle and offset would most raise the
        // first singular value still below the threshold.
        // Among candidates at least half as good, the highest in the sky is the
        // easiest to find.
        struct Candidate {
            int position;
            double gain, elevation;
        };
        std::vector<Candidate> candidates;
        Eigen::MatrixXd augmented(observed.rows() + 2, Count);
        augmented.topRows(observed.rows()) = observed;
        double motor[Count], offset[Count];
        for (const SatelliteEntry& e : catalogue) {
            const double elevation
                = ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians,
                                        s.altitude, RingPointAtTenths(e.position));
            if (elevation < MinimumElevationDegrees / RadiansToDegrees)
                continue;
            atFit.Rows(e.position, motor, offset);
            for (int k = 0; k < Count; ++k) {
                augmented(observed.rows(), k) = motor[k];
                augmented(observed.rows() + 1, k) = offset[k];
            }
            const Eigen::VectorXd singular = Eigen::JacobiSVD<Eigen::MatrixXd>(augmented).singularValues();
            if (singular.size() > open.rank && singular[0] > 0.0)
                candidates.push_back({e.position, singular[open.rank] / singular[0], elevation});
        }
        double bestGain = 0.0;
        for (const Candidate& c : candidates)
            bestGain = std::max(bestGain, c.gain);
        double highest = -HalfPi;
        for (const Candidate& c : candidates) {
            if (c.gain >= 0.5 * bestGain && c.elevation > highest) {
                highest = c.elevation;
                d.separatingSatellite = c.position;
            }
        }
        if (d.separatingSatellite && bestGain > RankThreshold) {
            text += "Observing " + FormatSatelliteLabel(*d.separatingSatellite)
                    + " as well, its motor angle and its offset, would tell more. ";
        } else {
            d.separatingSatellite.reset();
            text += "Observe more satellites, spread along the arc, with their offsets. ";
        }
    }
    for (const std::vector<int>& group : alike) {
        int moved = 0;
        for (int i : group)
            moved += d.change[i] != 0;
        if (moved > 1)
            text += "The fit shares the correction between " + Joined(group)
                    + "; other shares that move the beam the same would do as well. ";
    }
    if (!text.empty())
        text.pop_back();

    // To bring the real mount to the set-up, each adjustment turns by the
    // set-up's value minus the fitted one.
    for (int i = 0; i < Count; ++i) {
        const int turn = file[i] - d.fitted[i];
        if (turn == 0)
            continue;
        const AdjustmentInfo& a = Adjustments[i];
        TurnAdvice t;
        t.adjustment = i;
        t.degrees = std::abs(turn) / 10.0;
        t.direction = turn > 0 ? a.positive : a.negative;
        t.text = std::string(Adjustments[i].title) + ": turn " + Degrees(t.degrees, "%.1f") + DegreeSign + " "
                 + t.direction + ", from " + FormatTenths(d.fitted[i], a.positive, a.negative) + " to "
                 + FormatTenths(file[i], a.positive, a.negative);
        d.advice.push_back(t);
    }
    return d;
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
