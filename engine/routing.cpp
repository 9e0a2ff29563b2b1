#include "routing.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace varnholt {

const char* stormProfileName(StormProfile) {
    return "uniform";
}

const char* stormProfileKey(StormProfile) {
    return "uniform";
}

ProfileChoice stormProfileOf(std::string_view key) {
    if (key == "uniform") return {StormProfile::uniform, ""};
    if (key == "summer" || key == "winter")
        return {std::nullopt, "The FSR " +
                                  std::string(key == "summer" ? "50 % summer" : "75 % winter") +
                                  " profile is not built: no published table of it could be "
                                  "cited. Only the uniform profile is."};
    return {std::nullopt,
            "No storm profile is called \"" + std::string(key) + "\"; there is \"uniform\"."};
}

double stormShare(StormProfile, double fraction) {
    return std::clamp(fraction, 0.0, 1.0);
}

const char* wettedAreaName(WettedArea area) {
    return area == WettedArea::atLevel ? "wetted area at the water level"
                                       : "wetted area at half depth (BRE 365)";
}

RoutedSoakaway routedTrench(const TrenchLoad& load, double length, double width, double depth) {
    return {length * width * load.voidRatio, depth, 2 * (length + width),
            load.base ? length * width : 0.0, load.infiltration};
}

namespace {
bool positive(double v) {
    return v > 0 && std::isfinite(v);
}

void checkInputs(const RoutedSoakaway& s, const RoutingInputs& in) {
    if (!positive(s.freePerDepth) || !positive(s.fullDepth) || !positive(s.sidePerDepth) ||
        !(s.base >= 0 && std::isfinite(s.base)) || !positive(s.infiltration))
        throw std::domain_error("The soakaway to route needs a size and an infiltration rate.");
    if (!positive(in.runoffArea) || !(in.rainfall >= 0 && std::isfinite(in.rainfall)) ||
        !positive(in.stormMinutes))
        throw std::domain_error("The storm to route needs an area, a rainfall and a duration.");
    // Below a second the week of drain-down would take millions of samples.
    if (!(in.step == 0 || (in.step >= 1 && in.step <= 60)))
        throw std::domain_error(
            "The routing step must be 0 s (chosen) or lie between 1 s and 60 s.");
}
}  // namespace

RoutingResult route(const RoutedSoakaway& s, const RoutingInputs& in) {
    checkInputs(s, in);
    const double stormSeconds = in.stormMinutes * 60;
    RoutingResult r{};
    r.step = in.step > 0 ? in.step : std::min(60.0, stormSeconds / 60);
    const double capacity = s.capacity();
    const double stormWater = in.runoffArea * in.rainfall;
    // BRE 365's faces: the sides to half the full depth, for the whole storm.
    const double halfDepthRate = s.infiltration * (s.sidePerDepth * s.fullDepth / 2 + s.base);

    RoutingSample now{};
    const auto steps = static_cast<std::size_t>(std::ceil(kMostRoutingSeconds / r.step));
    // Grown step by step, a week's samples were copied over and over, which took most of the
    // time. A very fine step grows past this as before.
    r.samples.reserve(std::min<std::size_t>(steps + 1, std::size_t{1} << 17));
    r.samples.push_back(now);
    for (std::size_t k = 1; k <= steps; ++k) {
        const double start = now.seconds;
        const double end = std::min(static_cast<double>(k) * r.step, kMostRoutingSeconds);
        const double dt = end - start;
        const double in_ = start < stormSeconds
                               ? stormWater * (stormShare(in.profile, end / stormSeconds) -
                                               stormShare(in.profile, start / stormSeconds))
                               : 0.0;
        const double level = now.stored / s.freePerDepth;
        const double rate = in.area == WettedArea::halfDepth
                                ? (now.stored > 0 || in_ > 0 ? halfDepthRate : 0.0)
                                : s.infiltration * (s.sidePerDepth * level + s.base);
        const double out = std::min(now.stored + in_, rate * dt);
        double stored = now.stored + in_ - out;
        double spilt = 0;
        if (stored > capacity) {
            spilt = stored - capacity;
            stored = capacity;
        }
        now = {end,
               stored / s.freePerDepth,
               stored,
               now.inflow + in_,
               now.infiltrated + out,
               now.overflow + spilt};
        r.samples.push_back(now);
        if (now.stored > r.samples[r.peak].stored) r.peak = r.samples.size() - 1;
        if (end >= stormSeconds && now.level < kEmptyLevel) break;
    }
    r.overflow = now.overflow;
    const RoutingSample& peak = r.samples[r.peak];
    for (std::size_t k = r.peak; k < r.samples.size(); ++k) {
        const RoutingSample& at = r.samples[k];
        if (!r.halfEmptySeconds && at.stored <= peak.stored / 2)
            r.halfEmptySeconds = at.seconds - peak.seconds;
        if (!r.emptySeconds && at.level < kEmptyLevel && at.seconds >= stormSeconds)
            r.emptySeconds = at.seconds - peak.seconds;
    }
    return r;
}

}  // namespace varnholt
