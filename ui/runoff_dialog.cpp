#include "runoff_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "field_edit.h"
#include "spin_buttons.h"

namespace varnholt {

RunoffDialog::RunoffDialog(DesignSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      logic_(session.design()),
      txtVRC_(new FieldEdit(Field::txtVRC, session, this)) {
    setObjectName(QStringLiteral("TfrmVRC"));
    setWindowTitle(QStringLiteral("Volumetric Runoff Coefficient"));
    setProperty("varnholtForm", true);
    setModal(true);
    setFixedSize(314, 144);

    auto* grid = new QGridLayout(this);
    auto text = [this](const char* s) {
        auto* label = new QLabel(QString::fromLatin1(s), this);
        label->setWordWrap(true);
        return label;
    };
    grid->addWidget(text("The volumetric runoff coefficient states the proportion of the total "
                         "impermeable area which will drain to the soakaway."),
                    0, 0, 1, 4);
    grid->addWidget(text("This is normally set to 0.75 for storm sewer design.  However, a value "
                         "of 1.00 is commonly used for soakaways."),
                    1, 0, 1, 4);
    txtVRC_->setFixedWidth(60);
    grid->addWidget(txtVRC_, 2, 0);
    auto* spin = new SpinButtons(QStringLiteral("vrcspin"), this);
    grid->addWidget(spin, 2, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    grid->addWidget(ok, 2, 3);
    grid->setColumnStretch(2, 1);

    connect(spin, &SpinButtons::up, this, [this] { session_.act([this] { logic_.spinUp(); }); });
    connect(spin, &SpinButtons::down, this,
            [this] { session_.act([this] { logic_.spinDown(); }); });
    connect(ok, &QPushButton::clicked, this, &RunoffDialog::okClicked);
    connect(&session_, &DesignSession::changed, this, &RunoffDialog::sync);
}

void RunoffDialog::sync() {
    txtVRC_->sync();
}

void RunoffDialog::open() {
    txtVRC_->setFocus();
    exec();
}

void RunoffDialog::okClicked() {
    bool mayClose = false;
    if (!session_.act([&] { mayClose = logic_.ok(session_); }) || !mayClose) return;
    closing_ = true;
    session_.act([this] { logic_.closed(); });
    done(QDialog::Accepted);
    closing_ = false;
}

void RunoffDialog::closeEvent(QCloseEvent* event) {
    if (!closing_) event->ignore();  // only OK closes it
}

}  // namespace varnholt
