#include "qt_project_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "design_session.h"
#include "front_window.h"

namespace varnholt {

namespace {
const QString kTitle = QStringLiteral("Varnholt");
const QString kFilter = QStringLiteral("Soakaway Files (*.vhl)");

// Escape and the close box are Cancel: a question the user backs out of loses nothing.
ProjectPrompts::Answer ask(QWidget* parent, const std::string& question) {
    QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, frontWindow(parent));
    box.setObjectName(QStringLiteral("question"));
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    switch (clicked) {
        case QMessageBox::Yes:
            return ProjectPrompts::Answer::yes;
        case QMessageBox::No:
            return ProjectPrompts::Answer::no;
        default:
            return ProjectPrompts::Answer::cancel;
    }
}

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(QStringLiteral("vhl"));
    dialog.setDirectory(QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}
}  // namespace

// What the user sees behind a question or a dialog is what the program holds: a project
// cleared before the open dialog shows cleared behind it.
void QtProjectPrompts::beforeModal() {
    if (beforeModal_) beforeModal_();
}

ProjectPrompts::Answer QtProjectPrompts::askYesNoCancel(const std::string& question) {
    beforeModal();
    return ask(parent_, question);
}

void QtProjectPrompts::inform(const std::string& message) {
    beforeModal();
    showInformation(parent_, message);
}

std::optional<std::string> QtProjectPrompts::chooseFileToOpen() {
    beforeModal();
    QFileDialog dialog(frontWindow(parent_), QStringLiteral("Open Varnholt File"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a missing file is reported by the reading
    return runFileDialog(dialog);
}

std::optional<std::string> QtProjectPrompts::chooseFileToSave(SaveTitle title) {
    beforeModal();
    QFileDialog dialog(frontWindow(parent_), title == SaveTitle::save
                                                 ? QStringLiteral("Save Varnholt File")
                                                 : QStringLiteral("Save Varnholt file As..."));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog);
}

}  // namespace varnholt
