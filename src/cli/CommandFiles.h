#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "cli/Arguments.h"
#include "model/MountSettings.h"

#include <filesystem>
#include <string>

// The files every command reads and writes, each failure one line naming
// the file.

namespace zenbelts::cli {

MountSettings ReadSettingsFile(const std::string& path);
void WriteSettingsFile(const std::string& path, const MountSettings& settings);
// Writing over the very file read would lose it.
void RefuseOutputOverInput(const std::string& output, const std::string& input);
// The list given with --sats, else defaultSats.
SatelliteCatalogue ReadCatalogue(Arguments& args, const std::filesystem::path& defaultSats);

}  // namespace zenbelts::cli
