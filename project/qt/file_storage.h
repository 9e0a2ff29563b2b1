#pragma once

#include "project/project_storage.h"

namespace varnholt {

// Project files on disk. Saving goes through QSaveFile: the new contents go to a temporary
// file beside the old one, which is replaced only once everything was written, so a full disk
// or a crash mid-save leaves the previous file intact.
class FileStorage : public ProjectStorage {
public:
    Read read(const std::string& path) override;
    std::optional<std::string> write(const std::string& path, const std::string& contents) override;
};

}  // namespace varnholt
