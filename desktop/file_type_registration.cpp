#ifndef _WIN32

#include "file_type_registration.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "freedesktop_files.h"
#include "project/qt/atomic_file.h"
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

// Compares with the bytes on disk; anything that cannot be read as a regular file differs.
bool holds(const std::string& path, const std::string& contents) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                static_cast<std::size_t>(info.st_size) == contents.size();
    std::size_t done = 0;
    char buffer[8192];
    while (same && done < contents.size()) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        const auto got = static_cast<std::size_t>(n);
        same =
            n > 0 && done + got <= contents.size() && contents.compare(done, got, buffer, got) == 0;
        done += n > 0 ? got : 0;
    }
    ::close(fd);
    return same;
}

// A file that already holds `contents` is not touched, so its time stamp tells when it last
// really changed; otherwise its folders are made and it is written atomically. Returns the
// reason it could not be, naming the path.
std::optional<std::string> writeIfChanged(const std::string& path, const std::string& contents,
                                          bool& changed) {
    if (holds(path, contents)) return std::nullopt;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return "Cannot create folder \"" + folder.string() + "\". " + ec.message() + ".";
    // Said as the system says it, as for every other failure here.
    if (std::filesystem::is_directory(path, ec))
        return "Cannot write file \"" + path + "\". " + std::strerror(EISDIR) + ".";
    if (auto error = writeFileAtomically(path, contents)) return error;
    changed = true;
    return std::nullopt;
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
        if (auto error = writeIfChanged(path, contents, outcome.changed)) fail(outcome, *error);
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
