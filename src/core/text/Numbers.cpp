#include "text/Numbers.h"

// Header-only both: fmt for writing, fast_float for reading. The standard
// library's floating-point to_chars and from_chars are missing from some
// toolchains the core is built with.
#define FMT_HEADER_ONLY
#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>
#include <string_view>

namespace zenbelts {

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return FormatShortest(value);
    std::string out = fmt::format("{:.{}f}", value, decimals < 0 ? 0 : decimals);
    // "-0.00" reads as a sign where there is none.
    if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos)
        out.erase(0, 1);
    return out;
}

std::string FormatShortest(double value)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // fmt gives the shortest digits that read back; its choice between the
    // plain and the exponent form differs from to_chars', so the digits are
    // laid out again here.
    const std::string shortest = fmt::format("{}", std::fabs(value));
    std::string digits;
    int exponent = 0;  // of the first digit
    int point = -1;    // digits before the point, as written
    std::size_t i = 0;
    for (; i < shortest.size() && shortest[i] != 'e'; ++i) {
        if (shortest[i] == '.')
            point = static_cast<int>(digits.size());
        else
            digits += shortest[i];
    }
    if (point < 0)
        point = static_cast<int>(digits.size());
    if (i < shortest.size())
        exponent = std::stoi(shortest.substr(i + 1));
    // Leading zeros ("0.001") carry no digit; trailing ones of a whole
    // number ("100") do not either.
    const std::size_t first = digits.find_first_not_of('0');
    const std::string sign = std::signbit(value) ? "-" : "";
    if (first == std::string::npos)
        return sign + "0";
    exponent += point - 1 - static_cast<int>(first);
    digits.erase(0, first);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = static_cast<int>(digits.size());

    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        // Appended piece by piece: GCC 12 wrongly warns (-Wrestrict) when a
        // literal is put in front of a string.
        scientific += '.';
        scientific.append(digits, 1);
    }
    const int magnitude = exponent < 0 ? -exponent : exponent;
    scientific += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10)
        scientific += '0';
    scientific += std::to_string(magnitude);

    std::string plain;
    if (exponent < 0)
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (exponent + 1 == count)
        plain = digits;
    else if (exponent + 1 > count)
        plain = fmt::format("{:.0f}", std::fabs(value));  // a whole number as it is, every digit
    else
        plain = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "."
                + digits.substr(static_cast<std::size_t>(exponent + 1));
    return sign + (scientific.size() < plain.size() ? scientific : plain);
}

NumberReading ReadNumber(std::string_view text, double& value)
{
    NumberReading r;
    const char* first = text.data();
    const char* last = first + text.size();
    // fast_float takes neither '+' nor blanks either, as from_chars.
    double read = 0.0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, read);
    if (result.ec != std::errc()) {
        r.ec = std::errc::invalid_argument;
        return r;
    }
    r.length = static_cast<std::size_t>(result.ptr - first);
    // fast_float gives an infinity or a zero for what lies beyond a double;
    // from_chars calls that out of range and leaves the value.
    const std::string_view number = text.substr(0, r.length);
    const bool spelled = number.find_first_of("iInN") != std::string_view::npos;
    if (std::isinf(read) && !spelled) {
        r.ec = std::errc::result_out_of_range;
        return r;
    }
    if (read == 0.0) {
        const std::size_t mantissaEnd = number.find_first_of("eE");
        if (number.substr(0, mantissaEnd).find_first_of("123456789") != std::string_view::npos) {
            r.ec = std::errc::result_out_of_range;
            return r;
        }
    }
    value = read;
    return r;
}

}  // namespace zenbelts
