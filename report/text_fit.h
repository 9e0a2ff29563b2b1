#pragma once

#include <QString>

#include "report_page.h"

class QPaintDevice;

namespace varnholt::report {

// The smallest size a text that is too long for its place is shrunk to before it is cut.
inline constexpr double kFitFloorPoints = 7;

// A one-line text as it is set in a place of fixed width.
struct FittedText {
    QString text;      // the text, or its start followed by "…"
    double pointSize;  // the style's size, or the smaller one at which it fits
    bool elided() const { return text.endsWith(QChar(0x2026)); }
};

// The advance width in millimetres of `text` on one line in `style`, measured on `device`
// (at print resolution when none is given, where text takes the room it takes on paper).
double textWidth(const QString& text, const TextStyle& style, const QPaintDevice* device = nullptr);

// Shrinks the font, down to `floorPoints` (or the style's own size when that is smaller),
// until the text fits `widthMm`; a text that does not fit at the floor either is cut, at a
// character boundary, and ends in "…". A text that fits is left as it is.
FittedText fitText(const QString& text, const TextStyle& style, double widthMm,
                   double floorPoints = kFitFloorPoints, const QPaintDevice* device = nullptr);

}  // namespace varnholt::report
