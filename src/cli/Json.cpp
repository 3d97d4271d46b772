#include "cli/Json.h"

#include "catalogue/TextEncoding.h"

#include <cstdio>

namespace zenbelts::cli {

namespace {

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
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F
                   || (length == 2 && static_cast<unsigned char>(c) == 0xC2
                       && static_cast<unsigned char>(text[i + 1]) <= 0x9F)) {
            // Control characters, C1 included, never reach a terminal raw.
            const unsigned code
                = length == 2 ? static_cast<unsigned char>(text[i + 1]) : static_cast<unsigned char>(c);
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
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
    for (const IntegerField& f : ExtensionFields)
        out += JsonString(f.name) + ": " + std::to_string(s.*(f.member)) + ", ";
    out += "\"horizon\": [";
    for (std::size_t i = 0; i < s.horizon.size(); ++i)
        out += (i ? ", [" : "[") + std::to_string(s.horizon[i].azimuth) + ", "
               + std::to_string(s.horizon[i].elevation) + "]";
    out += "], \"chosenSatellites\": [";
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
