#pragma once

#include <string>

// Numbers as the program writes them, whatever the user's locale: a point
// for decimals, digits that read back the same everywhere.

namespace zenbelts {

// With so many decimals, rounded to nearest; what rounds to zero has no
// minus sign.
std::string FormatFixed(double value, int decimals);

// The shortest text that reads back as exactly this value ("0.1", "1e-07").
std::string FormatShortest(double value);

}  // namespace zenbelts
