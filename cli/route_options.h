#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "critical_command.h"
#include "engine/routing_case.h"

namespace varnholt {

// The routing options given, each over the choice the project keeps.
struct RoutingOptions {
    std::optional<StormEventKind> event;
    std::optional<double> minutes;
    std::optional<StormProfile> profile;
    std::optional<WettedArea> area;
    std::optional<double> step;

    RoutingRequest over(RoutingRequest kept) const;
};

// How a storm is routed: --profile uniform|summer|winter, --half-depth and --step S, shared by
// "route" and "check --route". Takes the option at args[i] (and its value, moving i on) when it
// is one of these; returns false with `error` set when it is one and is refused: the profiles
// not built with the engine's reason, a step below a second (the week would take millions of
// steps) here, one over a minute by the engine when it routes.
bool takeRoutingOption(const std::vector<std::string>& args, std::size_t& i,
                       RoutingOptions& routing, bool& taken, std::string& error);

struct RouteRequest {
    // The project, the actions, the storms' options (--creep and --event NAME=T,ALLOWANCE among
    // them) and -o: a PDF or a CSV by its name's ending.
    CriticalRequest critical;
    RoutingOptions routing;
    bool csv = false;
};

// Parses the arguments after "route": those of "critical", --creep PCT, --event NAME (design,
// site or buildings: the event whose storm is routed) or --event NAME=T,ALLOWANCE (its figures),
// --duration MIN, the routing options above and -o OUT.pdf|OUT.csv.
bool parseRouteRequest(const std::vector<std::string>& args, RouteRequest& request,
                       std::string& error);

}  // namespace varnholt
