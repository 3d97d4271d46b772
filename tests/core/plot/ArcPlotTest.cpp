#include "plot/ArcPlot.h"

#include "model/Reach.h"
#include "plot/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenbelts {
namespace {

using testing_support::RecordingSurface;

SatelliteCatalogue Catalogue(std::initializer_list<int> positions)
{
    SatelliteCatalogue c;
    for (int p : positions)
        c.InsertOrRename(p, "S");
    return c;
}

MountSettings FactoryAt(int latitude, const SatelliteCatalogue& catalogue)
{
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    s.latitude = latitude;
    s.Recalculate(true);
    return s;
}

RecordingSurface Draw(const MountSettings& s, const SatelliteCatalogue& c, int width, int height)
{
    RecordingSurface surface;
    DrawArcPlot(surface,
                {s, c, width, height, false, testing_support::WorkedScreen(), ScreenDrawingObjects(96)});
    return surface;
}

// Where a satellite was drawn: the centre of its mark.
Point MarkOf(const RecordingSurface& r, std::size_t index, bool chosen)
{
    if (chosen)
        return r.pixels.at(9 * index + 4).at;  // the black centre of the 3x3 dot
    return r.pixels.at(index).at;
}

TEST(PlotProjection, Window600x400)
{
    const PlotProjection p = ComputeProjection({8, 8, 592, 392});
    EXPECT_NEAR(p.halfAngle, std::asin(292.0 / 576.0), 1e-15);
    EXPECT_NEAR(p.halfAngle * RadiansToDegrees, 30.46, 0.005);
    EXPECT_EQ(p.centreX, 300);
    EXPECT_EQ(p.centreY, 584);
    EXPECT_DOUBLE_EQ(p.baseRadius, 422.4);
    EXPECT_DOUBLE_EQ(p.radiusPerDegree, 30.72);
}

TEST(PlotProjection, WideWindowKeepsItsOwnRadius)
{
    const PlotProjection p = ComputeProjection({8, 8, 1192, 292});
    const double h = 284, r = p.baseRadius + (h / 3) * 1.2;
    EXPECT_NEAR(r / (1.5 * h), 4.5, 0.1) << "well above the minimum radius";
    EXPECT_NEAR(p.halfAngle, 0.317, 0.001);
}

TEST(ProjectPoint, ArcEndsInThe600x400Window)
{
    const PlotProjection p = ComputeProjection({8, 8, 592, 392});
    const double five = 5 * TenthsToRadians * 10;
    const struct {
        const char* name;
        double a, b;
        Point expected;
    } cases[] = {
        {"+5 right", -HalfPi, five, {592, 88}},
        {"+5 top", 0, five, {300, 8}},
        {"+5 left", HalfPi, five, {8, 88}},
        {"0 right", -HalfPi, 0, {514, 220}},
        {"0 top", 0, 0, {300, 162}},
        {"0 left", HalfPi, 0, {86, 220}},
        {"-5 right", -HalfPi, -five, {436, 352}},
        {"-5 top", 0, -five, {300, 315}},
        {"-5 left", HalfPi, -five, {164, 352}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectPoint(p, c.a, c.b), c.expected) << c.name;
}

TEST(DrawArcPlot, FrameGridAndBeamOfThe600x400Window)
{
    const SatelliteCatalogue none;
    const RecordingSurface r = Draw(FactoryAt(2600, none), none, 600, 400);
    ASSERT_EQ(r.clips.size(), 1u);
    EXPECT_EQ(r.clips[0], (Rect{4, 4, 596, 396}));

    ASSERT_EQ(r.lines.size(), 4u);
    const Point rayEnds[] = {{8, 88}, {69, 57}, {531, 57}, {592, 88}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.lines[i].from, (Point{300, 584})) << "ray " << i;
        EXPECT_EQ(r.lines[i].to, rayEnds[i]) << "ray " << i;
        EXPECT_EQ(r.lines[i].pen, (PenSpec{1, {192, 192, 192}}));
    }

    ASSERT_EQ(r.arcs.size(), 11u) << "ten grid arcs and the beam";
    // -5 degrees starts at its right end, its radius in whole units.
    EXPECT_EQ(r.arcs[0].Begin().x, 436);
    EXPECT_NEAR(r.arcs[0].Begin().y, 352, 1);
    EXPECT_EQ(r.arcs[0].radius, static_cast<int>(-5 * 30.72 + 422.4));
    EXPECT_EQ(r.arcs[9].Begin(), (Point{592, 88}));
    EXPECT_EQ(r.arcs[9].radius, 576);
    const RecordingSurface::Arc& beam = r.arcs[10];
    EXPECT_EQ(beam.Begin(), (Point{514, 220}));
    EXPECT_EQ(beam.radius, 422);
    EXPECT_EQ(beam.centre, (Point{300, 584}));
    EXPECT_NEAR(beam.start, 90 - 30.46, 0.01);
    EXPECT_NEAR(beam.sweep, 2 * 30.46, 0.01);
    EXPECT_EQ(r.pens.at(1), (PenSpec{3, {255, 192, 192}}));
    EXPECT_TRUE(r.pixels.empty());
    EXPECT_EQ(r.calls.back(), "ClearClip");
}

TEST(DrawArcPlot, FactorySatellitesInThe600x400Window)
{
    const SatelliteCatalogue c = Catalogue({750, 770, 1000, 1800});
    MountSettings s = FactoryAt(2600, c);
    s.chosenSatellites.Clear();
    s.chosenSatellites.Set(1000);
    const RecordingSurface r = Draw(s, c, 600, 400);
    ASSERT_EQ(r.pixels.size(), 1u + 1u + 9u + 1u);
    EXPECT_EQ(r.pixels[0].at, (Point{306, 169})) << "75.0 E, right of the centre";
    EXPECT_EQ(r.pixels[1].at, (Point{300, 169})) << "77.0 E, just below the beam";
    EXPECT_EQ(r.pixels[2 + 4].at, (Point{237, 172})) << "100.0 E, chosen";
    EXPECT_EQ(r.pixels[11].at, (Point{34, 229})) << "180.0 E, drawn though behind the arc";
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0].text, "100.0\u00b0E");
    EXPECT_EQ(r.texts[0].at, (Point{239, 174}));
    EXPECT_EQ(r.texts[0].font, (FontSpec{"Arial", 11}));
}

// A receiver's dense list, every satellite chosen: no label is drawn over
// another; a crowded one moves to the other side of its mark or is left out,
// and satellites with room keep theirs.
TEST(DrawArcPlot, LabelsNeverOverlap)
{
    SatelliteCatalogue c;
    for (int p = 0; p < 3600; p += 7)
        c.InsertOrRename(p, "S");
    c.InsertOrRename(19, "1.9E");
    c.InsertOrRename(215, "21.5E");
    MountSettings s = FactoryAt(2600, c);
    for (const SatelliteEntry& e : c)
        s.chosenSatellites.Set(e.position);
    for (const bool locked : {false, true}) {
        s.lockSatellites = locked;
        RecordingSurface r = Draw(s, c, 1200, 700);
        ASSERT_FALSE(r.texts.empty());
        std::vector<Rect> boxes;
        for (RecordingSurface::Text& t : r.texts) {
            r.SetFont(t.font);
            boxes.push_back({t.at.x, t.at.y, t.at.x + r.TextWidth(t.text), t.at.y + t.font.pixelSize});
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const Rect &a = boxes[i], &b = boxes[j];
                EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                    << (locked ? "locked: " : "") << r.texts[i].text << " and " << r.texts[j].text;
            }
        }
    }
    // Alone on the arc, a label stands at its usual place.
    const SatelliteCatalogue one = Catalogue({1000});
    EXPECT_EQ(Draw(FactoryAt(2600, one), one, 600, 400).texts.size(), 1u);
}

TEST(DrawArcPlot, ChosenMarkShadesAndOrder)
{
    const SatelliteCatalogue c = Catalogue({770});
    const RecordingSurface r = Draw(FactoryAt(2600, c), c, 600, 400);
    ASSERT_EQ(r.pixels.size(), 9u);
    const Rgb g128{128, 128, 128}, g64{64, 64, 64};
    const Rgb expected[9] = {g128, g64, g128, g64, Black, g64, g128, g64, g128};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(r.pixels[i].colour, expected[i]) << i;
        EXPECT_EQ(r.pixels[i].at, (Point{299 + i % 3, 168 + i / 3})) << i;
    }
}

TEST(DrawArcPlot, SouthernSiteMirrorsEastAndWest)
{
    const SatelliteCatalogue c = Catalogue({1000});
    const MountSettings s = FactoryAt(-2600, c);
    EXPECT_EQ(s.motorElevation, -466);
    EXPECT_EQ(s.declination, 64);
    EXPECT_EQ(MarkOf(Draw(s, c, 600, 400), 0, true), (Point{363, 172}));
}

TEST(DrawArcPlot, LockedSatellitesSitOnTheLineAndThePathMoves)
{
    const SatelliteCatalogue c = Catalogue({770});
    MountSettings s = FactoryAt(2600, c);
    s.lockSatellites = 1;
    const RecordingSurface r = Draw(s, c, 600, 400);
    EXPECT_EQ(MarkOf(r, 0, true), (Point{300, 162}));
    EXPECT_EQ(r.arcs.size(), 10u) << "no offset-0 arc";
    ASSERT_FALSE(r.beziers.empty());
    // The segment that ends at 77.0 E passes 0.25 degrees above the satellite.
    bool found = false;
    for (const auto& b : r.beziers) {
        if (b.p[3].x == 300) {
            EXPECT_EQ(b.p[3], (Point{300, 154}));
            found = true;
        }
    }
    EXPECT_TRUE(found);
    Matrix4 view;
    MatrixAdjugate(s.mountFrame, view);
    EXPECT_NEAR(MountAngles(view, s.latitude, s.declination, 770).b * RadiansToDegrees, -0.25, 0.01);
}

TEST(DrawArcPlot, LockedPathBreaksWhereTheRingLeavesTheMotorsHalf)
{
    const SatelliteCatalogue none;
    MountSettings s = FactoryAt(2600, none);
    s.lockSatellites = 1;
    RecordingSurface r = Draw(s, none, 600, 400);
    EXPECT_GT(r.beziers.size(), 100u);
    EXPECT_LT(r.beziers.size(), 180u);

    // Turned half round, no ring point has |a| < 90 degrees: nothing is drawn.
    s.motorAzimuthMin = -1799;
    s.motorAzimuthMax = 1800;
    s.motorAzimuth = 1800;
    s.Recalculate(false);
    r = Draw(s, none, 600, 400);
    EXPECT_TRUE(r.beziers.empty());
}

TEST(DrawArcPlot, EquatorAddsTheDeclination)
{
    Matrix4 identity;
    SetIdentity(identity);
    const MountAngle north = MountAngles(identity, 1, 10, 0);
    const MountAngle equator = MountAngles(identity, 0, 10, 0);
    EXPECT_DOUBLE_EQ(north.b, -10 * TenthsToRadians);
    EXPECT_DOUBLE_EQ(equator.b, 10 * TenthsToRadians);
}

TEST(DrawArcPlot, SizeGuardsLeaveTheWindowBlank)
{
    const SatelliteCatalogue c = Catalogue({770});
    const MountSettings s = FactoryAt(2600, c);
    EXPECT_TRUE(Draw(s, c, 11, 100).Empty());
    EXPECT_TRUE(Draw(s, c, 100, 10).Empty());
    const RecordingSurface smallest = Draw(s, c, 12, 11);
    ASSERT_EQ(smallest.clips.size(), 1u);
    EXPECT_EQ(smallest.clips[0], (Rect{4, 4, 8, 7}));
}

TEST(DrawArcPlot, PlotsWithoutHeightOrWidthDrawOnlyTheBackground)
{
    const SatelliteCatalogue c = Catalogue({0, 770, 1000, 1800, 3550});
    MountSettings s = FactoryAt(2600, c);
    for (const int locked : {0, 1}) {
        s.lockSatellites = locked;
        for (const int width : {11, 12, 16, 17, 100, 600, 20000}) {
            for (int height = 1; height <= 20; ++height) {
                const RecordingSurface r = Draw(s, c, width, height);
                const std::string name
                    = std::to_string(width) + "x" + std::to_string(height) + (locked ? " locked" : "");
                if (width < 12 || height < 11) {
                    EXPECT_TRUE(r.Empty()) << name;
                    continue;
                }
                // The plot lies 8 pixels inside the client area on every side.
                const bool blank = width - 16 <= 0 || height - 16 <= 0;
                EXPECT_EQ(r.clips.size(), 1u) << name;
                if (blank) {
                    EXPECT_EQ(r.calls, std::vector<std::string>{"ClearClip"}) << name;
                    continue;
                }
                ASSERT_EQ(r.lines.size(), 4u) << name;
                EXPECT_EQ(r.arcs.size(), locked ? 10u : 11u) << name;
                for (const auto& arc : r.arcs) {
                    EXPECT_GE(arc.radius, 0) << name;
                    EXPECT_EQ(arc.centre.x, width / 2) << name;
                }
                EXPECT_FALSE(r.pixels.empty()) << name;
            }
        }
    }
}

TEST(DrawArcPlot, ChosenPositionWithoutCatalogueEntryDrawsNothing)
{
    const SatelliteCatalogue c = Catalogue({770});
    MountSettings s = FactoryAt(2600, c);
    s.chosenSatellites.Set(130);
    const RecordingSurface r = Draw(s, c, 600, 400);
    EXPECT_EQ(r.pixels.size(), 9u);
    EXPECT_EQ(r.texts.size(), 1u);
}

TEST(MulDiv, RoundsToNearest)
{
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(8, 600, 72), 67);
    EXPECT_EQ(MulDiv(10, 600, 72), 83);
    EXPECT_EQ(MulDiv(592, 320, 1280), 148);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

// Whether a point lies inside a polygon (even-odd rule).
bool Inside(const std::vector<Point>& corners, Point p)
{
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i], b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * double(p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// A chimney over 13.0°E seen from 43°20'N, 77°00'E: its mark lies in the
// shade, drawn before anything else; 19.2°E, clear of it, does not.
TEST(ArcPlot, TheMaskShadesWhatItHidesUnderEverythingElse)
{
    const SatelliteCatalogue c = Catalogue({130, 192, 770});
    MountSettings s;
    s.LoadFactoryDefaults(c);
    for (const SatelliteEntry& e : c)
        s.chosenSatellites.Set(e.position);
    EXPECT_TRUE(Draw(s, c, 600, 400).polygons.empty()) << "a flat horizon shades nothing";

    const int azimuth = static_cast<int>(std::lround(RingBearing(s, 13.0).azimuth * 10));
    s.horizon = {{azimuth - 20, 0}, {azimuth - 10, 300}, {azimuth + 10, 300}, {azimuth + 20, 0}};
    for (int locked : {0, 1}) {
        s.lockSatellites = locked;
        const RecordingSurface r = Draw(s, c, 600, 400);
        ASSERT_EQ(r.polygons.size(), 1u) << locked;
        EXPECT_EQ(r.calls.front(), "FillPolygon");
        const std::vector<Point>& shade = r.polygons.front().corners;
        EXPECT_TRUE(Inside(shade, MarkOf(r, 0, true))) << "13.0°E, locked " << locked;
        EXPECT_FALSE(Inside(shade, MarkOf(r, 1, true))) << "19.2°E, locked " << locked;
        EXPECT_FALSE(Inside(shade, MarkOf(r, 2, true))) << "77.0°E, locked " << locked;
    }
}

}  // namespace
}  // namespace zenbelts
