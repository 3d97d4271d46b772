#pragma once

// 4x4 homogeneous matrices and the elementary rotations of the mount model.
// Every operation writes into caller-supplied storage and allocates nothing;
// orders of summation are part of the definition (results must be repeatable
// to the last bit, since stored files are checked against recomputed values).

namespace zenbelts {

inline constexpr double Pi = 3.141592653589793;
inline constexpr double HalfPi = 1.5707963267948966;
inline constexpr double ArcMinutesToRadians = 0.0002908882086657216;  // pi / 10800
inline constexpr double TenthsToRadians = 0.0017453292519943296;      // pi / 1800
inline constexpr double RadiansToTenths = 572.9577951308232;          // 1800 / pi
inline constexpr double RadiansToDegrees = 57.29577951308232;

// Row-major: element [r][c] is m[4 * r + c]. Transforms column vectors.
struct Matrix4 {
    double m[16];

    double& at(int r, int c) { return m[4 * r + c]; }
    double at(int r, int c) const { return m[4 * r + c]; }

    bool operator==(const Matrix4&) const = default;
};

struct Vector4 {
    double v[4];  // x, y, z, w

    double x() const { return v[0]; }
    double y() const { return v[1]; }
    double z() const { return v[2]; }
};

void SetIdentity(Matrix4& out);

// out = a * b. out must not alias a or b.
void MatrixMultiply(const Matrix4& a, const Matrix4& b, Matrix4& out);

// out = m * v. out must not alias v.
void TransformVector(const Matrix4& m, const Vector4& v, Vector4& out);

// The transposed cofactor matrix, without division by the determinant: the
// inverse of any rigid transform, which is all the system ever passes.
void MatrixAdjugate(const Matrix4& m, Matrix4& out);

// The signs are fixed by the mount model; Y and X are deliberately left-handed.
void RotationZ(double theta, Matrix4& out);
void RotationY(double theta, Matrix4& out);
void RotationX(double theta, Matrix4& out);

// floor(value + 0.5): halves go upward, also below zero (-0.5 gives 0).
int RoundHalfUp(double value);

// An angle to whole tenths of a degree, halves upward.
int RoundToTenths(double radians);

}  // namespace zenbelts
