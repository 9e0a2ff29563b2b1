#include "main_commands.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "svg_pixmap.h"

namespace varnholt {

MainCommands::MainCommands(QMainWindow* window) : QObject(window) {
    buildMenus(window);
    buildPopup(window);
    buildToolBar(window);
}

QAction* MainCommands::make(const QString& name, const QString& text) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    actions_[name] = a;
    return a;
}

QAction* MainCommands::action(const QString& objectName) const {
    const auto it = actions_.find(objectName);
    return it == actions_.end() ? nullptr : it->second;
}

void MainCommands::buildMenus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(make("New1", "&New"));
    file->addAction(make("Open1", "&Open"));
    file->addAction(make("Save1", "&Save"));
    file->addAction(make("SaveAs1", "Save &As"));
    file->addAction(make("Print1", "&Print"));
    file->addAction(make("PrintPreview1", "Print Pre&view"));
    file->addAction(make("SaveAsPdf1", "Save as P&DF..."));
    file->addSeparator();
    file->addAction(make("Exit1", "E&xit"));
    // The desktop's usual keys, and F12 for Save As as the program always had it.
    action("New1")->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    action("Open1")->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    action("Save1")->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    action("SaveAs1")->setShortcuts(
        {QKeySequence(QStringLiteral("F12")), QKeySequence(QStringLiteral("Ctrl+Shift+S"))});
    action("Print1")->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    action("Exit1")->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("Tools1"));
    view->addAction(make("MaintenanceSchedule1", "&Maintenance Schedule"));
    view->addSeparator();
    view->addAction(make("VolumetricRunoffCoefficeint1", "&Volumetric Runoff Coefficient"));
    view->addAction(make("pdmsoiltable", "Soil Infiltration Rate &Table"));
    view->addAction(make("pdmcalcsoilinf", "&Calculate Soil Infiltration Rate"));
    view->addAction(make("pdmdesigncheck", "&Design Check"));
    view->addAction(make("pdm560", "View M5-60 Ma&p"));
    view->addAction(make("ViewSoakawayDrawings1", "View Soakaway Dra&wings"));
    view->addSeparator();
    view->addAction(make("pdmoptions", "Design &Options"));
    view->addAction(make("RefreshView1", "&Refresh View"));
    view->addAction(make("FitView1", "&Fit View"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(make("ReportaBug1", "Report a &Bug!"));
    help->addAction(make("Contents1", "&Contents"));
    help->addAction(make("About1", "&About"));
    action("Contents1")->setShortcut(QKeySequence(QStringLiteral("F1")));
    connect(action("Contents1"), &QAction::triggered, this, &MainCommands::contents);

    connect(action("New1"), &QAction::triggered, this, [this] { emit newProject(false); });
    connect(action("Open1"), &QAction::triggered, this, &MainCommands::openProject);
    connect(action("Save1"), &QAction::triggered, this, [this] { emit saveProject(true); });
    connect(action("SaveAs1"), &QAction::triggered, this, &MainCommands::saveProjectAs);
    connect(action("Print1"), &QAction::triggered, this, &MainCommands::print);
    connect(action("PrintPreview1"), &QAction::triggered, this, &MainCommands::printPreview);
    connect(action("SaveAsPdf1"), &QAction::triggered, this, &MainCommands::saveAsPdf);
    connect(action("Exit1"), &QAction::triggered, this, &MainCommands::exitProgram);
    connect(action("MaintenanceSchedule1"), &QAction::triggered, this,
            &MainCommands::maintenanceSchedule);
    connect(action("VolumetricRunoffCoefficeint1"), &QAction::triggered, this,
            &MainCommands::runoffCoefficient);
    connect(action("pdmsoiltable"), &QAction::triggered, this, &MainCommands::soilTable);
    connect(action("pdmcalcsoilinf"), &QAction::triggered, this, &MainCommands::infiltrationTest);
    connect(action("pdmdesigncheck"), &QAction::triggered, this, &MainCommands::designCheck);
    connect(action("pdm560"), &QAction::triggered, this, &MainCommands::m560Page);
    connect(action("ViewSoakawayDrawings1"), &QAction::triggered, this, &MainCommands::drawings);
    connect(action("pdmoptions"), &QAction::triggered, this, [this] { emit designOptions(false); });
    connect(action("RefreshView1"), &QAction::triggered, this, &MainCommands::refreshView);
    connect(action("FitView1"), &QAction::triggered, this, &MainCommands::fitView);
    connect(action("ReportaBug1"), &QAction::triggered, this, &MainCommands::reportBug);

    connect(action("About1"), &QAction::triggered, this, &MainCommands::about);
}

void MainCommands::buildPopup(QMainWindow* window) {
    popup_ = new QMenu(window);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    popup_->addAction(make("DesignOptions1", "Design &Options"));
    popup_->addAction(make("ViewM560Map1", "View M5-60 Ma&p"));
    popup_->addAction(make("DesignCheck1", "&Design Check"));
    popup_->addAction(make("ViewSoakawayDrawings2", "View Soakaway Dra&wings"));
    popup_->addAction(make("PrintPreview2", "Print Pre&view"));
    popup_->addAction(make("RefreshView2", "&Refresh View"));
    popup_->addAction(make("FitView2", "&Fit View"));
    connect(action("DesignOptions1"), &QAction::triggered, this,
            [this] { emit designOptions(true); });
    connect(action("ViewM560Map1"), &QAction::triggered, this, &MainCommands::m560Window);
    connect(action("DesignCheck1"), &QAction::triggered, this, &MainCommands::designCheck);
    connect(action("ViewSoakawayDrawings2"), &QAction::triggered, this, &MainCommands::drawings);
    connect(action("PrintPreview2"), &QAction::triggered, this, &MainCommands::printPreview);
    connect(action("RefreshView2"), &QAction::triggered, this, &MainCommands::refreshView);
    connect(action("FitView2"), &QAction::triggered, this, &MainCommands::fitView);
}

void MainCommands::buildToolBar(QMainWindow* window) {
    toolBar_ = window->addToolBar(QStringLiteral("Tool bar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar2"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(40, 40));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setFixedHeight(55);

    struct Button {
        const char* name;
        const char* icon;
        const char* hint;
    };
    const Button buttons[] = {
        {"tbfilenew", "new", "Create New Soakaway project."},
        {"tbfileopen", "open", "Open Soakaway project."},
        {"tbfilesave", "save", "Save Soakaway project."},
        {nullptr, nullptr, nullptr},
        {"tbprint1", "print", "Print data sheet of current project."},
        {"tbprintpreview1", "printpreview", "Print preview data sheet of current project."},
        {"tboptions1", "options", "View design options."},
        {"tbdrawing2", "drawings", "View standard drawings of typical soakaways."},
        {"tbmap1", "map", "View Online Rainfall map."},
        {"tbhome1", "home",
         "Go to Corvane Systems home page to view up to date information on soakaway designs."},
        {"tbpdf", "schedule", "View Soakaway maintenance schedule."},
        {"tbhelp1", "help", "View Online Help files."},
        {"tbexit1", "exit", "Exit Varnholt."},
    };
    for (const Button& b : buttons) {
        if (!b.name) {
            toolBar_->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(b.name);
        QAction* a = make(name + QStringLiteral("_action"), QString());
        a->setIcon(svgIcon(QStringLiteral(":/icons/toolbar/%1.svg").arg(QLatin1String(b.icon)),
                           QSize(40, 40)));
        a->setToolTip(QString::fromLatin1(b.hint));
        toolBar_->addAction(a);
        QWidget* button = toolBar_->widgetForAction(a);
        button->setObjectName(name);
        button->setFixedSize(47, 47);
        button->installEventFilter(this);
        tips_[button] = QString::fromLatin1(b.hint);
    }

    auto on = [this](const char* name, auto&& fn) {
        connect(action(QString::fromLatin1(name) + QStringLiteral("_action")), &QAction::triggered,
                this, fn);
    };
    on("tbfilenew", [this] { emit newProject(true); });
    on("tbfileopen", [this] { emit openProject(); });
    on("tbfilesave", [this] { emit saveProject(true); });
    on("tbprint1", [this] { emit print(); });
    on("tbprintpreview1", [this] { emit printPreview(); });
    on("tboptions1", [this] { emit designOptions(false); });
    on("tbdrawing2", [this] { emit drawings(); });
    on("tbmap1", [this] { emit m560Page(); });
    on("tbhome1", [this] { emit homePage(); });
    on("tbpdf", [this] { emit maintenanceSchedule(); });
    on("tbhelp1", [this] { emit help(); });
    on("tbexit1", [this] { emit exitProgram(); });
}

bool MainCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        const auto it = tips_.find(watched);
        if (it != tips_.end()) emit tip(it->second);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace varnholt
