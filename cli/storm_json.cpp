#include "storm_json.h"

#include "engine/critical_storm_text.h"

namespace varnholt {

namespace {
void maybe(JsonWriter& w, const char* key, const std::optional<double>& value) {
    w.key(key);
    value ? w.value(*value) : w.null();
}
}  // namespace

const char* verdictKey(Verdict v) {
    switch (v) {
        case Verdict::pass:
            return "pass";
        case Verdict::fail:
            return "fail";
        case Verdict::notDesigned:
            return "not designed";
        case Verdict::notChecked:
            return "not checked";
        case Verdict::exceedance:
            return "exceedance";
    }
    return "";
}

void writeSourceJson(JsonWriter& w, const StormSite& site) {
    w.key("source");
    w.beginObject();
    w.key("kind");
    w.value(rainfallSourceKey(site.source));
    w.key("line");
    w.value(rainfallSourceLine(site));
    w.key("figures");
    w.beginObject();
    std::string origin;
    switch (site.source) {
        case RainfallSourceKind::fsr:
            w.key("m560");
            w.value(site.m560Rainfall);
            w.key("r");
            w.value(site.ratio);
            w.key("region");
            w.value(site.region == Region::englandAndWales ? "ew" : "sni");
            break;
        case RainfallSourceKind::feh99: {
            const Feh99Parameters& p = site.feh99;
            const double v[] = {p.c, p.d1, p.d2, p.d3, p.e, p.f};
            for (std::size_t i = 0; i < kFeh99ParameterNames.size(); ++i) {
                w.key(kFeh99ParameterNames[i]);
                w.value(v[i]);
            }
            origin = site.feh99Origin;
            break;
        }
        case RainfallSourceKind::feh13:
        case RainfallSourceKind::feh22: {
            const auto& t =
                site.source == RainfallSourceKind::feh13 ? site.tables.feh13 : site.tables.feh22;
            for (const auto& [key, values] :
                 {std::pair{"durations", t ? t->durations : std::vector<double>{}},
                  std::pair{"returnPeriods", t ? t->returnPeriods : std::vector<double>{}}}) {
                w.key(key);
                w.beginArray();
                for (double v : values) w.value(v);
                w.endArray();
            }
            origin = site.tables.origin;
            break;
        }
    }
    w.endObject();
    w.key("origin");
    w.value(origin);
    w.key("returnPeriod");
    w.value(site.returnPeriod);
    w.endObject();
}

void writeEventsJson(JsonWriter& w, const DesignCheck& check) {
    maybe(w, "provided", check.provided);
    w.key("events");
    w.beginArray();
    for (const EventResult& e : check.events) {
        w.beginObject();
        w.key("name");
        w.value(stormEventName(e.kind));
        w.key("key");
        w.value(stormEventKey(e.kind));
        w.key("returnPeriod");
        w.value(e.event.returnPeriod);
        w.key("allowance");
        w.value(e.event.allowancePercent);
        w.key("verdict");
        w.value(verdictKey(e.verdict));
        w.key("reason");
        w.value(e.reason);
        const EventStorage* s = e.storage ? &*e.storage : nullptr;
        maybe(w, "criticalMinutes", s ? std::optional(s->rows[s->critical].minutes) : std::nullopt);
        maybe(w, "needed", s ? std::optional(s->needed) : std::nullopt);
        maybe(w, "provided", check.provided);
        w.key("exceedance");
        w.value(e.exceedance);
        w.key("rows");
        w.beginArray();
        if (s)
            for (const EventRow& row : s->rows) {
                w.beginObject();
                w.key("minutes");
                w.value(row.minutes);
                w.key("needed");
                w.value(row.needed);
                w.endObject();
            }
        w.endArray();
        w.endObject();
    }
    w.endArray();
}

}  // namespace varnholt
