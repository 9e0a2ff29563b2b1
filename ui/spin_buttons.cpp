#include "spin_buttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace varnholt {

SpinButtons::SpinButtons(const QString& name, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setObjectName(name);
    up_->setObjectName(name + QStringLiteral("_up"));
    down_->setObjectName(name + QStringLiteral("_down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setFixedSize(17, 11);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &SpinButtons::up);
    connect(down_, &QToolButton::clicked, this, &SpinButtons::down);
}

}  // namespace varnholt
