#pragma once

#include "model/MountSettings.h"
#include "plot/DrawingSurface.h"
#include "text/Message.h"

#include <array>
#include <string>

// The printed page: one-inch margins, the legend band, and the plot fitted to
// the shape of the document's window.

namespace zenbelts {

struct PageLayout {
    bool blank;             // the page cannot hold the legend: draw nothing
    Rect clip;              // the plot's rectangle before its 4-unit inset
    Point legendTopLeft;    // the first legend line
    int legendLineSpacing;  // u
    int legendFontHeight;   // t
};

// windowWidthMm, windowHeightMm: the window's client area less 8 pixels each way.
PageLayout ComputePageLayout(const DeviceMetrics& metrics, int windowWidthMm, int windowHeightMm);

// One line of the legend: its caption and the value, in marked words.
struct LegendLine {
    Message caption;
    Message value;
};
std::array<LegendLine, 6> Legend(const MountSettings& settings);

// The six legend lines in English, captions padded to 18 characters (UTF-8).
std::array<std::string, 6> LegendLines(const MountSettings& settings);

FontSpec LegendFont(int printerLogPixelsY);

}  // namespace zenbelts
