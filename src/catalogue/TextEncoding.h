#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zenbelts {

// Length of the valid UTF-8 sequence that starts at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// A satellite name as UTF-8: kept as it is when it is valid UTF-8, otherwise
// read as Windows-1252, so lists written on either platform read right.
std::string SatelliteNameToUtf8(std::string_view bytes);

}  // namespace zenbelts
