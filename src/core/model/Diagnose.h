#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"
#include "model/Observations.h"
#include "text/Message.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The field assistant's core: from what was found at the dish, how the mount
// really stands, and what to turn to bring it to the set-up.

namespace zenbelts {

// Observations that cannot be used with a set-up ("no observations",
// "13.0°E is below the horizon here").
class DiagnoseError : public std::runtime_error {
public:
    explicit DiagnoseError(Message message)
        : std::runtime_error(message.English()), message_(std::move(message))
    {}
    const Message& message() const { return message_; }

private:
    Message message_;
};

struct PredictedAngles {
    double motorAngle;  // degrees, as the arc table has them
    double offset;
};

// The arc table's motor angle and offset of a ring position (0..3599) for a
// mount whose six adjustments (degrees, in the order of Adjustments) need not
// be whole tenths. The site is the set-up's.
PredictedAngles PredictAngles(const MountSettings& site, const std::array<double, 6>& adjustments,
                              int position);

// Observed minus computed, degrees.
struct ObservationResidual {
    int position = 0;
    double motorBefore = 0.0;                         // with the set-up's mount
    double motorAfter = 0.0;                          // with the fitted mount
    std::optional<double> offsetBefore, offsetAfter;  // absent where not observed
};

// One adjustment to turn on the real mount to bring it to the set-up.
struct TurnAdvice {
    int adjustment = 0;    // index into Adjustments
    double degrees = 0.0;  // how far, always positive
    char direction = 'N';  // the panel's hemisphere letter of the way to turn
    std::string text;      // "Pole N/S: turn 0.7° S, from 1.2°N to 0.5°N"
};

struct Diagnosis {
    std::array<int, 6> fitted{};                 // the real mount, whole tenths, Adjustments order
    std::array<int, 6> change{};                 // fitted minus the set-up's
    std::array<double, 6> exact{};               // the fit before rounding, degrees
    bool autoDeclination = false;                // whether the fitted declination is the automatic one
    std::vector<ObservationResidual> residuals;  // in the order observed
    double rmsBefore = 0.0, rmsAfter = 0.0;      // degrees, over every observed angle
    // How many independent combinations of adjustments the observations fix,
    // and how many any observations at all could fix at this site.
    int determined = 0;
    int determinable = 0;
    std::vector<std::string> unresolved;     // field names ("poleNS"), in Adjustments order
    std::optional<int> separatingSatellite;  // the catalogue position worth observing next
    std::string explanation;                 // plain words
    std::vector<TurnAdvice> advice;          // in Adjustments order; empty: nothing to turn
};

// Fits the six adjustments, within their limits, to the observed angles by
// least squares, starting from the set-up. Combinations the observations
// cannot tell apart stay as in the set-up. The catalogue's entries at least 5°
// up are the candidates for the satellite to observe next. Throws
// DiagnoseError when there is nothing to fit or a satellite is below the
// horizon.
Diagnosis Diagnose(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                   const std::vector<Observation>& observations);

// The set-up with the fitted adjustments: inside its limits and recalculated.
MountSettings FittedSettings(const MountSettings& settings, const Diagnosis& diagnosis);

}  // namespace zenbelts
