#pragma once

#include <string>
#include <string_view>

namespace varnholt {

inline constexpr std::string_view kProjectMimeType = "application/x-varnholt";

// The program path as the first word of a desktop entry's Exec line: quoted when it holds a
// blank or another reserved character, with the string escapes of the entry file on top.
std::string desktopExecProgram(const std::string& executable);

// The desktop entry that starts the program with one project file.
std::string desktopEntry(const std::string& executable);

// The shared-mime-info package that names ".vhl" files and gives them their icon.
std::string mimePackage();

}  // namespace varnholt
