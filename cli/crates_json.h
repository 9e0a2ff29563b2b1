#pragma once

#include "engine/design_record.h"
#include "json_writer.h"

namespace varnholt {

// "crates": the fill, the unit, and the tank in whole units, when the trench is filled with
// crates; nothing is written for gravel, so a gravel report stays as it was.
void writeCratesJson(JsonWriter& json, const DesignRecord& record);

}  // namespace varnholt
