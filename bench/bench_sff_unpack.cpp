// How long sff2pcx takes to unpack a large archive: 5,000 sprites of a
// typical character size, each with its own picture.

#include "sfflib/sff.h"
#include "sfflib/sprite_tools.h"

#include "common/atomic_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A figure of colour blobs on a transparent background, so that the run
// lengths look like a real sprite's.
sfflib::IndexedImage makePicture(std::mt19937& random, int width, int height)
{
    sfflib::IndexedImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, 0);
    for (int y = height / 8; y < height - height / 8; ++y) {
        int x = width / 4 + static_cast<int>(random() % 8);
        const int end = width - width / 4 - static_cast<int>(random() % 8);
        while (x < end) {
            const int run = 1 + static_cast<int>(random() % 6);
            const auto colour = static_cast<std::uint8_t>(1 + random() % 40);
            for (int k = 0; k < run && x < end; ++k, ++x)
                image.pixels[std::size_t(y) * width + x] = colour;
        }
    }
    for (std::size_t i = 0; i < image.palette.size(); ++i)
        image.palette[i] = static_cast<std::uint8_t>(i * 7);
    return image;
}

void BM_Unpack5000Sprites(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::mt19937 random(1);
    std::vector<sfflib::SpriteSource> sprites;
    for (int i = 0; i < 5000; ++i) {
        sfflib::SpriteSource s;
        s.image = makePicture(random, 80 + i % 40, 100 + i % 30);
        s.group = static_cast<std::int16_t>(i / 10);
        s.imageNo = static_cast<std::int16_t>(i % 10);
        s.axisX = 40;
        s.axisY = 110;
        sprites.push_back(std::move(s));
    }
    const auto sff = sfflib::writeSffV1(sprites, {false, true, false});
    const std::string sffPath = (dir / "big.sff").string();
    if (!sff || !vantrel::writeFileAtomic(sffPath, *sff)) {
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

BENCHMARK_MAIN();
