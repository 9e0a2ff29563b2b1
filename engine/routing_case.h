#pragma once

#include <optional>

#include "critical_storm.h"
#include "routing.h"
#include "soakaway_on_show.h"
#include "storm_events.h"

namespace varnholt {

// Which storm to route through the soakaway on show, and how.
struct RoutingRequest {
    StormEventKind event = StormEventKind::design;
    // A duration of the storm table; none routes the event's critical storm, the one needing
    // the most storage of the soakaway on show.
    std::optional<double> minutes;
    StormProfile profile = StormProfile::uniform;
    WettedArea area = WettedArea::atLevel;
    double step = 0;  // s; 0 chooses one
};

// A storm routed through the soakaway on show, beside what the sizing's balance says of it.
struct RoutingCase {
    RoutingRequest request;
    bool ring = false;
    StormEvent event;         // its return period and allowance
    EventRow storm;           // the storm; `needed` is the BRE 365 balance of the soakaway
    bool critical = false;    // the event's critical storm rather than a duration asked for
    SoakawayStore store;      // full, and soaking through the faces at half depth
    double formulaHalfEmpty;  // h, full to half full through the faces at half depth
    RoutedSoakaway soakaway;
    RoutingResult result;

    const RoutingSample& peak() const { return result.samples[result.peak]; }
    // m3, the routed peak less the balance's storage
    double difference() const { return peak().stored - storm.needed; }
    std::optional<double> halfEmptyHours() const;
    std::optional<double> emptyHours() const;
};

// Routes a storm of the site at the event's return period and allowance through the soakaway
// on show. Refuses (std::domain_error) a soakaway not designed, saying what it lacks, a
// duration the storm table does not hold, and a storm the source cannot give.
RoutingCase routingCase(const StormSite& site, const StormEvent& event, const StormDesign& design,
                        const SoakawayOnShow& onShow, const RoutingRequest& request);

}  // namespace varnholt
