#include "fitting.h"

#include <algorithm>
#include <cmath>

namespace varnholt::scene {

std::vector<QVector3D> boundingCorners(const Node& node) {
    const Shape& shape = node.shape();
    QVector3D low(-0.5f, -0.5f, -0.5f), high(0.5f, 0.5f, 0.5f);
    if (shape.kind == Shape::Kind::Group) return {};
    if (shape.kind == Shape::Kind::Mesh) {
        if (!shape.mesh || shape.mesh->positions.empty()) return {};
        low = high = shape.mesh->positions.front();
        for (const QVector3D& p : shape.mesh->positions) {
            low = QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()),
                            std::min(low.z(), p.z()));
            high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                             std::max(high.z(), p.z()));
        }
    } else if (shape.kind == Shape::Kind::Cylinder) {
        // The unit cylinder has radius 1: its box is two wide.
        low = QVector3D(-1, -0.5f, -1);
        high = QVector3D(1, 0.5f, 1);
    } else if (shape.kind == Shape::Kind::Plane) {
        low.setY(0);
        high.setY(0);
    }
    const QMatrix4x4 m = node.worldMatrix() * shapeMatrix(shape);
    std::vector<QVector3D> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back(m.map(QVector3D(i & 1 ? high.x() : low.x(), i & 2 ? high.y() : low.y(),
                                          i & 4 ? high.z() : low.z())));
    return corners;
}

bool fitToView(Camera& camera, const std::vector<QVector3D>& points, QSizeF pixels,
               double dotsPerInch, QMarginsF border) {
    if (points.empty() || pixels.isEmpty() || camera.sceneScale <= 0 ||
        camera.distanceToTarget() == 0)
        return false;
    const Frustum f = camera.frustum(pixels, dotsPerInch);
    // Tangents of the half angles across and down.
    const double tanX = f.halfWidth / f.nearPlane, tanY = f.halfHeight / f.nearPlane;
    // How far from the middle towards each edge a point may show, as a share of the half view;
    // a border past the middle (a tiny view) still leaves a little room each side.
    const auto room = [](double edge, double length) {
        return std::max(0.1, 1 - 2 * edge / length);
    };
    const double left = room(border.left(), pixels.width()) * tanX;
    const double right = room(border.right(), pixels.width()) * tanX;
    const double top = room(border.top(), pixels.height()) * tanY;
    const double bottom = room(border.bottom(), pixels.height()) * tanY;

    const QVector3D forward = camera.forwardAxis(), across = camera.rightAxis(),
                    up = camera.upAxis();
    // Moving the camera along its line of sight changes only how deep each point lies; each
    // point therefore asks for the camera at least so far back, and the farthest ask wins.
    double distance = f.nearPlane;
    for (const QVector3D& p : points) {
        const QVector3D d = p - camera.target;
        const double x = QVector3D::dotProduct(d, across), y = QVector3D::dotProduct(d, up);
        const double depthBeyondTarget = QVector3D::dotProduct(d, forward);
        const double depth = std::max(
            {x >= 0 ? x / right : -x / left, y >= 0 ? y / top : -y / bottom, 1.05 * f.nearPlane});
        distance = std::max(distance, depth - depthBeyondTarget);
    }
    if (!std::isfinite(distance)) return false;
    camera.position = camera.target - forward * float(distance);
    return true;
}

}  // namespace varnholt::scene
