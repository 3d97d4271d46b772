#include "text/Numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

// The portable conversions against the standard library's own, where the
// native toolchain has them: the browser's build must print and read the
// very same digits.

namespace zenbelts {
namespace {

std::string StdShortest(double v)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, v);
    return std::string(text, end);
}

std::string StdFixed(double v, int decimals)
{
    char text[512];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals);
    std::string out(text, end);
    if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos)
        out.erase(0, 1);
    return out;
}

TEST(Numbers, WritesWhatToCharsWrites)
{
    // The choice between plain and exponent, ties, whole numbers beyond the
    // shortest digits, signed zero, the ends of the range.
    for (const double v : {0.0,
                           -0.0,
                           0.1,
                           1e-7,
                           0.0001,
                           0.001,
                           100000.0,
                           123456.0,
                           1e15,
                           1e16,
                           1e21,
                           1e22,
                           -8119132263947012096.0,
                           5e-324,
                           2.2250738585072014e-308,
                           1.7976931348623157e308,
                           0.30000000000000004,
                           43.333333333333336,
                           -19.7,
                           1.5,
                           25.0})
        EXPECT_EQ(FormatShortest(v), StdShortest(v)) << v;
    std::mt19937_64 random(24);
    for (int i = 0; i < 60000; ++i) {
        double v;
        if (i % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
        } else {
            // Angles and misses as the tool prints them.
            v = std::ldexp(static_cast<double>(random() % 4000000) - 2000000.0,
                           -static_cast<int>(random() % 40));
        }
        ASSERT_EQ(FormatShortest(v), StdShortest(v)) << "bits of case " << i;
        if (std::isfinite(v) && std::fabs(v) < 1e12) {
            const int decimals = static_cast<int>(random() % 7);
            ASSERT_EQ(FormatFixed(v, decimals), StdFixed(v, decimals)) << v << " to " << decimals;
        }
    }
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12");  // the exact binary value, halves to even
}

TEST(Numbers, ReadsWhatFromCharsReads)
{
    for (const char* text : {"1e400",
                             "-1e400",
                             "1e-400",
                             "4e-320",
                             "1e-310",
                             "0e999",
                             "0.000e-999",
                             "inf",
                             "-inf",
                             "infinity",
                             "infx",
                             "nan",
                             "nan(12)",
                             "-0",
                             "1e",
                             "1e+",
                             "+1",
                             " 1",
                             ".5",
                             "5.",
                             "-.5",
                             "0x10",
                             "1.5e3x",
                             "00012",
                             "",
                             "-",
                             ".",
                             "e5",
                             "NaN",
                             "INF",
                             "123456789012345678901234567890",
                             "1.7976931348623159e308",
                             "2,5",
                             "19.2E"}) {
        const std::string_view t(text);
        double expected = 7.0, read = 7.0;
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), expected);
        const NumberReading r = ReadNumber(t, read);
        EXPECT_EQ(r.ec, ec) << '"' << text << '"';
        if (ec == std::errc::invalid_argument)
            continue;
        EXPECT_EQ(r.length, static_cast<std::size_t>(end - t.data())) << '"' << text << '"';
        EXPECT_TRUE(std::memcmp(&read, &expected, sizeof read) == 0
                    || (std::isnan(read) && std::isnan(expected)))
            << '"' << text << "\": " << read << " against " << expected;
    }
}

}  // namespace
}  // namespace zenbelts
