#include "view/ArcTable.h"

#include "catalogue/TextEncoding.h"
#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/AngleText.h"
#include "view/ArcPlot.h"

namespace zenbelts {

std::vector<ArcRow> ComputeArcTable(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    const double latitude = s.latitude * ArcMinutesToRadians;
    const double longitude = s.longitude * ArcMinutesToRadians;

    std::vector<ArcRow> rows;
    rows.reserve(catalogue.size());
    for (const SatelliteEntry& e : catalogue) {
        const MountAngle m = MountAngles(view, s.latitude, s.declination, e.position);
        rows.push_back({e.position, FormatSatelliteLabel(e.position), SatelliteNameToUtf8(e.name),
                        s.chosenSatellites.Test(e.position), m.a * RadiansToDegrees,
                        m.b * RadiansToDegrees,
                        ElevationAboveHorizon(latitude, longitude, s.altitude,
                                              RingPointAtTenths(e.position))
                            * RadiansToDegrees});
    }
    return rows;
}

}  // namespace zenbelts
