#include "design_session.h"

#include <QMessageBox>

#include "engine/errors.h"
#include "front_window.h"

namespace varnholt {

DesignSession::DesignSession(QObject* parent) : QObject(parent) {}

bool DesignSession::act(const std::function<void()>& action) {
    bool completed = true;
    ++depth_;
    try {
        action();
    } catch (const ActionStopped& e) {
        completed = false;
        --depth_;
        emit changed();  // show what was written before the failure, then the box
        inform(e.what());
        ++depth_;
    }
    if (--depth_ == 0) emit changed();
    return completed;
}

void DesignSession::inform(const std::string& text) {
    showInformation(messageParent_, text);
}

void showInformation(QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Varnholt"),
                    QString::fromStdString(text), QMessageBox::Ok, frontWindow(parent));
    box.setObjectName(QStringLiteral("messagebox"));
    box.exec();
}

}  // namespace varnholt
