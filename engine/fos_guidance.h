#pragma once

#include "design_record.h"

namespace varnholt {

// colourcheck: the guidance beside the factor of safety, and the colour of both the guidance
// and the factor itself. Throws ConversionError for a text that is not a number.
void colourcheck(DesignRecord& record);

}  // namespace varnholt
