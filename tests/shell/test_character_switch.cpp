// Another character replacing the open one: all or nothing, every window
// asked first, then each window follows or closes.

#include "shell/character_loader.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMdiArea>
#include <QTimer>

#include <filesystem>
#include <random>

using namespace vantrel;
using test::TestApp;

namespace {

namespace fs = std::filesystem;

// Unpacks two sprites from any archive, and three from one named "three";
// one whose name has "broken" in it is refused as the real tool would.
const char* kUnpacker =
    "case \"$1\" in *broken*) echo 'sff2pcx: not an SFF file' >&2; exit 1;; esac\n"
    "mkdir -p \"$2\"\n"
    "printf 'P' > \"$2/s0.pcx\"\n"
    "printf 'P' > \"$2/s1.pcx\"\n"
    "printf '%s\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n"
    "tempsff/s1.pcx\\r\\n1\\r\\n0\\r\\n0\\r\\n0\\r\\n' \"$1\" > tempsff.txt\n"
    "case \"$1\" in *three*) printf 'tempsff/s1.pcx\\r\\n2\\r\\n0\\r\\n0\\r\\n0\\r\\n' >> tempsff.txt;; esac";

std::string randomBytes(std::size_t count)
{
    std::mt19937 generator(7);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// A window whose hooks write what they are asked into a log; its answers are
// set by the test.
class HookedWindow : public QWidget {
public:
    explicit HookedWindow(QStringList& log) : log_(log) { }
    bool allow = true;  // the answer to the unsaved-changes question
    bool follow = true; // whether it can show the next character

protected:
    void closeEvent(QCloseEvent* event) override
    {
        log_ << "close:" + objectName();
        event->accept();
    }

private:
    QStringList& log_;
};

WindowHooks loggingHooks(QStringList& log, bool followsCharacter, bool characterFree = false)
{
    WindowHooks hooks;
    hooks.characterFree = characterFree;
    hooks.confirmDiscard = [&log](QWidget* w) {
        log << "ask:" + w->objectName();
        return static_cast<HookedWindow*>(w)->allow;
    };
    hooks.discardChanges = [&log](QWidget* w) { log << "drop:" + w->objectName(); };
    if (followsCharacter) {
        hooks.followCharacter = [&log](QWidget* w) {
            log << "follow:" + w->objectName();
            return static_cast<HookedWindow*>(w)->follow;
        };
    }
    return hooks;
}

struct CharacterSwitchTest : ::testing::Test {
    TestApp t;
    MainWindow main{*t.app};
    QStringList log;

    void SetUp() override
    {
        test::writeStandInUnpacker(t.dir().toStdString(), kUnpacker);
        makeCharacter("hero",
                      "[Files]\r\nsprite = hero.sff\r\nanim = hero.air\r\nst2 = hero2.st\r\npal12 = p12.act\r\n");
    }
    // A character folder chars/<name>/ with its .def and a sprite file.
    QString makeCharacter(const std::string& name, const std::string& def, const std::string& sprite = {})
    {
        const std::string dir = t.path("chars/" + name + "/");
        test::writeFile(dir + name + ".def", def);
        test::writeFile(dir + (sprite.empty() ? name + ".sff" : sprite), "SFF");
        return QString::fromStdString(dir + name + ".def");
    }
    HookedWindow* open(const QString& name) { return static_cast<HookedWindow*>(main.openWindow(name)); }
    void registerHooked(const QString& name, WindowHooks hooks)
    {
        main.registerWindow(
            name, [this](App&) { return new HookedWindow(log); }, std::move(hooks));
    }
};

} // namespace

TEST_F(CharacterSwitchTest, NothingOfTheOpenCharacterChangesUnlessTheNewOneOpensCompletely)
{
    const QString hero = makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\nanim = hero.air\r\nst2 = hero2.st\r\n");
    main.registerWindow("ConstantsWindow", [this](App&) { return new HookedWindow(log); });
    main.openCharacter(hero);
    ASSERT_TRUE(main.characterOpen());
    open("ConstantsWindow");
    const CharacterFiles before = t.app->files;
    const std::string index = test::readFile(t.path("tempsff.txt"));
    const unsigned generation = t.app->sprites.generation();

    const std::string broken = t.path("chars/broken/broken.sff");
    const struct {
        QString def;
        QString message;
    } cases[] = {
        {makeCharacter("noise", randomBytes(8192)),
         "This file is not a character definition: it has no [Files] section."},
        {makeCharacter("nosprite", "[Files]\r\ncns = a.cns\r\n"),
         "This file is not a character definition: it names no sprite file."},
        {makeCharacter("gone", "[Files]\r\nsprite = elsewhere.sff\r\n"), kMissingFileMessage},
        {makeCharacter("broken", "[Files]\r\nsprite = broken.sff\r\n"),
         QString::fromStdString("The sprite file " + broken + " cannot be unpacked: sff2pcx: not an SFF file")},
        {QString::fromStdString(t.path("chars/none.def")),
         QString::fromStdString("The character definition " + t.path("chars/none.def") + " cannot be read.")},
    };
    for (const auto& c : cases) {
        t.dialogs.clear();
        main.openCharacter(c.def);
        EXPECT_EQ(t.dialogs.messageTexts(), QStringList{c.message}) << c.def.toStdString();
        EXPECT_EQ(t.app->files.defFile, before.defFile) << c.def.toStdString();
        EXPECT_EQ(t.app->files.spriteFile, before.spriteFile) << c.def.toStdString();
        EXPECT_EQ(t.app->files.stateFiles, before.stateFiles) << c.def.toStdString();
        EXPECT_EQ(t.app->sprites.count(), 2) << c.def.toStdString();
        EXPECT_EQ(t.app->sprites.generation(), generation) << c.def.toStdString();
        EXPECT_EQ(test::readFile(t.path("tempsff.txt")), index) << c.def.toStdString();
        EXPECT_TRUE(fs::exists(t.path("tempsff/s1.pcx"))) << c.def.toStdString();
        EXPECT_EQ(main.fileText(), hero) << c.def.toStdString();
        EXPECT_EQ(main.statusText(), "Status: OK") << c.def.toStdString();
        EXPECT_FALSE(main.recentFileAction(2)->isVisible()) << c.def.toStdString();
        EXPECT_NE(main.window("ConstantsWindow"), nullptr) << c.def.toStdString();
        EXPECT_TRUE(main.toolbarAction("SFF")->isEnabled()) << c.def.toStdString();
        EXPECT_FALSE(fs::exists(CharacterLoader::stagingFolder(t.dir().toStdString()))) << c.def.toStdString();
    }

    // A complete character takes the open one's place, and of the old record
    // nothing stays.
    t.dialogs.clear();
    const QString three = makeCharacter("three", "[Files]\r\nsprite = three.sff\r\n");
    main.openCharacter(three);
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.fileText(), three);
    EXPECT_EQ(t.app->files.animationFile, "");
    EXPECT_EQ(t.app->files.stateFiles[2], "");
    EXPECT_EQ(t.app->sprites.count(), 3);
    EXPECT_GT(t.app->sprites.generation(), generation);
    EXPECT_FALSE(t.app->sprites.modified());
    EXPECT_NE(test::readFile(t.path("tempsff.txt")).find("three.sff"), std::string::npos);
    EXPECT_TRUE(fs::exists(t.path("tempsff/s0.pcx")));
    EXPECT_EQ(main.window("ConstantsWindow"), nullptr); // it has no way to follow
    for (const std::string& left :
         {CharacterLoader::stagingFolder(t.dir().toStdString()), CharacterLoader::retiredFolder(t.dir().toStdString())})
        EXPECT_FALSE(fs::exists(left)) << left;
}

TEST_F(CharacterSwitchTest, EveryWindowIsAskedBeforeTheSwitchThenFollowsOrCloses)
{
    registerHooked("ConstantsWindow", loggingHooks(log, true));
    registerHooked("SoundWindow", loggingHooks(log, false));
    registerHooked("StateFileWindow", loggingHooks(log, true));
    registerHooked("NotepadWindow", loggingHooks(log, false, true));
    const QString hero = makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\n");
    const QString three = makeCharacter("three", "[Files]\r\nsprite = three.sff\r\n");
    main.openCharacter(hero);
    for (const char* name : {"ConstantsWindow", "SoundWindow", "StateFileWindow", "NotepadWindow"})
        open(name);

    // Cancel at the second question: nothing is read, nothing dropped.
    open("SoundWindow")->allow = false;
    main.openCharacter(three);
    EXPECT_EQ(log, (QStringList{"ask:ConstantsWindow", "ask:SoundWindow"}));
    EXPECT_EQ(main.fileText(), hero);
    EXPECT_EQ(t.app->sprites.count(), 2);

    // A character that fails to open drops nothing either.
    log.clear();
    open("SoundWindow")->allow = true;
    main.openCharacter(makeCharacter("broken", "[Files]\r\nsprite = broken.sff\r\n"));
    EXPECT_EQ(log, (QStringList{"ask:ConstantsWindow", "ask:SoundWindow", "ask:StateFileWindow"}));

    // Recycle asks as well; then the windows let their changes go and follow,
    // or close. The notepad holds nothing of the character.
    log.clear();
    open("StateFileWindow")->follow = false;
    main.reloadDefinition();
    EXPECT_EQ(log,
              (QStringList{"ask:ConstantsWindow", "ask:SoundWindow", "ask:StateFileWindow", "drop:ConstantsWindow",
                           "drop:SoundWindow", "drop:StateFileWindow", "follow:ConstantsWindow", "close:SoundWindow",
                           "follow:StateFileWindow", "close:StateFileWindow"}));
    EXPECT_NE(main.window("ConstantsWindow"), nullptr);
    EXPECT_NE(main.window("NotepadWindow"), nullptr);
    EXPECT_EQ(main.window("SoundWindow"), nullptr);
    EXPECT_EQ(main.window("StateFileWindow"), nullptr);
}

TEST_F(CharacterSwitchTest, TheCloseDownAsksEveryWindowBeforeItClosesAny)
{
    for (const char* name : {"PaletteWindow", "CommandsWindow", "NotepadWindow", "SoundWindow"})
        registerHooked(name, loggingHooks(log, true, QString(name) == "NotepadWindow"));
    main.openCharacter(makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\n"));
    for (const char* name : {"SoundWindow", "NotepadWindow", "CommandsWindow", "PaletteWindow"})
        open(name);

    open("SoundWindow")->allow = false; // the fourth question
    EXPECT_FALSE(main.close());
    EXPECT_EQ(log, (QStringList{"ask:PaletteWindow", "ask:CommandsWindow", "ask:NotepadWindow", "ask:SoundWindow"}));
    for (const char* name : {"PaletteWindow", "CommandsWindow", "NotepadWindow", "SoundWindow"})
        EXPECT_NE(main.window(name), nullptr) << name;
    EXPECT_TRUE(fs::exists(t.path("tempsff.txt")));

    log.clear();
    open("SoundWindow")->allow = true;
    EXPECT_TRUE(main.close());
    EXPECT_EQ(log.mid(4, 4),
              (QStringList{"drop:PaletteWindow", "drop:CommandsWindow", "drop:NotepadWindow", "drop:SoundWindow"}));
    EXPECT_EQ(log.mid(8),
              (QStringList{"close:PaletteWindow", "close:CommandsWindow", "close:NotepadWindow", "close:SoundWindow"}));
    EXPECT_FALSE(fs::exists(t.path("tempsff")));
}

TEST_F(CharacterSwitchTest, NoWindowTakesInputWhileACharacterLoads)
{
    test::writeStandInUnpacker(t.dir().toStdString(), std::string("sleep 0.4\n") + kUnpacker);
    registerHooked("SpriteWindow", loggingHooks(log, true));
    main.openCharacter(makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\n"));
    QWidget* sprites = open("SpriteWindow");

    bool sawLoading = false;
    bool enabledWhileLoading = true;
    QTimer::singleShot(150, &main, [&] {
        sawLoading = main.loading();
        enabledWhileLoading = sprites->isEnabled();
    });
    main.reloadDefinition();
    EXPECT_TRUE(sawLoading);
    EXPECT_FALSE(enabledWhileLoading);
    EXPECT_TRUE(sprites->isEnabled());
    EXPECT_FALSE(main.loading());
}
