#include "duration_plot.h"

#include <cmath>

#include "engine/critical_storm.h"

namespace varnholt {

namespace {
const double kLogMin = std::log10(kCriticalStormDurations.front());
const double kLogMax = std::log10(kCriticalStormDurations.back());
}  // namespace

double DurationPlotFrame::xOf(double minutes) const {
    return plot().left() + plot().width() * (std::log10(minutes) - kLogMin) / (kLogMax - kLogMin);
}

std::vector<PlotFrame::Mark> DurationPlotFrame::marks() const {
    std::vector<Mark> marks;
    for (double minutes : kCriticalStormDurations)
        marks.push_back({xOf(minutes), QString::number(minutes)});
    return marks;
}

}  // namespace varnholt
