#pragma once

#include <QFont>
#include <QPainter>

#include "report_page.h"

namespace varnholt::report {

// Paints the page on the painter's device, whose origin must be the corner of the paper
// (a printer in full-page mode, a PDF writer without margins).
void paintPage(const Page& page, QPainter& painter);

// The height in millimetres a word-wrapped label of fixed width takes on paper, so that a
// layout can place what follows it; a label that shrinks to fit takes one line at its size.
double wrappedHeight(const Label& label);

// Adds a label of fixed width at `at` (mm), word-wrapped or, `oneLine`, shrunk to fit one line,
// and returns the height it takes, for a layout that places what follows below it.
double placeLabel(Page& page, QPointF at, double width, const QString& text, const TextStyle& style,
                  bool oneLine = false);

// The font a style names, at its point size.
QFont fontOf(const TextStyle& style);

}  // namespace varnholt::report
