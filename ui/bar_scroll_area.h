#pragma once

#include <QScrollArea>

namespace varnholt {

// A scroll area for a pane of the main window that is moved by its scroll bars only: a wheel
// turn over it goes on to the window, which zooms the 3D view with it wherever the pointer is.
class BarScrollArea : public QScrollArea {
    Q_OBJECT
public:
    BarScrollArea(const QString& name, QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace varnholt
