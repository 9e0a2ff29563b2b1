#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "design_session.h"
#include "project/project_lifecycle.h"
#include "project/qt/file_storage.h"
#include "qt_project_prompts.h"

namespace varnholt {

class AboutBox;
class AboutLogo;
class DesignCheckDialog;
class BugReportWindow;
class DocumentCommands;
class FixedDialog;
class MainWindow;
class MapWindow;
class OptionsDialog;
class RainfallDialog;
class RunoffDialog;
class SheetCommands;
class SoilTableDialog;
class TrialPitDialog;

// The running program: the design, the main window and the windows created with it, in the
// order of start-up, and the wiring of the main window's commands to them.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(std::vector<std::string> arguments);
    ~Program() override;

    // Creates the windows (main window first, all hidden), shows the main window, opens a
    // project named on the command line once the window is on screen, and makes it active.
    void start();

    DesignSession& session() { return session_; }
    MainWindow& mainWindow() { return *main_; }

    // The windows made with the program, reached only by the tests that drive them.
    OptionsDialog& optionsDialog() { return *options_; }
    DocumentCommands& documents() { return *documents_; }
    AboutBox& aboutBox() { return *about_; }
    // Made when the about box first opens.
    AboutLogo* aboutLogo() { return logo_.get(); }
    MapWindow& mapWindow() { return *map_; }
    TrialPitDialog& trialPitDialog() { return *trialPit_; }
    SoilTableDialog& soilTableDialog() { return *soilTable_; }
    RainfallDialog& rainfallDialog() { return *rainfall_; }
    DesignCheckDialog& designCheckDialog() { return *designCheck_; }
    // The program folder whose help pages Help > Contents shows.
    void setHelpFolder(QString folder) { helpFolder_ = std::move(folder); }

    // The main window becomes the active window of the program again.
    void activated();

private:
    void wireCommands();
    void replaceProject(const std::function<void()>& command);
    void firstShow();
    static void waitUntilOnScreen(QWidget& window);
    void focusMoved(QWindow* now);
    void openRunoffDialog();
    void openOptions(bool modal);
    void openAbout();
    void openTrialPit();
    void openSoilTable();
    void openModal(FixedDialog& window);
    bool closeRequested();

    std::vector<std::string> arguments_;
    DesignSession session_;
    FileStorage storage_;
    QtProjectPrompts prompts_;
    ProjectLifecycle lifecycle_;
    std::unique_ptr<AboutLogo> logo_;  // outlives the about box that shows it
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<MapWindow> map_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<RunoffDialog> runoff_;
    std::unique_ptr<BugReportWindow> reportBug_;
    std::unique_ptr<TrialPitDialog> trialPit_;
    std::unique_ptr<SoilTableDialog> soilTable_;
    std::unique_ptr<RainfallDialog> rainfall_;
    std::unique_ptr<DesignCheckDialog> designCheck_;
    SheetCommands* sheet_ = nullptr;  // owned by the main window
    std::unique_ptr<DocumentCommands> documents_;
    QPointer<QWindow> lastFocus_;
    QString helpFolder_;
};

// Today in the desktop's short date form, for the status bar.
std::string shortDateToday();

}  // namespace varnholt
