#include "trial_pit_help.h"

#include <system_error>

namespace varnholt {

std::optional<std::filesystem::path> findTrialPitHelp(const std::filesystem::path& programFolder) {
    std::error_code error;
    std::filesystem::current_path(programFolder, error);
    const std::filesystem::path current = std::filesystem::current_path(error);
    for (const std::filesystem::path& folder : {current, programFolder / "help"}) {
        if (folder.empty()) continue;
        const std::filesystem::path file = folder / kTrialPitHelpFile;
        if (std::filesystem::is_regular_file(file, error)) return file;
    }
    return std::nullopt;
}

}  // namespace varnholt
