#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ring_formulas.h"
#include "trench_formulas.h"

namespace varnholt {

// How the storm's rain falls over its duration. BRE 365 takes it as falling evenly.
// The FSR 50 % summer and 75 % winter profiles are not built: no published table of them
// could be cited, and a profile made up would put a wrong peak into a real design.
enum class StormProfile { uniform };
inline constexpr const char* kPeakedProfilesNotBuilt =
    "The FSR 50 % summer and 75 % winter profiles are not built: no published table of them "
    "could be cited. Only the uniform profile is.";
const char* stormProfileName(StormProfile profile);  // "uniform"
const char* stormProfileKey(StormProfile profile);   // "uniform", as the driver takes it
// The profile of a key, or why there is none ("summer": not built, and why).
struct ProfileChoice {
    std::optional<StormProfile> profile;
    std::string problem;
};
ProfileChoice stormProfileOf(std::string_view key);

// The share of the storm's depth fallen by a fraction of its duration (clamped to 0..1).
double stormShare(StormProfile profile, double fraction);

// The faces the water soaks through: at the water's level as it rises and falls, or, as the
// BRE 365 balance takes them for the whole storm, at half the soakaway's depth.
enum class WettedArea { atLevel, halfDepth };
const char* wettedAreaName(WettedArea area);

// A soakaway of given size as routing sees it.
struct RoutedSoakaway {
    double freePerDepth;  // m3 of water per m of level
    double fullDepth;     // m
    double sidePerDepth;  // m2 of wetted side per m of level
    double base;          // m2 of base that soaks; 0 where the base does not count
    double infiltration;  // m/s, the design rate over the factor of safety

    double capacity() const { return freePerDepth * fullDepth; }
};
RoutedSoakaway routedTrench(const TrenchLoad& load, double length, double width, double depth);
RoutedSoakaway routedRing(const RingLoad& load, double radius, double depth);

struct RoutingInputs {
    double runoffArea;    // m2 whose rain reaches the soakaway (area x runoff coefficient x
                          // the share not sent to the overflow, with any urban creep)
    double rainfall;      // m over the storm, with any allowance
    double stormMinutes;  // min
    StormProfile profile = StormProfile::uniform;
    WettedArea area = WettedArea::atLevel;
    double step = 0;  // s, at most 60; 0 chooses one: a minute, or a sixtieth of a shorter storm
};

// The state at the end of a step; volumes in m3, cumulative from the storm's start.
struct RoutingSample {
    double seconds;
    double level;  // m
    double stored;
    double inflow;
    double infiltrated;
    double overflow;
};

inline constexpr double kMostRoutingSeconds = 7 * 24 * 3600.0;
// Below this level the soakaway counts as empty: the soil takes the last film of water slowly
// through the base alone, or never where only the sides soak.
inline constexpr double kEmptyLevel = 0.001;  // m

struct RoutingResult {
    double step;                             // s
    std::vector<RoutingSample> samples;      // the start, then every step
    std::size_t peak;                        // the sample of the highest level
    double overflow;                         // m3 spilled over the full level
    std::optional<double> halfEmptySeconds;  // from the peak to half the peak's storage
    std::optional<double> emptySeconds;      // from the peak to below kEmptyLevel
};

// Steps through the storm and the drain-down after it until the soakaway is empty or seven
// days have passed. Each step takes in the rain of the step, lets out what the faces soak at
// the level at the step's start (never more than is there) and spills what rises above the
// full level, so that at every step inflow = stored + infiltrated + overflow. Refuses
// (std::domain_error) sizes or loads that are not numbers above 0 (the base and the rainfall
// may be 0).
RoutingResult route(const RoutedSoakaway& soakaway, const RoutingInputs& inputs);

}  // namespace varnholt
