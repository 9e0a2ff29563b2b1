#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// Ends the process once `window` has been painted completely for the first time: the paint
// event starts the repaint of the whole window, and a zero timer fires only after it and its
// flush to the screen are done.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window) : window_(window) {
        window->installEventFilter(this);
    }

    // The window has been painted: the process ends once that paint is flushed.
    void painted() {
        if (seen_) return;
        seen_ = true;
        QTimer::singleShot(0, [] {
            std::printf("painted\n");
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) painted();
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};
