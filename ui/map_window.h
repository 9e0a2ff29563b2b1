#pragma once

#include <QPixmap>
#include <QWidget>

#include "tools/map_drag.h"

class QLabel;

namespace varnholt {

// imgmap: the map picture at its natural size, dragged about with the left button.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    explicit MapPicture(QWidget* parent);

    // Where the map lies in the window: its top-left corner at (0, 0).
    void resetPlace();

    // Draws the picture, once: the window exists from start-up, the picture is needed only
    // when somebody looks at it.
    void ensureDrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    MapDrag drag_;
    QPixmap picture_;
};

// Tfrmmap, "M5-60 Map of the UK": a large contour map of the M5-60 rainfall that the user
// drags about to find a site. It informs only; nothing is read from it. Shown beside the main
// window without blocking it; closing it only hides it.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize clientSize{521, 366};
    static constexpr QSize pictureSize{1242, 1500};

    MapWindow();

    // Shows the window, or brings it to the front when it is already up.
    void open();

    void setVisible(bool visible) override;

private:
    MapPicture* picture_;
    QLabel* caption_;
    bool placed_ = false;
};

}  // namespace varnholt
