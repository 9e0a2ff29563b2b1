#pragma once

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace varnholt {

// The frame of a plot: marks and a caption along the bottom, a value grid of four steps up
// the side. Where the marks stand along the bottom is the caller's scale.
class PlotFrame {
public:
    struct Mark {
        double x;  // in the painter's units
        QString text;
    };

    // `rightRoom` in em: room for a second value axis, or a margin.
    PlotFrame(const QPainter& painter, const QRectF& area, double rightRoom);

    const QRectF& plot() const { return plot_; }
    double em() const { return em_; }
    // The height of a value within 0..top, held at the frame's edges.
    double yOf(double value, double top) const;

    // The grid, the marks and the caption, and the frame itself. The value labels of each grid
    // line are the caller's: `label(step 0..4, row)` gets the row where a label of that line
    // stands, the zero's above the bottom line, clear of the marks.
    template <typename Label>
    void paint(QPainter& painter, const std::vector<Mark>& marks, const QString& caption,
               Label label) const;

private:
    void paintMarks(QPainter& painter, const std::vector<Mark>& marks) const;
    void paintValueLine(QPainter& painter, int step) const;
    void paintFrame(QPainter& painter, const QString& caption) const;

    QRectF plot_;
    double em_;
};

// The round figure at or above `value` that an axis runs to: 1, 2, 2.5 or 5 times a power of
// ten.
double niceCeiling(double value);

template <typename Label>
void PlotFrame::paint(QPainter& painter, const std::vector<Mark>& marks, const QString& caption,
                      Label label) const {
    paintMarks(painter, marks);
    for (int i = 0; i <= 4; ++i) {
        paintValueLine(painter, i);
        const double y = plot_.bottom() - plot_.height() * i / 4;
        label(i, QRectF(0, i == 0 ? y - 1.1 * em_ : y - em_ / 2, 1, em_));
    }
    paintFrame(painter, caption);
}

}  // namespace varnholt
