#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varnholt {

QString programFolder() {
    return programFolderOf(QCoreApplication::applicationDirPath());
}

QString programFolderOf(const QString& executableFolder) {
    const QDir bin(executableFolder);
    if (bin.dirName() == QLatin1String("bin")) {
        const QString installed = bin.absoluteFilePath(QStringLiteral("../share/varnholt"));
        if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    }
    return executableFolder;
}

}  // namespace varnholt
