#include "page_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QSvgRenderer>

#include "text_fit.h"

namespace varnholt::report {

namespace {

// Millimetres to device pixels; fonts keep their point sizes, which the device converts
// with the same resolution.
class Scale {
public:
    explicit Scale(const QPaintDevice& device)
        : x_(device.logicalDpiX() / 25.4), y_(device.logicalDpiY() / 25.4) {}
    QPointF operator()(QPointF mm) const { return {mm.x() * x_, mm.y() * y_}; }
    QRectF operator()(const QRectF& mm) const {
        return {mm.x() * x_, mm.y() * y_, mm.width() * x_, mm.height() * y_};
    }
    double width(double mm) const { return mm * x_; }

private:
    double x_;
    double y_;
};

}  // namespace

QFont fontOf(const TextStyle& style) {
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

double wrappedHeight(const Label& label) {
    // Measured at print resolution, where text takes the room it will take on paper.
    QImage device(1, 1, QImage::Format_Mono);
    constexpr double kDpi = 1200;
    device.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    device.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    const QFontMetricsF metrics(fontOf(label.style), &device);
    if (label.shrinkToFit) return metrics.height() / kDpi * 25.4;
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, label.fixedWidth / 25.4 * kDpi, 1e9),
                             label.alignment | Qt::AlignTop | Qt::TextWordWrap, label.text);
    return bounds.height() / kDpi * 25.4;
}

double placeLabel(Page& page, QPointF at, double width, const QString& text, const TextStyle& style,
                  bool oneLine) {
    Label l;
    l.at = at;
    l.text = text;
    l.style = style;
    l.fixedWidth = width;
    l.wordWrap = !oneLine;
    l.shrinkToFit = oneLine;
    const double height = wrappedHeight(l);
    page.elements.emplace_back(l);
    return height;
}

namespace {

// Measured on the device it is painted on, so that the fitted text keeps to its width there.
void paintFitted(const Label& label, QPainter& painter, const Scale& scale) {
    const FittedText fitted =
        fitText(label.text, label.style, label.fixedWidth, label.floorPoints, painter.device());
    const double baseline =
        scale(label.at).y() + QFontMetricsF(fontOf(label.style), painter.device()).ascent();
    TextStyle style = label.style;
    style.pointSize = fitted.pointSize;
    const QFont font = fontOf(style);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(fitted.text);
    const double left = scale(label.at).x();
    const double box = scale.width(label.fixedWidth);
    const double x = label.alignment == Qt::AlignRight     ? left + box - width
                     : label.alignment == Qt::AlignHCenter ? left + (box - width) / 2
                                                           : left;
    painter.setFont(font);
    painter.setPen(label.style.colour);
    painter.drawText(QPointF(x, baseline), fitted.text);
}

void paint(const Label& label, QPainter& painter, const Scale& scale) {
    if (!label.visible || label.text.isEmpty()) return;
    if (label.shrinkToFit && label.fixedWidth > 0) return paintFitted(label, painter, scale);
    const QFont font = fontOf(label.style);
    painter.setFont(font);
    painter.setPen(label.style.colour);
    const QFontMetricsF metrics(font, painter.device());
    const QPointF at = scale(label.at);

    int flags = label.alignment | Qt::AlignTop;
    QRectF rect;
    if (label.fixedWidth > 0) {
        const double width = scale.width(label.fixedWidth);
        const double height =
            label.fixedHeight > 0 ? scale(QRectF(0, 0, 0, label.fixedHeight)).height() : 1e6;
        rect = QRectF(at.x(), at.y(), width, height);
        if (label.wordWrap) flags |= Qt::TextWordWrap;
    } else {
        const double width = metrics.horizontalAdvance(label.text);
        const double left = label.alignment == Qt::AlignRight     ? at.x() - width
                            : label.alignment == Qt::AlignHCenter ? at.x() - width / 2
                                                                  : at.x();
        rect = QRectF(left, at.y(), width, metrics.height());
        flags |= Qt::TextDontClip;
    }
    painter.save();
    if (label.fixedWidth > 0 && label.fixedHeight > 0) painter.setClipRect(rect);
    painter.drawText(rect, flags, label.text);
    painter.restore();
}

void paint(const Box& box, QPainter& painter, const Scale& scale) {
    if (box.shadow) {
        const QRectF& r = box.rect;
        const double w = box.shadowWidth;
        const double off = box.shadowOffset;
        painter.fillRect(scale(QRectF(r.left() + off, r.bottom(), r.width() - off + w, w)),
                         Qt::black);
        painter.fillRect(scale(QRectF(r.right(), r.top() + off, w, r.height() - off + w)),
                         Qt::black);
    }
    QPen pen(Qt::black);
    pen.setWidthF(scale.width(box.penWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scale(box.rect));
}

void paint(const Line& line, QPainter& painter, const Scale& scale) {
    QPen pen(Qt::black);
    pen.setWidthF(scale.width(line.width));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(scale(line.from), scale(line.to));
}

QRectF centred(QSizeF picture, const QRectF& frame) {
    if (picture.isEmpty()) return frame;
    const QSizeF fitted = picture.scaled(frame.size(), Qt::KeepAspectRatio);
    return {frame.center().x() - fitted.width() / 2, frame.center().y() - fitted.height() / 2,
            fitted.width(), fitted.height()};
}

void paint(const Picture& picture, QPainter& painter, const Scale& scale) {
    const QRectF frame = scale(picture.rect);
    if (!picture.svgPath.isEmpty()) {
        QSvgRenderer svg(picture.svgPath);
        if (svg.isValid()) svg.render(&painter, centred(svg.defaultSize(), frame));
    } else if (!picture.image.isNull()) {
        painter.drawImage(centred(picture.image.size(), frame), picture.image);
    }
}

}  // namespace

void paintPage(const Page& page, QPainter& painter) {
    const Scale scale(*painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Element& element : page.elements)
        std::visit([&](const auto& e) { paint(e, painter, scale); }, element);
    painter.restore();
}

}  // namespace varnholt::report
