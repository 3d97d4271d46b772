#pragma once

#include "text/Message.h"

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What was found at the dish, one row per satellite: where the signal peaked
// on the motor and, when measured, how far the satellite lies off the beam.
// Kept as a small CSV file: "position,motorAngle,offset". Instead of the
// offset a file may give what an inclinometer on the dish's face read at the
// peak, the dish as set: "position,motorAngle,faceTilt", read into offsets
// with the set-up's dish and mount.

namespace zenbelts {

struct MountSettings;

struct Observation {
    int position = 0;              // tenths of a degree east, 0..3599
    double motorAngle = 0.0;       // degrees, as the arc table's motor angle
    std::optional<double> offset;  // degrees, above (+) or below (-) the beam

    bool operator==(const Observation&) const = default;
};

inline constexpr const char* ObservationsHeader = "position,motorAngle,offset";
inline constexpr const char* FaceTiltHeader = "position,motorAngle,faceTilt";
inline constexpr std::size_t ObservationsMaxLineBytes = 1024;
// A file of observations larger than this is not one.
inline constexpr std::size_t ObservationsFileMaxBytes = 1024 * 1024;

// Why a file was refused: the message names the line ("line 4: the motor
// angle is not a number").
class ObservationsError : public std::runtime_error {
public:
    ObservationsError(int line, Message what);
    int line() const { return line_; }
    // The whole message, line number and all.
    const Message& message() const { return message_; }

private:
    int line_;
    Message message_;
};

// A position as the program writes it (0..3599 tenths east) or as a label:
// "19.2E", "0.8W", "13.0°E". Null when it is neither.
std::optional<int> ParseObservedPosition(std::string_view text);

// The header line first (LF, CR or CR LF line ends, blank lines skipped; a
// byte-order mark passed over, UTF-16 read), then one row per observation.
// Face tilts become offsets with setUp's dish and mount; without a set-up
// they are refused. lines, when given, receives the line number of each
// observation. Throws ObservationsError.
std::vector<Observation> ParseObservations(std::string_view text, const MountSettings* setUp = nullptr,
                                           std::vector<int>* lines = nullptr);
std::vector<Observation> ReadObservations(std::istream& in, const MountSettings* setUp = nullptr);

// The CSV text that parses back to the same observations: labels for the
// positions, the shortest decimals that keep each angle exactly.
std::string WriteObservations(const std::vector<Observation>& observations);

}  // namespace zenbelts
