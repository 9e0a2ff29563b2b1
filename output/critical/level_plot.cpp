#include "level_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "plot_frame.h"

namespace varnholt {

namespace {

const QColor kLevelColour(0, 0, 200);
const QColor kOverflowColour(200, 0, 0);
const QColor kFullColour(0, 130, 0);
const QColor kStormColour(110, 110, 110);
const QColor kPale(255, 255, 255, 220);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A label on a pale ground, so that a line running under it does not hide it.
void paleLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour) {
    painter.fillRect(box, kPale);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

double textWidth(const QPainter& painter, const QString& text) {
    return QFontMetricsF(painter.font()).horizontalAdvance(text);
}

// Some six marks of round hours that end at or beyond the routing's last step.
struct TimeAxis {
    double step;
    double end;
};
TimeAxis timeAxis(double hours) {
    const double step = niceCeiling(std::max(hours, 1.0 / 60) / 6);
    return {step, std::max(1.0, std::ceil(hours / step - 1e-9)) * step};
}

}  // namespace

void paintLevelPlot(QPainter& painter, const QRectF& area, const RoutingCase& c) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const PlotFrame frame(painter, area, 4);
    const QRectF& plot = frame.plot();
    const double em = frame.em();
    const std::vector<RoutingSample>& samples = c.result.samples;
    const double stormHours = c.storm.minutes / 60;
    const TimeAxis time = timeAxis(std::max(samples.back().seconds / 3600, stormHours));
    auto xOf = [&](double hours) { return plot.left() + plot.width() * hours / time.end; };
    const double full = c.soakaway.fullDepth;
    // Headroom over the full level, so that its line and label stand clear of the frame.
    const double top = niceCeiling(1.15 * full);
    auto yOf = [&](double level) { return frame.yOf(level, top); };

    std::vector<PlotFrame::Mark> marks;
    for (int i = 0; i * time.step <= time.end * (1 + 1e-9); ++i)
        marks.push_back({xOf(i * time.step), QString::number(i * time.step)});
    frame.paint(painter, marks, QStringLiteral("Time from the storm's start (h)"),
                [&](int step, const QRectF& row) {
                    painter.setPen(kLevelColour);
                    painter.drawText(QRectF(plot.left() - 3.8 * em, row.top(), 3.6 * em, em),
                                     Qt::AlignRight | Qt::AlignVCenter,
                                     QString::number(top * step / 4));
                    painter.setPen(Qt::black);
                    painter.drawText(QRectF(plot.right() + 0.2 * em, row.top(), 3.6 * em, em),
                                     Qt::AlignLeft | Qt::AlignVCenter,
                                     qs(displayText(top * step / 4 * c.soakaway.freePerDepth, 1)));
                });
    painter.setPen(kLevelColour);
    const QString levelTitle = QStringLiteral("Water level (m)");
    const QString storedTitle = QStringLiteral("Stored (m3)");
    painter.drawText(QRectF(area.left(), area.top(), plot.width(), em), Qt::AlignLeft, levelTitle);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), em), Qt::AlignRight,
                     storedTitle);
    // The caption names what the curve depends on beyond the soakaway: the storm and its
    // profile, and the faces that soak.
    const QString caption =
        qs(plainText(c.storm.minutes) + " min storm, " + stormProfileName(c.request.profile) +
           " profile, " + wettedAreaName(c.request.area));
    const double captionLeft = area.left() + textWidth(painter, levelTitle) + 1.5 * em;
    const double captionRight = area.right() - textWidth(painter, storedTitle) - 1.5 * em;
    const QFontMetricsF metrics(painter.font());
    painter.drawText(
        QRectF(captionLeft, area.top(), std::max(0.0, captionRight - captionLeft), em),
        Qt::AlignHCenter,
        metrics.elidedText(caption, Qt::ElideRight, std::max(0.0, captionRight - captionLeft)));

    // The full and half levels, labelled at the right where the soakaway has mostly drained.
    auto levelLine = [&](double level, const QString& text, const QColor& colour) {
        const double y = yOf(level);
        painter.setPen(QPen(colour, em / 10, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        const double width = textWidth(painter, text) + 0.4 * em;
        paleLabel(painter, QRectF(plot.right() - 0.3 * em - width, y - 1.05 * em, width, em), text,
                  colour);
    };
    levelLine(full, QStringLiteral("full"), kFullColour);
    levelLine(full / 2, QStringLiteral("half"), kFullColour);

    // The storm's end, labelled low down, where the soakaway is still filling or full.
    const double stormX = xOf(stormHours);
    painter.setPen(QPen(kStormColour, em / 10, Qt::DashDotLine));
    painter.drawLine(QPointF(stormX, plot.top()), QPointF(stormX, plot.bottom()));
    const QString stormText = QStringLiteral("storm ends");
    const double stormWidth = textWidth(painter, stormText) + 0.4 * em;
    const double stormLeft = stormX + 0.3 * em + stormWidth < plot.right()
                                 ? stormX + 0.3 * em
                                 : stormX - 0.3 * em - stormWidth;
    paleLabel(painter, QRectF(stormLeft, plot.bottom() - 1.3 * em, stormWidth, em), stormText,
              kStormColour);

    // The curve, and over it the steps that spilled, thicker and in red.
    QPainterPath level;
    QPainterPath spilled;
    double lastSpill = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const QPointF p(xOf(samples[i].seconds / 3600), yOf(samples[i].level));
        i == 0 ? level.moveTo(p) : level.lineTo(p);
        if (i > 0 && samples[i].overflow > samples[i - 1].overflow) {
            const QPointF from(xOf(samples[i - 1].seconds / 3600), yOf(samples[i - 1].level));
            if (spilled.currentPosition() != from || spilled.isEmpty()) spilled.moveTo(from);
            spilled.lineTo(p);
            lastSpill = p.x();
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLevelColour, em / 6));
    painter.drawPath(level);
    if (!spilled.isEmpty()) {
        painter.setPen(QPen(kOverflowColour, em / 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(spilled);
    }

    // The peak: a dot, and its level beside it, to the right unless the peak is near the end.
    const RoutingSample& peak = c.peak();
    const QPointF peakAt(xOf(peak.seconds / 3600), yOf(peak.level));
    painter.setPen(QPen(kLevelColour, 0));
    painter.setBrush(kLevelColour);
    painter.drawEllipse(peakAt, em / 3, em / 3);
    const QString peakText = qs("peak " + displayText(peak.level) + " m");
    const double peakWidth = textWidth(painter, peakText) + 0.4 * em;
    const double peakLeft = peakAt.x() + 0.5 * em + peakWidth < plot.right()
                                ? peakAt.x() + 0.5 * em
                                : peakAt.x() - 0.5 * em - peakWidth;
    paleLabel(painter, QRectF(peakLeft, peakAt.y() - 1.3 * em, peakWidth, em), peakText,
              kLevelColour);

    // Above the full line, which the level never rises over: after the spill and the peak's
    // label.
    if (!spilled.isEmpty()) {
        const QString text = qs("overflow " + displayText(c.result.overflow, 2) + " m3");
        const double width = textWidth(painter, text) + 0.4 * em;
        const double after = std::max(lastSpill, peakLeft + peakWidth) + 0.5 * em;
        const double left = std::min(after, plot.right() - 0.2 * em - width);
        paleLabel(painter, QRectF(left, yOf(full) - 1.3 * em, width, em), text, kOverflowColour);
    }
    painter.restore();
}

}  // namespace varnholt
