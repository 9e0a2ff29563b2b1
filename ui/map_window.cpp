#include "map_window.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "svg_pixmap.h"

namespace varnholt {

namespace {

MapPoint mapPoint(QPoint p) {
    return {p.x(), p.y()};
}

}  // namespace

MapPicture::MapPicture(QWidget* parent)
    : QWidget(parent), drag_({MapWindow::pictureSize.width(), MapWindow::pictureSize.height()}) {
    setObjectName(QStringLiteral("imgmap"));
    setFixedSize(MapWindow::pictureSize);
    setCursor(Qt::PointingHandCursor);
}

void MapPicture::resetPlace() {
    drag_.shown();
    move(0, 0);
}

void MapPicture::ensureDrawn() {
    if (picture_.isNull())
        picture_ = svgPixmap(QStringLiteral(":/pictures/map/m560.svg"), MapWindow::pictureSize);
}

void MapPicture::paintEvent(QPaintEvent* event) {
    ensureDrawn();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = picture_.devicePixelRatio();
    painter.drawPixmap(area, picture_,
                       QRectF(area.topLeft() * ratio, QSizeF(area.size()) * ratio).toRect());
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
    drag_.pressed(mapPoint(event->position().toPoint()));
    event->accept();
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) {
    // The window's outer size, frame and title bar included, as the rules are drawn for it.
    const QSize outer = window()->frameGeometry().size();
    if (drag_.moved(mapPoint(event->position().toPoint()),
                    event->buttons().testFlag(Qt::LeftButton), {outer.width(), outer.height()}))
        move(drag_.place().x, drag_.place().y);
    event->accept();
}

MapWindow::MapWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("Tfrmmap"));
    setWindowTitle(QStringLiteral("M5-60 Map of the UK"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/toolbar/map.svg"), QSize(40, 40)));
    // A window left open must not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The map moves inside this area and is cut off at its edges; the caption stays put.
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("mapArea"));
    area->setMinimumSize(1, 1);
    layout->addWidget(area, 1);
    picture_ = new MapPicture(area);

    caption_ = new QLabel(
        QStringLiteral("Rainfall depths of 5 year return period and 60 minutes duration "
                       "(M5-60). The values on the contours are in millimetres of rainfall."),
        area);
    caption_->setObjectName(QStringLiteral("Label1"));
    caption_->setWordWrap(true);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);  // the map is dragged under it
    caption_->setFixedWidth(215);
    caption_->setFixedHeight(caption_->heightForWidth(215));
    caption_->move(8, 8);
    caption_->raise();

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(QStringLiteral("Click and drag the map to view."), status);
    panel->setObjectName(QStringLiteral("StatusBar1Panel"));
    status->addWidget(panel, 1);
    layout->addWidget(status);

    resize(clientSize);
}

void MapWindow::open() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MapWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        picture_->ensureDrawn();
        picture_->resetPlace();
        setWindowState(windowState() &
                       ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        if (!placed_) {
            placed_ = true;
            if (const QScreen* screen = this->screen()) {
                // Centred by its client area: the frame is known only once it has been shown.
                move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
            }
        }
    }
    QWidget::setVisible(visible);
}

}  // namespace varnholt
