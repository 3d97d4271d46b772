#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"
#include "plot/ArcPlot.h"

#include <QByteArray>
#include <QImage>
class QScreen;
#include <QPagedPaintDevice>
#include <QSize>

// The plot on Qt's devices: a window-sized image and a printed page.

namespace zenbelts {

// A real screen's metrics; the standard screen's where it reports no size.
DeviceMetrics ScreenMetricsOf(const QScreen* screen);

// The plot as a window with this client area draws it, on white.
QImage RenderArcPlotImage(const MountSettings& settings, const SatelliteCatalogue& catalogue, QSize client,
                          const DeviceMetrics& screen, const DrawingObjects& objects);

// The image as PNG: with 8-bit colour indices when it has 256 colours or
// fewer (a plot has a handful), which decode to the same pixels and encode
// several times faster; in full colour otherwise. Empty when it cannot be
// encoded.
QByteArray EncodePng(QImage image);

// The image's colours as indices into a table of at most 256, in the order
// they first appear; a null image when it has more or is not opaque 32-bit.
QImage ToPaletteImage(const QImage& image);

// A page's metrics in its own dots, from its layout and resolution, with the
// screen's fields taken from screen.
DeviceMetrics PageMetrics(const QPagedPaintDevice& device, const DeviceMetrics& screen);

// Draws the one printed page on a painter that is active on a paged device
// (printer, preview or PDF). window: the document window's client area;
// words: the legend in the user's language (English without).
void PrintArcPlotPage(QPainter& painter, const DeviceMetrics& page, const MountSettings& settings,
                      const SatelliteCatalogue& catalogue, QSize window,
                      const std::function<std::string(const Message&)>& words = {});

}  // namespace zenbelts
