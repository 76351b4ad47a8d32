// How long the sprite view takes to redraw, offscreen: a 640 x 480 sprite at
// zoom 8 with another one laid over it as the onion skin, in a view of a
// maximised window's size, drawn through the canvas's own paint event. The
// peer, measured in the same run, is the least any redraw costs: one blit of
// a picture of the view's size.

#include "documents/document_manager.h"
#include "pcx_builder.h"
#include "scripted_dialogs.h"
#include "sprites/sprite_canvas.h"
#include "sprites/sprite_document.h"
#include "sprites/sprite_window.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vantrel;

constexpr QSize kViewSize(1200, 900);

// An 8-bit PCX, run-length encoded, with a 256-colour palette: a figure of
// colour runs on colour 0, as a character's sprite looks.
std::string spritePcx(int width, int height, int seed)
{
    std::vector<std::uint8_t> encoded;
    unsigned state = static_cast<unsigned>(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width;) {
            state = state * 1103515245u + 12345u;
            const int run = std::min(width - x, 1 + static_cast<int>((state >> 16) % 12));
            const bool figure = x > width / 5 && x < width * 4 / 5 && y > height / 8;
            const int colour = figure ? 1 + static_cast<int>((state >> 8) % 60) : 0;
            encoded.push_back(static_cast<std::uint8_t>(0xC0 | run));
            encoded.push_back(static_cast<std::uint8_t>(colour));
            x += run;
        }
    }
    vantrel::Palette colours;
    for (int k = 0; k < 256; ++k)
        colours[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(255 - k),
                                                static_cast<std::uint8_t>(k * 3)};
    return vantrel::test::makePcx({width, height, width, 8, 1, encoded, colours});
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The sprite window on two 640 x 480 sprites at zoom 8, the second one laid
// over the first as the onion skin.
struct Scene {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
    DocumentManager documents;
    App app{dir.path(), dir.path(), dialogs, store};
    std::unique_ptr<SpriteWindow> window;

    Scene()
    {
        app.documents = &documents;
        const std::string root = dir.path().toStdString();
        std::vector<SpriteRecord> records;
        for (int k = 1; k <= 2; ++k) {
            const std::string name = "tempsff/s" + std::to_string(k) + ".pcx";
            writeBytes(root + "/" + name, spritePcx(640, 480, k));
            records.push_back({name, "0", std::to_string(k), "320", "470"});
        }
        documents.addDocument(std::make_unique<SpriteDocument>(QString(), dir.path(), dir.path(), std::move(records)));
        app.zoomFactor = 8.0f;
        window = std::make_unique<SpriteWindow>(app);
        window->jumpGroupEdit->setText("0");
        window->jumpImageEdit->setText("2");
        window->onionSkinBox->click();
        window->show();
        window->resize(kViewSize + QSize(400, 150));
        QApplication::processEvents();
    }
    QWidget& view() { return *window->view; }
};

Scene& scene()
{
    static Scene* made = new Scene;
    return *made;
}

// A redraw of the view as it stands, as an exposure or a repaint asks for it.
void BM_RedrawZoom8OnionSkin(benchmark::State& state)
{
    QWidget& view = scene().view();
    QImage target(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["width"] = view.width();
    state.counters["height"] = view.height();
}

// A scroll bar step and the redraw it causes.
void BM_ScrollAndRedrawZoom8OnionSkin(benchmark::State& state)
{
    QWidget& view = scene().view();
    QScrollBar* bar = scene().window->horizontalPanBar;
    QImage target(view.size(), QImage::Format_RGB32);
    int step = 1;
    for (auto _ : state) {
        if (bar->value() + bar->singleStep() > bar->maximum() || bar->value() - bar->singleStep() < bar->minimum())
            step = -step;
        bar->setValue(bar->value() + step * bar->singleStep());
        view.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The peer: a picture of the view's size blitted once.
void BM_PeerBlitOfTheViewSize(benchmark::State& state)
{
    QWidget& view = scene().view();
    QImage source(view.size(), QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    QImage target(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, source);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

} // namespace

BENCHMARK(BM_PeerBlitOfTheViewSize)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RedrawZoom8OnionSkin)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ScrollAndRedrawZoom8OnionSkin)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
