#include "route_report.h"

#include <charconv>
#include <optional>

#include "engine/routing_text.h"
#include "json_writer.h"

namespace varnholt {

namespace {

void maybe(JsonWriter& w, const char* key, const std::optional<double>& value) {
    w.key(key);
    value ? w.value(*value) : w.null();
}

void number(JsonWriter& w, const char* key, double value) {
    w.key(key);
    w.value(value);
}

// The shortest text that reads back as the same double, so a row's balance can be checked
// from the file.
std::string exact(double value) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

const char* wettedAreaKey(WettedArea area) {
    return area == WettedArea::atLevel ? "level" : "half-depth";
}

}  // namespace

std::string routingText(const RoutingCase& routing) {
    std::string out;
    for (const RoutingLine& line : routingLines(routing))
        out += line.label + ": " + line.value + "\n";
    return out;
}

std::string routingJson(const RoutingCase& c, const std::vector<std::string>& messages) {
    JsonWriter w;
    w.beginObject();
    w.key("request");
    w.beginObject();
    w.key("soakaway");
    w.value(c.ring ? "ring" : "trench");
    w.key("event");
    w.value(stormEventKey(c.request.event));
    number(w, "returnPeriod", c.event.returnPeriod);
    number(w, "allowance", c.event.allowancePercent);
    maybe(w, "duration", c.request.minutes);
    w.key("profile");
    w.value(stormProfileKey(c.request.profile));
    w.key("wettedArea");
    w.value(wettedAreaKey(c.request.area));
    w.key("wettedAreaName");
    w.value(wettedAreaName(c.request.area));
    number(w, "step", c.result.step);
    w.endObject();

    const RoutingSample& peak = c.peak();
    w.key("results");
    w.beginObject();
    number(w, "stormMinutes", c.storm.minutes);
    number(w, "stormDepth", c.storm.depth);
    w.key("criticalStorm");
    w.value(c.critical);
    number(w, "fullLevel", c.soakaway.fullDepth);
    number(w, "fullStorage", c.store.storage);
    number(w, "peakLevel", peak.level);
    number(w, "peakSeconds", peak.seconds);
    number(w, "peakStored", peak.stored);
    number(w, "balance", c.storm.needed);
    number(w, "difference", c.difference());
    number(w, "overflow", c.result.overflow);
    maybe(w, "halfEmptyHoursRouted", c.halfEmptyHours());
    number(w, "halfEmptyHoursFormula", c.formulaHalfEmpty);
    maybe(w, "emptyHours", c.emptyHours());
    w.endObject();

    w.key("series");
    w.beginArray();
    for (const RoutingSample& s : c.result.samples) {
        w.beginObject();
        number(w, "seconds", s.seconds);
        number(w, "level", s.level);
        number(w, "stored", s.stored);
        number(w, "inflow", s.inflow);
        number(w, "infiltrated", s.infiltrated);
        number(w, "overflow", s.overflow);
        w.endObject();
    }
    w.endArray();
    return w.endWithMessages(messages);
}

std::string routingCsv(const RoutingCase& c) {
    std::string out = std::string("# profile ") + stormProfileName(c.request.profile) + ", " +
                      wettedAreaName(c.request.area) + "\n";
    out += "seconds (s),level (m),stored (m3),inflow (m3),infiltrated (m3),overflow (m3)\n";
    for (const RoutingSample& s : c.result.samples)
        out += exact(s.seconds) + "," + exact(s.level) + "," + exact(s.stored) + "," +
               exact(s.inflow) + "," + exact(s.infiltrated) + "," + exact(s.overflow) + "\n";
    return out;
}

}  // namespace varnholt
