#pragma once

#include "cli/Arguments.h"

#include <filesystem>
#include <ostream>

namespace zenbelts::cli {

// positions FILE.zb [--json | --csv] [--margin DEGREES] [--speed DEGREES] [--sats FILE]:
// the slots a receiver stores, east to west, the soft limits and the
// positioner commands that set them.
int CommandPositions(Arguments args, const std::filesystem::path& defaultSats, std::ostream& out);

}  // namespace zenbelts::cli
