#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector3D>
#include <vector>

#include "camera.h"
#include "node.h"

namespace varnholt::scene {

// An omnidirectional light that does not fall off with distance. The flare is a glow drawn
// over the picture where the light is seen.
struct PointLight {
    QVector3D position;
    QVector3D diffuse{0.5f, 0.5f, 0.5f};
    QVector3D specular{0.5f, 0.5f, 0.5f};
    bool flare = false;
};

// A hemisphere around the camera, zenith up: from the horizon to `bandDegrees` a gradient from
// `horizon` to `sky`, plain `sky` above. It turns with the view but never moves with the camera.
struct SkyDome {
    bool enabled = false;
    QVector3D horizon{1, 1, 1};
    QVector3D sky{0.22f, 0.69f, 0.87f};
    float bandDegrees = 15;
    int upperStacks = 4;
};

// Captions are drawn in cells this many pixels high.
inline constexpr int kCaptionHeight = 15;

// Text fixed to the view, its top-left corner `at` pixels from the view's top-left corner. It
// shows while its owner node shows.
struct Caption {
    QString text;
    QPoint at;
    QColor colour = Qt::black;
    const Node* owner = nullptr;
    bool shown() const { return !owner || owner->shown(); }
};

struct Scene {
    Node root{"root"};
    Camera camera;
    PointLight light;
    SkyDome sky;
    std::vector<Caption> captions;
    // What shows where nothing is drawn, below the sky's horizon for one.
    QColor background{200, 200, 200};
};

}  // namespace varnholt::scene
