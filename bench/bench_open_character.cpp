// How long opening a big character takes in the program, offscreen: from the
// open call (MainWindow::openCharacter, which runs the real sff2pcx) to the
// sprite window drawing record 1, for 5,000 and 19,800 sprites. Beside it, in
// the same run, its peers: the unpacking tool alone on the same archive, and
// `cp -r` of the pictures that tool writes.
//
//   bench_open_character [benchmark options]
//   bench_open_character make FOLDER COUNT   writes FOLDER/big.sff and big.def
//                                            (for bench/open_vs_copy.sh)

#include "scripted_dialogs.h"
#include "shell/main_window.h"
#include "shell/settings_store_qt.h"
#include "sprites/sprite_window.h"

#include "common/atomic_file.h"
#include "sfflib/sff.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace vantrel {
void registerSpritesWindows(MainWindow& main);
}

namespace {

namespace fs = std::filesystem;
using namespace vantrel;

// A figure of colour runs on colour 0, so that the run lengths look like a
// real sprite's (as bench_sff_unpack makes them).
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

// A character of `count` sprites in `folder`: big.sff and big.def naming it.
bool makeCharacter(const fs::path& folder, int count)
{
    std::mt19937 random(1);
    std::vector<sfflib::SpriteSource> sprites;
    sprites.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        sfflib::SpriteSource s;
        s.image = makePicture(random, 80 + i % 40, 100 + i % 30);
        s.group = static_cast<std::int16_t>(i / 10);
        s.imageNo = static_cast<std::int16_t>(i % 10);
        s.axisX = 40;
        s.axisY = 110;
        sprites.push_back(std::move(s));
    }
    const auto sff = sfflib::writeSffV1(sprites, {false, true, false});
    std::error_code ec;
    fs::create_directories(folder, ec);
    return sff && writeFileAtomic((folder / "big.sff").string(), *sff)
        && writeFileAtomic((folder / "big.def").string(), "[Files]\r\nsprite = big.sff\r\n");
}

// The characters, made once per run and kept until it ends.
const fs::path& character(int count)
{
    static QTemporaryDir root;
    static std::map<int, fs::path> made;
    auto it = made.find(count);
    if (it == made.end()) {
        const fs::path folder = fs::path(root.path().toStdString()) / std::to_string(count);
        if (!makeCharacter(folder, count))
            std::fprintf(stderr, "cannot write the %d-sprite character\n", count);
        it = made.emplace(count, folder).first;
    }
    return it->second;
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// The program as it starts, in a folder of its own, with the real tools.
struct Program {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
    App app{dir.path(), dir.path(), dialogs, store};
    MainWindow main{app};

    Program()
    {
        app.toolsDir = QStringLiteral(VANTREL_APP_DIR);
        registerSpritesWindows(main);
    }
};

void BM_OpenCharacterToFirstSprite(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string def = (character(count) / "big.def").string();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        program->main.openCharacter(QString::fromStdString(def));
        auto* window = qobject_cast<SpriteWindow*>(program->main.openWindow(QStringLiteral("SpriteWindow")));
        const QImage drawn = window ? window->renderView() : QImage();
        state.PauseTiming();
        if (program->app.sprites.count() != count || !window || window->currentIndex() != 1 || drawn.isNull()) {
            const QString why = program->dialogs.messages.isEmpty() ? QString() : program->dialogs.messages.first().text;
            state.SkipWithError(("the character did not open: " + why.toStdString()).c_str());
            break;
        }
        program.reset(); // deletes the workspace, untimed
        state.ResumeTiming();
    }
    state.counters["sprites"] = count;
}

// The peer: the unpacking tool alone, on the same archive.
void BM_PeerUnpackTool(benchmark::State& state)
{
    const fs::path& folder = character(static_cast<int>(state.range(0)));
    const fs::path out = folder / "tool";
    const std::string command = "cd " + quoted(out) + " && " + quoted(fs::path(VANTREL_APP_DIR) / "sff2pcx") + " "
        + quoted(folder / "big.sff") + " tempsff";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        fs::create_directories(out);
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sff2pcx failed");
    }
}

// The peer: `cp -r` of the pictures the tool wrote.
void BM_PeerCopyPictures(benchmark::State& state)
{
    const fs::path& folder = character(static_cast<int>(state.range(0)));
    const fs::path pictures = folder / "pictures";
    const fs::path copy = folder / "copy";
    if (!fs::exists(pictures / "tempsff.txt")) {
        fs::create_directories(pictures);
        const std::string unpack = "cd " + quoted(pictures) + " && "
            + quoted(fs::path(VANTREL_APP_DIR) / "sff2pcx") + " " + quoted(folder / "big.sff") + " tempsff";
        if (std::system(unpack.c_str()) != 0) {
            state.SkipWithError("sff2pcx failed");
            return;
        }
    }
    const std::string command = "cp -r " + quoted(pictures / "tempsff") + " " + quoted(copy);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cp failed");
    }
}

} // namespace

BENCHMARK(BM_PeerCopyPictures)->Arg(5000)->Arg(19800)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeerUnpackTool)->Arg(5000)->Arg(19800)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenCharacterToFirstSprite)->Arg(5000)->Arg(19800)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "make")
        return makeCharacter(argv[2], std::atoi(argv[3])) ? 0 : 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
