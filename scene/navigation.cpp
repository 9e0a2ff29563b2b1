#include "navigation.h"

#include <QtMath>

namespace varnholt::scene {

PointerAction Navigation::move(QPoint at, Qt::MouseButtons buttons,
                               Qt::KeyboardModifiers modifiers) {
    const int dx = last_.x() - at.x();
    const int dy = last_.y() - at.y();
    last_ = at;
    // The keypad flag comes with arrow keys and is no key the user holds.
    modifiers &= ~Qt::KeypadModifier;
    if (buttons & Qt::LeftButton) {
        if (modifiers & Qt::ShiftModifier) {
            if (!turned_) return PointerAction::None;
            const QQuaternion pitch = QQuaternion::fromAxisAndAngle(camera_.rightAxis(), float(dy));
            const QQuaternion turn = QQuaternion::fromAxisAndAngle(camera_.upAxis(), float(dx));
            *turned_ = (turn * pitch * *turned_).normalized();
            return PointerAction::TurnObject;
        }
        camera_.orbit(float(dx), float(dy));
        return PointerAction::Orbit;
    }
    if (buttons == Qt::RightButton && modifiers == Qt::NoModifier && panned_) {
        const QVector3D shift = panShift(dx, dy);
        *panned_ += shift;
        camera_.target += shift;
        return PointerAction::Pan;
    }
    return PointerAction::None;
}

float Navigation::panPerPixel() const {
    return 0.12f * camera_.distanceToTarget() / camera_.focalLength;
}

QVector3D Navigation::panShift(int dx, int dy) const {
    const float r = panPerPixel();
    const QVector3D v = camera_.target - camera_.position;
    const float h = std::hypot(v.x(), v.y());
    const float k = h <= 1e-10f ? r : r / h;
    const float a = float(dx) * k;
    const float b = float(-dy) * k;
    return {v.y() * a + v.x() * b, v.y() * b - v.x() * a, 0};
}

}  // namespace varnholt::scene
