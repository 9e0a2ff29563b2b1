#pragma once

#include <optional>
#include <string>

namespace varnholt {

// Writes `contents` to `path` through a temporary file beside it that replaces the old file
// only once every byte is on disk, so a full disk or a crash leaves the previous file as it
// was. Returns the reason when it failed, naming the path and giving the system's text.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::string& contents);

}  // namespace varnholt
