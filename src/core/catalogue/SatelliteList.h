#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "text/Message.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace zenbelts {

// A list has a few hundred short lines; anything far past that is not a list.
inline constexpr std::size_t SatelliteListMaxBytes = std::size_t{8} << 20;
inline constexpr std::size_t SatelliteListMaxLineBytes = 8192;

// Whether a list was read, and if not why, in plain words ("no such file",
// "it is not a regular file", "line 3 is longer than 8 KiB").
struct SatelliteListResult {
    bool ok = true;
    Message reason;
    std::size_t entries = 0;  // entry lines read
    bool blank = false;       // nothing but blanks and line ends
    explicit operator bool() const { return ok; }
};

// Reads every entry line ("0130=Name") of a satellite list into the catalogue;
// other lines are skipped. Lines end at LF, CR or CR LF; a byte-order mark is
// passed over and UTF-16 read as UTF-8 (TextOfBytes). Fails when a line is
// longer than maxLineBytes (its line end aside) or the stream fails; the
// catalogue then keeps the entries read before.
[[nodiscard]] SatelliteListResult ReadSatelliteList(std::string_view bytes, SatelliteCatalogue& catalogue,
                                                    std::size_t maxLineBytes = SatelliteListMaxLineBytes);
[[nodiscard]] SatelliteListResult ReadSatelliteList(std::istream& in, SatelliteCatalogue& catalogue,
                                                    std::size_t maxLineBytes = SatelliteListMaxLineBytes);

// Reads a list file: only a regular file of at most SatelliteListMaxBytes,
// and one with an entry line unless it is empty (any file would read as a
// list of nothing). On failure the catalogue is left as it was.
[[nodiscard]] SatelliteListResult LoadSatelliteListFile(const std::string& path,
                                                        SatelliteCatalogue& catalogue);

// The system's data folders when XDG_DATA_DIRS is unset or empty.
inline constexpr const char* DefaultDataDirs = "/usr/local/share:/usr/share";

// The places of the shipped list for a program in executableDir, in the
// order they are tried: beside it (a build tree, Windows), under
// ../share/zenbelts (an installation at any prefix, an unpacked package),
// then zenbelts/sats.lst in each absolute folder of dataDirs (the value of
// XDG_DATA_DIRS; DefaultDataDirs when empty).
std::vector<std::filesystem::path> SatelliteListPlaces(const std::filesystem::path& executableDir,
                                                       std::string_view dataDirs);

// The places of the field page's single file (scripts/web), in the order
// they are tried: in a build tree beside bin/ (web/), then web/ beside each
// place of the shipped list.
std::vector<std::filesystem::path> FieldPagePlaces(const std::filesystem::path& executableDir,
                                                   std::string_view dataDirs);

// The user's own list when it exists, else the first place of
// SatelliteListPlaces that holds a list; the first place when none does, so
// that the message names it.
std::filesystem::path FindSatelliteList(const std::filesystem::path& executableDir, std::string_view dataDirs,
                                        const std::filesystem::path& userList = {});

// As above, with XDG_DATA_DIRS from the environment and no list of the user's.
std::filesystem::path FindSatelliteList(const std::filesystem::path& executableDir);

// The failure text of start-up, followed by the reason.
inline constexpr const char* SatelliteListLoadError = "Unable to load sats.lst";

}  // namespace zenbelts
