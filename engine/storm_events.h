#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "critical_storm.h"

namespace varnholt {

// The storms a design is checked against: the sizing storm and the two that a lead local flood
// authority asks about, each with its return period and climate change allowance.
enum class StormEventKind { design, site, buildings };
inline constexpr std::size_t kStormEventCount = 3;

// "Design (BRE 365 sizing)", "No flooding on site", "No flooding of buildings".
const char* stormEventName(StormEventKind kind);
// "design", "site", "buildings": as the driver's --event takes them and the project keeps.
const char* stormEventKey(StormEventKind kind);

struct StormEvent {
    double returnPeriod;      // years
    double allowancePercent;  // climate change
};

// 1 in 30 years with 40 % for no flooding on site, 1 in 100 years with 40 % for no flooding of
// buildings (the upper end of the Environment Agency's peak rainfall allowances).
inline constexpr StormEvent kSiteEvent{30, 40};
inline constexpr StormEvent kBuildingsEvent{100, 40};

// One storm's water against the soakaway on show, in m3.
struct EventRow {
    double minutes;
    double depth;  // m, with the allowance
    bool extrapolated;
    double inflow;  // the runoff of the area with the urban creep allowance
    double soaked;  // what the soil takes during the storm
    double needed;  // inflow less soaked; 0 when the soil takes it all
};

struct EventStorage {
    std::array<EventRow, kCriticalStormCount> rows;
    std::size_t critical;  // the row needing the most storage
    double needed;         // m3, the most over the durations
};

// The storage the site's storms (at its return period and allowance) need of a soakaway that
// soaks away as `store` does, by the balance of the sizing: inflow less what soaks away during
// the storm. Throws std::domain_error as stormRainfall does.
EventStorage eventStorage(const StormSite& site, const StormDesign& design,
                          const SoakawayStore& store);

}  // namespace varnholt
