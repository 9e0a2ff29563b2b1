#include "rainfall_source.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "number_text.h"

namespace varnholt {

namespace {
constexpr std::array<const char*, kRainfallSourceCount> kKeys = {"fsr", "feh99", "feh13", "feh22"};
constexpr std::array<const char*, kRainfallSourceCount> kNames = {"FSR", "FEH99", "FEH13", "FEH22"};

// The Gumbel reduced variate of a return period.
double reducedVariate(double years) {
    return -std::log(-std::log(1 - 1 / years));
}

std::string hoursText(double hours) {
    return plainText(hours) + (hours == 1 ? " hour" : " hours");
}

std::string yearsText(double years) {
    return plainText(years) + (years == 1 ? " year" : " years");
}

bool rising(const std::vector<double>& v) {
    return std::adjacent_find(v.begin(), v.end(), std::greater_equal<>()) == v.end();
}

// Where x lies among the rising values: the index of the pair around it and the weight of the
// upper one, straight in ln x. A value within rounding of an end is taken at the end.
struct Bracket {
    std::size_t lower;
    double weight;
};

std::optional<Bracket> bracketOf(const std::vector<double>& v, double x) {
    const double slack = 1e-9;
    if (!(x >= v.front() * (1 - slack) && x <= v.back() * (1 + slack))) return std::nullopt;
    x = std::clamp(x, v.front(), v.back());
    std::size_t upper =
        static_cast<std::size_t>(std::lower_bound(v.begin(), v.end(), x) - v.begin());
    if (upper == 0) return Bracket{0, 0};
    const std::size_t lower = upper - 1;
    const double w = (std::log(x) - std::log(v[lower])) / (std::log(v[upper]) - std::log(v[lower]));
    return Bracket{lower, w};
}

double logBetween(double a, double b, double weight) {
    if (weight == 0) return a;
    if (weight == 1) return b;
    return std::exp(std::log(a) + (std::log(b) - std::log(a)) * weight);
}
}  // namespace

const char* rainfallSourceKey(RainfallSourceKind kind) {
    return kKeys[static_cast<std::size_t>(kind)];
}

std::optional<RainfallSourceKind> rainfallSourceOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kRainfallSourceCount; ++i)
        if (key == kKeys[i]) return static_cast<RainfallSourceKind>(i);
    return std::nullopt;
}

const char* rainfallSourceName(RainfallSourceKind kind) {
    return kNames[static_cast<std::size_t>(kind)];
}

SourceDepth feh99Depth(const Feh99Parameters& p, double hours, double years) {
    if (!(hours > 0 && std::isfinite(hours)))
        throw std::domain_error("A storm duration must be above 0 hours.");
    if (!(years > 1 && std::isfinite(years)))
        throw std::domain_error("A return period must be above 1 year.");
    const double y = reducedVariate(years);
    const double ln12 = std::log(12.0), ln48 = std::log(48.0), lnD = std::log(hours);
    const auto first = [&](double lnd) { return (p.c * y + p.d1) * lnd + p.e * y + p.f; };
    double lnR;
    if (hours <= 12) {
        lnR = first(lnD);
    } else {
        const double at12 = first(ln12);
        if (hours <= 48) {
            lnR = at12 + (p.c * y + p.d2) * (lnD - ln12);
        } else {
            const double at48 = at12 + (p.c * y + p.d2) * (ln48 - ln12);
            lnR = at48 + (p.c * y + p.d3) * (lnD - ln48);
        }
    }
    return {std::exp(lnR), hours < 1};
}

void checkDepthTable(const DepthTable& t) {
    const auto refuse = [](const std::string& why) { throw std::domain_error(why); };
    const std::size_t periods = t.returnPeriods.size(), durations = t.durations.size();
    if (periods < 2 || durations < 2)
        refuse("a depth table needs at least two return periods and two durations; this one has " +
               std::to_string(periods) + " and " + std::to_string(durations));
    if (periods > kMostDepthTableReturnPeriods || durations > kMostDepthTableDurations)
        refuse("a depth table may have at most " + std::to_string(kMostDepthTableDurations) +
               " durations and " + std::to_string(kMostDepthTableReturnPeriods) +
               " return periods");
    for (double y : t.returnPeriods)
        if (!(y > 1 && std::isfinite(y)))
            refuse("the return period " + plainText(y) + " is not above 1 year");
    for (double d : t.durations)
        if (!(d > 0 && std::isfinite(d)))
            refuse("the duration " + plainText(d) + " is not above 0 hours");
    if (!rising(t.returnPeriods)) refuse("the return periods must rise from one to the next");
    if (!rising(t.durations)) refuse("the durations must rise from one to the next");
    if (t.depths.size() != durations)
        refuse(std::to_string(t.depths.size()) + " rows of depths for " +
               std::to_string(durations) + " durations");
    for (std::size_t i = 0; i < durations; ++i) {
        const std::vector<double>& row = t.depths[i];
        if (row.size() != periods)
            refuse(std::to_string(row.size()) + " depths for " + hoursText(t.durations[i]) +
                   ", for " + std::to_string(periods) + " return periods");
        for (std::size_t j = 0; j < periods; ++j) {
            const double r = row[j];
            // Worded only for a refusal: the table is checked for every storm taken from it.
            const auto at = [&] {
                return " mm for " + hoursText(t.durations[i]) + " at " +
                       yearsText(t.returnPeriods[j]);
            };
            if (!(r > 0 && std::isfinite(r)))
                refuse("the depth " + plainText(r) + at() + " is not above 0");
            // A rarer storm is never lighter, nor a longer one of the same rarity.
            if (j > 0 && r < row[j - 1])
                refuse("the depth " + plainText(r) + at() + " is less than " +
                       plainText(row[j - 1]) + " mm at " + yearsText(t.returnPeriods[j - 1]) +
                       ": depths must not fall as the return period rises");
            if (i > 0 && r < t.depths[i - 1][j])
                refuse("the depth " + plainText(r) + at() + " is less than " +
                       plainText(t.depths[i - 1][j]) + " mm for " + hoursText(t.durations[i - 1]) +
                       ": depths must not fall as the duration lengthens");
        }
    }
}

double tableDepth(const DepthTable& t, double hours, double years) {
    const auto d = bracketOf(t.durations, hours);
    if (!d)
        throw std::domain_error("the table holds durations " + plainText(t.durations.front()) +
                                " to " + hoursText(t.durations.back()) + "; " + hoursText(hours) +
                                " is outside it");
    const auto y = bracketOf(t.returnPeriods, years);
    if (!y)
        throw std::domain_error(
            "the table holds return periods " + plainText(t.returnPeriods.front()) + " to " +
            yearsText(t.returnPeriods.back()) + "; " + yearsText(years) + " is outside it");
    const auto along = [&](std::size_t row) {
        const std::vector<double>& r = t.depths[row];
        const std::size_t upper = std::min(y->lower + 1, r.size() - 1);
        return logBetween(r[y->lower], r[upper], y->weight);
    };
    const std::size_t upperRow = std::min(d->lower + 1, t.depths.size() - 1);
    return logBetween(along(d->lower), along(upperRow), d->weight);
}

}  // namespace varnholt
