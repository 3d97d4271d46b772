#include "report/Json.h"

#include "text/Numbers.h"

namespace zenbelts {

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

}  // namespace zenbelts
