// Many sprites at once in the sprite window: the shared selection of the list
// and the grid, and each command of the Selection menu with its undo, which
// must bring back the table and every byte of every picture it wrote.

#include "formats/act.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"
#include "formats/sprite_index.h"
#include "pcx_builder.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_table_model.h"
#include "sprites/sprite_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <filesystem>
#include <map>

using namespace vantrel;
using test::TestApp;

namespace {

// Colour k of the palette is (k, 2k, 3k).
sfflib::Palette rampPalette()
{
    sfflib::Palette palette{};
    for (std::size_t k = 0; k < 256; ++k) {
        palette[3 * k] = static_cast<std::uint8_t>(k);
        palette[3 * k + 1] = static_cast<std::uint8_t>(2 * k);
        palette[3 * k + 2] = static_cast<std::uint8_t>(3 * k);
    }
    return palette;
}

sfflib::IndexedImage indexed(int width, int height, const std::map<std::pair<int, int>, std::uint8_t>& dots)
{
    sfflib::IndexedImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height)),
                               rampPalette()};
    for (const auto& [at, colour] : dots)
        image.pixels[static_cast<std::size_t>(at.second * width + at.first)] = colour;
    return image;
}

sfflib::IndexedImage solid(int width, int height, std::uint8_t colour)
{
    sfflib::IndexedImage image = indexed(width, height, {});
    std::fill(image.pixels.begin(), image.pixels.end(), colour);
    return image;
}

sfflib::IndexedImage readIndexed(const std::string& path)
{
    const std::string bytes = test::readFile(path);
    if (sfflib::looksLikePng(bytes))
        return std::get<sfflib::IndexedImage>(*sfflib::decodePng(bytes));
    return *sfflib::decodePcx(bytes);
}

// The table as text, a row a line, and every picture file's bytes.
struct Snapshot {
    std::string table;
    std::map<std::string, std::string> files;
    bool operator==(const Snapshot&) const = default;
};

struct SpriteBatchTest : ::testing::Test {
    TestApp t;
    std::string app = t.dir().toStdString();
    std::unique_ptr<SpriteWindow> w;

    SpriteWorkspace& ws() { return test::spritesOf(*t.app)->workspace(); }
    QUndoStack& history() { return *w->undoStack(); }

    void SetUp() override
    {
        test::files(*t.app).characterDir = app + "/chars/hero/";
        test::setSprites(*t.app, {});
    }
    void add(const std::string& name, const std::string& bytes, const std::string& group, const std::string& image,
             const std::string& x = "0", const std::string& y = "0")
    {
        test::writeFile(app + "/tempsff/" + name, bytes);
        ws().records().push_back({"tempsff/" + name, group, image, x, y});
    }
    // n sprites sK.pcx (solid colour K, 4 x 3), group 0, image K, axis (K, 2K).
    void fill(int n)
    {
        for (int k = 1; k <= n; ++k)
            add("s" + std::to_string(k) + ".pcx", sfflib::encodePcx(solid(4, 3, static_cast<std::uint8_t>(k))), "0",
                std::to_string(k), std::to_string(k), std::to_string(2 * k));
    }
    void open()
    {
        w = std::make_unique<SpriteWindow>(*t.app);
        w->resize(900, 500);
    }
    Snapshot snapshot()
    {
        Snapshot shot;
        for (const SpriteRecord& r : ws().records())
            shot.table +=
                r.pcxFile + " " + r.groupText + " " + r.imageText + " " + r.axisXText + " " + r.axisYText + "\n";
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(ws().directory(), ec))
            shot.files[entry.path().filename().string()] = test::readFile(entry.path().string());
        return shot;
    }
    // Undoing the last step brings back `before` exactly; doing it again, `after`.
    void expectUndoAndRedo(const Snapshot& before)
    {
        const Snapshot after = snapshot();
        ASSERT_NE(after, before);
        history().undo();
        EXPECT_EQ(snapshot(), before);
        history().redo();
        EXPECT_EQ(snapshot(), after);
    }
};

TEST_F(SpriteBatchTest, TheListAndTheGridShareOneSelectionThatFollowsTheRecordShown)
{
    fill(6);
    open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    EXPECT_EQ(w->spriteGrid->selectionModel(), w->spriteList->selectionModel());
    EXPECT_EQ(w->spriteModel->rowCount(), 6);
    EXPECT_EQ(w->spriteModel->index(2).data().toString(), "0,3");

    // Nothing selected: the commands work on the sprite shown.
    w->indexScrollBar->setValue(4);
    EXPECT_EQ(w->spriteList->currentIndex().row(), 3);
    EXPECT_EQ(w->selectedRows(), std::vector<int>{4});

    // A click, a Ctrl-click and a Shift-click in the grid: a single, an added
    // one, then a range from it. The record shown follows the click.
    const auto click = [this](int row, Qt::KeyboardModifiers modifiers) {
        const QModelIndex item = w->spriteModel->index(row - 1);
        QTest::mouseClick(w->spriteGrid->viewport(), Qt::LeftButton, modifiers,
                          w->spriteGrid->visualRect(item).center());
    };
    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("spriteTabs"));
    tabs->setCurrentWidget(w->spriteGrid);
    click(2, Qt::NoModifier);
    click(5, Qt::ControlModifier);
    EXPECT_EQ(w->selectedRows(), (std::vector<int>{2, 5}));
    EXPECT_EQ(w->currentIndex(), 5);
    click(1, Qt::NoModifier);
    click(3, Qt::ShiftModifier);
    EXPECT_EQ(w->selectedRows(), (std::vector<int>{1, 2, 3}));
    // The keys in the grid are the grid's: Shift+Right extends the range,
    // and Delete deletes the selection (asking first).
    w->spriteGrid->setFocus();
    QTest::keyClick(w->spriteGrid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(w->selectedRows(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(w->currentIndex(), 4);
    t.dialogs.answers.enqueue(Answer::No);
    QTest::keyClick(w->spriteGrid, Qt::Key_Delete);

    tabs->setCurrentWidget(w->spriteList);
    EXPECT_EQ(w->spriteList->selectionModel()->selectedIndexes().size(), 4);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Delete the 4 selected sprites?"});
}

TEST_F(SpriteBatchTest, TheAxisIsSetOrMovedOnEverySelectedSpriteInOneStep)
{
    fill(4);
    open();
    w->selectRows({1, 3});
    const Snapshot before = snapshot();
    t.dialogs.choices.enqueue(0);
    t.dialogs.texts.enqueue(QStringLiteral(" 10, -7 "));
    w->batchAxisAction->trigger();
    EXPECT_EQ(ws().record(1).axisX(), 10);
    EXPECT_EQ(ws().record(1).axisY(), -7);
    EXPECT_EQ(ws().record(3).axisY(), -7);
    EXPECT_EQ(ws().record(2).axisX(), 2); // not selected
    EXPECT_EQ(history().count(), 1);
    expectUndoAndRedo(before);
    EXPECT_EQ(w->selectedRows(), (std::vector<int>{1, 3})); // the selection stays

    t.dialogs.choices.enqueue(1);
    t.dialogs.texts.enqueue(QStringLiteral("+2,30000"));
    w->setSelectionAxis();
    EXPECT_EQ(ws().record(1).axisX(), 12);
    EXPECT_EQ(ws().record(3).axisY(), 29993); // within the axis limit
    EXPECT_EQ(history().count(), 2);

    t.dialogs.choices.enqueue(0);
    t.dialogs.texts.enqueue(QStringLiteral("3"));
    w->setSelectionAxis();
    EXPECT_EQ(history().count(), 2);
    EXPECT_EQ(t.dialogs.messageTexts().last(), "\"3\" is not two numbers, as x,y.");
}

TEST_F(SpriteBatchTest, MovingToAGroupNeverGivesTwoSpritesOneNumber)
{
    fill(4);
    add("g5.pcx", test::readFile(app + "/tempsff/s1.pcx"), "5", "2");
    open();
    w->selectRows({1, 2, 4});
    const Snapshot before = snapshot();
    t.dialogs.texts.enqueue(QStringLiteral("5"));
    w->batchGroupAction->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    // 0,1 keeps its number; 0,2 finds 5,2 taken and takes the next free, 3;
    // 0,4 keeps 4.
    EXPECT_EQ(ws().record(1).groupText + "," + ws().record(1).imageText, "5,1");
    EXPECT_EQ(ws().record(2).groupText + "," + ws().record(2).imageText, "5,3");
    EXPECT_EQ(ws().record(4).groupText + "," + ws().record(4).imageText, "5,4");
    EXPECT_EQ(ws().record(3).groupText, "0");
    EXPECT_FALSE(firstNumberClash(ws().records()));
    expectUndoAndRedo(before);

    t.dialogs.texts.enqueue(QStringLiteral("five"));
    w->moveSelectionToGroup();
    EXPECT_EQ(t.dialogs.messageTexts().last(), "\"five\" is not a group number.");
}

TEST_F(SpriteBatchTest, DeletingTheSelectionAsksOnceAndUndoBringsEveryRowBack)
{
    fill(5);
    open();
    w->selectRows({2, 3, 5});
    const Snapshot before = snapshot();
    t.dialogs.answers.enqueue(Answer::No);
    w->batchDeleteAction->trigger();
    EXPECT_EQ(ws().count(), 5);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Delete the 3 selected sprites?"});

    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteSelection();
    ASSERT_EQ(ws().count(), 2);
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/s4.pcx");
    EXPECT_EQ(w->spriteModel->rowCount(), 2);
    EXPECT_EQ(history().count(), 1);
    expectUndoAndRedo(before);
}

TEST_F(SpriteBatchTest, CroppingKeepsTheSamePixelAtTheAxis)
{
    // 8 x 6, visible pixels from (2,1) to (4,3); a 32-bit PNG with its own
    // transparent border; a picture with nothing visible; one already tight.
    add("a.pcx", sfflib::encodePcx(indexed(8, 6, {{{2, 1}, 7}, {{4, 3}, 9}, {{3, 2}, 8}})), "0", "0", "3", "2");
    sfflib::TrueColourImage colour{5, 4, true, std::vector<std::uint8_t>(5 * 4 * 4, 0)};
    colour.rgba[(2 * 5 + 1) * 4 + 3] = 255;
    colour.rgba[(2 * 5 + 1) * 4] = 200;
    add("b.png", *sfflib::encodePng(colour), "0", "1", "0", "0");
    add("c.pcx", sfflib::encodePcx(indexed(3, 3, {})), "0", "2");
    add("d.pcx", sfflib::encodePcx(indexed(1, 1, {{{0, 0}, 4}})), "0", "3");
    open();
    w->selectRows({1, 2, 3, 4});
    const Snapshot before = snapshot();
    w->batchCropAction->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    const sfflib::IndexedImage a = readIndexed(app + "/tempsff/a.pcx");
    EXPECT_EQ(a, indexed(3, 3, {{{0, 0}, 7}, {{2, 2}, 9}, {{1, 1}, 8}}));
    EXPECT_EQ(ws().record(1).axisX(), 1); // the axis was on colour 8 and is still
    EXPECT_EQ(ws().record(1).axisY(), 1);
    const auto b = std::get<sfflib::TrueColourImage>(*sfflib::decodePng(test::readFile(app + "/tempsff/b.png")));
    EXPECT_EQ(b.width, 1);
    EXPECT_EQ(b.rgba[0], 200);
    EXPECT_EQ(ws().record(2).axisX(), -1);
    EXPECT_EQ(ws().record(2).axisY(), -2);
    EXPECT_EQ(snapshot().files["c.pcx"], before.files.at("c.pcx"));
    EXPECT_EQ(snapshot().files["d.pcx"], before.files.at("d.pcx"));
    expectUndoAndRedo(before);

    history().undo();
    w->selectRows({3, 4});
    w->cropSelection();
    EXPECT_EQ(t.dialogs.messageTexts().last(), "The selected pictures have no transparent border to remove.");
    EXPECT_EQ(history().index(), 0);
}

TEST_F(SpriteBatchTest, APictureSharedWithSpritesOutsideTheSelectionIsCroppedIntoANewFile)
{
    const std::string bytes = sfflib::encodePcx(indexed(4, 4, {{{2, 2}, 5}}));
    add("shared.pcx", bytes, "0", "0", "2", "2");
    add("shared.pcx", bytes, "0", "1", "2", "2");
    open();
    w->selectRows({2});
    const Snapshot before = snapshot();
    w->cropSelection();
    EXPECT_EQ(ws().record(1).pcxFile, "tempsff/shared.pcx");
    EXPECT_EQ(test::readFile(app + "/tempsff/shared.pcx"), bytes);
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/shared-2.pcx");
    EXPECT_EQ(readIndexed(app + "/tempsff/shared-2.pcx"), indexed(1, 1, {{{0, 0}, 5}}));
    EXPECT_EQ(ws().record(2).axisX(), 0);
    EXPECT_EQ(ws().record(1).axisX(), 2);
    expectUndoAndRedo(before); // the new file goes again

    // Both selected: the one file is cut once, and both follow it.
    history().undo();
    w->selectRows({1, 2});
    w->cropSelection();
    EXPECT_EQ(ws().record(1).pcxFile, "tempsff/shared.pcx");
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/shared.pcx");
    EXPECT_EQ(ws().record(1).axisX(), 0);
    EXPECT_EQ(ws().record(2).axisY(), 0);
}

TEST_F(SpriteBatchTest, TheCharactersPaletteTakesTheNearestColoursAndKeepsColourZero)
{
    // Palette 1: colour k is (k, k, k), but for colour 1, pure red.
    Palette grey;
    for (int k = 0; k < 256; ++k)
        grey[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k),
                                             static_cast<std::uint8_t>(k)};
    grey[1] = {255, 0, 0};
    const std::string act = app + "/chars/hero/pal1.act";
    test::writeFile(act, actBytes(grey));
    test::files(*t.app).paletteFiles[1] = act;

    // An imported picture with its own colours: (10, 20, 30) is nearest grey
    // 20; (250, 10, 5) nearest the red of colour 1. Colour 0 stays 0.
    auto own = indexed(3, 1, {{{0, 0}, 10}, {{1, 0}, 0}, {{2, 0}, 3}});
    own.palette[9] = 250;
    own.palette[10] = 10;
    own.palette[11] = 5;
    add("own.pcx", sfflib::encodePcx(own), "0", "0");
    // A 32-bit one: a transparent pixel becomes 0, (100, 100, 101) grey 100.
    sfflib::TrueColourImage colour{2, 1, true, {0, 0, 0, 0, 100, 100, 101, 255}};
    add("true.png", *sfflib::encodePng(colour), "0", "1");
    open();
    w->selectRows({1, 2});
    const Snapshot before = snapshot();
    w->batchPaletteAction->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join('|');

    sfflib::Palette expected{};
    for (std::size_t k = 0; k < 256; ++k)
        for (std::size_t c = 0; c < 3; ++c)
            expected[3 * k + c] = k == 1 ? (c == 0 ? 255 : 0) : static_cast<std::uint8_t>(k);
    const sfflib::IndexedImage first = readIndexed(app + "/tempsff/own.pcx");
    EXPECT_EQ(first.pixels, (std::vector<std::uint8_t>{20, 0, 1}));
    EXPECT_EQ(first.palette, expected);
    const sfflib::IndexedImage second = readIndexed(app + "/tempsff/true.png");
    EXPECT_EQ(second.pixels, (std::vector<std::uint8_t>{0, 100}));
    EXPECT_EQ(second.palette, expected);
    expectUndoAndRedo(before);

    // Done again on pictures that have those colours: nothing to do.
    w->useCharacterPalette();
    EXPECT_EQ(t.dialogs.messageTexts().last(), "The selected pictures have the colours of pal1.act already.");
}

TEST_F(SpriteBatchTest, ASheetIsCutIntoFramesEachANewSpriteWithAFreeNumber)
{
    fill(1);
    add("taken.pcx", test::readFile(app + "/tempsff/s1.pcx"), "7", "1");
    // 3 columns x 2 rows of 4 x 5 frames and a 2-pixel strip left over on
    // the right; the middle frame of the top row is empty.
    sfflib::IndexedImage sheet = indexed(14, 10, {});
    for (int frame = 0; frame < 6; ++frame) {
        if (frame != 1)
            sheet.pixels[static_cast<std::size_t>((frame / 3) * 5 * 14 + (frame % 3) * 4 + 1)] =
                static_cast<std::uint8_t>(frame + 1);
    }
    sheet.pixels[12] = 99; // in the strip: no frame
    const std::string path = app + "/in/run.png";
    test::writeFile(path, *sfflib::encodePng(sheet));
    open();
    const Snapshot before = snapshot();
    t.dialogs.files.enqueue(QString::fromStdString(path));
    t.dialogs.texts.enqueue(QStringLiteral("4,5"));
    t.dialogs.texts.enqueue(QStringLiteral("7,0"));
    t.dialogs.choices.enqueue(0); // bottom centre
    w->importSheetAction->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Where is each frame's axis?"});

    ASSERT_EQ(ws().count(), 7);
    const std::int64_t numbers[] = {0, 2, 3, 4, 5};
    const std::uint8_t colours[] = {1, 3, 4, 5, 6};
    for (int k = 0; k < 5; ++k) {
        const SpriteRecord& r = ws().record(3 + k);
        EXPECT_EQ(r.group(), 7);
        EXPECT_EQ(r.imageNo(), numbers[k]);
        EXPECT_EQ(r.axisX(), 2);
        EXPECT_EQ(r.axisY(), 5);
        EXPECT_EQ(readIndexed(ws().imagePath(r)), indexed(4, 5, {{{1, 0}, colours[k]}})) << k;
    }
    EXPECT_EQ(w->selectedRows(), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(history().count(), 1);
    expectUndoAndRedo(before); // the frames' files go and come again

    // Cut by columns and rows, the axis in the top left corner.
    history().undo();
    t.dialogs.files.enqueue(QString::fromStdString(path));
    t.dialogs.texts.enqueue(QStringLiteral("7X1"));
    t.dialogs.texts.enqueue(QStringLiteral("8,0"));
    t.dialogs.choices.enqueue(2);
    w->importSpriteSheet();
    ASSERT_EQ(ws().count(), 2 + 4); // frames of 2 x 10: the columns with a pixel
    EXPECT_EQ(ws().record(3).axisX(), 0);
    EXPECT_EQ(readIndexed(ws().imagePath(ws().record(3))).width, 2);
}

TEST_F(SpriteBatchTest, ExportWritesEachSelectedPictureAsGroupDashNumberPng)
{
    fill(3);
    open();
    w->selectRows({1, 3});
    const std::string folder = app + "/out";
    std::filesystem::create_directories(folder);
    t.dialogs.files.enqueue(QString::fromStdString(folder));
    w->batchExportAction->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder + "/0-2.png"));
    const sfflib::IndexedImage third = readIndexed(folder + "/0-3.png");
    EXPECT_EQ(third.pixels, std::vector<std::uint8_t>(12, 3));
    EXPECT_TRUE(std::filesystem::exists(folder + "/0-1.png"));
    EXPECT_EQ(history().count(), 0);
}

TEST_F(SpriteBatchTest, TheGridDrawsOnlyTheThumbnailsInSight)
{
    const std::string bytes = sfflib::encodePcx(indexed(40, 40, {{{5, 5}, 3}}));
    test::writeFile(app + "/tempsff/one.pcx", bytes);
    for (int k = 0; k < 5000; ++k)
        ws().records().push_back({"tempsff/one.pcx", "0", std::to_string(k), "0", "0"});
    open();
    w->findChild<QTabWidget*>(QStringLiteral("spriteTabs"))->setCurrentWidget(w->spriteGrid);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::qWait(50);
    EXPECT_GT(w->spriteModel->thumbnailsDrawn(), 0);
    EXPECT_LT(w->spriteModel->thumbnailsDrawn(), 300);
}

} // namespace

namespace {

TEST_F(SpriteBatchTest, APictureInAnOutsideEditorsCareIsCroppedWithoutAStepOfTheEditors)
{
    add("e.pcx", sfflib::encodePcx(indexed(4, 4, {{{1, 1}, 5}})), "0", "0");
    open();
    w->editExternallyAction->trigger();
    w->cropSelection();
    QTest::qWait(400); // the watcher looks 100 ms after a change
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().undoText(), "Crop to Content");

    // What the editor saves afterwards is still a step of its own.
    test::writeFile(app + "/tempsff/e.pcx", sfflib::encodePcx(indexed(2, 2, {})));
    QTRY_COMPARE(history().count(), 2);
}

} // namespace
