// One frame of the main window's 3D view on this machine's OpenGL: drawn (the scene, smoothed,
// and read back, as the view draws it for a grab), and end to end (a pointer move that orbits
// the camera, the scene drawn and smoothed, the whole window composed and put on screen).
// Median and worst at the start size, then with the window at the screen's size.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/varnholt_bench_frame [frames]
#include <QApplication>
#include <QEventLoop>
#include <QOpenGLWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "scene/viewer.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/soakaway_view.h"

namespace {

bool nextFrame(varnholt::scene::Viewer& viewer) {
    QEventLoop loop;
    QObject::connect(&viewer, &varnholt::scene::Viewer::frameDrawn, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

void report(std::vector<double> millis, const char* what, QSize size) {
    std::sort(millis.begin(), millis.end());
    std::printf("  %-30s %4d x %4d   median %6.2f ms   worst %6.2f ms\n", what, size.width(),
                size.height(), millis[millis.size() / 2], millis.back());
}

bool measure(varnholt::scene::Viewer& viewer, int frames, const char* where) {
    auto* surface = viewer.findChild<QOpenGLWidget*>();
    if (!surface) {
        std::fprintf(stderr, "no OpenGL: %s\n", qPrintable(viewer.problem()));
        return false;
    }
    std::vector<double> drawn;
    for (int i = 0; i < frames + 5; ++i) {
        viewer.scene().camera.orbit(1, 0);
        const auto start = std::chrono::steady_clock::now();
        const QImage picture = viewer.grabFrame();
        const auto end = std::chrono::steady_clock::now();
        if (picture.isNull()) return false;
        if (i >= 5) drawn.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    report(drawn, (std::string(where) + ", drawn").c_str(), surface->size());
    const QPoint from(surface->width() / 2, surface->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, from, surface->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &press);
    std::vector<double> millis;
    for (int i = 0; i < frames + 5; ++i) {
        const QPoint at = from + QPoint((i / 30) % 2 ? -1 : 1, 0) * (i % 30);
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(surface, &move);
        if (!nextFrame(viewer)) return false;
        const auto end = std::chrono::steady_clock::now();
        if (i >= 5)
            millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    report(millis, (std::string(where) + ", on screen").c_str(), surface->size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;
    varnholt::Program program({std::string(VARNHOLT_SAMPLE)});
    program.start();
    varnholt::MainWindow& window = program.mainWindow();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    varnholt::scene::Viewer& viewer = window.soakawayView().viewer();
    QTest::qWait(200);
    std::printf("one frame of the 3D view, %d frames each\n", frames);
    if (!measure(viewer, frames, "start size")) return 1;
    window.setGeometry(window.screen()->geometry());
    window.showMaximized();
    QTest::qWait(300);
    if (!measure(viewer, frames, "at the screen's size")) return 1;
    std::printf("  (goal: under 4 ms at the start size)\n");
    return 0;
}
