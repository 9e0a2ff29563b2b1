#pragma once

#include <stdexcept>
#include <string>

namespace varnholt {

// A text that is not a number stops whatever user action was converting it, through every
// nested change handler, and leaves what was already written. The boundary that started the
// action (a window event, a command of the headless driver) catches it and shows what().
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value"), text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The write-back chain settles after a few levels in every real design. Should it ever keep
// rewriting, it is stopped at a fixed depth instead of running out of stack; the action is
// aborted like a conversion failure, so the designer is told rather than shown a half result.
class ChainTooDeepError : public std::runtime_error {
public:
    explicit ChainTooDeepError(int depth)
        : std::runtime_error("The trench dimensions did not settle after " +
                             std::to_string(depth) +
                             " nested recalculations; the last values written are shown. "
                             "Check the design inputs.") {}
};

}  // namespace varnholt
