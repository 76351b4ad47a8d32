// sff2pcx: unpacks an SFF sprite archive into PCX files and the sprite index
// tempsff.txt in the current directory, which the editor then reads.

#include "sfflib/sprite_tools.h"

#include <cstdio>
#include <cstring>

namespace {

const char usage[] =
    "Usage: sff2pcx <sff file> <folder>\n"
    "Unpacks an SFF sprite archive (version 1 or 2) into one 256-colour PCX file\n"
    "per picture in <folder>, and writes the sprite index tempsff.txt in the\n"
    "current directory: a header line, then for each sprite its PCX file, group,\n"
    "image number, axis x and axis y, one per line.\n"
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
