// The program's own start-up, stopped at the first complete paint of its main window with the
// first frame of its 3D view on screen.
#include "first_paint_probe.h"
#include "scene/viewer.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/soakaway_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    varnholt::Program program({});
    // The start waits for the window to be on screen and paints it before it opens a project
    // named on the command line; the 3D view may have shown its first frame by then.
    program.start();
    varnholt::MainWindow& window = program.mainWindow();
    varnholt::scene::Viewer& view = window.soakawayView().viewer();
    FirstPaintProbe probe(&window, view.drawsOpenGL() ? 1 : 0);
    if (view.frames() > 0)
        probe.frameShown();
    else
        QObject::connect(&view, &varnholt::scene::Viewer::frameDrawn, &probe,
                         [&probe] { probe.frameShown(); });
    if (window.windowHandle()->isExposed()) probe.painted();
    return QApplication::exec();
}
