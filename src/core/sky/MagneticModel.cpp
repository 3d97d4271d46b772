#include "sky/MagneticModel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zenbelts {

namespace {

struct Coefficient {
    int n, m;
    double g, h, gDot, hDot;
};

constexpr Coefficient Coefficients[] = {
#include "sky/Wmm2025Coefficients.inc"
};

constexpr int Degree = 12;
static_assert(std::size(Coefficients) == Degree * (Degree + 3) / 2, "one row per degree and order");

constexpr double Pi = 3.141592653589793;
constexpr double DegreesToRadians = Pi / 180.0;
constexpr double ReferenceRadiusKm = 6371.2;
constexpr double EquatorialRadiusKm = 6378.137;
constexpr double Flattening = 1.0 / 298.257223563;
constexpr double EccentricitySquared = Flattening * (2.0 - Flattening);

}  // namespace

bool MagneticModelCovers(double decimalYear)
{
    return decimalYear >= MagneticModelEpoch && decimalYear <= MagneticModelValidUntil;
}

double MagneticField::DeclinationDegrees() const
{
    return std::atan2(eastNanoteslas, northNanoteslas) / DegreesToRadians;
}

double MagneticField::InclinationDegrees() const
{
    return std::atan2(downNanoteslas, HorizontalNanoteslas()) / DegreesToRadians;
}

double MagneticField::HorizontalNanoteslas() const
{
    return std::hypot(northNanoteslas, eastNanoteslas);
}

double MagneticField::TotalNanoteslas() const
{
    return std::hypot(HorizontalNanoteslas(), downNanoteslas);
}

MagneticField MagneticFieldAt(double latitudeDegrees, double longitudeDegrees, double metres, double year)
{
    // At a geographic pole no direction is north; stay a hair off it.
    const double phi = std::clamp(latitudeDegrees, -89.9999, 89.9999) * DegreesToRadians;
    const double lambda = longitudeDegrees * DegreesToRadians;
    const double heightKm = metres / 1000.0;

    // Geodetic to geocentric spherical coordinates.
    const double rc
        = EquatorialRadiusKm / std::sqrt(1.0 - EccentricitySquared * std::sin(phi) * std::sin(phi));
    const double p = (rc + heightKm) * std::cos(phi);
    const double z = (rc * (1.0 - EccentricitySquared) + heightKm) * std::sin(phi);
    const double r = std::hypot(p, z);
    const double psi = std::asin(z / r);
    const double x = std::sin(psi);
    const double cosPsi = std::cos(psi);

    // Associated Legendre functions of sin(psi), without the Condon-Shortley
    // phase, then Schmidt's semi-normalisation.
    double P[Degree + 1][Degree + 1] = {};
    for (int m = 0; m <= Degree; ++m) {
        double pmm = 1.0;
        for (int k = 1; k <= m; ++k)
            pmm *= (2 * k - 1) * cosPsi;
        P[m][m] = pmm;
        if (m < Degree)
            P[m + 1][m] = x * (2 * m + 1) * pmm;
        for (int n = m + 2; n <= Degree; ++n)
            P[n][m] = ((2 * n - 1) * x * P[n - 1][m] - (n + m - 1) * P[n - 2][m]) / (n - m);
    }

    const double dt = year - MagneticModelEpoch;
    double north = 0.0, east = 0.0, down = 0.0;
    for (const Coefficient& c : Coefficients) {
        const int n = c.n, m = c.m;
        // (2 - delta(m,0)) (n-m)! / (n+m)!
        double ratio = m == 0 ? 1.0 : 2.0;
        for (int k = n - m + 1; k <= n + m; ++k)
            ratio /= k;
        const double norm = std::sqrt(ratio);
        const double pnm = norm * P[n][m];
        // d/dpsi, from (1 - x^2) dP/dx = (n + m) P(n-1) - n x P(n).
        const double dpnm = norm * ((n + m) * (n > m ? P[n - 1][m] : 0.0) - n * x * P[n][m]) / cosPsi;
        const double g = c.g + dt * c.gDot;
        const double h = c.h + dt * c.hDot;
        const double cosML = std::cos(m * lambda), sinML = std::sin(m * lambda);
        const double scale = std::pow(ReferenceRadiusKm / r, n + 2);
        north -= scale * (g * cosML + h * sinML) * dpnm;
        east += scale * m * (g * sinML - h * cosML) * pnm / cosPsi;
        down -= scale * (n + 1) * (g * cosML + h * sinML) * pnm;
    }

    // Back from the geocentric to the geodetic vertical.
    const double tilt = psi - phi;
    MagneticField field;
    field.northNanoteslas = north * std::cos(tilt) - down * std::sin(tilt);
    field.eastNanoteslas = east;
    field.downNanoteslas = north * std::sin(tilt) + down * std::cos(tilt);
    return field;
}

double MagneticDeclination(double latitudeDegrees, double longitudeDegrees, double metres, double year)
{
    return MagneticFieldAt(latitudeDegrees, longitudeDegrees, metres, year).DeclinationDegrees();
}

}  // namespace zenbelts
