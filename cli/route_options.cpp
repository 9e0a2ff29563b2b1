#include "route_options.h"

#include <algorithm>
#include <cctype>

#include "engine/number_text.h"

namespace varnholt {

namespace {

std::optional<StormEventKind> eventOfKey(const std::string& key) {
    for (StormEventKind kind :
         {StormEventKind::design, StormEventKind::site, StormEventKind::buildings})
        if (key == stormEventKey(kind)) return kind;
    return std::nullopt;
}

bool endsWith(std::string text, const std::string& ending) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() > ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool number(const std::string& option, const std::string& value, double& out, std::string& error) {
    const auto parsed = tryParseNumber(value);
    if (!parsed) {
        error = option + " needs a number, not '" + value + "'";
        return false;
    }
    out = *parsed;
    return true;
}

}  // namespace

RoutingRequest RoutingOptions::over(RoutingRequest kept) const {
    if (event) kept.event = *event;
    if (minutes) kept.minutes = minutes;
    if (profile) kept.profile = *profile;
    if (area) kept.area = *area;
    if (step) kept.step = *step;
    return kept;
}

bool takeRoutingOption(const std::vector<std::string>& args, std::size_t& i,
                       RoutingOptions& routing, bool& taken, std::string& error) {
    const std::string& a = args[i];
    taken = a == "--half-depth" || a == "--profile" || a == "--step";
    if (!taken) return true;
    if (a == "--half-depth") {
        routing.area = WettedArea::halfDepth;
        return true;
    }
    if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
    }
    const std::string& v = args[++i];
    if (a == "--step") {
        double step = 0;
        if (!number(a, v, step, error)) return false;
        if (step > 0 && step < 1) {
            error =
                "--step below 1 s would take millions of steps over the 7 days routed; "
                "give 1 to 60 s, or 0 for a chosen step";
            return false;
        }
        routing.step = step;
        return true;
    }
    const ProfileChoice choice = stormProfileOf(v);
    if (!choice.profile) {
        error = choice.problem;
        return false;
    }
    routing.profile = *choice.profile;
    return true;
}

bool parseRouteRequest(const std::vector<std::string>& args, RouteRequest& request,
                       std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool taken = false;
        if (!takeRoutingOption(args, i, request.routing, taken, error)) return false;
        if (taken) continue;
        const bool ours = a == "-o" || a == "--duration" || a == "--event" || a == "--creep" ||
                          CheckOptions::takes(a, false);
        if (!ours) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        const std::string& v = args[++i];
        if (a == "-o") {
            request.csv = endsWith(v, ".csv");
            if (!request.csv && !endsWith(v, ".pdf")) {
                error = "-o names a .pdf or a .csv file, not '" + v + "'";
                return false;
            }
            request.critical.output = v;
        } else if (a == "--duration") {
            double minutes = 0;
            if (!number(a, v, minutes, error)) return false;
            request.routing.minutes = minutes;
        } else if (a == "--event" && v.find('=') == std::string::npos) {
            // A bare name chooses the event to route; NAME=T,ALLOWANCE sets its figures.
            const auto kind = eventOfKey(v);
            if (!kind) {
                error =
                    "--event is design, site or buildings, or NAME=T,ALLOWANCE, not '" + v + "'";
                return false;
            }
            request.routing.event = *kind;
        } else if (!request.critical.options.add(a, v, error)) {
            return false;
        }
    }
    return parseDesignRequest(rest, request.critical.design, error);
}

}  // namespace varnholt
