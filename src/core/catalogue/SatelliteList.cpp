#include "catalogue/SatelliteList.h"

#include "text/Characters.h"

#include "io/FileAccess.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace zenbelts {

namespace {

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

SatelliteListResult ReadEntries(std::string_view text, std::vector<SatelliteEntry>& entries,
                                std::size_t maxLineBytes)
{
    std::size_t number = 0;
    SatelliteListResult result;
    ForEachTextLine(text, [&](std::string_view line) {
        ++number;
        if (line.size() > maxLineBytes) {
            result = LineTooLong(number, maxLineBytes);
            return false;
        }
        ReadLine(line, entries);
        return true;
    });
    return result;
}

bool HasVisibleText(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

}  // namespace

SatelliteListResult ReadSatelliteList(std::string_view bytes, SatelliteCatalogue& catalogue,
                                      std::size_t maxLineBytes)
{
    std::string decoded;
    const std::string_view text = TextOfBytes(bytes, decoded);
    // Gathered and taken over at once: one insertion at a time is quadratic
    // for a list in descending order. A failure keeps what was read before.
    std::vector<SatelliteEntry> entries;
    SatelliteListResult result = ReadEntries(text, entries, maxLineBytes);
    result.entries = entries.size();
    result.blank = !HasVisibleText(text);
    catalogue.InsertOrRenameAll(std::move(entries));
    return result;
}

SatelliteListResult ReadSatelliteList(std::istream& in, SatelliteCatalogue& catalogue,
                                      std::size_t maxLineBytes)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return Failed(Message(ZB_TEXT("io", "cannot read it")));
    return ReadSatelliteList(std::string_view(text), catalogue, maxLineBytes);
}

SatelliteListResult LoadSatelliteListFile(const std::string& path, SatelliteCatalogue& catalogue)
{
    std::vector<std::uint8_t> bytes;
    Message error;
    if (!ReadRegularFile(path, SatelliteListMaxBytes, bytes, error))
        return Failed(error);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    SatelliteCatalogue loaded = catalogue;
    SatelliteListResult result = ReadSatelliteList(text, loaded);
    if (!result)
        return result;
    // Any file reads as a list of nothing; only an empty one is meant as such.
    if (result.entries == 0 && !result.blank)
        return Failed(
            Message(ZB_TEXT("io", "no satellites in %1: is it a satellite list?"),
                    {Message::Literal(PrintableText(std::filesystem::path(path).filename().string()))}));
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

std::vector<std::filesystem::path> FieldPagePlaces(const std::filesystem::path& executableDir,
                                                   std::string_view dataDirs)
{
    std::vector<std::filesystem::path> places{
        (executableDir / ".." / "web" / "zenbelts-field.html").lexically_normal()};
    for (const std::filesystem::path& list : SatelliteListPlaces(executableDir, dataDirs))
        places.push_back(list.parent_path() / "web" / "zenbelts-field.html");
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
