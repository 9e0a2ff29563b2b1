#pragma once

#include <array>
#include <string>

#include "drawing.h"

namespace varnholt::drawings {

enum class StandardDrawing { ring, trenchWithSiltTrap, trench };

constexpr std::array<StandardDrawing, 3> standardDrawings{
    StandardDrawing::ring, StandardDrawing::trenchWithSiltTrap, StandardDrawing::trench};

// The name of the drawing's files beside the program, without extension: "Ring_Soakaway",
// "Soakaway_plus_Silttrap", "Trench_Soakaway".
std::string fileBaseName(StandardDrawing which);

Drawing standardDrawing(StandardDrawing which);

Drawing ringSoakawayDrawing();
Drawing trenchWithSiltTrapDrawing();
Drawing trenchDrawing();

}  // namespace varnholt::drawings
