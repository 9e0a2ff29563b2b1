#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/check_texts.h"
#include "engine/design.h"
#include "engine/trial_pit.h"

namespace varnholt {

// The texts of the "Trial Pit Tests" dialog: one pit, up to three falls of its water.
struct TrialPitTestsBoxes {
    std::string length;  // m
    std::string width;   // m
    bool gravel = false;
    std::string voidRatio = "0.3";
    std::array<std::string, kMostTrialPitTests> depth;    // m, effective depth of each test
    std::array<std::string, kMostTrialPitTests> minutes;  // time of each fall, 75 % to 25 %
};

// The boxes as the project keeps them among the design check's texts, and back.
TrialPitTestsBoxes trialPitBoxesOf(const CheckTexts& texts);
void keepTrialPitBoxes(const TrialPitTestsBoxes& boxes, CheckTexts& texts);

// The logic of "Trial Pit Tests": the rate of every test entered and the lowest, which the
// design takes. It lives as long as the program, so that the design check can show the tests.
class TrialPitTestsLogic {
public:
    TrialPitTestsBoxes boxes;

    // Reads the boxes. A test with both boxes empty is left out. Returns false, with the
    // reason in error(), when no test is entered, a test has only one of its two values, or a
    // value is not a number or gives no rate; the last series is then dropped.
    bool calculate();

    const std::optional<TrialPitSeries>& series() const { return series_; }
    const std::optional<TrialPitSeriesRates>& rates() const { return rates_; }
    const std::string& error() const { return error_; }

    // "Use in Design": the lowest rate into txtsinf, in the text form the trial-pit dialog
    // writes, through its change handling. Nothing is written without rates.
    void useInDesign(Design& design) const;

private:
    std::optional<TrialPitSeries> series_;
    std::optional<TrialPitSeriesRates> rates_;
    std::string error_;
};

}  // namespace varnholt
