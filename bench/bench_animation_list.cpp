// How long the Animation window takes to open on an AIR file of 2,000
// actions, up to its first frame on screen: the file read, the actions
// listed (number and frame count; the pictures come in later from the event
// loop), the first action's frames in the table. The peer, in the same run,
// is a plain QListWidget given the same 2,000 lines and shown.

#include "anim/collision_box_window.h"
#include "documents/document_manager.h"
#include "scripted_dialogs.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace vantrel;

constexpr int kActions = 2000;

struct Scene {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
    DocumentManager documents;
    App app{dir.path(), dir.path(), dialogs, store};

    Scene()
    {
        app.documents = &documents;
        const std::string path = dir.path().toStdString() + "/big.air";
        std::ofstream air(path, std::ios::binary);
        for (int a = 0; a < kActions; ++a) {
            air << "; action " << a << "\r\n[Begin Action " << a * 10 << "]\r\nClsn2Default: 1\r\n"
                << " Clsn2[0] = -10, -80, 10, 0\r\n";
            for (int f = 0; f < 6; ++f)
                air << a << "," << f << ", 0,0, 4\r\n";
            air << "\r\n";
        }
        air.close();
        CharacterFiles files;
        files.animationFile = path;
        documents.setCharacter(files);
    }
};

Scene& scene()
{
    static Scene* made = new Scene;
    return *made;
}

void BM_OpenAnimationWindowOn2000Actions(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        std::unique_ptr<CollisionBoxWindow> window(CollisionBoxWindow::open(s.app));
        if (!window) {
            state.SkipWithError("the window did not open");
            return;
        }
        window->show();
        window->repaint();
        benchmark::DoNotOptimize(window->actionList->count());
    }
}
BENCHMARK(BM_OpenAnimationWindowOn2000Actions)->Unit(benchmark::kMillisecond);

void BM_PeerListOf2000Lines(benchmark::State& state)
{
    QStringList lines;
    for (int a = 0; a < kActions; ++a)
        lines << QStringLiteral("%1   (6)").arg(a * 10);
    for (auto _ : state) {
        QListWidget list;
        list.addItems(lines);
        list.show();
        list.repaint();
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_PeerListOf2000Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
