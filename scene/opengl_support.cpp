#include "opengl_support.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace varnholt::scene {

namespace {
constexpr int kMajor = 2;
constexpr int kMinor = 1;

QString askOpenGL() {
    const QString after = QStringLiteral(" Everything else in the program works as usual.");
    QOpenGLContext context;
    context.setFormat(viewFormat());
    if (!context.create())
        return QStringLiteral("The 3D view cannot be shown: this computer offers no OpenGL.") +
               after;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QStringLiteral("The 3D view cannot be shown: OpenGL could not be started on "
                              "this display.") +
               after;
    const auto [major, minor] = context.format().version();
    context.doneCurrent();
    if (major < kMajor || (major == kMajor && minor < kMinor))
        return QStringLiteral("The 3D view needs OpenGL %1.%2 or later; this computer offers "
                              "only OpenGL %3.%4.")
                   .arg(kMajor)
                   .arg(kMinor)
                   .arg(major)
                   .arg(minor) +
               after;
    return {};
}
}  // namespace

QSurfaceFormat viewFormat() {
    QSurfaceFormat f;
    f.setDepthBufferSize(24);
    f.setSamples(4);
    return f;
}

QString openGLProblem() {
    static const QString problem = askOpenGL();
    return problem;
}

}  // namespace varnholt::scene
