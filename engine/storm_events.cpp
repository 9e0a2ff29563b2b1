#include "storm_events.h"

#include <algorithm>

namespace varnholt {

const char* stormEventName(StormEventKind kind) {
    switch (kind) {
        case StormEventKind::design:
            return "Design (BRE 365 sizing)";
        case StormEventKind::site:
            return "No flooding on site";
        case StormEventKind::buildings:
            return "No flooding of buildings";
    }
    return "";
}

const char* stormEventKey(StormEventKind kind) {
    switch (kind) {
        case StormEventKind::design:
            return "design";
        case StormEventKind::site:
            return "site";
        case StormEventKind::buildings:
            return "buildings";
    }
    return "";
}

EventStorage eventStorage(const StormSite& site, const StormDesign& design,
                          const SoakawayStore& store) {
    EventStorage out{};
    // The trench's and the ring's loads share the area and the overflow.
    const double runoffArea = design.trench.effectiveArea * (1 + site.urbanCreepPercent / 100) *
                              design.trench.overflowFactor;
    for (std::size_t i = 0; i < kCriticalStormCount; ++i) {
        const StormRainfall rain = stormRainfall(site, i);
        EventRow& row = out.rows[i];
        row.minutes = rain.minutes;
        row.depth = rain.depth;
        row.extrapolated = rain.extrapolated;
        row.inflow = runoffArea * rain.depth;
        row.soaked = store.soakRate * rain.minutes * 60;
        row.needed = std::max(0.0, row.inflow - row.soaked);
        if (row.needed > out.rows[out.critical].needed) out.critical = i;
    }
    out.needed = out.rows[out.critical].needed;
    return out;
}

}  // namespace varnholt
