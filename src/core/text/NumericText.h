#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The display formats of the numeric fields and how typed text reads back.
// Texts are UTF-8. The parsers read a point as the decimal separator;
// ReadField takes the user's separator and digits as well.

namespace zenbelts::numeric {

// "%d"
std::string FormatInteger(int value);
// "%d", negative values shown as 0
std::string FormatUnsigned(int value);
// "45°", negative values shown as 0
std::string FormatDegrees(int value);
// "07'", negative values shown as 0
std::string FormatMinutes(int value);
// Tenths as "12.5°N", "0.5°S", "0.0°" (no letter for 0)
std::string FormatNorthSouth(int tenths);
std::string FormatEastWest(int tenths);

// The whole text as a plain decimal integer (an optional '-', digits, nothing
// else) within the int range: how values on a command line or in a file read.
bool ParseWholeNumber(std::string_view text, int& value);

// A whole number in the manner of strtol (leading blanks, sign, digits),
// limited to the int range; end: where reading stopped.
int ParseInteger(std::string_view text, std::size_t* end = nullptr);
// As ParseInteger; a negative result reads as 0.
int ParseUnsigned(std::string_view text, std::size_t* end = nullptr);
// A number of degrees in the manner of strtod, as tenths: halves upward, out
// of the conversion's range 0, beyond the int range limited to it.
int ParseTenths(std::string_view text, std::size_t* end = nullptr);
// Tenths, then an optional degree sign; S or s (W or w) negates. end: at the
// letter, which is not consumed.
int ParseNorthSouth(std::string_view text, std::size_t* end = nullptr);
int ParseEastWest(std::string_view text, std::size_t* end = nullptr);

// The kinds of numeric field, each with its display format.
enum class FieldFormat { Integer, Unsigned, Degrees, Minutes, NorthSouth, EastWest };

std::string FormatField(FieldFormat format, int value);

// What a field made of its text.
struct FieldReading {
    int value = 0;
    bool number = false;  // a number stood at the start (without one the value is 0)
    bool whole = false;   // nothing followed it but what the format writes itself
};

// Reads a field's text as its format does, the decimal separator of the
// user's language (UTF-8; empty or "." for none other) read as a point, and
// Arabic-Indic digits as digits, so that "1,5" and "1.5" read alike in German.
FieldReading ReadField(FieldFormat format, std::string_view text, std::string_view decimalSeparator = {});

}  // namespace zenbelts::numeric
