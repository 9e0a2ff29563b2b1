#pragma once

#include <string>

namespace varnholt {

// The message boxes the design's rules show: an information box with an OK button.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void inform(const std::string& text) = 0;
};

}  // namespace varnholt
