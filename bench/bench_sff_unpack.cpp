// How long sff2pcx takes to unpack a large archive: 5,000 sprites of a
// typical character size, each with its own picture.
//
//   bench_sff_unpack                         times the unpacking (Google Benchmark)
//   bench_sff_unpack make OUT.sff [SPRITES]  writes such an archive, for
//                                            bench/unpack_vs_copy.sh

#include "formats/sff.h"
#include "sprite_figure.h"
#include "sprite_tools/sprite_tools.h"

#include "common/atomic_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// An SFF v1 archive of `count` sprites, each with its own picture.
bool writeArchive(const std::string& path, int count)
{
    std::mt19937 random(1);
    std::vector<sfflib::SpriteSource> sprites;
    for (int i = 0; i < count; ++i) {
        sfflib::SpriteSource s;
        s.image = vantrel::bench::makeFigure(random, 80 + i % 40, 100 + i % 30);
        s.group = static_cast<std::int16_t>(i / 10);
        s.imageNo = static_cast<std::int16_t>(i % 10);
        s.axisX = 40;
        s.axisY = 110;
        sprites.push_back(std::move(s));
    }
    const auto sff = sfflib::writeSffV1(sprites, {false, true, false});
    return sff && vantrel::writeFileAtomic(path, *sff, vantrel::Durability::Scratch);
}

void BM_Unpack5000Sprites(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string sffPath = (dir / "big.sff").string();
    if (!writeArchive(sffPath, 5000)) {
        state.SkipWithError("cannot write the archive");
        return;
    }
    for (auto _ : state) {
        const auto result = sfflib::unpackSff(sffPath, (dir / "tempsff").string(), (dir / "tempsff.txt").string());
        if (!result || *result != 5000)
            state.SkipWithError("unpacking failed");
    }
    state.counters["sprites"] = 5000;
    fs::remove_all(dir);
}

} // namespace

BENCHMARK(BM_Unpack5000Sprites)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "make") {
        const int count = argc > 3 ? std::atoi(argv[3]) : 5000;
        if (count <= 0 || !writeArchive(argv[2], count)) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
