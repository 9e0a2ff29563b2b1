#pragma once

#include "plot_frame.h"

namespace varnholt {

// The frame of a plot against storm duration: the durations of the storm table on a
// logarithmic axis along the bottom.
class DurationPlotFrame : public PlotFrame {
public:
    using PlotFrame::PlotFrame;

    double xOf(double minutes) const;

    template <typename Label>
    void paint(QPainter& painter, Label label) const {
        PlotFrame::paint(painter, marks(), QStringLiteral("Storm duration (min, logarithmic)"),
                         label);
    }

private:
    std::vector<Mark> marks() const;
};

}  // namespace varnholt
