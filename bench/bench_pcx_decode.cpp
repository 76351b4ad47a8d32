// The display decoder on whole files, for bench/pcx_vs_pillow.sh to time
// beside another decoder on the same files.
//
//   bench_pcx_decode make OUT WIDTH HEIGHT KIND   writes an 8-bit PCX; KIND is
//                                                 "sprite" (long runs) or "noise"
//   bench_pcx_decode time N FILE...               reads and decodes every file N
//                                                 times, prints the processor seconds taken
//   bench_pcx_decode time-in-memory N FILE...     the same, each file read once and
//                                                 decoded N times from memory

#include "image/pcx.h"

#include "common/atomic_file.h"
#include "common/text.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <time.h>
#include <vector>

namespace {

void put16(std::string& out, std::size_t at, int value)
{
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// Run-length encodes one row the usual way: runs of up to 63, and single
// bytes of 0xC0 and above as runs of one.
void encodeRow(const std::uint8_t* row, int length, std::string& out)
{
    int x = 0;
    while (x < length) {
        int run = 1;
        while (x + run < length && run < 63 && row[x + run] == row[x])
            ++run;
        if (run > 1 || row[x] >= 0xC0)
            out += static_cast<char>(0xC0 | run);
        out += static_cast<char>(row[x]);
        x += run;
    }
}

int make(const std::string& path, int width, int height, const std::string& kind)
{
    std::mt19937 random(3);
    const int bytesPerLine = (width + 1) & ~1;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(bytesPerLine));
    std::string out(128, '\0');
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    put16(out, 8, width - 1);
    put16(out, 10, height - 1);
    put16(out, 12, 72);
    put16(out, 14, 72);
    out[65] = 1;
    put16(out, 66, bytesPerLine);
    put16(out, 68, 1);
    for (int y = 0; y < height; ++y) {
        if (kind == "noise") {
            for (auto& p : row)
                p = static_cast<std::uint8_t>(random());
        } else {
            // A figure of colour blobs on a transparent background.
            std::fill(row.begin(), row.end(), 0);
            int x = width / 4 + static_cast<int>(random() % 8);
            const int end = width - width / 4 - static_cast<int>(random() % 8);
            while (x < end) {
                const int run = 1 + static_cast<int>(random() % 12);
                const auto colour = static_cast<std::uint8_t>(1 + random() % 250);
                for (int k = 0; k < run && x < end; ++k, ++x)
                    row[static_cast<std::size_t>(x)] = colour;
            }
        }
        encodeRow(row.data(), bytesPerLine, out);
    }
    out += '\x0C';
    for (int i = 0; i < 768; ++i)
        out += static_cast<char>(i * 7);
    if (!vantrel::writeFileAtomic(path, out, vantrel::Durability::Scratch)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

double cpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

int timeDecoding(int rounds, const std::vector<std::string>& files, bool inMemory)
{
    // VANTREL_PCX_INSTRUCTIONS=plain or avx2 times the decoder with fewer
    // vector instructions than the processor has.
    if (const char* wanted = std::getenv("VANTREL_PCX_INSTRUCTIONS")) {
        const std::string name = wanted;
        if (name == "plain")
            vantrel::setPcxInstructions(vantrel::PcxInstructions::Plain);
        else if (name == "avx2")
            vantrel::setPcxInstructions(vantrel::PcxInstructions::Avx2);
    }
    vantrel::DecoderState state;
    std::vector<std::string> contents;
    for (const std::string& file : files)
        contents.push_back(inMemory ? vantrel::readFileBytes(file).value_or(std::string()) : std::string());
    const auto decode = [&](std::size_t i) {
        return inMemory ? vantrel::decodePcx(state, contents[i], vantrel::kPaletteFromFile, 0)
                        : vantrel::loadPcx(state, files[i], vantrel::kPaletteFromFile, 0);
    };
    // Two decodes of each file first, untimed, as the other side also
    // decodes first: the first touch of fresh memory is the system's cost,
    // not the decoder's, and the decoder keeps two pictures' memory (the one
    // shown and the one it decodes into), which the program's decoder has
    // warmed long before it shows a sprite.
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (int warm = 0; warm < 2; ++warm)
            decode(i);
    }
    std::size_t pixels = 0;
    // Processor time of this process: on a busy machine the wall clock also
    // counts the turns other programs take.
    const auto start = cpuSeconds();
    for (std::size_t f = 0; f < files.size(); ++f) {
        for (int i = 0; i < rounds; ++i) {
            if (decode(f) != vantrel::PcxStatus::Ok) {
                std::fprintf(stderr, "cannot decode %s\n", files[f].c_str());
                return 1;
            }
            pixels += state.decodedPixels.pixels.size();
        }
    }
    std::printf("%.6f\n", cpuSeconds() - start);
    std::fprintf(stderr, "%zu pixels\n", pixels);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 6 && mode == "make")
        return make(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argv[5]);
    if (argc >= 4 && (mode == "time" || mode == "time-in-memory"))
        return timeDecoding(std::atoi(argv[2]), std::vector<std::string>(argv + 3, argv + argc),
                            mode == "time-in-memory");
    std::fprintf(stderr, "usage: bench_pcx_decode make OUT WIDTH HEIGHT sprite|noise | time[-in-memory] N FILE...\n");
    return 2;
}
