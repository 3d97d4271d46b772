

#include "view/ArcPlotOutput.h"

#include "view/QPainterSurface.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>
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

namespace {

// The image's colours in the order they first appear, each with its index;
// false when there are more than 256.
bool CollectColours(const QImage& image, QList<QRgb>& table, QHash<QRgb, uchar>& indices)
{
    const int width = image.width(), height = image.height();
    QRgb last = 0;
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            // Runs of one colour are the rule: look up only where it changes.
            const QRgb colour = in[x] | 0xff000000u;
            if (colour == last)
                continue;
            last = colour;
            if (indices.contains(colour))
                continue;
            if (table.size() == 256)
                return false;
            indices.insert(colour, static_cast<uchar>(table.size()));
            table.append(colour);
        }
    }
    return true;
}

// Each row's indices from the row's start in to, which may be the image's
// own memory: pixel x is read before index x overwrites a byte of pixel x / 4.
void WriteIndices(const QImage& image, const QHash<QRgb, uchar>& indices, uchar* to, qsizetype toBytesPerLine)
{
    const int width = image.width(), height = image.height();
    QRgb last = 0;
    uchar lastIndex = indices.value(last | 0xff000000u);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = to + y * toBytesPerLine;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            if (colour != last) {
                last = colour;
                lastIndex = indices.value(colour);
            }
            out[x] = lastIndex;
        }
    }
}

bool WritePng(const QImage& image, QByteArray& png)
{
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) && !png.isEmpty();
}

}  // namespace

namespace {

QImage Indexed(uchar* bits, const QImage& like, qsizetype bytesPerLine, const QList<QRgb>& table)
{
    QImage indexed(bits, like.width(), like.height(), bytesPerLine, QImage::Format_Indexed8);
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(like.dotsPerMeterX());
    indexed.setDotsPerMeterY(like.dotsPerMeterY());
    return indexed;
}

}  // namespace

QImage ToPaletteImage(const QImage& image)
{
    QList<QRgb> table;
    QHash<QRgb, uchar> indices;
    if (image.format() != QImage::Format_RGB32 || image.isNull() || !CollectColours(image, table, indices))
        return QImage();
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return QImage();
    WriteIndices(image, indices, indexed.bits(), indexed.bytesPerLine());
    return Indexed(indexed.bits(), image, indexed.bytesPerLine(), table).copy();
}

QByteArray EncodePng(QImage image)
{
    QByteArray png;
    QList<QRgb> table;
    QHash<QRgb, uchar> indices;
    if (image.format() == QImage::Format_RGB32 && !image.isNull() && CollectColours(image, table, indices)) {
        // Indexed in place: a large plot needs no second image.
        uchar* bits = image.bits();
        WriteIndices(image, indices, bits, image.bytesPerLine());
        return WritePng(Indexed(bits, image, image.bytesPerLine(), table), png) ? png : QByteArray();
    }
    return WritePng(image, png) ? png : QByteArray();
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
