#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Numbers as the program writes and reads them, whatever the user's locale
// and whatever the toolchain: a point for decimals, digits that read back the
// same everywhere. Every double the core writes or reads as text goes through
// here, so that the desktop build and the browser's build print the same.

namespace zenbelts {

// With so many decimals, rounded to nearest; what rounds to zero has no
// minus sign.
std::string FormatFixed(double value, int decimals);

// The shortest text that reads back as exactly this value ("0.1", "1e-07"),
// in the plain or the exponent form, whichever is shorter (the plain on a
// tie), as std::to_chars writes it.
std::string FormatShortest(double value);

// Reads a number at the start of text as std::from_chars does in its general
// format: an optional '-', digits with an optional point and exponent, "inf"
// and "nan"; no '+', no blanks. ec: invalid_argument when no number stands
// there, result_out_of_range when it lies beyond a double (end then still
// past it, value untouched).
struct NumberReading {
    std::size_t length = 0;  // characters read
    std::errc ec = std::errc();
};
NumberReading ReadNumber(std::string_view text, double& value);

}  // namespace zenbelts
