#include "file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace varnholt {

namespace {
FileContents failure(const std::string& path, int error) {
    return {false, {}, "Cannot open file \"" + path + "\". " + std::strerror(error) + "."};
}
}  // namespace

FileContents readFileContents(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failure(path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return failure(path, error);
    }
    FileContents result{true, {}, {}};
    char buffer[8192];
    while (result.contents.size() < kProjectFileReadLimit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return failure(path, error);
        }
        if (n == 0) break;
        result.contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

}  // namespace varnholt
