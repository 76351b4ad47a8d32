// How long an action takes to be written as an animated GIF: 60 frames of a
// 640x480 character sprite, its colours reduced per frame and LZW-coded by
// giflib. The peer, measured in the same run, is Qt writing the same 60
// frames as PNG pictures in memory.

#include "anim/action_export.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace {

using namespace vantrel;

// A figure of colour runs on a transparent stage, a little different on each frame.
ExportedAction sixtyFrames()
{
    ExportedAction action;
    action.origin = QPoint(320, 470);
    unsigned seed = 7;
    for (int f = 0; f < 60; ++f) {
        QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (int y = 40 + f % 7; y < 470; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 160 + f % 5; x < 480;) {
                seed = seed * 1103515245u + 12345u;
                const int run = std::min(480 - x, 1 + static_cast<int>((seed >> 16) % 12));
                const int k = static_cast<int>((seed >> 8) % 90);
                std::fill(row + x, row + x + run, qRgb(k * 2, 255 - k * 2, (k * 5) & 0xFF));
                x += run;
            }
        }
        action.frames.push_back({image, 4, 200, f});
    }
    return action;
}

void BM_GifOfSixtyFrames(benchmark::State& state)
{
    const ExportedAction action = sixtyFrames();
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("action.gif").toStdString();
    for (auto _ : state) {
        const Result<void> written = writeGif(action, path);
        if (!written)
            state.SkipWithError(written.error().c_str());
    }
}
BENCHMARK(BM_GifOfSixtyFrames)->Unit(benchmark::kMillisecond);

void BM_PeerPngOfSixtyFrames(benchmark::State& state)
{
    const ExportedAction action = sixtyFrames();
    for (auto _ : state) {
        for (const ExportedFrame& frame : action.frames) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            frame.image.save(&buffer, "PNG");
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_PeerPngOfSixtyFrames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
