#include "utf8_output.h"

#include "project/text_encoding.h"

namespace varnholt {

std::string utf8Lines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // Line by line, so that one stray byte does not re-read the good lines around it.
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        out += lineToUtf8(line);
        if (end == std::string_view::npos) break;
        out += '\n';
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace varnholt
