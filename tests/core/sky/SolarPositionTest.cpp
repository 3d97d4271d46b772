#include "sky/SolarPosition.h"
#include "SourceTree.h"
#include "sky/CivilTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zenbelts {
namespace {

namespace fs = std::filesystem;

constexpr double Pi = 3.141592653589793;

// "2036-04-08T22:11:47.359Z" in seconds since 1970.
double ParseUtc(const std::string& text)
{
    const std::optional<CivilDate> date = ParseIsoDate(text.substr(0, 10));
    EXPECT_TRUE(date) << text;
    return StartOfDay(date.value_or(CivilDate{})) + std::stoi(text.substr(11, 2)) * 3600.0
           + std::stoi(text.substr(14, 2)) * 60.0 + std::stod(text.substr(17, 6));
}

// The angle between two directions given as zenith and azimuth, degrees.
double Separation(double zenith1, double azimuth1, double zenith2, double azimuth2)
{
    const auto v = [](double z, double a) {
        z *= Pi / 180.0;
        a *= Pi / 180.0;
        return std::array<double, 3>{std::sin(z) * std::cos(a), std::sin(z) * std::sin(a), std::cos(z)};
    };
    const auto p = v(zenith1, azimuth1), q = v(zenith2, azimuth2);
    const double cross
        = std::hypot(p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]);
    return std::atan2(cross, p[0] * q[0] + p[1] * q[1] + p[2] * q[2]) * 180.0 / Pi;
}

struct Reference {
    std::string kind, utc;
    SunSite site;
    double zenith, azimuth;
};

// Positions and times of the sun by PyEphem (VSOP87); see make_reference.py.
std::vector<Reference> References()
{
    std::ifstream in(ZENBELTS_SOURCE_DIR "/tests/core/data/sun/sun_reference.csv");
    std::vector<Reference> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        Reference r;
        fields >> r.kind >> r.utc >> r.site.latitudeDegrees >> r.site.longitudeDegrees >> r.site.metres
            >> r.zenith >> r.azimuth;
        rows.push_back(r);
    }
    return rows;
}

TEST(SolarPosition, ThePublishedExampleOfTheAlgorithm)
{
    // 17 October 2003, 12:30:30 at -7 h; delta T 67 s; 820 mbar, 11 degrees C.
    const double t = StartOfDay({2003, 10, 17}) + 19 * 3600 + 30 * 60 + 30;
    const SunPosition p = SolarPosition(t, {39.742476, -105.1786, 1830.14}, 67.0, {820.0, 11.0});
    EXPECT_NEAR(p.zenithDegrees, 50.11162, 0.000005);
    EXPECT_NEAR(p.azimuthDegrees, 194.34024, 0.000005);
}

TEST(SolarPosition, AgreesWithAnIndependentEphemerisFrom1990To2050)
{
    double worst = 0.0;
    int count = 0;
    for (const Reference& r : References()) {
        if (r.kind != "position")
            continue;
        const double t = ParseUtc(r.utc);
        const SunPosition p = SolarPosition(t, r.site, DeltaTSeconds(DecimalYear(t)), {0.0, 10.0});
        const double off = Separation(p.zenithDegrees, p.azimuthDegrees, r.zenith, r.azimuth);
        worst = std::max(worst, off);
        EXPECT_LT(off, 0.01) << r.utc << " at " << r.site.latitudeDegrees << ", " << r.site.longitudeDegrees;
        ++count;
    }
    EXPECT_EQ(count, 150);
    RecordProperty("worstDegrees", std::to_string(worst));
}

TEST(SolarPosition, TransitsWithinTenSeconds)
{
    int count = 0;
    for (const Reference& r : References()) {
        if (r.kind != "transit")
            continue;
        const double expected = ParseUtc(r.utc);
        // Searched from the mean noon of the site on that date.
        const double noon = StartOfDay(DateOf(expected + r.site.longitudeDegrees * 240.0)) + 43200.0
                            - r.site.longitudeDegrees * 240.0;
        EXPECT_NEAR(SolarTransit(noon, r.site), expected, 10.0) << r.utc;
        ++count;
    }
    EXPECT_EQ(count, 40);
}

TEST(SolarPosition, TheSunAtAGivenAzimuth)
{
    int count = 0;
    for (const Reference& r : References()) {
        if (r.kind != "azimuth")
            continue;
        const double expected = ParseUtc(r.utc);
        const double transit = SolarTransit(expected, r.site);
        const std::optional<SunCrossing> c
            = SunAtAzimuth(transit - 43200.0, transit + 43200.0, r.site, r.azimuth);
        ASSERT_TRUE(c) << r.utc;
        EXPECT_NEAR(c->unixSeconds, expected, 10.0) << r.utc;
        // Apparent against geometric: refraction lifts the sun by under 0.1 degree up here.
        EXPECT_NEAR(c->elevationDegrees, 90.0 - r.zenith, 0.1) << r.utc;
        ++count;
    }
    EXPECT_EQ(count, 16);
}

TEST(SolarPosition, NeverAtAnAzimuthItOnlyReachesAtNight)
{
    // 50 degrees north in midwinter: the sun rises south of east and never
    // stands in the north-east while up.
    const SunSite site{50.0, 10.0, 0.0};
    const double transit = SolarTransit(StartOfDay({2025, 12, 21}) + 43200.0 - 2400.0, site);
    EXPECT_FALSE(SunAtAzimuth(transit - 43200.0, transit + 43200.0, site, 45.0));
    EXPECT_TRUE(SunAtAzimuth(transit - 43200.0, transit + 43200.0, site, 150.0));
}

TEST(CivilTime, DatesAndTimes)
{
    EXPECT_EQ(StartOfDay({1970, 1, 1}), 0.0);
    EXPECT_EQ(FormatIsoUtc(StartOfDay({2024, 2, 29}) + 86399.6), "2024-03-01T00:00:00Z");
    EXPECT_EQ(FormatIsoUtc(-0.4), "1970-01-01T00:00:00Z");
    EXPECT_EQ(FormatIsoUtc(-1.0), "1969-12-31T23:59:59Z");
    EXPECT_EQ(DateOf(StartOfDay({2100, 3, 1}) - 1.0), (CivilDate{2100, 2, 28}));
    EXPECT_DOUBLE_EQ(DecimalYear(StartOfDay({2027, 1, 1}) + 365 * 43200.0), 2027.5);
    for (const char* bad :
         {"2025-02-29", "2024-13-01", "2024-00-10", "1899-12-31", "2025-6-01", "2025-06-01x"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
    EXPECT_EQ(ParseIsoDate("2024-02-29"), (CivilDate{2024, 2, 29}));
}

}  // namespace
}  // namespace zenbelts
