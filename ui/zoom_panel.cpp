#include "zoom_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varnholt {

ZoomPanel::ZoomPanel(QWidget* parent)
    : QFrame(parent),
      zoomIn_(new QPushButton(QStringLiteral("+"), this)),
      zoomOut_(new QPushButton(QStringLiteral("-"), this)),
      fitView_(new QPushButton(QStringLiteral("Fit View"), this)),
      siltTrap_(new QCheckBox(this)),
      axes_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("zoompanel"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(26);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(QStringLiteral(" Zoom"), this));
    QFont bold = zoomIn_->font();
    bold.setBold(true);
    for (auto [button, name] : {std::pair{zoomIn_, "btnzoomin"}, {zoomOut_, "btnzoomout"}}) {
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(bold);
        button->setFixedSize(17, 17);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    fitView_->setObjectName(QStringLiteral("btnfitview"));
    fitView_->setToolTip(
        QStringLiteral("Show the whole soakaway (Home, or a double click in the view)"));
    fitView_->setFixedHeight(17);
    fitView_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(fitView_);
    layout->addSpacing(12);
    const QString siltHint = QStringLiteral(
        "This does not affect the design of the soakaway. It is purely an operational option.");
    auto* siltLabel = new QLabel(QStringLiteral("Show Silt Trap"), this);
    siltLabel->setToolTip(siltHint);
    siltTrap_->setObjectName(QStringLiteral("chkshowsilttrap"));
    siltTrap_->setToolTip(siltHint);
    layout->addWidget(siltLabel);
    layout->addWidget(siltTrap_);
    layout->addSpacing(12);
    axes_->setObjectName(QStringLiteral("chkshowaxes"));
    layout->addWidget(new QLabel(QStringLiteral("Show Axes"), this));
    layout->addWidget(axes_);
    layout->addStretch(1);
}

}  // namespace varnholt
