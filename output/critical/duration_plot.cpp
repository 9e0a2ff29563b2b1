#include "duration_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/critical_storm.h"

namespace varnholt {

namespace {
const double kLogMin = std::log10(kCriticalStormDurations.front());
const double kLogMax = std::log10(kCriticalStormDurations.back());
}  // namespace

DurationPlotFrame::DurationPlotFrame(const QPainter& painter, const QRectF& area, double rightRoom)
    : em_(QFontMetricsF(painter.font()).height()) {
    plot_ = area.adjusted(4 * em_, 1.5 * em_, -rightRoom * em_, -2.5 * em_);
}

double DurationPlotFrame::xOf(double minutes) const {
    return plot_.left() + plot_.width() * (std::log10(minutes) - kLogMin) / (kLogMax - kLogMin);
}

double DurationPlotFrame::yOf(double value, double top) const {
    return plot_.bottom() - plot_.height() * std::clamp(value / top, 0.0, 1.0);
}

void DurationPlotFrame::paintDurations(QPainter& painter) const {
    for (double minutes : kCriticalStormDurations) {
        painter.setPen(QPen(Qt::lightGray, 0));
        painter.drawLine(QPointF(xOf(minutes), plot_.top()), QPointF(xOf(minutes), plot_.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(xOf(minutes) - 2 * em_, plot_.bottom() + 0.2 * em_, 4 * em_, em_),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(minutes));
    }
}

void DurationPlotFrame::paintValueLine(QPainter& painter, int step) const {
    const double y = plot_.bottom() - plot_.height() * step / 4;
    painter.setPen(QPen(Qt::lightGray, 0));
    painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
}

void DurationPlotFrame::paintFrame(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot_);
    painter.drawText(QRectF(plot_.left(), plot_.bottom() + 1.2 * em_, plot_.width(), em_),
                     Qt::AlignHCenter, QStringLiteral("Storm duration (min, logarithmic)"));
}

double niceCeiling(double value) {
    if (!(value > 0) || !std::isfinite(value)) return 1;
    const double step = std::pow(10, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * step >= value) return m * step;
    return 10 * step;
}

}  // namespace varnholt
