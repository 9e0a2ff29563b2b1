#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "engine/design.h"
#include "engine/messages.h"

namespace varnholt {

// Owns the design for the windows and is the boundary of every user action: it runs the
// action, shows a conversion failure (or any other message of the rules) in a message box and
// then tells every view to re-read the design. The views hold no state of the design.
class DesignSession : public QObject, public MessageSink {
    Q_OBJECT
public:
    explicit DesignSession(QObject* parent = nullptr);

    Design& design() { return design_; }
    const DesignRecord& record() const { return design_.record(); }

    // Runs one user action. Returns false when it stopped with a message.
    bool act(const std::function<void()>& action);

    // MessageSink: an information box with an OK button, over the main window.
    void inform(const std::string& text) override;
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }

    // While nested actions run (a dialog's action that opens a box), views re-read once, at the
    // end of the outermost action.
    void refreshViews() { emit changed(); }

signals:
    void changed();

private:
    Design design_;
    QPointer<QWidget> messageParent_;
    int depth_ = 0;
};

// The program's information box with an OK button.
void showInformation(QWidget* parent, const std::string& text);

}  // namespace varnholt
