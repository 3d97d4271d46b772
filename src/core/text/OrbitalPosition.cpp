#include "text/OrbitalPosition.h"

#include "text/AngleText.h"
#include "text/Characters.h"

#include <cstdio>

namespace zenbelts {

namespace {

// Degrees east or west of Greenwich, in tenths, as a position.
bool EastWestToPosition(long tenths, bool west, int& position)
{
    if (tenths < 0 || tenths > PositionCount / 2)
        return false;
    position = static_cast<int>(west ? (PositionCount - tenths) % PositionCount : tenths);
    return true;
}

// "19.2", "103", "91.0" at the start of text as tenths; the characters used,
// 0 for none.
std::size_t ParseDegrees(std::string_view text, long& tenths, bool roundDecimals)
{
    std::size_t i = 0;
    long whole = 0;
    while (i < text.size() && IsDigit(text[i]) && i < 4)
        whole = whole * 10 + (text[i++] - '0');
    if (i == 0 || (i < text.size() && IsDigit(text[i])))
        return 0;
    tenths = whole * 10;
    if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
        ++i;
        tenths += text[i++] - '0';
        if (i < text.size() && IsDigit(text[i])) {
            if (!roundDecimals)
                return 0;
            if (text[i] >= '5')
                ++tenths;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
        }
    }
    return i;
}

std::string Degrees(int position, const char* sign, bool letterAtZero)
{
    const bool west = position > PositionCount / 2;
    const int tenths = west ? PositionCount - position : position;
    const char* letter = west ? "W" : (tenths > 0 || letterAtZero ? "E" : "");
    char text[24];
    std::snprintf(text, sizeof text, "%d.%d%s%s", tenths / 10, tenths % 10, sign, letter);
    return text;
}

}  // namespace

std::size_t ParsePositionPrefix(std::string_view text, int& position, PositionSyntax syntax)
{
    long tenths = 0;
    std::size_t i = ParseDegrees(text, tenths, syntax.roundDecimals);
    if (i == 0)
        return 0;
    if (syntax.blankBeforeLetter) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    }
    if (syntax.degreeSign && text.substr(i).starts_with(DegreeSign))
        i += std::string_view(DegreeSign).size();
    if (i >= text.size())
        return 0;
    const char letter = Lower(text[i]);
    if (letter != 'e' && letter != 'w')
        return 0;
    ++i;
    if (i < text.size() && !IsSpace(text[i]))
        return 0;
    return EastWestToPosition(tenths, letter == 'w', position) ? i : 0;
}

std::optional<int> ParsePosition(std::string_view text, PositionSyntax syntax)
{
    if (text.empty())
        return std::nullopt;
    if (syntax.programNumber && text.size() <= 4 && IsDigit(text.back())) {
        int value = 0;
        for (char c : text) {
            if (!IsDigit(c))
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value < PositionCount ? std::optional<int>(value) : std::nullopt;
    }
    int position = 0;
    if (ParsePositionPrefix(text, position, syntax) != text.size())
        return std::nullopt;
    return position;
}

std::string FormatSatelliteLabel(int position)
{
    return Degrees(position, DegreeSign, false);
}

std::string PositionCode(int position)
{
    return Degrees(position, "", true);
}

}  // namespace zenbelts
