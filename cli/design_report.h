#pragma once

#include <string>
#include <vector>

#include "engine/design.h"

namespace varnholt {

// The driver's report of a design: one JSON object, or a summary an engineer reads.
std::string jsonReport(const Design& design, const std::vector<std::string>& messages);
std::string textReport(const Design& design, const std::vector<std::string>& messages);

}  // namespace varnholt
