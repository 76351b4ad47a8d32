#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>

#include <filesystem>

using namespace vantrel;
using test::TestApp;

namespace {

const QString kOpenFailed = "A file referenced in the .DEF file does not exist?";

// An unpacker that leaves two sprites in the workspace.
const char* kGoodUnpacker =
    "mkdir -p \"$2\"\n"
    "printf 'P' > \"$2/s0.pcx\"\n"
    "printf 'P' > \"$2/s1.pcx\"\n"
    "printf 'made from "
    "%s\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n10\\r\\n20\\r\\ntempsff/s1.pcx\\r\\n5000\\r\\n1\\r\\n-3\\r\\n4\\r\\n' "
    "\"$1\" > tempsff.txt";

// A window that logs when it is asked to close and may refuse.
class FakeWindow : public QWidget {
public:
    FakeWindow(QStringList& log, bool& refuse) : log_(log), refuse_(refuse) { }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        log_ << objectName();
        if (refuse_)
            event->ignore();
        else
            event->accept();
    }

private:
    QStringList& log_;
    bool& refuse_;
};

struct MainWindowTest : ::testing::Test {
    TestApp t;
    MainWindow main{*t.app};
    std::string charDir = t.path("chars/hero/");

    void SetUp() override
    {
        test::writeFile(charDir + "hero.def", "[Files]\r\nsprite = hero.sff\r\nanim = hero.air\r\n");
        test::writeFile(charDir + "hero.sff", "not really");
    }
    QString def() const { return QString::fromStdString(charDir + "hero.def"); }
    bool enabled(const char* caption) const { return main.toolbarAction(caption)->isEnabled(); }
    void press(const char* caption)
    {
        QAction* button = main.toolbarAction(caption);
        ASSERT_NE(button, nullptr) << caption;
        button->trigger();
    }
};

} // namespace

TEST_F(MainWindowTest, OnlyTheCommandsThatNeedNoCharacterStartEnabled)
{
    main.startUp();
    for (const char* key : {"Open", "Calc", "pad", "Settings", "Help"})
        EXPECT_TRUE(enabled(key)) << key;
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_FALSE(enabled(key)) << key;
    EXPECT_EQ(main.windowTitle(), "Vantrel");
    EXPECT_EQ(main.fileText(), "No file loaded");
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_FALSE(main.recentFilesSeparator()->isVisible());
}

TEST_F(MainWindowTest, OpeningACharacterUnpacksItsSpritesAndUnlocksTheEditors)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.startUp();
    main.openCharacter(def());

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_EQ(main.fileText(), def());
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_TRUE(enabled(key)) << key;

    const SpriteWorkspace& ws = t.app->sprites;
    ASSERT_EQ(ws.count(), 2);
    EXPECT_EQ(ws.record(2).pcxFile, "tempsff/s1.pcx");
    EXPECT_EQ(ws.record(2).groupText, "5000");
    EXPECT_EQ(ws.record(2).axisXText, "-3");
    EXPECT_EQ(ws.findSpriteRecord("5000", "1"), 2);
    // The tool got the archive's full path.
    EXPECT_NE(test::readFile(t.path("tempsff.txt")).find(charDir + "hero.sff"), std::string::npos);

    EXPECT_TRUE(main.recentFilesSeparator()->isVisible());
    EXPECT_EQ(main.recentFileAction(1)->text(), def());
    EXPECT_TRUE(main.recentFileAction(1)->isVisible());
    EXPECT_FALSE(main.recentFileAction(2)->isVisible());

    // Opening a second character shows its path and keeps the commands.
    const std::string other = t.path("chars/other/other.def");
    test::writeFile(other, "[Files]\nsprite = o.sff\n");
    test::writeFile(t.path("chars/other/o.sff"), "not really");
    main.openCharacter(QString::fromStdString(other));
    EXPECT_EQ(main.fileText().toStdString(), other);
    EXPECT_TRUE(enabled("SFF"));
    EXPECT_EQ(main.recentFileAction(2)->text(), def());
}

TEST_F(MainWindowTest, AFailingOrSilentToolSaysWhyAndChangesNothing)
{
    const QString unpacked = QString::fromStdString("The sprite file " + charDir + "hero.sff cannot be unpacked: ");
    const struct {
        const char* tool;
        QString message;
    } cases[] = {
        {"echo 'sff2pcx: not an SFF file' >&2\nexit 3", unpacked + "sff2pcx: not an SFF file"},
        {"exit 0", unpacked + "the sprite tool wrote no sprite index."},
        {"printf 'hdr\\r\\ntempsff/missing.pcx\\r\\n' > tempsff.txt",
         unpacked + "the first sprite's picture is missing."},
    };
    for (const auto& c : cases) {
        TestApp t2;
        MainWindow m(*t2.app);
        test::writeStandInUnpacker(t2.dir().toStdString(), c.tool);
        m.startUp();
        m.openCharacter(def());
        EXPECT_EQ(t2.dialogs.messageTexts(), QStringList{c.message}) << c.tool;
        EXPECT_EQ(t2.dialogs.messages.value(0).title, "Vantrel");
        EXPECT_EQ(m.statusText(), "Status: OK");
        EXPECT_EQ(m.fileText(), "No file loaded");
        EXPECT_FALSE(m.toolbarAction("SFF")->isEnabled());
        EXPECT_FALSE(m.recentFilesSeparator()->isVisible());
    }
}

TEST_F(MainWindowTest, ARefusedDefinitionSaysWhy)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    const struct {
        const char* name;
        const char* text; // nullptr: no such file
        std::string message;
    } cases[] = {
        {"pal13.def", "[Files]\r\nsprite = hero.sff\r\npal13 = x.act\r\n",
         "This character definition names a palette outside the slots 0 to 12: pal13 = x.act"},
        {"missing.def", nullptr, "The character definition " + charDir + "missing.def cannot be read."},
        {"nofiles.def", "[Info]\r\nsprite = hero.sff\r\n",
         "This file is not a character definition: it has no [Files] section."},
        {"nosprite.def", "[Files]\r\ncns = hero.cns\r\n",
         "This file is not a character definition: it names no sprite file."},
        // Only a file the .def names that is not there gets the old question.
        {"gone.def", "[Files]\r\nsprite = gone.sff\r\n", kOpenFailed.toStdString()},
    };
    for (const auto& c : cases) {
        t.dialogs.clear();
        if (c.text)
            test::writeFile(charDir + c.name, c.text);
        main.openCharacter(QString::fromStdString(charDir + c.name));
        EXPECT_EQ(t.dialogs.messageTexts(), QStringList{QString::fromStdString(c.message)}) << c.name;
        EXPECT_FALSE(enabled("SFF")) << c.name;
        EXPECT_FALSE(std::filesystem::exists(t.path("spawn.sh"))) << c.name << ": the tool ran";
    }

    // An empty path does nothing at all.
    t.dialogs.clear();
    main.openCharacter("  ");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, OpenDialogRecentMenuAndRecycle)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.startUp();

    press("Open"); // cancelled
    EXPECT_EQ(main.fileText(), "No file loaded");
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].title, "Find a DEF file");
    EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "Character definition file (*.def)|*.def|All Files(*.*)|*.*");

    t.dialogs.files.enqueue(def());
    press("Open");
    EXPECT_EQ(main.fileText(), def());

    // The recent entry opens the same character again, and it moves up.
    main.recentFileAction(1)->trigger();
    EXPECT_EQ(main.recentFileAction(1)->text(), def());
    EXPECT_EQ(main.recentFileAction(2)->text(), def());

    // Recycle re-reads the .def: a changed sprite key reaches the tool.
    test::writeFile(charDir + "hero.def", "[Files]\r\nsprite = renamed.sff\r\n");
    test::writeFile(charDir + "renamed.sff", "not really");
    press("Recycle");
    EXPECT_NE(test::readFile(t.path("tempsff.txt")).find("renamed.sff"), std::string::npos);
    EXPECT_EQ(main.statusText(), "Status: OK");
}

TEST_F(MainWindowTest, EditorButtonsLoadAWindowOnceAndBringItForward)
{
    int made = 0;
    main.registerWindow("SpriteWindow", [&](App&) {
        ++made;
        return new QWidget;
    });
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.openCharacter(def());
    press("SFF");
    press("SFF");
    EXPECT_EQ(made, 1);
    ASSERT_NE(main.window("SpriteWindow"), nullptr);
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(main.window("SpriteWindow")));
    EXPECT_EQ(main.toolbarAction("sff"), nullptr); // captions compare exactly
    press("Help");
    EXPECT_EQ(made, 1);
}

TEST_F(MainWindowTest, CloseDownUnloadsInOrderDeletesTheWorkspaceAndHonoursCancel)
{
    QStringList log;
    bool refuse = false;
    const QStringList names = {"StateFileWindow",  "SpriteWindow",  "PaletteWindow",
                               "DefinitionWindow", "NotepadWindow", "AnimationPreview"};
    for (const QString& name : names)
        main.registerWindow(name, [&](App&) { return new FakeWindow(log, refuse); });
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.startUp();
    main.openCharacter(def());
    for (const QString& name : names)
        main.openWindow(name);
    ASSERT_TRUE(std::filesystem::exists(t.path("tempsff/s0.pcx")));

    // A window that answers Cancel keeps the program open, workspace and all.
    refuse = true;
    EXPECT_FALSE(main.close());
    EXPECT_EQ(log, QStringList{"PaletteWindow"});
    EXPECT_TRUE(std::filesystem::exists(t.path("tempsff.txt")));

    refuse = false;
    log.clear();
    EXPECT_TRUE(main.close());
    EXPECT_EQ(log,
              (QStringList{"PaletteWindow", "DefinitionWindow", "NotepadWindow", "SpriteWindow", "StateFileWindow",
                           "AnimationPreview"}));
    EXPECT_FALSE(std::filesystem::exists(t.path("tempsff.txt")));
    EXPECT_FALSE(std::filesystem::exists(t.path("tempsff")));
}

TEST_F(MainWindowTest, DiscardGuardsCanStopOpeningAndClosing)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    bool allow = false;
    int asked = 0;
    main.addDiscardGuard([&] {
        ++asked;
        return allow;
    });
    main.openCharacter(def());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(main.fileText(), "No file loaded");
    EXPECT_FALSE(main.close());
    allow = true;
    main.openCharacter(def());
    EXPECT_EQ(main.fileText(), def());
    EXPECT_TRUE(main.close());
}
