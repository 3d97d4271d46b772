#pragma once

#include "model/MountSettings.h"
#include "text/Message.h"

#include <string_view>
#include <vector>

// The rules of changing a set-up, for every front end: the program's panel
// and Properties, the tool's set and the page. A refused change leaves the
// set-up as it was and says why.

namespace zenbelts {

struct EditOutcome {
    bool accepted = true;
    Message refusal;         // why not, in marked words
    bool relocated = false;  // the location moved: every adjustment went back to its default

    explicit operator bool() const { return accepted; }
};

enum class LocationField { Latitude, Longitude, Altitude };

// The location, as a confirmed Properties dialog: any change relocates.
EditOutcome SetLocation(MountSettings& s, LocationField field, int value);
// A limit, as a confirmed Properties dialog with the location unchanged:
// the adjustment is pulled inside the new range.
EditOutcome SetLimit(MountSettings& s, Adjustment which, bool upper, int tenths);
// An adjustment, as a movement of its control: it must lie within its
// current range, and the declination is not set while it is automatic.
EditOutcome SetAdjustment(MountSettings& s, Adjustment which, int tenths);
EditOutcome SetAutoDeclination(MountSettings& s, bool on);
EditOutcome SetLockSatellites(MountSettings& s, bool on);
EditOutcome ChooseSatellite(MountSettings& s, int position, bool chosen);
// The dish in hand, as a confirmed Properties dialog: the mount stays as it is.
EditOutcome SetDishOffset(MountSettings& s, int tenths);
EditOutcome SetFeedUp(MountSettings& s, bool up);
// What the dish can reach, as a confirmed Properties dialog: the mount stays.
// The horizon mask's points in any order (sorted here); a mask whose points
// all lie at 0 is the flat horizon.
EditOutcome SetHorizon(MountSettings& s, std::vector<HorizonPoint> points);
EditOutcome SetMotorLimit(MountSettings& s, bool east, int tenths);
EditOutcome SetDishDiameter(MountSettings& s, int centimetres);
// "1800:150,2100:300": azimuth:elevation pairs in tenths, comma-separated;
// empty for the flat horizon. Refused with why when a pair does not read.
EditOutcome ParseHorizon(std::string_view text, std::vector<HorizonPoint>& points);
// A working copy confirmed in Properties taken over (ApplyConfirmedProperties).
EditOutcome ApplyProperties(MountSettings& target, const MountSettings& working);

// "NAME=VALUE" by the record's field names, or "chosen+=POS" and
// "chosen-=POS"; values are plain whole numbers but horizon's (ParseHorizon).
EditOutcome ApplyAssignment(MountSettings& s, std::string_view assignment);

// Whether two set-ups stand at different places.
bool LocationDiffers(const MountSettings& a, const MountSettings& b);

}  // namespace zenbelts
