// The plot drawn through QPainterSurface must paint exactly the pixels of the
// plain way of drawing it: one stroke per Bezier segment, each text shaped
// and drawn as it comes. That way is kept here as the reference.

#include "catalogue/SatelliteList.h"
#include "paint/ArcPlotOutput.h"
#include "paint/QPainterSurface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QSet>

#include <cmath>
#include <string>

namespace zenbelts {
namespace {

class ReferenceSurface : public DrawingSurface {
public:
    explicit ReferenceSurface(QPainter& painter) : painter_(painter)
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setBrush(QColor(64, 64, 64));
        painter_.setBackgroundMode(Qt::TransparentMode);
        SetPen(BlackPen);
    }
    ~ReferenceSurface() override { painter_.restore(); }

    void DrawLine(Point from, Point to) override
    {
        painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
    }
    void DrawArc(Point centre, int radius, float startDegrees, float sweepDegrees) override
    {
        const double start = startDegrees * (M_PI / 180.0);
        QPainterPath path(QPointF(centre.x + radius * std::cos(start), centre.y - radius * std::sin(start)));
        path.arcTo(QRectF(centre.x - radius, centre.y - radius, 2.0 * radius, 2.0 * radius), startDegrees,
                   sweepDegrees);
        Stroke(path);
    }
    void DrawBezier(const Point (&p)[4]) override
    {
        QPainterPath path(QPointF(p[0].x, p[0].y));
        path.cubicTo(QPointF(p[1].x, p[1].y), QPointF(p[2].x, p[2].y), QPointF(p[3].x, p[3].y));
        Stroke(path);
    }
    void FillEllipse(const Rect& box) override
    {
        painter_.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
    }
    void FillPolygon(const std::vector<Point>& corners, Rgb colour) override
    {
        QPolygon polygon;
        for (const Point& c : corners)
            polygon << QPoint(c.x, c.y);
        painter_.save();
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(colour.r, colour.g, colour.b));
        painter_.drawPolygon(polygon);
        painter_.restore();
    }
    void SetPixel(Point p, Rgb colour) override
    {
        painter_.fillRect(QRect(p.x, p.y, 1, 1), QColor(colour.r, colour.g, colour.b));
    }
    int TextWidth(std::string_view text) override
    {
        return QFontMetrics(painter_.font(), painter_.device())
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void DrawText(Point p, std::string_view text) override
    {
        painter_.save();
        painter_.setPen(QColor(Qt::black));
        painter_.drawText(QPointF(p.x, p.y + painter_.fontMetrics().ascent()),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        painter_.restore();
    }
    void SetPen(const PenSpec& pen) override
    {
        painter_.setPen(QPen(QColor(pen.colour.r, pen.colour.g, pen.colour.b), pen.width, Qt::SolidLine,
                             Qt::RoundCap, Qt::RoundJoin));
    }
    void SetFont(const FontSpec& font) override { painter_.setFont(QPainterSurface::ToQFont(font)); }
    void SetClip(const Rect& clip) override
    {
        painter_.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
    }
    void ClearClip() override { painter_.setClipping(false); }

private:
    void Stroke(const QPainterPath& path)
    {
        painter_.save();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
        painter_.restore();
    }

    QPainter& painter_;
};

template <typename Surface>
QImage Drawn(const MountSettings& s, const SatelliteCatalogue& c, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Surface surface(painter);
    DrawArcPlot(surface, {s, c, size.width(), size.height(), false, StandardScreenMetrics(),
                          ScreenDrawingObjects(96)});
    return image;
}

std::string Differences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    int count = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = QPoint(x, y);
        }
    }
    return std::to_string(count) + " pixels differ, the first at " + std::to_string(first.x()) + ","
           + std::to_string(first.y());
}

struct Case {
    const char* name;
    bool fullList;            // one entry at every position instead of the shipped list
    int latitude, longitude;  // arc-minutes; 0, 0: the factory site
    bool allChosen;
    bool locked;
    QSize size;
    bool chimney = false;  // a mask hiding part of the arc
};

TEST(PlotPixels, SameAsOneStrokePerSegmentAndTextShapedEachTime)
{
    SatelliteCatalogue shipped;
    ASSERT_TRUE(LoadSatelliteListFile("sats.lst", shipped));
    SatelliteCatalogue full;
    for (int p = 0; p < PositionCount; p += 7)
        full.InsertOrRename(p, std::string("S").append(std::to_string(p)));

    const Case cases[] = {
        {"factory", false, 0, 0, false, false, {600, 400}},
        {"factory full HD", false, 0, 0, false, false, {1920, 1080}},
        {"factory locked", false, 0, 0, false, true, {600, 400}},
        {"all chosen locked full HD", false, 0, 0, true, true, {1920, 1080}},
        {"south", false, -2030, 9070, false, false, {600, 400}},
        {"south locked all chosen", false, -2030, 9070, true, true, {1200, 700}},
        {"far south west locked", false, -4500, -4200, true, true, {800, 600}},
        {"busy list locked", true, 0, 0, true, true, {1920, 1080}},
        {"tiny window", false, 0, 0, true, true, {40, 30}},
        {"factory behind a chimney", false, 0, 0, true, false, {600, 400}, true},
        {"south locked behind a chimney", false, -2030, 9070, true, true, {1200, 700}, true},
    };
    for (const Case& c : cases) {
        const SatelliteCatalogue& catalogue = c.fullList ? full : shipped;
        MountSettings s;
        s.LoadFactoryDefaults(catalogue);
        if (c.latitude != 0 || c.longitude != 0) {
            s.latitude = c.latitude;
            s.longitude = c.longitude;
            s.Recalculate(true);
        }
        if (c.allChosen) {
            for (const SatelliteEntry& e : catalogue)
                s.chosenSatellites.Set(e.position);
        }
        s.lockSatellites = c.locked ? 1 : 0;
        if (c.chimney)
            s.horizon = {{300, 0}, {2000, 0}, {2050, 250}, {2300, 250}, {2350, 0}};
        const QImage reference = Drawn<ReferenceSurface>(s, catalogue, c.size);
        // Twice: the second drawing takes its labels from the cache.
        for (int round = 0; round < 2; ++round) {
            const QImage drawn = Drawn<QPainterSurface>(s, catalogue, c.size);
            EXPECT_TRUE(drawn == reference)
                << c.name << " round " << round << ": " << Differences(drawn, reference);
        }
    }
}

// A label drawn while another pen is set is black all the same, and the pen
// is the one set afterwards.
TEST(PlotPixels, TextUnderAColouredPenIsBlackAndLeavesThePen)
{
    const auto draw = [](auto& surface) {
        surface.SetFont({"Arial", 11});
        surface.SetPen({3, {255, 192, 192}});
        surface.DrawText({5, 5}, "13.0\xc2\xb0"
                                 "E");
        surface.DrawLine({0, 30}, {60, 30});
        const Point curve[4] = {{0, 40}, {20, 50}, {40, 30}, {60, 40}};
        surface.DrawBezier(curve);
        surface.SetPen({1, {0, 0, 255}});
        surface.DrawText({5, 45}, "W");
    };
    QImage images[2];
    for (int k = 0; k < 2; ++k) {
        images[k] = QImage(70, 60, QImage::Format_RGB32);
        images[k].fill(Qt::white);
        QPainter painter(&images[k]);
        if (k == 0) {
            ReferenceSurface surface(painter);
            draw(surface);
        } else {
            QPainterSurface surface(painter);
            draw(surface);
        }
    }
    EXPECT_TRUE(images[1] == images[0]) << Differences(images[1], images[0]);
}

QImage WithColours(int count)
{
    // count colours, each in a run of its own, the rest white.
    QImage image(64, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int k = 0; k < count - 1; ++k)
        image.setPixel(k % 64, k / 64, qRgb(k % 256, (k / 256) * 40, 7));
    return image;
}

int ColourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

TEST(PlotPng, DecodesToTheSamePixels)
{
    SatelliteCatalogue shipped;
    ASSERT_TRUE(LoadSatelliteListFile("sats.lst", shipped));
    MountSettings s;
    s.LoadFactoryDefaults(shipped);
    const QImage small
        = RenderArcPlotImage(s, shipped, {320, 200}, StandardScreenMetrics(), ScreenDrawingObjects(96));
    const struct {
        const char* name;
        QImage image;
        bool palette;  // written with 8-bit indices
    } cases[] = {
        {"plot",
         RenderArcPlotImage(s, shipped, {1200, 700}, StandardScreenMetrics(), ScreenDrawingObjects(96)),
         true},
        // Small, its anti-aliased edges may give it more than 256 colours.
        {"small plot", small, ColourCount(small) <= 256},
        {"one colour", WithColours(1), true},
        {"256 colours", WithColours(256), true},
        {"257 colours", WithColours(257), false},
        {"2000 colours", WithColours(2000), false},
        {"one pixel", QImage(1, 1, QImage::Format_RGB32), true},
    };
    for (const auto& c : cases) {
        const QByteArray png = EncodePng(c.image);
        ASSERT_FALSE(png.isEmpty()) << c.name;
        const QImage decoded = QImage::fromData(png, "PNG");
        ASSERT_FALSE(decoded.isNull()) << c.name;
        EXPECT_EQ(decoded.format() == QImage::Format_Indexed8, c.palette) << c.name;
        EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) == c.image)
            << c.name << ": " << Differences(decoded.convertToFormat(QImage::Format_RGB32), c.image);
        EXPECT_EQ(ToPaletteImage(c.image).isNull(), !c.palette) << c.name;
        // Never much larger than the general writer makes it.
        QByteArray general;
        QBuffer buffer(&general);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, "png").write(c.image)) << c.name;
        if (general.size() > 1000) {
            EXPECT_LE(png.size(), general.size() * 11 / 10)
                << c.name << ": " << png.size() << " bytes, not " << general.size();
        }
    }
}

// Large plots are drawn into memory of their own: the same pixels as an
// ordinary image, and a PNG that decodes to them, at sizes either side of
// where that starts.
TEST(PlotPng, LargePlotsDrawAndDecodeAsSmallOnes)
{
    SatelliteCatalogue shipped;
    ASSERT_TRUE(LoadSatelliteListFile("sats.lst", shipped));
    MountSettings s;
    s.LoadFactoryDefaults(shipped);
    for (const QSize size : {QSize(1000, 1048), QSize(1024, 1024), QSize(1920, 1080), QSize(3001, 1999)}) {
        const QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const QImage drawn
            = RenderArcPlotImage(s, shipped, size, StandardScreenMetrics(), ScreenDrawingObjects(96));
        QImage plain(size, QImage::Format_RGB32);
        plain.fill(Qt::white);
        {
            QPainter painter(&plain);
            QPainterSurface surface(painter);
            DrawArcPlot(surface, {s, shipped, size.width(), size.height(), false, StandardScreenMetrics(),
                                  ScreenDrawingObjects(96)});
        }
        ASSERT_EQ(drawn.size(), size) << name.toStdString();
        EXPECT_TRUE(drawn == plain) << name.toStdString() << ": " << Differences(drawn, plain);
        const QImage decoded = QImage::fromData(EncodePng(drawn), "PNG");
        // A palette wherever the image has 256 colours or fewer.
        EXPECT_EQ(decoded.format() == QImage::Format_Indexed8, !ToPaletteImage(drawn).isNull())
            << name.toStdString();
        EXPECT_EQ(decoded.dotsPerMeterX(), drawn.dotsPerMeterX()) << name.toStdString();
        EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) == plain) << name.toStdString();
    }
}

// The image handed over by value is the caller's copy: encoding in place
// must not reach an image that shares it.
TEST(PlotPng, LeavesACopyOfTheImageAlone)
{
    const QImage image = WithColours(30);
    const QImage copy = image;
    ASSERT_FALSE(EncodePng(copy).isEmpty());
    EXPECT_TRUE(copy == WithColours(30));
    EXPECT_TRUE(image == WithColours(30));
}

}  // namespace
}  // namespace zenbelts
