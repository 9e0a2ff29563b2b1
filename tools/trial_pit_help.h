#pragma once

#include <filesystem>
#include <optional>

namespace varnholt {

inline constexpr const char* kTrialPitHelpFile = "helpvarn.chm";
inline constexpr const char* kMissingHelpQuestion =
    "Help file could not be found. Would you like to find it yourself?";

// Where the trial-pit dialog's Help finds its document. The program folder is made the
// current folder first (a folder that has gone leaves the current one as it was); the file is
// then looked for in the current folder and, failing that, in "help" below the program folder.
std::optional<std::filesystem::path> findTrialPitHelp(const std::filesystem::path& programFolder);

}  // namespace varnholt
