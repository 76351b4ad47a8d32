// How long the animation preview takes to draw one frame on a full-HD stage:
// the stage cleared, the previous and the next frame drawn as onion skins,
// then the frame itself, each sprite scaled 4 times, turned and (the frame)
// blended additively. The peer, measured in the same run, is one plain
// QPainter blit of a picture of the stage's size.
//
// Also: finding the frame of a tick in an action of 10,000 frames.

#include "anim/action_timeline.h"
#include "anim/frame_drawing.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include <vector>

namespace {

using namespace vantrel;

constexpr QSize kStageSize(1920, 1080);

// A paletted sprite the size of a character's: a figure of colour runs on colour 0.
QImage characterSprite(int width, int height, unsigned seed)
{
    QImage sprite(width, height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int k = 0; k < 256; ++k)
        colours.push_back(qRgb(k, 255 - k, (k * 3) & 0xFF));
    sprite.setColorTable(colours);
    for (int y = 0; y < height; ++y) {
        uchar* row = sprite.scanLine(y);
        for (int x = 0; x < width;) {
            seed = seed * 1103515245u + 12345u;
            const int run = std::min(width - x, 1 + static_cast<int>((seed >> 16) % 12));
            const bool figure = x > width / 5 && x < width * 4 / 5 && y > height / 8;
            const auto colour = static_cast<uchar>(figure ? 1 + (seed >> 8) % 60 : 0);
            std::fill(row + x, row + x + run, colour);
            x += run;
        }
    }
    return sprite;
}

struct Frame {
    QImage sprite;
    QPoint axis;
    FrameLook look;
};

// The frame before, the frame shown and the frame after, as a walk cycle
// would have them: 200 x 240 sprites, their axis at the feet.
std::vector<Frame> frames()
{
    std::vector<Frame> made;
    for (int k = 0; k < 3; ++k) {
        FrameLook look;
        look.scaleX = look.scaleY = 4;
        look.angle = 20 + 5 * k;
        look.offsetX = -30 + 30 * k;
        made.push_back({characterSprite(200, 240, 11u + static_cast<unsigned>(k)), {100, 235}, look});
    }
    made[1].look.blend = {BlendMode::AddCustom, 192, 160};
    return made;
}

void BM_DrawFrameWithOnionSkins(benchmark::State& state)
{
    const std::vector<Frame> cycle = frames();
    QImage stage(kStageSize, QImage::Format_ARGB32_Premultiplied);
    const QPointF origin(kStageSize.width() / 2.0, kStageSize.height() - 60.0);
    const OnionSkin before{0.35, true, qRgb(255, 64, 64)};
    const OnionSkin after{0.35, true, qRgb(64, 255, 64)};
    for (auto _ : state) {
        stage.fill(qRgb(40, 44, 52));
        drawOnionSkin(stage, cycle[0].sprite, cycle[0].axis, origin, cycle[0].look, before);
        drawOnionSkin(stage, cycle[2].sprite, cycle[2].axis, origin, cycle[2].look, after);
        drawFrame(stage, cycle[1].sprite, cycle[1].axis, origin, cycle[1].look);
        benchmark::DoNotOptimize(stage.constBits());
    }
}

// The peer: a picture of the stage's size blitted once.
void BM_PeerBlitOfTheStageSize(benchmark::State& state)
{
    QImage source(kStageSize, QImage::Format_ARGB32_Premultiplied);
    source.fill(qRgb(10, 20, 30));
    QImage stage(kStageSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&stage);
        painter.drawImage(0, 0, source);
        painter.end();
        benchmark::DoNotOptimize(stage.constBits());
    }
}

// Every tick of two passes through a looping action of 10,000 frames.
void BM_TimelineOf10000Frames(benchmark::State& state)
{
    std::vector<int> times;
    for (int k = 0; k < 10'000; ++k)
        times.push_back(k % 5);
    const ActionTimeline timeline(times, 2'000, true);
    const std::int64_t ticks = 2 * timeline.firstPassLength();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (std::int64_t t = 0; t < ticks; ++t)
            sum += timeline.at(t).frame;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * ticks);
}

} // namespace

BENCHMARK(BM_PeerBlitOfTheStageSize)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_DrawFrameWithOnionSkins)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_TimelineOf10000Frames)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
