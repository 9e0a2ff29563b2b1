#include "main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "bar_scroll_area.h"
#include "detail_pages.h"
#include "drawing_area.h"
#include "input_pages.h"
#include "main_commands.h"
#include "soakaway_view.h"
#include "status_panels.h"
#include "svg_pixmap.h"
#include "zoom_panel.h"

namespace varnholt {

namespace {
// The input pages, the zoom bar and enough of the drawing to see a trench.
constexpr int kLeastBodyHeight = 85 + 26 + 120;
}  // namespace

MainWindow::MainWindow(DesignSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session), commands_(new MainCommands(this)) {
    setObjectName(QStringLiteral("Tfrmmain"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/varnholt.svg"), QSize(64, 64)));
    setMinimumSize(700, 180);
    resize(881, 603);

    // Below the size the pages and panes need, the window's body scrolls rather than laying
    // its parts over each other.
    auto* scroller = new BarScrollArea(QStringLiteral("bodyscroll"), this);
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("body"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    inputPages_ = new InputPages(session_, central);
    layout->addWidget(inputPages_);
    layout->addWidget(buildBody(), 1);
    central->setMinimumHeight(kLeastBodyHeight);
    // The input pages grow a row when the window narrows: the drawings' top limit follows.
    inputPages_->installEventFilter(this);
    zoomPanel_->installEventFilter(this);
    scroller->setWidget(central);
    setCentralWidget(scroller);

    status_ = new StatusPanels(this);
    setStatusBar(status_);
    connect(commands_, &MainCommands::tip, this, [this](const QString& text) {
        session_.design().record().status.tips = text.toStdString();
        status_->setPanels(session_.record().status);
    });
    connect(&session_, &DesignSession::changed, this, &MainWindow::sync);
    session_.setMessageParent(this);
    sync();
}

QWidget* MainWindow::buildBody() {
    splitmain_ = new QSplitter(Qt::Horizontal);
    splitmain_->setObjectName(QStringLiteral("splitmain"));
    splitmain_->setHandleWidth(8);
    splitmain_->setChildrenCollapsible(false);

    detailPages_ = new DetailPages(session_, splitmain_);
    splitmain_->addWidget(detailPages_);

    auto* right = new QWidget(splitmain_);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    zoomPanel_ = new ZoomPanel(right);
    rightLayout->addWidget(zoomPanel_);
    splitter1_ = new QSplitter(Qt::Horizontal, right);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->setHandleWidth(9);
    splitter1_->setChildrenCollapsible(false);
    auto* drawingScroll = new BarScrollArea(QStringLiteral("drawingscroll"), splitter1_);
    drawingArea_ = new DrawingArea(session_);
    drawingScroll->setWidget(drawingArea_);
    drawingScroll->setMinimumWidth(60);
    splitter1_->addWidget(drawingScroll);
    soakawayView_ = new SoakawayView(splitter1_);
    splitter1_->addWidget(soakawayView_);
    connect(zoomPanel_->zoomIn(), &QPushButton::clicked, soakawayView_, &SoakawayView::zoomIn);
    connect(zoomPanel_->zoomOut(), &QPushButton::clicked, soakawayView_, &SoakawayView::zoomOut);
    connect(zoomPanel_->fitView(), &QPushButton::clicked, soakawayView_, &SoakawayView::fitView);
    connect(zoomPanel_->showAxes(), &QCheckBox::toggled, soakawayView_, &SoakawayView::setShowAxes);
    connect(zoomPanel_->showSiltTrap(), &QCheckBox::toggled, soakawayView_,
            &SoakawayView::setShowSiltTrap);
    // A larger window widens the drawing and the 3D view alike; the detail pages keep theirs.
    splitter1_->setStretchFactor(0, 1);
    splitter1_->setStretchFactor(1, 1);
    splitter1_->setSizes({881 - 273 - 8 - 9 - 322, 322});
    rightLayout->addWidget(splitter1_, 1);
    splitmain_->addWidget(right);
    splitmain_->setStretchFactor(0, 0);
    splitmain_->setStretchFactor(1, 1);
    splitmain_->setSizes({273, 881 - 273 - 8});
    connect(splitmain_, &QSplitter::splitterMoved, this, [this] {
        updatePaneBounds();
        drawingArea_->sync();
    });
    return splitmain_;
}

void MainWindow::sync() {
    updatePaneBounds();  // the pages may have changed their rows since the last layout
    const DesignRecord& record = session_.record();
    // The window system shows the mark of unsaved changes where the placeholder stands; a
    // "[*]" in a path is doubled to be shown as it is.
    QString caption = QString::fromStdString(record.caption);
    caption.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    caption += QLatin1String("[*]");
    if (windowTitle() != caption) setWindowTitle(caption);
    setWindowModified(unsavedChanges_ && unsavedChanges_());
    inputPages_->sync();
    detailPages_->sync();
    drawingArea_->sync();
    soakawayView_->showDesign(session_.design().scene());
    status_->setPanels(record.status);
}

void MainWindow::updatePaneBounds() {
    const int splitterRight = drawingArea_->clientOrigin().x();
    auto bottomOf = [&](QWidget* w) { return clientPosition(w).y() + w->height(); };
    // The zoom bar lies across the drawing area below the input pages: a shape dragged under it
    // would hide its handles, so its bottom is the limit where it lies lower.
    const int top = std::max(bottomOf(inputPages_), bottomOf(zoomPanel_));
    session_.design().setPaneBounds(splitterRight, top);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
    if ((watched == inputPages_ || watched == zoomPanel_) && moved) {
        updatePaneBounds();
        drawingArea_->sync();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The repaint that comes with a new size wipes the traced lines; they are traced again.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    updatePaneBounds();
    if (shown_) session_.act([this] { session_.design().windowResized(); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    updatePaneBounds();
    if (shown_) return;
    shown_ = true;
    if (firstShow_) firstShow_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeRequest_ && !closeRequest_()) {
        event->ignore();
        return;
    }
    event->accept();
}

// Wheel turns that no control under the pointer takes zoom the 3D view: towards the user in.
void MainWindow::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(notches); ++i) {
        if (notches < 0)
            soakawayView_->zoomIn();
        else
            soakawayView_->zoomOut();
    }
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    commands_->popupMenu()->popup(event->globalPos());
    event->accept();
}

}  // namespace varnholt
