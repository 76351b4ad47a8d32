// A process that writes one big file through writeFileAtomic, for the test
// that kills writers part way. Arguments: the path, the size in bytes and the
// byte to fill it with. Prints "writing" once the bytes are ready and the
// write begins.

#include "common/atomic_file.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    const std::string bytes(std::strtoul(argv[2], nullptr, 10), static_cast<char>(std::atoi(argv[3])));
    std::puts("writing");
    std::fflush(stdout);
    return vantrel::writeFileAtomic(argv[1], bytes) ? 0 : 1;
}
