#pragma once

#include <QLabel>

namespace varnholt {

// A picture that answers a click, drawn from one of the program's SVG pictures.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    ClickablePicture(const QString& name, const QString& resource, QSize size,
                     QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace varnholt
