#include "plot_frame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace varnholt {

PlotFrame::PlotFrame(const QPainter& painter, const QRectF& area, double rightRoom)
    : em_(QFontMetricsF(painter.font()).height()) {
    plot_ = area.adjusted(4 * em_, 1.5 * em_, -rightRoom * em_, -2.5 * em_);
}

double PlotFrame::yOf(double value, double top) const {
    return plot_.bottom() - plot_.height() * std::clamp(value / top, 0.0, 1.0);
}

void PlotFrame::paintMarks(QPainter& painter, const std::vector<Mark>& marks) const {
    for (const Mark& mark : marks) {
        painter.setPen(QPen(Qt::lightGray, 0));
        painter.drawLine(QPointF(mark.x, plot_.top()), QPointF(mark.x, plot_.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(mark.x - 2 * em_, plot_.bottom() + 0.2 * em_, 4 * em_, em_),
                         Qt::AlignHCenter | Qt::AlignTop, mark.text);
    }
}

void PlotFrame::paintValueLine(QPainter& painter, int step) const {
    const double y = plot_.bottom() - plot_.height() * step / 4;
    painter.setPen(QPen(Qt::lightGray, 0));
    painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
}

void PlotFrame::paintFrame(QPainter& painter, const QString& caption) const {
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot_);
    painter.drawText(QRectF(plot_.left(), plot_.bottom() + 1.2 * em_, plot_.width(), em_),
                     Qt::AlignHCenter, caption);
}

double niceCeiling(double value) {
    if (!(value > 0) || !std::isfinite(value)) return 1;
    const double step = std::pow(10, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * step >= value) return m * step;
    return 10 * step;
}

}  // namespace varnholt
