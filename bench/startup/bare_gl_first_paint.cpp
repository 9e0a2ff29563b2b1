// A bare Qt main window of the same size holding a bare OpenGL widget of the 3D pane's size and
// depth buffer, measured the same way: what any window with such a pane costs to start.
#include <QHBoxLayout>
#include <QMainWindow>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

#include "first_paint_probe.h"

namespace {
class BarePane : public QOpenGLWidget {
public:
    explicit BarePane(FirstPaintProbe& probe) {
        QSurfaceFormat format;
        format.setDepthBufferSize(24);
        setFormat(format);
        connect(this, &QOpenGLWidget::frameSwapped, this, [&probe] { probe.frameShown(); });
    }

protected:
    void paintGL() override {
        context()->functions()->glClearColor(0.22f, 0.69f, 0.87f, 1);
        context()->functions()->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(881, 603);
    FirstPaintProbe probe(&window, 1);
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    auto* pane = new BarePane(probe);
    pane->setFixedWidth(322);
    layout->addWidget(pane);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
