#include <QApplication>
#include <string>
#include <vector>

#include "ui/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    QGuiApplication::setDesktopFileName(QStringLiteral("varnholt"));  // the registered entry

    std::vector<std::string> arguments;
    for (const QString& a : QApplication::arguments().mid(1)) arguments.push_back(a.toStdString());

    varnholt::Program program(std::move(arguments));
    program.start();
    return QApplication::exec();
}
