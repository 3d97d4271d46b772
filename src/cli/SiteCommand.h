#pragma once

#include "cli/Arguments.h"

#include <ostream>

namespace zenbelts::cli {

// site FILE.zb [--date YYYY-MM-DD] [--json]: what every scale, the compass
// and the sun tell at the dish on a date (UTC; today by default).
int CommandSite(Arguments args, std::ostream& out);

}  // namespace zenbelts::cli
