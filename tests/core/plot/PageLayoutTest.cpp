#include "plot/PageLayout.h"
#include "plot/ArcPlot.h"
#include "plot/RecordingSurface.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

using testing_support::RecordingSurface;

// The worked printer: 600 dpi, A4 with a 100-dot unprintable border.
DeviceMetrics Printer600()
{
    DeviceMetrics m = testing_support::WorkedScreen();
    m.logPixelsX = m.logPixelsY = 600;
    m.physicalWidth = 4960;
    m.physicalHeight = 7016;
    m.physicalOffsetX = m.physicalOffsetY = 100;
    m.horzRes = 4760;
    m.vertRes = 6816;
    return m;
}

MountSettings Factory(const SatelliteCatalogue& c)
{
    MountSettings s;
    s.LoadFactoryDefaults(c);
    return s;
}

TEST(PageLayout, WorkedPage)
{
    const PageLayout page = ComputePageLayout(Printer600(), 148, 98);
    EXPECT_FALSE(page.blank);
    EXPECT_EQ(page.legendFontHeight, 83);
    EXPECT_EQ(page.legendLineSpacing, 110);
    EXPECT_EQ(page.clip, (Rect{500, 500, 4260, 2989}));
    EXPECT_EQ(page.legendTopLeft, (Point{500, 3289}));
}

TEST(PageLayout, FitsTheWindowsShape)
{
    // Wider than the page's area: full width, shorter plot.
    PageLayout wide = ComputePageLayout(Printer600(), 400, 50);
    EXPECT_EQ(wide.clip.left, 500);
    EXPECT_EQ(wide.clip.right, 4260);
    EXPECT_EQ(wide.clip.bottom, 500 + 3760 * 50 / 400);
    // Narrow and tall: full height of the area above the legend band, narrower.
    PageLayout tall = ComputePageLayout(Printer600(), 50, 400);
    EXPECT_EQ(tall.clip.bottom, 5383);
    EXPECT_EQ(tall.clip.right, 500 + 4883 * 50 / 400);
}

TEST(PageLayout, MarginsAreOneInchOrThePrintableEdge)
{
    DeviceMetrics m = Printer600();
    m.physicalOffsetX = m.physicalOffsetY = 0;
    m.horzRes = 4960;
    m.vertRes = 7016;
    PageLayout page = ComputePageLayout(m, 100, 1000);  // tall: keep the bottom
    EXPECT_EQ(page.clip.left, 600);
    EXPECT_EQ(page.clip.top, 600);
    EXPECT_EQ(page.clip.bottom, 7016 - 600 - 933);

    m.physicalOffsetX = m.physicalOffsetY = 700;  // wider than an inch
    m.horzRes = 3560;
    m.vertRes = 5616;
    page = ComputePageLayout(m, 1000, 100);  // wide: keep the right edge
    EXPECT_EQ(page.clip.left, 0);
    EXPECT_EQ(page.clip.top, 0);
    EXPECT_EQ(page.clip.right, 3560);
}

TEST(PageLayout, TooSmallForTheLegendIsBlank)
{
    DeviceMetrics m = Printer600();
    m.physicalWidth = 1200 + 3335;  // one dot under 40 t + 16 between the margins
    m.horzRes = m.physicalWidth - 100;
    EXPECT_TRUE(ComputePageLayout(m, 148, 98).blank);
    m.physicalWidth += 1;
    m.horzRes += 1;
    EXPECT_FALSE(ComputePageLayout(m, 148, 98).blank);

    m = Printer600();
    m.physicalHeight = 1200 + 932;  // one dot under the legend band
    m.vertRes = m.physicalHeight - 100;
    EXPECT_TRUE(ComputePageLayout(m, 148, 98).blank);
}

TEST(Legend, FactorySetUp)
{
    const auto lines = LegendLines(Factory({}));
    EXPECT_EQ(lines[0], "Location:         43\u00b020'N, 77\u00b000'E; Alt: 0 m");
    EXPECT_EQ(lines[1], "Mounting pole:    0.0\u00b0N, 0.0\u00b0E");
    EXPECT_EQ(lines[2], "Motor azimuth:    0.0\u00b0E");
    EXPECT_EQ(lines[3], "Motor elevation:  46.6\u00b0N");
    EXPECT_EQ(lines[4], "Dish azimuth:     0.0\u00b0E");
    EXPECT_EQ(lines[5], "Dish declination: 6.4\u00b0S");
}

TEST(Legend, SignsGoToTheLetters)
{
    MountSettings s = Factory({});
    s.latitude = -1;
    s.longitude = -10799;
    s.altitude = -50;
    s.poleNS = -5;
    s.motorAzimuth = -123;
    const auto lines = LegendLines(s);
    EXPECT_EQ(lines[0], "Location:         0\u00b001'S, 179\u00b059'W; Alt: -50 m");
    EXPECT_EQ(lines[1], "Mounting pole:    0.5\u00b0S, 0.0\u00b0E");
    EXPECT_EQ(lines[2], "Motor azimuth:    12.3\u00b0W");
}

TEST(PrintedPlot, WorkedPageFromA600x400Window)
{
    SatelliteCatalogue c;
    c.InsertOrRename(770, "Chosen");
    c.InsertOrRename(1000, "Plain");
    MountSettings s = Factory(c);
    RecordingSurface r;
    DrawArcPlot(r, {s, c, 600, 400, true, Printer600(), ScreenDrawingObjects(96)});

    ASSERT_EQ(r.texts.size(), 7u) << "six legend lines and one label";
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.texts[i].at, (Point{500, 3289 + 110 * i})) << "legend line " << i;
        EXPECT_EQ(r.texts[i].font, (FontSpec{"Courier New", 83}));
    }
    EXPECT_EQ(r.texts[0].text, LegendLines(s)[0]);
    ASSERT_EQ(r.clips.size(), 1u);
    EXPECT_EQ(r.clips[0], (Rect{500, 500, 4260, 2989}));

    EXPECT_EQ(r.pens.at(0), (PenSpec{1, {192, 192, 192}})) << "grid pen, 1 dot";
    EXPECT_EQ(r.pens.at(1), (PenSpec{18, {255, 192, 192}})) << "highlight pen";
    ASSERT_EQ(r.ellipses.size(), 2u);
    const Rect chosen = r.ellipses[0], plain = r.ellipses[1];
    EXPECT_EQ(chosen.Width(), 19);
    EXPECT_EQ(plain.Width(), 7);
    EXPECT_EQ(r.texts[6].text, "77.0\u00b0E");
    EXPECT_EQ(r.texts[6].font, (FontSpec{"Arial", 67}));
    // The label sits 12 dots right of and below the mark's centre (K = 9).
    EXPECT_EQ(r.texts[6].at, (Point{chosen.left + 9 + 12, chosen.top + 9 + 12}));
    EXPECT_TRUE(r.pixels.empty());
    // The plot rectangle is 4 dots inside the clip: the +5 degree arc touches its top.
    EXPECT_EQ(r.arcs.at(9).radius, static_cast<int>(r.arcs.at(9).centre.y - 504));
}

TEST(PrintedPlot, TinyWindowGivesABlankPage)
{
    const SatelliteCatalogue none;
    DeviceMetrics m = Printer600();
    m.screenVertRes = 9600;  // 0.025 mm a pixel: 3 pixels round to 0 mm
    RecordingSurface r;
    DrawArcPlot(r, {Factory(none), none, 12, 11, true, m, ScreenDrawingObjects(96)});
    EXPECT_TRUE(r.Empty());
}

TEST(PrintedPlot, PageShowsThePlotExactlyWhenSomethingIsDrawn)
{
    // Pages from A4 at 600 dpi down to a few centimetres (A5 with wide
    // margins lies between), windows from tiny to wide.
    const SatelliteCatalogue none;
    const MountSettings s = Factory(none);
    int shown = 0, blank = 0;
    for (int pageWidth : {4760, 3000, 1800, 1200, 700, 300}) {
        for (int pageHeight : {6816, 4000, 2200, 1200, 500, 260}) {
            for (const auto& [w, h] : {std::pair{600, 400}, {1920, 200}, {200, 1920}, {40, 30}, {12, 11}}) {
                DeviceMetrics m = Printer600();
                m.horzRes = pageWidth;
                m.vertRes = pageHeight;
                m.physicalWidth = pageWidth + 200;
                m.physicalHeight = pageHeight + 200;
                RecordingSurface r;
                DrawArcPlot(r, {s, none, w, h, true, m, ScreenDrawingObjects(96)});
                const bool expected = PageShowsThePlot(w, h, m);
                EXPECT_EQ(expected, !r.Empty())
                    << pageWidth << "x" << pageHeight << " dots, window " << w << "x" << h;
                (expected ? shown : blank)++;
            }
        }
    }
    EXPECT_GT(shown, 10);
    EXPECT_GT(blank, 10);
}

}  // namespace
}  // namespace zenbelts
