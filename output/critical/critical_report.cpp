#include "critical_report.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "duration_plot.h"
#include "engine/critical_storm_text.h"
#include "engine/number_text.h"
#include "engine/program_version.h"
#include "engine/trench_fill.h"

namespace varnholt {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

const QColor kTrenchColour(0, 0, 200);

void placeLabel(report::Page& page, double x, double y, const QString& text, double points,
                bool bold, double width, Qt::AlignmentFlag align) {
    report::Label l;
    l.at = QPointF(x, y);
    l.text = text;
    l.style.pointSize = points;
    l.style.bold = bold;
    l.fixedWidth = width;
    l.alignment = align;
    page.elements.emplace_back(l);
}

// The ring the table sized, which is the first row's before any ring has been on show.
double ringDiameterMm(const DesignRecord& record) {
    return stormDesignOf(record).ringRadius * 2000;
}
const QColor kRingColour(200, 90, 0);

// The trench the table sized: of crates, the tank of whole units around the fields' sizes.
std::string trenchShown(const DesignRecord& record) {
    if (const std::optional<CrateTank> tank = crateTankOf(record))
        return "crate tank " + plainText(tank->width) + " m wide x " + plainText(tank->depth) +
               " m deep";
    return "trench " + record.text(Field::lblwid) + " m wide x " + record.text(Field::txtdepth) +
           " m deep";
}

}  // namespace

void paintCriticalStormPlot(QPainter& painter, const QRectF& area,
                            const CriticalStormTable& table) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const DurationPlotFrame frame(painter, area, 4);
    const QRectF& plot = frame.plot();
    const double em = frame.em();
    auto xOf = [&](double minutes) { return frame.xOf(minutes); };
    double maxLength = 0, maxDepth = 0;
    for (const CriticalStormRow& row : table.rows) {
        if (std::isfinite(row.trenchLength)) maxLength = std::max(maxLength, row.trenchLength);
        if (std::isfinite(row.ringDepth)) maxDepth = std::max(maxDepth, row.ringDepth);
    }
    const double topLength = niceCeiling(maxLength), topDepth = niceCeiling(maxDepth);
    auto yOf = [&](double value, double top) { return frame.yOf(value, top); };

    frame.paint(painter, [&](int step, const QRectF& row) {
        painter.setPen(kTrenchColour);
        painter.drawText(QRectF(plot.left() - 3.8 * em, row.top(), 3.6 * em, em),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(topLength * step / 4));
        painter.setPen(kRingColour);
        painter.drawText(QRectF(plot.right() + 0.2 * em, row.top(), 3.6 * em, em),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(topDepth * step / 4));
    });
    painter.setPen(kTrenchColour);
    painter.drawText(QRectF(plot.left(), area.top(), plot.width() / 2, em), Qt::AlignLeft,
                     QStringLiteral("Trench length (m)"));
    painter.setPen(kRingColour);
    painter.drawText(QRectF(plot.center().x(), area.top(), plot.width() / 2, em), Qt::AlignRight,
                     QStringLiteral("Ring depth (m)"));

    auto curve = [&](const QColor& colour, auto value, double top, std::size_t governing) {
        QPainterPath path;
        bool started = false;
        for (const CriticalStormRow& row : table.rows) {
            const double v = value(row);
            if (!std::isfinite(v)) continue;
            const QPointF p(xOf(row.rain.minutes), yOf(v, top));
            started ? path.lineTo(p) : path.moveTo(p);
            started = true;
        }
        painter.setPen(QPen(colour, em / 6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const CriticalStormRow& g = table.rows[governing];
        if (std::isfinite(value(g))) {
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(xOf(g.rain.minutes), yOf(value(g), top)), em / 3, em / 3);
        }
    };
    curve(
        kTrenchColour, [](const CriticalStormRow& r) { return r.trenchLength; }, topLength,
        table.trenchGoverning);
    curve(
        kRingColour, [](const CriticalStormRow& r) { return r.ringDepth; }, topDepth,
        table.ringGoverning);
    painter.restore();
}

double placeCriticalStormTable(report::Page& page, const CriticalStormTable& table, double top) {
    auto label = [&](double x, double y, const QString& text, double points, bool bold,
                     double width, Qt::AlignmentFlag align) {
        placeLabel(page, x, y, text, points, bold, width, align);
    };
    top += 5;
    const auto& headings = criticalStormHeadings(table.source);
    const double columnWidth = 190.0 / static_cast<double>(headings.size());
    const double rowHeight = 5.5;
    auto group = [&](std::size_t first, std::size_t end, const QString& text) {
        label(10 + static_cast<double>(first) * columnWidth, top - 5, text, 8, true,
              static_cast<double>(end - first) * columnWidth, Qt::AlignHCenter);
    };
    group(kFirstTrenchColumn, kFirstRingColumn, QStringLiteral("Trench"));
    group(kFirstRingColumn, headings.size(), QStringLiteral("Ring on show"));
    for (std::size_t c = 0; c < headings.size(); ++c) {
        report::Label l;
        l.at = QPointF(10 + static_cast<double>(c) * columnWidth, top);
        l.text = qs(headings[c]);
        l.style.pointSize = 7;
        l.style.bold = true;
        l.fixedWidth = columnWidth;
        l.fixedHeight = 2 * rowHeight;
        l.wordWrap = true;
        l.alignment = Qt::AlignHCenter;
        page.elements.emplace_back(l);
    }
    page.elements.emplace_back(
        report::Line{QPointF(10, top + 2 * rowHeight), QPointF(200, top + 2 * rowHeight), 0.3});
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto cells = criticalStormCells(table, table.rows[r]);
        const double y = top + 2 * rowHeight + 1 + static_cast<double>(r) * rowHeight;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            label(10 + static_cast<double>(c) * columnWidth, y, qs(cells[c]), 8,
                  isGoverningCell(table, r, c), columnWidth, Qt::AlignHCenter);
        }
    }
    return top + 2 * rowHeight + 2 + static_cast<double>(table.rows.size()) * rowHeight;
}

QString recordMark() {
    return QStringLiteral("Made with Varnholt ") + QString::fromLatin1(programVersion()) +
           QStringLiteral(" on ") +
           QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString tableNotes(const CriticalStormTable& table) {
    QString out = QStringLiteral("Bold: the governing storm (longest trench, deepest ring).");
    for (const std::string& note : criticalStormNotes(table)) out += ' ' + qs(note);
    return out;
}

void placePlot(report::Page& page, const QRectF& plotRect,
               const std::function<void(QPainter&, const QRectF&)>& paint) {
    // Drawn at print resolution so that it is as sharp as the text around it.
    QImage image(static_cast<int>(plotRect.width() / 25.4 * 300),
                 static_cast<int>(plotRect.height() / 25.4 * 300), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(36);
        painter.setFont(font);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    page.elements.emplace_back(report::Picture{plotRect, QString(), image});
}

void placeCriticalStormPlot(report::Page& page, const CriticalStormTable& table,
                            const QRectF& plotRect) {
    placePlot(page, plotRect, [&](QPainter& painter, const QRectF& area) {
        paintCriticalStormPlot(painter, area, table);
    });
}

report::Report criticalStormReport(const DesignRecord& record, const StormSite& s,
                                   const CriticalStormTable& table) {
    report::Page page;
    auto label = [&](double x, double y, const QString& text, double points, bool bold,
                     double width = 0, Qt::AlignmentFlag align = Qt::AlignLeft) {
        placeLabel(page, x, y, text, points, bold, width, align);
    };
    label(10, 10, QStringLiteral("Critical Storm Duration"), 16, true);
    label(110, 12, recordMark(), 8, false, 90, Qt::AlignRight);
    // Typed texts of any length: each keeps to its line across the page.
    for (const auto& [y, text] : {std::pair{20.0, "Project Title: " + record.text(Field::projtit)},
                                  {25.5, "Project Number: " + record.text(Field::projnum)},
                                  {31.0, "Designer: " + record.text(Field::desname)}}) {
        label(10, y, qs(text), 10, false, 190);
        std::get<report::Label>(page.elements.back()).shrinkToFit = true;
    }
    label(10, 39,
          qs(rainfallSourceLine(s) + ", return period " + plainText(s.returnPeriod) +
             " years, climate change allowance " + plainText(s.allowancePercent) + " %"),
          9, false, 190);
    std::get<report::Label>(page.elements.back()).shrinkToFit = true;
    label(10, 44.5,
          qs("Area " + record.text(Field::txtarea) + " m2 x " + record.text(Field::txtVRC) +
             ", infiltration " + record.text(Field::txtsinf) + " m/s / " +
             record.text(Field::txtFOS) + ", void ratio " + record.text(Field::txtVR) +
             (trenchFillOf(record) == TrenchFill::crates
                  ? " (crates " + record.text(Field::txtcratevr) + ")"
                  : std::string()) +
             ", overflow " + record.text(Field::txtoverflow) + " %, " + trenchShown(record) +
             ", ring " + plainText(std::round(ringDiameterMm(record))) + " mm"),
          8, false, 190);

    const double below = placeCriticalStormTable(page, table, 47);
    label(10, below,
          tableNotes(table) + QStringLiteral(" Half-empty limit ") +
              qs(record.text(Field::txthalfempty)) + QStringLiteral(" h, ring failure depth ") +
              qs(record.text(Field::txtringfail)) + QStringLiteral(" m."),
          7, false, 190);

    placeCriticalStormPlot(page, table, QRectF(10, below + 10, 190, 110));
    return report::Report(page, QStringLiteral("Critical Storm Duration"));
}

}  // namespace varnholt
