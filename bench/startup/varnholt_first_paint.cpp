// The program's own start-up, stopped at the first complete paint of its main window.
#include "first_paint_probe.h"
#include "ui/main_window.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    varnholt::Program program({});
    // The start waits for the window to be on screen and paints it before it opens a project
    // named on the command line; it has been painted when start() returns.
    program.start();
    FirstPaintProbe probe(&program.mainWindow());
    if (program.mainWindow().windowHandle()->isExposed()) probe.painted();
    return QApplication::exec();
}
