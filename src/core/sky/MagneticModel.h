#pragma once

// The World Magnetic Model 2025 (NOAA and the British Geological Survey):
// the main field to degree and order 12 and its secular variation, from the
// public coefficients in data/WMM2025.COF, compiled in.

namespace zenbelts {

inline constexpr double MagneticModelEpoch = 2025.0;
inline constexpr double MagneticModelValidUntil = 2030.0;

// Whether the model speaks for a date (decimal year); outside it the field
// is extrapolated and soon off by degrees.
bool MagneticModelCovers(double decimalYear);

struct MagneticField {
    double northNanoteslas = 0.0;  // X
    double eastNanoteslas = 0.0;   // Y
    double downNanoteslas = 0.0;   // Z

    // The angle of a compass needle east of true north, degrees.
    double DeclinationDegrees() const;
    double InclinationDegrees() const;
    double HorizontalNanoteslas() const;
    double TotalNanoteslas() const;
};

// latitude and longitude geodetic (WGS-84), degrees; height above the
// ellipsoid, metres.
MagneticField MagneticFieldAt(double latitudeDegrees, double longitudeDegrees, double metres,
                              double decimalYear);

// Degrees east of true north that a compass points.
double MagneticDeclination(double latitudeDegrees, double longitudeDegrees, double metres,
                           double decimalYear);

}  // namespace zenbelts
