#pragma once

#include <string>

namespace varnholt {

struct ReplaceOutcome {
    bool ok = true;
    bool changed = false;
    std::string error;  // names the path and gives the system's text, ready for a message box
};

// Makes the file at `path` hold exactly `contents`, creating its folders. A file that already
// holds them is not touched, so its time stamp tells when it last really changed. New contents
// go to a temporary file beside it that is then renamed over it, so a reader sees the old
// file or the new one, never a half-written one.
ReplaceOutcome replaceFileIfChanged(const std::string& path, const std::string& contents);

}  // namespace varnholt
