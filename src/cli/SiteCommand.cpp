#include "cli/SiteCommand.h"

#include "cli/Cli.h"
#include "cli/CommandFiles.h"
#include "cli/TextOut.h"
#include "model/AtTheDish.h"
#include "report/Reports.h"
#include "text/AngleText.h"
#include "text/Numbers.h"

#include <cmath>
#include <ctime>
#include <string>

namespace zenbelts::cli {

namespace {

// Tenths of a degree, halves upward, as the set-up's own angles.
int Tenths(double degrees)
{
    return static_cast<int>(std::floor(degrees * 10.0 + 0.5));
}

std::string Hemisphere(double degrees, char positive, char negative)
{
    return FormatTenths(Tenths(degrees), positive, negative);
}

std::string Degrees(double degrees)
{
    return FormatFixed(degrees, 1) + DegreeSign;
}

// The system's local time of day, and its zone's abbreviation.
std::string LocalTime(double unixSeconds)
{
    const auto t = static_cast<std::time_t>(std::floor(unixSeconds + 0.5));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%H:%M:%S %Z", &local);
    return text;
}

// "12:40:57 UTC (14:40:57 CEST)"
std::string Times(double unixSeconds)
{
    const std::string iso = FormatIsoUtc(unixSeconds);
    return iso.substr(11, 8) + " UTC (" + LocalTime(unixSeconds) + ")";
}

std::string FaceText(double tilt)
{
    if (Tenths(std::fabs(tilt)) == 0)
        return "vertical";
    return Degrees(std::fabs(tilt)) + (tilt > 0 ? " back" : " forward") + " from vertical";
}

std::string DishText(const MountSettings& s)
{
    if (s.dishOffset == 0)
        return "prime focus";
    return "offset " + Degrees(s.dishOffset / 10.0) + ", feed arm " + (s.feedUp ? "above" : "below")
           + " the dish";
}

void PrintText(const std::string& input, const MountSettings& s, const AtTheDishReport& r, std::ostream& out)
{
    const auto line = [&out](const std::string& caption, const std::string& text) {
        out << Padded(caption, 16) << text << '\n';
    };
    const char* meridian = r.southern ? "north" : "south";
    out << "At the dish: " << Shown(input) << " on " << FormatIsoDate(r.date) << " (UTC)\n";
    line("Site:", FormatSite(s.latitude, s.longitude, s.altitude));
    line("Dish:", DishText(s));
    line("Compass:", "magnetic declination " + Hemisphere(r.magneticDeclination, 'E', 'W')
                         + " (World Magnetic Model 2025)");
    if (!r.magneticModelCovers)
        out << Padded("", 16)
            << "Warning: the model holds from 2025.0 to 2030.0; this date lies outside it and\n"
            << Padded("", 16) << "the declination is extrapolated: check it against a local source.\n";
    line(std::string("True ") + meridian + ":", "compass bearing " + Degrees(r.trueSouthBearing));
    line("Motor axis:", "inclinometer on the axis " + Degrees(r.mount.axisElevation)
                            + " above the horizon, towards " + Degrees(r.mount.axisAzimuth) + " true ("
                            + Degrees(CompassBearing(r.mount.axisAzimuth, r.magneticDeclination))
                            + " by compass)");
    line("Motor scale:", Degrees(r.mount.scaleAxisElevation) + " if it shows the axis elevation, "
                             + Hemisphere(r.mount.scaleLatitude, 'N', 'S') + " if it shows the latitude");
    line("Dish clamp:", Hemisphere(r.mount.clampAngle, 'N', 'S') + " against the motor axis");
    line("Motor at zero:", "beam " + Degrees(r.motorZero.beamBearing.elevation) + " up towards "
                               + Degrees(r.motorZero.beamBearing.azimuth) + " true ("
                               + Degrees(r.motorZeroCompassBearing) + " by compass); face "
                               + FaceText(r.motorZero.faceTilt));
    const double transitElevation = r.transitSun.ElevationDegrees();
    line("Sun:",
         std::string("due ")
             + (r.transitSun.azimuthDegrees > 90 && r.transitSun.azimuthDegrees < 270 ? "south" : "north")
             + " at " + Times(r.transit) + ", " + Degrees(transitElevation) + " up"
             + (transitElevation > 0 ? ": a plumb line's shadow then marks the meridian"
                                     : ": below the horizon all day"));

    out << "\nSatellite  Azimuth  Compass  Elevation  Motor    Face    Sun at its azimuth\n";
    for (const SatelliteAtTheDish& sat : r.satellites) {
        out << Padded(FormatSatelliteLabel(sat.position), 11) << Padded(Degrees(sat.satellite.azimuth), 9)
            << Padded(Degrees(sat.compassBearing), 9) << Padded(Degrees(sat.satellite.elevation), 11)
            << Padded(Hemisphere(sat.motorAngleEast, 'E', 'W'), 9)
            << Padded(FormatSignedDegrees(sat.faceTilt, 1), 8);
        if (sat.sun)
            out << Times(sat.sun->unixSeconds) << ", " << Degrees(sat.sun->elevationDegrees) << " up";
        else
            out << "never that day";
        out << '\n';
    }
    out << "Azimuth: true, clockwise from north; Compass: the bearing a compass shows.\n"
           "Motor: the turn from the motor's zero, east or west. Face: the inclinometer on the dish's\n"
           "face, degrees from vertical, + when the face looks up. Sun at its azimuth: when the sun\n"
           "stands in the satellite's direction, a plumb line's shadow points straight away from it.\n";
}

}  // namespace

int CommandSite(Arguments args, std::ostream& out)
{
    const bool json = args.TakeFlag("--json");
    const std::optional<std::string> dateText = args.TakeValue("--date");
    const std::vector<std::string> files = args.Rest();
    if (files.size() != 1)
        FailUsage("site takes one file");
    CivilDate date = DateOf(static_cast<double>(std::time(nullptr)));
    if (dateText) {
        const std::optional<CivilDate> given = ParseIsoDate(*dateText);
        if (!given)
            FailUsage("--date must be a date of the form YYYY-MM-DD from 1900 to 2199, not '"
                      + Shown(*dateText) + "'");
        date = *given;
    }
    const MountSettings settings = ReadSettingsFile(files[0]);
    const AtTheDishReport report = ReportAtTheDish(settings, date);
    if (json)
        out << SiteJson(settings, report);
    else
        PrintText(files[0], settings, report, out);
    return ExitOk;
}

}  // namespace zenbelts::cli
