#pragma once

#include <optional>

#include "engine/design_check.h"
#include "report/report.h"

namespace varnholt {

// The design check's record on one A4 page: headed with the project's details, the inputs
// and options, the allowances, the trial-pit tests, the settings, the critical storm table
// with its governing storm, every check with its verdict and reason, and the plot where room
// is left; then a page of the storm events, and one of the storm `routing` asks for routed
// through the soakaway on show (by default the one the check routed, else the design event's
// critical storm), or why it could not be.
report::Report designCheckReport(const DesignRecord& record, const DesignCheckInputs& inputs,
                                 const DesignCheck& check,
                                 std::optional<RoutingRequest> routing = std::nullopt);

}  // namespace varnholt
