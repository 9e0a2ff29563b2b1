#pragma once

#include <QFrame>

class QCheckBox;
class QPushButton;

namespace varnholt {

// zoompanel: the strip across the top of the drawing area and the 3D view, with the zoom
// buttons and the two display switches of the 3D view.
class ZoomPanel : public QFrame {
    Q_OBJECT
public:
    explicit ZoomPanel(QWidget* parent = nullptr);
    QPushButton* zoomIn() const { return zoomIn_; }
    QPushButton* zoomOut() const { return zoomOut_; }
    QPushButton* fitView() const { return fitView_; }
    QCheckBox* showSiltTrap() const { return siltTrap_; }
    QCheckBox* showAxes() const { return axes_; }

private:
    QPushButton* zoomIn_;
    QPushButton* zoomOut_;
    QPushButton* fitView_;
    QCheckBox* siltTrap_;
    QCheckBox* axes_;
};

}  // namespace varnholt
