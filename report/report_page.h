#pragma once

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <variant>
#include <vector>

namespace varnholt::report {

// A page of absolutely placed elements. Every length is in millimetres from the top-left
// corner of the paper, so that a layout drawn to the millimetre lands there on any device.

struct TextStyle {
    QString family = QStringLiteral("Liberation Sans");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
};

struct Label {
    QString name;  // to find it when the page is filled
    // Top-left corner; for a right-aligned label that sizes itself, the top-right corner, so
    // that it grows to the left as its text does.
    QPointF at;
    QString text;
    TextStyle style;
    Qt::AlignmentFlag alignment = Qt::AlignLeft;
    double fixedWidth = 0;   // 0: as wide as its text
    double fixedHeight = 0;  // 0: as tall as its text; otherwise what does not fit is cut off
    bool wordWrap = false;   // only with a fixed width
    // Only with a fixed width: one line that never leaves its width. A text too long for it
    // is set smaller, down to the floor, on the baseline it has at its own size, and is then
    // cut with "…".
    bool shrinkToFit = false;
    double floorPoints = 7;
    bool visible = true;
};

// A rectangle outline. Its shadow is a bar along the bottom edge and another along the right
// edge, both set off from the box's corner.
struct Box {
    QRectF rect;
    bool shadow = false;
    double penWidth = 0.2;
    double shadowWidth = 1.3;
    double shadowOffset = 1.0;
};

struct Line {
    QPointF from;
    QPointF to;
    double width = 0.2;
};

// An SVG file (by path or Qt resource) or an image, drawn as large as fits the rectangle
// without distortion and centred in it.
struct Picture {
    QRectF rect;
    QString svgPath;
    QImage image;
};

using Element = std::variant<Label, Box, Line, Picture>;

struct Page {
    QSizeF size{210, 297};  // A4 portrait
    QMarginsF margins{10, 10, 10, 10};
    std::vector<Element> elements;

    // The label of that name, or nullptr.
    Label* label(const QString& name);
    const Label* label(const QString& name) const;
};

}  // namespace varnholt::report
