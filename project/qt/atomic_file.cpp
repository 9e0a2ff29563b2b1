#include "atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace varnholt {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string cannot(const char* what, const std::string& path, const QString& error) {
    QString text = error;
    while (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return std::string("Cannot ") + what + " file \"" + path + "\". " + text.toStdString() + ".";
}

// Qt says "Unknown error" for a short write to a full disk; the system's own text, taken
// straight after the failing call, says what happened.
QString reason(const QFileDevice& file, int systemError) {
    const QString qt = file.errorString();
    if (systemError != 0 && (qt.isEmpty() || qt == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return qt;
}

}  // namespace

std::optional<std::string> notARegularFile(const std::string& path, const char* what) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return std::nullopt;
    const char* kind = S_ISDIR(info.st_mode)    ? "a folder"
                       : S_ISCHR(info.st_mode)  ? "a character device"
                       : S_ISBLK(info.st_mode)  ? "a block device"
                       : S_ISFIFO(info.st_mode) ? "a named pipe"
                       : S_ISSOCK(info.st_mode) ? "a socket"
                                                : "something other than a file";
    return cannot(what, path, QStringLiteral("It is %1, not a regular file").arg(kind));
}

std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::string& contents) {
    // Saved through a temporary renamed over it, a device or a pipe would be replaced by a
    // plain file: it is left alone, before anything is written. A folder cannot be replaced,
    // and the system's own text says so.
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;  // through a link, its file
    if (replacing && !S_ISDIR(old.st_mode))
        if (auto refused = notARegularFile(path, "write")) return refused;
    QSaveFile file(q(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return cannot("create", path, reason(file, errno));
    if (replacing) {
        // The new file takes the old one's place with its mode and owners; otherwise it would
        // be a fresh, writable file of whoever saves. Only root may give a file away, so for
        // anyone else it stays theirs.
        [[maybe_unused]] const int owned = ::fchown(file.handle(), old.st_uid, old.st_gid);
        if (::fchmod(file.handle(), old.st_mode & 07777) != 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            file.cancelWriting();
            return cannot("write", path, error);
        }
    }
    const auto size = static_cast<qint64>(contents.size());
    // A short write, a failed flush or sync must not be committed: the old file would be
    // replaced by a cut one. QSaveFile::commit() does not report a failed flush itself.
    errno = 0;
    bool written = file.write(contents.data(), size) == size;
    if (written) {
        errno = 0;
        written = file.flush();
    }
    if (written) {
        errno = 0;
        if (::fsync(file.handle()) != 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            file.cancelWriting();
            return cannot("write", path, error);
        }
    }
    if (!written) {
        const QString error = reason(file, errno);
        file.cancelWriting();
        return cannot("write", path, error);
    }
    errno = 0;
    if (!file.commit()) return cannot("write", path, reason(file, errno));
    return std::nullopt;
}

}  // namespace varnholt
