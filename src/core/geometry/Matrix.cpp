#include "geometry/Matrix.h"

#include <cmath>

namespace zenbelts {

void SetIdentity(Matrix4& out)
{
    for (int i = 0; i < 16; ++i)
        out.m[i] = (i % 5 == 0) ? 1.0 : 0.0;
}

void MatrixMultiply(const Matrix4& a, const Matrix4& b, Matrix4& out)
{
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += a.at(i, k) * b.at(k, j);
            out.at(i, j) = sum;
        }
    }
}

void TransformVector(const Matrix4& m, const Vector4& v, Vector4& out)
{
    for (int i = 0; i < 4; ++i) {
        double sum = 0.0;
        for (int j = 0; j < 4; ++j)
            sum += m.at(i, j) * v.v[j];
        out.v[i] = sum;
    }
}

void MatrixAdjugate(const Matrix4& m, Matrix4& out)
{
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double e[9];
            int n = 0;
            for (int r = 0; r < 4; ++r) {
                if (r == i)
                    continue;
                for (int c = 0; c < 4; ++c) {
                    if (c != j)
                        e[n++] = m.at(r, c);
                }
            }
            double det = e[0] * e[4] * e[8] + e[1] * e[5] * e[6] + e[2] * e[3] * e[7] - e[0] * e[5] * e[7]
                         - e[1] * e[3] * e[8] - e[2] * e[4] * e[6];
            out.at(j, i) = ((i + j) % 2 != 0) ? -det : det;
        }
    }
}

void RotationZ(double theta, Matrix4& out)
{
    SetIdentity(out);
    const double c = std::cos(theta), s = std::sin(theta);
    out.at(0, 0) = c;
    out.at(0, 1) = -s;
    out.at(1, 0) = s;
    out.at(1, 1) = c;
}

void RotationY(double theta, Matrix4& out)
{
    SetIdentity(out);
    const double c = std::cos(theta), s = std::sin(theta);
    out.at(0, 0) = c;
    out.at(0, 2) = -s;
    out.at(2, 0) = s;
    out.at(2, 2) = c;
}

void RotationX(double theta, Matrix4& out)
{
    SetIdentity(out);
    const double c = std::cos(theta), s = std::sin(theta);
    out.at(1, 1) = c;
    out.at(1, 2) = s;
    out.at(2, 1) = -s;
    out.at(2, 2) = c;
}

int RoundHalfUp(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}

int RoundToTenths(double radians)
{
    return RoundHalfUp(radians * RadiansToTenths);
}

}  // namespace zenbelts
