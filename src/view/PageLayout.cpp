#include "view/PageLayout.h"

#include "model/AngleText.h"
#include "view/ArcPlot.h"

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

std::string Padded(const char* caption)
{
    std::string text = caption;
    text.resize(18, ' ');
    return text;
}

}  // namespace

std::array<std::string, 6> LegendLines(const MountSettings& s)
{
    return {
        Padded("Location:") + FormatLocation(s.latitude, s.longitude) + "; Alt: "
            + std::to_string(s.altitude) + " m",
        Padded("Mounting pole:") + FormatTenths(s.poleNS, 'N', 'S') + ", "
            + FormatTenths(s.poleEW, 'E', 'W'),
        Padded("Motor azimuth:") + FormatTenths(s.motorAzimuth, 'E', 'W'),
        Padded("Motor elevation:") + FormatTenths(s.motorElevation, 'N', 'S'),
        Padded("Dish azimuth:") + FormatTenths(s.dishAzimuth, 'E', 'W'),
        Padded("Dish declination:") + FormatTenths(s.declination, 'N', 'S'),
    };
}

FontSpec LegendFont(int printerLogPixelsY)
{
    return {"Courier New", -MulDiv(10, printerLogPixelsY, 72), 400};
}

}  // namespace zenbelts
