#ifndef _WIN32

#include "file_type_registration.h"

#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "freedesktop_files.h"
#include "replace_file.h"
#include "run_program.h"

namespace varnholt {

namespace {

// The cache tools take well under a second; a hung one must not keep the program from starting.
constexpr std::chrono::milliseconds kRefreshLimit{5000};

void fail(RegistrationOutcome& outcome, const std::string& message) {
    outcome.ok = false;
    if (!outcome.error.empty()) outcome.error += '\n';
    outcome.error += message;
}

}  // namespace

std::string xdgDataHome() {
    // The freedesktop conventions say to ignore a relative path here.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') return data;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] == '\0') return {};
    return std::string(home) + "/.local/share";
}

RegistrationOutcome registerFileType(const FileTypeRegistration& what) {
    RegistrationOutcome outcome;
    if (what.dataHome.empty()) {
        fail(outcome, "Cannot register the file type: no home folder is known.");
        return outcome;
    }
    if (what.executable.empty() || what.executable[0] != '/') {
        fail(outcome, "Cannot register the file type: the program path \"" + what.executable +
                          "\" is not absolute.");
        return outcome;
    }

    const std::string& base = what.dataHome;
    const std::pair<std::string, std::string> files[] = {
        {base + "/icons/hicolor/scalable/mimetypes/application-x-varnholt.svg",
         what.documentIconSvg},
        {base + "/icons/hicolor/scalable/apps/varnholt.svg", what.appIconSvg},
        {base + "/mime/packages/varnholt.xml", mimePackage()},
        {base + "/applications/varnholt.desktop", desktopEntry(what.executable)},
    };
    for (const auto& [path, contents] : files) {
        const ReplaceOutcome written = replaceFileIfChanged(path, contents);
        if (!written.ok) fail(outcome, written.error);
        outcome.changed = outcome.changed || written.changed;
    }

    // A missing cache means the tool was absent or failed last time: try again, so that
    // installing it later is enough.
    const auto refresh = [&](const char* tool, const std::string& folder, const char* cache) {
        std::error_code ec;
        if (outcome.changed || !std::filesystem::exists(folder + "/" + cache, ec))
            runProgram({tool, folder}, kRefreshLimit);
    };
    refresh("update-mime-database", base + "/mime", "mime.cache");
    refresh("update-desktop-database", base + "/applications", "mimeinfo.cache");
    return outcome;
}

}  // namespace varnholt

#endif
