#include "file_storage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

ProjectStorage::Read FileStorage::read(const std::string& path) {
    // A folder opens fine for reading on Linux and reads as nothing; say what it is instead.
    if (QFileInfo(q(path)).isDir()) return {false, {}, cannot("open", path, "Is a directory")};
    QFile file(q(path));
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, cannot("open", path, file.errorString())};
    const QByteArray bytes = file.read(static_cast<qint64>(kProjectFileReadLimit) + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, cannot("read", path, file.errorString())};
    return {true, bytes.toStdString(), {}};
}

std::optional<std::string> FileStorage::write(const std::string& path,
                                              const std::string& contents) {
    QSaveFile file(q(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return cannot("create", path, reason(file, errno));
    const auto size = static_cast<qint64>(contents.size());
    errno = 0;
    if (file.write(contents.data(), size) != size) {
        // A short write must not be committed: the old file would be replaced by a cut one.
        const QString error = reason(file, errno);
        file.cancelWriting();
        return cannot("write", path, error);
    }
    // A project is far smaller than Qt's write buffer, so a full disk only shows at the flush,
    // and QSaveFile::commit() would rename the empty temporary file over the old one without
    // saying so. Flush and sync here, where the failure can still be caught.
    errno = 0;
    if (!file.flush()) {
        const QString error = reason(file, errno);
        file.cancelWriting();
        return cannot("write", path, error);
    }
#ifdef Q_OS_UNIX
    errno = 0;
    if (::fsync(file.handle()) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return cannot("write", path, error);
    }
#endif
    errno = 0;
    if (!file.commit()) return cannot("write", path, reason(file, errno));
    return std::nullopt;
}

}  // namespace varnholt
