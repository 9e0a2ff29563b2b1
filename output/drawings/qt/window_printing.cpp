#include "window_printing.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace varnholt::drawings {

bool printWidgetImage(QWidget& widget, QPagedPaintDevice& device) {
    const QPixmap image = widget.grab();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double sx = static_cast<double>(device.logicalDpiX()) / widget.logicalDpiX();
    const double sy = static_cast<double>(device.logicalDpiY()) / widget.logicalDpiY();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(0, 0, widget.width() * sx, widget.height() * sy), image,
                       QRectF(image.rect()));
    return painter.end();
}

}  // namespace varnholt::drawings
