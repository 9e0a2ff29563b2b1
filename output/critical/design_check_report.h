#pragma once

#include "report/report.h"
#include "tools/design_check_logic.h"

namespace varnholt {

// The design check's record on one A4 page: headed with the project's details, the inputs
// and options, the allowances, the trial-pit tests, the settings, the critical storm table
// with its governing storm, every check with its verdict and reason, and the plot where room
// is left. Needs a check.
report::Report designCheckReport(const DesignRecord& record, const DesignCheckLogic& logic);

}  // namespace varnholt
