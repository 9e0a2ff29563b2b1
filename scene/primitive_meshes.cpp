#include "primitive_meshes.h"

#include <QtMath>
#include <cmath>
#include <utility>

namespace varnholt::scene {

namespace {

void push(MeshData& m, QVector3D p, QVector3D n) {
    m.positions.push_back(p);
    m.normals.push_back(n);
}

void push(ColouredMesh& m, QVector3D p, QVector3D c) {
    m.positions.push_back(p);
    m.colours.push_back(c);
}

}  // namespace

MeshData unitCube() {
    MeshData m;
    const QVector3D normals[] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                 {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    for (QVector3D n : normals) {
        // Two axes across the face, so that u × w = n keeps the corners counter-clockwise.
        QVector3D u = std::abs(n.y()) > 0 ? QVector3D(0, 0, 1) : QVector3D(0, 1, 0);
        QVector3D w = QVector3D::crossProduct(n, u);
        u = QVector3D::crossProduct(w, n);
        const QVector3D c = n * 0.5f;
        const QVector3D a = c - u * 0.5f - w * 0.5f, b = c + u * 0.5f - w * 0.5f,
                        d = c + u * 0.5f + w * 0.5f, e = c - u * 0.5f + w * 0.5f;
        for (QVector3D p : {a, b, d, a, d, e}) push(m, p, n);
    }
    return m;
}

MeshData unitCylinder(int slices) {
    MeshData m;
    for (int i = 0; i < slices; ++i) {
        const double a0 = 2 * M_PI * i / slices, a1 = 2 * M_PI * (i + 1) / slices;
        const QVector3D r0(float(std::sin(a0)), 0, float(std::cos(a0)));
        const QVector3D r1(float(std::sin(a1)), 0, float(std::cos(a1)));
        const QVector3D up(0, 0.5f, 0);
        push(m, r0 - up, r0);
        push(m, r1 - up, r1);
        push(m, r1 + up, r1);
        push(m, r0 - up, r0);
        push(m, r1 + up, r1);
        push(m, r0 + up, r0);
        push(m, up, {0, 1, 0});
        push(m, r0 + up, {0, 1, 0});
        push(m, r1 + up, {0, 1, 0});
        push(m, -up, {0, -1, 0});
        push(m, r1 - up, {0, -1, 0});
        push(m, r0 - up, {0, -1, 0});
    }
    return m;
}

MeshData unitPlane() {
    MeshData m;
    m.positions = {{-0.5f, 0, 0.5f}, {0.5f, 0, 0.5f},  {0.5f, 0, -0.5f},
                   {-0.5f, 0, 0.5f}, {0.5f, 0, -0.5f}, {-0.5f, 0, -0.5f}};
    m.normals.assign(m.positions.size(), QVector3D(0, 1, 0));
    m.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    return m;
}

ColouredMesh skyDome(const SkyDome& sky, int slices) {
    ColouredMesh m;
    std::vector<std::pair<double, QVector3D>> rings{{0.0, sky.horizon}};
    for (int i = 0; i <= sky.upperStacks; ++i)
        rings.emplace_back(sky.bandDegrees + (90.0 - sky.bandDegrees) * i / sky.upperStacks,
                           sky.sky);
    auto at = [](double elevation, double around) {
        const double e = qDegreesToRadians(elevation);
        return QVector3D(float(std::cos(e) * std::sin(around)), float(std::sin(e)),
                         float(std::cos(e) * std::cos(around)));
    };
    for (std::size_t r = 0; r + 1 < rings.size(); ++r) {
        const auto [e0, c0] = rings[r];
        const auto [e1, c1] = rings[r + 1];
        for (int i = 0; i < slices; ++i) {
            const double a0 = 2 * M_PI * i / slices, a1 = 2 * M_PI * (i + 1) / slices;
            push(m, at(e0, a0), c0);
            push(m, at(e0, a1), c0);
            push(m, at(e1, a1), c1);
            push(m, at(e0, a0), c0);
            push(m, at(e1, a1), c1);
            push(m, at(e1, a0), c1);
        }
    }
    return m;
}

}  // namespace varnholt::scene
