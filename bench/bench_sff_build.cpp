// How long sprmaker takes to build a large SFF v2: 5,000 sprites of a
// typical character size in 32-colour pictures (as modern characters have),
// from a workspace of PCX files and its palette description, and the same
// archive put together in memory (encoding alone, no files). The peer, in
// the same run, is the least a build costs: the same PCX files read and
// written one after another into a single file, durably, as the archive is.

#include "formats/archive_description.h"
#include "formats/sff.h"
#include "formats/sff_pcx.h"
#include "sprite_figure.h"
#include "sprite_tools/sprite_tools.h"

#include "common/atomic_file.h"
#include "common/text.h"
#include "formats/sprite_index.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kSprites = 5000;

// A benchmark figure in the archive's shared palette.
sfflib::IndexedImage withPalette(sfflib::IndexedImage image, const sfflib::Palette& palette)
{
    image.palette = palette;
    return image;
}

struct Workspace {
    fs::path dir = fs::temp_directory_path() / ("vantrel-bench-v2-" + std::to_string(::getpid()));
    std::vector<sfflib::PaletteEntry> palettes;
    std::vector<std::pair<sfflib::Sprite, sfflib::IndexedImage>> sprites;
    std::string index;
    std::string description; // names no archive: every picture is new

    Workspace()
    {
        fs::create_directories(dir / "tempsff");
        std::mt19937 random(1);
        sfflib::ArchiveDescription description;
        for (int p = 0; p < 12; ++p) {
            sfflib::PaletteEntry entry{1, std::int16_t(p + 1), {}};
            for (int c = 0; c < 32; ++c)
                entry.colours.insert(entry.colours.end(),
                                     {std::uint8_t(c * 8 + p), std::uint8_t(c * 3), std::uint8_t(255 - c * 7),
                                      std::uint8_t(c ? 255 : 0)});
            palettes.push_back(entry);
        }
        description.palettes = palettes;
        sfflib::Palette colours{};
        for (int c = 0; c < 32; ++c)
            for (int k = 0; k < 3; ++k)
                colours[c * 3 + k] = palettes[0].colours[c * 4 + k];
        std::vector<vantrel::SpriteRecord> records;
        for (int i = 0; i < kSprites; ++i) {
            const sfflib::Sprite numbers{std::int16_t(i / 10), std::int16_t(i % 10), 40, 110, 0};
            sprites.emplace_back(
                numbers, withPalette(vantrel::bench::makeFigure(random, 80 + i % 40, 100 + i % 30, 31), colours));
            const std::string file = (dir / "tempsff" / ("s" + std::to_string(i) + ".pcx")).string();
            (void)vantrel::writeFileAtomic(file, sfflib::encodePcx(sprites.back().second));
            description.pictures.emplace_back(file, 0);
            records.push_back({file, std::to_string(i / 10), std::to_string(i % 10), "40", "110"});
        }
        this->description = sfflib::formatArchiveDescription(description);
        index = vantrel::formatSpriteIndex((dir / "big.sff").string(), records);
    }
    ~Workspace() { fs::remove_all(dir); }
};

Workspace& workspace()
{
    static Workspace w;
    return w;
}

// sprmaker's whole work on new pictures: read 5,000 PCX files, choose their
// palettes, encode on every core, write the archive. The description is put
// back before each round: the build records the archive it wrote there, and
// the next would copy every picture.
void BM_Build5000SpritesV2(benchmark::State& state)
{
    Workspace& w = workspace();
    sfflib::BuildOptions options;
    options.samePalette = options.linkDuplicates = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        (void)vantrel::writeFileAtomic((w.dir / "tempsff.v2.txt").string(), w.description,
                                       vantrel::Durability::Scratch);
        state.ResumeTiming();
        const auto built = sfflib::buildSff(w.index, options, (w.dir / "tempsff.v2.txt").string());
        if (!built || built->version != 2 || built->sprites != kSprites)
            state.SkipWithError(built ? "wrong archive" : built.error().c_str());
    }
    state.counters["sprites"] = kSprites;
    state.counters["MB"] = double(fs::file_size(w.dir / "big.sff")) / 1e6;
}

// The encoding alone: pictures in memory to the archive's bytes.
void BM_Encode5000SpritesV2(benchmark::State& state)
{
    Workspace& w = workspace();
    std::size_t size = 0;
    for (auto _ : state) {
        sfflib::SffV2Writer writer(w.palettes, {});
        for (const auto& [numbers, picture] : w.sprites)
            writer.addSprite(numbers, picture, 0);
        size = writer.finish().size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["MB"] = double(size) / 1e6;
}

void BM_PeerConcatenatePictures(benchmark::State& state)
{
    Workspace& w = workspace();
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(w.dir / "tempsff"))
        files.push_back(entry.path().string());
    std::string joined;
    for (auto _ : state) {
        joined.clear();
        for (const std::string& file : files) {
            const auto bytes = vantrel::readFileBytes(file);
            if (bytes)
                joined += *bytes;
        }
        if (!vantrel::writeFileAtomic((w.dir / "joined.bin").string(), joined))
            state.SkipWithError("cannot write the joined pictures");
    }
    state.counters["MB"] = double(joined.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_PeerConcatenatePictures)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Build5000SpritesV2)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Encode5000SpritesV2)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
