#include "text/Numbers.h"

#include <charconv>
#include <string_view>

namespace zenbelts {

std::string FormatFixed(double value, int decimals)
{
    char text[512];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string out = ec == std::errc() ? std::string(text, end) : std::string("0");
    // "-0.00" reads as a sign where there is none.
    if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos)
        out.erase(0, 1);
    return out;
}

std::string FormatShortest(double value)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace zenbelts
