#pragma once

// What the project tests read and tell: a file's lines as the writer ends them, and the
// messages a reader gives the user, kept for the test to look at.
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/messages.h"

namespace varnholt::testing {

class RecordedMessages : public MessageSink {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

inline std::string projectLines(std::initializer_list<std::string> texts,
                                const char* ending = "\r\n") {
    std::string out;
    for (const std::string& t : texts) out += t + ending;
    return out;
}

}  // namespace varnholt::testing
