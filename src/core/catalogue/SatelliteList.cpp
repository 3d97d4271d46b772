#include "catalogue/SatelliteList.h"

#include "io/FileAccess.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace zenbelts {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void ReadLine(std::string_view line, std::vector<SatelliteEntry>& entries)
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
    entries.push_back({position, std::string(line.substr(5))});
}

SatelliteListResult Failed(Message reason)
{
    return {false, std::move(reason)};
}

SatelliteListResult LineTooLong(std::size_t number, std::size_t maxLineBytes)
{
    return Failed(Message(ZB_TEXT("io", "line %1 is longer than %2"),
                          {Message::Number(static_cast<long long>(number)), SizeText(maxLineBytes)}));
}

SatelliteListResult ReadEntries(std::istream& in, std::vector<SatelliteEntry>& entries,
                                std::size_t maxLineBytes)
{
    // Room for the longest line, a CR before its LF and the terminating NUL;
    // a longer line fills it and fails the stream without being held whole.
    std::vector<char> buffer(maxLineBytes + 3);
    const auto size = static_cast<std::streamsize>(buffer.size());
    for (std::size_t number = 1;; ++number) {
        in.getline(buffer.data(), size);
        const auto extracted = static_cast<std::size_t>(in.gcount());
        if (in.bad())
            return Failed(Message(ZB_TEXT("io", "cannot read it")));
        if (in.fail() && !in.eof())
            return LineTooLong(number, maxLineBytes);
        if (extracted == 0 && in.eof())
            break;
        // The delimiter counts in gcount but is not stored.
        const bool ended = !in.eof();
        std::string_view line(buffer.data(), extracted - (ended ? 1 : 0));
        // A CR right before the LF belongs to the line end.
        if (ended && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > maxLineBytes)
            return LineTooLong(number, maxLineBytes);
        ReadLine(line, entries);
        if (!ended)
            break;
    }
    return {};
}

}  // namespace

SatelliteListResult ReadSatelliteList(std::istream& in, SatelliteCatalogue& catalogue,
                                      std::size_t maxLineBytes)
{
    // Gathered and taken over at once: one insertion at a time is quadratic
    // for a list in descending order. A failure keeps what was read before.
    std::vector<SatelliteEntry> entries;
    const SatelliteListResult result = ReadEntries(in, entries, maxLineBytes);
    catalogue.InsertOrRenameAll(std::move(entries));
    return result;
}

SatelliteListResult LoadSatelliteListFile(const std::string& path, SatelliteCatalogue& catalogue)
{
    std::vector<std::uint8_t> bytes;
    Message error;
    if (!ReadRegularFile(path, SatelliteListMaxBytes, bytes, error))
        return Failed(error);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    SatelliteCatalogue loaded = catalogue;
    SatelliteListResult result = ReadSatelliteList(in, loaded);
    if (result)
        catalogue = std::move(loaded);
    return result;
}

}  // namespace zenbelts

namespace zenbelts {

std::vector<std::filesystem::path> SatelliteListPlaces(const std::filesystem::path& executableDir,
                                                       std::string_view dataDirs)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> places{
        executableDir / "sats.lst",
        (executableDir / ".." / "share" / "zenbelts" / "sats.lst").lexically_normal()};
    if (dataDirs.empty())
        dataDirs = DefaultDataDirs;
    while (!dataDirs.empty()) {
        const std::size_t colon = dataDirs.find(':');
        const fs::path dir(dataDirs.substr(0, colon));
        dataDirs.remove_prefix(colon == std::string_view::npos ? dataDirs.size() : colon + 1);
        // Relative folders are invalid there: they would depend on where the
        // program was started.
        if (!dir.is_absolute())
            continue;
        const fs::path place = (dir / "zenbelts" / "sats.lst").lexically_normal();
        if (std::find(places.begin(), places.end(), place) == places.end())
            places.push_back(place);
    }
    return places;
}

std::filesystem::path FindSatelliteList(const std::filesystem::path& executableDir, std::string_view dataDirs,
                                        const std::filesystem::path& userList)
{
    std::error_code ec;
    if (!userList.empty() && std::filesystem::exists(userList, ec))
        return userList;
    const std::vector<std::filesystem::path> places = SatelliteListPlaces(executableDir, dataDirs);
    for (const std::filesystem::path& place : places) {
        if (std::filesystem::exists(place, ec))
            return place;
    }
    return places.front();
}

std::filesystem::path FindSatelliteList(const std::filesystem::path& executableDir)
{
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    return FindSatelliteList(executableDir, dataDirs ? dataDirs : "");
}

}  // namespace zenbelts
