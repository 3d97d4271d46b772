#pragma once

// What every reader of receivers' files must keep, whatever it is fed: one
// entry per position, ascending, a name that is no longer than a line of the
// program's list allows and holds nothing a terminal obeys, and a list that
// reads back as the same satellites.

#include "catalogue/ReceiverFormats.h"
#include "catalogue/SatelliteList.h"
#include "text/TextEncoding.h"

#include <cstdlib>
#include <string>

namespace zenbelts {

inline void CheckImported(const ImportResult& r)
{
    if (r.read < 0 || r.merged < 0 || r.skipped < 0 || r.cut < 0
        || static_cast<std::size_t>(r.read - r.merged) != r.satellites.size())
        std::abort();
    int previous = -1;
    for (const ImportedSatellite& s : r.satellites) {
        if (s.position <= previous || s.position >= PositionCount || s.name.empty()
            || s.name.size() > ImportAccumulator::MaxNameBytes)
            std::abort();
        for (std::size_t i = 0; i < s.name.size(); ++i) {
            if (DisplayControlLength(s.name, i) > 0)
                std::abort();
        }
        previous = s.position;
    }
    SatelliteCatalogue back;
    if (!ReadSatelliteList(WriteSatelliteList(r.satellites), back) || back.size() != r.satellites.size())
        std::abort();
    auto it = r.satellites.begin();
    for (const SatelliteEntry& e : back) {
        if (e.position != it->position || e.name != it->name)
            std::abort();
        ++it;
    }
}

}  // namespace zenbelts
