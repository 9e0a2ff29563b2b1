#pragma once

#include <QStatusBar>
#include <array>

#include "engine/design_record.h"

class QLabel;

namespace varnholt {

// sbtips: four panels with centred text: the date, tips and messages, the void ratio and the
// factor of safety. A double click anywhere on it asks for the design options.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);
    void setPanels(const StatusBarTexts& texts);
    QString panel(int i) const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, 4> panels_{};
};

}  // namespace varnholt
