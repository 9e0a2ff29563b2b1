// Prints the folder where a program in the given folder finds its documents.
#include <cstdio>

#include <QString>

#include "ui/program_folder.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::puts(varnholt::programFolderOf(QString::fromLocal8Bit(argv[1])).toLocal8Bit().constData());
    return 0;
}
