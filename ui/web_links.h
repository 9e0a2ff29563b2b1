#pragma once

#include <QString>
#include <QUrl>

namespace varnholt {

// The maker's web site. Its host is set in one place: at build time with the CMake cache
// variable VARNHOLT_WEB_HOST, or when the program starts with the environment variable of the
// same name.
QString webHost();
QUrl helpPage();  // "/help/default.htm"
QUrl m560Page();  // "/help/m560.htm"
QUrl homePage();
QUrl productPage();  // "/varnholt"

// The home page of Qt, which draws the program's 3D views through OpenGL.
QUrl qtPage();

// Asks the desktop to open a page in the user's browser; where there is none, the user is told
// over the active window.
void openWebPage(const QUrl& url);

}  // namespace varnholt
