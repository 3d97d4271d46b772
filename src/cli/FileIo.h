#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zenbelts::cli {

// The whole file, or an error in plain words ("no such file").
bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Writes beside the target and renames over it, so that a failure never
// leaves a half-written file. Returns false with the error in plain words.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);

}  // namespace zenbelts::cli
