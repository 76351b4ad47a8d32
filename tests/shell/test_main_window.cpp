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
    "printf 'made from %s\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n10\\r\\n20\\r\\ntempsff/s1.pcx\\r\\n5000\\r\\n1\\r\\n-3\\r\\n4\\r\\n' "
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
    bool enabled(const char* key) const { return main.toolbarAction(key)->isEnabled(); }
};

} // namespace

TEST_F(MainWindowTest, OnlyTheCommandsThatNeedNoCharacterStartEnabled)
{
    main.MDIForm_Load();
    for (const char* key : {"Open", "Calc", "pad", "Settings", "Help"})
        EXPECT_TRUE(enabled(key)) << key;
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_FALSE(enabled(key)) << key;
    EXPECT_EQ(main.windowTitle(), "Vantrel");
    EXPECT_EQ(main.fileText(), "No file loaded");
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_FALSE(main.recentAction(0)->isVisible());
}

TEST_F(MainWindowTest, OpeningACharacterUnpacksItsSpritesAndUnlocksTheEditors)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.MDIForm_Load();
    main.openCharacter(def());

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_EQ(main.fileText(), def());
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_TRUE(enabled(key)) << key;

    const SpriteWorkspace& ws = t.app->sprites;
    ASSERT_EQ(ws.count(), 2);
    EXPECT_EQ(ws.record(2).PcxFile, "tempsff/s1.pcx");
    EXPECT_EQ(ws.record(2).Group, "5000");
    EXPECT_EQ(ws.record(2).AxisX, "-3");
    EXPECT_EQ(ws.findSpriteRecord("5000", "1"), 2);
    // The tool got the archive's full path.
    EXPECT_NE(test::readFile(t.path("tempsff.txt")).find(charDir + "hero.sff"), std::string::npos);

    EXPECT_TRUE(main.recentAction(0)->isVisible());
    EXPECT_EQ(main.recentAction(1)->text(), def());
    EXPECT_TRUE(main.recentAction(1)->isVisible());
    EXPECT_FALSE(main.recentAction(2)->isVisible());

    // Opening a second character shows its path and keeps the commands.
    const std::string other = t.path("chars/other/other.def");
    test::writeFile(other, "sprite = o.sff\n");
    main.openCharacter(QString::fromStdString(other));
    EXPECT_EQ(main.fileText().toStdString(), other);
    EXPECT_TRUE(enabled("SFF"));
    EXPECT_EQ(main.recentAction(2)->text(), def());
}

TEST_F(MainWindowTest, AFailingOrSilentToolShowsTheOpenMessageAndChangesNothing)
{
    const struct {
        const char* tool;
        QString status;
    } cases[] = {
        {"echo 'sff2pcx: not an SFF file' >&2\nexit 3", "Status: sff2pcx: not an SFF file"},
        {"exit 0", "Status: the sprite archive could not be unpacked"},
        {"printf 'hdr\\r\\ntempsff/missing.pcx\\r\\n' > tempsff.txt", "Status: the first sprite's picture is missing"},
    };
    for (const auto& c : cases) {
        TestApp t2;
        MainWindow m(*t2.app);
        test::writeStandInUnpacker(t2.dir().toStdString(), c.tool);
        m.MDIForm_Load();
        m.openCharacter(def());
        EXPECT_EQ(t2.dialogs.messageTexts(), QStringList{kOpenFailed}) << c.tool;
        EXPECT_EQ(t2.dialogs.messages.value(0).title, "Vantrel");
        EXPECT_EQ(m.statusText(), c.status);
        EXPECT_EQ(m.fileText(), "No file loaded");
        EXPECT_FALSE(m.toolbarAction("SFF")->isEnabled());
        EXPECT_FALSE(m.recentAction(0)->isVisible());
    }
}

TEST_F(MainWindowTest, ABadDefinitionShowsTheOpenMessage)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    test::writeFile(charDir + "bad.def", "sprite = hero.sff\r\npal13 = x.act\r\n");
    main.openCharacter(QString::fromStdString(charDir + "bad.def"));
    main.openCharacter(QString::fromStdString(charDir + "missing.def"));
    EXPECT_EQ(t.dialogs.messageTexts(), (QStringList{kOpenFailed, kOpenFailed}));
    EXPECT_FALSE(enabled("SFF"));

    // An empty path does nothing at all.
    main.openCharacter("  ");
    EXPECT_EQ(t.dialogs.messages.size(), 2);
}

TEST_F(MainWindowTest, OpenDialogRecentMenuAndRecycle)
{
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.MDIForm_Load();

    main.Toolbar1_ButtonClick("Open"); // cancelled
    EXPECT_EQ(main.fileText(), "No file loaded");
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].title, "Find a DEF file");
    EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "Character definition file (*.def)|*.def|All Files(*.*)|*.*");

    t.dialogs.files.enqueue(def());
    main.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(main.fileText(), def());

    // The recent entry opens the same character again, and it moves up.
    main.mnuRecentFile_Click(1);
    EXPECT_EQ(main.recentAction(1)->text(), def());
    EXPECT_EQ(main.recentAction(2)->text(), def());

    // Recycle re-reads the .def: a changed sprite key reaches the tool.
    test::writeFile(charDir + "hero.def", "sprite = renamed.sff\r\n");
    main.Toolbar1_ButtonClick("Recycle");
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
    main.Toolbar1_ButtonClick("SFF");
    main.Toolbar1_ButtonClick("SFF");
    EXPECT_EQ(made, 1);
    ASSERT_NE(main.window("SpriteWindow"), nullptr);
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(main.window("SpriteWindow")));
    main.Toolbar1_ButtonClick("sff"); // keys compare exactly
    main.Toolbar1_ButtonClick("Help");
    EXPECT_EQ(made, 1);
}

TEST_F(MainWindowTest, CloseDownUnloadsInOrderDeletesTheWorkspaceAndHonoursCancel)
{
    QStringList log;
    bool refuse = false;
    const QStringList names = {"StateFileWindow", "SpriteWindow", "PaletteWindow", "DefinitionWindow", "NotepadWindow", "AnimationPreview"};
    for (const QString& name : names)
        main.registerWindow(name, [&](App&) { return new FakeWindow(log, refuse); });
    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.MDIForm_Load();
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
    EXPECT_EQ(log, (QStringList{"PaletteWindow", "DefinitionWindow", "NotepadWindow", "SpriteWindow", "StateFileWindow", "AnimationPreview"}));
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

TEST_F(MainWindowTest, QuickRunWritesTheEngineScript)
{
    main.quickRun(); // no character: nothing happens
    EXPECT_FALSE(std::filesystem::exists(t.path("spawn.sh")));

    test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    main.openCharacter(def());
    main.Toolbar1_ButtonClick("Run");
    EXPECT_EQ(test::readFile(t.path("spawn.sh")),
              "\ncd \"" + charDir + "\"\ncd ../..\n./mugen \"hero\" \"hero\"\n");
}
