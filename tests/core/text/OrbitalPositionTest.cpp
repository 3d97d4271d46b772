#include "text/OrbitalPosition.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

// One reading of positions for every format, each allowing what it writes.
TEST(OrbitalPosition, OneReadingWithTheSyntaxOfEachFormat)
{
    const PositionSyntax receiver{.roundDecimals = true};
    const PositionSyntax observation{.degreeSign = true, .programNumber = true};
    const struct {
        const char* text;
        std::optional<int> asReceiver, asObservation;
    } cases[] = {
        {"19.2E", 192, 192},
        {"0.8w", 3592, 3592},
        {"180.0W", 1800, 1800},
        {"180.1E", std::nullopt, std::nullopt},
        {"19.25E", 193, std::nullopt},
        {"13.0\u00b0E", std::nullopt, 130},
        {"0192", std::nullopt, 192},
        {"3600", std::nullopt, std::nullopt},
        {"19.2", std::nullopt, std::nullopt},
        {"19.2 E", std::nullopt, std::nullopt},
        {"E", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePosition(c.text, receiver), c.asReceiver) << "receiver: " << c.text;
        EXPECT_EQ(ParsePosition(c.text, observation), c.asObservation) << "observation: " << c.text;
    }
    int position = 0;
    EXPECT_EQ(ParsePositionPrefix("19.2 E Astra", position, {.blankBeforeLetter = true}), 6u);
    EXPECT_EQ(position, 192);
    EXPECT_EQ(ParsePositionPrefix("19.2EAstra", position), 0u) << "a letter of the name follows";
}

TEST(OrbitalPosition, TheLabelAndTheCodeReadBack)
{
    for (int position = 0; position < PositionCount; ++position) {
        ASSERT_EQ(ParsePosition(PositionCode(position)), position) << position;
        if (position != 0) {
            ASSERT_EQ(ParsePosition(FormatSatelliteLabel(position), {.degreeSign = true}), position)
                << position;
        }
    }
    EXPECT_EQ(FormatSatelliteLabel(0), "0.0\u00b0");
    EXPECT_EQ(PositionCode(0), "0.0E");
}

}  // namespace
}  // namespace zenbelts

#include "text/AngleText.h"
#include "text/Csv.h"

namespace zenbelts {
namespace {

// The one signed format of degrees and the one CSV field of every table.
TEST(NumberTexts, SignedDegreesAndCsvFields)
{
    const std::pair<double, const char*> signedCases[]
        = {{0.36, "+0.36"}, {-1.2, "-1.20"}, {-0.004, "+0.00"},
           {0.0, "+0.00"},  {-0.0, "+0.00"}, {12.345, "+12.35"}};
    for (const auto& [value, text] : signedCases)
        EXPECT_EQ(FormatSignedDegrees(value, 2), text) << value;
    const std::pair<const char*, const char*> csvCases[] = {{"Astra", "Astra"},
                                                            {"Hot Bird, 13E", "\"Hot Bird, 13E\""},
                                                            {"the \"one\"", "\"the \"\"one\"\"\""},
                                                            {"two\nlines", "\"two\nlines\""}};
    for (const auto& [text, field] : csvCases)
        EXPECT_EQ(CsvField(text), field) << text;
}

}  // namespace
}  // namespace zenbelts
