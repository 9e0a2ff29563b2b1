// Build tool: writes the standard drawings as DXF files into the folder named on its command
// line, where the program finds them.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "dxf_writer.h"
#include "standard_drawings.h"

int main(int argc, char** argv) {
    using namespace varnholt::drawings;
    if (argc != 2) {
        std::cerr << "usage: varnholt_make_drawings FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (StandardDrawing which : standardDrawings) {
        const std::filesystem::path path = folder / (fileBaseName(which) + ".dxf");
        std::ofstream out(path, std::ios::binary);
        writeDxf(out, standardDrawing(which));
        out.close();
        if (!out) {
            std::cerr << "varnholt_make_drawings: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
