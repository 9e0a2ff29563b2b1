#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "critical_storm.h"
#include "design_record.h"
#include "routing_case.h"
#include "storm_events.h"
#include "trial_pit.h"

namespace varnholt {

// How bad it is when the soakaway fails, as the factor-of-safety table sorts it.
enum class Consequence { noDamage, minorExternal, buildings };
inline constexpr std::size_t kConsequenceCount = 3;
const char* consequenceName(Consequence c);

// Minimum factors of safety on the infiltration rate by the drained area and the consequence
// of failure (CIRIA C753, The SuDS Manual, Table 25.2, after CIRIA R156 Table 4.2). Every
// figure is a setting.
inline constexpr std::size_t kFosBandCount = 3;
inline constexpr const char* kFosTableName = "CIRIA C753 Table 25.2 (after CIRIA R156 Table 4.2)";
struct FosTable {
    double smallAreaBelow = 100;  // m2: the first band is the areas under this
    double largestArea = 1000;    // m2: the second band reaches up to and including this
    // The third band is every area beyond the second.
    std::array<std::array<double, kConsequenceCount>, kFosBandCount> minimum{
        {{1.5, 2, 10}, {1.5, 3, 10}, {1.5, 5, 10}}};
};

// The band of the area (0, 1 or 2) and the minimum for it.
std::size_t fosBand(const FosTable& table, double area);
double minimumFactorOfSafety(const FosTable& table, double area, Consequence consequence);

// Everything the design check needs beside the design itself.
struct DesignCheckInputs {
    StormSite site;  // its return period and allowance are the design event's
    StormEvent siteEvent = kSiteEvent;
    StormEvent buildingsEvent = kBuildingsEvent;
    Consequence consequence = Consequence::minorExternal;
    FosTable fosTable;
    std::optional<double> groundwaterDepth;  // m below the ground, the seasonal high level
    std::optional<double> buildingDistance;  // m to the nearest building foundation
    double topDepth = 0;                     // m from the ground to the top of the storage
    double minimumGroundwaterClearance = 1;  // m, base above the groundwater (BRE 365)
    double minimumBuildingDistance = 5;      // m (BRE 365)
    std::optional<TrialPitSeries> trialPits;
    // When asked, the half-empty check takes the routed time of this storm, not the formula's.
    std::optional<RoutingRequest> routing;

    StormEvent event(StormEventKind kind) const;
    void setEvent(StormEventKind kind, StormEvent event);
};

// "Not designed" is a failure: there is no soakaway on show to check. "Exceedance" is not: the
// water that the soakaway cannot hold in a storm rarer than its design is held on the site away
// from buildings.
enum class Verdict { pass, fail, notDesigned, notChecked, exceedance };
// "Pass", "Fail", "Not designed", "Not checked", "Exceedance"
const char* verdictName(Verdict v);

struct CheckItem {
    std::string name;
    Verdict verdict;
    std::string reason;     // plain words, with the figures compared
    std::string missing{};  // of a check not made, what it wants: "no groundwater depth"
};

// One event against the soakaway on show.
struct EventResult {
    StormEventKind kind;
    StormEvent event;
    Verdict verdict = Verdict::notChecked;
    std::string reason;
    std::optional<EventStorage> storage;  // none when the event could not be worked
    double exceedance = 0;                // m3 to be held on site away from buildings
};

struct DesignCheck {
    CriticalStormTable table;
    std::optional<double> provided;  // m3 of water the soakaway on show holds
    std::array<EventResult, kStormEventCount> events;
    bool ring = false;       // the ring on show was checked, else the trench
    double drainedArea = 0;  // m2, the impermeable area with the urban creep allowance
    double minimumFos = 0;
    std::optional<TrialPitSeriesRates> trialPitRates;
    std::optional<RoutingCase> routing;  // when asked for and the storm could be routed
    std::vector<CheckItem> items;

    // No check failed; one that could not be made for want of its inputs does not fail
    // unless `strict`.
    bool passes(bool strict = false) const;
    std::size_t count(Verdict v) const;
};

// Checks the soakaway on show (the trench, or the ring on the ring page) as the main window
// holds it: that its length (the ring's depth), in full precision, is at least what the
// critical storm with the allowances needs for its width and depth (the ring's diameter), a
// soakaway with a dimension missing or not above 0 being "Not designed"; the half-empty time
// at that storm, the factor of safety, the clearances and, when
// trial-pit tests are given, that the design's infiltration rate is not above their lowest;
// and that the soakaway on show holds what the 30- and 100-year events need, the latter's
// surplus being an exceedance volume rather than a failure.
// Throws ConversionError for a design text that is not a number and std::domain_error for an
// input it refuses.
DesignCheck designCheck(const DesignCheckInputs& inputs, const DesignRecord& record);

// The storm of `request` routed through the soakaway on show, whether or not the check takes
// it. Throws as routingCase does, and ConversionError for a design text that is not a number.
RoutingCase routedOnShow(const DesignCheckInputs& inputs, const DesignRecord& record,
                         const RoutingRequest& request);

}  // namespace varnholt
