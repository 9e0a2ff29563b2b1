#include "drawing_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace varnholt::drawings {

namespace {

// Liberation Sans' capitals stand 0.73 of its em high.
constexpr double capitalsPerEm = 0.73;
// A plotter pen of 1 mm drawn as about 3 screen pixels, never thinner than a fine hairline.
constexpr double pixelsPerPenMillimetre = 3.0;

class Painter {
public:
    Painter(QPainter& p, const Drawing& d, const QRectF& target) : p_(p), drawing_(d) {
        const Extents e = extents(d);
        const double margin = 4;
        const QRectF area = target.adjusted(margin, margin, -margin, -margin);
        scale_ = std::min(area.width() / std::max(e.width(), 1.0),
                          area.height() / std::max(e.height(), 1.0));
        origin_ = {area.center().x() - (e.min.x + e.width() / 2) * scale_,
                   area.center().y() + (e.min.y + e.height() / 2) * scale_};
    }

    void paint() {
        for (const Entity& e : drawing_.entities) {
            const Layer& layer = drawing_.layers.at(e.layer);
            colour_ = QColor(layer.rgb.r, layer.rgb.g, layer.rgb.b);
            QPen pen(colour_, std::max(0.6, layer.penWidth * pixelsPerPenMillimetre));
            pen.setCosmetic(true);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            if (layer.dashed) pen.setDashPattern({5, 3});
            p_.setPen(pen);
            p_.setBrush(Qt::NoBrush);
            std::visit(*this, e.shape);
        }
    }

    void operator()(const Line& s) { p_.drawLine(map(s.from), map(s.to)); }
    void operator()(const Polyline& s) {
        const QPolygonF polygon = map(s.points);
        if (s.closed)
            p_.drawPolygon(polygon);
        else
            p_.drawPolyline(polygon);
    }
    void operator()(const Circle& s) {
        p_.drawEllipse(map(s.centre), s.radius * scale_, s.radius * scale_);
    }
    void operator()(const Solid& s) {
        p_.setBrush(colour_);
        p_.drawPolygon(map(s.corners));
    }
    void operator()(const Text& s) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(s.height * scale_ / capitalsPerEm))));
        p_.setFont(font);
        const QString text = QString::fromStdString(s.text);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        QPointF at = map(s.at);
        if (s.align == Align::centre) at.rx() -= width / 2;
        if (s.align == Align::right) at.rx() -= width;
        p_.drawText(at, text);
    }

private:
    QPointF map(Point p) const { return {origin_.x() + p.x * scale_, origin_.y() - p.y * scale_}; }
    QPolygonF map(const std::vector<Point>& points) const {
        QPolygonF polygon;
        for (Point p : points) polygon << map(p);
        return polygon;
    }

    QPainter& p_;
    const Drawing& drawing_;
    double scale_ = 1;
    QPointF origin_;
    QColor colour_;
};

}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target) {
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Painter(painter, drawing, target).paint();
    painter.restore();
}

}  // namespace varnholt::drawings
