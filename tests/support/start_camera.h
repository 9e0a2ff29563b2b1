#pragma once

#include "scene/camera.h"

namespace varnholt::scene {

// The 3D pane's camera as the program starts it: looking down at 45 degrees from 3 m up and
// 3 m back, with its focal length and far plane.
inline Camera startCamera() {
    Camera c;
    c.position = {0, 3, 3};
    c.target = {0, 0, 0};
    c.focalLength = 58.014976501464844f;
    c.depthOfView = 100;
    return c;
}

}  // namespace varnholt::scene
