#pragma once

#include "cli/Arguments.h"

#include <filesystem>
#include <ostream>

namespace zenbelts::cli {

// diagnose FILE.zb OBSERVATIONS.csv [--json] [-o FITTED.zb] [--precision MOTOR[,OFFSET]]
// [--prior DEGREES] [--sats FILE]:
// how the mount really stands and what to turn to bring it to the set-up.
int CommandDiagnose(Arguments args, const std::filesystem::path& defaultSats, std::ostream& out);

}  // namespace zenbelts::cli
