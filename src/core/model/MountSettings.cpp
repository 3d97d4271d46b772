#include "model/MountSettings.h"

#include "geometry/Geodesy.h"
#include "geometry/MountModel.h"
#include "text/Translatable.h"

#include <algorithm>

namespace zenbelts {

const std::array<AdjustmentInfo, 6> Adjustments = {{
    {Adjustment::PoleNS, "poleNS", "poleNSMin", "poleNSMax",
     ZB_TRANSLATE_NOOP("Adjustment", "pole north/south"), ZB_TRANSLATE_NOOP("Adjustment", "Pole N/S"),
     ZB_TRANSLATE_NOOP("Adjustment", "Pole N/S"), ZB_TRANSLATE_NOOP("Adjustment", "NS"),
     ZB_TRANSLATE_NOOP("Adjustment", "Mounting pole North/South roll"),
     ZB_TRANSLATE_NOOP("Adjustment", "Pole N/S"), &MountSettings::poleNS, &MountSettings::poleNSMin,
     &MountSettings::poleNSMax, nullptr, 'N', 'S'},
    {Adjustment::PoleEW, "poleEW", "poleEWMin", "poleEWMax",
     ZB_TRANSLATE_NOOP("Adjustment", "pole east/west"), ZB_TRANSLATE_NOOP("Adjustment", "Pole E/W"),
     ZB_TRANSLATE_NOOP("Adjustment", "Pole E/W"), ZB_TRANSLATE_NOOP("Adjustment", "EW"),
     ZB_TRANSLATE_NOOP("Adjustment", "Mounting pole East/West roll"),
     ZB_TRANSLATE_NOOP("Adjustment", "Pole E/W"), &MountSettings::poleEW, &MountSettings::poleEWMin,
     &MountSettings::poleEWMax, nullptr, 'E', 'W'},
    {Adjustment::MotorAzimuth, "motorAzimuth", "motorAzimuthMin", "motorAzimuthMax",
     ZB_TRANSLATE_NOOP("Adjustment", "motor azimuth"), ZB_TRANSLATE_NOOP("Adjustment", "Motor azimuth"),
     ZB_TRANSLATE_NOOP("Adjustment", "Motor Az"), ZB_TRANSLATE_NOOP("Adjustment", "MA"),
     ZB_TRANSLATE_NOOP("Adjustment", "Motor azimuthal shift (on mounting pole)"),
     ZB_TRANSLATE_NOOP("Adjustment", "Motor azimuth"), &MountSettings::motorAzimuth,
     &MountSettings::motorAzimuthMin, &MountSettings::motorAzimuthMax, nullptr, 'E', 'W'},
    {Adjustment::MotorElevation, "motorElevation", "motorElevationMin", "motorElevationMax",
     ZB_TRANSLATE_NOOP("Adjustment", "motor elevation"), ZB_TRANSLATE_NOOP("Adjustment", "Motor elevation"),
     ZB_TRANSLATE_NOOP("Adjustment", "Motor Elv"), ZB_TRANSLATE_NOOP("Adjustment", "EL"),
     ZB_TRANSLATE_NOOP("Adjustment", "Motor elevation"), ZB_TRANSLATE_NOOP("Adjustment", "Elevation"),
     &MountSettings::motorElevation, &MountSettings::motorElevationMin, &MountSettings::motorElevationMax,
     &MountSettings::motorElevationAuto, 'N', 'S'},
    {Adjustment::DishAzimuth, "dishAzimuth", "dishAzimuthMin", "dishAzimuthMax",
     ZB_TRANSLATE_NOOP("Adjustment", "dish azimuth"), ZB_TRANSLATE_NOOP("Adjustment", "Dish azimuth"),
     ZB_TRANSLATE_NOOP("Adjustment", "Dish Az"), ZB_TRANSLATE_NOOP("Adjustment", "DA"),
     ZB_TRANSLATE_NOOP("Adjustment", "Dish azimuthal shift (on motor pole)"),
     ZB_TRANSLATE_NOOP("Adjustment", "Dish azimuth"), &MountSettings::dishAzimuth,
     &MountSettings::dishAzimuthMin, &MountSettings::dishAzimuthMax, nullptr, 'E', 'W'},
    {Adjustment::Declination, "declination", "declinationMin", "declinationMax",
     ZB_TRANSLATE_NOOP("Adjustment", "dish declination"), ZB_TRANSLATE_NOOP("Adjustment", "Dish declination"),
     ZB_TRANSLATE_NOOP("Adjustment", "Dish Decl"), ZB_TRANSLATE_NOOP("Adjustment", "DC"),
     ZB_TRANSLATE_NOOP("Adjustment", "Dish declination"), ZB_TRANSLATE_NOOP("Adjustment", "Declination"),
     &MountSettings::declination, &MountSettings::declinationMin, &MountSettings::declinationMax,
     &MountSettings::declinationAuto, 'N', 'S'},
}};

// One row per group of the record.
// clang-format off
#define ZB_FIELD(f) IntegerField{#f, &MountSettings::f}
const std::array<IntegerField, 25> IntegerFields = {{
    ZB_FIELD(latitude), ZB_FIELD(longitude), ZB_FIELD(altitude),
    ZB_FIELD(poleNS), ZB_FIELD(poleNSMin), ZB_FIELD(poleNSMax),
    ZB_FIELD(poleEW), ZB_FIELD(poleEWMin), ZB_FIELD(poleEWMax),
    ZB_FIELD(motorAzimuth), ZB_FIELD(motorAzimuthMin), ZB_FIELD(motorAzimuthMax),
    ZB_FIELD(motorElevation), ZB_FIELD(motorElevationAuto), ZB_FIELD(motorElevationMin),
    ZB_FIELD(motorElevationMax),
    ZB_FIELD(dishAzimuth), ZB_FIELD(dishAzimuthMin), ZB_FIELD(dishAzimuthMax),
    ZB_FIELD(declination), ZB_FIELD(declinationAuto), ZB_FIELD(declinationMin),
    ZB_FIELD(declinationMax),
    ZB_FIELD(autoDeclination), ZB_FIELD(lockSatellites),
}};
const std::array<IntegerField, 5> ExtensionFields = {{ZB_FIELD(dishOffset), ZB_FIELD(feedUp),
    ZB_FIELD(motorEast), ZB_FIELD(motorWest), ZB_FIELD(dishDiameter)}};
#undef ZB_FIELD
// clang-format on

bool AdjustmentInfo::LimitsValid(const MountSettings& s) const
{
    const int lo = s.*min, hi = s.*max;
    if (automatic)
        return lo >= LimitLowest && lo <= -1 && hi >= 1 && hi <= LimitHighest;
    return lo >= LimitLowest && lo < hi && hi <= LimitHighest;
}

bool HasValidInputs(const MountSettings& s)
{
    if (s.latitude < LatitudeMin || s.latitude > LatitudeMax || s.longitude < LongitudeMin
        || s.longitude > LongitudeMax || s.altitude < AltitudeMin || s.altitude > AltitudeMax)
        return false;
    for (const AdjustmentInfo& a : Adjustments) {
        const int v = s.*(a.value);
        if (!a.LimitsValid(s) || v < a.Lower(s) || v > a.Upper(s))
            return false;
    }
    return (s.autoDeclination == 0 || s.declination == s.declinationAuto) && HasValidDish(s)
           && HasValidReach(s);
}

bool HasValidDish(const MountSettings& s)
{
    return s.dishOffset >= 0 && s.dishOffset <= DishOffsetMax && (s.feedUp == 0 || s.feedUp == 1);
}

bool IsValidHorizon(const std::vector<HorizonPoint>& horizon)
{
    if (horizon.size() > static_cast<std::size_t>(HorizonPointsMax))
        return false;
    int previous = -1;
    for (const HorizonPoint& p : horizon) {
        if (p.azimuth <= previous || p.azimuth >= 3600 || p.elevation < 0
            || p.elevation > HorizonElevationMax)
            return false;
        previous = p.azimuth;
    }
    return true;
}

bool HasValidReach(const MountSettings& s)
{
    return IsValidHorizon(s.horizon) && s.motorEast >= 0 && s.motorEast <= MotorLimitMax && s.motorWest >= 0
           && s.motorWest <= MotorLimitMax && s.dishDiameter >= DishDiameterMin
           && s.dishDiameter <= DishDiameterMax;
}

namespace {

// The value nearest 0 that the limits allow: where a relocated mount starts.
int NearestToZero(int lo, int hi)
{
    if (lo > 0)
        return lo;
    if (hi < 0)
        return hi;
    return 0;
}

}  // namespace

void MountSettings::Recalculate(bool relocate)
{
    if (relocate) {
        const double phi = latitude * ArcMinutesToRadians;
        BuildSiteFrame(phi, longitude * ArcMinutesToRadians, altitude, siteFrame);
        // A narrowed limit may exclude 0: every adjustment stays inside its limits.
        for (const AdjustmentInfo& a : Adjustments) {
            if (!a.automatic)
                this->*(a.value) = NearestToZero(this->*(a.min), this->*(a.max));
        }
        motorElevationAuto = RoundToTenths(PolarTilt(phi));
        motorElevation = motorElevationAuto;
    }
    BuildMountFrame(siteFrame, latitude > 0, poleNS * TenthsToRadians, poleEW * TenthsToRadians,
                    motorAzimuth * TenthsToRadians, motorElevation * TenthsToRadians,
                    dishAzimuth * TenthsToRadians, mountFrame);
    // The automatic value always follows the mount, as a stored file's reader
    // recomputes it; a declination set by hand keeps inside the window around it.
    declinationAuto = AutomaticDeclination(mountFrame, latitude);
    if (relocate || autoDeclination != 0)
        declination = declinationAuto;
    else
        declination
            = std::clamp(declination, declinationAuto + declinationMin,
                         std::max(declinationAuto + declinationMin, declinationAuto + declinationMax));
}

int AutomaticDeclination(const Matrix4& mountFrame, std::int32_t latitude)
{
    const double d = BestDeclination(mountFrame);
    return RoundToTenths(latitude < 0 ? -d : d);
}

void MountSettings::LoadFactoryDefaults(const SatelliteCatalogue& catalogue)
{
    for (const AdjustmentInfo& a : Adjustments) {
        this->*(a.min) = -50;
        this->*(a.max) = 50;
    }
    latitude = 2600;
    longitude = 4620;
    altitude = 0;
    poleNS = poleEW = motorAzimuth = dishAzimuth = 0;
    autoDeclination = 1;
    dishOffset = feedUp = 0;
    horizon.clear();
    motorEast = motorWest = DefaultMotorLimit;
    dishDiameter = DefaultDishDiameter;
    Recalculate(true);
    chosenSatellites.ChooseEveryTenth(catalogue);
}

void MountSettings::ResetAdjustments()
{
    poleNS = poleEW = motorAzimuth = dishAzimuth = 0;
    for (const AdjustmentInfo& a : Adjustments) {
        if (this->*(a.min) >= 0)
            this->*(a.min) = -1;
        if (this->*(a.max) <= 0)
            this->*(a.max) = 1;
    }
    Recalculate(true);
}

void ApplyConfirmedProperties(MountSettings& target, const MountSettings& working)
{
    const bool relocated = working.latitude != target.latitude || working.longitude != target.longitude
                           || working.altitude != target.altitude;
    target = working;
    for (const AdjustmentInfo& a : Adjustments) {
        // The maximum goes last, so an empty range yields the upper limit.
        std::int32_t& v = target.*(a.value);
        v = std::min(std::max(v, a.Lower(target)), a.Upper(target));
    }
    target.Recalculate(relocated);
}

}  // namespace zenbelts
