#include "view/ArcPlotOutput.h"

#include "view/QPainterSurface.h"

#include <QPageLayout>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace zenbelts {

DeviceMetrics StandardScreenMetrics()
{
    DeviceMetrics m{};
    m.logPixelsX = m.logPixelsY = 96;
    m.screenLogPixelsX = m.screenLogPixelsY = 96;
    m.screenHorzSize = m.screenVertSize = 2646;  // millimetres for 10000 pixels
    m.screenHorzRes = m.screenVertRes = 10000;
    return m;
}

DeviceMetrics ScreenMetricsOf(const QScreen* screen)
{
    DeviceMetrics m = StandardScreenMetrics();
    if (!screen)
        return m;
    const int dpiX = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
    const int dpiY = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    if (dpiX > 0 && dpiY > 0) {
        m.logPixelsX = m.screenLogPixelsX = dpiX;
        m.logPixelsY = m.screenLogPixelsY = dpiY;
    }
    const QSizeF mm = screen->physicalSize();
    const QSize pixels = screen->size();
    if (mm.width() >= 1 && mm.height() >= 1 && !pixels.isEmpty()) {
        m.screenHorzSize = static_cast<int>(std::lround(mm.width()));
        m.screenVertSize = static_cast<int>(std::lround(mm.height()));
        m.screenHorzRes = pixels.width();
        m.screenVertRes = pixels.height();
    }
    return m;
}

QImage RenderArcPlotImage(const MountSettings& settings, const SatelliteCatalogue& catalogue, QSize client,
                          const DeviceMetrics& screen, const DrawingObjects& objects)
{
    QImage image(client, QImage::Format_RGB32);
    if (image.isNull())
        return image;  // too large to allocate: the caller says so
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    DrawArcPlot(surface, {settings, catalogue, client.width(), client.height(), false, screen, objects});
    return image;
}

DeviceMetrics PageMetrics(const QPagedPaintDevice& device, const DeviceMetrics& screen)
{
    DeviceMetrics m = screen;
    m.logPixelsX = device.logicalDpiX();
    m.logPixelsY = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    const QRect full = layout.fullRectPixels(m.logPixelsX);
    const QRect paint = layout.paintRectPixels(m.logPixelsX);
    m.physicalWidth = full.width();
    m.physicalHeight = full.height();
    m.physicalOffsetX = paint.left() - full.left();
    m.physicalOffsetY = paint.top() - full.top();
    m.horzRes = paint.width();
    m.vertRes = paint.height();
    return m;
}

void PrintArcPlotPage(QPainter& painter, const DeviceMetrics& page, const MountSettings& settings,
                      const SatelliteCatalogue& catalogue, QSize window)
{
    QPainterSurface surface(painter);
    DrawArcPlot(surface, {settings, catalogue, window.width(), window.height(), true, page,
                          ScreenDrawingObjects(page.screenLogPixelsY)});
}

}  // namespace zenbelts
