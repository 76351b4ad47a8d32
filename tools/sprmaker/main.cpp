// sprmaker: builds an SFF v1 sprite archive from the sprite index read on
// standard input, whose first line names the archive to write.

#include "sfflib/sprite_tools.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

namespace {

const char usage[] =
    "Usage: sprmaker [-c] [-f] [-p] [folder] < index\n"
    "Builds an SFF (version 1) sprite archive from a sprite index read on standard\n"
    "input: its first line is the archive to write, then each sprite takes five\n"
    "lines: PCX file (relative to the current directory), group, image number,\n"
    "axis x, axis y. The folder argument is accepted and not needed.\n"
    "  -c  crop each picture to the smallest rectangle of non-zero pixels,\n"
    "      moving the axis so that the sprite stays in place\n"
    "  -f  store a palette equal to the previous sprite's only once\n"
    "  -p  store a picture (pixels and palette) that appeared before as a link\n";

} // namespace

int main(int argc, char** argv)
{
    sfflib::BuildOptions options;
    int folders = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (arg[0] == '-' && arg[1] != '\0') {
            for (const char* c = arg + 1; *c; ++c) {
                switch (*c) {
                case 'c': options.crop = true; break;
                case 'f': options.samePalette = true; break;
                case 'p': options.linkDuplicates = true; break;
                default:
                    std::fprintf(stderr, "sprmaker: unknown option %s (see sprmaker --help)\n", arg);
                    return 2;
                }
            }
        } else if (++folders > 1) {
            std::fputs("sprmaker: too many arguments (see sprmaker --help)\n", stderr);
            return 2;
        }
    }

    const std::string index((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (std::cin.bad()) {
        std::fputs("sprmaker: cannot read the index from standard input\n", stderr);
        return 1;
    }
    const auto result = sfflib::buildSff(index, options);
    if (!result) {
        std::fprintf(stderr, "sprmaker: %s\n", result.error().c_str());
        return 1;
    }
    std::printf("Wrote %zu sprites to %s\n", result->sprites, result->sffPath.c_str());
    return 0;
}
