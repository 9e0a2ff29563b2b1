#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "project/project_prompts.h"

namespace varnholt {

// The project commands' questions and file dialogs as message boxes and Qt file dialogs over
// the main window. The dialogs start in the current working folder and move it to the folder
// chosen, so the next one opens where the designer last was.
class QtProjectPrompts : public ProjectPrompts {
public:
    explicit QtProjectPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // Runs before each question, message or file dialog comes up.
    void setBeforeModal(std::function<void()> action) { beforeModal_ = std::move(action); }

    Answer askYesNoCancel(const std::string& question) override;
    void inform(const std::string& message) override;
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave(SaveTitle title) override;

private:
    void beforeModal();

    QPointer<QWidget> parent_;
    std::function<void()> beforeModal_;
};

}  // namespace varnholt
