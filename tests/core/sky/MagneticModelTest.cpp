#include "sky/MagneticModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenbelts {
namespace {

struct TestValue {
    double year, heightKm, latitude, longitude;
    double declination, inclination, horizontal;  // degrees, degrees, nT
};

// The test values published with WMM2025 (WMM2025_TEST_VALUES.txt), then
// some of the WMM2025 report's table of test points.
constexpr TestValue Published[] = {
    {2025.0, 0, 80, 0, 1.28, 83.21, 6523.2},
    {2025.0, 0, 0, 120, -0.16, -14.93, 39677.9},
    {2025.0, 0, -80, 240, 68.78, -72.00, 16898.1},
    {2025.0, 100, 80, 0, 0.85, 83.26, 6216.7},
    {2025.0, 100, 0, 120, -0.15, -15.08, 37688.7},
    {2025.0, 100, -80, 240, 68.21, -72.19, 15917.1},
    {2027.5, 0, 80, 0, 2.59, 83.24, 6507.5},
    {2027.5, 0, 0, 120, -0.24, -14.65, 39702.0},
    {2027.5, 0, -80, 240, 68.49, -71.92, 16908.3},
    {2027.5, 100, 80, 0, 2.16, 83.29, 6201.1},
    {2027.5, 100, 0, 120, -0.23, -14.81, 37711.8},
    {2027.5, 100, -80, 240, 67.93, -72.10, 15927.0},
    {2025.0, 28, 89, -121, -99.77, 88.47, 1504.298146},
    {2025.0, 51, -33, 109, -5.49, -67.50, 21838.046477},
    {2025.0, 66, 14, 143, -0.19, 12.82, 35003.635649},
    {2025.5, 69, 38, -144, 12.93, 56.97, 23096.337032},
    {2025.5, 22, -37, 140, 9.28, -68.62, 21688.84759},
    {2026.0, 74, -57, 3, -22.51, -58.65, 14362.206593},
    {2026.0, 47, -72, -22, -6.32, -61.16, 18392.516222},
    {2026.0, 34, -19, 43, -14.98, -52.33, 20212.448819},
    {2026.5, 44, -46, -42, -11.36, -54.39, 14140.316272},
    {2026.5, 12, -79, 115, -137.58, -77.37, 13023.480845},
    {2027.0, 37, -66, -5, -17.22, -59.04, 17159.8365},
    {2027.0, 57, -43, 50, -48.27, -63.13, 16833.417225},
    {2027.0, 61, 59, -77, -16.48, 78.68, 10884.812802},
    {2027.5, 98, -5, 159, 7.79, -23.22, 33857.496691},
    {2027.5, 96, -46, -85, 17.93, -47.37, 19914.457641},
    {2028.0, 49, 20, 167, 5.10, 26.82, 30251.262453},
    {2028.0, 30, -36, -64, -4.65, -40.08, 17398.651081},
    {2028.0, 45, -46, -41, -11.68, -54.96, 13897.562372},
    {2028.5, 39, -65, -88, 29.45, -60.20, 20609.270068},
    {2028.5, 55, 86, 70, 67.64, 87.57, 2370.361097},
    {2029.0, 95, -60, -59, 8.58, -55.17, 18095.598879},
    {2029.0, 57, 34, -13, -1.89, 45.74, 28257.277809},
    {2029.0, 41, 42, -19, -4.13, 56.44, 24503.475397},
    {2029.5, 51, -76, 40, -56.34, -66.22, 18517.441118},
    {2029.5, 18, 9, -172, 9.24, 15.85, 30922.51441},
};

TEST(MagneticModel, MatchesThePublishedTestValues)
{
    double worst = 0.0;
    for (const TestValue& v : Published) {
        const MagneticField f = MagneticFieldAt(v.latitude, v.longitude, v.heightKm * 1000.0, v.year);
        const double off = std::fabs(f.DeclinationDegrees() - v.declination);
        worst = std::max(worst, off);
        EXPECT_LE(off, 0.01) << v.year << " " << v.latitude << " " << v.longitude;
        EXPECT_NEAR(f.InclinationDegrees(), v.inclination, 0.01) << v.year << " " << v.latitude;
        EXPECT_NEAR(f.HorizontalNanoteslas(), v.horizontal, 0.1) << v.year << " " << v.latitude;
    }
    RecordProperty("worstDeclinationDegrees", std::to_string(worst));
}

TEST(MagneticModel, CoversItsFiveYears)
{
    EXPECT_FALSE(MagneticModelCovers(2024.999));
    EXPECT_TRUE(MagneticModelCovers(2025.0));
    EXPECT_TRUE(MagneticModelCovers(2030.0));
    EXPECT_FALSE(MagneticModelCovers(2030.001));
}

}  // namespace
}  // namespace zenbelts
