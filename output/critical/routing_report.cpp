#include "routing_report.h"

#include <algorithm>

#include "critical_report.h"
#include "engine/critical_storm_text.h"
#include "engine/routing_text.h"
#include "level_plot.h"
#include "report/page_painter.h"

namespace varnholt {

namespace {

// Places a label at `top` (mm) and returns its height.
double place(report::Page& page, double x, double top, double width, const std::string& text,
             double points, bool bold, bool oneLine = false) {
    report::TextStyle style;
    style.pointSize = points;
    style.bold = bold;
    return report::placeLabel(page, QPointF(x, top), width, QString::fromStdString(text), style,
                              oneLine);
}

}  // namespace

report::Page routingPage(const QString& title, const DesignRecord& record, const StormSite& site,
                         const RoutingCase* routing, const std::string& notRouted) {
    report::Page page;
    page.elements.emplace_back([] {
        report::Label mark;
        mark.at = QPointF(110, 10);
        mark.text = recordMark();
        mark.style.pointSize = 8;
        mark.fixedWidth = 90;
        mark.shrinkToFit = true;
        return mark;
    }());
    double y = 10;
    y += place(page, 10, y, 100, title.toStdString(), 16, true);
    y += 1;
    // A typed title of any length keeps to one line, so nothing below is pushed down.
    y += place(page, 10, y, 190, "Project Title: " + record.text(Field::projtit), 10, false, true);
    y += place(page, 10, y, 190, "Storms: " + rainfallSourceLine(site), 9, false);
    y += 3;
    if (!routing) {
        place(page, 10, y, 190, "Not routed: " + notRouted, 9, false);
        return page;
    }
    for (const RoutingLine& line : routingLines(*routing)) {
        const double label = place(page, 12, y, 68, line.label, 9, true);
        y += std::max(label, place(page, 82, y, 118, line.value, 9, false)) + 0.6;
    }
    y += 3;
    // The plot takes what room is left above the bottom margin.
    const double room = std::min(150.0, 287 - y);
    placePlot(page, QRectF(10, y, 190, room), [&](QPainter& painter, const QRectF& area) {
        paintLevelPlot(painter, area, *routing);
    });
    return page;
}

report::Report routingReport(const DesignRecord& record, const StormSite& site,
                             const RoutingCase& routing) {
    return report::Report(routingPage(QStringLiteral("Routing"), record, site, &routing),
                          QStringLiteral("Routing"));
}

}  // namespace varnholt
