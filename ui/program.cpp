#include "program.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFont>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "about_box.h"
#include "about_logo.h"
#include "bug_report_window.h"
#include "design_check_dialog.h"
#include "desktop_registration.h"
#include "detail_pages.h"
#include "document_commands.h"
#include "help_window.h"
#include "input_pages.h"
#include "main_commands.h"
#include "main_window.h"
#include "map_window.h"
#include "options_dialog.h"
#include "program_folder.h"
#include "project/command_line.h"
#include "rainfall_dialog.h"
#include "runoff_dialog.h"
#include "scene/opengl_support.h"
#include "scene/viewer.h"
#include "sheet_commands.h"
#include "soakaway_view.h"
#include "soil_table_dialog.h"
#include "status_panels.h"
#include "trial_pit_dialog.h"
#include "web_links.h"

// The pictures are compiled into the ui library; a static library must register them itself.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace varnholt {

std::string shortDateToday() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

Program::Program(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)), lifecycle_(session_.design(), prompts_, storage_) {
    registerResources();
}

Program::~Program() = default;

void Program::start() {
    scene::beginOpenGLProbe();
    // Arial's metrics (Liberation Sans), which the window's layout was drawn for.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    Design& design = session_.design();
    handOverCommandLine(design.record(), arguments_);
    if (arguments_.empty()) registerProjectFileType();

    main_ = std::make_unique<MainWindow>(session_);
    prompts_.setParent(main_.get());
    prompts_.setBeforeModal([this] { session_.refreshViews(); });
    design.create(shortDateToday());
    map_ = std::make_unique<MapWindow>();
    documents_ = std::make_unique<DocumentCommands>(programFolder(), main_.get());
    helpFolder_ = programFolder();
    about_ = std::make_unique<AboutBox>(main_.get());
    trialPit_ = std::make_unique<TrialPitDialog>(session_, programFolder(), main_.get());
    options_ = std::make_unique<OptionsDialog>(session_, main_.get());
    runoff_ = std::make_unique<RunoffDialog>(session_, main_.get());
    soilTable_ = std::make_unique<SoilTableDialog>(session_, main_.get());
    reportBug_ = std::make_unique<BugReportWindow>(main_.get());
    rainfall_ = std::make_unique<RainfallDialog>(session_, main_.get());
    designCheck_ = std::make_unique<DesignCheckDialog>(session_, main_.get());
    sheet_ = new SheetCommands(session_, main_.get());
    wireCommands();
    main_->setFirstShowAction([this] { firstShow(); });
    session_.refreshViews();

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Program::focusMoved);
    main_->show();
    // The project named on the command line opens over the window, not before it appears:
    // a message about a broken file must not come up over an empty screen.
    waitUntilOnScreen(*main_);
    session_.act([this] { commandload(session_.design(), lifecycle_, arguments_); });
    activated();
    // What start-up and the project it opened hold is nothing the user has changed.
    lifecycle_.rememberAsSaved();
    main_->sync();
}

void Program::firstShow() {
    session_.act([this] { session_.design().firstShow(); });
}

void Program::waitUntilOnScreen(QWidget& window) {
    // The window system exposes the window in its own time; the timer only bounds each wait.
    QTimer wake;
    wake.start(10);
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Handling the expose event has painted it.
}

void Program::activated() {
    session_.act([this] { session_.design().activate(); });
}

// The main window counts as activated when the user comes back to it from another of the
// program's own windows left open beside it (the options, a drawing, the map); message boxes
// and the return from modal windows (handled where they close) do not count.
void Program::focusMoved(QWindow* now) {
    QWindow* previous = lastFocus_;
    lastFocus_ = now;
    if (!now || !previous || now != main_->windowHandle()) return;
    if (options_->windowHandle() == previous && !options_->isModal()) activated();
    if (documents_->isDrawingWindow(previous)) activated();
    if (map_->windowHandle() == previous) activated();
}

// Exit, the tool bar's exit button and the close box all ask the same question.
bool Program::closeRequested() {
    bool mayEnd = false;
    session_.act([&] { mayEnd = lifecycle_.closeprog(); });
    return mayEnd;
}

void Program::openRunoffDialog() {
    runoff_->open();
    activated();
}

void Program::openOptions(bool modal) {
    if (!modal) return options_->openModeless();
    if (options_->openedModeless()) return options_->openModal();  // brought to the front only
    options_->openModal();
    activated();
}

// The logo's scene is built when the box first opens: its solid letters and painted skies are
// nothing the start needs.
void Program::openAbout() {
    if (!logo_) {
        logo_ = std::make_unique<AboutLogo>();
        about_->setLogoView(logo_->makeView(nullptr));
        connect(about_.get(), &AboutBox::tick, logo_.get(), &AboutLogo::turnOneStep);
        connect(about_.get(), &AboutBox::wheelTurned, logo_.get(), &AboutLogo::zoom);
    }
    openModal(*about_);
}

void Program::openTrialPit() {
    trialPit_->openModal();
    activated();
}

void Program::openSoilTable() {
    soilTable_->openModal();
    activated();
}

void Program::openModal(FixedDialog& window) {
    window.openModal();
    activated();
}

// New and Open: a project that takes the place of the one before is seen whole, once.
void Program::replaceProject(const std::function<void()>& command) {
    const int before = lifecycle_.replacements();
    session_.act(command);
    if (lifecycle_.replacements() != before) main_->soakawayView().fitWhenDrawable();
}

void Program::wireCommands() {
    MainCommands& c = main_->commands();
    connect(&c, &MainCommands::runoffCoefficient, this, &Program::openRunoffDialog);
    connect(main_->inputPages().vrcButton(), &QPushButton::clicked, this,
            &Program::openRunoffDialog);
    connect(&c, &MainCommands::designOptions, this, &Program::openOptions);
    connect(&main_->statusPanels(), &StatusPanels::doubleClicked, this,
            [this] { openOptions(true); });
    connect(options_.get(), &OptionsDialog::helpRequested, this, [] { openWebPage(helpPage()); });
    connect(&c, &MainCommands::refreshView, this,
            [this] { session_.act([this] { session_.design().refreshView(); }); });
    // Contents reads the help shipped with the program, there with or without a browser; the
    // tool bar's button goes on to the online help.
    connect(&c, &MainCommands::help, this, [] { openWebPage(helpPage()); });
    connect(&c, &MainCommands::contents, this,
            [this] { showHelpPages(helpFolder_, QStringLiteral("index.htm"), main_.get()); });
    connect(&c, &MainCommands::homePage, this, [] { openWebPage(homePage()); });
    connect(&c, &MainCommands::about, this, &Program::openAbout);
    connect(&c, &MainCommands::designCheck, this, [this] {
        designCheck_->openModal();
        activated();
    });
    connect(&c, &MainCommands::reportBug, this, [this] { openModal(*reportBug_); });
    connect(main_->inputPages().rainfallButton(), &QPushButton::clicked, this,
            [this] { openModal(*rainfall_); });
    connect(&c, &MainCommands::m560Page, this, [] { openWebPage(m560Page()); });
    connect(&c, &MainCommands::m560Window, map_.get(), &MapWindow::open);
    connect(&c, &MainCommands::newProject, this, [this](bool fromToolBar) {
        replaceProject([&] { lifecycle_.newProject(fromToolBar); });
    });
    connect(&c, &MainCommands::openProject, this,
            [this] { replaceProject([this] { lifecycle_.openfile(); }); });
    connect(&c, &MainCommands::fitView, &main_->soakawayView(), &SoakawayView::fitView);
    connect(&c, &MainCommands::saveProject, this, [this](bool reportInStatusBar) {
        session_.act([&] { lifecycle_.savefile(reportInStatusBar); });
    });
    connect(&c, &MainCommands::saveProjectAs, this,
            [this] { session_.act([this] { lifecycle_.savefileas(); }); });
    connect(&c, &MainCommands::print, sheet_, &SheetCommands::print);
    connect(&c, &MainCommands::printPreview, sheet_, &SheetCommands::preview);
    connect(&c, &MainCommands::saveAsPdf, sheet_, &SheetCommands::saveAsPdf);
    connect(&c, &MainCommands::drawings, this, [this] {
        if (!documents_->showDrawingMenu()) activated();
    });
    connect(&c, &MainCommands::maintenanceSchedule, documents_.get(),
            &DocumentCommands::openMaintenanceSchedule);
    connect(&c, &MainCommands::exitProgram, main_.get(), &QWidget::close);
    connect(&c, &MainCommands::infiltrationTest, this, &Program::openTrialPit);
    connect(main_->inputPages().infiltrationButton(), &QPushButton::clicked, this,
            &Program::openTrialPit);
    connect(&c, &MainCommands::soilTable, this, &Program::openSoilTable);
    connect(main_->inputPages().soilTableButton(), &QPushButton::clicked, this,
            &Program::openSoilTable);
    main_->setCloseRequest([this] { return closeRequested(); });
    main_->setUnsavedChanges([this] { return lifecycle_.hasUnsavedChanges(); });
}

}  // namespace varnholt
