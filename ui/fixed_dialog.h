#pragma once

#include <QDialog>

namespace varnholt {

// A small window of fixed client size with only a close box in its title bar, opened in the
// middle of the screen the program's main window is on.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const QString& name, const QString& caption, QSize clientSize,
                QWidget* parent = nullptr);

    // Shows the window modally, in front of every window of the program, and returns when it
    // is closed.
    int openModal();

    void setVisible(bool visible) override;

protected:
    // Makes the window's controls, once, just before it is first shown: the window exists
    // from start-up, but its pictures need not be drawn before anyone looks at them.
    virtual void build() {}

private:
    void ensureBuilt();

    bool built_ = false;
};

}  // namespace varnholt
