#include "geometry/MountModel.h"

#include "geometry/Geodesy.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace zenbelts {

namespace {

void MultiplyInPlace(Matrix4& m, const Matrix4& right)
{
    Matrix4 product;
    MatrixMultiply(m, right, product);
    m = product;
}

struct RingTable {
    std::array<Vector4, 3601> points;
    RingTable()
    {
        for (int k = 0; k <= 3600; ++k)
            GeostationaryPoint(k * TenthsToRadians, points[k]);
    }
};

}  // namespace

const Vector4& RingPointAtTenths(int tenths)
{
    static const RingTable table;
    return table.points[tenths];
}

void BuildSiteFrame(double latitude, double longitude, int altitude, Matrix4& out)
{
    RotationZ(longitude, out);
    EcefPoint origin;
    GeodeticToEcef(latitude, longitude, static_cast<double>(altitude), origin);
    out.at(0, 3) = origin.x;
    out.at(1, 3) = origin.y;
    out.at(2, 3) = origin.z;

    Matrix4 r;
    if (std::sin(latitude) < 0.0) {
        RotationX(-Pi, r);
        MultiplyInPlace(out, r);
    }
    RotationY(-std::fabs(PolarTilt(latitude)), r);
    MultiplyInPlace(out, r);
}

void ChainMountRotations(const Matrix4& site, double ns, double ew, double ma, double el, double da,
                         Matrix4& out)
{
    Matrix4 r;
    out = site;
    RotationY(ns, r);
    MultiplyInPlace(out, r);
    RotationX(ew, r);
    MultiplyInPlace(out, r);
    RotationZ(ma, r);
    MultiplyInPlace(out, r);
    RotationY(el, r);
    MultiplyInPlace(out, r);
    RotationZ(da, r);
    MultiplyInPlace(out, r);
}

void BuildMountFrame(const Matrix4& site, bool north, double ns, double ew, double ma, double el, double da,
                     Matrix4& out)
{
    if (!north) {
        ns = -ns;
        ew = -ew;
        ma = -ma;
        el = -el;
        da = -da;
    }
    ChainMountRotations(site, ns, ew, ma, el, da, out);
}

namespace {

// Whether a point's azimuth about the motor axis, rounded to tenths, lies
// within 80.0 degrees. Points clear of the edge are told apart without the
// arc tangent; near the edge the exact rounding decides.
bool WithinEightyDegrees(double x, double y)
{
    // The edge is at 80.05 degrees; these lie about 0.15 degrees either side.
    constexpr double Tan79_9 = 5.614;
    constexpr double Tan80_2 = 5.7895;
    if (x > 0.0) {
        const double ay = std::fabs(y);
        if (ay <= x * Tan79_9)
            return true;
        if (ay >= x * Tan80_2)
            return false;
    } else if (x < 0.0 || y != 0.0) {
        return false;  // 90 degrees or more off
    }
    return std::abs(RoundToTenths(std::atan2(y, x))) <= 800;
}

}  // namespace

MountAngle MountAngles(const Matrix4& viewMatrix, int latitude, int declination, int ringTenths)
{
    Vector4 w;
    TransformVector(viewMatrix, RingPointAtTenths(ringTenths), w);
    const double a = std::atan2(w.y(), w.x());
    const double e = std::atan2(w.z(), std::hypot(w.y(), w.x()));
    const double d = declination * TenthsToRadians;
    // The hemisphere test of the plot: at latitude 0 the southern rule.
    return {a, latitude > 0 ? e - d : e + d};
}

double BestDeclination(const Matrix4& mountFrame)
{
    Matrix4 inverse;
    MatrixAdjugate(mountFrame, inverse);

    double sum = 0.0;
    int count = 0;
    for (int k = 0; k < 3600; k += 10) {
        Vector4 w;
        TransformVector(inverse, RingPointAtTenths(k), w);
        if (WithinEightyDegrees(w.x(), w.y())) {
            sum += std::atan2(w.z(), std::hypot(w.x(), w.y()));
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

}  // namespace zenbelts
