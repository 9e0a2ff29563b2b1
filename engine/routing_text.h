#pragma once

#include <string>
#include <vector>

#include "routing_case.h"

namespace varnholt {

// A routed storm as the Routing page, the record and the driver write it: one label and one
// text per line, the profile and the wetted area always named.
struct RoutingLine {
    std::string label;
    std::string value;
};
std::vector<RoutingLine> routingLines(const RoutingCase& routing);

// "7 days", the longest the drain-down is followed, for a time not reached within it.
std::string notWithinRouting();

}  // namespace varnholt
