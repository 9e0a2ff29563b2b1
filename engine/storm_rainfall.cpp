#include "storm_rainfall.h"

#include <stdexcept>

namespace varnholt {

namespace {
double between(double x0, double x1, double y0, double y1, double x) {
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}
}  // namespace

double z1Factor(double ratio, std::size_t duration) {
    // Written so that a ratio that is not a number is refused too.
    if (!(ratio >= kMinimumRatio && ratio <= kMaximumRatio))
        throw std::domain_error("The ratio r must lie between 0.12 and 0.45.");
    if (duration >= kStormDurationCount) throw std::out_of_range("storm duration index");
    std::size_t upper = 1;
    while (upper < kRatioCount - 1 && kRatios[upper] < ratio) ++upper;
    const std::size_t lower = upper - 1;
    // A ratio on a row takes that row's factor exactly, not a sum that rounds near it.
    if (ratio == kRatios[lower]) return kZ1Factors[lower][duration];
    if (ratio == kRatios[upper]) return kZ1Factors[upper][duration];
    return between(kRatios[lower], kRatios[upper], kZ1Factors[lower][duration],
                   kZ1Factors[upper][duration], ratio);
}

Z2Factor z2Factor(double m5Rainfall, Region region) {
    const auto column = static_cast<std::size_t>(region);
    if (m5Rainfall <= kZ2Rainfalls.front())
        return {kZ2Factors.front()[column], m5Rainfall < kZ2Rainfalls.front()};
    if (m5Rainfall >= kZ2Rainfalls.back())
        return {kZ2Factors.back()[column], m5Rainfall > kZ2Rainfalls.back()};
    if (!(m5Rainfall == m5Rainfall)) throw std::domain_error("The M5 rainfall is not a number.");
    std::size_t upper = 1;
    while (kZ2Rainfalls[upper] < m5Rainfall) ++upper;
    const std::size_t lower = upper - 1;
    if (m5Rainfall == kZ2Rainfalls[upper]) return {kZ2Factors[upper][column], false};
    return {between(kZ2Rainfalls[lower], kZ2Rainfalls[upper], kZ2Factors[lower][column],
                    kZ2Factors[upper][column], m5Rainfall),
            false};
}

}  // namespace varnholt
