#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

namespace zenbelts::testing_support {

// The factory set-up moved to a site (arc-minutes), its mount recalculated there.
inline MountSettings At(int latitude, int longitude, const SatelliteCatalogue& catalogue)
{
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    s.latitude = latitude;
    s.longitude = longitude;
    s.Recalculate(true);
    return s;
}

}  // namespace zenbelts::testing_support
