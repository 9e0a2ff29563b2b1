#include "desktop_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "design_session.h"

namespace varnholt {

namespace {

bool haveOpener() {
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
}

// What a file of this kind is called and which Debian package opens it.
struct Kind {
    const char* suffix;
    const char* name;
    const char* package;
};
constexpr Kind kKinds[] = {
    {"pdf", "PDF documents", "evince"},
    {"dxf", "DXF drawings", "librecad"},
    {"dwg", "DWG drawings", "librecad"},
    {"chm", "compiled HTML help (.chm) files", "xchm"},
};

QString missingOpenerNote() {
    return haveOpener() ? QString()
                        : QStringLiteral(
                              " The desktop's opener, xdg-open, is missing too: install "
                              "the package xdg-utils.");
}

}  // namespace

bool desktopHasApplicationFor(const QString& mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit) return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

QString noApplicationMessage(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    QString kind = QStringLiteral(".%1 files").arg(suffix);
    QString install = QStringLiteral("a program that opens them");
    for (const Kind& k : kKinds) {
        if (suffix != QLatin1String(k.suffix)) continue;
        kind = QString::fromLatin1(k.name);
        install = QStringLiteral("one, for example the package %1,").arg(QLatin1String(k.package));
    }
    return QStringLiteral(
               "No program on this computer opens %1. Install %2 and try again, or "
               "open the file yourself: %3.")
               .arg(kind, install, QFileInfo(file).absoluteFilePath()) +
           missingOpenerNote();
}

QString noBrowserMessage(const QUrl& url) {
    return QStringLiteral(
               "No web browser was found to open %1. Install one, for example the "
               "package firefox-esr, or open the address in a browser yourself.")
               .arg(url.toString()) +
           missingOpenerNote();
}

bool openFileOrSay(const QString& file, QWidget* parent) {
    const QString mime = QMimeDatabase().mimeTypeForFile(file).name();
    if (desktopHasApplicationFor(mime) && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return true;
    showInformation(parent, noApplicationMessage(file).toStdString());
    return false;
}

bool openAddressOrSay(const QUrl& url, QWidget* parent) {
    const QString handler = QStringLiteral("x-scheme-handler/") + url.scheme();
    if (desktopHasApplicationFor(handler) && QDesktopServices::openUrl(url)) return true;
    showInformation(parent, noBrowserMessage(url).toStdString());
    return false;
}

}  // namespace varnholt
