#pragma once

#include <stdexcept>
#include <string>

namespace varnholt {

// What stops a user action part-way: the boundary that started the action (a window event, a
// command of the headless driver) catches it, shows what() and carries on.
class ActionStopped : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number stops whatever user action was converting it, through every
// nested change handler, and leaves what was already written. The boundary that started the
// action (a window event, a command of the headless driver) catches it and shows what().
class ConversionError : public ActionStopped {
public:
    explicit ConversionError(const std::string& text)
        : ActionStopped("'" + text + "' is not a valid floating point value"), text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The write-back chain settles after a few levels in every real design. Should it ever keep
// rewriting, it is stopped at a fixed depth instead of running out of stack; the action is
// aborted like a conversion failure, so the designer is told rather than shown a half result.
class ChainTooDeepError : public ActionStopped {
public:
    explicit ChainTooDeepError(int depth)
        : ActionStopped("The trench dimensions did not settle after " + std::to_string(depth) +
                        " nested recalculations; the last values written are shown. "
                        "Check the design inputs.") {}
};

}  // namespace varnholt
