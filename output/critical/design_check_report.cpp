#include "design_check_report.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>

#include "critical_report.h"
#include "engine/critical_storm_text.h"
#include "engine/design_check_text.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "event_plot.h"
#include "report/page_painter.h"
#include "routing_report.h"

namespace varnholt {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Lays labels down the page, each below the last.
class Column {
public:
    explicit Column(report::Page& page, double top) : page_(page), y_(top) {}

    double y() const { return y_; }
    void skip(double mm) { y_ += mm; }

    // Returns the label's height.
    double place(double x, double width, const QString& text, double points, bool bold,
                 QColor colour = Qt::black, bool advance = true, bool oneLine = false) {
        report::TextStyle style;
        style.pointSize = points;
        style.bold = bold;
        style.colour = colour;
        const double height =
            report::placeLabel(page_, QPointF(x, y_), width, text, style, oneLine);
        if (advance) y_ += height;
        return height;
    }

    void section(const char* heading, const std::vector<std::string>& lines) {
        skip(1.5);
        place(10, 190, QString::fromLatin1(heading), 9, true);
        for (const std::string& line : lines) place(12, 188, qs(line), 8, false);
    }

private:
    report::Page& page_;
    double y_;
};

const QColor kFailed(200, 0, 0);

bool failed(Verdict v) {
    return v == Verdict::fail || v == Verdict::notDesigned;
}

std::string volumeCell(std::optional<double> m3) {
    return m3 ? displayText(*m3, 2) : "-";
}

// The events' columns: where each starts (mm from the page's edge) and its heading.
struct EventColumn {
    double x;
    double width;
    const char* heading;
};
constexpr std::array kEventColumns = {EventColumn{12, 44, "Event"},
                                      EventColumn{56, 18, "Return period (years)"},
                                      EventColumn{74, 18, "Allowance (%)"},
                                      EventColumn{92, 20, "Critical duration (min)"},
                                      EventColumn{112, 20, "Needed (m3)"},
                                      EventColumn{132, 20, "Provided (m3)"},
                                      EventColumn{152, 22, "Exceedance (m3)"},
                                      EventColumn{174, 26, "Verdict"}};

std::array<std::string, kEventColumns.size()> eventCells(const DesignCheck& check,
                                                         const EventResult& e) {
    const EventStorage* s = e.storage ? &*e.storage : nullptr;
    return {stormEventName(e.kind),
            plainText(e.event.returnPeriod),
            plainText(e.event.allowancePercent),
            s ? plainText(s->rows[s->critical].minutes) : "-",
            volumeCell(s ? std::optional(s->needed) : std::nullopt),
            volumeCell(check.provided),
            e.verdict == Verdict::exceedance ? displayText(e.exceedance, 2) : "-",
            verdictName(e.verdict)};
}

// A row of the events' table: its cells side by side, the row as tall as its tallest.
void placeEventRow(Column& column, const std::array<QString, kEventColumns.size()>& cells,
                   double points, bool heading, QColor verdictColour = Qt::black) {
    double tallest = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const bool verdict = c + 1 == cells.size();
        tallest = std::max(
            tallest, column.place(kEventColumns[c].x, kEventColumns[c].width - 1, cells[c], points,
                                  heading || verdict, verdict ? verdictColour : Qt::black, false));
    }
    column.skip(tallest);
}

void placeEvents(Column& column, const DesignCheck& check) {
    std::array<QString, kEventColumns.size()> headings;
    for (std::size_t c = 0; c < headings.size(); ++c)
        headings[c] = QString::fromLatin1(kEventColumns[c].heading);
    placeEventRow(column, headings, 7, true);
    for (const EventResult& e : check.events) {
        const auto texts = eventCells(check, e);
        std::array<QString, kEventColumns.size()> cells;
        for (std::size_t c = 0; c < cells.size(); ++c) cells[c] = qs(texts[c]);
        placeEventRow(column, cells, 8, false, failed(e.verdict) ? kFailed : Qt::black);
    }
}

// The storm events on a page of their own: the source, the events' table and the plot of the
// storage each needs against duration.
report::Page eventsPage(const DesignRecord& record, const DesignCheckInputs& inputs,
                        const DesignCheck& check) {
    report::Page page;
    Column column(page, 10);
    column.place(10, 120, QStringLiteral("Design Check: storm events"), 16, true, Qt::black, false);
    column.place(110, 90, recordMark(), 8, false, Qt::black, true, true);
    column.skip(6);
    column.place(10, 190, qs("Project Title: " + record.text(Field::projtit)), 9, false, Qt::black,
                 true, true);
    column.place(10, 190, qs("Storms: " + rainfallSourceLine(inputs.site)), 9, false);
    column.skip(2);
    placeEvents(column, check);
    column.skip(3);
    placePlot(page, QRectF(10, column.y(), 190, std::min(130.0, 287 - column.y())),
              [&](QPainter& painter, const QRectF& area) { paintEventPlot(painter, area, check); });
    return page;
}

// The routed storm on a page of its own, or why it could not be routed.
report::Page recordRoutingPage(const DesignRecord& record, const DesignCheckInputs& inputs,
                               const RoutingRequest& request) {
    const QString title = QStringLiteral("Design Check: routing");
    std::string notRouted;
    try {
        const RoutingCase routed = routedOnShow(inputs, record, request);
        return routingPage(title, record, inputs.site, &routed);
    } catch (const ConversionError& e) {
        notRouted = e.what();
    } catch (const std::domain_error& e) {
        notRouted = e.what();
    }
    return routingPage(title, record, inputs.site, nullptr, notRouted);
}

}  // namespace

report::Report designCheckReport(const DesignRecord& record, const DesignCheckInputs& inputs,
                                 const DesignCheck& check, std::optional<RoutingRequest> routing) {
    report::Page page;
    Column column(page, 10);
    column.place(110, 90, recordMark(), 8, false, Qt::black, false);
    column.place(10, 190, QStringLiteral("Design Check"), 16, true);
    column.skip(1);
    // Typed texts of any length: each keeps to one line, so nothing below is pushed down.
    for (const std::string& line : designCheckProjectLines(record))
        column.place(10, 190, qs(line), 10, false, Qt::black, true, true);
    column.section("Inputs and options", designCheckDesignLines(record, &check));
    column.section("Allowances", designCheckAllowanceLines(inputs, &check));
    column.section("Trial pit tests", designCheckTrialPitLines(inputs, &check));
    column.section("Settings", designCheckSettingLines(inputs));

    column.skip(1.5);
    column.place(10, 190, QStringLiteral("Critical storm duration"), 9, true);
    const double below = placeCriticalStormTable(page, check.table, column.y());
    Column checks(page, below + 1);
    checks.place(10, 190, tableNotes(check.table), 7, false);
    checks.skip(1.5);
    checks.place(10, 190, QStringLiteral("Checks"), 9, true);
    for (const CheckItem& item : check.items) {
        const QColor colour = failed(item.verdict) ? kFailed : Qt::black;
        checks.place(12, 30, qs(item.name), 8, true, Qt::black, false);
        checks.place(43, 18, QString::fromLatin1(verdictName(item.verdict)), 8, true, colour,
                     false);
        checks.place(62, 138, qs(item.reason), 8, false);
        checks.skip(0.8);
    }
    checks.skip(1);
    checks.place(10, 190, qs(designCheckSummary(check)), 10, true,
                 check.passes() ? Qt::black : kFailed);

    // The plot takes what room is left above the bottom margin.
    const double room = 287 - checks.y() - 3;
    if (room >= 45)
        placeCriticalStormPlot(page, check.table, QRectF(10, checks.y() + 3, 190, room));
    report::Report report(page, QStringLiteral("Design Check"));
    report.addPage(eventsPage(record, inputs, check));
    report.addPage(recordRoutingPage(record, inputs,
                                     routing.value_or(inputs.routing.value_or(RoutingRequest{}))));
    return report;
}

}  // namespace varnholt
