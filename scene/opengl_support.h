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
// Starts asking on a thread of its own, for the answer to be ready when the first view needs
// it: loading the driver is the slowest step of the start, and the window's other widgets can
// be made meanwhile. Call it on the GUI thread, once the application exists, and create no
// native window until openGLProblem() has answered: the window system's OpenGL set-up must not
// run on both threads at once.
void beginOpenGLProbe();

}  // namespace varnholt::scene
