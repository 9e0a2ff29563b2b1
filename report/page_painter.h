#pragma once

#include <QPainter>

#include "report_page.h"

namespace varnholt::report {

// Paints the page on the painter's device, whose origin must be the corner of the paper
// (a printer in full-page mode, a PDF writer without margins).
void paintPage(const Page& page, QPainter& painter);

}  // namespace varnholt::report
