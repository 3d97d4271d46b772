#include "text/NumericText.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

namespace zenbelts::numeric {
namespace {

struct ReadCase {
    const char* typed;
    int northSouth;
    int eastWest;
};

class HemisphereReading : public testing::TestWithParam<ReadCase> {};

TEST_P(HemisphereReading, ReadsAsTheUserMeantIt)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(ParseNorthSouth(c.typed), c.northSouth) << "north/south: " << c.typed;
    EXPECT_EQ(ParseEastWest(c.typed), c.eastWest) << "east/west: " << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    NumericText, HemisphereReading,
    testing::Values(ReadCase{"12.5 s", -125, 125}, ReadCase{"12.5\u00b0s", -125, 125},
                    ReadCase{"12.5\u00b0 S", -125, 125}, ReadCase{"12.5S", -125, 125},
                    ReadCase{"12.5\u00b0N", 125, 125}, ReadCase{"12.5", 125, 125},
                    ReadCase{"12.5x", 125, 125}, ReadCase{"-12.5\u00b0S", 125, -125},
                    ReadCase{"3.5\u00b0W", 35, -35}, ReadCase{"3.5 w", 35, -35}, ReadCase{"  7.5", 75, 75},
                    ReadCase{"1e1", 100, 100}, ReadCase{"abc", 0, 0}, ReadCase{"", 0, 0},
                    ReadCase{"12.25", 123, 123}, ReadCase{"-12.25", -122, -122}, ReadCase{"0.04", 0, 0},
                    ReadCase{"-0.05", 0, 0}, ReadCase{"-0.06", -1, -1}, ReadCase{"1e400", 0, 0},
                    ReadCase{"1e-400", 0, 0}, ReadCase{"300000000", INT_MAX, INT_MAX},
                    ReadCase{"-300000000", INT_MIN, INT_MIN}, ReadCase{".5", 5, 5}, ReadCase{"+2", 20, 20}));

TEST(NumericText, HemisphereReadingStopsAtTheLetter)
{
    std::size_t end = 99;
    EXPECT_EQ(ParseNorthSouth("12.5\u00b0 S", &end), -125);
    EXPECT_EQ(end, 7u);  // "12.5", two bytes of degree sign, a blank
    EXPECT_EQ(ParseEastWest("abc", &end), 0);
    EXPECT_EQ(end, 0u);
}

TEST(NumericText, ReadingIgnoresADecimalCommaLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "this machine has no locale with a decimal comma (de_DE.UTF-8, fr_FR.UTF-8)";
    const int parsed = ParseTenths("12.5");
    const std::string formatted = FormatNorthSouth(125);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(parsed, 125);
    EXPECT_EQ(formatted, "12.5\u00b0N");
}

TEST(NumericText, ReadingInTheClassicLocale)
{
    EXPECT_EQ(ParseTenths("12.5"), 125);
    EXPECT_EQ(FormatNorthSouth(125), "12.5\u00b0N");
}

TEST(NumericText, WholeNumbers)
{
    const struct {
        const char* typed;
        int integer, unsignedValue;
    } cases[] = {{"42", 42, 42},
                 {"-3", -3, 0},
                 {" +7x", 7, 7},
                 {"45\u00b0", 45, 45},
                 {"07'", 7, 7},
                 {"abc", 0, 0},
                 {"12.9", 12, 12},
                 {"99999999999", INT_MAX, INT_MAX},
                 {"-99999999999", INT_MIN, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.typed), c.integer) << c.typed;
        EXPECT_EQ(ParseUnsigned(c.typed), c.unsignedValue) << c.typed;
    }
}

TEST(NumericText, DisplayFormats)
{
    EXPECT_EQ(FormatNorthSouth(125), "12.5\u00b0N");
    EXPECT_EQ(FormatNorthSouth(-5), "0.5\u00b0S");
    EXPECT_EQ(FormatNorthSouth(0), "0.0\u00b0");
    EXPECT_EQ(FormatEastWest(30), "3.0\u00b0E");
    EXPECT_EQ(FormatEastWest(-175), "17.5\u00b0W");
    EXPECT_EQ(FormatEastWest(INT_MIN), "214748364.8\u00b0W");
    EXPECT_EQ(FormatDegrees(45), "45\u00b0");
    EXPECT_EQ(FormatDegrees(-3), "0\u00b0");
    EXPECT_EQ(FormatMinutes(7), "07'");
    EXPECT_EQ(FormatMinutes(59), "59'");
    EXPECT_EQ(FormatMinutes(-1), "00'");
    EXPECT_EQ(FormatInteger(-1000), "-1000");
    EXPECT_EQ(FormatUnsigned(-1), "0");
}

TEST(NumericText, EveryDisplayedTenthReadsBack)
{
    for (int v = -1800; v <= 1800; ++v) {
        ASSERT_EQ(ParseNorthSouth(FormatNorthSouth(v)), v);
        ASSERT_EQ(ParseEastWest(FormatEastWest(v)), v);
    }
}

}  // namespace
}  // namespace zenbelts::numeric
