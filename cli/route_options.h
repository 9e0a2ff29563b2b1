#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "critical_command.h"
#include "engine/routing_case.h"

namespace varnholt {

// How a storm is routed: --profile uniform|summer|winter, --half-depth and --step S, shared by
// "route" and "check --route". Takes the option at args[i] (and its value, moving i on) when it
// is one of these; returns false with `error` set when it is one and is refused: the profiles
// not built are refused with the engine's reason.
bool takeRoutingOption(const std::vector<std::string>& args, std::size_t& i,
                       RoutingRequest& routing, bool& taken, std::string& error);

struct RouteRequest {
    // The project, the actions, the storms' options (--creep and --event NAME=T,ALLOWANCE among
    // them) and -o: a PDF or a CSV by its name's ending.
    CriticalRequest critical;
    RoutingRequest routing;
    bool csv = false;
};

// Parses the arguments after "route": those of "critical", --creep PCT, --event NAME (design,
// site or buildings: the event whose storm is routed) or --event NAME=T,ALLOWANCE (its figures),
// --duration MIN, the routing options above and -o OUT.pdf|OUT.csv.
bool parseRouteRequest(const std::vector<std::string>& args, RouteRequest& request,
                       std::string& error);

}  // namespace varnholt
