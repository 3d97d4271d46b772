#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "geometry/Matrix.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zenbelts {

class SettingsReader;
class SettingsWriter;

inline constexpr int DefaultMotorLimit = 750;   // tenths, either way
inline constexpr int MotorLimitMax = 900;       // tenths: a quarter turn
inline constexpr int DefaultDishDiameter = 80;  // centimetres
inline constexpr int DishDiameterMin = 20, DishDiameterMax = 600;
inline constexpr int HorizonPointsMax = 360;
inline constexpr int HorizonElevationMax = 900;  // tenths

// One point of the horizon mask: the lowest usable elevation at an azimuth,
// tenths of a degree, azimuth clockwise from true north.
struct HorizonPoint {
    std::int32_t azimuth = 0;    // 0..3599
    std::int32_t elevation = 0;  // 0..900
    bool operator==(const HorizonPoint&) const = default;
};

// One mount set-up: location, the five adjustments and the declination with
// their limits, the automatic values, two flags, the chosen satellites and the
// two derived frames. A plain value, always copied whole.
struct MountSettings {
    std::int32_t latitude = 0;   // arc-minutes, north positive
    std::int32_t longitude = 0;  // arc-minutes, east positive
    std::int32_t altitude = 0;   // metres
    // Adjustments and limits in tenths of a degree.
    std::int32_t poleNS = 0;
    std::int32_t poleNSMin = 0;
    std::int32_t poleNSMax = 0;
    std::int32_t poleEW = 0;
    std::int32_t poleEWMin = 0;
    std::int32_t poleEWMax = 0;
    std::int32_t motorAzimuth = 0;
    std::int32_t motorAzimuthMin = 0;
    std::int32_t motorAzimuthMax = 0;
    std::int32_t motorElevation = 0;      // absolute
    std::int32_t motorElevationAuto = 0;  // derived
    std::int32_t motorElevationMin = 0;   // relative to motorElevationAuto
    std::int32_t motorElevationMax = 0;   // relative to motorElevationAuto
    std::int32_t dishAzimuth = 0;
    std::int32_t dishAzimuthMin = 0;
    std::int32_t dishAzimuthMax = 0;
    std::int32_t declination = 0;      // absolute
    std::int32_t declinationAuto = 0;  // derived
    std::int32_t declinationMin = 0;   // relative to declinationAuto
    std::int32_t declinationMax = 0;   // relative to declinationAuto
    std::int32_t autoDeclination = 1;  // any non-zero value is on
    std::int32_t lockSatellites = 0;
    ChosenSatelliteSet chosenSatellites;
    // The dish on the motor, kept in the extension after the 544 bytes.
    std::int32_t dishOffset = 0;  // tenths, the maker's offset angle; 0 for prime focus
    std::int32_t feedUp = 0;      // 1 when the feed arm stands above the dish
    // What the dish can reach, kept in the extension too: the horizon mask
    // (by ascending azimuth; empty for a flat horizon at 0 degrees), the
    // motor's hard limits either way and the dish's diameter.
    std::vector<HorizonPoint> horizon;
    std::int32_t motorEast = DefaultMotorLimit;       // tenths, how far the motor turns east of its zero
    std::int32_t motorWest = DefaultMotorLimit;       // tenths, and west
    std::int32_t dishDiameter = DefaultDishDiameter;  // centimetres
    Matrix4 siteFrame{};                              // derived
    Matrix4 mountFrame{};                             // derived

    // relocate: the location is new, so rebuild the site frame and return every
    // adjustment to its default (the value nearest 0 its limits allow).
    // Otherwise the mount frame and the automatic declination are brought up
    // to date; the declination follows it when automatic, else is kept inside
    // its window around it.
    void Recalculate(bool relocate);
    void LoadFactoryDefaults(const SatelliteCatalogue& catalogue);
    void ResetAdjustments();

    // Stores or loads the 544-byte archive form (the dish aside, see
    // SettingsExtension.h). Loading throws ArchiveError;
    // after a failure the record is half-read and must be discarded.
    void Store(SettingsWriter& writer) const;
    void Load(SettingsReader& reader);

    bool operator==(const MountSettings&) const = default;
};

inline constexpr int LatitudeMin = -5400, LatitudeMax = 5400;
inline constexpr int LongitudeMin = -10799, LongitudeMax = 10800;
inline constexpr int AltitudeMin = -1000, AltitudeMax = 10000;
inline constexpr int LimitLowest = -1799, LimitHighest = 1800;
inline constexpr int DishOffsetMax = 450;  // tenths

// The six adjustments, in the order the system always visits them.
enum class Adjustment { PoleNS, PoleEW, MotorAzimuth, MotorElevation, DishAzimuth, Declination };

// Everything the parts of the system need to know of one adjustment: its
// fields, its words and its range rule.
struct AdjustmentInfo {
    Adjustment id;
    const char* name;     // field name of the value, the tool's key
    const char* minName;  // field names of the limits
    const char* maxName;
    const char* caption;     // words for messages: "pole north/south"
    const char* title;       // as listed: "Pole N/S", "Motor azimuth"
    const char* shortTitle;  // as a row of limits: "Motor Az"
    const char* label;       // the panel's letters: "NS"
    const char* prompt;      // the panel's status text
    const char* tip;         // the panel's tooltip
    std::int32_t MountSettings::*value;
    std::int32_t MountSettings::*min;
    std::int32_t MountSettings::*max;
    std::int32_t MountSettings::*automatic;  // null for limits that are absolute
    char positive;                           // hemisphere letters of the display format
    char negative;

    // The range of the value, which the controls offer: the limits, around
    // the automatic value where there is one.
    int Lower(const MountSettings& s) const { return automatic ? s.*automatic + s.*min : s.*min; }
    int Upper(const MountSettings& s) const { return automatic ? s.*automatic + s.*max : s.*max; }
    // Whether the limit pair itself is allowed (the value aside).
    bool LimitsValid(const MountSettings& s) const;
};

extern const std::array<AdjustmentInfo, 6> Adjustments;

inline const AdjustmentInfo& InfoOf(Adjustment a)
{
    return Adjustments[static_cast<std::size_t>(a)];
}

// Every integer field by name, in the record's order.
struct IntegerField {
    const char* name;
    std::int32_t MountSettings::*member;
};
extern const std::array<IntegerField, 25> IntegerFields;
// The fields of the extension after the record, each 0 when absent.
extern const std::array<IntegerField, 5> ExtensionFields;

// The automatic declination of a mount frame at a latitude (arc-minutes), tenths.
int AutomaticDeclination(const Matrix4& mountFrame, std::int32_t latitude);

// Invariants of a record that is shown or stored (the derived fields aside).
bool HasValidInputs(const MountSettings& s);
bool HasValidDish(const MountSettings& s);
// The horizon mask (points by strictly ascending azimuth, each in range, at
// most HorizonPointsMax), the motor's limits and the diameter in range.
bool HasValidReach(const MountSettings& s);
bool IsValidHorizon(const std::vector<HorizonPoint>& horizon);

// Takes over a working copy confirmed in the Properties dialog: copies it,
// pulls each adjustment inside its limits and recalculates, relocating when
// the location changed.
void ApplyConfirmedProperties(MountSettings& target, const MountSettings& working);

}  // namespace zenbelts
