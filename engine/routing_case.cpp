#include "routing_case.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

#include "number_text.h"

namespace varnholt {

std::optional<double> RoutingCase::halfEmptyHours() const {
    if (!result.halfEmptySeconds) return std::nullopt;
    return *result.halfEmptySeconds / 3600;
}

std::optional<double> RoutingCase::emptyHours() const {
    if (!result.emptySeconds) return std::nullopt;
    return *result.emptySeconds / 3600;
}

namespace {
std::size_t durationIndex(double minutes) {
    for (std::size_t i = 0; i < kCriticalStormCount; ++i)
        if (kCriticalStormDurations[i] == minutes) return i;
    std::string held;
    for (double d : kCriticalStormDurations) held += (held.empty() ? "" : ", ") + plainText(d);
    throw std::domain_error("The storm table holds no " + plainText(minutes) +
                            " min storm; it holds " + held + " min.");
}
}  // namespace

RoutingCase routingCase(const StormSite& site, const StormEvent& event, const StormDesign& d,
                        const SoakawayOnShow& onShow, const RoutingRequest& request) {
    if (!onShow.designed()) {
        std::string why = onShow.missing;
        why[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(why[0])));
        throw std::domain_error(why + ", so there is nothing to route a storm through.");
    }
    // The table's own count stands for no duration asked.
    const std::size_t asked =
        request.minutes ? durationIndex(*request.minutes) : kCriticalStormCount;
    RoutingCase c;
    c.request = request;
    c.ring = onShow.ring;
    c.event = event;
    c.store = storeOf(onShow, d);
    c.formulaHalfEmpty = c.store.storage / 2 / c.store.soakRate / 3600;
    c.soakaway = onShow.ring ? routedRing(d.ring, d.ringRadius, onShow.size)
                             : routedTrench(d.trench, onShow.size, d.trenchWidth, d.trenchDepth);

    StormSite at = site;
    at.returnPeriod = event.returnPeriod;
    at.allowancePercent = event.allowancePercent;
    const EventStorage storage = eventStorage(at, d, c.store);
    c.critical = asked == kCriticalStormCount;
    c.storm = storage.rows[c.critical ? storage.critical : asked];

    RoutingInputs in;
    // The area whose rain the events take: the effective area with the urban creep, less the
    // share sent to the overflow.
    in.runoffArea =
        d.trench.effectiveArea * (1 + at.urbanCreepPercent / 100) * d.trench.overflowFactor;
    in.rainfall = c.storm.depth;
    in.stormMinutes = c.storm.minutes;
    in.profile = request.profile;
    in.area = request.area;
    in.step = request.step;
    c.result = route(c.soakaway, in);
    return c;
}

}  // namespace varnholt
