#include "file_drops.h"
#include "formats/act.h"
#include "formats/pal.h"
#include "palette/palette_window.h"
#include "shell/action_icons.h"
#include "shortcut_table.h"
#include "test_support.h"

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
    return readActFile(kfm(n)).palette;
}

// A character with the first six palettes of the classic sample and a
// workspace holding one real sprite; the window opens on demand.
struct PaletteWindowTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    Palette& palette = app.workingPalette;
    std::optional<PaletteWindow> window;

    PaletteWindowTest()
    {
        app.files.characterDir = t.path("char/");
        std::filesystem::create_directories(app.files.characterDir);
        for (int n = 1; n <= 6; ++n)
            app.files.paletteFiles[n] = kfm(n);
        test::writeFile(t.path("tempsff/0-0.pcx"), test::readFile(test::realchars("pcx/gmarbles.pcx")));
        app.sprites.records().push_back({"tempsff/0-0.pcx", "0", "0", "0", "0"});
    }
    PaletteWindow& open() { return window.emplace(app); }
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
    EXPECT_EQ(palette, kfmPalette(1));
    EXPECT_EQ(w.samplePicture().size(), QSize(142, 99));
    expectSampleShows(palette);
    EXPECT_FALSE(button("undoAction")->isEnabled());
    click("palette3Action");
    EXPECT_EQ(palette, kfmPalette(3));
    expectSampleShows(palette);

    const std::string sprite = test::readFile(t.path("tempsff/0-0.pcx"));
    test::writeFile(t.path("tempsff/0-0.pcx"), std::string(300, '\x05')); // a damaged sample: said once
    open();
    for (int v : {10, 20, 30})
        window->scrollBar(Channel::Green)->setValue(v);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Sorry, can't load that pcx file!"});
    EXPECT_TRUE(window->samplePicture().isNull());
    test::writeFile(t.path("tempsff/good.pcx"), sprite);
    click("chooseSampleAction", {}, t.path("tempsff/good.pcx"));
    expectSampleShows(palette);

    t.dialogs.clear();
    app.sprites.records().clear(); // an empty workspace: no sample, no complaint
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

    // Save As has the save keys, named in its tip, and no key is bound twice.
    const QMap<QString, QStringList> keys = test::boundKeys(&*window);
    const QString saveAs =
        test::keyText(QKeySequence::keyBindings(QKeySequence::SaveAs).value(0, QKeySequence("Ctrl+Shift+S")));
    for (const QString& key : {saveAs, test::keyText(QKeySequence::Save)})
        EXPECT_EQ(keys.value(key), QStringList{"saveAsAction"}) << key.toStdString();
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
    const Rgb c = palette[255];
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
    const int raised = (palette[5].r + 40) % 256;
    w.scrollBar(Channel::Red)->setValue(raised);
    EXPECT_EQ(palette[5].r, raised);
    EXPECT_EQ(w.numberEdit(Channel::Red)->text(), QStringLiteral(" %1").arg(raised));
    EXPECT_TRUE(button("undoAction")->isEnabled());
    expectSampleShows(palette);
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
    EXPECT_EQ(palette[0].r, 0); // an empty box is 0 at once
    QTest::keyClicks(red, "300");
    EXPECT_EQ(red->text(), "255");
    EXPECT_EQ(std::pair(w.scrollBar(Channel::Red)->value(), int{palette[0].r}), std::pair(255, 255));
    w.numberEdit(Channel::Green)->clear();
    QTest::keyClicks(w.numberEdit(Channel::Green), "1a-2 ");
    EXPECT_EQ(palette[0].g, 12);

    w.pressGrid(12 * 7, 0);
    const Rgb before = palette[7];
    w.chooseColour(); // cancelled
    EXPECT_EQ(palette[7], before);
    t.dialogs.colours.enqueue(QColor(255, 0, 0));
    w.chooseColour();
    EXPECT_EQ(palette[7], (Rgb{255, 0, 0}));
    EXPECT_EQ(std::pair(w.scrollBar(Channel::Red)->value(), w.scrollBar(Channel::Green)->value()), std::pair(255, 0));
    expectSampleShows(palette);
}

TEST_F(PaletteWindowTest, PaletteFilesLoadSaveImportAndExport)
{
    const std::string shortAct = t.path("char/short.act"), out = t.path("char/out.act");
    test::writeFile(shortAct, std::string(100, '\x11'));
    test::writeFile(out, std::string(2000, 'z'));
    app.files.paletteFiles[7] = shortAct;
    app.files.paletteFiles[8] = t.path("char/missing.act");
    PaletteWindow& w = open();
    for (const char* key : {"palette7Action", "palette8Action"}) { // broken files say so and keep the palette
        t.dialogs.clear();
        click(key);
        ASSERT_EQ(t.dialogs.messages.size(), 1) << key;
        EXPECT_TRUE(t.dialogs.messages[0].text.contains(".act")) << key;
        EXPECT_EQ(palette, kfmPalette(1));
    }
    EXPECT_EQ(test::readFile(shortAct), std::string(100, '\x11'));
    EXPECT_FALSE(std::filesystem::exists(app.files.paletteFiles[8]));

    click("saveAsAction"); // cancelled
    EXPECT_EQ(test::readFile(out).size(), 2000u);
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QString::fromStdString(app.files.characterDir));
    click("saveAsAction", {}, out); // a longer file is replaced by exactly 768 bytes
    EXPECT_EQ(test::readFile(out), test::readFile(kfm(1)));

    const std::string pal = t.path("char/kfm.pal"), bad = t.path("char/bad.pal");
    click("exportPalAction", {}, pal);
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QString::fromStdString(app.files.characterDir));
    click("palette2Action");
    test::writeFile(bad, "jasc-pal\r\n0100\r\n256\r\n");
    t.dialogs.clear();
    click("importPalAction", {}, bad);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kPalRejected});
    EXPECT_EQ(palette, kfmPalette(2));
    click("importPalAction", {}, pal);
    EXPECT_EQ(palette, kfmPalette(1));
    EXPECT_TRUE(w.model().modified());
    expectSampleShows(palette);
}

TEST_F(PaletteWindowTest, SwitchingAsksAboutChangesAndTheCheckedButtonNamesThePaletteInTheEditor)
{
    app.files.paletteFiles[7] = t.path("char/missing.act");
    PaletteWindow& w = open();
    w.show();
    EXPECT_EQ(checkedPalette(), 1);
    auto edit = [&] { w.scrollBar(Channel::Red)->setValue((palette[0].r + 1) % 256); };

    const std::string saved = t.path("char/saved.act");
    const struct {
        const char* step;
        int button;
        std::optional<Answer> answer; // set: the palette is edited first
        std::string file;             // given to Save As, empty: cancelled
        int checked;                  // afterwards
        int paletteShown;             // the file whose colours the editor holds, 0: still the edited one
    } steps[] = {
        {"a plain switch", 3, {}, "", 3, 3},
        {"a file that does not load", 7, {}, "", 3, 3},
        {"cancelled at the question", 2, Answer::Cancel, "", 3, 0},
        {"the edit dropped", 2, Answer::No, "", 2, 2},
        {"Yes, then the save dialog cancelled", 5, Answer::Yes, "", 2, 0},
        {"Yes, and saved", 1, Answer::Yes, saved, 1, 1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        t.dialogs.clear();
        if (s.answer)
            edit();
        const Palette before = palette;
        click(QStringLiteral("palette%1Action").arg(s.button), s.answer, s.file);
        EXPECT_EQ(checkedPalette(), s.checked);
        EXPECT_EQ(palette, s.paletteShown ? kfmPalette(s.paletteShown) : before);
        EXPECT_EQ(w.model().modified(), s.paletteShown == 0);
        // Only an edit is asked about (the file that does not load says so).
        ASSERT_EQ(t.dialogs.messages.size(), s.answer || s.button == 7 ? 1 : 0);
        if (s.answer) {
            EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
        }
        if (!s.file.empty()) {
            EXPECT_EQ(readActFile(s.file).palette, before);
        }
    }
    edit();
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(w.close());
    t.dialogs.answers.enqueue(Answer::No);
    EXPECT_TRUE(w.close());

    // A character whose first palette does not load opens with none checked,
    // and a refused file leaves it so.
    app.files.paletteFiles[1] = t.path("char/missing.act");
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
    ASSERT_EQ(palette, kfmPalette(1));
    const std::string pal = t.path("char/three.pal");
    test::writeFile(pal, palText(kfmPalette(3)));
    test::writeFile(t.path("char/notes.txt"), "no palette");
    const std::string bad = t.path("char/bad.act");
    test::writeFile(bad, std::string(10, '\x01'));

    EXPECT_FALSE(dropFiles(&w, {QString::fromStdString(t.path("char/notes.txt"))}));
    EXPECT_EQ(palette, kfmPalette(1));

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
        EXPECT_EQ(palette, d.expected) << d.file;
        EXPECT_EQ(t.dialogs.messages.size(), d.message ? 1 : 0) << d.file;
        EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    }
    EXPECT_TRUE(w.model().modified()); // an import is an edit still to be saved
    expectSampleShows(palette);
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
        const Palette before = palette;
        c.change(w);
        t.dialogs.colours.clear();
        const Palette after = palette;
        ASSERT_NE(after, before);
        ASSERT_EQ(w.undoStack()->count(), 1);
        EXPECT_EQ(w.editUndoAction()->text(), c.undoText);
        EXPECT_TRUE(w.model().modified());

        w.selectIndex(0);
        w.editUndoAction()->trigger();
        EXPECT_EQ(palette, before);
        EXPECT_FALSE(w.model().modified());
        expectSampleShows(before);
        if (std::string(c.undoText) != "Undo Import PAL") {
            EXPECT_EQ(w.model().selectedIndex, 9);
            EXPECT_EQ(w.selectedSwatch(), QColor(before[9].r, before[9].g, before[9].b));
            EXPECT_EQ(w.numberEdit(Channel::Blue)->text().trimmed().toInt(), before[9].b);
            EXPECT_EQ(w.scrollBar(Channel::Blue)->value(), before[9].b);
        }
        EXPECT_EQ(w.editRedoAction()->text(), QString(c.undoText).replace("Undo", "Redo"));
        w.editRedoAction()->trigger();
        EXPECT_EQ(palette, after);
        expectSampleShows(after);
        EXPECT_EQ(w.undoStack()->count(), 1); // showing the step made none
        button("undoAction")->trigger();
        EXPECT_EQ(palette, before);
        EXPECT_FALSE(button("undoAction")->isEnabled());
    }
}

TEST_F(PaletteWindowTest, SavingMarksTheStateSavedAndLoadingStartsAfresh)
{
    PaletteWindow& w = open();
    w.show();
    w.selectIndex(3);
    const std::string out = t.path("char/out.act");
    w.scrollBar(Channel::Red)->setValue((palette[3].r + 9) % 256);
    click("saveAsAction", {}, out);
    const std::string saved = test::readFile(out);
    EXPECT_FALSE(w.model().modified());

    w.scrollBar(Channel::Green)->setValue((palette[3].g + 9) % 256);
    w.selectIndex(4);
    w.scrollBar(Channel::Blue)->setValue((palette[4].b + 9) % 256);
    EXPECT_EQ(w.undoStack()->count(), 3);
    w.editUndoAction()->trigger();
    w.editUndoAction()->trigger();
    EXPECT_FALSE(w.model().modified());
    w.editUndoAction()->trigger(); // before the save
    EXPECT_TRUE(w.model().modified());
    w.editRedoAction()->trigger();
    t.dialogs.files.enqueue(QString::fromStdString(out));
    EXPECT_TRUE(w.saveActAs());
    EXPECT_EQ(test::readFile(out), saved);

    // Another palette file, or the character's, starts a new history.
    w.scrollBar(Channel::Red)->setValue((palette[4].r + 1) % 256);
    click("palette2Action", Answer::No);
    EXPECT_EQ(w.undoStack()->count(), 0);
    EXPECT_FALSE(button("undoAction")->isEnabled());
    w.scrollBar(Channel::Red)->setValue((palette[4].r + 1) % 256);
    w.discardChanges();
    EXPECT_EQ(w.undoStack()->count(), 0);
    EXPECT_FALSE(w.editUndoAction()->isEnabled());
}
