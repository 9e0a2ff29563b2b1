#include "document_commands.h"

#include <QEvent>
#include <QFile>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "design_session.h"
#include "desktop_open.h"
#include "output/drawings/qt/drawing_menu.h"
#include "output/drawings/qt/drawing_window.h"

namespace varnholt {

namespace {

using drawings::StandardDrawing;

ProgramDocument documentOf(StandardDrawing which) {
    switch (which) {
        case StandardDrawing::ring:
            return ProgramDocument::ringDrawing;
        case StandardDrawing::trenchWithSiltTrap:
            return ProgramDocument::trenchWithSiltTrapDrawing;
        case StandardDrawing::trench:
            return ProgramDocument::trenchDrawing;
    }
    return ProgramDocument::ringDrawing;
}

}  // namespace

bool openWithDesktop(const std::filesystem::path& file, QWidget* messageParent) {
    return openFileOrSay(QFile::decodeName(file.c_str()), messageParent);
}

DocumentCommands::DocumentCommands(const QString& programFolder, QWidget* mainWindow)
    : mainWindow_(mainWindow),
      documents_(std::filesystem::path(QFile::encodeName(programFolder).toStdString()), {}) {
    useDesktop();
}

void DocumentCommands::useDesktop() {
    documents_.setOpen([this](const std::filesystem::path& file) {
        openWithDesktop(file, messageParent_ ? messageParent_ : mainWindow_);
    });
}

DocumentCommands::~DocumentCommands() = default;

// Made when first needed and kept from then on: start-up does not pay for windows that most
// sessions never open.
void DocumentCommands::makeWindows() {
    if (menu_) return;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        windows_[i] = std::make_unique<drawings::DrawingWindow>(drawings::standardDrawings[i]);
        drawings::DrawingWindow* window = windows_[i].get();
        connect(window, &drawings::DrawingWindow::messageRequested, this,
                [window](const QString& text) { showInformation(window, text.toStdString()); });
        connect(window, &drawings::DrawingWindow::openInCadRequested, this,
                [this, window] { open(documentOf(window->which()), window); });
        window->installEventFilter(this);
    }
    menu_ = std::make_unique<drawings::DrawingMenu>(
        std::array<QWidget*, 3>{windows_[0].get(), windows_[1].get(), windows_[2].get()},
        mainWindow_);
}

drawings::DrawingMenu& DocumentCommands::drawingMenu() {
    makeWindows();
    return *menu_;
}

drawings::DrawingWindow& DocumentCommands::drawingWindow(int index) {
    makeWindows();
    return *windows_.at(static_cast<std::size_t>(index));
}

bool DocumentCommands::showDrawingMenu() {
    makeWindows();
    const bool accepted = menu_->exec() == QDialog::Accepted;
    for (int i = 0; i < 3; ++i)
        if (accepted && menu_->option(i)->isChecked()) return true;
    return false;
}

// A drawing opens over the main window, where the user is looking, not in a corner of the
// screen; it is made no larger than the screen, so its labels stay whole.
bool DocumentCommands::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && event->type() == QEvent::Show && !event->spontaneous()) {
        const QRect room = window->screen()->availableGeometry();
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        window->resize(window->size().boundedTo(room.size() - frame));
        QRect placed(QPoint(0, 0), window->size() + frame);
        placed.moveCenter(mainWindow_->frameGeometry().center());
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() - placed.width())));
        placed.moveTop(
            std::max(room.top(), std::min(placed.top(), room.bottom() - placed.height())));
        window->move(placed.topLeft());
    }
    return QObject::eventFilter(watched, event);
}

bool DocumentCommands::isDrawingWindow(const QWindow* window) const {
    for (const auto& w : windows_)
        if (window && w && w->windowHandle() == window) return true;
    return false;
}

void DocumentCommands::openMaintenanceSchedule() {
    open(ProgramDocument::maintenanceSchedule, mainWindow_);
}

void DocumentCommands::open(ProgramDocument document, QWidget* messageParent) {
    messageParent_ = messageParent;
    const bool found = documents_.open(document);
    messageParent_ = nullptr;
    if (!found) showInformation(messageParent, missingDocumentMessage(document));
}

}  // namespace varnholt
