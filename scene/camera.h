#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>
#include <QVector3D>

namespace varnholt::scene {

// The symmetric perspective frustum of a view: distances of the near and far planes and the
// half-extents across and down at the near plane.
struct Frustum {
    float nearPlane = 0;
    float farPlane = 0;
    float halfWidth = 0;
    float halfHeight = 0;
    QMatrix4x4 matrix() const;
};

// A perspective camera described by a focal length in millimetres and a scene scale: every pixel
// covers the same angle whatever the size of the view, so a larger view shows more of the scene
// rather than a larger picture.
class Camera {
public:
    QVector3D position{0, 0, 10};
    QVector3D target{0, 0, 0};
    QVector3D up{0, 1, 0};
    float focalLength = 50;
    float depthOfView = 100;
    float sceneScale = 1;

    Frustum frustum(QSizeF pixels, double dotsPerInch) const;
    QMatrix4x4 viewMatrix() const;
    // Where a point of the scene shows in a view of that many pixels, from its top-left corner.
    QPointF project(QVector3D point, QSizeF pixels, double dotsPerInch) const;
    float distanceToTarget() const { return (target - position).length(); }

    // The camera's own axes as it sees them while aimed at its target.
    QVector3D forwardAxis() const;
    QVector3D rightAxis() const;
    QVector3D upAxis() const;

    // Circles the target at constant distance: the angle from the up direction grows by
    // `downDegrees`, held `kPoleMargin` radians off either pole so the camera never passes over
    // the top or under the bottom; then the camera swings about the vertical through the target
    // by `aroundDegrees`.
    void orbit(float aroundDegrees, float downDegrees);
    static constexpr double kPoleMargin = 0.025;

    // Zoom: a step added to the scene scale in single precision; a scale that comes out exactly
    // zero would make the projection singular and is taken as 1.
    void addToScale(float step);
};

}  // namespace varnholt::scene
