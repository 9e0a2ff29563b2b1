#include "opengl_support.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <future>

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
    // The version is known once the context is made; making it current would cost a surface.
    const auto [major, minor] = context.format().version();
    if (major < kMajor || (major == kMajor && minor < kMinor))
        return QStringLiteral(
                   "The 3D view needs OpenGL %1.%2 or later; this computer offers "
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
    // No samples asked of the context itself: a multisampled context costs Mesa's software
    // renderer some 75 ms to make, where the views smooth their pictures in a framebuffer of
    // their own (see Viewer).
    QSurfaceFormat f;
    f.setDepthBufferSize(24);
    return f;
}

namespace {
std::shared_future<QString>& probe() {
    static std::shared_future<QString> answer;
    return answer;
}
}  // namespace

void beginOpenGLProbe() {
    if (!probe().valid()) probe() = std::async(std::launch::async, askOpenGL).share();
}

QString openGLProblem() {
    beginOpenGLProbe();
    return probe().get();
}

}  // namespace varnholt::scene
