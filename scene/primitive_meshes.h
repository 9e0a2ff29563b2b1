#pragma once

#include <QVector3D>
#include <vector>

#include "mesh_data.h"
#include "scene.h"

namespace varnholt::scene {

// The shapes every scene draws from, made once per context and scaled by each node's shape.
// Plain data, so that they can be checked without a display.

// A cube of side 1 about the origin, each face its own two triangles.
MeshData unitCube();
// A cylinder of radius 1 and length 1 along y about the origin, closed at both ends, with
// `slices` faces round its side.
MeshData unitCylinder(int slices);
// A square of side 1 in x and z facing up, its texture repeated once.
MeshData unitPlane();

// A triangle list whose corners carry colours instead of normals: three entries per triangle.
struct ColouredMesh {
    std::vector<QVector3D> positions;
    std::vector<QVector3D> colours;
};

// The dome of radius 1 about the origin, `slices` round: one band of stacks from the horizon to
// the band's top, graded, then plain stacks up to the zenith.
ColouredMesh skyDome(const SkyDome& sky, int slices);

}  // namespace varnholt::scene
