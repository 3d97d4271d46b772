#include "paint/QPainterSurface.h"
#include "paint/ArcPlotOutput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace zenbelts {
namespace {

QImage Render(const MountSettings& s, const SatelliteCatalogue& c, QSize size = {600, 400})
{
    return RenderArcPlotImage(s, c, size, StandardScreenMetrics(), ScreenDrawingObjects(96));
}

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

// A white image of the size, painted through the surface by draw.
template <typename Draw>
QImage Painted(int width, int height, Draw draw)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        QPainterSurface surface(painter);
        surface.SetPen({1, Black});
        draw(surface);
    }
    painter.end();
    return image;
}

class PaintedPlot : public testing::Test {
protected:
    void SetUp() override
    {
        catalogue.InsertOrRename(750, "Plain");
        catalogue.InsertOrRename(770, "Chosen");
        settings.LoadFactoryDefaults(catalogue);  // chooses the first entry: 750
        settings.chosenSatellites.Clear();
        settings.chosenSatellites.Set(770);
    }
    SatelliteCatalogue catalogue;
    MountSettings settings;
};

TEST_F(PaintedPlot, ChosenMarkIsAThreeByThreeDotOfThreeGreys)
{
    const QImage image = Render(settings, catalogue);
    // 77.0 E at (300, 169).
    EXPECT_EQ(image.pixel(300, 169), Rgb(0, 0, 0));
    for (QPoint side : {QPoint(299, 169), QPoint(301, 169), QPoint(300, 168), QPoint(300, 170)})
        EXPECT_EQ(image.pixel(side), Rgb(64, 64, 64)) << side.x() << "," << side.y();
    for (QPoint corner : {QPoint(299, 168), QPoint(301, 168), QPoint(299, 170), QPoint(301, 170)})
        EXPECT_EQ(image.pixel(corner), Rgb(128, 128, 128)) << corner.x() << "," << corner.y();
}

TEST_F(PaintedPlot, PlainMarkIsOneBlackPixel)
{
    const QImage image = Render(settings, catalogue);
    EXPECT_EQ(image.pixel(306, 169), Rgb(0, 0, 0));  // 75.0 E
    EXPECT_EQ(image.pixel(307, 169), Rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(305, 169), Rgb(255, 255, 255));
}

TEST_F(PaintedPlot, BeamIsThreePixelsOfTheHighlightColour)
{
    const QImage image = Render(settings, catalogue);
    for (int y = 161; y <= 163; ++y)
        EXPECT_EQ(image.pixel(300, y), Rgb(255, 192, 192)) << y;
    EXPECT_EQ(image.pixel(300, 159), Rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, 165), Rgb(255, 255, 255));
}

TEST_F(PaintedPlot, GridIsOnePixelWideAndClipped)
{
    const QImage image = Render(settings, catalogue);
    EXPECT_EQ(image.pixel(300, 8), Rgb(192, 192, 192)) << "+5 degrees touches the top";
    EXPECT_EQ(image.pixel(300, 7), Rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, 9), Rgb(255, 255, 255));
    // Rays start below the window and are cut at the clip rectangle.
    for (int x = 0; x < 600; ++x) {
        EXPECT_EQ(image.pixel(x, 397), Rgb(255, 255, 255)) << x;
        EXPECT_EQ(image.pixel(x, 2), Rgb(255, 255, 255)) << x;
    }
}

TEST_F(PaintedPlot, LabelIsBlackTextBelowRightOfTheMark)
{
    const QImage image = Render(settings, catalogue);
    int dark = 0;
    for (int y = 171; y < 171 + 12; ++y) {
        for (int x = 302; x < 302 + 40; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    EXPECT_GT(dark, 20) << "77.0°E is written there";
}

TEST(QPainterSurface, ArcsRunCounterclockwise)
{
    const QImage image = Painted(100, 100, [](DrawingSurface& surface) {
        surface.DrawArc({50, 50}, 30, 0.0f, 90.0f);  // from (80, 50) up to (50, 20)
    });
    EXPECT_EQ(image.pixel(80, 50), Rgb(0, 0, 0)) << "the arc's start at the right";
    EXPECT_EQ(image.pixel(50, 20), Rgb(0, 0, 0)) << "the arc's end at the top";
    EXPECT_EQ(image.pixel(50, 80), Rgb(255, 255, 255)) << "not clockwise through the bottom";
    const int x45 = 50 + static_cast<int>(30 * 0.7071 + 0.5), y45 = 50 - static_cast<int>(30 * 0.7071 + 0.5);
    int near = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            near += image.pixel(x45 + dx, y45 + dy) == Rgb(0, 0, 0);
    EXPECT_GT(near, 0) << "passes the upper right";
}

TEST(QPainterSurface, EllipseIsFilledDarkGreyInsideItsBox)
{
    const QImage image = Painted(40, 40, [](DrawingSurface& surface) {
        surface.FillEllipse({10, 10, 29, 29});
    });
    EXPECT_EQ(image.pixel(19, 19), Rgb(64, 64, 64));
    EXPECT_EQ(image.pixel(19, 10), Rgb(0, 0, 0)) << "outline on the top edge";
    EXPECT_EQ(image.pixel(19, 29), Rgb(255, 255, 255)) << "the bottom edge is outside";
}

TEST(QPainterSurface, SetPixelSetsOnePixelInsideTheClipOnly)
{
    const QImage image = Painted(10, 10, [](DrawingSurface& surface) {
        surface.SetClip({2, 2, 5, 5});
        surface.SetPixel({3, 3}, {10, 20, 30});
        surface.SetPixel({5, 5}, {10, 20, 30});  // right and bottom edges are outside
    });
    EXPECT_EQ(image.pixel(3, 3), Rgb(10, 20, 30));
    EXPECT_EQ(image.pixel(5, 5), Rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 3), Rgb(255, 255, 255));
}

}  // namespace
}  // namespace zenbelts
