#include "sky/SolarPosition.h"

#include "sky/CivilTime.h"

#include <cmath>
#include <cstddef>
#include <span>

namespace zenbelts {

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double DegreesToRadians = Pi / 180.0;

// The periodic terms of the earth's heliocentric longitude, latitude and
// radius (VSOP87, as the algorithm truncates them): amplitude, phase and
// frequency of each A cos(B + C t).
struct Term {
    double a, b, c;
};

// clang-format off
constexpr Term L0[] = {
    {175347046.0, 0.0, 0.0}, {3341656.0, 4.6692568, 6283.07585}, {34894.0, 4.6261, 12566.1517},
    {3497.0, 2.7441, 5753.3849}, {3418.0, 2.8289, 3.5231}, {3136.0, 3.6277, 77713.7715},
    {2676.0, 4.4181, 7860.4194}, {2343.0, 6.1352, 3930.2097}, {1324.0, 0.7425, 11506.7698},
    {1273.0, 2.0371, 529.691}, {1199.0, 1.1096, 1577.3435}, {990.0, 5.233, 5884.927},
    {902.0, 2.045, 26.298}, {857.0, 3.508, 398.149}, {780.0, 1.179, 5223.694},
    {753.0, 2.533, 5507.553}, {505.0, 4.583, 18849.228}, {492.0, 4.205, 775.523},
    {357.0, 2.92, 0.067}, {317.0, 5.849, 11790.629}, {284.0, 1.899, 796.298},
    {271.0, 0.315, 10977.079}, {243.0, 0.345, 5486.778}, {206.0, 4.806, 2544.314},
    {205.0, 1.869, 5573.143}, {202.0, 2.458, 6069.777}, {156.0, 0.833, 213.299},
    {132.0, 3.411, 2942.463}, {126.0, 1.083, 20.775}, {115.0, 0.645, 0.98},
    {103.0, 0.636, 4694.003}, {102.0, 0.976, 15720.839}, {102.0, 4.267, 7.114},
    {99.0, 6.21, 2146.17}, {98.0, 0.68, 155.42}, {86.0, 5.98, 161000.69},
    {85.0, 1.3, 6275.96}, {85.0, 3.67, 71430.7}, {80.0, 1.81, 17260.15},
    {79.0, 3.04, 12036.46}, {75.0, 1.76, 5088.63}, {74.0, 3.5, 3154.69},
    {74.0, 4.68, 801.82}, {70.0, 0.83, 9437.76}, {62.0, 3.98, 8827.39},
    {61.0, 1.82, 7084.9}, {57.0, 2.78, 6286.6}, {56.0, 4.39, 14143.5},
    {56.0, 3.47, 6279.55}, {52.0, 0.19, 12139.55}, {52.0, 1.33, 1748.02},
    {51.0, 0.28, 5856.48}, {49.0, 0.49, 1194.45}, {41.0, 5.37, 8429.24},
    {41.0, 2.4, 19651.05}, {39.0, 6.17, 10447.39}, {37.0, 6.04, 10213.29},
    {37.0, 2.57, 1059.38}, {36.0, 1.71, 2352.87}, {36.0, 1.78, 6812.77},
    {33.0, 0.59, 17789.85}, {30.0, 0.44, 83996.85}, {30.0, 2.74, 1349.87},
    {25.0, 3.16, 4690.48},
};
constexpr Term L1[] = {
    {628331966747.0, 0.0, 0.0}, {206059.0, 2.678235, 6283.07585}, {4303.0, 2.6351, 12566.1517},
    {425.0, 1.59, 3.523}, {119.0, 5.796, 26.298}, {109.0, 2.966, 1577.344},
    {93.0, 2.59, 18849.23}, {72.0, 1.14, 529.69}, {68.0, 1.87, 398.15},
    {67.0, 4.41, 5507.55}, {59.0, 2.89, 5223.69}, {56.0, 2.17, 155.42},
    {45.0, 0.4, 796.3}, {36.0, 0.47, 775.52}, {29.0, 2.65, 7.11},
    {21.0, 5.34, 0.98}, {19.0, 1.85, 5486.78}, {19.0, 4.97, 213.3},
    {17.0, 2.99, 6275.96}, {16.0, 0.03, 2544.31}, {16.0, 1.43, 2146.17},
    {15.0, 1.21, 10977.08}, {12.0, 2.83, 1748.02}, {12.0, 3.26, 5088.63},
    {12.0, 5.27, 1194.45}, {12.0, 2.08, 4694.0}, {11.0, 0.77, 553.57},
    {10.0, 1.3, 6286.6}, {10.0, 4.24, 1349.87}, {9.0, 2.7, 242.73},
    {9.0, 5.64, 951.72}, {8.0, 5.3, 2352.87}, {6.0, 2.65, 9437.76},
    {6.0, 4.67, 4690.48},
};
constexpr Term L2[] = {
    {52919.0, 0.0, 0.0}, {8720.0, 1.0721, 6283.0758}, {309.0, 0.867, 12566.152},
    {27.0, 0.05, 3.52}, {16.0, 5.19, 26.3}, {16.0, 3.68, 155.42},
    {10.0, 0.76, 18849.23}, {9.0, 2.06, 77713.77}, {7.0, 0.83, 775.52},
    {5.0, 4.66, 1577.34}, {4.0, 1.03, 7.11}, {4.0, 3.44, 5573.14},
    {3.0, 5.14, 796.3}, {3.0, 6.05, 5507.55}, {3.0, 1.19, 242.73},
    {3.0, 6.12, 529.69}, {3.0, 0.31, 398.15}, {3.0, 2.28, 553.57},
    {2.0, 4.38, 5223.69}, {2.0, 3.75, 0.98},
};
constexpr Term L3[] = {
    {289.0, 5.844, 6283.076}, {35.0, 0.0, 0.0}, {17.0, 5.49, 12566.15}, {3.0, 5.2, 155.42},
    {1.0, 4.72, 3.52}, {1.0, 5.3, 18849.23}, {1.0, 5.97, 242.73},
};
constexpr Term L4[] = {{114.0, 3.142, 0.0}, {8.0, 4.13, 6283.08}, {1.0, 3.84, 12566.15}};
constexpr Term L5[] = {{1.0, 3.14, 0.0}};
constexpr Term B0[] = {
    {280.0, 3.199, 84334.662}, {102.0, 5.422, 5507.553}, {80.0, 3.88, 5223.69},
    {44.0, 3.7, 2352.87}, {32.0, 4.0, 1577.34},
};
constexpr Term B1[] = {{9.0, 3.9, 5507.55}, {6.0, 1.73, 5223.69}};
constexpr Term R0[] = {
    {100013989.0, 0.0, 0.0}, {1670700.0, 3.0984635, 6283.07585}, {13956.0, 3.05525, 12566.1517},
    {3084.0, 5.1985, 77713.7715}, {1628.0, 1.1739, 5753.3849}, {1576.0, 2.8469, 7860.4194},
    {925.0, 5.453, 11506.77}, {542.0, 4.564, 3930.21}, {472.0, 3.661, 5884.927},
    {346.0, 0.964, 5507.553}, {329.0, 5.9, 5223.694}, {307.0, 0.299, 5573.143},
    {243.0, 4.273, 11790.629}, {212.0, 5.847, 1577.344}, {186.0, 5.022, 10977.079},
    {175.0, 3.012, 18849.228}, {110.0, 5.055, 5486.778}, {98.0, 0.89, 6069.78},
    {86.0, 5.69, 15720.84}, {86.0, 1.27, 161000.69}, {65.0, 0.27, 17260.15},
    {63.0, 0.92, 529.69}, {57.0, 2.01, 83996.85}, {56.0, 5.24, 71430.7},
    {49.0, 3.25, 2544.31}, {47.0, 2.58, 775.52}, {45.0, 5.54, 9437.76},
    {43.0, 6.01, 6275.96}, {39.0, 5.36, 4694.0}, {38.0, 2.39, 8827.39},
    {37.0, 0.83, 19651.05}, {37.0, 4.9, 12139.55}, {36.0, 1.67, 12036.46},
    {35.0, 1.84, 2942.46}, {33.0, 0.24, 7084.9}, {32.0, 0.18, 5088.63},
    {32.0, 1.78, 398.15}, {28.0, 1.21, 6286.6}, {28.0, 1.9, 6279.55},
    {26.0, 4.59, 10447.39},
};
constexpr Term R1[] = {
    {103019.0, 1.10749, 6283.07585}, {1721.0, 1.0644, 12566.1517}, {702.0, 3.142, 0.0},
    {32.0, 1.02, 18849.23}, {31.0, 2.84, 5507.55}, {25.0, 1.32, 5223.69},
    {18.0, 1.42, 1577.34}, {10.0, 5.91, 10977.08}, {9.0, 1.42, 6275.96},
    {9.0, 0.27, 5486.78},
};
constexpr Term R2[] = {
    {4359.0, 5.7846, 6283.0758}, {124.0, 5.579, 12566.152}, {12.0, 3.14, 0.0},
    {9.0, 3.63, 77713.77}, {6.0, 1.87, 5573.14}, {3.0, 5.47, 18849.23},
};
constexpr Term R3[] = {{145.0, 4.273, 6283.076}, {7.0, 3.92, 12566.15}};
constexpr Term R4[] = {{4.0, 2.56, 6283.08}};

// Nutation in longitude and obliquity (the 63 terms of the IAU 1980
// theory): multiples of the five fundamental arguments, then the sine and
// cosine coefficients in units of 0.0001 arc-second.
struct NutationTerm {
    signed char y[5];
    double a, b, c, d;
};
constexpr NutationTerm Nutation[] = {
    {{0, 0, 0, 0, 1}, -171996, -174.2, 92025, 8.9}, {{-2, 0, 0, 2, 2}, -13187, -1.6, 5736, -3.1},
    {{0, 0, 0, 2, 2}, -2274, -0.2, 977, -0.5}, {{0, 0, 0, 0, 2}, 2062, 0.2, -895, 0.5},
    {{0, 1, 0, 0, 0}, 1426, -3.4, 54, -0.1}, {{0, 0, 1, 0, 0}, 712, 0.1, -7, 0},
    {{-2, 1, 0, 2, 2}, -517, 1.2, 224, -0.6}, {{0, 0, 0, 2, 1}, -386, -0.4, 200, 0},
    {{0, 0, 1, 2, 2}, -301, 0, 129, -0.1}, {{-2, -1, 0, 2, 2}, 217, -0.5, -95, 0.3},
    {{-2, 0, 1, 0, 0}, -158, 0, 0, 0}, {{-2, 0, 0, 2, 1}, 129, 0.1, -70, 0},
    {{0, 0, -1, 2, 2}, 123, 0, -53, 0}, {{2, 0, 0, 0, 0}, 63, 0, 0, 0},
    {{0, 0, 1, 0, 1}, 63, 0.1, -33, 0}, {{2, 0, -1, 2, 2}, -59, 0, 26, 0},
    {{0, 0, -1, 0, 1}, -58, -0.1, 32, 0}, {{0, 0, 1, 2, 1}, -51, 0, 27, 0},
    {{-2, 0, 2, 0, 0}, 48, 0, 0, 0}, {{0, 0, -2, 2, 1}, 46, 0, -24, 0},
    {{2, 0, 0, 2, 2}, -38, 0, 16, 0}, {{0, 0, 2, 2, 2}, -31, 0, 13, 0},
    {{0, 0, 2, 0, 0}, 29, 0, 0, 0}, {{-2, 0, 1, 2, 2}, 29, 0, -12, 0},
    {{0, 0, 0, 2, 0}, 26, 0, 0, 0}, {{-2, 0, 0, 2, 0}, -22, 0, 0, 0},
    {{0, 0, -1, 2, 1}, 21, 0, -10, 0}, {{0, 2, 0, 0, 0}, 17, -0.1, 0, 0},
    {{2, 0, -1, 0, 1}, 16, 0, -8, 0}, {{-2, 2, 0, 2, 2}, -16, 0.1, 7, 0},
    {{0, 1, 0, 0, 1}, -15, 0, 9, 0}, {{-2, 0, 1, 0, 1}, -13, 0, 7, 0},
    {{0, -1, 0, 0, 1}, -12, 0, 6, 0}, {{0, 0, 2, -2, 0}, 11, 0, 0, 0},
    {{2, 0, -1, 2, 1}, -10, 0, 5, 0}, {{2, 0, 1, 2, 2}, -8, 0, 3, 0},
    {{0, 1, 0, 2, 2}, 7, 0, -3, 0}, {{-2, 1, 1, 0, 0}, -7, 0, 0, 0},
    {{0, -1, 0, 2, 2}, -7, 0, 3, 0}, {{2, 0, 0, 2, 1}, -7, 0, 3, 0},
    {{2, 0, 1, 0, 0}, 6, 0, 0, 0}, {{-2, 0, 2, 2, 2}, 6, 0, -3, 0},
    {{-2, 0, 1, 2, 1}, 6, 0, -3, 0}, {{2, 0, -2, 0, 1}, -6, 0, 3, 0},
    {{2, 0, 0, 0, 1}, -6, 0, 3, 0}, {{0, -1, 1, 0, 0}, 5, 0, 0, 0},
    {{-2, -1, 0, 2, 1}, -5, 0, 3, 0}, {{-2, 0, 0, 0, 1}, -5, 0, 3, 0},
    {{0, 0, 2, 2, 1}, -5, 0, 3, 0}, {{-2, 0, 2, 0, 1}, 4, 0, 0, 0},
    {{-2, 1, 0, 2, 1}, 4, 0, 0, 0}, {{0, 0, 1, -2, 0}, 4, 0, 0, 0},
    {{-1, 0, 1, 0, 0}, -4, 0, 0, 0}, {{-2, 1, 0, 0, 0}, -4, 0, 0, 0},
    {{1, 0, 0, 0, 0}, -4, 0, 0, 0}, {{0, 0, 1, 2, 0}, 3, 0, 0, 0},
    {{0, 0, -2, 2, 2}, -3, 0, 0, 0}, {{-1, -1, 1, 0, 0}, -3, 0, 0, 0},
    {{0, 1, 1, 0, 0}, -3, 0, 0, 0}, {{0, -1, 1, 2, 2}, -3, 0, 0, 0},
    {{2, -1, -1, 2, 2}, -3, 0, 0, 0}, {{0, 0, 3, 2, 2}, -3, 0, 0, 0},
    {{2, -1, 0, 2, 2}, -3, 0, 0, 0},
};
// clang-format on

double SumTerms(std::span<const Term> terms, double millennia)
{
    double sum = 0.0;
    for (const Term& t : terms)
        sum += t.a * std::cos(t.b + t.c * millennia);
    return sum;
}

// A series in powers of the Julian ephemeris millennium, each power's
// coefficient a sum of periodic terms; in units of 1e-8.
double Series(std::span<const std::span<const Term>> powers, double millennia)
{
    double sum = 0.0;
    double factor = 1.0;
    for (std::span<const Term> terms : powers) {
        sum += SumTerms(terms, millennia) * factor;
        factor *= millennia;
    }
    return sum / 1e8;
}

double Wrapped360(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

double Wrapped180(double degrees)
{
    const double d = Wrapped360(degrees + 180.0) - 180.0;
    return d;
}

double Polynomial(double x, std::initializer_list<double> coefficients)
{
    double sum = 0.0, power = 1.0;
    for (double c : coefficients) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

}  // namespace

SunPosition SolarPosition(double unixSeconds, const SunSite& site, double deltaTSeconds,
                          const Atmosphere& air)
{
    const double jd = unixSeconds / SecondsPerDay + 2440587.5;
    const double jde = jd + deltaTSeconds / SecondsPerDay;
    const double jc = (jd - 2451545.0) / 36525.0;
    const double jce = (jde - 2451545.0) / 36525.0;
    const double jme = jce / 10.0;

    // The earth seen from the sun, then the sun seen from the earth.
    static constexpr std::span<const Term> Longitude[] = {L0, L1, L2, L3, L4, L5};
    static constexpr std::span<const Term> Latitude[] = {B0, B1};
    static constexpr std::span<const Term> Radius[] = {R0, R1, R2, R3, R4};
    const double l = Wrapped360(Series(Longitude, jme) / DegreesToRadians);
    const double b = Series(Latitude, jme) / DegreesToRadians;
    const double r = Series(Radius, jme);
    const double theta = Wrapped360(l + 180.0);
    const double beta = -b;

    // Nutation.
    const double x[5] = {
        Polynomial(jce, {297.85036, 445267.111480, -0.0019142, 1.0 / 189474.0}),
        Polynomial(jce, {357.52772, 35999.050340, -0.0001603, -1.0 / 300000.0}),
        Polynomial(jce, {134.96298, 477198.867398, 0.0086972, 1.0 / 56250.0}),
        Polynomial(jce, {93.27191, 483202.017538, -0.0036825, 1.0 / 327270.0}),
        Polynomial(jce, {125.04452, -1934.136261, 0.0020708, 1.0 / 450000.0}),
    };
    double deltaPsi = 0.0, deltaEpsilon = 0.0;
    for (const NutationTerm& n : Nutation) {
        double argument = 0.0;
        for (int i = 0; i < 5; ++i)
            argument += x[i] * n.y[i];
        argument *= DegreesToRadians;
        deltaPsi += (n.a + n.b * jce) * std::sin(argument);
        deltaEpsilon += (n.c + n.d * jce) * std::cos(argument);
    }
    deltaPsi /= 36000000.0;
    deltaEpsilon /= 36000000.0;

    const double u = jme / 10.0;
    const double epsilon0 = Polynomial(
        u, {84381.448, -4680.93, -1.55, 1999.25, -51.38, -249.67, -39.05, 7.12, 27.87, 5.79, 2.45});
    const double epsilon = epsilon0 / 3600.0 + deltaEpsilon;
    const double aberration = -20.4898 / (3600.0 * r);
    const double lambda = theta + deltaPsi + aberration;

    const double nu0 = Wrapped360(280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * jc * jc
                                  - jc * jc * jc / 38710000.0);
    const double nu = nu0 + deltaPsi * std::cos(epsilon * DegreesToRadians);

    const double lambdaR = lambda * DegreesToRadians;
    const double epsilonR = epsilon * DegreesToRadians;
    const double betaR = beta * DegreesToRadians;
    const double alpha
        = Wrapped360(std::atan2(std::sin(lambdaR) * std::cos(epsilonR) - std::tan(betaR) * std::sin(epsilonR),
                                std::cos(lambdaR))
                     / DegreesToRadians);
    const double delta = std::asin(std::sin(betaR) * std::cos(epsilonR)
                                   + std::cos(betaR) * std::sin(epsilonR) * std::sin(lambdaR));

    // From the earth's centre to the observer.
    const double h = Wrapped360(nu + site.longitudeDegrees - alpha) * DegreesToRadians;
    const double xi = 8.794 / (3600.0 * r) * DegreesToRadians;
    const double phi = site.latitudeDegrees * DegreesToRadians;
    const double uTerm = std::atan(0.99664719 * std::tan(phi));
    const double xTerm = std::cos(uTerm) + site.metres / 6378140.0 * std::cos(phi);
    const double yTerm = 0.99664719 * std::sin(uTerm) + site.metres / 6378140.0 * std::sin(phi);
    const double deltaAlpha = std::atan2(-xTerm * std::sin(xi) * std::sin(h),
                                         std::cos(delta) - xTerm * std::sin(xi) * std::cos(h));
    const double deltaPrime = std::atan2((std::sin(delta) - yTerm * std::sin(xi)) * std::cos(deltaAlpha),
                                         std::cos(delta) - xTerm * std::sin(xi) * std::cos(h));
    const double hPrime = h - deltaAlpha;

    const double e0 = std::asin(std::sin(phi) * std::sin(deltaPrime)
                                + std::cos(phi) * std::cos(deltaPrime) * std::cos(hPrime))
                      / DegreesToRadians;
    // Refraction while the sun's upper edge can still be above the horizon.
    double refraction = 0.0;
    if (air.pressureMillibars > 0.0 && e0 >= -(0.26667 + 0.5667))
        refraction = (air.pressureMillibars / 1010.0) * (283.0 / (273.0 + air.temperatureCelsius)) * 1.02
                     / (60.0 * std::tan((e0 + 10.3 / (e0 + 5.11)) * DegreesToRadians));

    const double gamma = std::atan2(std::sin(hPrime),
                                    std::cos(hPrime) * std::sin(phi) - std::tan(deltaPrime) * std::cos(phi));
    SunPosition p;
    p.zenithDegrees = 90.0 - (e0 + refraction);
    p.azimuthDegrees = Wrapped360(gamma / DegreesToRadians + 180.0);
    p.hourAngleDegrees = Wrapped180(hPrime / DegreesToRadians);
    return p;
}

double DeltaTSeconds(double y)
{
    if (y >= 2050.0 && y < 2150.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    }
    if (y >= 2005.0 && y < 2050.0)
        return Polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
    if (y >= 1986.0 && y < 2005.0)
        return Polynomial(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y >= 1961.0 && y < 1986.0)
        return Polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

SunPosition SunAt(double unixSeconds, const SunSite& site)
{
    return SolarPosition(unixSeconds, site, DeltaTSeconds(DecimalYear(unixSeconds)));
}

double SolarTransit(double nearUnixSeconds, const SunSite& site)
{
    // The hour angle grows by a turn in a solar day; a few Newton steps.
    double t = nearUnixSeconds;
    for (int i = 0; i < 8; ++i) {
        const double step = -SunAt(t, site).hourAngleDegrees / 360.0 * SecondsPerDay;
        t += step;
        if (std::fabs(step) < 0.01)
            break;
    }
    return t;
}

namespace {

// How far the sun's azimuth lies past the target, -180 to 180 degrees.
double AzimuthPast(double t, const SunSite& site, double azimuth)
{
    return Wrapped180(SunAt(t, site).azimuthDegrees - azimuth);
}

// A crossing of the target within [t0, t1], where the azimuth past it
// changes sign; null when the change is the far side's wrap instead.
std::optional<double> Crossing(double t0, double f0, double t1, double f1, const SunSite& site,
                               double azimuth)
{
    if ((f0 < 0.0) == (f1 < 0.0))
        return std::nullopt;
    // Near the target on both sides: a crossing. Far on both: the wrap at
    // the opposite azimuth. Otherwise look closer.
    while (t1 - t0 > 1e-3) {
        const bool near = std::fabs(f0) < 90.0 && std::fabs(f1) < 90.0;
        const bool far = std::fabs(f0) > 90.0 && std::fabs(f1) > 90.0;
        if (far)
            return std::nullopt;
        const double tm = 0.5 * (t0 + t1);
        const double fm = AzimuthPast(tm, site, azimuth);
        if (near) {
            // Bisection: the function is continuous here.
            if ((fm < 0.0) == (f0 < 0.0))
                t0 = tm, f0 = fm;
            else
                t1 = tm, f1 = fm;
            continue;
        }
        // Keep the half where the sign changes.
        if ((fm < 0.0) != (f0 < 0.0))
            t1 = tm, f1 = fm;
        else
            t0 = tm, f0 = fm;
    }
    if (std::fabs(f0) > 90.0 || std::fabs(f1) > 90.0)
        return std::nullopt;
    return 0.5 * (t0 + t1);
}

}  // namespace

std::optional<SunCrossing> SunAtAzimuth(double from, double to, const SunSite& site, double azimuth)
{
    constexpr double Step = 300.0;
    double t0 = from;
    double f0 = AzimuthPast(t0, site, azimuth);
    while (t0 < to) {
        const double t1 = std::fmin(t0 + Step, to);
        const double f1 = AzimuthPast(t1, site, azimuth);
        if (const std::optional<double> t = Crossing(t0, f0, t1, f1, site, azimuth)) {
            const double elevation = SunAt(*t, site).ElevationDegrees();
            if (elevation > 0.0)
                return SunCrossing{*t, elevation};
        }
        t0 = t1;
        f0 = f1;
    }
    return std::nullopt;
}

}  // namespace zenbelts
