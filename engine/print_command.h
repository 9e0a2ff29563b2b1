#pragma once

#include "design.h"

namespace varnholt {

// What the Print and Print Preview commands do to the design before the data sheet is filled:
// both the trench and the ring table are brought up to date and the detail page that was in
// front is in front again. Returns false when a main input (area, infiltration rate, rainfall,
// storm duration) is empty: then there is no sheet, and nothing is said.
// A text that is not a number stops it with ConversionError.
bool prepareDataSheet(Design& design);

}  // namespace varnholt
