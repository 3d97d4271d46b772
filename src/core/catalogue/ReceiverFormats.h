#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
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
};

enum class ReceiverFormat { Xml, Sources, Ini, ScanTables, Neumo, Channels, Lamedb, Unknown };

// Collects the entries of one or more files, one line per position. Names of
// one position that differ are joined with " & ".
class ImportAccumulator {
public:
    void Add(int position, std::string_view name);
    void Skip() { ++skipped_; }
    ImportResult Result() const;

private:
    std::map<int, std::vector<std::string>> names_;
    int read_ = 0, merged_ = 0, skipped_ = 0;
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

// A position written as "d.dE" or "d.dW" ("19.2E", "0.8W", "180.0E", "0.0E"),
// the name of entries whose name says nothing more.
std::string PositionLabel(int position);

// The file name of a scan table ("Astra-19.2E", "AMC1-103w", "Galaxy17_C-91.0W")
// as position and name; nothing when the name has no position.
std::optional<ImportedSatellite> ParseScanTableName(std::string_view fileName);

// The program's own list: "%04d=Name" lines ending in LF, ascending. An empty
// name is written as the position's label; line breaks in names become blanks.
std::string WriteSatelliteList(const std::vector<ImportedSatellite>& satellites);

}  // namespace zenbelts
