#include "text/NumericText.h"

#include "text/AngleText.h"
#include "text/Numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zenbelts::numeric {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

std::string Hemisphere(int tenths, char positive, char negative)
{
    const long magnitude = std::labs(static_cast<long>(tenths));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld.%ld%s", magnitude / 10, magnitude % 10, DegreeSign);
    std::string text = buffer;
    if (tenths != 0)
        text += tenths > 0 ? positive : negative;
    return text;
}

int ParseHemisphere(std::string_view text, std::size_t* end, char negativeUpper)
{
    std::size_t i = 0;
    int value = ParseTenths(text, &i);
    i = SkipBlanks(text, i);
    const std::size_t signLength = std::strlen(DegreeSign);
    if (text.substr(i, signLength) == DegreeSign)
        i = SkipBlanks(text, i + signLength);
    if (i < text.size() && (text[i] == negativeUpper || text[i] == negativeUpper + ('a' - 'A')))
        value = value == INT_MIN ? INT_MAX : -value;
    if (end)
        *end = i;
    return value;
}

}  // namespace

std::string FormatInteger(int value)
{
    return std::to_string(value);
}

std::string FormatUnsigned(int value)
{
    return std::to_string(value < 0 ? 0 : value);
}

std::string FormatDegrees(int value)
{
    return FormatUnsigned(value) + DegreeSign;
}

std::string FormatMinutes(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d'", value < 0 ? 0 : value);
    return buffer;
}

std::string FormatNorthSouth(int tenths)
{
    return Hemisphere(tenths, 'N', 'S');
}

std::string FormatEastWest(int tenths)
{
    return Hemisphere(tenths, 'E', 'W');
}

int ParseInteger(std::string_view text, std::size_t* end)
{
    std::size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digitsStart) {
        if (end)
            *end = 0;
        return 0;
    }
    if (end)
        *end = i;
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool ParseWholeNumber(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

int ParseUnsigned(std::string_view text, std::size_t* end)
{
    const int value = ParseInteger(text, end);
    return value < 0 ? 0 : value;
}

int ParseTenths(std::string_view text, std::size_t* end)
{
    std::size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // from_chars takes no sign of its own and ignores the locale.
    double number = 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const NumberReading read
        = ReadNumber(std::string_view(first, static_cast<std::size_t>(last - first)), number);
    const std::errc ec = read.ec;
    const char* ptr = first + read.length;
    if (ptr == first || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        if (end)
            *end = 0;
        return 0;
    }
    if (end)
        *end = static_cast<std::size_t>(ptr - text.data());
    if (ec == std::errc::result_out_of_range || std::isnan(number))
        return 0;
    const double tenths = std::floor((negative ? -number : number) * 10 + 0.5);
    if (tenths >= 2147483647.0)
        return INT_MAX;
    if (tenths <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(tenths);
}

int ParseNorthSouth(std::string_view text, std::size_t* end)
{
    return ParseHemisphere(text, end, 'S');
}

int ParseEastWest(std::string_view text, std::size_t* end)
{
    return ParseHemisphere(text, end, 'W');
}

std::string FormatField(FieldFormat format, int value)
{
    switch (format) {
    case FieldFormat::Integer:
        return FormatInteger(value);
    case FieldFormat::Unsigned:
        return FormatUnsigned(value);
    case FieldFormat::Degrees:
        return FormatDegrees(value);
    case FieldFormat::Minutes:
        return FormatMinutes(value);
    case FieldFormat::NorthSouth:
        return FormatNorthSouth(value);
    case FieldFormat::EastWest:
        return FormatEastWest(value);
    }
    return {};
}

namespace {

// The text with the user's separator as a point and other digits as ASCII.
std::string Normalised(std::string_view text, std::string_view separator)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (!separator.empty() && separator != "." && text.substr(i, separator.size()) == separator) {
            out += '.';
            i += separator.size();
            continue;
        }
        // U+0660..U+0669 (D9 A0..A9) and U+06F0..U+06F9 (DB B0..B9); U+066B, the Arabic decimal separator.
        const auto lead = static_cast<unsigned char>(text[i]);
        if (i + 1 < text.size() && (lead == 0xD9 || lead == 0xDB)) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xD9 && next >= 0xA0 && next <= 0xA9) {
                out += static_cast<char>('0' + next - 0xA0);
                i += 2;
                continue;
            }
            if (lead == 0xDB && next >= 0xB0 && next <= 0xB9) {
                out += static_cast<char>('0' + next - 0xB0);
                i += 2;
                continue;
            }
            if (lead == 0xD9 && next == 0xAB) {
                out += '.';
                i += 2;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

bool ConsumeAscii(std::string_view text, std::size_t& i, std::string_view what)
{
    if (text.substr(i, what.size()) != what)
        return false;
    i += what.size();
    return true;
}

}  // namespace

FieldReading ReadField(FieldFormat format, std::string_view typed, std::string_view decimalSeparator)
{
    const std::string text = Normalised(typed, decimalSeparator);
    FieldReading r;
    std::size_t end = 0;
    switch (format) {
    case FieldFormat::Integer:
        r.value = ParseInteger(text, &end);
        break;
    case FieldFormat::Unsigned:
    case FieldFormat::Degrees:
    case FieldFormat::Minutes:
        r.value = ParseUnsigned(text, &end);
        break;
    case FieldFormat::NorthSouth:
    case FieldFormat::EastWest:
        ParseTenths(text, &end);
        r.number = end > 0;
        r.value = format == FieldFormat::NorthSouth ? ParseNorthSouth(text, &end) : ParseEastWest(text, &end);
        break;
    }
    if (format != FieldFormat::NorthSouth && format != FieldFormat::EastWest)
        r.number = end > 0;
    if (!r.number)
        return r;
    // What the format writes after the number may be typed too.
    std::size_t i = SkipBlanks(text, end);
    switch (format) {
    case FieldFormat::Degrees:
        ConsumeAscii(text, i, DegreeSign);
        break;
    case FieldFormat::Minutes:
        ConsumeAscii(text, i, "'");
        break;
    case FieldFormat::NorthSouth:
    case FieldFormat::EastWest: {
        // The hemisphere parsers stop at the letter.
        const std::string_view letters = format == FieldFormat::NorthSouth ? "NnSs" : "EeWw";
        if (i < text.size() && letters.find(text[i]) != std::string_view::npos)
            ++i;
        break;
    }
    default:
        break;
    }
    r.whole = SkipBlanks(text, i) == text.size();
    return r;
}

}  // namespace zenbelts::numeric
