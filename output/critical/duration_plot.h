#pragma once

#include <QRectF>

class QPainter;

namespace varnholt {

// The frame of a plot against storm duration: the durations of the storm table on a
// logarithmic axis along the bottom, a value grid of four steps up the side.
class DurationPlotFrame {
public:
    // `rightRoom` in em: room for a second value axis, or a margin.
    DurationPlotFrame(const QPainter& painter, const QRectF& area, double rightRoom);

    const QRectF& plot() const { return plot_; }
    double em() const { return em_; }
    double xOf(double minutes) const;
    // The height of a value within 0..top, held at the frame's edges.
    double yOf(double value, double top) const;

    // The grid, the durations and the axis caption, and the frame itself. The value labels
    // of each grid line are the caller's: `label(step 0..4, row)` gets the row where a label
    // of that line stands, the zero's above the bottom line, clear of the durations.
    template <typename Label>
    void paint(QPainter& painter, Label label) const;

private:
    void paintDurations(QPainter& painter) const;
    void paintValueLine(QPainter& painter, int step) const;
    void paintFrame(QPainter& painter) const;

    QRectF plot_;
    double em_;
};

// The round figure at or above `value` that the value axis runs to: 1, 2, 2.5 or 5 times a
// power of ten.
double niceCeiling(double value);

template <typename Label>
void DurationPlotFrame::paint(QPainter& painter, Label label) const {
    paintDurations(painter);
    for (int i = 0; i <= 4; ++i) {
        paintValueLine(painter, i);
        const double y = plot_.bottom() - plot_.height() * i / 4;
        label(i, QRectF(0, i == 0 ? y - 1.1 * em_ : y - em_ / 2, 1, em_));
    }
    paintFrame(painter);
}

}  // namespace varnholt
