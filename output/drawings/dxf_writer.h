#pragma once

#include <ostream>

#include "drawing.h"

namespace varnholt::drawings {

// Writes the drawing as an ASCII DXF of AutoCAD Release 12 (AC1009), the form every CAD program
// still reads: a header with the extents, the line types, layers and text style, and the shapes
// as LINE, POLYLINE, CIRCLE, SOLID and TEXT entities in millimetres.
void writeDxf(std::ostream& out, const Drawing& drawing);

}  // namespace varnholt::drawings
