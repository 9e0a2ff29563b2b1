#include "routing_text.h"

#include <cmath>

#include "number_text.h"

namespace varnholt {

namespace {
std::string volume(double m3) {
    return displayText(m3, 2) + " m3";
}

// A difference that cuts to 0.00 is written without a sign: it is neither more nor less.
std::string signedVolume(double m3) {
    const std::string text = volume(std::fabs(m3));
    if (std::fabs(m3) < 0.01) return text;  // cut to 0.00
    return (m3 < 0 ? "-" : "+") + text;
}

std::string hours(const std::optional<double>& h) {
    return h ? displayText(*h) + " h" : notWithinRouting();
}
}  // namespace

std::string notWithinRouting() {
    return "not within the " + plainText(kMostRoutingSeconds / 86400) + " days routed";
}

std::vector<RoutingLine> routingLines(const RoutingCase& c) {
    const RoutingSample& peak = c.peak();
    const double difference = c.difference();
    std::string storm = plainText(c.storm.minutes) + " min, " +
                        displayText(c.storm.depth * 1000, 1) + " mm" +
                        (c.storm.extrapolated ? "*" : "");
    storm += c.critical ? " (the event's critical storm)" : " (chosen)";
    return {
        {"Event", std::string(stormEventName(c.request.event)) + ": " +
                      plainText(c.event.returnPeriod) + " years, " +
                      plainText(c.event.allowancePercent) + " % allowance"},
        {"Storm", storm},
        {"Profile", stormProfileName(c.request.profile)},
        {"Wetted area", wettedAreaName(c.request.area)},
        {"Step", plainText(c.result.step) + " s"},
        {"Full level",
         displayText(c.soakaway.fullDepth) + " m, holding " + volume(c.store.storage)},
        {"Peak level",
         displayText(peak.level) + " m at " + plainText(std::round(peak.seconds / 60)) + " min"},
        {"Peak storage, routed", volume(peak.stored)},
        {"Storage by the BRE 365 balance", volume(c.storm.needed)},
        {"Routed less balance", signedVolume(difference)},
        {"Overflow", volume(c.result.overflow)},
        {"Half empty after the peak, routed", hours(c.halfEmptyHours())},
        {"Half-empty time by the formula", displayText(c.formulaHalfEmpty) + " h, from full"},
        {"Empty after the peak", hours(c.emptyHours())},
    };
}

}  // namespace varnholt
