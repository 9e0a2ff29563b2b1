#include "trial_pit.h"

#include <cmath>
#include <stdexcept>

#include "number_text.h"

namespace varnholt {

TrialPitRate trialPitRate(double length, double width, double depth, double minutes,
                          double storage) {
    TrialPitRate r;
    r.seconds = minutes * 60;
    r.volume = length * width * depth * 0.5 * storage;
    r.area = (length + width) * 2 * (depth / 2) + length * width;
    r.rate = r.volume / (r.area * r.seconds);
    return r;
}

std::string infiltrationRateText(double rate) {
    std::string text = generalText(rate);
    const auto e = text.find('E');
    if (e == std::string::npos) return text;
    const auto point = text.find('.');
    if (point != std::string::npos && point < e && e - point > 3)
        text.erase(point + 3, e - (point + 3));
    return text;
}

namespace {
bool above0(double v) {
    return v > 0 && std::isfinite(v);
}
}  // namespace

TrialPitSeriesRates trialPitSeriesRates(const TrialPitSeries& series) {
    if (series.tests.empty() || series.tests.size() > kMostTrialPitTests)
        throw std::domain_error("Enter one, two or three trial pit tests.");
    if (!above0(series.length))
        throw std::domain_error("The pit's length must be a number above 0 m.");
    if (!above0(series.width))
        throw std::domain_error("The pit's width must be a number above 0 m.");
    if (series.gravel && !(above0(series.voidRatio) && series.voidRatio <= 1))
        throw std::domain_error("The gravel's void ratio must lie above 0 and at most 1.");
    const double storage = series.gravel ? series.voidRatio : 1;
    TrialPitSeriesRates out;
    for (std::size_t i = 0; i < series.tests.size(); ++i) {
        const TrialPitTest& t = series.tests[i];
        const std::string test = "Test " + std::to_string(i + 1);
        if (!above0(t.depth))
            throw std::domain_error(test + ": the effective depth must be a number above 0 m.");
        if (!(above0(t.minutes) && t.minutes <= kMostTrialPitMinutes))
            throw std::domain_error(test +
                                    ": the time must lie above 0 and at most 10080 minutes (a "
                                    "week); a pit that drains slower gives no rate to design "
                                    "with.");
        const TrialPitRate r =
            trialPitRate(series.length, series.width, t.depth, t.minutes, storage);
        if (!above0(r.rate)) throw std::domain_error(test + " gives no infiltration rate.");
        out.rates.push_back(r);
        if (r.rate < out.rates[out.lowest].rate) out.lowest = i;
    }
    out.designRate = out.rates[out.lowest].rate;
    return out;
}

}  // namespace varnholt
