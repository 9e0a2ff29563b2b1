#include "about_box.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

#include "clickable_picture.h"
#include "link_label.h"
#include "web_links.h"

namespace varnholt {

namespace {

constexpr QSize kViewSize(255, 163);
constexpr QSize kLibraryPictureSize(222, 100);

// A panel sunk into the window around a slot of the given size.
QFrame* sunkenPanel(const QString& name, QSize slot, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    panel->setFixedSize(slot + QSize(2, 2));
    return panel;
}

// The maker's address, made up from the web site's host, since mail goes to the same domain.
QString contactDetails() {
    QString domain = QUrl(webHost()).host();
    if (domain.startsWith(QLatin1String("www."))) domain.remove(0, 4);
    return QStringLiteral(
               "Corvane Systems\nUnit 7, Riverside Works, Mill Lane\n"
               "Elmbury EL1 4QW, United Kingdom\n"
               "Tel. +44 1632 960418\ninfo@") +
           domain;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : FixedDialog(QStringLiteral("Tfrmabout"), QStringLiteral("About Varnholt"), QSize(510, 312),
                  parent) {
    timer_.setParent(this);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &AboutBox::tick);
}

void AboutBox::build() {
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(8, 8, 8, 8);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    viewPanel_ = sunkenPanel(QStringLiteral("Panel1"), kViewSize, this);
    left->addWidget(viewPanel_);
    QWidget* given = view_;  // a view passed in before the box was first shown
    view_ = nullptr;
    setLogoView(given ? given : new QWidget);
    auto* disclaimer = new QLabel(
        QStringLiteral("Corvane Systems takes no liability for the failed performance of "
                       "Soakaways constructed from the output of our software.  Soakaways must "
                       "be maintained regularly to perform correctly."),
        this);
    disclaimer->setObjectName(QStringLiteral("Label1"));
    disclaimer->setWordWrap(true);
    QFont bold = disclaimer->font();
    bold.setBold(true);
    disclaimer->setFont(bold);
    disclaimer->setFixedWidth(viewPanel_->width());
    left->addWidget(disclaimer);
    left->addStretch(1);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    auto* maker = new LinkLabel(QStringLiteral("Label5"), webHost(), this);
    auto* product = new LinkLabel(QStringLiteral("Label7"), productPage().toString(), this);
    right->addWidget(maker);
    right->addWidget(product);
    right->addSpacing(8);
    auto* picture =
        new ClickablePicture(QStringLiteral("Image1"),
                             QStringLiteral(":/pictures/help/qt_opengl.svg"), kLibraryPictureSize);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setToolTip(qtPage().toString());
    QFrame* picturePanel = sunkenPanel(QStringLiteral("Panel2"), kLibraryPictureSize, this);
    picturePanel->layout()->addWidget(picture);
    right->addWidget(picturePanel, 0, Qt::AlignHCenter);
    auto* credit = new QLabel(QStringLiteral("3D drawn with Qt and OpenGL"), this);
    credit->setObjectName(QStringLiteral("Label2"));
    right->addWidget(credit, 0, Qt::AlignHCenter);
    right->addStretch(1);
    // The version the build carries, as its package does: the first thing asked of a report.
    auto* version =
        new QLabel(QStringLiteral("Varnholt version ") + QStringLiteral(VARNHOLT_VERSION), this);
    version->setObjectName(QStringLiteral("lblversion"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    right->addWidget(version);
    auto* contact = new QLabel(contactDetails(), this);
    contact->setObjectName(QStringLiteral("Label3"));
    contact->setTextFormat(Qt::PlainText);
    right->addWidget(contact);
    columns->addLayout(right, 1);

    connect(maker, &LinkLabel::clicked, this, [] { openWebPage(homePage()); });
    connect(product, &LinkLabel::clicked, this, [] { openWebPage(productPage()); });
    connect(picture, &ClickablePicture::clicked, this, [] { openWebPage(qtPage()); });
}

void AboutBox::setLogoView(QWidget* view) {
    if (!view || view == view_) return;
    QWidget* previous = view_;
    view_ = view;
    view->setObjectName(QStringLiteral("GLSceneViewer1"));
    view->setFixedSize(kViewSize);
    view->installEventFilter(this);
    if (!viewPanel_) {  // kept until the box is built
        view->setParent(this);
        view->hide();
        delete previous;
        return;
    }
    if (previous) {
        viewPanel_->layout()->replaceWidget(previous, view);
        delete previous;
    } else {
        viewPanel_->layout()->addWidget(view);
    }
    view->show();
}

void AboutBox::pauseTurning() {
    timer_.stop();
}

void AboutBox::resumeTurning() {
    if (isVisible()) timer_.start();
}

// The user takes hold of the logo to turn it by hand; it turns on by itself when let go.
bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseButtonPress) pauseTurning();
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            resumeTurning();
    }
    return FixedDialog::eventFilter(watched, event);
}

void AboutBox::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    timer_.start();
}

void AboutBox::hideEvent(QHideEvent* event) {
    timer_.stop();
    FixedDialog::hideEvent(event);
}

// A fine-stepping wheel sends parts of a notch; they are added up so that none is lost.
void AboutBox::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120;
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / kNotch;
    wheelAngle_ -= notches * kNotch;
    if (notches != 0) emit wheelTurned(notches);
    event->accept();
}

}  // namespace varnholt
