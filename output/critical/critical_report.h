#pragma once

#include <QRectF>
#include <QString>
#include <functional>

#include "engine/critical_storm.h"
#include "engine/design_record.h"
#include "report/report.h"

class QPainter;

namespace varnholt {

// Required trench length and ring depth against storm duration on a logarithmic time axis,
// the governing storms marked. Drawn into `area` with the painter's own scale.
void paintCriticalStormPlot(QPainter& painter, const QRectF& area, const CriticalStormTable& table);

// The table with its headings from `top` (mm) down, the governing rows in bold; returns the
// height it reached.
double placeCriticalStormTable(report::Page& page, const CriticalStormTable& table, double top);

// "Made with Varnholt 4.0.0 on <today's short date>": the program and the day a record was made.
QString recordMark();

// What the bold rows and the marks of the table mean, with its notes.
QString tableNotes(const CriticalStormTable& table);

// The plot as a picture in `rect` (mm).
// A plot drawn by `paint` placed as a picture at print resolution.
void placePlot(report::Page& page, const QRectF& plotRect,
               const std::function<void(QPainter&, const QRectF&)>& paint);
void placeCriticalStormPlot(report::Page& page, const CriticalStormTable& table,
                            const QRectF& rect);

// The calculation record: headed with the project's title, number and designer, the site's
// inputs, the table (governing rows in bold) and the plot.
report::Report criticalStormReport(const DesignRecord& record, const StormSite& site,
                                   const CriticalStormTable& table);

}  // namespace varnholt
