#pragma once

#include <QString>
#include <QSurfaceFormat>

namespace varnholt::scene {

// What the 3D views ask of OpenGL: a 24-bit depth buffer and four-sample anti-aliasing.
QSurfaceFormat viewFormat();

// Empty when this machine can draw the 3D views; otherwise, in plain words, why not. Asked once
// per run: a context is made and dropped to find out, so that a view that cannot draw never
// creates the OpenGL widget that would fail.
QString openGLProblem();

}  // namespace varnholt::scene
