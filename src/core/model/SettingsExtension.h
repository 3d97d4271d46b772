#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What a set-up holds beyond the 544 bytes of its record: the dish, and
// later whatever else of the site and mount it learns. Readers of the record
// take the first 544 bytes and never look further, so it follows them:
//
//   "ZBEX"   4 bytes, the tag
//   version  int32, 1
//   length   int32, the bytes of the records
//   records  each a 4-byte tag, an int32 length and that many bytes; a tag
//            this reader does not know is skipped whole
//   check    CRC-32 (IEEE) of the records
//
// every integer little-endian, as in the record. Known records:
//
//   "DISH"   8 bytes: the offset in tenths (0..450, 0 for prime focus) and
//            the feed arm (0 below the dish, 1 above)
//   "HRZN"   8 bytes a point of the horizon mask, by ascending azimuth:
//            azimuth (0..3599) and elevation (0..900), tenths; at most 360
//   "MOTR"   8 bytes: the motor's limits east and west, tenths (0..900)
//   "DIAM"   4 bytes: the dish's diameter in centimetres (20..600)
//
// Each record is written only where it differs from the default (prime
// focus, a flat horizon, 75 degrees either way, 80 cm), so a set-up that
// holds only defaults writes none: 544 bytes as ever.

namespace zenbelts {

struct MountSettings;

inline constexpr std::uint8_t ExtensionTag[4] = {'Z', 'B', 'E', 'X'};
inline constexpr std::int32_t ExtensionVersion = 1;
// Tag, version, length and check around the records.
inline constexpr std::size_t ExtensionFrameBytes = 16;

// The extension of a set-up; empty when it holds only defaults.
std::vector<std::uint8_t> StoreExtension(const MountSettings& settings);

// Reads what follows the 544 bytes into settings. Bytes that do not begin as
// an extension are left alone, as readers always have; an extension that
// does not read whole throws ArchiveError ("the set-up's extension is damaged").
void LoadExtension(std::span<const std::uint8_t> rest, MountSettings& settings);

// CRC-32 as zlib and PNG compute it.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace zenbelts
