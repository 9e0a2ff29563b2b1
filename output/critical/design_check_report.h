#pragma once

#include "engine/design_check.h"
#include "report/report.h"

namespace varnholt {

// The design check's record on one A4 page: headed with the project's details, the inputs
// and options, the allowances, the trial-pit tests, the settings, the critical storm table
// with its governing storm, every check with its verdict and reason, and the plot where room
// is left.
report::Report designCheckReport(const DesignRecord& record, const DesignCheckInputs& inputs,
                                 const DesignCheck& check);

}  // namespace varnholt
