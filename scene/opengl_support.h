#pragma once

#include <QString>
#include <QSurfaceFormat>

namespace varnholt::scene {

// What the 3D views ask of an OpenGL context: a 24-bit depth buffer.
QSurfaceFormat viewFormat();
// Samples per pixel of the views' pictures.
inline constexpr int kViewSamples = 4;

// Empty when this machine can draw the 3D views; otherwise, in plain words, why not. Asked once
// per run: a context is made and dropped to find out, so that a view that cannot draw never
// creates the OpenGL widget, whose window would fail without one. The driver it loads stays
// loaded for the views' own contexts.
QString openGLProblem();

}  // namespace varnholt::scene
