#include "camera.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace varnholt::scene {

QMatrix4x4 Frustum::matrix() const {
    // Written out rather than QMatrix4x4::frustum, which refuses a negative scale's mirrored
    // extents; a negative scale turns the picture upside down, as it should.
    QMatrix4x4 m(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    if (halfWidth == 0 || halfHeight == 0 || farPlane <= nearPlane) return QMatrix4x4();
    m(0, 0) = nearPlane / halfWidth;
    m(1, 1) = nearPlane / halfHeight;
    m(2, 2) = -(farPlane + nearPlane) / (farPlane - nearPlane);
    m(2, 3) = -2 * farPlane * nearPlane / (farPlane - nearPlane);
    m(3, 2) = -1;
    return m;
}

Frustum Camera::frustum(QSizeF pixels, double dotsPerInch) const {
    const double larger = std::max({pixels.width(), pixels.height(), 1.0});
    Frustum f;
    f.nearPlane = static_cast<float>(focalLength * 2 * dotsPerInch / (25.4 * larger));
    f.farPlane = f.nearPlane + depthOfView;
    f.halfWidth = static_cast<float>(pixels.width() / (2 * larger * sceneScale));
    f.halfHeight = static_cast<float>(pixels.height() / (2 * larger * sceneScale));
    return f;
}

QMatrix4x4 Camera::viewMatrix() const {
    QMatrix4x4 m;
    m.lookAt(position, target, upAxis());
    return m;
}

QPointF Camera::project(QVector3D point, QSizeF pixels, double dotsPerInch) const {
    const QVector4D clip =
        frustum(pixels, dotsPerInch).matrix() * viewMatrix() * QVector4D(point, 1);
    return {(clip.x() / clip.w() + 1) / 2 * pixels.width(),
            (1 - clip.y() / clip.w()) / 2 * pixels.height()};
}

QVector3D Camera::forwardAxis() const {
    return (target - position).normalized();
}

QVector3D Camera::rightAxis() const {
    const QVector3D r = QVector3D::crossProduct(forwardAxis(), up);
    // Looking straight along the up direction: any horizontal axis serves.
    return r.lengthSquared() > 1e-12f ? r.normalized() : QVector3D(1, 0, 0);
}

QVector3D Camera::upAxis() const {
    return QVector3D::crossProduct(rightAxis(), forwardAxis()).normalized();
}

void Camera::orbit(float aroundDegrees, float downDegrees) {
    const QVector3D vertical = up.normalized();
    QVector3D d = position - target;
    const double r = d.length();
    if (r == 0) return;
    const double polar =
        std::acos(std::clamp(double(QVector3D::dotProduct(d, vertical)) / r, -1.0, 1.0));
    const double wanted =
        std::clamp(polar + qDegreesToRadians(double(downDegrees)), kPoleMargin, M_PI - kPoleMargin);
    // Tilt within the plane of the vertical and the camera, about the horizontal axis across it.
    QVector3D across = QVector3D::crossProduct(vertical, d);
    if (across.lengthSquared() < 1e-12f) across = rightAxis();
    d = QQuaternion::fromAxisAndAngle(across.normalized(),
                                      float(qRadiansToDegrees(wanted - polar))) *
        d;
    d = QQuaternion::fromAxisAndAngle(vertical, aroundDegrees) * d;
    position = target + d;
}

void Camera::addToScale(float step) {
    sceneScale += step;
    if (sceneScale == 0.0f) sceneScale = 1;
}

}  // namespace varnholt::scene
