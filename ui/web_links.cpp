#include "web_links.h"

#include <QApplication>

#include "desktop_open.h"

#ifndef VARNHOLT_WEB_HOST
#define VARNHOLT_WEB_HOST "https://www.corvane.example"
#endif

namespace varnholt {

QString webHost() {
    const QString fromEnvironment = qEnvironmentVariable("VARNHOLT_WEB_HOST");
    QString host = fromEnvironment.isEmpty() ? QStringLiteral(VARNHOLT_WEB_HOST) : fromEnvironment;
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    return host;
}

QUrl helpPage() {
    return QUrl(webHost() + QStringLiteral("/help/default.htm"));
}
QUrl m560Page() {
    return QUrl(webHost() + QStringLiteral("/help/m560.htm"));
}
QUrl homePage() {
    return QUrl(webHost() + QStringLiteral("/"));
}
QUrl productPage() {
    return QUrl(webHost() + QStringLiteral("/varnholt"));
}
QUrl qtPage() {
    return QUrl(QStringLiteral("https://www.qt.io"));
}

void openWebPage(const QUrl& url) {
    QWidget* over = QApplication::activeModalWidget();
    openAddressOrSay(url, over ? over : QApplication::activeWindow());
}

}  // namespace varnholt
