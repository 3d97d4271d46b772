#pragma once

#include <array>

// Identifiers of the adjustment controls and the program's own commands, and
// which adjustment each control stands for. The one place they are defined.

namespace zenbelts {

enum ControlId : int {
    IDC_POLE_NS_SLIDER = 1001,
    IDC_MOTOR_ELEVATION_SLIDER = 1002,
    IDC_DECLINATION_SLIDER = 1003,
    IDC_POLE_NS_EDIT = 1004,
    IDC_POLE_NS_SPIN = 1005,
    IDC_MOTOR_ELEVATION_EDIT = 1006,
    IDC_MOTOR_ELEVATION_SPIN = 1007,
    IDC_DECLINATION_EDIT = 1008,
    IDC_DECLINATION_SPIN = 1009,
    IDC_AUTO_DECLINATION = 1010,
    IDC_POLE_EW_EDIT = 1011,
    IDC_POLE_EW_SPIN = 1012,
    IDC_MOTOR_AZIMUTH_EDIT = 1013,
    IDC_MOTOR_AZIMUTH_SPIN = 1014,
    IDC_DISH_AZIMUTH_EDIT = 1015,
    IDC_DISH_AZIMUTH_SPIN = 1016,
    IDC_POLE_EW_SLIDER = 1048,
    IDC_MOTOR_AZIMUTH_SLIDER = 1049,
    IDC_DISH_AZIMUTH_SLIDER = 1050,
    IDC_LOCK_SATELLITES = 1051,
    ID_PROPERTIES = 32771,
    ID_SET_DEFAULTS = 32774,
    ID_SHOW_TOOLTIPS = 32775,
    ID_INDICATOR_LOCATION = 59142,
};

inline constexpr unsigned AdjustmentChanged = 1001;  // notification code
inline constexpr unsigned SB_ENDSCROLL = 8;

// One adjustment's controls on the panel, in the panel's order.
struct AdjustmentControlSet {
    int slider, edit, spin;
    int adjustment;   // index into Adjustments
    bool vertical;    // the slider's orientation
    bool northSouth;  // the edit's hemisphere letters
    const char* label;
    const char* prompt;  // status-bar text
    const char* tooltip;
};

inline constexpr std::array<AdjustmentControlSet, 6> AdjustmentControlSets = {{
    {IDC_POLE_NS_SLIDER, IDC_POLE_NS_EDIT, IDC_POLE_NS_SPIN, 0, true, true, "NS",
     "Mounting pole North/South roll", "Pole N/S"},
    {IDC_MOTOR_ELEVATION_SLIDER, IDC_MOTOR_ELEVATION_EDIT, IDC_MOTOR_ELEVATION_SPIN, 3, true, true, "EL",
     "Motor elevation", "Elevation"},
    {IDC_DECLINATION_SLIDER, IDC_DECLINATION_EDIT, IDC_DECLINATION_SPIN, 5, true, true, "DC",
     "Dish declination", "Declination"},
    {IDC_POLE_EW_SLIDER, IDC_POLE_EW_EDIT, IDC_POLE_EW_SPIN, 1, false, false, "EW",
     "Mounting pole East/West roll", "Pole E/W"},
    {IDC_MOTOR_AZIMUTH_SLIDER, IDC_MOTOR_AZIMUTH_EDIT, IDC_MOTOR_AZIMUTH_SPIN, 2, false, false, "MA",
     "Motor azimuthal shift (on mounting pole)", "Motor azimuth"},
    {IDC_DISH_AZIMUTH_SLIDER, IDC_DISH_AZIMUTH_EDIT, IDC_DISH_AZIMUTH_SPIN, 4, false, false, "DA",
     "Dish azimuthal shift (on motor pole)", "Dish azimuth"},
}};

// The set that a slider or spin identifier belongs to, or null.
inline const AdjustmentControlSet* FindAdjustmentControl(int id)
{
    for (const AdjustmentControlSet& c : AdjustmentControlSets) {
        if (c.slider == id || c.spin == id || c.edit == id)
            return &c;
    }
    return nullptr;
}

}  // namespace zenbelts
