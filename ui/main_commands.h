#pragma once

#include <QObject>
#include <QString>
#include <map>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace varnholt {

// Every command of the main window and the places it is reached from: the menu bar, the
// pop-up menu and the tool bar. Each command is a signal; the main window connects it to what
// carries it out, so the same command does the same thing from every place (apart from the
// few that the pop-up menu opens differently, which have their own signals).
class MainCommands : public QObject {
    Q_OBJECT
public:
    explicit MainCommands(QMainWindow* window);

    QMenu* popupMenu() const { return popup_; }
    QAction* action(const QString& objectName) const;

signals:
    void newProject(bool fromToolBar);
    void openProject();
    void saveProject(bool reportInStatusBar);
    void saveProjectAs();
    void print();
    void printPreview();
    void saveAsPdf();
    void exitProgram();
    void maintenanceSchedule();
    void runoffCoefficient();
    void soilTable();
    void infiltrationTest();
    void designCheck();
    void m560Page();
    void m560Window();
    void drawings();
    void designOptions(bool modal);
    void refreshView();
    void fitView();
    void reportBug();
    void help();
    // Help > Contents: the help pages shipped with the program.
    void contents();
    void about();
    void homePage();
    // The pointer went over a tool-bar button: its tip goes to the status bar.
    void tip(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* make(const QString& name, const QString& text);
    void buildMenus(QMainWindow* window);
    void buildPopup(QMainWindow* window);
    void buildToolBar(QMainWindow* window);

    std::map<QString, QAction*> actions_;
    std::map<QObject*, QString> tips_;
    QMenu* popup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace varnholt
