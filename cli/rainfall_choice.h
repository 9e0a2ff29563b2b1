#pragma once

#include <string>

#include "tools/rainfall_dialog_logic.h"

namespace varnholt {

// The rainfall dialog used as a designer uses it: a click on the Z1 cell, one on the Z2 cell,
// then "Use in Design"; the main window then becomes active again.
struct RainfallAction {
    GridCell z1;
    GridCell z2;
};

// "R,DURATION,M5,REGION": the ratio r and the storm duration in minutes pick the Z1 cell, the
// M5 rainfall in mm and the region (ew: England and Wales, sni: Scotland and N Ireland) the
// Z2 cell. Only values the tables hold are taken; otherwise returns false with a message that
// names the values allowed.
bool parseRainfallChoice(const std::string& value, RainfallAction& out, std::string& error);

}  // namespace varnholt
