#pragma once

#include <QRectF>

#include "engine/routing_case.h"

class QPainter;

namespace varnholt {

// The water level of a routed storm (m) against the time from the storm's start (h) to the end
// of the routing, with the stored volume on a second axis: the full and half levels as lines,
// the stretch that overflows drawn apart with its volume, the peak and the storm's end marked,
// the profile and the wetted area named in the caption. Drawn into `area` with the painter's
// own scale, for the window and the record.
void paintLevelPlot(QPainter& painter, const QRectF& area, const RoutingCase& routing);

}  // namespace varnholt
