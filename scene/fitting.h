#pragma once

#include <QMarginsF>
#include <QSizeF>
#include <QVector3D>
#include <vector>

#include "camera.h"
#include "node.h"

namespace varnholt::scene {

// The eight corners of the box that bounds a node's own shape, in world coordinates; none for
// a group or an empty mesh. A turned node's box turns with it.
std::vector<QVector3D> boundingCorners(const Node& node);

// Moves the camera along its line of sight, target and direction kept, to the nearest distance
// at which every point shows inside the view less `border` (pixels at each edge). The scene
// scale must be positive. Returns false, leaving the camera alone, when there is nothing to
// fit or no view to fit it in.
bool fitToView(Camera& camera, const std::vector<QVector3D>& points, QSizeF pixels,
               double dotsPerInch, QMarginsF border);

}  // namespace varnholt::scene
