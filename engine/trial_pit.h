#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace varnholt {

// The soakage test of one trial pit, every term a double as the rate is worked.
struct TrialPitRate {
    double seconds = 0;  // t = T x 60
    double volume = 0;   // V = L x W x D x 0.5 x s, stored between 75 % and 25 % effective depth
    double area = 0;     // A = (L + W) x 2 x D/2 + L x W, the faces to half depth and the base
    double rate = 0;     // f = V / (A x t), m/s
};

// `storage` is the share of the pit's volume that holds water: 1 for an open pit, the void
// ratio of the fill for a pit filled with gravel.
TrialPitRate trialPitRate(double length, double width, double depth, double minutes,
                          double storage = 1);

// The text a rate is written as: the general form (exponent form below 0.0001), its
// mantissa cut, not rounded, after two decimals ("3.33333333333333E-5" becomes "3.33E-5"),
// so that the rate written is never above the one measured.
std::string infiltrationRateText(double rate);

// One fall of the water from 75 % to 25 % of the effective depth.
struct TrialPitTest {
    double depth;    // m, effective depth of water
    double minutes;  // time of the fall
};

// Up to three tests on the same pit.
struct TrialPitSeries {
    double length = 0;  // m
    double width = 0;   // m
    bool gravel = false;
    double voidRatio = 0.3;  // of the gravel, when the pit was filled with it
    std::vector<TrialPitTest> tests;
};

struct TrialPitSeriesRates {
    std::vector<TrialPitRate> rates;  // one per test, in order
    std::size_t lowest = 0;           // the test of the lowest rate, which the design takes
    double designRate = 0;            // m/s
};

inline constexpr std::size_t kMostTrialPitTests = 3;
// A fall slower than a week is a slip (1e9 typed) or a pit that does not drain: soakage
// tests are stopped long before.
inline constexpr double kMostTrialPitMinutes = 10080;

// Every test's rate and the lowest of them. Refuses (std::domain_error) a series without
// tests or with more than three, and any value that is not a number above zero (a void ratio
// above 1 and a time beyond kMostTrialPitMinutes too), so that no rate is made from a
// measurement no pit can give. The message names the value refused.
TrialPitSeriesRates trialPitSeriesRates(const TrialPitSeries& series);

}  // namespace varnholt
