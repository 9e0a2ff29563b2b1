#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "navigation.h"
#include "scene.h"

class QLabel;

namespace varnholt::scene {

class Surface;

// A 3D view of a scene: the OpenGL picture with its captions, or, on a machine without usable
// OpenGL, a plain message in its place. Pointer drags act on the scene's camera through the
// navigation scheme; the owner says which object Shift-drags turn and which the right button
// pans. The wheel is left to the windows around the view. A double click, or the Home key once
// a click has given the view the focus, asks for the whole scene in view.
class Viewer : public QWidget {
    Q_OBJECT
public:
    explicit Viewer(Scene& scene, QWidget* parent = nullptr);
    ~Viewer() override;

    Scene& scene() { return scene_; }
    Navigation& navigation() { return navigation_; }

    bool drawsOpenGL() const { return surface_ != nullptr; }
    // Why there is no picture, or empty.
    QString problem() const;
    // The picture as it would be drawn now, captions included.
    QImage grabFrame();
    // Frames drawn so far.
    int frames() const;
    // Samples per pixel of the last frame drawn.
    int samples() const;

    // The scene changed: draw it again.
    void redraw();

signals:
    // A frame is on screen.
    void frameDrawn();
    // The user asked to see the whole scene.
    void fitRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Scene& scene_;
    Navigation navigation_;
    bool panned_ = false;
    Surface* surface_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace varnholt::scene
