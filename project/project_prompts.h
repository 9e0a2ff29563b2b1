#pragma once

#include <optional>
#include <string>

#include "engine/messages.h"

namespace varnholt {

// The questions, messages and file dialogs the project commands need. The windows answer them
// with message boxes and file dialogs; tests answer them from a script.
class ProjectPrompts : public MessageSink {
public:
    enum class Answer { yes, no, cancel };
    enum class SaveTitle { save, saveAs };

    virtual ~ProjectPrompts() = default;
    // A question with Yes, No and Cancel; Escape or closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const std::string& question) = 0;
    // The open dialog ("Open Varnholt File"); nothing when the user cancels.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // The save dialog ("Save Varnholt File" or "Save Varnholt file As..."); nothing on cancel.
    virtual std::optional<std::string> chooseFileToSave(SaveTitle title) = 0;
};

}  // namespace varnholt
