#include "drawing_window.h"

#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "drawing_painter.h"
#include "window_printing.h"

namespace varnholt::drawings {

DrawingWindowLayout drawingWindowLayout(StandardDrawing which) {
    switch (which) {
        case StandardDrawing::ring:
            return {"Tfrmdrawring", "Precast Concrete Ring Soakaway", {510, 382}};
        case StandardDrawing::trenchWithSiltTrap:
            return {"Tfrmdrawtrenchsilt", "Trench Soakaway with Silt Trap Manhole", {798, 290}};
        case StandardDrawing::trench:
            return {"Tfrmdrawtrench", "Trench Soakaway without Silt Trap Manhole", {703, 241}};
    }
    return {};
}

DrawingView::DrawingView(Drawing drawing, QSize picture, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)), picture_(picture) {
    setObjectName(QStringLiteral("Image1"));
    setMinimumSize(picture_ / 4);
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintDrawing(painter, drawing_, rect());
}

DrawingWindow::DrawingWindow(StandardDrawing which, QWidget* parent)
    : QMainWindow(parent), which_(which) {
    const DrawingWindowLayout layout = drawingWindowLayout(which);
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(QString::fromLatin1(layout.caption));
    view_ = new DrawingView(standardDrawing(which), layout.picture, this);
    setCentralWidget(view_);

    QMenu* print = menuBar()->addMenu(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("Print1"));
    QAction* toPrinter = print->addAction(QStringLiteral("Print to default Printer"));
    toPrinter->setObjectName(QStringLiteral("PrinttodefaultPrinter1"));
    QAction* toCad = print->addAction(QStringLiteral("Open drawing in AutoCAD"));
    toCad->setObjectName(QStringLiteral("OpendrawinginAutoCAD1"));
    connect(toPrinter, &QAction::triggered, this, &DrawingWindow::printToDefaultPrinter);
    connect(toCad, &QAction::triggered, this, &DrawingWindow::openInCadRequested);

    resize(layout.picture.width(), layout.picture.height() + menuBar()->sizeHint().height());
}

void DrawingWindow::printToDefaultPrinter() {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        emit messageRequested(QStringLiteral("There is no default printer currently selected."));
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printWidgetImage(*view_, printer);
}

}  // namespace varnholt::drawings
