// How long opening a big character takes in the program, offscreen: from the
// open call (MainWindow::openCharacter, which runs the real sff2pcx) to the
// sprite window drawing record 1, for 5,000 sprites and for 19,799, the most
// a sprite index of 99,000 lines holds whole (19,800 would need 99,001).
// Also the 5,000-sprite one opened again over itself, as a switch between two
// characters goes: the old workspace's pictures are replaced. Beside them, in
// the same run, their peers: the unpacking tool alone on the same archive,
// and `cp -r` of the pictures that tool writes. On a shared machine take
// medians of several runs:
//
//   nice bench_open_character --benchmark_repetitions=5
//
// Nothing is deleted until the run ends: every open, unpacking and copy
// writes into a folder of its own. On a file system without a journal
// (ext4 on many virtual machines) the system avoids handing out the places
// of files deleted in the last minutes, and creating files right after
// thousands were deleted costs two to four times as much, which would
// charge one benchmark for the cleaning up of the one before. The switch
// deletes the old workspace, as the program does, and so runs last; keep the
// benchmarks in their order (no random interleaving).
// (bench/unpack_vs_copy.sh times the tool beside `cp -r` over several rounds.)

#include "documents/document_manager.h"
#include "scripted_dialogs.h"
#include "shell/main_window.h"
#include "sprites/register_windows.h"
#include "sprites/sprite_document.h"
#include "sprites/sprite_window.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include "common/atomic_file.h"
#include "formats/sff.h"
#include "sprite_figure.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace vantrel;

// A character of `count` sprites in `folder`: big.sff and big.def naming it.
bool makeCharacter(const fs::path& folder, int count)
{
    std::mt19937 random(1);
    std::vector<sfflib::SpriteSource> sprites;
    sprites.reserve(std::size_t(count));
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

// Processor time (user and system) of the waited-for child processes so far,
// in milliseconds: the tool's and cp's, which the benchmark's own CPU column
// leaves out. On a busy machine it is steadier than the wall time.
double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Reports the children's processor time per iteration as "child_cpu_ms".
class ChildCpu {
public:
    explicit ChildCpu(benchmark::State& state) : state_(state), start_(childCpuMs()) { }
    ~ChildCpu()
    {
        state_.counters["child_cpu_ms"] = benchmark::Counter(childCpuMs() - start_, benchmark::Counter::kAvgIterations);
    }

    // Leaves out what ran between `since` (a childCpuMs()) and now.
    void leaveOut(double since) { start_ += childCpuMs() - since; }

private:
    benchmark::State& state_;
    double start_;
};

std::string quoted(const fs::path& path)
{
    std::string text = path.string();
    text.insert(text.begin(), '\'');
    text += '\'';
    return text;
}

// The program as it starts, in a folder of its own, with the real tools.
struct Program {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
    DocumentManager documents;
    App app{dir.path(), dir.path(), dialogs, store};
    MainWindow main{app};

    Program()
    {
        app.documents = &documents;
        app.toolsDir = QStringLiteral(VANTREL_APP_DIR);
        registerSpritesWindows(main);
    }
};

// Programs kept open, with their workspaces, until the run ends (see the top).
std::vector<std::unique_ptr<Program>>& openPrograms()
{
    static std::vector<std::unique_ptr<Program>> programs;
    return programs;
}

// A new folder for one unpacking or copy, deleted when the run ends.
fs::path freshFolder(const fs::path& under)
{
    static int made = 0;
    return under / ("run" + std::to_string(++made));
}

void BM_OpenCharacterToFirstSprite(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string def = (character(count) / "big.def").string();
    const ChildCpu childCpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        program->main.openCharacter(QString::fromStdString(def));
        auto* window = qobject_cast<SpriteWindow*>(program->main.openWindow(WindowKind::Sprites));
        const QImage drawn = window ? window->renderView() : QImage();
        state.PauseTiming();
        if (!characterSprites(&program->documents)
            || characterSprites(&program->documents)->workspace().count() != count || !window
            || window->currentIndex() != 1 || drawn.isNull()) {
            const QString why =
                program->dialogs.messages.isEmpty() ? QString() : program->dialogs.messages.first().text;
            state.SkipWithError(("the character did not open: " + why.toStdString()).c_str());
            break;
        }
        openPrograms().push_back(std::move(program));
        state.ResumeTiming();
    }
    state.counters["sprites"] = count;
}

// The same over a character of the same size already open, whose workspace
// the open replaces.
void BM_SwitchCharacterToFirstSprite(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString def = QString::fromStdString((character(count) / "big.def").string());
    ChildCpu childCpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        const double untimed = childCpuMs();
        auto program = std::make_unique<Program>();
        program->main.openCharacter(def);
        childCpu.leaveOut(untimed);
        auto* window = qobject_cast<SpriteWindow*>(program->main.openWindow(WindowKind::Sprites));
        window->indexScrollBar->setValue(count);
        state.ResumeTiming();
        program->main.openCharacter(def);
        const QImage drawn = window->renderView();
        state.PauseTiming();
        if (!characterSprites(&program->documents)
            || characterSprites(&program->documents)->workspace().count() != count || window->currentIndex() != 1
            || drawn.isNull()) {
            state.SkipWithError("the character did not open again");
            break;
        }
        openPrograms().push_back(std::move(program));
        state.ResumeTiming();
    }
    state.counters["sprites"] = count;
}

// The peer: the unpacking tool alone, on the same archive.
void BM_PeerUnpackTool(benchmark::State& state)
{
    const fs::path& folder = character(static_cast<int>(state.range(0)));
    const ChildCpu childCpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path out = freshFolder(folder);
        fs::create_directories(out);
        const std::string command = "cd " + quoted(out) + " && " + quoted(fs::path(VANTREL_APP_DIR) / "sff2pcx") + " "
            + quoted(folder / "big.sff") + " tempsff";
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
    if (!fs::exists(pictures / "tempsff.txt")) {
        fs::create_directories(pictures);
        const std::string unpack = "cd " + quoted(pictures) + " && " + quoted(fs::path(VANTREL_APP_DIR) / "sff2pcx")
            + " " + quoted(folder / "big.sff") + " tempsff";
        if (std::system(unpack.c_str()) != 0) {
            state.SkipWithError("sff2pcx failed");
            return;
        }
    }
    const ChildCpu childCpu(state);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string command = "cp -r " + quoted(pictures / "tempsff") + " " + quoted(freshFolder(folder));
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cp failed");
    }
}

} // namespace

BENCHMARK(BM_OpenCharacterToFirstSprite)->Arg(5000)->Arg(19799)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PeerUnpackTool)->Arg(5000)->Arg(19799)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PeerCopyPictures)->Arg(5000)->Arg(19799)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SwitchCharacterToFirstSprite)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    openPrograms().clear();
    return 0;
}
