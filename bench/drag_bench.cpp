// One drag step of the trench's depth handle: the pointer move, the depth written, the whole
// write-back chain, the geometry, and the repaint of the drawing area; then, end to end, until
// the 3D view's picture of the resized trench is on screen with the window. Median and worst
// over a few hundred steps.
//   xvfb-run -a build/bench/varnholt_bench_drag [steps]
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "scene/viewer.h"
#include "ui/drawing_area.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/soakaway_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::atoi(argv[1]) : 400;
    varnholt::Program program({});
    program.start();
    varnholt::MainWindow& window = program.mainWindow();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    for (auto [field, text] : {std::pair{"txtarea", "100"},
                               {"txtrain", "0.02"},
                               {"txtsinf", "0.00001"},
                               {"txtdepth", "1.5"},
                               {"txtlength", "10"},
                               {"lblwid", "1"}}) {
        auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    auto* area = window.findChild<varnholt::DrawingArea*>(QStringLiteral("drawingarea"));
    const varnholt::Rect grip = program.session().design().trenchElevation().shapes().depthGrip;
    QPoint at = area->toLocal({grip.left + 4, grip.top + 8});
    QTest::mousePress(area, Qt::LeftButton, {}, at);

    varnholt::scene::Viewer& view = window.soakawayView().viewer();
    QTest::qWait(300);  // the smoothed first picture
    std::vector<double> micros;
    std::vector<double> shown;
    for (int i = 0; i < steps; ++i) {
        at.ry() += (i / 20) % 2 ? 1 : -1;  // up and down within a metre of depth
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(area, &move);
        area->repaint();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (view.drawsOpenGL()) {
            QEventLoop loop;
            QObject::connect(&view, &varnholt::scene::Viewer::frameDrawn, &loop, &QEventLoop::quit);
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
            shown.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, at);
    std::sort(micros.begin(), micros.end());
    std::printf("drag step of the depth handle (move, write, chain, geometry, repaint), %d steps\n",
                steps);
    std::printf("  median %8.1f us\n  worst  %8.1f us   (goal: well under 4000 us)\n",
                micros[micros.size() / 2], micros.back());
    if (!shown.empty()) {
        std::sort(shown.begin(), shown.end());
        std::printf("the same step until the 3D view's picture is on screen with the window\n");
        std::printf("  median %8.1f us\n  worst  %8.1f us\n", shown[shown.size() / 2],
                    shown.back());
    }
    std::printf("  depth field at the end: %s\n",
                program.session().record().text(varnholt::Field::txtdepth).c_str());
    return 0;
}
