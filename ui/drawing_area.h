#pragma once

#include <QWidget>

#include "design_session.h"
#include "engine/elevation_canvas.h"

class QLabel;

namespace varnholt {

// The middle pane of the main window: paints the trench or ring elevation the design holds,
// and forwards the designer's drags of its shapes to the design. The elevation works in the
// main window's client coordinates; this widget shows the part of them that falls on it, so a
// drawing moved far to the right runs under the 3D view. It also carries two notices: "Designed
// as Filter Trench" at its top and "No Ring Varnholt available" at its bottom left.
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
    bool event(QEvent* event) override;

private:
    enum class Shape { none, face, depthGrip, widthGrip, ringTop, innerTop, ringGrip };
    Shape shapeAt(Point client) const;
    Rect rectOf(Shape shape) const;
    void placeNotices();
    void updateCursor(Shape shape);

    DesignSession& session_;
    QLabel* lblfttrench_;
    QLabel* lblringwarning_;
    Shape pressed_ = Shape::none;
    bool leftPressed_ = false;
};

}  // namespace varnholt
