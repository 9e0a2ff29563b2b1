#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace varnholt {

// Where project files are read from and written to. The program's storage writes through a
// temporary file that replaces the old one only once it is complete, so a failed or
// interrupted save leaves the previous file as it was.
class ProjectStorage {
public:
    struct Read {
        bool ok = false;
        std::string contents;  // at most kProjectFileReadLimit + 1 bytes
        std::string error;     // the system's text, ready for a message box
    };

    virtual ~ProjectStorage() = default;
    virtual Read read(const std::string& path) = 0;
    // Returns the error message when the file could not be written.
    virtual std::optional<std::string> write(const std::string& path,
                                             const std::string& contents) = 0;
};

// A project file is a few hundred bytes, and even with every field and every input of the
// design check at its longest well under this size; a file past it cannot be one, and its
// contents are not read further.
inline constexpr std::size_t kProjectFileReadLimit = 8 << 20;

}  // namespace varnholt
