#include "trial_pit_tests_logic.h"

#include <stdexcept>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace varnholt {

namespace {
TrialPitSeries seriesOf(const TrialPitTestsBoxes& b) {
    TrialPitSeries s;
    s.length = parseNumber(b.length);
    s.width = parseNumber(b.width);
    s.gravel = b.gravel;
    if (b.gravel) s.voidRatio = parseNumber(b.voidRatio);
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        const bool hasDepth = !b.depth[i].empty(), hasTime = !b.minutes[i].empty();
        if (!hasDepth && !hasTime) continue;
        if (hasDepth != hasTime)
            throw std::domain_error("Test " + std::to_string(i + 1) +
                                    " needs both its depth and its time.");
        s.tests.push_back({parseNumber(b.depth[i]), parseNumber(b.minutes[i])});
    }
    return s;
}
}  // namespace

bool TrialPitTestsLogic::calculate() {
    series_.reset();
    rates_.reset();
    error_.clear();
    try {
        TrialPitSeries s = seriesOf(boxes);
        rates_ = trialPitSeriesRates(s);
        series_ = std::move(s);
    } catch (const ConversionError& e) {
        error_ = e.what();
    } catch (const std::domain_error& e) {
        error_ = e.what();
    }
    return rates_.has_value();
}

void TrialPitTestsLogic::useInDesign(Design& design) const {
    if (!rates_) return;
    design.write(Field::txtsinf, infiltrationRateText(rates_->designRate));
}

}  // namespace varnholt
