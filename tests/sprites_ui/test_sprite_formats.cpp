// PNG pictures and SFF v2 through the sprite window: pictures drawn
// elsewhere coming in (8-bit with their indices, 32-bit with their alpha),
// pictures going out as PNG, the version in the build options dialog, and a
// real SFF v2 character edited, saved and opened again.

#include "formats/png.h"
#include "formats/sff_pcx.h"
#include "palette/palette_window.h"
#include "shell/main_window.h"
#include "sprites/build_options_dialog.h"
#include "sprites/register_windows.h"
#include "sprites/sff_build.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

using namespace vantrel;
using test::TestApp;

namespace {

// A drawing program's 8-bit PNG: 5 x 4, pixel (x, y) is colour (x + 2y) % 7,
// colour k is (k, 255 - k, k / 2) and colour 0 is (10, 20, 30).
QImage indexedDrawing()
{
    QImage image(5, 4, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int k = 0; k < 256; ++k)
        colours.append(k == 0 ? qRgb(10, 20, 30) : qRgb(k, 255 - k, k / 2));
    image.setColorTable(colours);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, static_cast<uint>((x + 2 * y) % 7));
    return image;
}

// A 32-bit PNG: 6 x 3, pixel (x, y) is (200, 40x, 100) with alpha 50x.
QImage alphaDrawing()
{
    QImage image(6, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, qRgba(200, 40 * x, 100, 50 * x));
    return image;
}

QString saved(const QImage& image, const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    return QString::fromStdString(path);
}

sfflib::IndexedImage pcxPicture()
{
    sfflib::IndexedImage image{3, 2, {0, 1, 2, 3, 0, 200}, {}};
    for (std::size_t i = 0; i < image.palette.size(); ++i)
        image.palette[i] = static_cast<std::uint8_t>(i * 5 + 1);
    return image;
}

// Answers the next build options dialog with `choose`, then OK.
void answerBuildOptions(std::function<void(BuildOptionsDialog*)> choose)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, choose] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<BuildOptionsDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            timer->stop();
            timer->deleteLater();
            choose(dialog);
            dialog->okButton->click();
            return;
        }
    });
    timer->start();
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

struct PictureTest : ::testing::Test {
    TestApp t;
    std::string app = t.dir().toStdString();
    std::unique_ptr<SpriteWindow> w;

    SpriteWorkspace& ws() { return test::spritesOf(*t.app)->workspace(); }

    void SetUp() override
    {
        test::files(*t.app).characterDir = app + "/chars/hero/";
        test::writeFile(app + "/tempsff/a.pcx", sfflib::encodePcx(pcxPicture()));
        test::setSprites(*t.app, {{"tempsff/a.pcx", "0", "0", "0", "0"}});
        w = std::make_unique<SpriteWindow>(*t.app);
        w->resize(700, 500);
    }
    // The pixel the view shows for pixel (x, y) of the current record's
    // picture, its axis moved so that the picture is clear of the marker.
    QRgb shown(int x, int y)
    {
        SpriteRecord& record = ws().record(w->currentIndex());
        if (record.axisXText != "-20") {
            record.axisXText = record.axisYText = "-20";
            w->showRecord(w->currentIndex());
        }
        return w->renderView().pixel(w->origin().x + 20 + x, w->origin().y + 20 + y);
    }
    void add(const QString& path)
    {
        t.dialogs.fileLists.enqueue({path});
        w->addImageAction->trigger();
    }
};

} // namespace

// An 8-bit PNG comes in with its indices and colours. A 32-bit one does not
// fit the SFF v1 this workspace builds: the window says why and offers v2;
// accepted, it comes in and is drawn with its alpha over the background. A
// file that is no PNG is refused with the reason.
TEST_F(PictureTest, PngsDrawnElsewhereComeIn)
{
    add(saved(indexedDrawing(), app + "/in/drawing.png"));
    ASSERT_EQ(ws().count(), 2);
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/drawing.png");
    EXPECT_EQ(w->currentIndex(), 2);
    for (const auto& [x, y] : {std::pair(0, 0), std::pair(4, 1), std::pair(2, 3)})
        EXPECT_EQ(shown(x, y) & 0xFFFFFF, indexedDrawing().color((x + 2 * y) % 7) & 0xFFFFFF) << x << "," << y;
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(ws().buildVersion(), 1);

    const QString photo = saved(alphaDrawing(), app + "/in/photo.png");
    t.dialogs.answers.enqueue(Answer::No);
    add(photo);
    EXPECT_EQ(ws().count(), 2);
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    for (const char* mention : {"photo.png", "32-bit", "SFF v1", "SFF v2"})
        EXPECT_TRUE(t.dialogs.messages[0].text.contains(mention)) << t.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(ws().buildVersion(), 1);

    t.dialogs.answers.enqueue(Answer::Yes);
    add(photo);
    ASSERT_EQ(ws().count(), 3);
    EXPECT_EQ(ws().record(3).pcxFile, "tempsff/photo.png");
    EXPECT_EQ(ws().buildVersion(), 2);
    EXPECT_EQ(buildOptionText(ws().buildFlags), "-f -p -v2 ");
    for (int x = 0; x < 6; ++x) {
        const double alpha = 50 * x / 255.0;
        const auto over = [&](int background) {
            const auto mix = [&](int c) { return int(c * alpha + background * (1 - alpha) + 0.5); };
            return qRgb(mix(200), mix(40 * x), mix(100));
        };
        EXPECT_LE(channelDistance(shown(x, 1), over(0)), 2) << "over black, x " << x;
        w->whiteBackgroundBox->click();
        EXPECT_LE(channelDistance(shown(x, 1), over(255)), 2) << "over white, x " << x;
        w->whiteBackgroundBox->click();
    }

    // Change takes a PNG too; a file that is no PNG is refused.
    test::writeFile(app + "/in/broken.png", "GIF89a, not a PNG");
    t.dialogs.clear();
    t.dialogs.files.enqueue(QString::fromStdString(app + "/in/broken.png"));
    w->changeImageAction->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"The PNG file broken.png cannot be used: this is not a PNG file."});
    EXPECT_EQ(ws().record(3).pcxFile, "tempsff/photo.png");
    w->indexScrollBar->setValue(1);
    t.dialogs.files.enqueue(QString::fromStdString(app + "/in/drawing.png"));
    w->changeImageAction->trigger();
    EXPECT_EQ(ws().record(1).pcxFile, "tempsff/drawing.png");
}

// Export one and Export all write an indexed PNG with the picture's own
// indices and palette, colour 0 transparent when asked; a 32-bit sprite goes
// out as PNG only.
TEST_F(PictureTest, PicturesGoOutAsPng)
{
    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    for (const bool transparent : {true, false}) {
        SCOPED_TRACE(transparent ? "colour 0 transparent" : "opaque");
        const std::string target = out + (transparent ? "/clear.png" : "/solid.png");
        t.dialogs.files.enqueue(QString::fromStdString(target));
        t.dialogs.answers.enqueue(transparent ? Answer::Yes : Answer::No);
        w->exportImageAction->trigger();
        const auto png = sfflib::decodePng(test::readFile(target));
        ASSERT_TRUE(png) << png.error();
        EXPECT_EQ(std::get<sfflib::IndexedImage>(*png), pcxPicture());
        const QImage read(QString::fromStdString(target));
        EXPECT_EQ(qAlpha(read.pixel(0, 0)), transparent ? 0 : 255);
        EXPECT_EQ(qAlpha(read.pixel(1, 0)), 255);
    }

    t.dialogs.answers.enqueue(Answer::Yes);
    add(saved(alphaDrawing(), app + "/in/photo.png"));
    ASSERT_EQ(ws().count(), 2);
    t.dialogs.clear();
    t.dialogs.files.enqueue(QString::fromStdString(out + "/photo.pcx"));
    w->exportImageAction->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"photo.pcx: a 32-bit picture can be saved as PNG only."});
    EXPECT_FALSE(std::filesystem::exists(out + "/photo.pcx"));

    const std::string all = out + "/all";
    std::filesystem::create_directories(all);
    t.dialogs.files.enqueue(QString::fromStdString(all));
    t.dialogs.answers.enqueue(Answer::Yes); // as PNG
    t.dialogs.answers.enqueue(Answer::Yes); // colour 0 transparent
    w->exportAllAction->trigger();
    const auto first = sfflib::decodePng(test::readFile(all + "/a.png"));
    ASSERT_TRUE(first) << first.error();
    EXPECT_EQ(std::get<sfflib::IndexedImage>(*first), pcxPicture());
    EXPECT_EQ(qAlpha(QImage(QString::fromStdString(all + "/a.png")).pixel(0, 0)), 0);
    EXPECT_EQ(QImage(QString::fromStdString(all + "/photo.png")).convertToFormat(QImage::Format_ARGB32),
              alphaDrawing());
}

// The palette editor takes the first sprite as its sample; a 32-bit one has
// no palette to edit through, so it is left alone, with a word why.
TEST_F(PictureTest, ThePaletteEditorLeavesA32BitSampleAlone)
{
    {
        PaletteWindow palettes(*t.app);
        EXPECT_FALSE(palettes.samplePicture().isNull()) << "an 8-bit sample is shown";
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
    }
    saved(alphaDrawing(), app + "/tempsff/photo.png");
    const std::string before = test::readFile(app + "/tempsff/photo.png");
    ws().record(1).pcxFile = "tempsff/photo.png";
    PaletteWindow palettes(*t.app);
    EXPECT_TRUE(palettes.samplePicture().isNull());
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"The sample is a 32-bit picture: palettes do not change it."});
    EXPECT_EQ(test::readFile(app + "/tempsff/photo.png"), before);
}

// The dialog shows the archive's version (2.00 and 2.01 told apart) and
// offers the others, each naming the engines that read it; going to v1 warns
// of the palettes and 32-bit sprites it would lose, going to 2.00 of the
// 32-bit sprites MUGEN 1.0 cannot draw. Only a version other than the
// archive's goes on the command line.
TEST(BuildOptionsVersion, TheOtherVersionsAndWhatTheyLose)
{
    struct Case {
        VersionFacts facts;
        int preset, choose; // 100: v1, 200: v2.00, 201: v2.01
        const char* shown;
        std::vector<const char*> warning;
        const char* options;
    };
    const Case cases[] = {
        {{2, 7, 2, 3}, 0, 100, "2.01", {"7 palettes", "2 that no sprite uses", "3 sprites are 32-bit"}, "-v1 "},
        {{2, 7, 0, 0}, 0, 100, "2.01", {"7 palettes"}, "-v1 "},
        {{2, 7, 2, 3}, 0, 201, "2.01", {}, ""},
        {{2, 7, 2, 3}, 0, 200, "2.01", {"MUGEN 1.0", "3 sprites are 32-bit"}, "-v2.00 "},
        {{2, 7, 0, 0, 0}, 0, 200, "2.00", {}, ""},
        {{2, 7, 0, 0, 0}, 0, 201, "2.00", {}, "-v2.01 "},
        {{1, 0, 0, 0}, 0, 201, "1", {}, "-v2.01 "},
        {{1, 0, 0, 0}, 0, 200, "1", {}, "-v2.00 "},
        {{1, 0, 0, 1}, 2, 100, "1", {"1 sprites are 32-bit"}, ""},
    };
    for (const Case& c : cases) {
        BuildFlags flags;
        flags.version = c.preset;
        flags.duplicateImages = flags.duplicatePalettes = 0; // only the version on the command line
        BuildOptionsDialog dialog(flags, c.facts);
        const int archive = c.facts.archiveVersion == 2 ? 200 + c.facts.archiveMinorVersion : 100;
        EXPECT_EQ(dialog.versionBox->currentData().toInt(), c.preset == 2 ? 201 : archive) << c.options;
        EXPECT_TRUE(dialog.versionLabel->text().contains(QStringLiteral("SFF v%1.").arg(QLatin1String(c.shown))))
            << dialog.versionLabel->text().toStdString();
        dialog.versionBox->setCurrentIndex(dialog.versionBox->findData(c.choose));
        EXPECT_EQ(dialog.warningLabel->isVisibleTo(&dialog), !c.warning.empty()) << c.options;
        for (const char* mention : c.warning)
            EXPECT_TRUE(dialog.warningLabel->text().contains(mention)) << dialog.warningLabel->text().toStdString();
        dialog.okButton->click();
        EXPECT_FALSE(flags.cancelled);
        EXPECT_EQ(buildOptionText(flags), c.options) << c.choose;
    }
    // Each choice names the engines that read it.
    BuildFlags flags;
    const BuildOptionsDialog dialog(flags, {});
    ASSERT_EQ(dialog.versionBox->count(), 3);
    EXPECT_TRUE(dialog.versionBox->itemText(0).contains(QStringLiteral("WinMUGEN")));
    EXPECT_TRUE(dialog.versionBox->itemText(1).contains(QStringLiteral("MUGEN 1.0")));
    EXPECT_FALSE(dialog.versionBox->itemText(2).contains(QStringLiteral("MUGEN 1.0")));
}

// The facts come from the workspace: its description (palettes and the
// pictures drawn with them) and its true-colour pictures.
TEST(BuildOptionsVersion, FactsComeFromTheWorkspace)
{
    TestApp t;
    SpriteWorkspace ws(t.dir().toStdString());
    test::writeFile(ws.directory() + "/a.pcx", sfflib::encodePcx(pcxPicture()));
    test::writeFile(ws.directory() + "/b.pcx", sfflib::encodePcx(pcxPicture()));
    saved(alphaDrawing(), ws.directory() + "/photo.png");
    saved(indexedDrawing(), ws.directory() + "/drawing.png");
    for (const char* file : {"a.pcx", "b.pcx", "photo.png", "drawing.png"})
        ws.records().push_back({std::string("tempsff/") + file, "0", "0", "0", "0"});
    EXPECT_EQ(std::pair(versionFacts(ws).archiveVersion, versionFacts(ws).trueColourRecords), std::pair(1, 1));

    test::writeFile(ws.descriptionPath(),
                    "SFF 2.01\npalettes 3\n1 1 1 00000000\n1 2 1 00000000\n9 9 1 00000000\n"
                    "pictures 2\n0 tempsff/a.pcx\n2 tempsff/B.PCX\n");
    const VersionFacts facts = versionFacts(ws);
    EXPECT_EQ(std::tuple(facts.archiveVersion, facts.palettes, facts.unusedPalettes, facts.trueColourRecords),
              std::tuple(2, 3, 1, 1));
    ws.buildFlags.version = 1;
    ws.clearWorkspace();
    EXPECT_EQ(std::pair(ws.archiveVersion(), ws.buildFlags.version), std::pair(1, 0));
}

// ikemen-kfm (SFF v2) opened in the program: one axis moved, a 32-bit PNG
// added, saved with no version chosen: the file is an SFF v2 about the size
// of the original, and opens again with the edits and every other sprite as
// it was. A sprite goes out as PNG with its indices.
TEST(SpriteRoundTripV2, AnSffV2CharacterSavesAsV2AndReopens)
{
    if (!std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sff2pcx")
        || !std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sprmaker"))
        GTEST_SKIP() << "the sprite tools are not built";
    TestApp t;
    MainWindow main{*t.app};
    const std::string app = t.dir().toStdString();
    test::installRealTools(app);
    registerSpritesWindows(main);
    main.openCharacter(QString::fromStdString(test::realchars("ikemen-kfm/kfm.def")));
    ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    auto* window = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(window, nullptr);
    // The table of the character open (another after it opens again).
    const auto ws = [&t]() -> SpriteWorkspace& { return test::spritesOf(*t.app)->workspace(); };
    ASSERT_EQ(ws().count(), 281);
    EXPECT_EQ(ws().archiveVersion(), 2);

    // What each sprite draws, relative to its axis.
    const auto looks = [&ws] {
        std::vector<std::pair<std::string, std::map<std::pair<int, int>, std::uint32_t>>> out;
        for (int r = 1; r <= ws().count(); ++r) {
            const SpriteRecord& record = ws().record(r);
            const auto bytes = test::readFile(ws().imagePath(record));
            std::map<std::pair<int, int>, std::uint32_t> pixels;
            if (const auto pcx = sfflib::decodePcx(bytes)) {
                for (int i = 0; i < pcx->width * pcx->height; ++i)
                    if (const unsigned v = pcx->pixels[std::size_t(i)])
                        pixels[{i % pcx->width - int(record.axisX()), i / pcx->width - int(record.axisY())}] =
                            pcx->palette[v * 3] << 16 | pcx->palette[v * 3 + 1] << 8 | pcx->palette[v * 3 + 2];
            } else if (const auto png = sfflib::decodePng(bytes)) {
                const auto& rgba = std::get<sfflib::TrueColourImage>(*png);
                for (int i = 0; i < rgba.width * rgba.height; ++i)
                    pixels[{i % rgba.width - int(record.axisX()), i / rgba.width - int(record.axisY())}] =
                        std::uint32_t(rgba.rgba[std::size_t(i) * 4]) << 24 | rgba.rgba[std::size_t(i) * 4 + 3];
            }
            out.emplace_back(record.groupText + "," + record.imageText, std::move(pixels));
        }
        return out;
    };
    auto before = looks();

    const int moved = 5;
    window->indexScrollBar->setValue(moved);
    window->axisXEdit->setText(QString::number(ws().record(moved).axisX() + 3));
    window->indexScrollBar->setValue(10);
    ASSERT_TRUE(window->insertPicture(saved(alphaDrawing(), app + "/in/glow.png")));
    ASSERT_EQ(ws().count(), 282);
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << "an SFF v2 takes a 32-bit picture without asking";

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out + "/kfm.sff"));
    answerBuildOptions([](BuildOptionsDialog* dialog) {
        EXPECT_EQ(dialog->chosenVersion(), 2);
        dialog->removeDuplicateImagesBox->setChecked(true);
        dialog->removeDuplicatePalettesBox->setChecked(true);
    });
    window->saveAsAction->trigger();
    ASSERT_TRUE(window->waitForBuild()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(test::readFile(app + "/spawn.sh").find(" -v"), std::string::npos) << "no version chosen";

    const std::string written = test::readFile(out + "/kfm.sff");
    ASSERT_GT(written.size(), 16u);
    EXPECT_EQ(written.substr(12, 4), std::string("\0\1\0\2", 4));
    const double ratio =
        double(written.size()) / double(std::filesystem::file_size(test::realchars("ikemen-kfm/kfm.sff")));
    EXPECT_GT(ratio, 0.85);
    EXPECT_LT(ratio, 1.1);

    // Opened again: the moved sprite sits 3 pixels further left of its axis,
    // the new one is there, everything else is as it was.
    test::writeFile(out + "/kfm.def", "[Files]\r\nsprite = kfm.sff\r\n");
    t.dialogs.clear();
    main.openCharacter(QString::fromStdString(out + "/kfm.def"));
    ASSERT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_EQ(ws().count(), 282);
    EXPECT_EQ(ws().archiveVersion(), 2);
    const auto after = looks();
    std::map<std::pair<int, int>, std::uint32_t> shifted;
    for (const auto& [at, colour] : before[moved - 1].second)
        shifted[{at.first - 3, at.second}] = colour;
    before[moved - 1].second = shifted;
    before.insert(before.begin() + 10, after[10]);
    EXPECT_EQ(ws().record(11).pcxFile.substr(ws().record(11).pcxFile.size() - 4), ".png");
    EXPECT_EQ(after[10].second.size(), 18u) << "the 32-bit sprite's pixels";
    for (std::size_t r = 0; r < after.size(); ++r)
        EXPECT_TRUE(after[r] == before[r]) << "record " << r + 1 << " (" << after[r].first << ")";

    t.dialogs.files.enqueue(QString::fromStdString(out + "/first.png"));
    t.dialogs.answers.enqueue(Answer::No);
    window->indexScrollBar->setValue(1);
    window->exportImageAction->trigger();
    const auto exported = sfflib::decodePng(test::readFile(out + "/first.png"));
    ASSERT_TRUE(exported) << exported.error();
    EXPECT_EQ(std::get<sfflib::IndexedImage>(*exported),
              *sfflib::decodePcx(test::readFile(ws().imagePath(ws().record(1)))));
}
