#include "palette/act.h"
#include "palette/frmAct.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

using namespace vantrel;

namespace {

const QString kRefused = QStringLiteral("Sorry, can't load that pcx file!");

std::string kfm(const std::string& name) { return test::realchars("winmugen-kfm/" + name); }

Palette actPalette(const std::string& path) { return readActFile(path).palette; }

// A character with the first six palettes of the classic sample and a
// workspace holding one real sprite.
struct Fixture {
    test::TestApp t;
    App& app = *t.app;

    explicit Fixture(bool withSprite = true)
    {
        app.files.CharDir = t.path("char/");
        std::filesystem::create_directories(app.files.CharDir);
        const char* names[] = {"kfm.act", "kfm2.act", "kfm3.act", "kfm4.act", "kfm5.act", "kfm6.act"};
        for (int n = 1; n <= 6; ++n)
            app.files.PalFiles[n] = kfm(names[n - 1]);
        if (withSprite) {
            test::writeFile(t.path("tempsff/0-0.pcx"), test::readFile(test::realchars("pcx/gmarbles.pcx")));
            app.sprites.records().push_back({"tempsff/0-0.pcx", "0", "0", "0", "0"});
        }
    }
};

void expectSampleShowsPalette(const frmAct& w, const Palette& palette)
{
    ASSERT_FALSE(w.samplePicture().isNull());
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(w.samplePicture().color(i), qRgb(palette[i].r, palette[i].g, palette[i].b)) << i;
}

} // namespace

TEST(PaletteWindow, OpensOnPaletteOneWithTheFirstSprite)
{
    Fixture f;
    frmAct w(f.app);
    EXPECT_EQ(w.windowTitle(), "ACT Editor");
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(w.toolbarAction(QStringLiteral("Act%1").arg(n))->isEnabled(), n <= 6) << n;
    EXPECT_EQ(f.app.WorkingPalette, actPalette(kfm("kfm.act")));
    EXPECT_TRUE(w.toolbarAction("Act1")->isChecked());
    EXPECT_EQ(w.samplePicture().size(), QSize(142, 99));
    expectSampleShowsPalette(w, f.app.WorkingPalette);
    EXPECT_FALSE(w.toolbarAction("Undo")->isEnabled());
    EXPECT_TRUE(f.t.dialogs.messages.isEmpty());

    // Switching palettes recolours the sample.
    w.Toolbar1_ButtonClick("Act3");
    EXPECT_EQ(f.app.WorkingPalette, actPalette(kfm("kfm3.act")));
    expectSampleShowsPalette(w, actPalette(kfm("kfm3.act")));
    EXPECT_TRUE(f.t.dialogs.messages.isEmpty());
}

TEST(PaletteWindow, EmptyWorkspaceMeansNoSample)
{
    Fixture f(false);
    frmAct w(f.app);
    EXPECT_TRUE(w.samplePicture().isNull());
    EXPECT_TRUE(f.t.dialogs.messages.isEmpty());
}

TEST(PaletteWindow, GridPressesSelectAndSnapshot)
{
    Fixture f;
    frmAct w(f.app);
    w.show();
    QWidget* grid = w.findChild<QWidget*>("picPal");
    ASSERT_TRUE(grid);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(191, 191));
    EXPECT_EQ(w.model().SelectedIndex, 255);
    const Rgb c255 = f.app.WorkingPalette[255];
    EXPECT_EQ(w.scrollBar(Channel::Red)->value(), c255.r);
    EXPECT_EQ(w.textBox(Channel::Blue)->text().trimmed().toInt(), c255.b);
    EXPECT_EQ(w.selectedSwatch(), QColor(c255.r, c255.g, c255.b));
    // The outline: black from the cell corner, white one pixel inside.
    const QImage picture = w.gridPicture();
    EXPECT_EQ(picture.pixel(180, 180), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(181, 181), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(191, 191), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(185, 185), qRgb(c255.r, c255.g, c255.b));

    // A press beside the grid selects nothing but still takes a snapshot.
    f.app.WorkingPalette[3] = {1, 2, 3};
    w.picPal_MouseDown(192, 0);
    EXPECT_EQ(w.model().SelectedIndex, 255);
    EXPECT_EQ(w.model().UndoPalette()[3], (Rgb{1, 2, 3}));
    EXPECT_TRUE(w.toolbarAction("Undo")->isEnabled());
}

TEST(PaletteWindow, UndoButtonSwapsTwice)
{
    Fixture f;
    frmAct w(f.app);
    const Palette original = f.app.WorkingPalette;
    w.picPal_MouseDown(5 * 12 + 3, 3);
    ASSERT_EQ(w.model().SelectedIndex, 5);
    const int raised = (original[5].r + 40) % 256;
    w.scrollBar(Channel::Red)->setValue(raised);
    EXPECT_EQ(f.app.WorkingPalette[5].r, raised);
    EXPECT_EQ(w.textBox(Channel::Red)->text(), QString::fromStdString(" " + std::to_string(raised)));
    expectSampleShowsPalette(w, f.app.WorkingPalette);

    w.toolbarAction("Undo")->trigger();
    EXPECT_EQ(f.app.WorkingPalette, original);
    EXPECT_EQ(w.scrollBar(Channel::Red)->value(), original[5].r);
    expectSampleShowsPalette(w, original);
    w.toolbarAction("Undo")->trigger();
    EXPECT_EQ(f.app.WorkingPalette[5].r, raised);
    expectSampleShowsPalette(w, f.app.WorkingPalette);
}

TEST(PaletteWindow, NumberBoxes)
{
    Fixture f;
    frmAct w(f.app);
    w.show();
    QLineEdit* red = w.textBox(Channel::Red);
    QLineEdit* green = w.textBox(Channel::Green);
    red->clear();
    EXPECT_EQ(f.app.WorkingPalette[0].r, 0); // an empty box is 0 at once
    QTest::keyClicks(red, "300");
    EXPECT_EQ(red->text(), "255");
    EXPECT_EQ(w.scrollBar(Channel::Red)->value(), 255);
    EXPECT_EQ(f.app.WorkingPalette[0].r, 255);

    green->clear();
    QTest::keyClicks(green, "1a-2 ");
    EXPECT_EQ(green->text(), "12");
    EXPECT_EQ(f.app.WorkingPalette[0].g, 12);
    QTest::keyClick(green, Qt::Key_Backspace);
    EXPECT_EQ(f.app.WorkingPalette[0].g, 1);
}

TEST(PaletteWindow, ColourChooserOnDoubleClick)
{
    Fixture f;
    frmAct w(f.app);
    w.picPal_MouseDown(12 * 7, 0);
    const Rgb before = f.app.WorkingPalette[7];
    w.picPal_DblClick(); // cancelled
    EXPECT_EQ(f.app.WorkingPalette[7], before);
    f.t.dialogs.colours.enqueue(QColor(255, 0, 0));
    w.picPal_DblClick();
    EXPECT_EQ(f.app.WorkingPalette[7], (Rgb{255, 0, 0}));
    EXPECT_EQ(w.scrollBar(Channel::Red)->value(), 255);
    EXPECT_EQ(w.scrollBar(Channel::Green)->value(), 0);
    expectSampleShowsPalette(w, f.app.WorkingPalette);
}

TEST(PaletteWindow, PickingFromTheSample)
{
    Fixture f;
    frmAct w(f.app);
    const QImage& sample = w.samplePicture();
    const struct {
        Qt::MouseButton button;
        int x, y;
        bool picks;
    } cases[] = {
        {Qt::LeftButton, 70, 50, true},
        {Qt::LeftButton, 141, 98, true},
        {Qt::RightButton, 10, 10, false},
        {Qt::LeftButton, 142, 10, false},
        {Qt::LeftButton, 10, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        w.SelectIndex(0);
        w.picDisplay_MouseUp(c.button, c.x, c.y);
        EXPECT_EQ(w.model().SelectedIndex, c.picks ? sample.pixelIndex(c.x, c.y) : 0);
        EXPECT_FALSE(w.model().undoAvailable());
    }
}

TEST(PaletteWindow, UnsavedChangesAskBeforeSwitchingOrClosing)
{
    Fixture f;
    frmAct w(f.app);
    w.show();
    const std::string saved = f.t.path("char/saved.act");
    const Palette first = actPalette(kfm("kfm.act"));
    auto edit = [&] {
        w.SelectIndex(9);
        w.scrollBar(Channel::Blue)->setValue((f.app.WorkingPalette[9].b + 1) % 256);
    };

    edit();
    f.t.dialogs.answers.enqueue(Answer::Cancel);
    w.Toolbar1_ButtonClick("Act2");
    ASSERT_EQ(f.t.dialogs.messages.size(), 1);
    EXPECT_EQ(f.t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_NE(f.app.WorkingPalette, first);
    EXPECT_TRUE(w.model().modified());

    f.t.dialogs.answers.enqueue(Answer::No);
    w.Toolbar1_ButtonClick("Act2");
    EXPECT_EQ(f.app.WorkingPalette, actPalette(kfm("kfm2.act")));

    // Yes saves through Save As; cancelling that dialog stays.
    edit();
    const Palette edited = f.app.WorkingPalette;
    f.t.dialogs.answers.enqueue(Answer::Yes);
    w.Toolbar1_ButtonClick("Act1");
    EXPECT_EQ(f.app.WorkingPalette, edited);
    f.t.dialogs.answers.enqueue(Answer::Yes);
    f.t.dialogs.files.enqueue(QString::fromStdString(saved));
    w.Toolbar1_ButtonClick("Act1");
    EXPECT_EQ(actPalette(saved), edited);
    EXPECT_EQ(f.app.WorkingPalette, first);

    // Nothing changed: no question.
    f.t.dialogs.clear();
    w.Toolbar1_ButtonClick("Act4");
    EXPECT_TRUE(f.t.dialogs.messages.isEmpty());

    edit();
    f.t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    f.t.dialogs.answers.enqueue(Answer::No);
    EXPECT_TRUE(w.close());
}

TEST(PaletteWindow, BrokenPaletteFilesKeepThePalette)
{
    Fixture f;
    test::writeFile(f.t.path("char/short.act"), std::string(100, '\x11'));
    f.app.files.PalFiles[7] = f.t.path("char/short.act");
    f.app.files.PalFiles[8] = f.t.path("char/missing.act");
    frmAct w(f.app);
    const Palette before = f.app.WorkingPalette;
    for (const char* key : {"Act7", "Act8"}) {
        f.t.dialogs.clear();
        w.Toolbar1_ButtonClick(key);
        ASSERT_EQ(f.t.dialogs.messages.size(), 1) << key;
        EXPECT_TRUE(f.t.dialogs.messages[0].text.contains(".act")) << key;
        EXPECT_EQ(f.app.WorkingPalette, before);
    }
    EXPECT_EQ(test::readFile(f.t.path("char/short.act")), std::string(100, '\x11'));
    EXPECT_FALSE(std::filesystem::exists(f.t.path("char/missing.act")));
}

TEST(PaletteWindow, SaveAsWritesExactly768Bytes)
{
    Fixture f;
    frmAct w(f.app);
    const std::string target = f.t.path("char/out.act");
    test::writeFile(target, std::string(2000, 'z'));
    w.Toolbar1_ButtonClick("SaveAs"); // cancelled
    EXPECT_EQ(test::readFile(target).size(), 2000u);
    ASSERT_EQ(f.t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(f.t.dialogs.fileDialogs[0].directory, QString::fromStdString(f.app.files.CharDir));
    EXPECT_EQ(f.t.dialogs.fileDialogs[0].title, "Save ACT file");

    f.t.dialogs.files.enqueue(QString::fromStdString(target));
    w.Toolbar1_ButtonClick("SaveAs");
    EXPECT_EQ(test::readFile(target), test::readFile(kfm("kfm.act")));
}

TEST(PaletteWindow, PalImportAndExport)
{
    Fixture f;
    frmAct w(f.app);
    const Palette first = f.app.WorkingPalette;
    const std::string pal = f.t.path("char/kfm.pal");
    f.t.dialogs.files.enqueue(QString::fromStdString(pal));
    w.Toolbar1_ButtonClick("savepal");
    EXPECT_EQ(f.t.dialogs.fileDialogs.last().directory, QString::fromStdString(f.app.files.CharDir));
    EXPECT_TRUE(f.t.dialogs.messages.isEmpty());

    w.Toolbar1_ButtonClick("Act2");
    const std::string bad = f.t.path("char/bad.pal");
    test::writeFile(bad, "jasc-pal\r\n0100\r\n256\r\n");
    f.t.dialogs.files.enqueue(QString::fromStdString(bad));
    w.Toolbar1_ButtonClick("openpal");
    ASSERT_EQ(f.t.dialogs.messages.size(), 1);
    EXPECT_EQ(f.t.dialogs.messages[0].text, "This is not a valid 256-colour Jasc PAL file.  Please choose another.");
    EXPECT_EQ(f.app.WorkingPalette, actPalette(kfm("kfm2.act")));

    f.t.dialogs.files.enqueue(QString::fromStdString(pal));
    w.Toolbar1_ButtonClick("openpal");
    EXPECT_EQ(f.app.WorkingPalette, first);
    EXPECT_TRUE(w.model().modified());
    expectSampleShowsPalette(w, first);
}

TEST(PaletteWindow, RefusedSampleIsReportedOnce)
{
    Fixture f;
    test::writeFile(f.t.path("tempsff/0-0.pcx"), std::string(300, '\x05'));
    frmAct w(f.app);
    for (int v : {10, 20, 30})
        w.scrollBar(Channel::Green)->setValue(v);
    EXPECT_EQ(f.t.dialogs.messageTexts(), QStringList{kRefused});
    EXPECT_TRUE(w.samplePicture().isNull());

    test::writeFile(f.t.path("tempsff/good.pcx"), test::readFile(test::realchars("pcx/gmarbles.pcx")));
    f.t.dialogs.files.enqueue(QString::fromStdString(f.t.path("tempsff/good.pcx")));
    w.Toolbar1_ButtonClick("OpenPic");
    EXPECT_EQ(f.t.dialogs.fileDialogs.last().title, "Find a DEF file");
    expectSampleShowsPalette(w, f.app.WorkingPalette);
}
