#pragma once

#include "catalogue/ReceiverFormats.h"
#include "catalogue/SatelliteCatalogue.h"
#include "catalogue/SatelliteList.h"
#include "text/Message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Files and folders of receivers read together, as the import of a list and
// the choice of satellites take them in.

namespace zenbelts {

// One file of a receiver: the largest lists of channels stay far below this.
inline constexpr std::size_t ReceiverFileMaxBytes = std::size_t{64} << 20;

// What the sources are read for: a satellite list takes the formats that
// name satellites; positions alone may come from channel lists too.
enum class ReceiverSourceUse { SatelliteList, Positions };

// Whether a format names satellites: all but the channel lists.
bool NamesSatellites(ReceiverFormat format);

// The format a source shows: a folder's (Ini or ScanTables, Unknown without
// such files), a file's by DetectFormat. Unknown when it cannot be read.
ReceiverFormat SourceFormat(const std::filesystem::path& source);

// Watches a long import: told now and then the bytes read so far and the
// bytes of all sources; returning false cancels the import.
using ImportProgress = std::function<bool(std::uint64_t bytesRead, std::uint64_t bytesInAll)>;

// Reads every source, a file or a folder, into one result: files in the
// given format or else in the one each shows, folders as their .ini files or
// scan tables. Fails (false, error "PATH: why" on one line) at the first
// source that cannot be read, whose format is unknown, or that is a channel
// list when a satellite list is wanted, and when progress cancels it. Broken
// entries are no failure: they are skipped and counted.
bool ImportReceiverSources(const std::vector<std::filesystem::path>& sources,
                           std::optional<ReceiverFormat> format, ReceiverSourceUse use, ImportResult& result,
                           Message& error, const ImportProgress& progress = {});

// The satellites of a result as the program reads them back from the list
// that WriteSatelliteList makes of them, by the reader of every list.
[[nodiscard]] SatelliteListResult ImportedCatalogue(const ImportResult& result,
                                                    SatelliteCatalogue& catalogue);

}  // namespace zenbelts
