#include "trial_pit_tests_logic.h"

#include <stdexcept>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace varnholt {

namespace {
// A refused box is named: with three tests of two boxes each, "'x' is not a number" alone
// leaves the user to hunt for it.
double numberIn(const std::string& text, const std::string& box) {
    const auto v = tryParseNumber(text);
    if (!v) throw std::domain_error(box + ": '" + text + "' is not a number.");
    return *v;
}

TrialPitSeries seriesOf(const TrialPitTestsBoxes& b) {
    TrialPitSeries s;
    s.length = numberIn(b.length, "The pit's length");
    s.width = numberIn(b.width, "The pit's width");
    s.gravel = b.gravel;
    if (b.gravel) s.voidRatio = numberIn(b.voidRatio, "The void ratio of the gravel");
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        const bool hasDepth = !b.depth[i].empty(), hasTime = !b.minutes[i].empty();
        if (!hasDepth && !hasTime) continue;
        if (hasDepth != hasTime)
            throw std::domain_error("Test " + std::to_string(i + 1) +
                                    " needs both its depth and its time.");
        const std::string test = "Test " + std::to_string(i + 1);
        s.tests.push_back({numberIn(b.depth[i], test + ": the effective depth"),
                           numberIn(b.minutes[i], test + ": the time")});
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

TrialPitTestsBoxes trialPitBoxesOf(const CheckTexts& texts) {
    TrialPitTestsBoxes b;
    b.length = texts.text("pitlength");
    b.width = texts.text("pitwidth");
    b.gravel = texts.text("pitgravel") == "1";
    b.voidRatio = texts.text("pitvoidratio");
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        b.depth[i] = texts.text("testdepth" + std::to_string(i + 1));
        b.minutes[i] = texts.text("testtime" + std::to_string(i + 1));
    }
    return b;
}

void keepTrialPitBoxes(const TrialPitTestsBoxes& b, CheckTexts& texts) {
    texts.set("pitlength", b.length);
    texts.set("pitwidth", b.width);
    texts.set("pitgravel", b.gravel ? "1" : "0");
    texts.set("pitvoidratio", b.voidRatio);
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        texts.set("testdepth" + std::to_string(i + 1), b.depth[i]);
        texts.set("testtime" + std::to_string(i + 1), b.minutes[i]);
    }
}

}  // namespace varnholt
