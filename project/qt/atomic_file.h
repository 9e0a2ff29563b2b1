#pragma once

#include <optional>
#include <string>

namespace varnholt {

// Writes `contents` to `path` through a temporary file beside it that replaces the old file
// only once every byte is on disk, so a full disk or a crash leaves the previous file as it
// was; the file keeps its mode (a read-only file stays read-only) and, where the system
// allows, its owners. A path that names a device, a named pipe or a socket is refused before
// anything is written. Returns the reason when it
// failed, naming the path and giving the system's text.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::string& contents);

// The reason, "Cannot <what> file ...", when `path` exists and is not a regular file.
std::optional<std::string> notARegularFile(const std::string& path, const char* what);

}  // namespace varnholt
