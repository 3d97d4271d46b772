#pragma once

#include "model/MountSettings.h"
#include "text/JsonString.h"

#include <string>
#include <string_view>

// JSON as the tool prints it, for the tool and the page alike.

namespace zenbelts {

// One object keyed by the record's field names; frames as 16 numbers, row-major.
std::string SettingsToJson(const MountSettings& settings);

}  // namespace zenbelts
