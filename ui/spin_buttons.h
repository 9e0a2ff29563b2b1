#pragma once

#include <QWidget>

class QToolButton;

namespace varnholt {

// A small pair of arrow buttons beside an edit box that steps its value up or down.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(const QString& name, QWidget* parent = nullptr);

signals:
    void up();
    void down();

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace varnholt
