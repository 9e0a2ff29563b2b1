#pragma once

#include <QRectF>

#include "engine/design_check.h"

class QPainter;

namespace varnholt {

// The storage each storm event needs (m3) against storm duration on a logarithmic time axis,
// one line per event that could be worked, with the storage the soakaway on show provides as a
// level line. Drawn into `area` with the painter's own scale, for the window and the record.
void paintEventPlot(QPainter& painter, const QRectF& area, const DesignCheck& check);

}  // namespace varnholt
