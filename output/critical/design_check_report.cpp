#include "design_check_report.h"

#include "critical_report.h"
#include "engine/design_check_text.h"
#include "report/page_painter.h"

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
        report::Label l;
        l.at = QPointF(x, y_);
        l.text = text;
        l.style.pointSize = points;
        l.style.bold = bold;
        l.style.colour = colour;
        l.fixedWidth = width;
        l.wordWrap = !oneLine;
        l.shrinkToFit = oneLine;
        const double height = report::wrappedHeight(l);
        page_.elements.emplace_back(l);
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

}  // namespace

report::Report designCheckReport(const DesignRecord& record, const DesignCheckInputs& inputs,
                                 const DesignCheck& check) {
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
        const bool failed = item.verdict == Verdict::fail || item.verdict == Verdict::notDesigned;
        const QColor colour = failed ? QColor(200, 0, 0) : Qt::black;
        checks.place(12, 30, qs(item.name), 8, true, Qt::black, false);
        checks.place(43, 18, QString::fromLatin1(verdictName(item.verdict)), 8, true, colour,
                     false);
        checks.place(62, 138, qs(item.reason), 8, false);
        checks.skip(0.8);
    }
    checks.skip(1);
    checks.place(10, 190, qs(designCheckSummary(check)), 10, true,
                 check.passes() ? Qt::black : QColor(200, 0, 0));

    // The plot takes what room is left above the bottom margin.
    const double room = 287 - checks.y() - 3;
    if (room >= 45)
        placeCriticalStormPlot(page, check.table, QRectF(10, checks.y() + 3, 190, room));
    return report::Report(page, QStringLiteral("Design Check"));
}

}  // namespace varnholt
