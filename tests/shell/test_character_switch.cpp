// Another character replacing the open one: all or nothing, every window
// asked first, then each window follows or closes.

#include "shell/character_loader.h"
#include "shell/main_window.h"
#include "sprites/sprite_commands.h"
#include "test_support.h"
#include "text/text_document.h"

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

// A window that writes into a log when it follows a character or closes.
class LoggedWindow : public QWidget {
public:
    explicit LoggedWindow(QStringList& log) : log_(log) { }
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
    if (followsCharacter) {
        hooks.followCharacter = [&log](QWidget* w) {
            log << "follow:" + w->objectName();
            return static_cast<LoggedWindow*>(w)->follow;
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
    LoggedWindow* open(WindowKind kind) { return static_cast<LoggedWindow*>(main.openWindow(kind)); }
    void registerLogged(WindowKind kind, WindowHooks hooks)
    {
        main.registerWindow(
            kind, [this](App&) { return new LoggedWindow(log); }, std::move(hooks));
    }
    // A text file with a line of its own, opened as a document and changed.
    TextDocument* editedText(const std::string& path)
    {
        test::writeFile(path, "; on disk\r\n");
        const Result<TextDocument*> opened =
            t.documents->open<TextDocument>(QString::fromStdString(path), [](const QString& file) {
                return makeTextDocument(DocumentKind::Text, file);
            });
        EXPECT_TRUE(opened) << opened.error();
        if (!opened)
            return nullptr;
        (*opened)->replaceBytes("; on disk\r\n; edited\r\n", "Edit");
        EXPECT_TRUE((*opened)->isModified());
        return *opened;
    }
    QStringList questionTitles() const
    {
        QStringList titles;
        for (const auto& m : t.dialogs.messages)
            titles << m.title;
        return titles;
    }
};

} // namespace

TEST_F(CharacterSwitchTest, NothingOfTheOpenCharacterChangesUnlessTheNewOneOpensCompletely)
{
    const QString hero = makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\nanim = hero.air\r\nst2 = hero2.st\r\n");
    main.registerWindow(WindowKind::Constants, [this](App&) { return new LoggedWindow(log); });
    main.openCharacter(hero);
    ASSERT_TRUE(main.characterOpen());
    open(WindowKind::Constants);
    const CharacterFiles before = test::files(*t.app);
    const std::string index = test::readFile(t.path("tempsff.txt"));
    const SpriteDocument* table = test::spritesOf(*t.app);
    ASSERT_NE(table, nullptr);

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
        EXPECT_EQ(test::files(*t.app).defFile, before.defFile) << c.def.toStdString();
        EXPECT_EQ(test::files(*t.app).spriteFile, before.spriteFile) << c.def.toStdString();
        EXPECT_EQ(test::files(*t.app).stateFiles, before.stateFiles) << c.def.toStdString();
        EXPECT_EQ(test::spritesOf(*t.app), table) << c.def.toStdString();
        EXPECT_EQ(table->workspace().count(), 2) << c.def.toStdString();
        EXPECT_EQ(test::readFile(t.path("tempsff.txt")), index) << c.def.toStdString();
        EXPECT_TRUE(fs::exists(t.path("tempsff/s1.pcx"))) << c.def.toStdString();
        EXPECT_EQ(main.fileText(), hero) << c.def.toStdString();
        EXPECT_EQ(main.statusText(), "Status: OK") << c.def.toStdString();
        EXPECT_FALSE(main.recentFileAction(2)->isVisible()) << c.def.toStdString();
        EXPECT_NE(main.loadedWindow(WindowKind::Constants), nullptr) << c.def.toStdString();
        EXPECT_TRUE(main.toolbarAction(ToolbarCommand::Sprites)->isEnabled()) << c.def.toStdString();
        EXPECT_FALSE(fs::exists(CharacterLoader::stagingFolder(t.dir().toStdString()))) << c.def.toStdString();
    }

    // A complete character takes the open one's place, and of the old record
    // nothing stays.
    t.dialogs.clear();
    const QString three = makeCharacter("three", "[Files]\r\nsprite = three.sff\r\n");
    main.openCharacter(three);
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.fileText(), three);
    EXPECT_EQ(test::files(*t.app).animationFile, "");
    EXPECT_EQ(test::files(*t.app).stateFiles[2], "");
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 3);
    EXPECT_FALSE(test::spritesOf(*t.app)->isModified());
    EXPECT_NE(test::readFile(t.path("tempsff.txt")).find("three.sff"), std::string::npos);
    EXPECT_TRUE(fs::exists(t.path("tempsff/s0.pcx")));
    EXPECT_EQ(main.loadedWindow(WindowKind::Constants), nullptr); // it has no way to follow
    for (const std::string& left :
         {CharacterLoader::stagingFolder(t.dir().toStdString()), CharacterLoader::retiredFolder(t.dir().toStdString())})
        EXPECT_FALSE(fs::exists(left)) << left;
}

TEST_F(CharacterSwitchTest, AMissingFileMessageListsEveryMissingFileTheDefinitionNames)
{
    // The sprite file is missing: the load stops, and the box names every
    // file that is not there, as the .def writes it; those present are left out.
    const QString lost = makeCharacter("lost",
                                       "[Files]\r\nSprite = \"old\\lost.sff\"\r\ncmd = lost.cmd\r\ncns = gone.cns\r\n"
                                       "st1 = gone.st ; a comment\r\nstcommon = common1.cns\r\npal3 = p3.act\r\n"
                                       "pal4 = p4.act\r\n[Info]\r\nname = Lost\r\n",
                                       "p4.act");
    test::writeFile(t.path("chars/lost/lost.cmd"), "");
    main.openCharacter(lost);
    EXPECT_FALSE(main.characterOpen());
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].text, kMissingFileMessage);
    EXPECT_EQ(t.dialogs.messages[0].detail,
              "Sprite = old\\lost.sff\ncns = gone.cns\nst1 = gone.st\nstcommon = common1.cns\npal3 = p3.act");

    // Other files missing do not stop the load, as before.
    t.dialogs.clear();
    main.openCharacter(makeCharacter("half", "[Files]\r\nsprite = half.sff\r\ncns = gone.cns\r\n"));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList());
    CharacterFiles half;
    ASSERT_TRUE(readDefinition(t.path("chars/half/half.def"), half));
    EXPECT_EQ(missingFiles(half), QStringList{"cns = gone.cns"});
}

TEST_F(CharacterSwitchTest, OnlyTheModifiedDocumentsTheSwitchDropsAreAskedAbout)
{
    registerLogged(WindowKind::Constants, loggingHooks(log, true));
    registerLogged(WindowKind::Sounds, loggingHooks(log, false));
    registerLogged(WindowKind::States, loggingHooks(log, true));
    registerLogged(WindowKind::Notepad, loggingHooks(log, false, true));
    const QString hero = makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\ncns = hero.cns\r\ncmd = hero.cmd\r\n");
    // The other character shares the hero's constants.
    const QString three = makeCharacter("three", "[Files]\r\nsprite = three.sff\r\ncns = ../hero/hero.cns\r\n");
    main.openCharacter(hero);
    ASSERT_TRUE(main.characterOpen());
    for (WindowKind kind : {WindowKind::Constants, WindowKind::Sounds, WindowKind::States, WindowKind::Notepad})
        open(kind);
    TextDocument* constants = editedText(t.path("chars/hero/hero.cns"));
    TextDocument* commands = editedText(t.path("chars/hero/hero.cmd"));
    TextDocument* notes = editedText(t.path("notes.txt")); // no character's file
    ASSERT_TRUE(constants && commands && notes);

    // A file that is no character's is refused before anything is asked.
    main.openCharacter(makeCharacter("noise", randomBytes(2048)));
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"This file is not a character definition: it has no [Files] section."});
    EXPECT_TRUE(commands->isModified());
    t.dialogs.clear();

    // Cancel: nothing is read, nothing dropped. Only the commands leave.
    t.dialogs.answers.enqueue(Answer::Cancel);
    main.openCharacter(three);
    EXPECT_EQ(questionTitles(), QStringList{"hero.cmd"});
    EXPECT_EQ(t.dialogs.messages[0].text, "You have unsaved changes.  Save them first?");
    EXPECT_EQ(main.fileText(), hero);
    EXPECT_TRUE(commands->isModified());
    EXPECT_TRUE(log.isEmpty()) << log.join(" ").toStdString();

    // A character that fails to open after the questions drops nothing either.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    t.dialogs.answers.enqueue(Answer::No);
    main.openCharacter(makeCharacter("broken", "[Files]\r\nsprite = broken.sff\r\n"));
    ASSERT_EQ(questionTitles().size(), 3) << t.dialogs.messageTexts().join("|");
    EXPECT_EQ(questionTitles().mid(0, 2), (QStringList{"hero.cns", "hero.cmd"}));
    EXPECT_TRUE(t.dialogs.messages[2].text.contains("cannot be unpacked")) << t.dialogs.messages[2].text;
    EXPECT_EQ(t.app->documents->findDocument(QString::fromStdString(t.path("chars/hero/hero.cmd"))), commands);
    EXPECT_TRUE(commands->isModified());
    EXPECT_TRUE(constants->isModified());
    EXPECT_EQ(main.fileText(), hero);

    // Recycle keeps every document of the character with its changes: nothing
    // is asked but the sprite table's, which is unpacked anew.
    SpriteDocument* table = test::spritesOf(*t.app);
    ASSERT_NE(table, nullptr);
    SpriteRecord renumbered = table->workspace().record(1);
    renumbered.groupText = "77";
    table->push(new EditRecordCommand(*table, "Group", 1, renumbered));
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Cancel);
    main.reloadDefinition();
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"The sprites have changes that are not in an SFF file yet. Save them first?"});
    EXPECT_EQ(test::spritesOf(*t.app), table);
    EXPECT_TRUE(table->isModified());
    table->undoStack()->undo();

    t.dialogs.clear();
    open(WindowKind::States)->follow = false;
    main.reloadDefinition();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(log,
              (QStringList{"follow:" + windowKey(WindowKind::Constants), "close:" + windowKey(WindowKind::Sounds),
                           "follow:" + windowKey(WindowKind::States), "close:" + windowKey(WindowKind::States)}));
    EXPECT_NE(main.loadedWindow(WindowKind::Constants), nullptr);
    EXPECT_NE(main.loadedWindow(WindowKind::Notepad), nullptr);
    EXPECT_EQ(main.loadedWindow(WindowKind::Sounds), nullptr);
    EXPECT_EQ(main.loadedWindow(WindowKind::States), nullptr);
    EXPECT_TRUE(constants->isModified());
    EXPECT_TRUE(commands->isModified());

    // No: the commands' changes go with their document; the shared constants
    // and the notes stay as they are.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    main.openCharacter(three);
    EXPECT_EQ(questionTitles(), QStringList{"hero.cmd"});
    EXPECT_EQ(main.fileText(), three);
    EXPECT_EQ(t.app->documents->findDocument(QString::fromStdString(t.path("chars/hero/hero.cmd"))), nullptr);
    EXPECT_EQ(t.app->documents->findDocument(QString::fromStdString(t.path("chars/hero/hero.cns"))), constants);
    EXPECT_TRUE(constants->isModified());
    EXPECT_TRUE(notes->isModified());
    EXPECT_EQ(test::readFile(t.path("chars/hero/hero.cmd")), "; on disk\r\n");
}

TEST_F(CharacterSwitchTest, TheCloseDownAsksAboutEveryDocumentBeforeItClosesAnyWindow)
{
    for (WindowKind kind : {WindowKind::Palettes, WindowKind::Commands, WindowKind::Notepad, WindowKind::Sounds})
        registerLogged(kind, loggingHooks(log, true, kind == WindowKind::Notepad));
    main.openCharacter(makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\ncmd = hero.cmd\r\n"));
    for (WindowKind kind : {WindowKind::Sounds, WindowKind::Notepad, WindowKind::Commands, WindowKind::Palettes})
        open(kind);
    SpriteDocument* table = test::spritesOf(*t.app);
    ASSERT_NE(table, nullptr);
    SpriteRecord renumbered = table->workspace().record(1);
    renumbered.groupText = "77";
    table->push(new EditRecordCommand(*table, "Group", 1, renumbered));
    for (const char* name : {"chars/hero/hero.cmd", "notes.txt", "other.txt"})
        ASSERT_NE(editedText(t.path(name)), nullptr);

    // Cancel at the fourth question: every window and every change stays.
    for (Answer answer : {Answer::No, Answer::No, Answer::No, Answer::Cancel})
        t.dialogs.answers.enqueue(answer);
    EXPECT_FALSE(main.close());
    EXPECT_EQ(questionTitles(), (QStringList{"hero.sff", "hero.cmd", "notes.txt", "other.txt"}));
    EXPECT_TRUE(log.isEmpty()) << log.join(" ").toStdString();
    for (WindowKind kind : {WindowKind::Palettes, WindowKind::Commands, WindowKind::Notepad, WindowKind::Sounds})
        EXPECT_NE(main.loadedWindow(kind), nullptr) << windowKey(kind);
    EXPECT_EQ(t.app->documents->modifiedDocuments().size(), 4U);
    EXPECT_TRUE(fs::exists(t.path("tempsff.txt")));

    // No throughout: the windows close in their fixed order, the documents go
    // unwritten, and so does the workspace.
    t.dialogs.clear();
    for (int i = 0; i < 4; ++i)
        t.dialogs.answers.enqueue(Answer::No);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(t.dialogs.messages.size(), 4);
    EXPECT_EQ(log,
              (QStringList{"close:" + windowKey(WindowKind::Palettes), "close:" + windowKey(WindowKind::Commands),
                           "close:" + windowKey(WindowKind::Notepad), "close:" + windowKey(WindowKind::Sounds)}));
    EXPECT_TRUE(t.app->documents->documents().empty());
    EXPECT_EQ(test::readFile(t.path("chars/hero/hero.cmd")), "; on disk\r\n");
    EXPECT_FALSE(fs::exists(t.path("tempsff")));
}

TEST_F(CharacterSwitchTest, NoWindowTakesInputWhileACharacterLoads)
{
    test::writeStandInUnpacker(t.dir().toStdString(), std::string("sleep 0.4\n") + kUnpacker);
    registerLogged(WindowKind::Sprites, loggingHooks(log, true));
    main.openCharacter(makeCharacter("hero", "[Files]\r\nsprite = hero.sff\r\n"));
    QWidget* sprites = open(WindowKind::Sprites);

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
