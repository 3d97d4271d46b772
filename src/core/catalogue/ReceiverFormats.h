#pragma once

#include "catalogue/SatelliteList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Satellite lists kept by receivers and their tools, read into orbital
// positions (tenths of a degree east, 0..3599) and names. The readers take the
// bytes and the file's name only, never a file, so that anything can be fed to
// them: broken entries are counted and skipped, never fatal.

namespace zenbelts {

struct ImportedSatellite {
    int position;      // 0..3599
    std::string name;  // UTF-8; the position's label when the file names none

    bool operator==(const ImportedSatellite&) const = default;
};

struct ImportResult {
    std::vector<ImportedSatellite> satellites;  // ascending, unique positions
    int read = 0;                               // entries taken in
    int merged = 0;                             // of those, entries folded into a position already read
    int skipped = 0;                            // broken entries left out
    int cut = 0;                                // positions whose names were cut to fit a line of the list
};

enum class ReceiverFormat { Xml, Sources, Ini, ScanTables, Neumo, Channels, Lamedb, Unknown };

// Collects the entries of one or more files, one line per position. Names of
// one position that differ are joined with " & ", each part once, as long as
// they fit a line of the program's list; a single name longer than that is
// cut at a character. Each entry costs the same however many came before.
class ImportAccumulator {
public:
    static constexpr std::size_t MaxNamesPerPosition = 32;
    // A list line less its "0130=".
    static constexpr std::size_t MaxNameBytes = SatelliteListMaxLineBytes - 5;

    void Add(int position, std::string_view name);
    void Skip() { ++skipped_; }
    ImportResult Result() const;

    // A long import watched: progress is told now and then how many bytes of
    // the files given to ImportInto have been read; when it returns false the
    // reading stops and Stopped() says so.
    void Watch(std::function<bool(std::uint64_t bytesRead)> progress);
    bool Stopped() const { return stopped_; }
    // For the readers: they have come to offset bytes into the file they
    // read; false when they are to stop.
    bool Reached(std::size_t offset);
    // A file of that many bytes has been read to its end.
    void FileRead(std::size_t bytes);

private:
    // Looked up by a part of a line, without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    struct Names {
        std::unordered_set<std::string, NameHash, std::equal_to<>> kept;
        std::vector<const std::string*> order;  // of kept, as they came
        std::size_t bytes = 0;                  // joined
        bool cut = false;
    };
    void AddPart(Names& names, std::string_view part);

    std::map<int, Names> names_;
    int read_ = 0, merged_ = 0, skipped_ = 0;
    std::function<bool(std::uint64_t)> progress_;
    std::uint64_t filesRead_ = 0, nextReport_ = 0;
    bool stopped_ = false;
};

// The format's name on the command line ("xml", "sources", "ini",
// "scan-tables", "neumo", "channels", "lamedb"), and back.
const char* ReceiverFormatName(ReceiverFormat format);
std::optional<ReceiverFormat> ParseReceiverFormatName(std::string_view name);

// Recognises a format by its content first, then by the file's name (the last
// part of a path is looked at). Unknown when neither says.
ReceiverFormat DetectFormat(std::string_view fileName, std::string_view content);

// Reads one file of the given format into the accumulator. fileName matters
// for scan tables (the position is in it) and as the fallback of .ini files.
void ImportInto(ReceiverFormat format, std::string_view fileName, std::string_view content,
                ImportAccumulator& into);

// One file on its own.
ImportResult ImportReceiverFile(ReceiverFormat format, std::string_view fileName, std::string_view content);

// The file name of a scan table ("Astra-19.2E", "AMC1-103w", "Galaxy17_C-91.0W")
// as position and name; nothing when the name has no position.
std::optional<ImportedSatellite> ParseScanTableName(std::string_view fileName);

// The program's own list: "%04d=Name" lines ending in LF, ascending. An empty
// name is written as the position's label; line breaks in names become
// blanks, and a name longer than a line allows is cut at a character.
std::string WriteSatelliteList(const std::vector<ImportedSatellite>& satellites);

// The first bytes of UTF-8 text up to maxBytes, cut where a character starts.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes);

}  // namespace zenbelts
