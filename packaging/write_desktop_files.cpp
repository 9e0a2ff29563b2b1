// Writes the desktop entry and the shared-mime-info package that an installation lays out,
// from the same texts the program registers for a user who runs it without installing.
#include <fstream>
#include <iostream>
#include <string>

#include "desktop/freedesktop_files.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_desktop_files DESKTOP_FILE MIME_PACKAGE\n";
        return 2;
    }
    // Installed on the PATH, the program is started by its name.
    const std::pair<const char*, std::string> files[] = {
        {argv[1], varnholt::desktopEntry("varnholt")}, {argv[2], varnholt::mimePackage()}};
    for (const auto& [path, contents] : files) {
        std::ofstream out(path, std::ios::binary);
        out << contents;
        if (!out.flush()) {
            std::cerr << "write_desktop_files: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
