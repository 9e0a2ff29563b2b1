#include "ground_mesh.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace varnholt::scene {

namespace {

// Where a ray from the middle at `angle` (radians, x towards z) leaves a rectangle.
QVector2D rectangleEdge(double angle, QVector2D half) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double t = std::min(std::abs(c) > 1e-12 ? half.x() / std::abs(c) : INFINITY,
                              std::abs(s) > 1e-12 ? half.y() / std::abs(s) : INFINITY);
    return {float(c * t), float(s * t)};
}

}  // namespace

MeshData groundWithHole(float halfSize, GroundHole hole, QVector2D textureOrigin) {
    // The ground is cut along rays from the middle, one at every corner of either outline (and
    // every few degrees round a circle), so that between two rays both outlines are straight.
    std::vector<double> angles;
    const auto cornersOf = [&](QVector2D half) {
        for (int sx : {-1, 1})
            for (int sz : {-1, 1}) angles.push_back(std::atan2(sz * half.y(), sx * half.x()));
    };
    cornersOf({halfSize, halfSize});
    constexpr int kCircleSteps = 96;
    if (hole.kind == GroundHole::Kind::Rectangle)
        cornersOf(hole.halfExtent);
    else
        for (int i = 0; i < kCircleSteps; ++i) angles.push_back(2 * M_PI * i / kCircleSteps - M_PI);
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end(),
                             [](double a, double b) { return std::abs(a - b) < 1e-9; }),
                 angles.end());

    const auto inner = [&](double angle) {
        if (hole.kind == GroundHole::Kind::Rectangle) return rectangleEdge(angle, hole.halfExtent);
        return QVector2D(float(std::cos(angle)), float(std::sin(angle))) * hole.halfExtent.x();
    };
    const auto outer = [&](double angle) {
        return rectangleEdge(angle, QVector2D(halfSize, halfSize));
    };

    MeshData mesh;
    const QVector3D up(0, 1, 0);
    const auto corner = [&](QVector2D p) {
        mesh.positions.emplace_back(p.x(), 0, p.y());
        mesh.normals.push_back(up);
        mesh.texCoords.push_back(p - textureOrigin);
    };
    // Counter-clockwise seen from above.
    const auto triangle = [&](QVector2D a, QVector2D b, QVector2D c) {
        const QVector2D ab = b - a, ac = c - a;
        if (ab.y() * ac.x() - ab.x() * ac.y() < 0) std::swap(b, c);
        corner(a);
        corner(b);
        corner(c);
    };
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double a0 = angles[i], a1 = angles[(i + 1) % angles.size()];
        const QVector2D i0 = inner(a0), i1 = inner(a1), o0 = outer(a0), o1 = outer(a1);
        triangle(i0, o0, o1);
        triangle(i0, o1, i1);
    }
    return mesh;
}

}  // namespace varnholt::scene
