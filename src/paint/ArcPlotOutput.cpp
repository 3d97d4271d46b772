

#include "paint/ArcPlotOutput.h"

#include "paint/QPainterSurface.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QScreen>

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zenbelts {

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

namespace {

// An opaque 32-bit image; a large one in memory the kernel may back with
// huge pages: a plot of tens of megapixels otherwise spends more time in
// page faults than in drawing.
QImage NewPlotImage(QSize size)
{
#if defined(__linux__)
    constexpr qsizetype hugePage = qsizetype(2) << 20;
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const qsizetype bytes = bytesPerLine * size.height();
    if (!size.isEmpty() && bytes >= 2 * hugePage) {
        const qsizetype rounded = (bytes + hugePage - 1) / hugePage * hugePage;
        if (void* memory = std::aligned_alloc(hugePage, static_cast<std::size_t>(rounded))) {
            madvise(memory, static_cast<std::size_t>(rounded), MADV_HUGEPAGE);
            return QImage(
                static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                [](void* m) { std::free(m); }, memory);
        }
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

}  // namespace

QImage RenderArcPlotImage(const MountSettings& settings, const SatelliteCatalogue& catalogue, QSize client,
                          const DeviceMetrics& screen, const DrawingObjects& objects)
{
    QImage image = NewPlotImage(client);
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

namespace {

// Colours to palette indices in the order they first appear, at most 256.
// Where the run of last's colour (alpha aside) that goes on at x ends.
// A plot is mostly long runs of one colour: four pixels at a time.
int RunEnd(const QRgb* in, int x, int width, QRgb last)
{
#if defined(__SSE2__)
    const __m128i want = _mm_set1_epi32(static_cast<int>(last));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    for (; x + 4 <= width; x += 4) {
        const __m128i four = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x)), opaque);
        const auto same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi32(four, want)));
        if (same != 0xffffu)
            return x + std::countr_one(same) / 4;
    }
#endif
    while (x < width && (in[x] | 0xff000000u) == last)
        ++x;
    return x;
}

class Palette {
public:
    // -1 once a 257th colour turns up.
    int IndexOf(QRgb colour)
    {
        for (unsigned slot = (colour * 0x9e3779b1u) >> (32 - SlotBits);; slot = (slot + 1) & (Slots - 1)) {
            if (keys_[slot] == colour)
                return values_[slot];
            if (keys_[slot] == 0) {
                if (table_.size() == 256)
                    return -1;
                keys_[slot] = colour;
                values_[slot] = static_cast<uchar>(table_.size());
                table_.append(colour);
                return values_[slot];
            }
        }
    }
    const QList<QRgb>& Table() const { return table_; }

private:
    static constexpr int SlotBits = 10;
    static constexpr unsigned Slots = 1u << SlotBits;
    QRgb keys_[Slots] = {};  // opaque colours: 0 marks a free slot
    uchar values_[Slots] = {};
    QList<QRgb> table_;
};

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const auto size = static_cast<quint32>(data.size());
    const char length[4] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    png.append(length, 4);
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data);
    const auto crc = static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + start),
                                                static_cast<uInt>(png.size() - start)));
    const char check[4] = {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
    png.append(check, 4);
}

void AppendBigEndian(QByteArray& data, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    data.append(bytes, 4);
}

// An opaque 32-bit image as a PNG with 8-bit colour indices, rows unfiltered
// and deflated as runs: a plot is long runs of few colours, and this is
// several times faster than the default and no larger. Empty when the image
// has more than 256 colours.
// A PNG's rows, each led by its filter byte, deflated as they come.
class PngRows {
public:
    PngRows(int level, int strategy)
    {
        ok_ = deflateInit2(&zip_, level, Z_DEFLATED, 15, 8, strategy) == Z_OK;
    }
    PngRows(const PngRows&) = delete;
    PngRows& operator=(const PngRows&) = delete;
    ~PngRows() { deflateEnd(&zip_); }

    void Add(const QByteArray& row)
    {
        zip_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        zip_.avail_in = static_cast<uInt>(row.size());
        Deflate(Z_NO_FLUSH);
    }
    // The compressed data, or empty when deflating failed.
    QByteArray Finish()
    {
        Deflate(Z_FINISH);
        return ok_ ? compressed_ : QByteArray();
    }

private:
    void Deflate(int flush)
    {
        int result = Z_OK;
        while (ok_) {
            zip_.next_out = reinterpret_cast<Bytef*>(out_.data());
            zip_.avail_out = static_cast<uInt>(out_.size());
            result = deflate(&zip_, flush);
            compressed_.append(out_.constData(), out_.size() - zip_.avail_out);
            ok_ = result != Z_STREAM_ERROR;
            if (result != Z_OK || (zip_.avail_in == 0 && zip_.avail_out != 0))
                break;
        }
    }

    z_stream zip_{};
    bool ok_ = false;
    QByteArray out_ = QByteArray(qsizetype(64) << 10, Qt::Uninitialized);
    QByteArray compressed_;
};

// The PNG around rows already compressed: colour type 3 (palette) when a
// palette is given, else 2 (RGB), 8 bits a sample, and the image's density.
QByteArray PngFile(const QImage& image, const QList<QRgb>* palette, const QByteArray& compressed)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    AppendBigEndian(header, static_cast<quint32>(image.width()));
    AppendBigEndian(header, static_cast<quint32>(image.height()));
    // 8 bits, palette or RGB, deflate, no filter method beyond the standard, no interlace
    header.append(palette ? "\x08\x03\x00\x00\x00" : "\x08\x02\x00\x00\x00", 5);
    AppendChunk(png, "IHDR", header);
    if (palette) {
        QByteArray colours;
        for (const QRgb c : *palette) {
            const char rgb[3] = {char(qRed(c)), char(qGreen(c)), char(qBlue(c))};
            colours.append(rgb, 3);
        }
        AppendChunk(png, "PLTE", colours);
    }
    if (image.dotsPerMeterX() > 0 || image.dotsPerMeterY() > 0) {
        QByteArray density;
        AppendBigEndian(density, static_cast<quint32>(std::max(0, image.dotsPerMeterX())));
        AppendBigEndian(density, static_cast<quint32>(std::max(0, image.dotsPerMeterY())));
        density.append('\x01');  // per metre
        AppendChunk(png, "pHYs", density);
    }
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray EncodePalettePng(const QImage& image)
{
    const int width = image.width(), height = image.height();
    Palette palette;
    // Indices come in long runs of one byte: the fastest level, runs only.
    PngRows rows(Z_BEST_SPEED, Z_RLE);
    QByteArray row(qsizetype(width) + 1, '\0');  // filter type 0, then the indices
    QRgb last = 0;                               // no opaque colour: the first pixel is looked up
    int lastIndex = 0;
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* indices = reinterpret_cast<uchar*>(row.data()) + 1;
        for (int x = 0; x < width;) {
            const QRgb colour = in[x] | 0xff000000u;
            if (colour != last) {
                lastIndex = palette.IndexOf(colour);
                if (lastIndex < 0)
                    return QByteArray();
                last = colour;
            }
            const int end = RunEnd(in, x + 1, width, last);
            std::memset(indices + x, lastIndex, static_cast<std::size_t>(end - x));
            x = end;
        }
        rows.Add(row);
    }
    const QByteArray compressed = rows.Finish();
    return compressed.isEmpty() ? QByteArray() : PngFile(image, &palette.Table(), compressed);
}

// Full colour, each row filtered by "Sub": a run of one colour becomes a run
// of zeros. Level 4 is the fastest that keeps the file as small as the
// general writer's (which tries every filter on every row); level 3 is no
// faster on a plot and a third larger.
QByteArray EncodeRgbPng(const QImage& image)
{
    const int width = image.width(), height = image.height();
    PngRows rows(4, Z_DEFAULT_STRATEGY);
    QByteArray row(qsizetype(width) * 3 + 1, '\1');
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* out = reinterpret_cast<uchar*>(row.data()) + 1;
        QRgb left = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = in[x];
            out[3 * x] = static_cast<uchar>(qRed(colour) - qRed(left));
            out[3 * x + 1] = static_cast<uchar>(qGreen(colour) - qGreen(left));
            out[3 * x + 2] = static_cast<uchar>(qBlue(colour) - qBlue(left));
            left = colour;
        }
        rows.Add(row);
    }
    const QByteArray compressed = rows.Finish();
    return compressed.isEmpty() ? QByteArray() : PngFile(image, nullptr, compressed);
}

}  // namespace

QByteArray EncodePng(QImage image)
{
    if (image.format() == QImage::Format_RGB32 && !image.isNull()) {
        QByteArray png = EncodePalettePng(image);
        if (png.isEmpty())
            png = EncodeRgbPng(image);
        if (!png.isEmpty())
            return png;
    }
    QByteArray png;
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
                      const SatelliteCatalogue& catalogue, QSize window,
                      const std::function<std::string(const Message&)>& words)
{
    QPainterSurface surface(painter);
    DrawArcPlot(surface, {settings, catalogue, window.width(), window.height(), true, page,
                          ScreenDrawingObjects(page.screenLogPixelsY), words});
}

}  // namespace zenbelts
