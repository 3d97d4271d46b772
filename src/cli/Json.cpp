#include "cli/Json.h"

#include "text/Numbers.h"
#include "text/TextEncoding.h"

namespace zenbelts::cli {

namespace {

void AppendMatrix(std::string& out, const Matrix4& m)
{
    out += '[';
    for (int i = 0; i < 16; ++i) {
        if (i > 0)
            out += ", ";
        out += FormatShortest(m.m[i]);
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
        } else if (DisplayControlLength(text, i) > 0) {
            // Controls and what reorders a line never reach a terminal raw.
            unsigned code = static_cast<unsigned char>(c) & (length == 1 ? 0x7F : 0xFF >> (length + 1));
            for (std::size_t k = 1; k < length; ++k)
                code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
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
