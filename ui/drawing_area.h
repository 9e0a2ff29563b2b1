#pragma once

#include <QWidget>

#include "design_session.h"
#include "engine/elevation_canvas.h"

class QLabel;

namespace varnholt {

// Where a widget's top-left corner lies in its window's client coordinates (below the menu
// bar) as the window lays it out: the scroll positions of the areas it lies in are left out, so
// the place of a shape in those coordinates does not change when a pane is scrolled.
QPoint clientPosition(const QWidget* widget);

// The middle pane of the main window: paints the trench or ring elevation the design holds,
// and forwards the designer's drags of its shapes to the design. The elevation works in the
// main window's client coordinates; this widget grows to take in every shape, so that a deep
// ring or a wide trench scrolls into view with all its handles rather than running off the
// pane. It also carries two notices, kept in view: "Designed as Filter Trench" at its top and
// "No Ring Varnholt available" at its bottom left.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    DrawingArea(DesignSession& session, QWidget* parent = nullptr);
    void sync();

    // Where this pane's top-left corner lies in the window's client coordinates.
    QPoint clientOrigin() const;
    // The drawing's client coordinates of a point of this widget, and back.
    Point toClient(QPoint local) const;
    QPoint toLocal(Point client) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Shape { none, face, depthGrip, widthGrip, ringTop, innerTop, ringGrip };
    Shape shapeAt(Point client) const;
    Rect rectOf(Shape shape) const;
    void placeNotices();
    // Large enough for every shape on show, with a margin past the farthest.
    void fitShapes();
    void updateCursor(Shape shape);

    DesignSession& session_;
    QLabel* lblfttrench_;
    QLabel* lblringwarning_;
    Shape pressed_ = Shape::none;
    bool leftPressed_ = false;
};

}  // namespace varnholt
