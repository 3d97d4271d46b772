#pragma once

#include "text/Message.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zenbelts {

inline constexpr std::size_t SettingsArchiveSize = 544;
// A set-up file is 544 bytes, with the extension after them a little more
// (SettingsExtension.h); one far larger is something else, refused rather
// than read in part.
inline constexpr std::size_t SetUpFileMaxBytes = 64 * 1024;

// Why stored bytes were refused. detail names the field or group in plain
// words, for messages ("the latitude is out of range", "it ends early").
class ArchiveError : public std::runtime_error {
public:
    enum class Cause { BadSchema, EndOfFile };

    ArchiveError(Cause cause, Message detail);

    Cause cause() const { return cause_; }
    const Message& detail() const { return detail_; }

private:
    Cause cause_;
    Message detail_;
};

// Appends the record's little-endian words to a buffer.
class SettingsWriter {
public:
    explicit SettingsWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void WriteInt32(std::int32_t value);
    void WriteBytes(const void* data, std::size_t size);

private:
    std::vector<std::uint8_t>& out_;
};

// Reads the record's words back from stored bytes.
class SettingsReader {
public:
    explicit SettingsReader(std::span<const std::uint8_t> in) : in_(in) {}

    // Throws ArchiveError (end of file) when fewer than 4 bytes remain.
    std::int32_t ReadInt32();
    // Reads up to size bytes; returns how many were read.
    std::size_t ReadBytes(void* data, std::size_t size);
    // Nothing is left to read.
    bool AtEnd() const { return pos_ >= in_.size(); }

private:
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
};

// Four bytes, least significant first, as the format stores every word.
inline std::uint32_t ReadLittleEndian32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct MountSettings;

// The stored form of a set-up as bytes, the record and its extension, and
// back. Loading replaces target only when the bytes are accepted; otherwise
// it throws ArchiveError.
std::vector<std::uint8_t> StoreSettings(const MountSettings& settings);
void LoadSettings(std::span<const std::uint8_t> bytes, MountSettings& target);

}  // namespace zenbelts
