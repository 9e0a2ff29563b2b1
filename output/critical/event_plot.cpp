#include "event_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "duration_plot.h"
#include "engine/number_text.h"

namespace varnholt {

namespace {

// Told apart by dash as well as colour, so that a record printed in grey still reads.
struct EventPen {
    QColor colour;
    Qt::PenStyle style;
};
const EventPen kEventPens[kStormEventCount] = {
    {QColor(0, 0, 200), Qt::SolidLine},
    {QColor(200, 90, 0), Qt::DashLine},
    {QColor(170, 0, 120), Qt::DashDotLine},
};
const QColor kProvidedColour(0, 130, 0);

QString legendText(const EventResult& r) {
    return QString::fromLatin1(stormEventName(r.kind)) + QStringLiteral(": ") +
           QString::fromStdString(plainText(r.event.returnPeriod)) + QStringLiteral(" years + ") +
           QString::fromStdString(plainText(r.event.allowancePercent)) + QStringLiteral(" %");
}

}  // namespace

void paintEventPlot(QPainter& painter, const QRectF& area, const DesignCheck& check) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const DurationPlotFrame frame(painter, area, 1.5);
    const QRectF& plot = frame.plot();
    const double em = frame.em();
    auto xOf = [&](double minutes) { return frame.xOf(minutes); };
    double most = check.provided.value_or(0);
    for (const EventResult& r : check.events)
        if (r.storage) most = std::max(most, r.storage->needed);
    const double top = niceCeiling(most);
    auto yOf = [&](double value) { return frame.yOf(value, top); };

    frame.paint(painter, [&](int step, const QRectF& row) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() - 3.8 * em, row.top(), 3.6 * em, em),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(top * step / 4));
    });
    painter.drawText(QRectF(area.left(), area.top(), plot.width(), em), Qt::AlignLeft,
                     QStringLiteral("Storage needed (m3)"));

    if (check.provided) {
        const double y = yOf(*check.provided);
        painter.setPen(QPen(kProvidedColour, em / 8));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        const QString label = QStringLiteral("Storage provided ") +
                              QString::fromStdString(displayText(*check.provided, 2)) +
                              QStringLiteral(" m3");
        // Above the line, or below it when the line runs along the top.
        const double labelTop = y - plot.top() > 1.2 * em ? y - 1.1 * em : y + 0.1 * em;
        // On a pale ground, clear of the event lines that cross it.
        const double width = QFontMetricsF(painter.font()).horizontalAdvance(label) + 0.4 * em;
        const QRectF box(plot.right() - 0.4 * em - width, labelTop, width, em);
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.drawText(box, Qt::AlignCenter, label);
    }

    for (const EventResult& r : check.events) {
        if (!r.storage) continue;
        const EventPen& pen = kEventPens[static_cast<std::size_t>(r.kind)];
        QPainterPath path;
        for (std::size_t i = 0; i < r.storage->rows.size(); ++i) {
            const EventRow& row = r.storage->rows[i];
            const QPointF p(xOf(row.minutes), yOf(row.needed));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.setPen(QPen(pen.colour, em / 6, pen.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const EventRow& critical = r.storage->rows[r.storage->critical];
        painter.setBrush(pen.colour);
        painter.setPen(QPen(pen.colour, 0));
        painter.drawEllipse(QPointF(xOf(critical.minutes), yOf(critical.needed)), em / 3, em / 3);
    }

    // The legend sits in the top left corner, where short storms need little storage, over a
    // pale ground so that a line running through it does not hide it.
    const auto drawn = std::count_if(check.events.begin(), check.events.end(),
                                     [](const EventResult& r) { return r.storage.has_value(); });
    if (drawn == 0) {
        painter.restore();
        return;
    }
    const double legendX = plot.left() + 0.5 * em;
    const double legendWidth = std::min(plot.width() - em, 22 * em);
    double legendY = plot.top() + 0.4 * em;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRect(QRectF(legendX - 0.3 * em, legendY - 0.2 * em, legendWidth + 0.6 * em,
                            1.1 * em * static_cast<double>(drawn) + 0.3 * em));
    painter.setBrush(Qt::NoBrush);
    for (const EventResult& r : check.events) {
        if (!r.storage) continue;
        const EventPen& pen = kEventPens[static_cast<std::size_t>(r.kind)];
        painter.setPen(QPen(pen.colour, em / 6, pen.style));
        const double lineY = legendY + em / 2;
        painter.drawLine(QPointF(legendX, lineY), QPointF(legendX + 2.5 * em, lineY));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(legendX + 3 * em, legendY, legendWidth - 3 * em, em),
                         Qt::AlignLeft | Qt::AlignVCenter, legendText(r));
        legendY += 1.1 * em;
    }
    painter.restore();
}

}  // namespace varnholt
