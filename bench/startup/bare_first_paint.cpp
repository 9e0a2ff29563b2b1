// A bare Qt main window of the same size, measured the same way, for comparison.
#include <QMainWindow>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(881, 603);
    FirstPaintProbe probe(&window);
    window.show();
    return QApplication::exec();
}
