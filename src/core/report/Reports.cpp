#include "report/Reports.h"

#include "model/Receiver.h"
#include "sky/CivilTime.h"
#include "text/AngleText.h"
#include "text/JsonString.h"
#include "text/Numbers.h"

#include <optional>
#include <sstream>

namespace zenbelts {

namespace {

std::string Number(double value)
{
    return FormatShortest(value);
}

std::string Number(const std::optional<double>& value)
{
    return value ? FormatShortest(*value) : std::string("null");
}

std::string TenthsObject(const std::array<int, 6>& values)
{
    std::string json = "{";
    for (std::size_t i = 0; i < Adjustments.size(); ++i)
        json += (i ? ", " : "") + JsonString(Adjustments[i].name) + ": " + std::to_string(values[i]);
    return json + "}";
}

}  // namespace

std::string ReceiverJsonFields(const MountSettings& settings, const ArcRow& row)
{
    const double receiver = ReceiverMotorAngleAt(settings, row.position);
    return ", \"receiverAngle\": " + FormatShortest(receiver) + ", \"receiverMiss\": "
           + FormatShortest(row.motorAngle - receiver) + ", \"gotoX\": \"" + GotoXText(row.motorAngle) + "\"";
}

std::string ArcJson(const MountSettings& settings, const std::vector<ArcRow>& rows)
{
    std::ostringstream out;
    out << "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ArcRow& r = rows[i];
        out << (i ? ",\n " : "\n ") << "{\"position\": " << r.position
            << ", \"label\": " << JsonString(r.label) << ", \"name\": " << JsonString(r.name)
            << ", \"chosen\": " << (r.chosen ? "true" : "false")
            << ", \"motorAngle\": " << Number(r.motorAngle) << ", \"offset\": " << Number(r.offset)
            << ", \"elevation\": " << Number(r.elevation)
            << ", \"reachable\": " << (r.hiddenBy == HiddenBy::None ? "true" : "false") << ", \"hiddenBy\": "
            << (HiddenByName(r.hiddenBy) ? JsonString(HiddenByName(r.hiddenBy)) : std::string("null"))
            << ReceiverJsonFields(settings, r) << "}";
    }
    out << (rows.empty() ? "]\n" : "\n]\n");
    return out.str();
}

std::string Sentences(const std::vector<Message>& sentences)
{
    std::string text;
    for (const Message& m : sentences) {
        if (!text.empty())
            text.push_back(' ');
        text.append(m.English());
    }
    return text;
}

std::string DiagnoseJson(const Diagnosis& d)
{
    std::ostringstream out;
    out << "{\"adjustments\": " << TenthsObject(d.fitted) << ",\n \"changes\": " << TenthsObject(d.change)
        << ",\n \"autoDeclination\": " << (d.autoDeclination ? "true" : "false")
        << ",\n \"rmsBefore\": " << Number(d.rmsBefore) << ",\n \"rmsAfter\": " << Number(d.rmsAfter)
        << ",\n \"residuals\": [";
    for (std::size_t i = 0; i < d.residuals.size(); ++i) {
        const ObservationResidual& r = d.residuals[i];
        out << (i ? ",\n  " : "\n  ") << "{\"position\": " << r.position
            << ", \"motorAngle\": " << Number(r.motorAfter) << ", \"offset\": " << Number(r.offsetAfter)
            << "}";
    }
    out << "],\n \"unresolved\": [";
    for (std::size_t i = 0; i < d.unresolved.size(); ++i)
        out << (i ? ", " : "") << JsonString(d.unresolved[i]);
    const char* source = d.precisionSource == PrecisionSource::Stated      ? "stated"
                         : d.precisionSource == PrecisionSource::Estimated ? "estimated"
                                                                           : "assumed";
    out << "],\n \"precision\": {\"motor\": " << Number(d.precision.motor)
        << ", \"offset\": " << Number(d.precision.offset) << ", \"source\": " << JsonString(source)
        << "},\n \"uncertainty\": {\"worstMotor\": " << Number(d.worstMotor)
        << ", \"worstOffset\": " << Number(d.worstOffset) << "},\n \"predicted\": [";
    for (std::size_t i = 0; i < d.predicted.size(); ++i) {
        const PredictedSatellite& p = d.predicted[i];
        out << (i ? ",\n  " : "\n  ") << "{\"position\": " << p.position
            << ", \"motorAngle\": " << Number(p.motorAngle) << ", \"offset\": " << Number(p.offset)
            << ", \"motorSigma\": " << Number(p.motorSigma) << ", \"offsetSigma\": " << Number(p.offsetSigma)
            << "}";
    }
    out << "],\n \"warning\": " << (d.warning ? JsonString(d.warning->English()) : "null")
        << ",\n \"next\": ";
    if (d.next.empty())
        out << "null";
    else
        out << "{\"position\": " << d.next.front().position
            << ", \"worstAfter\": " << Number(d.next.front().worstAfter) << "}";
    out << ",\n \"explanation\": " << JsonString(Sentences(d.explanation)) << ",\n \"advice\": [";
    for (std::size_t i = 0; i < d.advice.size(); ++i)
        out << (i ? ", " : "") << JsonString(d.advice[i].text.English());
    out << "]}\n";
    return out.str();
}

std::string FirstObservationsJson(const FirstObservations& first)
{
    std::ostringstream out;
    out << "{\"first\": [";
    for (std::size_t i = 0; i < first.positions.size(); ++i)
        out << (i ? ", " : "") << first.positions[i];
    out << "], \"worstAfter\": " << (first.positions.empty() ? "null" : Number(first.worstAfter)) << "}\n";
    return out.str();
}

std::string SiteJson(const MountSettings& s, const AtTheDishReport& r)
{
    std::ostringstream out;
    out << "{\"date\": " << JsonString(FormatIsoDate(r.date))
        << ", \"magneticDeclination\": " << Number(r.magneticDeclination)
        << ", \"magneticModelValid\": " << (r.magneticModelCovers ? "true" : "false")
        << ", \"trueSouthBearing\": " << Number(r.trueSouthBearing)
        << ", \"axisElevation\": " << Number(r.mount.axisElevation)
        << ", \"axisAzimuth\": " << Number(r.mount.axisAzimuth)
        << ", \"motorScale\": {\"axisElevation\": " << Number(r.mount.scaleAxisElevation)
        << ", \"latitude\": " << Number(r.mount.scaleLatitude) << "}"
        << ", \"clampAngle\": " << Number(r.mount.clampAngle) << ", \"dishOffset\": " << s.dishOffset
        << ", \"feedUp\": " << s.feedUp
        << ",\n \"motorZero\": {\"beamElevation\": " << Number(r.motorZero.beamBearing.elevation)
        << ", \"beamAzimuth\": " << Number(r.motorZero.beamBearing.azimuth)
        << ", \"compassBearing\": " << Number(r.motorZeroCompassBearing)
        << ", \"faceTilt\": " << Number(r.motorZero.faceTilt) << "}"
        << ",\n \"sun\": {\"transit\": " << JsonString(FormatIsoUtc(r.transit))
        << ", \"transitElevation\": " << Number(r.transitSun.ElevationDegrees())
        << ", \"transitAzimuth\": " << Number(r.transitSun.azimuthDegrees) << "},\n \"satellites\": [";
    for (std::size_t i = 0; i < r.satellites.size(); ++i) {
        const SatelliteAtTheDish& sat = r.satellites[i];
        out << (i ? ",\n  " : "\n  ") << "{\"position\": " << sat.position
            << ", \"label\": " << JsonString(FormatSatelliteLabel(sat.position))
            << ", \"azimuth\": " << Number(sat.satellite.azimuth)
            << ", \"compassBearing\": " << Number(sat.compassBearing)
            << ", \"elevation\": " << Number(sat.satellite.elevation)
            << ", \"motorAngle\": " << Number(sat.motorAngle) << ", \"faceTilt\": " << Number(sat.faceTilt)
            << ", \"sunTime\": " << (sat.sun ? JsonString(FormatIsoUtc(sat.sun->unixSeconds)) : "null")
            << ", \"sunElevation\": " << (sat.sun ? Number(sat.sun->elevationDegrees) : "null") << "}";
    }
    out << (r.satellites.empty() ? "]}\n" : "\n ]}\n");
    return out.str();
}

std::string PositionsJson(const PositionsTable& table, const std::vector<PositionerCommand>& commands)
{
    std::ostringstream out;
    out << "{\"east\": " << Number(table.east) << ", \"west\": " << Number(table.west)
        << ", \"margin\": " << Number(table.margin) << ", \"speed\": " << Number(table.speed)
        << ",\n \"slots\": [";
    for (std::size_t i = 0; i < table.stored.size(); ++i) {
        const PositionSlot& s = table.stored[i];
        out << (i ? ",\n  " : "\n  ") << "{\"slot\": " << s.slot << ", \"position\": " << s.position
            << ", \"label\": " << JsonString(FormatSatelliteLabel(s.position))
            << ", \"name\": " << JsonString(s.name) << ", \"motorAngle\": " << Number(s.motorAngle)
            << ", \"gotoX\": \"" << CommandBytesText({s.gotoX.begin(), s.gotoX.end()})
            << "\", \"receiverAngle\": " << Number(s.receiverAngle)
            << ", \"turnSeconds\": " << Number(s.turnSeconds) << "}";
    }
    out << (table.stored.empty() ? "],\n" : "\n ],\n") << " \"leftOut\": [";
    for (std::size_t i = 0; i < table.leftOut.size(); ++i) {
        const LeftOutSatellite& s = table.leftOut[i];
        const char* hidden = HiddenByName(s.hiddenBy);
        out << (i ? ", " : "") << "{\"position\": " << s.position
            << ", \"hiddenBy\": " << (hidden ? JsonString(hidden) : std::string("null")) << "}";
    }
    out << "],\n \"commands\": [";
    for (std::size_t i = 0; i < commands.size(); ++i)
        out << (i ? ",\n  " : "\n  ") << "{\"bytes\": \"" << CommandBytesText(commands[i].bytes)
            << "\", \"what\": " << JsonString(commands[i].what.English()) << "}";
    out << "\n ]}\n";
    return out.str();
}

}  // namespace zenbelts
