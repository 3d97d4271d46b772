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

// How well a signal's peak is found at the dish, 1σ in degrees: the motor
// angle, and the tilt of the dish up or down (the offset).
struct Precision {
    double motor = 0.1;
    double offset = 0.2;
};
// What a person on a ladder usually achieves, with a receiver's signal meter.
inline constexpr Precision FieldPrecision{};
// A stated precision lies above 0 and at most this, degrees.
inline constexpr double MaxPrecisionDegrees = 10.0;

// The precision the user states, one of the two or both: the one missing
// keeps the usual ratio to the other.
inline Precision StatedPrecision(std::optional<double> motor, std::optional<double> offset)
{
    constexpr double ratio = FieldPrecision.offset / FieldPrecision.motor;
    if (motor && offset)
        return {*motor, *offset};
    return motor ? Precision{*motor, *motor * ratio}
                 : Precision{offset.value_or(0.0) / ratio, offset.value_or(0.0)};
}

// How far the real mount is believed to stand off the set-up, 1σ per
// adjustment: a careful build with a spirit level and a compass.
inline constexpr double DefaultPriorDegrees = 1.5;
// A predicted angle less sure than this (1σ) earns a warning: a tenth of the
// beam width of an 80 cm dish in the Ku band (about 2°), where the signal
// drops by a tenth of a decibel.
inline constexpr double SureDegrees = 0.2;
// How far the motor turns either way from its zero where the set-up says
// nothing else (its motorEast and motorWest limit the candidates).
inline constexpr double MotorReachDegrees = DefaultMotorLimit / 10.0;

struct DiagnoseOptions {
    // As the user states it; otherwise estimated from the residuals, starting
    // from FieldPrecision and its ratio.
    std::optional<Precision> precision;
    // The prior toward the set-up, degrees; 0: none, and what the
    // observations cannot tell stays exactly as set up.
    double priorDegrees = DefaultPriorDegrees;
    // Where each observation was read (its line in a file, its row in a
    // table), for the messages that name one; empty: 1, 2, 3...
    std::vector<int> lines;
};

enum class PrecisionSource { Stated, Estimated, Assumed };

// What the fitted set-up (whole tenths) gives for one satellite, and how sure
// that is: degrees, as the arc table has them.
struct PredictedSatellite {
    int position = 0;
    double motorAngle = 0.0, offset = 0.0;
    double motorSigma = 0.0, offsetSigma = 0.0;  // 1σ
};

// A satellite worth observing next, and what the worst 1σ becomes with it.
struct NextObservation {
    int position = 0;
    double worstAfter = 0.0;  // degrees
};

// One adjustment to turn on the real mount to bring it to the set-up.
struct TurnAdvice {
    int adjustment = 0;    // index into Adjustments
    double degrees = 0.0;  // how far, always positive
    char direction = 'N';  // the panel's hemisphere letter of the way to turn
    Message text;          // "Pole N/S: turn 0.7° S, from 1.2°N to 0.5°N"
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
    std::vector<std::string> unresolved;  // field names ("poleNS"), in Adjustments order

    Precision precision;  // of the observations, as the fit weighed them
    PrecisionSource precisionSource = PrecisionSource::Assumed;
    bool offsetsObserved = false;
    // Every satellite of the list at least 5° up; the largest 1σ over them
    // (over the visible arc when the list has none up).
    std::vector<PredictedSatellite> predicted;
    double worstMotor = 0.0, worstOffset = 0.0;
    // The best satellite to observe next, then the best after it, while the
    // worst 1σ (of the motor angle alone when no offsets were observed) is
    // above SureDegrees; at most three.
    std::vector<NextObservation> next;

    // In plain words, each a sentence: what the observations cannot tell,
    // how sure the fit is, a warning where it is not sure enough, and what
    // to observe next.
    std::vector<Message> explanation;
    Message uncertainty;
    std::optional<Message> warning;
    std::optional<Message> nextText;  // only where the fit is not sure enough
    // What to turn, in the order to work at the dish, and the words before it
    // ("Nothing to turn..." when there is none).
    Message adviceHeading;
    std::vector<TurnAdvice> advice;
};

// A first round of observations: three to six satellites spread over the arc.
struct FirstObservations {
    std::vector<int> positions;  // west to east
    double worstAfter = 0.0;     // the worst 1σ with them, degrees
    Message text;
};

// Fits the six adjustments, within their limits, to the observed angles by
// weighted least squares with a prior toward the set-up, starting from it;
// where adjustments move the beam alike the hardest to reach stays as set up.
// The catalogue's entries at least 5° up are the satellites judged and the
// candidates to observe next. Throws DiagnoseError when there is nothing to
// fit, a satellite is below the horizon, or observations contradict each
// other (named by their lines).
Diagnosis Diagnose(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                   const std::vector<Observation>& observations, const DiagnoseOptions& options = {});

// With nothing observed yet: the satellites to observe first, each with its
// motor angle and offset. Empty when the list has none up and in reach.
FirstObservations ProposeFirstObservations(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                                           const DiagnoseOptions& options = {});

// The set-up with the fitted adjustments: inside its limits and recalculated.
MountSettings FittedSettings(const MountSettings& settings, const Diagnosis& diagnosis);

}  // namespace zenbelts
