#pragma once

#include <QLabel>

namespace varnholt {

// A text that answers a click as a web link does: underlined, with the hand cursor.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace varnholt
