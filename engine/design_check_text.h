#pragma once

#include <string>
#include <vector>

#include "design_check.h"

namespace varnholt {

// The design check's record in words, section by section, each a list of lines, as the driver
// prints them and the PDF places them. Where `check` is null no check was made: the lines then
// say what was entered only.
std::vector<std::string> designCheckProjectLines(const DesignRecord& record);
std::vector<std::string> designCheckDesignLines(const DesignRecord& record,
                                                const DesignCheck* check);
std::vector<std::string> designCheckAllowanceLines(const DesignCheckInputs& inputs,
                                                   const DesignCheck* check);
std::vector<std::string> designCheckTrialPitLines(const DesignCheckInputs& inputs,
                                                  const DesignCheck* check);
std::vector<std::string> designCheckSettingLines(const DesignCheckInputs& inputs);

// How many checks have each verdict, and why those not made were not:
// "2 checks pass, 1 fails, 3 not checked (no groundwater depth, ...)."
std::string designCheckSummary(const DesignCheck& check);

}  // namespace varnholt
