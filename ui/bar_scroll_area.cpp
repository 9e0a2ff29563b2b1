#include "bar_scroll_area.h"

#include <QWheelEvent>

namespace varnholt {

BarScrollArea::BarScrollArea(const QString& name, QWidget* parent) : QScrollArea(parent) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);  // a frame, not a control: tabbing passes it by
}

void BarScrollArea::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

}  // namespace varnholt
