#include "viewer.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "opengl_support.h"
#include "renderer.h"

namespace varnholt::scene {

// The OpenGL picture itself. Pointer events pass through to the viewer around it.
class Surface : public QOpenGLWidget {
public:
    Surface(Scene& scene, QWidget* parent) : QOpenGLWidget(parent), scene_(scene) {
        setFormat(viewFormat());
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
        connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { dropResources(); },
                Qt::DirectConnection);
        problem = renderer_.initialise();
        if (!problem.isEmpty())
            problem = QStringLiteral("The 3D view cannot be shown: this computer's OpenGL "
                                     "cannot run its shaders.");
    }

    void paintGL() override {
        if (problem.isEmpty()) {
            renderer_.render(scene_, QSize(width(), height()) * devicePixelRatio(),
                             QSizeF(width(), height()), logicalDpiX());
            context()->functions()->glGetIntegerv(GL_SAMPLES, &samples);
        }
        QPainter painter(this);
        if (!problem.isEmpty()) {
            painter.fillRect(rect(), palette().window());
            painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                             problem);
        } else {
            drawCaptions(painter);
        }
        ++frames;
    }

private:
    void drawCaptions(QPainter& painter) {
        // Arial in cells 15 pixels high: 13-pixel type.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        painter.setFont(font);
        for (const Caption& c : scene_.captions) {
            if (!c.shown()) continue;
            painter.setPen(c.colour);
            painter.drawText(QRect(c.at, QSize(width(), 15)), Qt::AlignLeft | Qt::AlignTop,
                             c.text);
        }
    }

    void dropResources() {
        if (!context()) return;
        makeCurrent();
        renderer_.release();
        doneCurrent();
    }

    Scene& scene_;
    Renderer renderer_;
};

Viewer::Viewer(Scene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene), navigation_(scene.camera) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
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

QImage Viewer::grabFrame() { return surface_ ? surface_->grabFramebuffer() : grab().toImage(); }

int Viewer::frames() const { return surface_ ? surface_->frames : 0; }

int Viewer::samples() const { return surface_ ? surface_->samples : 0; }

void Viewer::redraw() {
    if (surface_) surface_->update();
}

void Viewer::mousePressEvent(QMouseEvent* event) {
    navigation_.press(event->position().toPoint());
    if (event->button() == Qt::RightButton) panned_ = false;
    emit pointerPressed();
}

void Viewer::mouseMoveEvent(QMouseEvent* event) {
    const PointerAction action =
        navigation_.move(event->position().toPoint(), event->buttons(), event->modifiers());
    if (action == PointerAction::None) return;
    if (action == PointerAction::Pan) panned_ = true;
    redraw();
    emit navigated(action);
}

void Viewer::mouseReleaseEvent(QMouseEvent* event) {
    emit pointerReleased();
    if (event->button() != Qt::RightButton || panned_ || !surface_ || !parentWidget()) return;
    // Passed to the windows around the view, as a right click anywhere else would be.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, event->position().toPoint(),
                           event->globalPosition().toPoint(), event->modifiers());
    QCoreApplication::sendEvent(parentWidget(), &menu);
}

void Viewer::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (wheelStep_ == 0 || notches == 0) {
        event->ignore();
        return;
    }
    // Each notch its own step, in single precision, as repeated presses would be.
    for (int i = 0; i < std::abs(notches); ++i)
        scene_.camera.addToScale(notches < 0 ? wheelStep_ : -wheelStep_);
    redraw();
}

}  // namespace varnholt::scene
