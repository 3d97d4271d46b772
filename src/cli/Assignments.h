#pragma once

#include "model/MountSettings.h"

#include <string>
#include <string_view>

namespace zenbelts::cli {

// Applies one NAME=VALUE (or chosen+=POS, chosen-=POS) the way the desktop
// program would. Returns an empty string, or why it was refused; a refused
// assignment leaves the set-up as it was.
std::string ApplyAssignment(MountSettings& settings, std::string_view assignment);

}  // namespace zenbelts::cli
