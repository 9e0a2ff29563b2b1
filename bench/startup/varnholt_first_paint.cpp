// The program's own start-up, stopped at the first complete paint of its main window.
#include "first_paint_probe.h"
#include "ui/main_window.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    varnholt::Program program({});
    program.start();  // shows the window; it is painted once the event loop runs
    FirstPaintProbe probe(&program.mainWindow());
    return QApplication::exec();
}
