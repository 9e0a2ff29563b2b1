#pragma once

#include <QObject>

#include "scene/scene.h"

namespace varnholt {

namespace scene {
class Viewer;
}

// The about box's turning logo: the product's name in solid letters over a box and a pipe,
// between a sky of clouds and the ground, lit by a flaring light. The user orbits, pans, zooms
// and turns the box as in the main window's 3D view.
class AboutLogo : public QObject {
    Q_OBJECT
public:
    static constexpr float kWheelStep = 0.01f;

    explicit AboutLogo(QObject* parent = nullptr);
    ~AboutLogo() override;

    // The view of the logo, made once; it belongs to the widget it is put into.
    scene::Viewer* makeView(QWidget* parent);
    scene::Scene& scene() { return scene_; }
    scene::Node& turner() const { return *dummy_; }
    scene::Node& box() const { return *box_; }
    scene::Node& lowestLine() const { return *lowestLine_; }

    // One tick of the turning: a degree about the vertical.
    void turnOneStep();
    // Wheel notches, positive away from the user: each makes the scene smaller by one step.
    void zoom(int notches);

private:
    void build();
    void aimAtText();

    scene::Scene scene_;
    scene::Node* dummy_ = nullptr;
    scene::Node* box_ = nullptr;
    scene::Node* lowestLine_ = nullptr;
    scene::Viewer* viewer_ = nullptr;
};

}  // namespace varnholt
