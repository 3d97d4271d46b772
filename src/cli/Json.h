#pragma once

#include "model/MountSettings.h"

#include <string>
#include <string_view>

namespace zenbelts::cli {

// A string as a JSON literal; bytes that are not valid UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// One object keyed by the record's field names; frames as 16 numbers, row-major.
std::string SettingsToJson(const MountSettings& settings);

}  // namespace zenbelts::cli
