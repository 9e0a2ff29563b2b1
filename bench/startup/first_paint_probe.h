#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// Ends the process once `window` has been painted completely for the first time, and its
// `frames` OpenGL panes have each put their first frame on screen: the paint event starts the
// repaint of the whole window, and a zero timer fires only after it and its flush to the
// screen are done.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window, int frames = 0) : window_(window), frames_(frames) {
        window->installEventFilter(this);
    }

    // The window has been painted: the process ends once that paint is flushed.
    void painted() {
        if (seen_) return;
        seen_ = true;
        finishWhenDone();
    }
    // An OpenGL pane has shown its first frame.
    void frameShown() {
        if (frames_ == 0) return;
        --frames_;
        finishWhenDone();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) painted();
        return false;
    }

private:
    void finishWhenDone() {
        if (!seen_ || frames_ > 0 || done_) return;
        done_ = true;
        QTimer::singleShot(0, [] {
            std::printf("painted\n");
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }

    QWidget* window_;
    int frames_;
    bool seen_ = false;
    bool done_ = false;
};
