#include "plot/ArcTable.h"

#include "text/Csv.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "model/Receiver.h"
#include "plot/ArcPlot.h"
#include "text/AngleText.h"
#include "text/Numbers.h"
#include "text/OrbitalPosition.h"
#include "text/TextEncoding.h"

#include <cmath>

namespace zenbelts {

namespace {

// chosenOnly: the rows of the chosen satellites alone, as the table of misses needs.
std::vector<ArcRow> ArcRows(const MountSettings& s, const SatelliteCatalogue& catalogue, bool chosenOnly)
{
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    const double latitude = s.latitude * ArcMinutesToRadians;
    const double longitude = s.longitude * ArcMinutesToRadians;

    const ReachJudge reach(s);
    std::vector<ArcRow> rows;
    rows.reserve(catalogue.size());
    for (const SatelliteEntry& e : catalogue) {
        if (chosenOnly && !s.chosenSatellites.Test(e.position))
            continue;
        const MountAngle m = MountAngles(view, s.latitude, s.declination, e.position);
        const double motorAngle = m.a * RadiansToDegrees;
        rows.push_back({e.position, FormatSatelliteLabel(e.position), SatelliteNameToUtf8(e.name),
                        s.chosenSatellites.Test(e.position), motorAngle, m.b * RadiansToDegrees,
                        ElevationAboveHorizon(latitude, longitude, s.altitude, RingPointAtTenths(e.position))
                            * RadiansToDegrees,
                        reach.Of(e.position, motorAngle, BandOfName(e.name)).hiddenBy});
    }
    return rows;
}

}  // namespace

std::vector<ArcRow> ComputeArcTable(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    return ArcRows(s, catalogue, false);
}

}  // namespace zenbelts

namespace zenbelts {

namespace {}  // namespace

std::vector<MissRow> ComputeMissTable(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    std::vector<MissRow> rows;
    const MissRow* worst = nullptr;
    for (const ArcRow& r : ArcRows(s, catalogue, true)) {
        // The mount's y axis is east in the north, west elsewhere.
        int tenths = RoundToTenths(r.motorAngle / RadiansToDegrees);
        const double receiver = ReceiverMotorAngleAt(s, r.position);
        int receiverTenths = RoundToTenths(receiver / RadiansToDegrees);
        // The receiver's miss in the columns' own sense: east positive.
        double receiverMiss = r.motorAngle - receiver;
        if (s.latitude <= 0) {
            tenths = -tenths;
            receiverTenths = -receiverTenths;
            receiverMiss = -receiverMiss;
        }
        MissRow row{r.position,
                    r.label,
                    r.name,
                    FormatTenths(tenths, 'E', 'W'),
                    FormatFixed(std::fabs(r.offset), 2) + DegreeSign + (r.offset >= 0 ? " above" : " below"),
                    FormatFixed(r.elevation, 1) + DegreeSign,
                    std::fabs(r.offset),
                    r.elevation >= 0.0,
                    false,
                    r.motorAngle,
                    r.offset,
                    r.elevation,
                    receiver,
                    FormatTenths(receiverTenths, 'E', 'W'),
                    FormatSignedDegrees(receiverMiss, 2) + DegreeSign,
                    r.hiddenBy};
        rows.push_back(row);
    }
    // The worst miss of those the dish can reach.
    for (const MissRow& row : rows) {
        if (row.Reachable() && (!worst || row.missDegrees > worst->missDegrees))
            worst = &row;
    }
    if (worst)
        rows[static_cast<std::size_t>(worst - rows.data())].worst = true;
    return rows;
}

std::string MissTableText(const std::vector<MissRow>& rows, bool receiver)
{
    std::string text;
    for (int i = 0; i < (receiver ? 7 : 5); ++i)
        text += std::string(i ? "\t" : "") + MissTableHeadings[i];
    text += "\n";
    for (const MissRow& r : rows) {
        text += r.label + "\t" + r.name + "\t" + r.motor + "\t" + r.miss + "\t" + r.elevation;
        if (receiver)
            text += "\t" + r.receiver + "\t" + r.receiverMiss;
        text += "\n";
    }
    return text;
}

std::string MissTableCsv(const std::vector<MissRow>& rows, bool receiver)
{
    std::string text = "position,name,motorAngle,miss,elevation";
    text += receiver ? ",receiverAngle,receiverMiss\n" : "\n";
    // Field by field onto the text: no string is put in front of another,
    // which GCC 12 wrongly warns about (-Wrestrict).
    const auto field = [&text](const std::string& value) {
        text += ',';
        text += value;
    };
    for (const MissRow& r : rows) {
        // The label as the observations' file reads it: 19.2E, 5.0W.
        text += PositionCode(r.position);
        field(CsvField(r.name));
        field(FormatFixed(r.motorAngle, 3));
        field(FormatFixed(r.offset, 3));
        field(FormatFixed(r.elevationDegrees, 2));
        if (receiver) {
            field(FormatFixed(r.receiverAngle, 3));
            field(FormatFixed(r.motorAngle - r.receiverAngle, 3));
        }
        text += '\n';
    }
    return text;
}

}  // namespace zenbelts
