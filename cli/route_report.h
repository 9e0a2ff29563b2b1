#pragma once

#include <string>
#include <vector>

#include "engine/routing_case.h"

namespace varnholt {

// The routed storm as text: its labelled lines, "Label: value", one a line.
std::string routingText(const RoutingCase& routing);

// The request, the results as numbers (null for a time not reached within the days routed)
// and every sample, ending with the session's messages.
std::string routingJson(const RoutingCase& routing, const std::vector<std::string>& messages);

// The samples, one a row in full precision, under a comment line naming the profile and the
// wetted area and a header line naming each column's unit.
std::string routingCsv(const RoutingCase& routing);

}  // namespace varnholt
