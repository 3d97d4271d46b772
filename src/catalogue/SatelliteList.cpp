#include "catalogue/SatelliteList.h"

#include <filesystem>
#include <fstream>

namespace zenbelts {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void ReadLine(const std::string& line, SatelliteCatalogue& catalogue)
{
    if (line.size() < 5 || line[4] != '=')
        return;
    int position = 0;
    for (int i = 0; i < 4; ++i) {
        if (!IsDigit(line[i]))
            return;
        position = position * 10 + (line[i] - '0');
    }
    if (position >= PositionCount)
        return;
    catalogue.InsertOrRename(position, line.substr(5));
}

}  // namespace

bool ReadSatelliteList(std::istream& in, SatelliteCatalogue& catalogue)
{
    std::string line;
    while (std::getline(in, line)) {
        // A CR right before the LF belongs to the line end.
        if (!in.eof() && !line.empty() && line.back() == '\r')
            line.pop_back();
        ReadLine(line, catalogue);
    }
    return !in.bad();
}

bool LoadSatelliteListFile(const std::string& path, SatelliteCatalogue& catalogue)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    return ReadSatelliteList(in, catalogue);
}

}  // namespace zenbelts
