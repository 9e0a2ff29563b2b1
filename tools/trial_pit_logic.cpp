#include "trial_pit_logic.h"

#include <cmath>

#include "engine/number_text.h"

namespace varnholt {

bool TrialPitLogic::valid() const {
    for (const std::string* box : {&boxes.length, &boxes.width, &boxes.depth, &boxes.time})
        if (box->empty() || *box == "0") return false;
    return true;
}

double TrialPitLogic::rate() const {
    // Read in the order of the boxes, so that the first box that is not a number is named.
    const double length = parseNumber(boxes.length);
    const double width = parseNumber(boxes.width);
    const double depth = parseNumber(boxes.depth);
    const double minutes = parseNumber(boxes.time);
    // A negative length and width can still multiply out to a plausible rate; no measurement
    // of a pit is negative, so every value must be above zero, and so must what it gives.
    for (double v : {length, width, depth, minutes})
        if (!(v > 0) || !std::isfinite(v)) throw NoInfiltrationRateError();
    const double f = trialPitRate(length, width, depth, minutes).rate;
    if (!(f > 0) || !std::isfinite(f)) throw NoInfiltrationRateError();
    return f;
}

bool TrialPitLogic::calculate(MessageSink& messages, const std::function<void()>& close) {
    if (!valid()) {
        messages.inform(kTrialPitValidationMessage);
        return false;
    }
    const std::string text = infiltrationRateText(rate());
    if (close) close();
    design_.write(Field::txtsinf, text);
    return true;
}

}  // namespace varnholt
