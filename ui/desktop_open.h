#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace varnholt {

// Files and web addresses handed to the desktop's applications, and what the user is told when
// the desktop has nothing to open them with: a silent failure leaves the user clicking again.

// Whether the desktop names an application for this MIME type or URL scheme handler
// ("x-scheme-handler/https"). Asked of xdg-mime; where that cannot be asked the open itself is
// the test.
bool desktopHasApplicationFor(const QString& mimeType);

// Opens a local file with its application. When there is none, or the desktop cannot start it,
// says so over `parent`, naming the file and what to install, and returns false.
bool openFileOrSay(const QString& file, QWidget* parent);
// The same for a web address in the user's browser.
bool openAddressOrSay(const QUrl& url, QWidget* parent);

// The messages of the two.
QString noApplicationMessage(const QString& file);
QString noBrowserMessage(const QUrl& url);

}  // namespace varnholt
