#pragma once

#include <QFont>
#include <QString>

#include "mesh_data.h"

namespace varnholt::scene {

// A line of text as a closed solid, y up: the font's ascent (baseline to the top of the glyph
// cell) spans `height` scene units, with the baseline at y = 0 and descenders below it. Every
// line of the same font comes out at the same scale, whichever letters it holds, so lines
// stacked above each other match. The ink is centred on x = 0 and the solid runs from
// z = -depth/2 to z = +depth/2: a front cap facing +z, a back cap facing -z and flat-shaded
// side walls facing outwards. Holes of letters stay open (odd winding). The font's family,
// weight and style count; its size does not, as the outlines are taken at a size fine enough
// for smooth curves. No texture coordinates; an empty or blank text gives an empty mesh.
MeshData extrudeText(const QString& text, const QFont& font, float height, float depth);

}  // namespace varnholt::scene
