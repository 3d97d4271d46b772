#pragma once

#include "model/MountSettings.h"
#include "text/Message.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A horizon mask as a small CSV file, "azimuth,elevation" in degrees with a
// point (azimuth true, clockwise from north), one point a line, as a
// surveyor's or a phone's horizon tool gives it.

namespace zenbelts {

inline constexpr const char* HorizonHeader = "azimuth,elevation";
// A file larger than this is no horizon.
inline constexpr std::size_t HorizonFileMaxBytes = 64 * 1024;

// Why a file was refused, its line named ("line 3: the elevation is not a
// number").
class HorizonCsvError : public std::runtime_error {
public:
    explicit HorizonCsvError(Message message)
        : std::runtime_error(message.English()), message_(std::move(message))
    {}
    const Message& message() const { return message_; }

private:
    Message message_;
};

// An optional header line, then the points (LF or CR LF line ends, blank
// lines skipped), each rounded to tenths; an azimuth of 360 is north. The
// points come in the order read; the set-up's rules (SetHorizon) sort them
// and refuse one azimuth twice. Throws HorizonCsvError.
std::vector<HorizonPoint> ParseHorizonCsv(std::string_view text);

// The header, then one line a point: parses back to the same points.
std::string WriteHorizonCsv(const std::vector<HorizonPoint>& points);

}  // namespace zenbelts
