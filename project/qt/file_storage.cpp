#include "file_storage.h"

#include "atomic_file.h"

#include <QFile>
#include <QFileInfo>

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

}  // namespace

ProjectStorage::Read FileStorage::read(const std::string& path) {
    // A folder opens fine for reading on Linux and reads as nothing, and a named pipe would
    // wait for a writer for ever; say what it is instead.
    if (QFileInfo(q(path)).isDir()) return {false, {}, cannot("open", path, "Is a directory")};
    if (auto refused = notARegularFile(path, "open")) return {false, {}, *refused};
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
    return writeFileAtomically(path, contents);
}

}  // namespace varnholt
