#pragma once

#include "catalogue/ReceiverFormats.h"
#include "text/Message.h"

#include <filesystem>
#include <string>
#include <vector>

// Formats that keep one satellite per file: a folder of .ini files or of
// scan tables.

namespace zenbelts {

struct ReceiverFolder {
    ReceiverFormat format = ReceiverFormat::Unknown;
    std::vector<std::filesystem::path> files;  // sorted by name
};

// The regular files of a folder that a format reads: every .ini file, or
// every file named like a scan table. With Unknown the .ini files win when
// there are any. Fails (false, error in plain words) when the folder cannot
// be listed; a folder without such files is no error.
bool ListReceiverFolder(const std::filesystem::path& folder, ReceiverFormat format, ReceiverFolder& out,
                        Message& error);

// Reads every listed file into one result; a file that cannot be read or is
// larger than maxFileBytes counts as a skipped entry.
ImportResult ImportReceiverFolder(const ReceiverFolder& folder,
                                  std::size_t maxFileBytes = std::size_t{1} << 20);
// The same into entries gathered from other sources too.
void ImportReceiverFolderInto(const ReceiverFolder& folder, ImportAccumulator& into,
                              std::size_t maxFileBytes = std::size_t{1} << 20);

}  // namespace zenbelts
