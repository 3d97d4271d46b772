#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "cli/Arguments.h"
#include "model/MountSettings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The files every command reads and writes, each failure one line naming
// the file.

namespace zenbelts::cli {

// A regular file of at most maxBytes, whole.
std::vector<std::uint8_t> ReadInputFile(const std::string& path, std::size_t maxBytes);
MountSettings ReadSettingsFile(const std::string& path);
void WriteSettingsFile(const std::string& path, const MountSettings& settings);
// Writing over a file read would lose it: fails when output is any of the
// inputs or of the files inside an input folder (IsAnyOfTheInputs).
void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs);
// The list given with --sats, else defaultSats; listPath: the one read.
SatelliteCatalogue ReadCatalogue(Arguments& args, const std::filesystem::path& defaultSats,
                                 std::string& listPath);

}  // namespace zenbelts::cli
