#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "output/documents/program_documents.h"

class QWidget;
class QWindow;

namespace varnholt {

namespace drawings {
class DrawingMenu;
class DrawingWindow;
}  // namespace drawings

// The standard drawings and the maintenance schedule: the drawing menu and the three drawing
// windows, made when first wanted and kept from then on, and the documents opened from the
// program folder.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // `mainWindow` parents the drawing menu and the schedule's message.
    DocumentCommands(const QString& programFolder, QWidget* mainWindow);
    ~DocumentCommands() override;

    ProgramDocuments& documents() { return documents_; }
    // Files go to the desktop's applications (as they do from the start).
    void useDesktop();
    drawings::DrawingMenu& drawingMenu();
    // The ring, the trench with silt trap manhole, the trench without.
    drawings::DrawingWindow& drawingWindow(int index);

    // View Soakaway Drawings: the drawing menu, modal. True when it left a drawing window
    // shown (and active) rather than the main window.
    bool showDrawingMenu();
    // One of the drawing windows, kept beside the main window.
    bool isDrawingWindow(const QWindow* window) const;
    // Maintenance Schedule.
    void openMaintenanceSchedule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeWindows();
    void open(ProgramDocument document, QWidget* messageParent);

    QWidget* mainWindow_;
    QWidget* messageParent_ = nullptr;  // the window of the command that is opening a file
    ProgramDocuments documents_;
    std::array<std::unique_ptr<drawings::DrawingWindow>, 3> windows_;
    std::unique_ptr<drawings::DrawingMenu> menu_;
};

// Hands a file to the application the desktop associates with it; where there is none, says so
// over `messageParent`. False then.
bool openWithDesktop(const std::filesystem::path& file, QWidget* messageParent);

}  // namespace varnholt
