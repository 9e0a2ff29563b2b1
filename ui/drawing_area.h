#pragma once

#include <QWidget>

#include "design_session.h"

class QLabel;

namespace varnholt {

// The middle pane of the main window, where the trench or ring elevation is drawn. It also
// carries two notices: "Designed as Filter Trench" at its top and "No Ring Varnholt available"
// at its bottom left, both kept 10 pixels right of the splitter.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    DrawingArea(DesignSession& session, QWidget* parent = nullptr);
    void sync();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeNotices();

    DesignSession& session_;
    QLabel* lblfttrench_;
    QLabel* lblringwarning_;
};

}  // namespace varnholt
