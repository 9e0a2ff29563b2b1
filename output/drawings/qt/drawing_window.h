#pragma once

#include <QMainWindow>
#include <QSize>

#include "output/drawings/drawing.h"
#include "output/drawings/standard_drawings.h"

class QAction;

namespace varnholt::drawings {

// A standard drawing's window: its name, caption and the size of its picture on screen.
struct DrawingWindowLayout {
    const char* name;
    const char* caption;
    QSize picture;
};
DrawingWindowLayout drawingWindowLayout(StandardDrawing which);

// Shows a drawing as large as it fits, on white.
class DrawingView : public QWidget {
    Q_OBJECT
public:
    DrawingView(Drawing drawing, QSize picture, QWidget* parent = nullptr);
    QSize sizeHint() const override { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
    QSize picture_;
};

// One standard drawing in a window of its own, with its "Print" menu. It is kept for the whole
// run and only hidden when closed.
class DrawingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DrawingWindow(StandardDrawing which, QWidget* parent = nullptr);

    StandardDrawing which() const { return which_; }
    DrawingView& picture() const { return *view_; }

    // Prints the picture as it is on screen at the top-left of a page of the default printer.
    void printToDefaultPrinter();

signals:
    // "Open drawing in AutoCAD": the drawing's file is to be handed to the CAD program.
    void openInCadRequested();
    // A message for the user, shown by the program's own message box in front of its windows.
    void messageRequested(const QString& text);

private:
    StandardDrawing which_;
    DrawingView* view_;
};

}  // namespace varnholt::drawings
