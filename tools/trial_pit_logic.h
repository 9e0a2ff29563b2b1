#pragma once

#include <functional>
#include <string>

#include "engine/design.h"
#include "engine/errors.h"
#include "engine/messages.h"
#include "engine/trial_pit.h"

namespace varnholt {

// The texts of the trial-pit dialog's four boxes: any text may stand in them.
struct TrialPitBoxes {
    std::string length;  // m
    std::string width;   // m
    std::string depth;   // m, the effective depth of water
    std::string time;    // minutes for the level to fall from 75 % to 25 % of that depth
};

// Pit values that are numbers yet give no rate a soakaway could be sized with: a zero written
// otherwise than "0" (so a division by zero), a negative or infinite value, or a result out
// of the range of doubles.
class NoInfiltrationRateError : public ActionStopped {
public:
    NoInfiltrationRateError()
        : ActionStopped(
              "The trial pit values give no infiltration rate: the length, width, "
              "depth and time must each be a number greater than 0.") {}
};

inline constexpr const char* kTrialPitValidationMessage =
    "You must enter valid numbers in each box.";

// The logic of the trial-pit dialog (Tfrmsinfcalc). Its boxes are not design fields: they
// belong to the dialog, which lives as long as the program and keeps them between openings.
class TrialPitLogic {
public:
    explicit TrialPitLogic(Design& design) : design_(design) {}

    TrialPitBoxes boxes;

    // Button1, "Calculate Infiltration Rate". An empty box or one holding exactly "0" shows
    // the validation message and returns false: nothing is written, the dialog stays open.
    // Otherwise `close` is called (the dialog closes) and the rate is written into txtsinf,
    // whose change handling recalculates the design; returns true. A box that is not a number
    // throws ConversionError, values that give no positive finite rate throw
    // NoInfiltrationRateError; either way before anything is closed or written.
    bool calculate(MessageSink& messages, const std::function<void()>& close = {});

private:
    bool valid() const;
    double rate() const;

    Design& design_;
};

}  // namespace varnholt
