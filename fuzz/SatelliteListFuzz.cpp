// The satellite list reader on any text: it never crashes, and what it keeps
// is unique, ascending and one line per name.

#include "catalogue/SatelliteList.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    SatelliteCatalogue catalogue;
    (void)ReadSatelliteList(in, catalogue);
    int previous = -1;
    for (const SatelliteEntry& e : catalogue) {
        if (e.position <= previous || e.position >= PositionCount || e.name.find('\n') != std::string::npos)
            std::abort();
        previous = e.position;
    }
    return 0;
}
