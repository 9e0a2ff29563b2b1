#pragma once

#include <QRectF>

#include "output/drawings/drawing.h"

class QPainter;

namespace varnholt::drawings {

// Paints the drawing on a white ground, as large as fits the target with its proportions kept.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target);

}  // namespace varnholt::drawings
