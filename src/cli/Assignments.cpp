#include "cli/Assignments.h"

#include "text/NumericText.h"

namespace zenbelts::cli {

namespace {

std::string Range(int lo, int hi)
{
    return std::to_string(lo) + ".." + std::to_string(hi);
}

// The location, as a confirmed Properties dialog: a change relocates.
std::string SetLocation(MountSettings& s, std::int32_t MountSettings::*field, int lo, int hi, int value)
{
    if (value < lo || value > hi)
        return "it must lie in " + Range(lo, hi);
    MountSettings working = s;
    working.*field = value;
    ApplyConfirmedProperties(s, working);
    return {};
}

// A limit, as a confirmed Properties dialog with the location unchanged.
std::string SetLimit(MountSettings& s, const AdjustmentInfo& a, std::int32_t MountSettings::*field, int value)
{
    MountSettings working = s;
    working.*field = value;
    if (!a.LimitsValid(working)) {
        if (a.automatic)
            return "the limits of the " + std::string(a.caption) + " must be -1799..-1 and 1..1800";
        return "the lower limit of the " + std::string(a.caption)
               + " must lie below the upper one, within -1799..1800";
    }
    ApplyConfirmedProperties(s, working);
    return {};
}

// An adjustment, as a movement of its control.
std::string SetAdjustment(MountSettings& s, const AdjustmentInfo& a, int value)
{
    if (a.value == &MountSettings::declination && s.autoDeclination != 0)
        return "the declination follows its automatic value while autoDeclination is on";
    if (value < a.Lower(s) || value > a.Upper(s))
        return "it lies outside its current range " + Range(a.Lower(s), a.Upper(s));
    s.*(a.value) = value;
    s.Recalculate(false);
    return {};
}

std::string SetFlag(MountSettings& s, std::string_view name, int value)
{
    if (value != 0 && value != 1)
        return "it must be 0 or 1";
    if (name == "lockSatellites") {
        s.lockSatellites = value;
        return {};
    }
    // The check box toggles; leave an unchanged flag alone.
    if ((s.autoDeclination != 0) != (value != 0)) {
        s.autoDeclination = value;
        s.Recalculate(false);
    }
    return {};
}

// The dish, as a confirmed Properties dialog: the mount stays as it is.
std::string SetDish(MountSettings& s, std::string_view name, int value)
{
    if (name == "feedUp") {
        if (value != 0 && value != 1)
            return "it must be 0 or 1";
        s.feedUp = value;
        return {};
    }
    if (value < 0 || value > DishOffsetMax)
        return "it must lie in " + Range(0, DishOffsetMax) + " tenths (0 for prime focus)";
    s.dishOffset = value;
    return {};
}

std::string SetChosen(MountSettings& s, bool choose, int position)
{
    if (position < 0 || position >= PositionCount)
        return "a position must lie in 0..3599";
    if (choose)
        s.chosenSatellites.Set(position);
    else
        s.chosenSatellites.Reset(position);
    return {};
}

std::string Apply(MountSettings& s, std::string_view name, std::string_view op, int value)
{
    if (name == "chosen" && (op == "+=" || op == "-="))
        return SetChosen(s, op == "+=", value);
    if (op != "=")
        return "unknown name";
    if (name == "latitude")
        return SetLocation(s, &MountSettings::latitude, LatitudeMin, LatitudeMax, value);
    if (name == "longitude")
        return SetLocation(s, &MountSettings::longitude, LongitudeMin, LongitudeMax, value);
    if (name == "altitude")
        return SetLocation(s, &MountSettings::altitude, AltitudeMin, AltitudeMax, value);
    if (name == "autoDeclination" || name == "lockSatellites")
        return SetFlag(s, name, value);
    if (name == "dishOffset" || name == "feedUp")
        return SetDish(s, name, value);
    for (const AdjustmentInfo& a : Adjustments) {
        if (name == a.name)
            return SetAdjustment(s, a, value);
        if (name == a.minName)
            return SetLimit(s, a, a.min, value);
        if (name == a.maxName)
            return SetLimit(s, a, a.max, value);
    }
    if (name == "motorElevationAuto" || name == "declinationAuto")
        return "it is computed, not set";
    return "unknown name";
}

}  // namespace

std::string ApplyAssignment(MountSettings& settings, std::string_view assignment)
{
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return "not of the form NAME=VALUE";
    std::size_t nameEnd = eq;
    if (assignment[eq - 1] == '+' || assignment[eq - 1] == '-')
        --nameEnd;
    const std::string_view name = assignment.substr(0, nameEnd);
    const std::string_view op = assignment.substr(nameEnd, eq + 1 - nameEnd);
    int value = 0;
    if (!numeric::ParseWholeNumber(assignment.substr(eq + 1), value))
        return "the value is not a whole number";
    return Apply(settings, name, op, value);
}

}  // namespace zenbelts::cli
