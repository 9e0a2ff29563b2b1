#include "svg_pixmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace varnholt {

QPixmap svgPixmap(const QString& resource, QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon svgIcon(const QString& resource, QSize size) {
    return QIcon(svgPixmap(resource, size));
}

}  // namespace varnholt
