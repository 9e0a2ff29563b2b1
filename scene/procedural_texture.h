#pragma once

#include <QColor>
#include <QImage>

namespace varnholt::scene {

// Square textures painted from smooth value noise, the same picture for the same seed on every
// machine, and tileable: the right edge runs on into the left and the bottom into the top, so a
// large plane can repeat them without seams. `size` is in pixels.

// White clouds drifting on sky blue, for a plane seen from below.
QImage cloudTexture(int size, quint32 seed);

// Grass worn through to earth in patches, for the ground.
QImage groundTexture(int size, quint32 seed);

// One cell of a grid: `ground` with a line `lineWidth` pixels wide in `line` centred on its
// edges, so that repeated it draws a grid with lines through the texture's origin.
QImage gridTexture(int size, QColor ground, QColor line, int lineWidth);

}  // namespace varnholt::scene
