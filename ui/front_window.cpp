#include "front_window.h"

#include <QApplication>
#include <QWidget>

namespace varnholt {

QWidget* frontWindow(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    // A box over the main window would still lie under a window kept on top of it.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const bool window = w->windowType() == Qt::Window || w->windowType() == Qt::Dialog;
        if (window && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return w;
    }
    if (fallback && fallback->isVisible()) return fallback;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallback;
}

}  // namespace varnholt
