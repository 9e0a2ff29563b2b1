#include "status_panels.h"

#include <QLabel>
#include <QMouseEvent>

namespace varnholt {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbtips"));
    setSizeGripEnabled(true);
    setMinimumHeight(21);
    // The widths are the smallest; a panel grows to show its whole text. The tip panel takes
    // the room that is left, so a new tip never shifts the panels beside it.
    const std::array<int, 4> widths = {100, 250, 120, 100};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbtips_panel%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        label->setContentsMargins(3, 0, 3, 0);
        addWidget(label, i == 1 ? 1 : 0);
        panels_[i] = label;
    }
}

void StatusPanels::setPanels(const StatusBarTexts& texts) {
    const auto inOrder = texts.inOrder();
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const QString text = QString::fromStdString(*inOrder[i]);
        if (panels_[i]->text() != text) panels_[i]->setText(text);
    }
}

QString StatusPanels::panel(int i) const {
    return panels_[static_cast<std::size_t>(i)]->text();
}

void StatusPanels::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    event->accept();
}

}  // namespace varnholt
