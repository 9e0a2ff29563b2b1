#include "drawing_area.h"

#include <QAbstractScrollArea>
#include <QHelpEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "qt_colour.h"

namespace varnholt {

namespace {
QRect toQRect(const Rect& r, QPoint origin) {
    return QRect(r.left - origin.x(), r.top - origin.y(), r.width, r.height);
}
}  // namespace

DrawingArea::DrawingArea(DesignSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      lblfttrench_(new QLabel(this)),
      lblringwarning_(new QLabel(this)) {
    setObjectName(QStringLiteral("drawingarea"));
    setAutoFillBackground(true);
    setMouseTracking(true);  // the hints and cursors follow the pointer without a button held
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    lblfttrench_->setObjectName(QStringLiteral("lblfttrench"));
    applyTextColour(lblfttrench_, colours::blue);
    QFont underlined = lblfttrench_->font();
    underlined.setUnderline(true);
    lblfttrench_->setFont(underlined);

    lblringwarning_->setObjectName(QStringLiteral("lblringwarning"));
    applyTextColour(lblringwarning_, colours::red);
    sync();
}

QPoint clientPosition(const QWidget* widget) {
    const QWidget* top = widget->window();
    QPoint at(0, 0);
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        const auto* area =
            parent ? qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) : nullptr;
        const bool scrolled = area && area->viewport() == parent;
        if (!scrolled) at += w->pos();
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(top); main && main->menuBar())
        at.ry() -= main->menuBar()->height();
    return at;
}

QPoint DrawingArea::clientOrigin() const {
    return clientPosition(this);
}

Point DrawingArea::toClient(QPoint local) const {
    const QPoint c = local + clientOrigin();
    return {c.x(), c.y()};
}

QPoint DrawingArea::toLocal(Point client) const {
    return QPoint(client.x, client.y) - clientOrigin();
}

void DrawingArea::sync() {
    const DesignRecord& record = session_.record();
    for (auto [label, n] : {std::pair{lblfttrench_, Notice::lblfttrench},
                            {lblringwarning_, Notice::lblringwarning}}) {
        label->setText(QString::fromStdString(record.notice(n).text));
        label->adjustSize();
        label->setVisible(record.notice(n).visible);
    }
    fitShapes();
    placeNotices();
    update();
}

void DrawingArea::fitShapes() {
    constexpr int kMargin = 12;
    const Design& design = session_.design();
    std::vector<Rect> shapes;
    if (const auto& t = design.trenchElevation().shapes(); t.visible)
        shapes.insert(shapes.end(), {t.face, t.depthGrip, t.widthGrip});
    if (const auto& r = design.ringElevation().shapes(); r.visible)
        shapes.insert(shapes.end(), {r.ringtop, r.ringbottom, r.ringgrip});
    const QPoint origin = clientOrigin();
    QSize least(0, 0);
    for (const Rect& r : shapes)
        least = least.expandedTo(QSize(r.right() - origin.x(), r.bottom() - origin.y()) +
                                 QSize(kMargin, kMargin));
    // A shape dragged a long way off stops the pane growing at a size still worth scrolling.
    least = least.boundedTo(QSize(20000, 20000));
    if (minimumSize() != least) setMinimumSize(least);
}

void DrawingArea::resizeEvent(QResizeEvent*) {
    placeNotices();
}
void DrawingArea::moveEvent(QMoveEvent*) {
    placeNotices();
}

// The pane starts at the splitter's right edge, 8 pixels right of its left edge: the notices
// stand 10 pixels right of the splitter, in the part of the pane that is scrolled into view.
void DrawingArea::placeNotices() {
    QRect shown = rect();
    if (const QWidget* viewport = parentWidget();
        viewport && qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()))
        shown = QRect(-pos(), viewport->size()) & rect();
    lblfttrench_->move(shown.left() + 2, shown.top() + 4);
    lblringwarning_->move(shown.left() + 2, shown.bottom() + 1 - lblringwarning_->height() - 6);
}

void DrawingArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint origin = clientOrigin();
    const Design& design = session_.design();

    // The lines traced on the window lie under the shapes.
    for (const TracedLine& line : design.canvas().lines) {
        painter.setPen(QPen(toQColor(line.colour), 1));
        painter.drawLine(QPoint(line.from.x, line.from.y) - origin,
                         QPoint(line.to.x, line.to.y) - origin);
    }

    const RingElevation::Shapes& ring = design.ringElevation().shapes();
    if (ring.visible) {
        const QColor outline = toQColor(ring.colour);
        painter.setPen(QPen(toQColor(ring.bottomOutline), 1));
        painter.setBrush(ring.hatchedBase ? QBrush(QColor(0, 128, 0), Qt::DiagCrossPattern)
                                          : QBrush(Qt::white));
        painter.drawEllipse(toQRect(ring.ringbottom, origin).adjusted(0, 0, -1, -1));
        painter.setPen(QPen(outline, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(toQRect(ring.ringtop, origin).adjusted(0, 0, -1, -1));
        if (ring.innerVisible) {
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(toQRect(ring.shinringtop, origin).adjusted(0, 0, -1, -1));
            painter.drawEllipse(toQRect(ring.shinringbot, origin).adjusted(0, 0, -1, -1));
        }
        painter.setBrush(outline);
        painter.drawRect(toQRect(ring.ringgrip, origin).adjusted(0, 0, -1, -1));
    }

    const TrenchElevation::Shapes& trench = design.trenchElevation().shapes();
    if (trench.visible) {
        const QColor colour = toQColor(trench.colour);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(toQRect(trench.face, origin).adjusted(0, 0, -1, -1));
        // The crate units' joints, thin and grey under the outline's colour.
        painter.setPen(QPen(QColor(128, 128, 128), 1));
        for (const TrenchElevation::Joint& j : design.trenchElevation().crateJoints())
            painter.drawLine(QPoint(j.from.x, j.from.y) - origin, QPoint(j.to.x, j.to.y) - origin);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawRect(toQRect(trench.depthGrip, origin).adjusted(0, 0, -1, -1));
        painter.drawRect(toQRect(trench.widthGrip, origin).adjusted(0, 0, -1, -1));
    }
}

Rect DrawingArea::rectOf(Shape shape) const {
    const auto& t = session_.design().trenchElevation().shapes();
    const auto& r = session_.design().ringElevation().shapes();
    switch (shape) {
        case Shape::face:
            return t.face;
        case Shape::depthGrip:
            return t.depthGrip;
        case Shape::widthGrip:
            return t.widthGrip;
        case Shape::ringTop:
            return r.ringtop;
        case Shape::innerTop:
            return r.shinringtop;
        case Shape::ringGrip:
            return r.ringgrip;
        case Shape::none:
            break;
    }
    return {};
}

// The shapes answer in their bounding rectangles, the handles in front of what they sit on.
DrawingArea::Shape DrawingArea::shapeAt(Point p) const {
    const auto& t = session_.design().trenchElevation().shapes();
    const auto& r = session_.design().ringElevation().shapes();
    if (t.visible) {
        for (Shape s : {Shape::widthGrip, Shape::depthGrip, Shape::face})
            if (rectOf(s).contains(p)) return s;
    }
    if (r.visible) {
        if (r.ringgrip.contains(p)) return Shape::ringGrip;
        if (r.innerVisible && r.shinringtop.contains(p)) return Shape::innerTop;
        if (r.ringtop.contains(p)) return Shape::ringTop;
    }
    return Shape::none;
}

void DrawingArea::updateCursor(Shape shape) {
    switch (shape) {
        case Shape::face:
        case Shape::ringTop:
        case Shape::innerTop:
            setCursor(Qt::PointingHandCursor);
            break;
        case Shape::depthGrip:
            setCursor(Qt::SizeVerCursor);
            break;
        case Shape::widthGrip:
        case Shape::ringGrip:
            setCursor(Qt::SizeHorCursor);
            break;
        case Shape::none:
            unsetCursor();
    }
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
    const Point at = toClient(event->position().toPoint());
    pressed_ = shapeAt(at);
    leftPressed_ = event->button() == Qt::LeftButton;
    if (pressed_ == Shape::none) return QWidget::mousePressEvent(event);
    const Rect r = rectOf(pressed_);
    const Point inShape{at.x - r.left, at.y - r.top};
    Design& d = session_.design();
    session_.act([&] {
        switch (pressed_) {
            case Shape::face:
                d.trenchElevation().facePressed(inShape);
                break;
            case Shape::depthGrip:
                d.trenchElevation().depthGripPressed(inShape);
                break;
            case Shape::widthGrip:
                d.trenchElevation().widthGripPressed(inShape);
                break;
            case Shape::ringTop:
            case Shape::innerTop:
                d.ringElevation().topPressed(inShape);
                break;
            case Shape::ringGrip:
                d.ringElevation().gripPressed(inShape);
                break;
            case Shape::none:
                break;
        }
    });
    event->accept();
}

// While a button pressed on a shape is down, the moves go to that shape wherever the pointer
// is; without one, to the shape under the pointer (for its hint and cursor).
void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    const Point at = toClient(event->position().toPoint());
    const bool dragging =
        pressed_ != Shape::none && (event->buttons() & Qt::LeftButton) && leftPressed_;
    const Shape shape = pressed_ != Shape::none && event->buttons() ? pressed_ : shapeAt(at);
    if (!(event->buttons())) updateCursor(shape);
    if (shape == Shape::none) return;
    const Rect r = rectOf(shape);
    const Point inShape{at.x - r.left, at.y - r.top};
    Design& d = session_.design();
    // Without a drag a move only renews the shape's hint, which is read when the tip shows:
    // nothing to recalculate or redraw, so the views are not made to re-read the design.
    if (!dragging) {
        if (shape == Shape::face) d.trenchElevation().faceMoved(inShape, false);
        if (shape == Shape::ringTop || shape == Shape::innerTop)
            d.ringElevation().topMoved(inShape, false);
        return;
    }
    session_.act([&] {
        switch (shape) {
            case Shape::face:
                d.trenchElevation().faceMoved(inShape, dragging);
                break;
            case Shape::depthGrip:
                d.trenchElevation().depthGripMoved(inShape, dragging);
                break;
            case Shape::widthGrip:
                d.trenchElevation().widthGripMoved(inShape, dragging);
                break;
            case Shape::ringTop:
            case Shape::innerTop:
                d.ringElevation().topMoved(inShape, dragging);
                break;
            case Shape::ringGrip:
                d.ringElevation().gripMoved(inShape, dragging);
                break;
            case Shape::none:
                break;
        }
    });
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    const Shape released = pressed_;
    if (event->buttons() == Qt::NoButton) {
        pressed_ = Shape::none;
        leftPressed_ = false;
    }
    if (released == Shape::none) return QWidget::mouseReleaseEvent(event);
    Design& d = session_.design();
    session_.act([&] {
        switch (released) {
            case Shape::face:
                d.trenchElevation().faceReleased();
                break;
            case Shape::depthGrip:
                d.trenchElevation().depthGripReleased();
                break;
            case Shape::widthGrip:
                d.trenchElevation().widthGripReleased();
                break;
            case Shape::ringTop:
            case Shape::innerTop:
                d.ringElevation().topReleased();
                break;
            case Shape::ringGrip:
                d.ringElevation().gripReleased();
                break;
            case Shape::none:
                break;
        }
    });
}

bool DrawingArea::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Shape shape = shapeAt(toClient(help->pos()));
        std::string hint;
        if (shape == Shape::face) hint = session_.design().trenchElevation().shapes().hint;
        if (shape == Shape::ringTop || shape == Shape::innerTop)
            hint = session_.design().ringElevation().shapes().hint;
        if (hint.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace varnholt
