#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zenbelts {

// Length of the valid UTF-8 sequence that starts at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// Appends one code point (up to U+10FFFF) in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t code);

// A satellite name as UTF-8: kept as it is when it is valid UTF-8, otherwise
// read as Windows-1252, so lists written on either platform read right.
std::string SatelliteNameToUtf8(std::string_view bytes);

}  // namespace zenbelts
