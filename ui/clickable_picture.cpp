#include "clickable_picture.h"

#include <QMouseEvent>

#include "svg_pixmap.h"

namespace varnholt {

ClickablePicture::ClickablePicture(const QString& name, const QString& resource, QSize size,
                                   QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    setPixmap(svgPixmap(resource, size));
    setFixedSize(size);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace varnholt
