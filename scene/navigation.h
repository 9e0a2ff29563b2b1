#pragma once

#include <QPoint>
#include <QQuaternion>
#include <QVector3D>
#include <Qt>

#include "camera.h"

namespace varnholt::scene {

// What a pointer move did to the view.
enum class PointerAction { None, TurnObject, Orbit, Pan };

// The pointer scheme of the 3D views: Shift and the left button turn one object about the
// camera's axes, the left button alone orbits the camera about its target, exactly the right
// button pans the carried object, anything else only records where the pointer is.
// The caller owns the camera and the two objects' state; this class only works out the changes.
class Navigation {
public:
    explicit Navigation(Camera& camera) : camera_(camera) {}

    // The object Shift-left turns and the position the right button pans; either may be unset.
    void setTurned(QQuaternion* orientation) { turned_ = orientation; }
    void setPanned(QVector3D* position) { panned_ = position; }

    void press(QPoint at) { last_ = at; }
    PointerAction move(QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    QPoint lastPosition() const { return last_; }

    // Scene units the panned object moves per pixel: 0.12 × distance to target / focal length.
    float panPerPixel() const;
    // The shift a pan by (dx, dy) pixels gives, with dx and dy taken as previous − new.
    QVector3D panShift(int dx, int dy) const;

private:
    Camera& camera_;
    QQuaternion* turned_ = nullptr;
    QVector3D* panned_ = nullptr;
    QPoint last_;
};

}  // namespace varnholt::scene
