#include "plot/ArcTable.h"

#include "catalogue/TextEncoding.h"
#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "plot/ArcPlot.h"
#include "text/AngleText.h"

#include <cmath>
#include <cstdio>

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
                        s.chosenSatellites.Test(e.position), m.a * RadiansToDegrees, m.b * RadiansToDegrees,
                        ElevationAboveHorizon(latitude, longitude, s.altitude, RingPointAtTenths(e.position))
                            * RadiansToDegrees});
    }
    return rows;
}

}  // namespace zenbelts

namespace zenbelts {

namespace {

std::string Printed(const char* format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::vector<MissRow> ComputeMissTable(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    std::vector<MissRow> rows;
    const MissRow* worst = nullptr;
    for (const ArcRow& r : ComputeArcTable(s, catalogue)) {
        if (!r.chosen)
            continue;
        // The mount's y axis is east in the north, west elsewhere.
        int tenths = RoundToTenths(r.motorAngle / RadiansToDegrees);
        if (s.latitude <= 0)
            tenths = -tenths;
        MissRow row{r.position,
                    r.label,
                    r.name,
                    FormatTenths(tenths, 'E', 'W'),
                    Printed("%.2f", std::fabs(r.offset)) + DegreeSign + (r.offset >= 0 ? " above" : " below"),
                    Printed("%.1f", r.elevation) + DegreeSign,
                    std::fabs(r.offset),
                    r.elevation >= 0.0,
                    false};
        rows.push_back(row);
    }
    for (const MissRow& row : rows) {
        if (row.visible && (!worst || row.missDegrees > worst->missDegrees))
            worst = &row;
    }
    if (worst)
        rows[static_cast<std::size_t>(worst - rows.data())].worst = true;
    return rows;
}

std::string MissTableText(const std::vector<MissRow>& rows)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        text += std::string(i ? "\t" : "") + MissTableHeadings[i];
    text += "\n";
    for (const MissRow& r : rows)
        text += r.label + "\t" + r.name + "\t" + r.motor + "\t" + r.miss + "\t" + r.elevation + "\n";
    return text;
}

}  // namespace zenbelts
