#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"
#include "model/Reach.h"
#include "text/Translatable.h"

#include <string>
#include <vector>

namespace zenbelts {

// The numbers behind the picture, one row per catalogue entry.
struct ArcRow {
    int position;
    std::string label;  // 13.0°E
    std::string name;   // UTF-8
    bool chosen;
    double motorAngle;  // degrees about the motor axis, as plotted (left positive)
    double offset;      // degrees by which the beam misses the satellite
    double elevation;   // degrees above the observer's horizon
    // What keeps the dish from it (Reach.h), in the band its name gives.
    HiddenBy hiddenBy = HiddenBy::None;
};

std::vector<ArcRow> ComputeArcTable(const MountSettings& settings, const SatelliteCatalogue& catalogue);

// One chosen satellite in the table of misses, as text.
struct MissRow {
    int position;
    std::string label;      // 13.0°E
    std::string name;       // UTF-8
    std::string motor;      // 25.7°E: the way the motor turns, as the panel writes it
    std::string miss;       // 0.25° below
    std::string elevation;  // 40.0°
    double missDegrees;     // |offset|
    bool visible;           // above the horizon
    bool worst;             // the largest miss of the reachable rows
    // The numbers behind the texts, as ArcRow has them.
    double motorAngle = 0.0;
    double offset = 0.0;  // positive: the satellite lies above the beam
    double elevationDegrees = 0.0;
    // What a receiver turns to for an ideal polar mount at the true site
    // (ReceiverMotorAngleAt), as motorAngle.
    double receiverAngle = 0.0;
    std::string receiver;      // 25.4°E, the way the motor column writes it
    std::string receiverMiss;  // +0.83°: the motor column less the receiver column
    // Hidden by the horizon mask, or beyond the motor's limits.
    HiddenBy hiddenBy = HiddenBy::None;
    bool Reachable() const { return hiddenBy == HiddenBy::None; }
};

std::vector<MissRow> ComputeMissTable(const MountSettings& settings, const SatelliteCatalogue& catalogue);
// Header and rows, tab-separated, for the clipboard; receiver: with the two
// receiver columns.
std::string MissTableText(const std::vector<MissRow>& rows, bool receiver = false);
// The table's headings; the program shows them in the user's language.
inline constexpr const char* MissTableHeadings[7] = {
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Satellite"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Name"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Motor"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Miss"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Elevation"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Receiver"),
    ZB_TRANSLATE_NOOP("zenbelts::CMissTable", "Receiver miss"),
};
// The same numbers as CSV for a spreadsheet, in any language alike:
// position,name,motorAngle,miss,elevation[,receiverAngle,receiverMiss], the
// position as a label (19.2E), the angles in degrees with a point, miss as
// offset (positive above), the receiver's as `zenbelts-cli arc --json` gives them.
std::string MissTableCsv(const std::vector<MissRow>& rows, bool receiver = false);

}  // namespace zenbelts
