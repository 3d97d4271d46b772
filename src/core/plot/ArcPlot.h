#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "geometry/Matrix.h"
#include "geometry/MountModel.h"
#include "model/MountSettings.h"
#include "plot/DrawingSurface.h"

#include "text/Message.h"

#include <functional>
#include <optional>
#include <string>

// The arc plot: the beam's path as the motor turns, the grid of equal offset
// and equal motor angle, and the satellites of the catalogue.

namespace zenbelts {

// n * m / d with a 64-bit product, rounded to nearest (halves away from zero);
// -1 when d is 0.
int MulDiv(int n, int m, int d);

struct PlotProjection {
    double baseRadius;       // radius of the offset-0 circle, device units
    double halfAngle;        // radians: motor angles +-90 degrees map to +-halfAngle
    double radiusPerDegree;  // device units of radius per degree of offset
    int centreX;
    int centreY;  // below the plot
};

PlotProjection ComputeProjection(const Rect& plot);

// a: motor angle, b: offset, both radians.
Point ProjectPoint(const PlotProjection& projection, double a, double b);

// The screen the tool and the page draw for: 96 dpi, 0.2646 mm a pixel.
DeviceMetrics StandardScreenMetrics();

// The label font and the two pens.
struct DrawingObjects {
    FontSpec labelFont;
    PenSpec gridPen;
    PenSpec highlightPen;
};

// The screen's objects, made from the screen's vertical resolution.
DrawingObjects ScreenDrawingObjects(int screenLogPixelsY);
// Made for one printed drawing: d is the printer's, s the screen's dots per inch.
DrawingObjects PrintDrawingObjects(int d, int s);

struct ArcPlotRequest {
    const MountSettings& settings;
    const SatelliteCatalogue& catalogue;
    int clientWidth, clientHeight;  // the view's client area, screen pixels
    bool printing;
    DeviceMetrics metrics;
    DrawingObjects screenObjects;  // used when not printing
    // The legend's words in the user's language; English lines when empty.
    std::function<std::string(const Message&)> words = {};
};

// Draws the whole plot (and, when printing, the page with its legend).
void DrawArcPlot(DrawingSurface& surface, const ArcPlotRequest& request);

// Whether a page of these metrics holds the plot and its legend for a window
// of this client area; when not, printing would give a blank page.
bool PageShowsThePlot(int clientWidth, int clientHeight, const DeviceMetrics& page);

}  // namespace zenbelts
