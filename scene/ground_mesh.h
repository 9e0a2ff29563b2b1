#pragma once

#include <QVector2D>

#include "mesh_data.h"

namespace varnholt::scene {

// What is cut out of the ground where a pit goes down into it.
struct GroundHole {
    enum class Kind { Rectangle, Circle } kind = Kind::Rectangle;
    QVector2D halfExtent;  // along x and z; a circle's radius is its x
};

// A square of flat ground facing up, `halfSize` from its middle to each edge, with `hole` cut
// out of its middle. The texture coordinates are metres along x and z from `textureOrigin`,
// so that a texture repeated once a unit lies in a 1 m grid with a line through that point.
MeshData groundWithHole(float halfSize, GroundHole hole, QVector2D textureOrigin);

}  // namespace varnholt::scene
