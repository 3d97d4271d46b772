// The observations reader on any text: it reads or refuses with the line, and
// what it reads is in range and writes into text that reads back the same.

#include "model/Observations.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<Observation> rows;
    try {
        rows = ParseObservations(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ObservationsError& e) {
        if (e.line() < 1)
            std::abort();
        return 0;
    }
    for (const Observation& o : rows) {
        if (o.position < 0 || o.position >= 3600 || !(std::fabs(o.motorAngle) <= 180.0)
            || (o.offset && !(std::fabs(*o.offset) <= 90.0)))
            std::abort();
    }
    try {
        if (ParseObservations(WriteObservations(rows)) != rows)
            std::abort();
    } catch (const ObservationsError&) {
        std::abort();  // the program's own writing must read
    }
    return 0;
}
