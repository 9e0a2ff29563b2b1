#pragma once

#include <QVector2D>
#include <QVector3D>
#include <vector>

#include "mesh_data.h"
#include "primitive_meshes.h"

// How the renderer lays meshes out in its vertex buffers.
namespace varnholt::scene::vertex_layout {

// Position, normal, texture coordinate.
inline constexpr int kLitStride = 8;
// Position, colour.
inline constexpr int kFlatStride = 6;

inline void pushLit(std::vector<float>& v, QVector3D p, QVector3D n, QVector2D t) {
    v.insert(v.end(), {p.x(), p.y(), p.z(), n.x(), n.y(), n.z(), t.x(), t.y()});
}

inline void pushFlat(std::vector<float>& v, QVector3D p, QVector3D c) {
    v.insert(v.end(), {p.x(), p.y(), p.z(), c.x(), c.y(), c.z()});
}

// Missing normals and texture coordinates are zero.
inline std::vector<float> interleaved(const MeshData& mesh) {
    std::vector<float> v;
    v.reserve(mesh.positions.size() * kLitStride);
    for (std::size_t i = 0; i < mesh.positions.size(); ++i)
        pushLit(v, mesh.positions[i], i < mesh.normals.size() ? mesh.normals[i] : QVector3D(),
                i < mesh.texCoords.size() ? mesh.texCoords[i] : QVector2D());
    return v;
}

inline std::vector<float> interleaved(const ColouredMesh& mesh) {
    std::vector<float> v;
    v.reserve(mesh.positions.size() * kFlatStride);
    for (std::size_t i = 0; i < mesh.positions.size(); ++i)
        pushFlat(v, mesh.positions[i], mesh.colours[i]);
    return v;
}

}  // namespace varnholt::scene::vertex_layout
