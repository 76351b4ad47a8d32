// sff2pcx: unpacks an SFF sprite archive into picture files and the sprite
// index tempsff.txt in the current directory, which the editor then reads.

#include "sprite_tools/sprite_tools.h"

#include <cstdio>
#include <cstring>

namespace {

const char usage[] = "Usage: sff2pcx <sff file> <folder>\n"
                     "Unpacks an SFF sprite archive (version 1 or 2) into <folder>: one 256-colour\n"
                     "PCX file per 8-bit picture, one PNG file per 24 or 32-bit picture. Writes the\n"
                     "sprite index tempsff.txt in the current directory: a header line, then for\n"
                     "each sprite its picture file, group, image number, axis x and axis y, one per\n"
                     "line. It also writes tempsff.v2.txt beside it: the archive's version, its\n"
                     "palette table and the palette of each picture (version 2), and where each\n"
                     "picture's stored bytes lie, which sprmaker needs to build the archive back\n"
                     "as its version and to copy the pictures left unchanged.\n"
                     "Exits with 0 on success; otherwise prints the reason and writes no index.\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    if (argc != 3) {
        std::fputs("sff2pcx: expected an SFF file and a folder (see sff2pcx --help)\n", stderr);
        return 2;
    }
    const auto result = sfflib::unpackSff(argv[1], argv[2], "tempsff.txt");
    if (!result) {
        std::fprintf(stderr, "sff2pcx: %s\n", result.error().c_str());
        return 1;
    }
    return 0;
}
