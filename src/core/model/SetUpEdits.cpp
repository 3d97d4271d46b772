#include "model/SetUpEdits.h"

#include "text/NumericText.h"

#include <algorithm>
#include <string>

namespace zenbelts {

namespace {

EditOutcome Refused(MessageText text, std::vector<Message> places = {})
{
    return {false, Message(text, std::move(places)), false};
}

Message Caption(const AdjustmentInfo& a)
{
    return Message(MessageText{"Adjustment", a.caption});
}

EditOutcome OutOfRange(MessageText text, int lo, int hi)
{
    return Refused(text, {Message::Number(lo), Message::Number(hi)});
}

}  // namespace

bool LocationDiffers(const MountSettings& a, const MountSettings& b)
{
    return a.latitude != b.latitude || a.longitude != b.longitude || a.altitude != b.altitude;
}

EditOutcome ApplyProperties(MountSettings& target, const MountSettings& working)
{
    const bool relocated = LocationDiffers(target, working);
    ApplyConfirmedProperties(target, working);
    return {true, {}, relocated};
}

EditOutcome SetLocation(MountSettings& s, LocationField field, int value)
{
    static constexpr struct {
        std::int32_t MountSettings::*member;
        int lo, hi;
    } Fields[] = {
        {&MountSettings::latitude, LatitudeMin, LatitudeMax},
        {&MountSettings::longitude, LongitudeMin, LongitudeMax},
        {&MountSettings::altitude, AltitudeMin, AltitudeMax},
    };
    const auto& f = Fields[static_cast<int>(field)];
    if (value < f.lo || value > f.hi)
        return OutOfRange(ZB_TEXT("SetUpEdit", "it must lie in %1..%2"), f.lo, f.hi);
    MountSettings working = s;
    working.*(f.member) = value;
    return ApplyProperties(s, working);
}

EditOutcome SetLimit(MountSettings& s, Adjustment which, bool upper, int tenths)
{
    const AdjustmentInfo& a = InfoOf(which);
    MountSettings working = s;
    working.*(upper ? a.max : a.min) = tenths;
    if (!a.LimitsValid(working)) {
        if (a.automatic)
            return Refused(ZB_TEXT("SetUpEdit", "the limits of the %1 must be -1799..-1 and 1..1800"),
                           {Caption(a)});
        return Refused(ZB_TEXT("SetUpEdit",
                               "the lower limit of the %1 must lie below the upper one, within -1799..1800"),
                       {Caption(a)});
    }
    return ApplyProperties(s, working);
}

EditOutcome SetAdjustment(MountSettings& s, Adjustment which, int tenths)
{
    const AdjustmentInfo& a = InfoOf(which);
    if (which == Adjustment::Declination && s.autoDeclination != 0)
        return Refused(
            ZB_TEXT("SetUpEdit", "the declination follows its automatic value while autoDeclination is on"));
    if (tenths < a.Lower(s) || tenths > a.Upper(s))
        return OutOfRange(ZB_TEXT("SetUpEdit", "it lies outside its current range %1..%2"), a.Lower(s),
                          a.Upper(s));
    s.*(a.value) = tenths;
    s.Recalculate(false);
    return {};
}

EditOutcome SetAutoDeclination(MountSettings& s, bool on)
{
    if ((s.autoDeclination != 0) != on) {
        s.autoDeclination = on ? 1 : 0;
        s.Recalculate(false);
    }
    return {};
}

EditOutcome SetLockSatellites(MountSettings& s, bool on)
{
    // Only the presentation changes: nothing to recalculate.
    s.lockSatellites = on ? 1 : 0;
    return {};
}

EditOutcome ChooseSatellite(MountSettings& s, int position, bool chosen)
{
    if (position < 0 || position >= PositionCount)
        return Refused(ZB_TEXT("SetUpEdit", "a position must lie in 0..3599"));
    if (chosen)
        s.chosenSatellites.Set(position);
    else
        s.chosenSatellites.Reset(position);
    return {};
}

EditOutcome SetDishOffset(MountSettings& s, int tenths)
{
    if (tenths < 0 || tenths > DishOffsetMax)
        return Refused(ZB_TEXT("SetUpEdit", "it must lie in %1..%2 tenths (0 for prime focus)"),
                       {Message::Number(0), Message::Number(DishOffsetMax)});
    s.dishOffset = tenths;
    return {};
}

EditOutcome SetFeedUp(MountSettings& s, bool up)
{
    s.feedUp = up ? 1 : 0;
    return {};
}

EditOutcome SetHorizon(MountSettings& s, std::vector<HorizonPoint> points)
{
    if (points.size() > static_cast<std::size_t>(HorizonPointsMax))
        return Refused(ZB_TEXT("SetUpEdit", "the horizon takes at most %1 points"),
                       {Message::Number(HorizonPointsMax)});
    for (const HorizonPoint& p : points) {
        if (p.azimuth < 0 || p.azimuth > 3599)
            return Refused(ZB_TEXT("SetUpEdit", "an azimuth must lie in 0..3599 tenths"));
        if (p.elevation < 0 || p.elevation > HorizonElevationMax)
            return Refused(ZB_TEXT("SetUpEdit", "an elevation must lie in 0..%1 tenths"),
                           {Message::Number(HorizonElevationMax)});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const HorizonPoint& a, const HorizonPoint& b) { return a.azimuth < b.azimuth; });
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].azimuth == points[i - 1].azimuth)
            return Refused(ZB_TEXT("SetUpEdit", "the azimuth %1 is given twice"),
                           {Message::Number(points[i].azimuth)});
    }
    // The flat horizon has one form, so that it writes no record.
    if (std::all_of(points.begin(), points.end(), [](const HorizonPoint& p) { return p.elevation == 0; }))
        points.clear();
    s.horizon = std::move(points);
    return {};
}

EditOutcome SetMotorLimit(MountSettings& s, bool east, int tenths)
{
    if (tenths < 0 || tenths > MotorLimitMax)
        return OutOfRange(ZB_TEXT("SetUpEdit", "it must lie in %1..%2 tenths"), 0, MotorLimitMax);
    (east ? s.motorEast : s.motorWest) = tenths;
    return {};
}

EditOutcome SetDishDiameter(MountSettings& s, int centimetres)
{
    if (centimetres < DishDiameterMin || centimetres > DishDiameterMax)
        return OutOfRange(ZB_TEXT("SetUpEdit", "it must lie in %1..%2 centimetres"), DishDiameterMin,
                          DishDiameterMax);
    s.dishDiameter = centimetres;
    return {};
}

EditOutcome ParseHorizon(std::string_view text, std::vector<HorizonPoint>& points)
{
    points.clear();
    if (text.empty())
        return {};
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view pair = text.substr(start, comma - start);
        const std::size_t colon = pair.find(':');
        HorizonPoint p;
        if (colon == std::string_view::npos || !numeric::ParseWholeNumber(pair.substr(0, colon), p.azimuth)
            || !numeric::ParseWholeNumber(pair.substr(colon + 1), p.elevation))
            return Refused(ZB_TEXT("SetUpEdit", "\"%1\" is not AZIMUTH:ELEVATION in whole tenths"),
                           {Message::Literal(std::string(pair))});
        points.push_back(p);
        if (points.size() > static_cast<std::size_t>(HorizonPointsMax))
            return Refused(ZB_TEXT("SetUpEdit", "the horizon takes at most %1 points"),
                           {Message::Number(HorizonPointsMax)});
        start = comma + 1;
    }
    return {};
}

namespace {

EditOutcome Apply(MountSettings& s, std::string_view name, std::string_view op, int value)
{
    if (name == "chosen" && (op == "+=" || op == "-="))
        return ChooseSatellite(s, value, op == "+=");
    if (op != "=")
        return Refused(ZB_TEXT("SetUpEdit", "unknown name"));
    static constexpr std::pair<std::string_view, LocationField> Location[] = {
        {"latitude", LocationField::Latitude},
        {"longitude", LocationField::Longitude},
        {"altitude", LocationField::Altitude},
    };
    for (const auto& [field, which] : Location) {
        if (name == field)
            return SetLocation(s, which, value);
    }
    if (name == "autoDeclination" || name == "lockSatellites" || name == "feedUp") {
        if (value != 0 && value != 1)
            return Refused(ZB_TEXT("SetUpEdit", "it must be 0 or 1"));
        if (name == "feedUp")
            return SetFeedUp(s, value != 0);
        return name == "lockSatellites" ? SetLockSatellites(s, value != 0)
                                        : SetAutoDeclination(s, value != 0);
    }
    if (name == "dishOffset")
        return SetDishOffset(s, value);
    if (name == "motorEast" || name == "motorWest")
        return SetMotorLimit(s, name == "motorEast", value);
    if (name == "dishDiameter")
        return SetDishDiameter(s, value);
    for (const AdjustmentInfo& a : Adjustments) {
        if (name == a.name)
            return SetAdjustment(s, a.id, value);
        if (name == a.minName || name == a.maxName)
            return SetLimit(s, a.id, name == a.maxName, value);
    }
    if (name == "motorElevationAuto" || name == "declinationAuto")
        return Refused(ZB_TEXT("SetUpEdit", "it is computed, not set"));
    return Refused(ZB_TEXT("SetUpEdit", "unknown name"));
}

}  // namespace

EditOutcome ApplyAssignment(MountSettings& s, std::string_view assignment)
{
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return Refused(ZB_TEXT("SetUpEdit", "not of the form NAME=VALUE"));
    if (assignment.substr(0, eq) == "horizon") {
        std::vector<HorizonPoint> points;
        const EditOutcome read = ParseHorizon(assignment.substr(eq + 1), points);
        return read ? SetHorizon(s, std::move(points)) : read;
    }
    std::size_t nameEnd = eq;
    if (assignment[eq - 1] == '+' || assignment[eq - 1] == '-')
        --nameEnd;
    int value = 0;
    if (!numeric::ParseWholeNumber(assignment.substr(eq + 1), value))
        return Refused(ZB_TEXT("SetUpEdit", "the value is not a whole number"));
    return Apply(s, assignment.substr(0, nameEnd), assignment.substr(nameEnd, eq + 1 - nameEnd), value);
}

}  // namespace zenbelts
