#include "text_fit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <vector>

#include "page_painter.h"

namespace varnholt::report {

namespace {

constexpr QChar kEllipsis(0x2026);

const QPaintDevice& printResolution() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        constexpr double kDpi = 1200;
        image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
        return image;
    }();
    return device;
}

double widthAt(const QString& text, TextStyle style, double points, const QPaintDevice& device) {
    style.pointSize = points;
    const QFontMetricsF metrics(fontOf(style), &device);
    return metrics.horizontalAdvance(text) / device.logicalDpiX() * 25.4;
}

// Where the text may be cut without splitting a character a reader sees as one.
std::vector<int> cutPoints(const QString& text) {
    std::vector<int> points;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary())
        points.push_back(static_cast<int>(at));
    return points;
}

QString cutAt(const QString& text, int at) {
    QString start = text.left(at);
    while (!start.isEmpty() && start.back().isSpace()) start.chop(1);
    return start + kEllipsis;
}

}  // namespace

double textWidth(const QString& text, const TextStyle& style, const QPaintDevice* device) {
    return widthAt(text, style, style.pointSize, device ? *device : printResolution());
}

FittedText fitText(const QString& text, const TextStyle& style, double widthMm, double floorPoints,
                   const QPaintDevice* device) {
    const QPaintDevice& on = device ? *device : printResolution();
    const double own = style.pointSize;
    const double full = widthAt(text, style, own, on);
    if (full <= widthMm) return {text, own};

    // Text widths grow almost in step with the size: start at the proportional size and
    // step down by tenths of a point until the hinted width fits too.
    const double floor = std::min(floorPoints, own);
    double size = std::max(floor, std::floor(own * widthMm / full * 10) / 10);
    while (size > floor && widthAt(text, style, size, on) > widthMm)
        size = std::max(floor, size - 0.1);
    if (widthAt(text, style, size, on) <= widthMm) return {text, size};

    // The longest start that fits with its ellipsis; with none, the ellipsis alone.
    const std::vector<int> points = cutPoints(text);
    std::size_t low = 0, high = points.size();  // fits for [0, low), not for [high, ...)
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (widthAt(cutAt(text, points[mid]), style, floor, on) <= widthMm)
            low = mid + 1;
        else
            high = mid;
    }
    return {low == 0 ? QString(kEllipsis) : cutAt(text, points[low - 1]), floor};
}

}  // namespace varnholt::report
