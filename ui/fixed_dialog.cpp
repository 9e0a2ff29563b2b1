#include "fixed_dialog.h"

#include <QScreen>
#include <QWindow>

#include "front_window.h"

namespace varnholt {

FixedDialog::FixedDialog(const QString& name, const QString& caption, QSize clientSize,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(clientSize);
}

int FixedDialog::openModal() {
    // Built before its native window is made: a window made without the OpenGL view that
    // building adds could not draw that view.
    ensureBuilt();
    // Belonging to a window kept on top (the design options beside the main window), it is
    // stacked over that window rather than hidden behind it.
    QWidget* front = frontWindow(parentWidget());
    if (front && front != this) {
        // The native window, whose owner is set next. Not winId(): it would make every child
        // of the owner a native window too, and those cannot be drawn in a window that holds an
        // OpenGL view.
        create();
        windowHandle()->setTransientParent(front->window()->windowHandle());
    }
    return exec();
}

void FixedDialog::ensureBuilt() {
    if (built_) return;
    built_ = true;
    build();
}

void FixedDialog::setVisible(bool visible) {
    if (visible) ensureBuilt();
    if (visible && !isVisible()) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : this;
        if (const QScreen* screen = owner->screen()) {
            // The frame is known once the window has been shown; until then the client area
            // is centred, a title bar's height off.
            const QSize frame = frameGeometry().size();
            move(screen->availableGeometry().center() -
                 QPoint(frame.width() / 2, frame.height() / 2));
        }
    }
    QDialog::setVisible(visible);
}

}  // namespace varnholt
