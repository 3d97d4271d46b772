#include "text/AngleText.h"

#include "text/Numbers.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zenbelts {

namespace {

std::string TenthsText(int tenths, const char* letter)
{
    char buffer[32];
    const long magnitude = std::labs(static_cast<long>(tenths));
    std::snprintf(buffer, sizeof buffer, "%ld.%ld%s%s", magnitude / 10, magnitude % 10, DegreeSign, letter);
    return buffer;
}

}  // namespace

std::string FormatTenths(int tenths, char positive, char negative)
{
    const char letter[2] = {tenths >= 0 ? positive : negative, '\0'};
    return TenthsText(tenths, letter);
}

std::string FormatDegreesMinutes(int arcMinutes, char positive, char negative)
{
    char buffer[32];
    const long magnitude = std::labs(static_cast<long>(arcMinutes));
    std::snprintf(buffer, sizeof buffer, "%ld%s%02ld'%c", magnitude / 60, DegreeSign, magnitude % 60,
                  arcMinutes >= 0 ? positive : negative);
    return buffer;
}

std::string FormatSignedDegrees(double degrees, int decimals)
{
    const std::string text = FormatFixed(degrees, decimals);
    return text.front() == '-' ? text : "+" + text;
}

std::string FormatLocation(int latitude, int longitude)
{
    return FormatDegreesMinutes(latitude, 'N', 'S') + ", " + FormatDegreesMinutes(longitude, 'E', 'W');
}

std::string FormatSite(int latitude, int longitude, int altitude)
{
    return FormatLocation(latitude, longitude) + "; Alt: " + std::to_string(altitude) + " m";
}

}  // namespace zenbelts
