#pragma once

#include <QMainWindow>
#include <functional>

#include "design_session.h"

class QSplitter;

namespace varnholt {

class DetailPages;
class DrawingArea;
class InputPages;
class MainCommands;
class SoakawayView;
class StatusPanels;
class ZoomPanel;

// Tfrmmain: hosts the pages of inputs, the detail pages, the drawing area, the 3D view and the
// status bar, and re-reads all of them from the design after every action. What the commands
// do is wired by the program (see program.h); this class only lays the window out.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(DesignSession& session, QWidget* parent = nullptr);

    MainCommands& commands() const { return *commands_; }
    InputPages& inputPages() const { return *inputPages_; }
    StatusPanels& statusPanels() const { return *status_; }
    SoakawayView& soakawayView() const { return *soakawayView_; }

    // Runs once, when the window is first shown (the design's first show and the project
    // named on the command line).
    void setFirstShowAction(std::function<void()> action) { firstShow_ = std::move(action); }
    // Decides whether the window may close (the exit question).
    void setCloseRequest(std::function<bool()> request) { closeRequest_ = std::move(request); }
    // Whether the project has unsaved changes, which the caption marks.
    void setUnsavedChanges(std::function<bool()> query) { unsavedChanges_ = std::move(query); }

    void sync();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBody();
    // Tells the design where the splitter's right edge and the input pages' bottom are.
    void updatePaneBounds();

    DesignSession& session_;
    MainCommands* commands_;
    InputPages* inputPages_ = nullptr;
    DetailPages* detailPages_ = nullptr;
    DrawingArea* drawingArea_ = nullptr;
    ZoomPanel* zoomPanel_ = nullptr;
    SoakawayView* soakawayView_ = nullptr;
    QSplitter* splitmain_ = nullptr;
    QSplitter* splitter1_ = nullptr;
    StatusPanels* status_ = nullptr;
    std::function<void()> firstShow_;
    std::function<bool()> closeRequest_;
    std::function<bool()> unsavedChanges_;
    bool shown_ = false;
};

}  // namespace varnholt
