#pragma once

#include <string>

namespace varnholt {

// The user's own data folder of the freedesktop conventions: $XDG_DATA_HOME when it is an
// absolute path, else ~/.local/share. Empty when no home folder is known (and on Windows).
std::string xdgDataHome();

struct FileTypeRegistration {
    std::string dataHome = xdgDataHome();  // where the desktop files go; unused on Windows
    std::string executable;                // absolute path of the program
    std::string documentIconSvg;           // SVG text of the icon of ".vhl" files
    std::string appIconSvg;                // SVG text of the program's icon
};

struct RegistrationOutcome {
    bool ok = true;
    bool changed = false;  // something was written
    std::string error;     // each failure on a line, naming its path and the system's text
};

// Tells the desktop that ".vhl" files are Varnholt projects, opened by this program and shown
// with the document icon. Only what differs from what is already there is written, so running
// it at every start costs a few reads. Linux: a MIME type, a desktop entry and two icons under
// `dataHome`, then the desktop's caches are refreshed. Windows: the file type under
// HKEY_CURRENT_USER\Software\Classes, the icon being vh35finaldoc.ico beside the program.
// A failure leaves the parts that could be written and is only reported.
RegistrationOutcome registerFileType(const FileTypeRegistration& what);

}  // namespace varnholt
