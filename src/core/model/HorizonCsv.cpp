#include "model/HorizonCsv.h"

#include "text/Numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zenbelts {

namespace {

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

[[noreturn]] void Refuse(int line, MessageText why)
{
    throw HorizonCsvError(Message(ZB_TEXT("horizon", "line %1: %2"), {Message::Number(line), Message(why)}));
}

// Degrees as tenths within lo..hi tenths; false when the text is no number
// or lies outside.
bool ReadTenths(std::string_view text, int lo, int hi, int& tenths)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const NumberReading read = ReadNumber(text, value);
    if (text.empty() || read.ec != std::errc() || read.length != text.size() || !std::isfinite(value))
        return false;
    const double t = std::round(value * 10.0);
    if (t < lo || t > hi)
        return false;
    tenths = static_cast<int>(t);
    return true;
}

std::string Degrees(int tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::vector<HorizonPoint> ParseHorizonCsv(std::string_view text)
{
    std::vector<HorizonPoint> points;
    int line = 0;
    bool first = true;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view row = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++line;
        if (row.empty())
            continue;
        const bool header = first && (std::isalpha(static_cast<unsigned char>(row.front())) != 0);
        first = false;
        if (header)
            continue;
        const std::size_t comma = row.find(',');
        if (comma == std::string_view::npos || row.find(',', comma + 1) != std::string_view::npos)
            Refuse(line, ZB_TEXT("horizon", "it is not azimuth,elevation"));
        HorizonPoint p;
        if (!ReadTenths(row.substr(0, comma), 0, 3600, p.azimuth))
            Refuse(line, ZB_TEXT("horizon", "the azimuth is not a number of degrees from 0 to 360"));
        if (!ReadTenths(row.substr(comma + 1), 0, HorizonElevationMax, p.elevation))
            Refuse(line, ZB_TEXT("horizon", "the elevation is not a number of degrees from 0 to 90"));
        if (p.azimuth == 3600)
            p.azimuth = 0;
        points.push_back(p);
        if (points.size() > static_cast<std::size_t>(HorizonPointsMax))
            Refuse(line, ZB_TEXT("horizon", "a horizon takes at most 360 points"));
    }
    return points;
}

std::string WriteHorizonCsv(const std::vector<HorizonPoint>& points)
{
    std::string text = std::string(HorizonHeader) + "\n";
    for (const HorizonPoint& p : points)
        text += Degrees(p.azimuth) + "," + Degrees(p.elevation) + "\n";
    return text;
}

}  // namespace zenbelts
