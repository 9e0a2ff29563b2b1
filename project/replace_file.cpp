#include "replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace varnholt {

namespace {

ReplaceOutcome cannotWrite(const std::string& path, int error) {
    return {false, false, "Cannot write file \"" + path + "\". " + std::strerror(error) + "."};
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

bool writeAll(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;  // no progress: a full device that does not say so
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

ReplaceOutcome replaceFileIfChanged(const std::string& path, const std::string& contents) {
    if (holds(path, contents)) return {};

    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return {false, false,
                "Cannot create folder \"" + folder.string() + "\". " + ec.message() + "."};

    // Hidden, so that a temporary file left by a crash is not taken for a desktop entry.
    std::string temporary =
        (folder / ("." + std::filesystem::path(path).filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return cannotWrite(path, errno);
    // fsync before the rename: otherwise a crash can leave the new name on empty contents.
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) == 0) return {true, true, {}};
    if (ok) error = errno;
    ::unlink(temporary.c_str());
    return cannotWrite(path, error);
}

}  // namespace varnholt
