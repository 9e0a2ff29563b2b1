#include "drawing_menu.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnholt::drawings {

DrawingMenu::DrawingMenu(std::array<QWidget*, 3> windows, QWidget* parent)
    : QDialog(parent), windows_(windows) {
    setObjectName(QStringLiteral("Tfrmdrawmenu"));
    setWindowTitle(QStringLiteral("Soakaway Drawings"));

    auto* group = new QGroupBox(QStringLiteral("Select a drawing below"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* choices = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(this);
    const char* captions[] = {"Precast Concrete Ring Soakaway",
                              "Trench Soakaway with Silt Trap Manhole",
                              "Trench Soakaway without Silt Trap Manhole"};
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QRadioButton(QString::fromLatin1(captions[i]), group);
        options_[i]->setObjectName(QStringLiteral("opt%1").arg(i + 1));
        exclusive->addButton(options_[i]);
        choices->addWidget(options_[i]);
    }

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("btnok"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("btncancel"));
    connect(okButton, &QPushButton::clicked, this, &DrawingMenu::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DrawingMenu::ok() {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (!options_[i]->isChecked()) continue;
        QWidget* window = windows_[i];
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
    accept();
}

}  // namespace varnholt::drawings
