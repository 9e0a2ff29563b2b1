#pragma once

#include <string>

namespace varnholt {

struct FileContents {
    bool ok = false;
    std::string contents;
    std::string error;  // the system's text, ready for a message box
};

// Reads a whole project file. A project file is a few hundred bytes; anything past the first
// megabyte cannot belong to one and is not read.
FileContents readFileContents(const std::string& path);

inline constexpr std::size_t kProjectFileReadLimit = 1 << 20;

}  // namespace varnholt
