// Exporting an action: the GIF's delays, frames and loop read back with the
// GIF library, the sheet's JSON against the AIR, and vantrel-export's exit
// status and its one error line, on the sample and on both real kfm.

#include "anim/action_export.h"
#include "formats/air_document.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gif_lib.h>

#include <filesystem>
#include <numeric>

using namespace vantrel;

namespace {

const std::string kSample = std::string(VANTREL_APP_DIR) + "/samples/kit/kit.def";

struct ReadGif {
    int frames = 0;
    int width = 0;
    int height = 0;
    std::vector<int> delays;
    bool loopsForever = false;
};

ReadGif readGif(const std::string& path)
{
    ReadGif read;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif)
        return read;
    if (DGifSlurp(gif) == GIF_OK) {
        read.frames = gif->ImageCount;
        read.width = gif->SWidth;
        read.height = gif->SHeight;
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            read.delays.push_back(control.DelayTime);
        }
        // The loop extension comes before the first picture, so it is kept with it.
        const SavedImage& first = gif->SavedImages[0];
        for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
            const ExtensionBlock& block = first.ExtensionBlocks[i];
            const ExtensionBlock& count = first.ExtensionBlocks[i + 1];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
                && std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0" && count.ByteCount == 3)
                read.loopsForever = count.Bytes[1] == 0 && count.Bytes[2] == 0;
        }
    }
    DGifCloseFile(gif, &error);
    return read;
}

// The frames of action `number` as the AIR file of the character lists them.
std::vector<AirFrame> framesOf(const std::string& airPath, int number)
{
    const AirDocument air = AirDocument::parse(test::readFile(airPath));
    const int index = air.findAction(number);
    if (index < 0)
        return {};
    const auto frames = air.frames(air.actions()[static_cast<std::size_t>(index)]);
    return {frames.begin(), frames.end()};
}

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun exportTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QString(VANTREL_APP_DIR) + "/vantrel-export", arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(GifDelays, FollowTheTicksAtSixtyASecondWithoutDrift)
{
    // 5 ticks are 8⅓ hundredths: the ends fall at 8, 17, 25, so no frame drifts.
    EXPECT_EQ(gifDelays({5, 5, 5}), (std::vector<int>{8, 9, 8}));
    const std::vector<int> many(60, 7); // 420 ticks: 7 seconds exactly
    const std::vector<int> delays = gifDelays(many);
    EXPECT_EQ(std::accumulate(delays.begin(), delays.end(), 0), 700);
    // A held frame ends the GIF with one second; what follows is never shown.
    EXPECT_EQ(gifDelays({6, -1, 6}), (std::vector<int>{10, 100}));
    EXPECT_EQ(gifDelays({0, 3}), (std::vector<int>{0, 5}));
}

TEST(ActionExport, GifOfTheSampleReadsBackWithItsFramesDelaysAndLoop)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("stand.gif").toStdString();
    const Result<ExportedAction> action = renderAction(kSample, 0, {});
    ASSERT_TRUE(action) << action.error();
    const std::vector<AirFrame> frames = framesOf(std::string(VANTREL_APP_DIR) + "/samples/kit/kit.air", 0);
    ASSERT_EQ(action->frames.size(), frames.size());
    ASSERT_TRUE(writeGif(*action, out));
    const ReadGif gif = readGif(out);
    EXPECT_EQ(gif.frames, static_cast<int>(frames.size()));
    std::vector<int> times;
    for (const AirFrame& f : frames)
        times.push_back(f.time);
    EXPECT_EQ(gif.delays, gifDelays(times));
    EXPECT_TRUE(gif.loopsForever);
    EXPECT_EQ(gif.width, action->frames.front().image.width());

    // Every frame drew something, and the canvas holds all of them: no
    // drawn pixel touches an edge that was cut.
    for (const ExportedFrame& f : action->frames) {
        const QImage image = f.image.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(opaque, 0);
    }

    // Twice the size, with the boxes drawn: the canvas grows to hold them.
    const Result<ExportedAction> large = renderAction(kSample, 0, {true, 2});
    ASSERT_TRUE(large) << large.error();
    EXPECT_GE(large->frames.front().image.width(), 2 * action->frames.front().image.width());
    EXPECT_EQ(large->origin.x() % 2, 0);
}

TEST(ActionExport, SheetJsonMatchesTheAirOnBothRealCharacters)
{
    for (const char* name : {"winmugen-kfm", "ikemen-kfm"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const std::string def = test::realchars(std::string(name) + "/kfm.def");
        const std::string air = test::realchars(std::string(name) + "/kfm.air");
        for (int number : {0, 200}) {
            const std::vector<AirFrame> frames = framesOf(air, number);
            ASSERT_FALSE(frames.empty());
            const std::string png = dir.filePath(QString("a%1.png").arg(number)).toStdString();
            const Result<ExportedAction> action = renderAction(def, number, {});
            ASSERT_TRUE(action) << action.error();
            ASSERT_TRUE(writeSheet(*action, png));
            const QImage sheet(QString::fromStdString(png));
            ASSERT_FALSE(sheet.isNull());
            const QJsonObject json = QJsonDocument::fromJson(test::readFile(sheetJsonPath(png)).c_str()).object();
            EXPECT_EQ(json["action"].toInt(), number);
            const QJsonArray cells = json["frames"].toArray();
            ASSERT_EQ(cells.size(), static_cast<qsizetype>(frames.size()));
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const QJsonObject cell = cells[i].toObject();
                const AirFrame& frame = frames[static_cast<std::size_t>(i)];
                EXPECT_EQ(cell["time"].toInt(), frame.time);
                EXPECT_EQ(cell["group"].toInt(), frame.group);
                EXPECT_EQ(cell["image"].toInt(), frame.image);
                const QRect rect(cell["x"].toInt(), cell["y"].toInt(), cell["width"].toInt(), cell["height"].toInt());
                EXPECT_TRUE(sheet.rect().contains(rect)) << i;
                EXPECT_TRUE(QRect(QPoint(), rect.size()).contains(cell["axisX"].toInt(), cell["axisY"].toInt()));
            }

            const std::string gif = dir.filePath(QString("a%1.gif").arg(number)).toStdString();
            ASSERT_TRUE(writeGif(*action, gif));
            EXPECT_EQ(readGif(gif).frames, static_cast<int>(frames.size()));
        }
    }
}

TEST(ExportProgram, ExitsZeroOneOrTwoWithOneErrorLine)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.gif");
    const QString def = QString::fromStdString(kSample);

    ToolRun run = exportTool({"gif", def, "0", out, "--scale", "2"});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_GT(readGif(out.toStdString()).frames, 0);

    run = exportTool({"sheet", def, "5", dir.filePath("turn.png"), "--boxes"});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(std::filesystem::exists(dir.filePath("turn.json").toStdString()));

    // Missing things: exit 1 and one line saying what.
    run = exportTool({"gif", def, "4242", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("4242"));
    run = exportTool({"gif", dir.filePath("nobody.def"), "0", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();

    // A frame naming a sprite the archive lacks.
    const std::string copy = dir.filePath("kit").toStdString();
    std::filesystem::copy(std::filesystem::path(kSample).parent_path(), copy);
    test::writeFile(copy + "/kit.air", "[Begin Action 0]\r\n0,0, 0,0, 5\r\n9999,7, 0,0, 5\r\n");
    run = exportTool({"gif", QString::fromStdString(copy + "/kit.def"), "0", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("9999,7")) << run.errors.toStdString();
    EXPECT_EQ(run.errors.count('\n'), 1);

    // APNG: written where the PNG library can, else said so.
    run = exportTool({"apng", def, "0", dir.filePath("a.png")});
    EXPECT_EQ(run.exitCode, apngSupported() ? 0 : 1) << run.errors.toStdString();

    // Bad arguments: exit 2.
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"gif", def, "0"}, QStringList{"mp4", def, "0", out},
          QStringList{"gif", def, "zero", out}, QStringList{"gif", def, "0", out, "--scale", "0"},
          QStringList{"gif", def, "0", out, "--wobble"}})
        EXPECT_EQ(exportTool(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}
