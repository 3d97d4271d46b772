#pragma once

#include "catalogue/SatelliteCatalogue.h"

#include <istream>
#include <string>

namespace zenbelts {

// Reads every entry line ("0130=Name") of a satellite list into the catalogue;
// other lines are skipped. Returns false when the stream fails while reading.
[[nodiscard]] bool ReadSatelliteList(std::istream& in, SatelliteCatalogue& catalogue);

// Opens and reads a list file; false when it cannot be opened or read.
[[nodiscard]] bool LoadSatelliteListFile(const std::string& path, SatelliteCatalogue& catalogue);

// The failure text of start-up.
inline constexpr const char* SatelliteListLoadError = "Unable to load sats.lst";

}  // namespace zenbelts
