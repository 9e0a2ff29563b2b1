#pragma once

#include <QVector2D>
#include <QVector3D>
#include <vector>

namespace varnholt::scene {

// A triangle list in the node's own coordinates: three entries per triangle, counter-clockwise
// seen from the side the normal points to. Texture coordinates may be left empty.
struct MeshData {
    std::vector<QVector3D> positions;
    std::vector<QVector3D> normals;
    std::vector<QVector2D> texCoords;
};

}  // namespace varnholt::scene
