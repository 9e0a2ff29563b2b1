#include "viewer.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "opengl_support.h"
#include "renderer.h"

namespace varnholt::scene {

// The OpenGL picture itself. Pointer events pass through to the viewer around it.
class Surface : public QOpenGLWidget {
public:
    Surface(Scene& scene, QWidget* parent) : QOpenGLWidget(parent), scene_(scene) {
        setFormat(viewFormat());
        // The first picture goes up unsmoothed: the software renderer spends longer building
        // its first resolve of the samples than on the whole scene, and the start should not
        // wait for it. The smoothed picture follows once the first is on screen.
        connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
            if (smoothing_) return;
            smoothing_ = true;
            QTimer::singleShot(0, this, [this] { update(); });
        });
        setMouseTracking(false);
    }
    ~Surface() override {
        // The context goes later, in the base class, when the renderer has gone already.
        if (context()) disconnect(context(), nullptr, this, nullptr);
        dropResources();
    }

    QString problem;
    int frames = 0;
    int samples = 0;

protected:
    void initializeGL() override {
        connect(
            context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { dropResources(); },
            Qt::DirectConnection);
        problem = renderer_.initialise();
        if (!problem.isEmpty())
            problem = QStringLiteral(
                "The 3D view cannot be shown: this computer's OpenGL "
                "cannot run its shaders.");
    }

    void paintGL() override {
        if (problem.isEmpty()) {
            const QSize pixels = QSize(width(), height()) * devicePixelRatio();
            QOpenGLFramebufferObject* smooth = smoothing_ ? smoothBuffer(pixels) : nullptr;
            if (smooth) smooth->bind();
            renderer_.render(scene_, pixels, QSizeF(width(), height()), logicalDpiX());
            context()->functions()->glGetIntegerv(GL_SAMPLES, &samples);
            if (smooth) {
                // Resolve the samples into the widget's own framebuffer.
                auto* f = context()->extraFunctions();
                f->glBindFramebuffer(GL_READ_FRAMEBUFFER, smooth->handle());
                f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
                f->glBlitFramebuffer(0, 0, pixels.width(), pixels.height(), 0, 0, pixels.width(),
                                     pixels.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
                f->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
            }
        }
        if (!problem.isEmpty()) {
            QPainter painter(this);
            painter.fillRect(rect(), palette().window());
            painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                             problem);
        }
        ++frames;
    }

private:
    // A multisampled framebuffer of the view's size, where the context can resolve one into
    // another; otherwise the picture is drawn unsmoothed.
    QOpenGLFramebufferObject* smoothBuffer(QSize pixels) {
        if (!QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) return nullptr;
        if (!smooth_ || smooth_->size() != pixels) {
            QOpenGLFramebufferObjectFormat format;
            format.setSamples(kViewSamples);
            format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
            smooth_ = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
            if (!smooth_->isValid()) smooth_.reset();
        }
        return smooth_.get();
    }

    void dropResources() {
        if (!context()) return;
        makeCurrent();
        smooth_.reset();
        renderer_.release();
        doneCurrent();
    }

    Scene& scene_;
    Renderer renderer_;
    bool smoothing_ = false;
    std::unique_ptr<QOpenGLFramebufferObject> smooth_;
};

Viewer::Viewer(Scene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene), navigation_(scene.camera) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // A click gives the view the keyboard; tabbing passes it by, as it has nothing to type in.
    setFocusPolicy(Qt::ClickFocus);
    const QString problem = openGLProblem();
    if (problem.isEmpty()) {
        surface_ = new Surface(scene_, this);
        layout->addWidget(surface_);
        connect(surface_, &QOpenGLWidget::frameSwapped, this, &Viewer::frameDrawn);
        // The right button pans: the pop-up menu waits for a click that did not drag.
        surface_->setContextMenuPolicy(Qt::PreventContextMenu);
    } else {
        message_ = new QLabel(problem, this);
        message_->setObjectName(QStringLiteral("noOpenGL"));
        message_->setAlignment(Qt::AlignCenter);
        message_->setWordWrap(true);
        message_->setMargin(8);
        layout->addWidget(message_);
    }
}

Viewer::~Viewer() = default;

QString Viewer::problem() const {
    if (!surface_) return message_->text();
    return surface_->problem;
}

QImage Viewer::grabFrame() {
    return surface_ ? surface_->grabFramebuffer() : grab().toImage();
}

int Viewer::frames() const {
    return surface_ ? surface_->frames : 0;
}

int Viewer::samples() const {
    return surface_ ? surface_->samples : 0;
}

void Viewer::redraw() {
    if (surface_) surface_->update();
}

void Viewer::mousePressEvent(QMouseEvent* event) {
    navigation_.press(event->position().toPoint());
    if (event->button() == Qt::RightButton) panned_ = false;
}

void Viewer::mouseMoveEvent(QMouseEvent* event) {
    const PointerAction action =
        navigation_.move(event->position().toPoint(), event->buttons(), event->modifiers());
    if (action == PointerAction::None) return;
    if (action == PointerAction::Pan) panned_ = true;
    redraw();
}

void Viewer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || panned_ || !surface_ || !parentWidget()) return;
    // Passed to the windows around the view, as a right click anywhere else would be.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, event->position().toPoint(),
                           event->globalPosition().toPoint(), event->modifiers());
    QCoreApplication::sendEvent(parentWidget(), &menu);
}

void Viewer::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    navigation_.press(event->position().toPoint());
    emit fitRequested();
}

void Viewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Home || (event->modifiers() & ~Qt::KeypadModifier))
        return QWidget::keyPressEvent(event);
    emit fitRequested();
}

}  // namespace varnholt::scene
