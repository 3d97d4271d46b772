#pragma once

#include "text/Message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reading and writing for everything the programs keep: set-ups,
// satellite lists, images and pages. Plain C++ and POSIX, no Qt.

namespace zenbelts {

// Why a file could not be read, for messages and for the caller to decide.
enum class ReadProblem {
    None,
    Missing,      // no such file
    NotReadable,  // it exists, but opening or reading it failed
    NotRegular,   // a folder, a device, a FIFO, a socket
    TooLarge,     // more than maxBytes
};

// Reads a regular file whole, never blocking on a FIFO or device, and never
// holding more than maxBytes + 1 bytes even when the file grows meanwhile. On
// failure returns false, leaves bytes empty and says why in plain words ("no
// such file", "it is not a regular file", "it is larger than 4 MiB").
bool ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                     std::vector<std::uint8_t>& bytes, Message& error, ReadProblem* problem = nullptr);

// Replaces a file whole or not at all: writes a temporary file beside the
// target, flushes it and the folder to disk, and renames it over the target.
// A symbolic link is written through (its target is replaced, the link
// stays); an existing file keeps its permission bits, and its owner where the
// process may give it (root); a target that exists and is not a regular file
// is refused without being opened, and so is a file the process may not write
// (access(W_OK), as the editors check), however the folder would let it be
// replaced. A file with other names (hard links) is written in place, once
// its new contents are safe beside it, so that all its names keep it. A new
// file gets the permissions any new file would. Temporaries of this target
// left by saves that were killed go once they are a minute old. Returns false
// with the error in plain words ("cannot write it: ...") and leaves any old
// file as it was.
bool WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, Message& error);
// The same for text.
inline bool WriteTextFileSafely(const std::filesystem::path& path, std::string_view text, Message& error)
{
    return WriteFileSafely(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, error);
}

// A size in words: "8 MiB", "64 KiB", "100 bytes".
Message SizeText(std::size_t bytes);

// Whether two paths name the same existing file (after links).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether writing output would replace what a command reads: any of the
// inputs, or any file right inside an input that is a folder; the same file
// by device and inode, whatever the names and links. A missing output is
// none of them.
bool IsAnyOfTheInputs(const std::filesystem::path& output, const std::vector<std::filesystem::path>& inputs);

// Text from outside (file names, satellite names) made safe for a one-line
// message or a terminal: every character that a terminal obeys or that
// reorders the line (DisplayControlLength) becomes '?', other bytes stay.
std::string PrintableText(std::string_view text);

}  // namespace zenbelts
