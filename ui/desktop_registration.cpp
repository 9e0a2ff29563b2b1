#include "desktop_registration.h"

#include <QCoreApplication>
#include <QFile>
#include "design_session.h"

#include "desktop/file_type_registration.h"

namespace varnholt {

namespace {
std::string resourceText(const char* path) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
}  // namespace

void registerProjectFileType() {
    FileTypeRegistration what;
    what.executable = QCoreApplication::applicationFilePath().toStdString();
    what.documentIconSvg = resourceText(":/icons/vh35finaldoc.svg");
    what.appIconSvg = resourceText(":/icons/varnholt.svg");
    const RegistrationOutcome outcome = registerFileType(what);
    if (!outcome.ok) showInformation(nullptr, outcome.error);
}

}  // namespace varnholt
