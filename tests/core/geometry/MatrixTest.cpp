#include "geometry/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenbelts {
namespace {

Matrix4 Identity()
{
    Matrix4 m;
    SetIdentity(m);
    return m;
}

Matrix4 Translation(double x, double y, double z)
{
    Matrix4 m = Identity();
    m.at(0, 3) = x;
    m.at(1, 3) = y;
    m.at(2, 3) = z;
    return m;
}

void ExpectNear(const Matrix4& a, const Matrix4& b, double tolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a.m[i], b.m[i], tolerance) << "element " << i;
}

TEST(MatrixMultiply, IdentityOnEitherSideLeavesTheOtherFactor)
{
    Matrix4 a;
    for (int i = 0; i < 16; ++i)
        a.m[i] = 0.1 * i - 0.7;
    Matrix4 r;
    MatrixMultiply(Identity(), a, r);
    ExpectNear(r, a, 0.0);
    MatrixMultiply(a, Identity(), r);
    ExpectNear(r, a, 0.0);
}

TEST(MatrixMultiply, IsRowByColumn)
{
    Matrix4 a{}, b{};
    a.at(0, 1) = 2.0;  // picks row 1 of b into row 0
    b.at(1, 3) = 5.0;
    Matrix4 r;
    MatrixMultiply(a, b, r);
    EXPECT_EQ(r.at(0, 3), 10.0);
    EXPECT_EQ(r.at(3, 0), 0.0);
}

TEST(TransformVector, AppliesTranslationToPoints)
{
    const Vector4 p{{1.0, 2.0, 3.0, 1.0}};
    Vector4 out;
    TransformVector(Translation(10.0, 20.0, 30.0), p, out);
    EXPECT_EQ(out.x(), 11.0);
    EXPECT_EQ(out.y(), 22.0);
    EXPECT_EQ(out.z(), 33.0);
    EXPECT_EQ(out.v[3], 1.0);
}

TEST(MatrixAdjugate, OfIdentityIsIdentity)
{
    Matrix4 r;
    MatrixAdjugate(Identity(), r);
    ExpectNear(r, Identity(), 0.0);
}

TEST(MatrixAdjugate, OfTranslationIsTheOppositeTranslation)
{
    Matrix4 r;
    MatrixAdjugate(Translation(3.0, -4.0, 5.0), r);
    ExpectNear(r, Translation(-3.0, 4.0, -5.0), 0.0);
}

TEST(MatrixAdjugate, InvertsRigidTransforms)
{
    Matrix4 rz, ry, rotation, rigid;
    RotationZ(0.7, rz);
    RotationY(-1.1, ry);
    MatrixMultiply(rz, ry, rotation);
    MatrixMultiply(Translation(1.0e6, -2.0e6, 3.0e6), rotation, rigid);
    Matrix4 inverse, product;
    MatrixAdjugate(rigid, inverse);
    MatrixMultiply(inverse, rigid, product);
    ExpectNear(product, Identity(), 1e-9);
}

TEST(MatrixAdjugate, OfSingularMatrixIsFinite)
{
    Matrix4 singular{};
    singular.at(0, 0) = 2.0;
    singular.at(1, 1) = 3.0;
    singular.at(2, 2) = 4.0;  // [3][3] stays 0
    Matrix4 r;
    MatrixAdjugate(singular, r);
    for (double v : r.m)
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(r.at(3, 3), 24.0);
    EXPECT_EQ(r.at(0, 0), 0.0);
}

struct RotationCase {
    const char* name;
    void (*rotate)(double, Matrix4&);
    int axis;     // the axis that turns
    int towards;  // the axis it turns towards for a positive angle
    double sign;  // +1 or -1
};

class RotationSigns : public testing::TestWithParam<RotationCase> {};

TEST_P(RotationSigns, QuarterTurnSendsAxisWhereTheModelSays)
{
    const RotationCase& c = GetParam();
    Matrix4 r;
    c.rotate(HalfPi, r);
    Vector4 axis{{0, 0, 0, 0}}, image;
    axis.v[c.axis] = 1.0;
    TransformVector(r, axis, image);
    EXPECT_NEAR(image.v[c.towards], c.sign, 1e-15);
    EXPECT_EQ(r.at(3, 3), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Matrix, RotationSigns,
                         testing::Values(RotationCase{"ZturnsXtowardsY", RotationZ, 0, 1, +1.0},
                                         RotationCase{"YturnsXtowardsZ", RotationY, 0, 2, +1.0},
                                         RotationCase{"YturnsZtowardsMinusX", RotationY, 2, 0, -1.0},
                                         RotationCase{"XturnsYtowardsMinusZ", RotationX, 1, 2, -1.0},
                                         RotationCase{"XturnsZtowardsY", RotationX, 2, 1, +1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundHalfUp, RoundsHalvesUpwardOnBothSidesOfZero)
{
    const struct {
        double value;
        int expected;
    } cases[] = {{-0.25, 0}, {-0.5, 0}, {-0.51, -1}, {0.5, 1}, {0.49, 0}, {-1.5, -1}, {466.4, 466}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfUp(c.value), c.expected) << c.value;
}

TEST(RoundToTenths, ConvertsRadiansFirst)
{
    EXPECT_EQ(RoundToTenths(HalfPi), 900);
    EXPECT_EQ(RoundToTenths(TenthsToRadians * -63.6), -64);
}

}  // namespace
}  // namespace zenbelts
