#include "text/AngleText.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

TEST(AngleText, Tenths)
{
    EXPECT_EQ(FormatTenths(466, 'N', 'S'), "46.6\u00b0N");
    EXPECT_EQ(FormatTenths(-64, 'N', 'S'), "6.4\u00b0S");
    EXPECT_EQ(FormatTenths(-5, 'N', 'S'), "0.5\u00b0S");
    EXPECT_EQ(FormatTenths(0, 'E', 'W'), "0.0\u00b0E");
    EXPECT_EQ(FormatTenths(-1799, 'E', 'W'), "179.9\u00b0W");
}

TEST(AngleText, DegreesAndMinutes)
{
    EXPECT_EQ(FormatLocation(2600, 4620), "43\u00b020'N, 77\u00b000'E");
    EXPECT_EQ(FormatLocation(0, 0), "0\u00b000'N, 0\u00b000'E");
    EXPECT_EQ(FormatLocation(-754, -905), "12\u00b034'S, 15\u00b005'W");
    EXPECT_EQ(FormatLocation(-1, -10799), "0\u00b001'S, 179\u00b059'W");
}

TEST(AngleText, SatelliteLabels)
{
    const struct {
        int position;
        const char* label;
    } cases[] = {{130, "13.0\u00b0E"},   {3550, "5.0\u00b0W"}, {1800, "180.0\u00b0E"},
                 {1801, "179.9\u00b0W"}, {0, "0.0\u00b0"},     {3599, "0.1\u00b0W"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatSatelliteLabel(c.position), c.label) << c.position;
}

}  // namespace
}  // namespace zenbelts
