#include "cli/Json.h"

#include <cstdio>

namespace zenbelts::cli {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    std::size_t length;
    unsigned int min;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    unsigned int code = c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendMatrix(std::string& out, const Matrix4& m)
{
    out += '[';
    for (int i = 0; i < 16; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", m.m[i]);
        if (i > 0)
            out += ", ";
        out += number;
    }
    out += ']';
}

}  // namespace

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out + "\"";
}

std::string SettingsToJson(const MountSettings& s)
{
    std::string out = "{";
    for (const IntegerField& f : IntegerFields)
        out += JsonString(f.name) + ": " + std::to_string(s.*(f.member)) + ", ";
    out += "\"chosenSatellites\": [";
    bool first = true;
    for (int p = 0; p < PositionCount; ++p) {
        if (s.chosenSatellites.Test(p)) {
            out += first ? "" : ", ";
            out += std::to_string(p);
            first = false;
        }
    }
    out += "], \"siteFrame\": ";
    AppendMatrix(out, s.siteFrame);
    out += ", \"mountFrame\": ";
    AppendMatrix(out, s.mountFrame);
    return out + "}";
}

}  // namespace zenbelts::cli
