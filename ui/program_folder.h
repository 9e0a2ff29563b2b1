#pragma once

#include <QString>

namespace varnholt {

// The folder that holds the program's own files (drawings, documents): beside the executable
// in a build tree, or <prefix>/share/varnholt when the program is installed in <prefix>/bin.
QString programFolder();
// The same rule for a program in `executableFolder`.
QString programFolderOf(const QString& executableFolder);

}  // namespace varnholt
