#include "text/TextEncoding.h"

#include <cstdint>

namespace zenbelts {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    std::size_t length;
    std::uint32_t min;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        length = 2, min = 0x80;
    else if ((c & 0xF0) == 0xE0)
        length = 3, min = 0x800;
    else if ((c & 0xF8) == 0xF0)
        length = 4, min = 0x10000;
    else
        return 0;
    if (i + length > text.size())
        return 0;
    std::uint32_t code = c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

namespace {

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// Windows-1252 at 0x80..0x9F; its five unassigned bytes map as in Latin-1.
constexpr std::uint16_t Cp1252High[32]
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string SatelliteNameToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? Cp1252High[c - 0x80] : c);
    }
    return out;
}

namespace {

// UTF-16 code units from bytes in either order, surrogate pairs joined and
// anything unpaired as U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, code >= 0xD800 && code <= 0xDFFF ? 0xFFFD : code);
    }
    if (i < bytes.size())
        AppendUtf8(out, 0xFFFD);
    return out;
}

}  // namespace

std::string_view TextOfBytes(std::string_view bytes, std::string& held)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return bytes.substr(3);
    const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
    if (!little && !big)
        return bytes;
    held = Utf16ToUtf8(bytes.substr(2), big);
    return held;
}

std::size_t DisplayControlLength(std::string_view text, std::size_t i)
{
    const auto byte
        = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    const unsigned c = byte(i);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F)
        return 2;
    // U+202A..U+202E are E2 80 AA..AE; U+2066..U+2069 are E2 81 A6..A9.
    if (c == 0xE2 && byte(i + 1) == 0x80 && byte(i + 2) >= 0xAA && byte(i + 2) <= 0xAE)
        return 3;
    if (c == 0xE2 && byte(i + 1) == 0x81 && byte(i + 2) >= 0xA6 && byte(i + 2) <= 0xA9)
        return 3;
    return 0;
}

}  // namespace zenbelts
