#include "file_drops.h"
#include "formats/act.h"
#include "formats/pal.h"
#include "palette/palette_window.h"
#include "shortcut_table.h"
#include "test_support.h"
#include "ui/action_icons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <filesystem>

using namespace vantrel;

namespace {

// Palette n of the classic sample character.
std::string kfm(int n)
{
    return test::realchars("winmugen-kfm/kfm" + (n > 1 ? std::to_string(n) : "") + ".act");
}
Palette kfmPalette(int n)
{
    const Result<Palette> read = readActFile(kfm(n));
    EXPECT_TRUE(read) << read.error();
    return read ? *read : Palette{};
}

// A character with the first six palettes of the classic sample and a
// workspace holding one real sprite; the window opens on demand.
struct PaletteWindowTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    std::optional<PaletteWindow> window;

    PaletteWindowTest()
    {
        test::files(app).characterDir = t.path("char/");
        std::filesystem::create_directories(test::files(app).characterDir);
        for (int n = 1; n <= 6; ++n)
            test::files(app).paletteFiles[n] = kfm(n);
        test::writeFile(t.path("tempsff/0-0.pcx"), test::readFile(test::realchars("pcx/gmarbles.pcx")));
        useWorkspace({{"tempsff/0-0.pcx", "0", "0", "0", "0"}});
    }
    // The character's sprites: the first record's picture is the sample.
    void useWorkspace(std::vector<SpriteRecord> records) { test::setSprites(app, std::move(records)); }
    PaletteWindow& open() { return window.emplace(app); }
    // The palette the window shows, and whether its document has changes not saved.
    const Palette& palette() const { return window->model().workingPalette; }
    bool modified() const { return window->document() && window->document()->isModified(); }
    // The toolbar button of this name.
    QAction* button(const QString& name) const
    {
        QAction* action = window->findChild<QAction*>(name);
        EXPECT_TRUE(action && window->findChild<QToolBar*>("toolbar")->actions().contains(action))
            << name.toStdString();
        return action;
    }
    // Presses a toolbar button with the answer and file name the dialogs will give.
    void click(const QString& name, std::optional<Answer> answer = {}, const std::string& file = "")
    {
        if (answer)
            t.dialogs.answers.enqueue(*answer);
        if (!file.empty())
            t.dialogs.files.enqueue(QString::fromStdString(file));
        button(name)->trigger();
    }
    // The palette button that is checked, 0 for none.
    int checkedPalette() const
    {
        int checked = 0;
        for (int n = 1; n <= 12; ++n) {
            if (window->paletteAction(n)->isChecked()) {
                EXPECT_EQ(checked, 0) << "two palette buttons checked";
                checked = n;
            }
        }
        return checked;
    }
    void expectSampleShows(const Palette& p) const
    {
        ASSERT_FALSE(window->samplePicture().isNull());
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(window->samplePicture().color(i), qRgb(p[i].r, p[i].g, p[i].b)) << i;
    }
};

} // namespace

TEST_F(PaletteWindowTest, OpensOnPaletteOneWithTheFirstSpriteAsSample)
{
    PaletteWindow& w = open();
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(button(QStringLiteral("palette%1Action").arg(n))->isEnabled(), n <= 6) << n;
    EXPECT_EQ(palette(), kfmPalette(1));
    EXPECT_EQ(w.samplePicture().size(), QSize(142, 99));
    expectSampleShows(palette());
    EXPECT_FALSE(button("undoAction")->isEnabled());
    click("palette3Action");
    EXPECT_EQ(palette(), kfmPalette(3));
    expectSampleShows(palette());

    const std::string sprite = test::readFile(t.path("tempsff/0-0.pcx"));
    test::writeFile(t.path("tempsff/0-0.pcx"), std::string(300, '\x05')); // a damaged sample: said once
    open();
    for (int v : {10, 20, 30})
        window->scrollBar(Channel::Green)->setValue(v);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Sorry, can't load that pcx file!"});
    EXPECT_TRUE(window->samplePicture().isNull());
    test::writeFile(t.path("tempsff/good.pcx"), sprite);
    click("chooseSampleAction", {}, t.path("tempsff/good.pcx"));
    expectSampleShows(palette());

    t.dialogs.clear();
    useWorkspace({}); // an empty workspace: no sample, no complaint
    EXPECT_TRUE(open().samplePicture().isNull());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(PaletteWindowTest, TheCommandButtonsShowTheirCaptionsUnderAPictureOfTheirOwnAndTheirKeys)
{
    open();
    const struct {
        const char* name;
        const char* caption;
        ActionIcon icon;
    } buttons[] = {
        {"saveAsAction", "Save As", ActionIcon::SaveAs},
        {"importPalAction", "Import PAL", ActionIcon::Import},
        {"exportPalAction", "Export PAL", ActionIcon::Export},
        {"chooseSampleAction", "Sample", ActionIcon::Picture},
        {"undoAction", "Undo", ActionIcon::Undo},
    };
    auto* toolbar = window->findChild<QToolBar*>("toolbar");
    QList<QImage> pictures;
    for (const auto& b : buttons) {
        QAction* action = button(b.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), b.caption);
        auto* tool = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        ASSERT_NE(tool, nullptr) << b.name;
        EXPECT_EQ(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << b.name;
        const QImage picture = action->icon().pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(picture.isNull()) << b.name;
        EXPECT_EQ(picture, actionIcon(b.icon).pixmap(QSize(16, 16)).toImage()) << b.name;
        EXPECT_FALSE(pictures.contains(picture)) << b.name << " looks like another button";
        pictures << picture;
    }
    // The palette numbers are their own picture.
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(window->paletteAction(n)->text(), QString::number(n));
        EXPECT_TRUE(window->paletteAction(n)->icon().isNull()) << n;
    }

    // Save and Save As have their keys, named in their tips, and no key is bound twice.
    const QMap<QString, QStringList> keys = test::boundKeys(&*window);
    const QString saveAs =
        test::keyText(QKeySequence::keyBindings(QKeySequence::SaveAs).value(0, QKeySequence("Ctrl+Shift+S")));
    EXPECT_EQ(keys.value(saveAs), QStringList{"saveAsAction"});
    EXPECT_EQ(keys.value(test::keyText(QKeySequence::Save)), QStringList{"saveAction"});
    EXPECT_EQ(test::keysBoundTwice(&*window), QStringList());
    for (QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo})
        EXPECT_TRUE(keys.contains(test::keyText(key))) << test::keyText(key).toStdString();
    EXPECT_EQ(button("saveAsAction")->toolTip(), "Save As (" + saveAs + ")");
}

TEST_F(PaletteWindowTest, GridPressesSelectAndTheBarsChangeTheSelectedColour)
{
    PaletteWindow& w = open();
    w.show();
    QTest::mouseClick(w.findChild<QWidget*>("paletteGrid"), Qt::LeftButton, {}, QPoint(191, 191));
    EXPECT_EQ(w.model().selectedIndex, 255);
    const Rgb c = palette()[255];
    EXPECT_EQ(std::pair(w.scrollBar(Channel::Red)->value(), w.numberEdit(Channel::Blue)->text().trimmed().toInt()),
              std::pair(int{c.r}, int{c.b}));
    EXPECT_EQ(w.selectedSwatch(), QColor(c.r, c.g, c.b));
    const QImage grid = w.gridPicture(); // black from the cell corner, white one pixel inside
    EXPECT_EQ(
        std::vector<QRgb>({grid.pixel(180, 180), grid.pixel(181, 181), grid.pixel(191, 191), grid.pixel(185, 185)}),
        std::vector<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(c.r, c.g, c.b)}));
    w.pressGrid(192, 0); // beside the grid: nothing selected, nothing to undo
    EXPECT_EQ(w.model().selectedIndex, 255);
    EXPECT_FALSE(button("undoAction")->isEnabled());

    w.pressGrid(5 * 12 + 3, 3);
    const int raised = (palette()[5].r + 40) % 256;
    w.scrollBar(Channel::Red)->setValue(raised);
    EXPECT_EQ(palette()[5].r, raised);
    EXPECT_EQ(w.numberEdit(Channel::Red)->text(), QStringLiteral(" %1").arg(raised));
    EXPECT_TRUE(button("undoAction")->isEnabled());
    expectSampleShows(palette());
}

TEST_F(PaletteWindowTest, PickingFromTheSampleNumberBoxesAndColourChooser)
{
    PaletteWindow& w = open();
    w.show();
    const std::tuple<Qt::MouseButton, int, int, bool> picks[] = {{Qt::LeftButton, 70, 50, true},
                                                                 {Qt::LeftButton, 141, 98, true},
                                                                 {Qt::RightButton, 10, 10, false},
                                                                 {Qt::LeftButton, 142, 10, false},
                                                                 {Qt::LeftButton, 10, -1, false}};
    for (const auto& [button, x, y, picked] : picks) {
        w.selectIndex(0);
        w.pickColour(button, x, y);
        EXPECT_EQ(w.model().selectedIndex, picked ? w.samplePicture().pixelIndex(x, y) : 0) << x << "," << y;
        EXPECT_EQ(w.undoStack()->count(), 0); // picking is no edit
    }

    QLineEdit* red = w.numberEdit(Channel::Red);
    red->clear();
    EXPECT_EQ(palette()[0].r, 0); // an empty box is 0 at once
    QTest::keyClicks(red, "300");
    EXPECT_EQ(red->text(), "255");
    EXPECT_EQ(std::pair(w.scrollBar(Channel::Red)->value(), int{palette()[0].r}), std::pair(255, 255));
    w.numberEdit(Channel::Green)->clear();
    QTest::keyClicks(w.numberEdit(Channel::Green), "1a-2 ");
    EXPECT_EQ(palette()[0].g, 12);

    w.pressGrid(12 * 7, 0);
    const Rgb before = palette()[7];
    w.chooseColour(); // cancelled
    EXPECT_EQ(palette()[7], before);
    t.dialogs.colours.enqueue(QColor(255, 0, 0));
    w.chooseColour();
    EXPECT_EQ(palette()[7], (Rgb{255, 0, 0}));
    EXPECT_EQ(std::pair(w.scrollBar(Channel::Red)->value(), w.scrollBar(Channel::Green)->value()), std::pair(255, 0));
    expectSampleShows(palette());
}

TEST_F(PaletteWindowTest, PaletteFilesLoadSaveImportAndExport)
{
    const std::string shortAct = t.path("char/short.act"), out = t.path("char/out.act");
    test::writeFile(shortAct, std::string(100, '\x11'));
    test::writeFile(out, std::string(2000, 'z'));
    test::files(app).paletteFiles[7] = shortAct;
    test::files(app).paletteFiles[8] = t.path("char/missing.act");
    PaletteWindow& w = open();
    for (const char* key : {"palette7Action", "palette8Action"}) { // broken files say so and keep the palette
        t.dialogs.clear();
        click(key);
        ASSERT_EQ(t.dialogs.messages.size(), 1) << key;
        EXPECT_TRUE(t.dialogs.messages[0].text.contains(".act")) << key;
        EXPECT_EQ(palette(), kfmPalette(1));
    }
    EXPECT_EQ(test::readFile(shortAct), std::string(100, '\x11'));
    EXPECT_FALSE(std::filesystem::exists(test::files(app).paletteFiles[8]));

    click("saveAsAction"); // cancelled
    EXPECT_EQ(test::readFile(out).size(), 2000u);
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QString::fromStdString(test::files(app).characterDir));
    click("saveAsAction", {}, out); // a longer file is replaced by exactly 768 bytes
    EXPECT_EQ(test::readFile(out), test::readFile(kfm(1)));

    const std::string pal = t.path("char/kfm.pal"), bad = t.path("char/bad.pal");
    click("exportPalAction", {}, pal);
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QString::fromStdString(test::files(app).characterDir));
    click("palette2Action");
    test::writeFile(bad, "jasc-pal\r\n0100\r\n256\r\n");
    t.dialogs.clear();
    click("importPalAction", {}, bad);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kPalRejected});
    EXPECT_EQ(t.dialogs.messages.at(0).detail,
              QString::fromStdString(bad) + ": the file has 3 lines, fewer than the 259 of the header and 256 colours");
    EXPECT_EQ(palette(), kfmPalette(2));
    click("importPalAction", {}, pal);
    EXPECT_EQ(palette(), kfmPalette(1));
    EXPECT_TRUE(modified());
    expectSampleShows(palette());
}

TEST_F(PaletteWindowTest, SwitchingKeepsEachPalettesChangesAndTheCheckedButtonNamesThePaletteShown)
{
    test::files(app).paletteFiles[7] = t.path("char/missing.act");
    PaletteWindow& w = open();
    w.show();
    EXPECT_EQ(checkedPalette(), 1);
    click("palette3Action");
    EXPECT_EQ(std::pair(checkedPalette(), palette()), std::pair(3, kfmPalette(3)));
    // A file that does not load says so, and the palette shown stays.
    click("palette7Action");
    EXPECT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(std::pair(checkedPalette(), palette()), std::pair(3, kfmPalette(3)));

    // An edited palette keeps its change when another is shown: nothing is asked.
    t.dialogs.clear();
    w.scrollBar(Channel::Red)->setValue((palette()[0].r + 1) % 256);
    const Palette edited = palette();
    click("palette2Action");
    EXPECT_EQ(std::pair(checkedPalette(), palette()), std::pair(2, kfmPalette(2)));
    EXPECT_FALSE(modified());
    click("palette3Action");
    EXPECT_EQ(palette(), edited);
    EXPECT_TRUE(modified());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_TRUE(w.editUndoAction()->isEnabled()) << "its history came back with it";

    // Closing the window asks nothing and keeps the change in the document.
    PaletteDocument* third = w.document();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(third->palette(), edited);

    // Save writes the palette's own file.
    const std::string copy = t.path("char/three.act");
    std::filesystem::copy_file(kfm(3), copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    test::files(app).paletteFiles[3] = copy;
    open();
    click("palette3Action");
    w.scrollBar(Channel::Green)->setValue((palette()[0].g + 1) % 256);
    click("saveAction");
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    const Result<Palette> saved = readActFile(copy);
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_EQ(*saved, palette());
    EXPECT_FALSE(modified());

    // A character whose first palette does not load opens with none checked,
    // and a refused file leaves it so.
    test::files(app).paletteFiles[1] = t.path("char/missing.act");
    open();
    EXPECT_EQ(checkedPalette(), 0);
    click("palette7Action");
    EXPECT_EQ(checkedPalette(), 0);
    click("palette4Action");
    EXPECT_EQ(checkedPalette(), 4);
}

// --- keys and drops ------------------------------------------------------------------

using test::dropFiles;

TEST_F(PaletteWindowTest, ADroppedActOrPalFileIsImported)
{
    PaletteWindow& w = open();
    ASSERT_EQ(palette(), kfmPalette(1));
    const std::string pal = t.path("char/three.pal");
    test::writeFile(pal, palText(kfmPalette(3)));
    test::writeFile(t.path("char/notes.txt"), "no palette");
    const std::string bad = t.path("char/bad.act");
    test::writeFile(bad, std::string(10, '\x01'));

    EXPECT_FALSE(dropFiles(&w, {QString::fromStdString(t.path("char/notes.txt"))}));
    EXPECT_EQ(palette(), kfmPalette(1));

    const struct {
        std::string file;
        Palette expected;
        bool message;
    } drops[] = {
        {kfm(2), kfmPalette(2), false},
        {pal, kfmPalette(3), false},
        {bad, kfmPalette(3), true}, // refused: the palette stays
    };
    for (const auto& d : drops) {
        t.dialogs.clear();
        EXPECT_TRUE(dropFiles(&w, {QString::fromStdString(t.path("char/notes.txt")), QString::fromStdString(d.file)}))
            << d.file;
        EXPECT_EQ(palette(), d.expected) << d.file;
        EXPECT_EQ(t.dialogs.messages.size(), d.message ? 1 : 0) << d.file;
        EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    }
    EXPECT_TRUE(modified()); // an import is an edit still to be saved
    expectSampleShows(palette());
}

// --- undo and redo -------------------------------------------------------------

TEST_F(PaletteWindowTest, EveryChangeIsOneStepUndoneAndDoneAgain)
{
    const std::string pal = t.path("char/other.pal");
    test::writeFile(pal, palText(kfmPalette(4)));
    struct Case {
        const char* undoText;
        std::function<void(PaletteWindow&)> change;
    };
    const Case cases[] = {
        {"Undo Change Red",
         [](PaletteWindow& w) { w.scrollBar(Channel::Red)->triggerAction(QScrollBar::SliderPageStepAdd); }},
        {"Undo Change Green", // typed digit by digit, then held to 255
         [](PaletteWindow& w) {
             w.numberEdit(Channel::Green)->clear();
             QTest::keyClicks(w.numberEdit(Channel::Green), "300");
         }},
        {"Undo Change Blue", // a drag of the thumb
         [](PaletteWindow& w) {
             QScrollBar* bar = w.scrollBar(Channel::Blue);
             bar->setSliderDown(true);
             for (int v : {10, 70, 130})
                 bar->setValue(v);
             bar->setSliderDown(false);
         }},
        {"Undo Choose Colour", [](PaletteWindow& w) { w.chooseColour(); }},
        {"Undo Import PAL", [this, pal](PaletteWindow&) { click("importPalAction", {}, pal); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.undoText);
        PaletteWindow& w = open();
        w.show();
        w.selectIndex(9);
        t.dialogs.colours.enqueue(QColor(1, 2, 3));
        const Palette before = palette();
        c.change(w);
        t.dialogs.colours.clear();
        const Palette after = palette();
        ASSERT_NE(after, before);
        ASSERT_EQ(w.undoStack()->count(), 1);
        EXPECT_EQ(w.editUndoAction()->text(), c.undoText);
        EXPECT_TRUE(modified());

        w.selectIndex(0);
        w.editUndoAction()->trigger();
        EXPECT_EQ(palette(), before);
        EXPECT_FALSE(modified());
        expectSampleShows(before);
        if (std::string(c.undoText) != "Undo Import PAL") {
            EXPECT_EQ(w.model().selectedIndex, 9);
            EXPECT_EQ(w.selectedSwatch(), QColor(before[9].r, before[9].g, before[9].b));
            EXPECT_EQ(w.numberEdit(Channel::Blue)->text().trimmed().toInt(), before[9].b);
            EXPECT_EQ(w.scrollBar(Channel::Blue)->value(), before[9].b);
        }
        EXPECT_EQ(w.editRedoAction()->text(), QString(c.undoText).replace("Undo", "Redo"));
        w.editRedoAction()->trigger();
        EXPECT_EQ(palette(), after);
        expectSampleShows(after);
        EXPECT_EQ(w.undoStack()->count(), 1); // showing the step made none
        button("undoAction")->trigger();
        EXPECT_EQ(palette(), before);
        EXPECT_FALSE(button("undoAction")->isEnabled());
    }
}

TEST_F(PaletteWindowTest, SavingMarksTheStateSavedAndLoadingStartsAfresh)
{
    PaletteWindow& w = open();
    w.show();
    w.selectIndex(3);
    const std::string out = t.path("char/out.act");
    w.scrollBar(Channel::Red)->setValue((palette()[3].r + 9) % 256);
    click("saveAsAction", {}, out);
    const std::string saved = test::readFile(out);
    EXPECT_FALSE(modified());

    w.scrollBar(Channel::Green)->setValue((palette()[3].g + 9) % 256);
    w.selectIndex(4);
    w.scrollBar(Channel::Blue)->setValue((palette()[4].b + 9) % 256);
    EXPECT_EQ(w.undoStack()->count(), 3);
    w.editUndoAction()->trigger();
    w.editUndoAction()->trigger();
    EXPECT_FALSE(modified());
    w.editUndoAction()->trigger(); // before the save
    EXPECT_TRUE(modified());
    w.editRedoAction()->trigger();
    t.dialogs.files.enqueue(QString::fromStdString(out));
    EXPECT_TRUE(w.saveActAs());
    EXPECT_EQ(test::readFile(out), saved);

    // Another palette file has a history of its own; a palette's document
    // going (another character) leaves nothing to undo.
    w.scrollBar(Channel::Red)->setValue((palette()[4].r + 1) % 256);
    click("palette2Action");
    EXPECT_EQ(w.undoStack()->count(), 0);
    EXPECT_FALSE(button("undoAction")->isEnabled());
    w.scrollBar(Channel::Red)->setValue((palette()[4].r + 1) % 256);
    t.documents->closeDocument(w.document());
    EXPECT_EQ(w.undoStack(), nullptr);
    EXPECT_FALSE(w.editUndoAction()->isEnabled());
}
