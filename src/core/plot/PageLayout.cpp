#include "plot/PageLayout.h"

#include "plot/ArcPlot.h"
#include "text/AngleText.h"
#include "text/Translatable.h"

#include <algorithm>
#include <string>

namespace zenbelts {

PageLayout ComputePageLayout(const DeviceMetrics& m, int widthMm, int heightMm)
{
    PageLayout page{};
    const int x = m.logPixelsX, y = m.logPixelsY;
    page.legendFontHeight = MulDiv(10, y, 72);
    page.legendLineSpacing = (4 * page.legendFontHeight) / 3;
    const int t = page.legendFontHeight, u = page.legendLineSpacing;

    // One inch inside the physical page, and within the printable area.
    Rect r;
    r.left = std::max(0, x - m.physicalOffsetX);
    r.right = m.horzRes < m.physicalWidth - m.physicalOffsetX - x ? m.horzRes
                                                                  : m.physicalWidth - m.physicalOffsetX - x;
    r.top = std::max(0, y - m.physicalOffsetY);
    r.bottom = m.vertRes < m.physicalHeight - m.physicalOffsetY - y
                   ? m.vertRes
                   : m.physicalHeight - m.physicalOffsetY - y;

    const int band = 5 * u + t + y / 2;
    if (r.right - r.left < 40 * t + 16 || r.bottom - r.top < band) {
        page.blank = true;
        return page;
    }
    r.bottom -= band;

    // Keep the window's shape, anchored at the top-left corner.
    // 64-bit products: a large page and window must not overflow.
    const long long w = r.right - r.left, h = r.bottom - r.top;
    if (w * heightMm < h * widthMm)
        r.bottom = r.top + static_cast<int>((w * heightMm) / widthMm);
    else
        r.right = r.left + static_cast<int>((h * widthMm) / heightMm);

    page.clip = r;
    page.legendTopLeft = {r.left, r.bottom + y / 2};
    return page;
}

namespace {

std::string Padded(std::string caption)
{
    caption.resize(18, ' ');
    return caption;
}

// "Motor azimuth:    2.5°E"
LegendLine Line(const MountSettings& s, Adjustment which)
{
    const AdjustmentInfo& a = InfoOf(which);
    return {Message(ZB_TEXT("Legend", "%1:"), {Message(MessageText{"Adjustment", a.title})}),
            Message::Literal(FormatTenths(s.*(a.value), a.positive, a.negative))};
}

}  // namespace

std::array<LegendLine, 6> Legend(const MountSettings& s)
{
    return {{
        {Message(ZB_TEXT("Legend", "Location:")),
         Message(ZB_TEXT("Legend", "%1; Alt: %2 m"),
                 {Message::Literal(FormatLocation(s.latitude, s.longitude)), Message::Number(s.altitude)})},
        {Message(ZB_TEXT("Legend", "Mounting pole:")),
         Message::Literal(FormatTenths(s.poleNS, 'N', 'S') + ", " + FormatTenths(s.poleEW, 'E', 'W'))},
        Line(s, Adjustment::MotorAzimuth),
        Line(s, Adjustment::MotorElevation),
        Line(s, Adjustment::DishAzimuth),
        Line(s, Adjustment::Declination),
    }};
}

std::array<std::string, 6> LegendLines(const MountSettings& s)
{
    std::array<std::string, 6> lines;
    const std::array<LegendLine, 6> legend = Legend(s);
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = Padded(legend[i].caption.English()) + legend[i].value.English();
    return lines;
}

FontSpec LegendFont(int printerLogPixelsY)
{
    return {"Courier New", MulDiv(10, printerLogPixelsY, 72)};
}

}  // namespace zenbelts
