#pragma once

#include "design_record.h"

namespace varnholt {

// Refills the working values from the texts as they stand, the option fields included: every
// trench sizing and ring calculation starts with it, and the filter report reads what the last
// one left. A text that is not a number stops it where it is (ConversionError).
void refillSizingValues(DesignRecord& record);

}  // namespace varnholt
