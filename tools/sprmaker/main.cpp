// sprmaker: builds an SFF sprite archive (version 1 or 2) from the sprite
// index read on standard input, whose first line names the archive to write.

#include "sprite_tools/sprite_tools.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

const char usage[] = "Usage: sprmaker [-c] [-f] [-p] [-v1 | -v2 | -v2.00 | -v2.01] [folder] < index\n"
                     "Builds an SFF sprite archive from a sprite index read on standard input: its\n"
                     "first line is the archive to write, then each sprite takes five lines:\n"
                     "picture file (PCX or PNG, relative to the current directory), group, image\n"
                     "number, axis x, axis y. The folder argument is accepted and not needed.\n"
                     "The archive is of the version that tempsff.v2.txt, written by sff2pcx, names\n"
                     "(2.00 or 2.01 as the archive was), when it is in the current directory; else\n"
                     "version 1. A picture unchanged since sff2pcx wrote it (or since the last build)\n"
                     "is copied from that archive as it is stored; the others are encoded.\n"
                     "  -c   crop each picture to the smallest rectangle of non-zero pixels,\n"
                     "       moving the axis so that the sprite stays in place (every picture\n"
                     "       is then encoded)\n"
                     "  -f   store a palette equal to an earlier one only once\n"
                     "  -p   store a picture (pixels and palette) that appeared before as a link\n"
                     "  -v1  write SFF version 1 (true-colour PNG pictures are refused)\n"
                     "  -v2  write SFF version 2 (2.01 unless the workspace's archive was 2.00)\n"
                     "  -v2.00, -v2.01  write SFF version 2.00 (read by MUGEN 1.0 and later)\n"
                     "       or 2.01 (MUGEN 1.1 and IKEMEN GO; palettes keep their alpha)\n";

// A save of thousands of sprites holds a few dozen megabytes of small
// objects (the index, the description, a record per picture) for well under
// a second. On a virtual machine, where the first touch of each page traps
// into the host, touching that memory 4 KB at a time costs about as much as
// the rest of such a save; so the heap grows in big steps and asks for huge
// pages, as glibc's glibc.malloc.hugetlb=1 would.
void growHeapInHugePages()
{
    constexpr std::size_t kStep = std::size_t(64) << 20;
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    ::mallopt(M_TOP_PAD, int(kStep));
    ::mallopt(M_TRIM_THRESHOLD, int(2 * kStep));
    ::mallopt(M_MMAP_THRESHOLD, int(kStep)); // blocks of a few megabytes come from the heap too
    // A block bigger than what the heap has makes it grow by a step; freed,
    // it stays in the heap for what comes.
    void* const block = std::malloc(kStep / 2);
    const auto from = (reinterpret_cast<std::uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    const auto to = reinterpret_cast<std::uintptr_t>(::sbrk(0)) & ~(kHugePage - 1);
    if (block && to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE); // a hint: small pages when refused
    std::free(block);
}

} // namespace

int main(int argc, char** argv)
{
    growHeapInHugePages();
    sfflib::BuildOptions options;
    int folders = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(arg, "-v1") == 0 || std::strcmp(arg, "-v2") == 0) {
            options.version = arg[2] - '0';
        } else if (std::strcmp(arg, "-v2.00") == 0 || std::strcmp(arg, "-v2.01") == 0) {
            options.version = 2;
            options.minorVersion = arg[5] - '0';
        } else if (arg[0] == '-' && arg[1] != '\0') {
            for (const char* c = arg + 1; *c; ++c) {
                switch (*c) {
                case 'c': options.crop = true; break;
                case 'f': options.samePalette = true; break;
                case 'p': options.linkDuplicates = true; break;
                default: std::fprintf(stderr, "sprmaker: unknown option %s (see sprmaker --help)\n", arg); return 2;
                }
            }
        } else if (++folders > 1) {
            std::fputs("sprmaker: too many arguments (see sprmaker --help)\n", stderr);
            return 2;
        }
    }

    // Read in blocks: an index of 20,000 sprites is 100,000 lines.
    std::string index;
    bool readFailed = false;
    for (char block[65536];;) {
        const ssize_t n = ::read(STDIN_FILENO, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            readFailed = n < 0;
            break;
        }
        index.append(block, std::size_t(n));
    }
    if (readFailed) {
        std::fputs("sprmaker: cannot read the index from standard input\n", stderr);
        return 1;
    }
    const auto result = sfflib::buildSff(index, options);
    if (!result) {
        std::fprintf(stderr, "sprmaker: %s\n", result.error().c_str());
        return 1;
    }
    for (const std::string& note : result->notes)
        std::printf("sprmaker: %s\n", note.c_str());
    std::printf("Wrote %zu sprites to %s: %zu pictures copied, %zu encoded\n", result->sprites, result->sffPath.c_str(),
                result->copied, result->encoded);
    return 0;
}
