#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varnholt {

QString programFolder() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QDir bin(executableFolder);
    if (bin.dirName() == QLatin1String("bin")) {
        const QString installed = bin.absoluteFilePath(QStringLiteral("../share/varnholt"));
        if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    }
    return executableFolder;
}

}  // namespace varnholt
