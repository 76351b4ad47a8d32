// The real windows when another character replaces the open one and at the
// close-down: each asks first, then shows the new character's file or
// closes; the sprite window follows the new table.

#include "app/editors.h"
#include "shell/main_window.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/state_file_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

const QString kUnsaved = "You have unsaved changes.  Save them first?";

struct SwitchTest : ::testing::Test {
    test::TestApp t;
    std::unique_ptr<MainWindow> main;
    std::string kit = t.path("chars/kit/");
    std::string twin = t.path("chars/twin/");

    void SetUp() override
    {
        const fs::path sample = fs::path(VANTREL_APP_DIR) / "samples/kit";
        ASSERT_TRUE(fs::exists(sample / "kit.def")) << "the build generates the sample character";
        for (const std::string& dir : {kit, twin}) {
            fs::create_directories(dir);
            fs::copy(sample, dir, fs::copy_options::recursive);
        }
        // The twin: the same character under another name, its files marked.
        fs::rename(twin + "kit.def", twin + "twin.def");
        for (const char* name : {"kit.cns", "kit.st", "kit.air", "kit.cmd"})
            test::writeFile(twin + name, test::readFile(twin + name) + "\r\n; twin\r\n");
        test::installRealTools(t.dir().toStdString());
        t.store->write(kProgramSettings, "ShowTips", "False");
        main = std::make_unique<MainWindow>(*t.app);
        registerWindows(*main);
        main->startUp();
        main->openCharacter(QString::fromStdString(kit + "kit.def"));
        ASSERT_TRUE(main->characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    }
    TextEditorWindow* text(const char* name) { return qobject_cast<TextEditorWindow*>(main->openWindow(name)); }
    static void type(TextEditorWindow* window, const QString& words)
    {
        window->editor()->moveCursor(QTextCursor::End);
        window->editor()->insertPlainText(words);
    }
};

} // namespace

TEST_F(SwitchTest, EveryEditorAsksFirstThenShowsTheNewCharactersFile)
{
    const char* editors[] = {"DefinitionWindow", "ConstantsWindow", "CommandsWindow", "AnimationTextWindow",
                             "StateFileWindow"};
    for (const char* name : editors)
        ASSERT_NE(text(name), nullptr) << name;
    qobject_cast<AnimationTextWindow*>(main->window("AnimationTextWindow"))->showCollisionBoxes();
    ASSERT_NE(main->window("CollisionBoxWindow"), nullptr);
    auto* states = qobject_cast<StateFileWindow*>(main->window("StateFileWindow"));
    type(states, "; mine");
    ASSERT_TRUE(states->modified());

    // Cancel: the state window keeps its text, and the character stays.
    const QString twinDef = QString::fromStdString(twin + "twin.def");
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Cancel);
    main->openCharacter(twinDef);
    ASSERT_EQ(t.dialogs.messageTexts(), QStringList{kUnsaved});
    EXPECT_EQ(t.dialogs.messages[0].title, "ST file");
    EXPECT_EQ(main->fileText().toStdString(), kit + "kit.def");
    EXPECT_TRUE(states->modified());
    EXPECT_TRUE(states->editor()->toPlainText().endsWith("; mine"));

    // No: the twin opens and every editor shows its file.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    main->openCharacter(twinDef);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kUnsaved});
    EXPECT_EQ(main->fileText(), twinDef);
    for (const char* name : editors) {
        auto* window = qobject_cast<TextEditorWindow*>(main->window(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_TRUE(window->filePath().startsWith(QString::fromStdString(twin)))
            << name << ": " << window->filePath().toStdString();
        EXPECT_FALSE(window->modified()) << name;
    }
    EXPECT_EQ(states->currentStateFile().toStdString(), twin + "kit.st");
    EXPECT_TRUE(states->editor()->toPlainText().contains("; twin")) << "the twin's text is shown";
    EXPECT_EQ(main->window("CollisionBoxWindow"), nullptr); // it showed the old AIR file

    // Save in the constants window writes the twin's file, never the kit's.
    const std::string kitConstants = test::readFile(kit + "kit.cns");
    auto* constants = qobject_cast<TextEditorWindow*>(main->window("ConstantsWindow"));
    type(constants, "; saved");
    ASSERT_TRUE(constants->save());
    EXPECT_NE(test::readFile(twin + "kit.cns").find("; saved"), std::string::npos);
    EXPECT_EQ(test::readFile(kit + "kit.cns"), kitConstants);
}

TEST_F(SwitchTest, RecycleAsksTooAndCancelKeepsTheText)
{
    auto* constants = text("ConstantsWindow");
    type(constants, "; mine");
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Cancel);
    main->toolbarAction("Recycle")->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kUnsaved});
    EXPECT_TRUE(constants->modified());
    EXPECT_TRUE(constants->editor()->toPlainText().endsWith("; mine"));
}

TEST_F(SwitchTest, ACancelAtTheFourthQuestionOfTheCloseDownKeepsEveryWindowAndItsEdits)
{
    // Asked in the close-down's order: CMD, CNS, DEF, then ST.
    const char* edited[] = {"StateFileWindow", "DefinitionWindow", "CommandsWindow", "ConstantsWindow"};
    for (const char* name : edited)
        type(text(name), QString("; edit of ") + name);
    std::map<std::string, std::string> before;
    for (const auto& entry : fs::directory_iterator(kit))
        before[entry.path().string()] = test::readFile(entry.path().string());

    t.dialogs.clear();
    for (Answer answer : {Answer::No, Answer::No, Answer::No, Answer::Cancel})
        t.dialogs.answers.enqueue(answer);
    EXPECT_FALSE(main->close());
    ASSERT_EQ(t.dialogs.messages.size(), 4);
    QStringList titles;
    for (const auto& m : t.dialogs.messages)
        titles << m.title;
    EXPECT_EQ(titles, (QStringList{"CMD file", "CNS file", "DEF file", "ST file"}));
    for (const char* name : edited) {
        auto* window = qobject_cast<TextEditorWindow*>(main->window(name));
        ASSERT_NE(window, nullptr) << name << " was closed";
        EXPECT_TRUE(window->modified()) << name;
        EXPECT_TRUE(window->editor()->toPlainText().endsWith(QString("; edit of ") + name)) << name;
    }

    // Answered No throughout, the program closes once, with nothing written.
    t.dialogs.clear();
    for (int i = 0; i < 4; ++i)
        t.dialogs.answers.enqueue(Answer::No);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(t.dialogs.messages.size(), 4);
    for (const auto& [path, bytes] : before)
        EXPECT_EQ(test::readFile(path), bytes) << path;
}

TEST_F(SwitchTest, TheSpriteWindowFollowsTheNewTableAndTakesNoInputMeanwhile)
{
    auto* sprites = qobject_cast<SpriteWindow*>(main->openWindow("SpriteWindow"));
    ASSERT_NE(sprites, nullptr);
    const QString fresh = sprites->positionLabel->text();
    sprites->indexScrollBar->setValue(6);
    ASSERT_EQ(sprites->currentIndex(), 6);

    // While the tool runs the window is woken and pressed; it stays as it is.
    bool enabledWhileLoading = true;
    QTimer::singleShot(0, sprites, [&] {
        enabledWhileLoading = sprites->isEnabled();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(sprites, &activate);
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(sprites, &right);
    });
    main->openCharacter(QString::fromStdString(twin + "twin.def"));
    ASSERT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_FALSE(enabledWhileLoading);
    EXPECT_EQ(t.app->sprites.count(), 28);
    EXPECT_EQ(sprites->currentIndex(), 1);
    EXPECT_EQ(sprites->positionLabel->text(), fresh);
    EXPECT_TRUE(t.app->decoder.spritePaletteCaptured);

    // Recycle as well.
    sprites->indexScrollBar->setValue(3);
    main->reloadDefinition();
    EXPECT_EQ(sprites->currentIndex(), 1);
    EXPECT_EQ(sprites->positionLabel->text(), fresh);
}

TEST(SpriteBuild, AnEmptyTableIsNotBuilt)
{
    test::TestApp t;
    test::writeStandInUnpacker(t.dir().toStdString(), "mkdir -p \"$2\"\nprintf '%s\\r\\n' \"$1\" > tempsff.txt");
    test::writeFile(t.path("chars/empty/empty.def"), "[Files]\r\nsprite = empty.sff\r\n");
    test::writeFile(t.path("chars/empty/empty.sff"), "SFF");
    MainWindow main(*t.app);
    registerWindows(main);
    main.openCharacter(QString::fromStdString(t.path("chars/empty/empty.def")));
    ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    auto* sprites = qobject_cast<SpriteWindow*>(main.openWindow("SpriteWindow"));
    ASSERT_NE(sprites, nullptr);
    EXPECT_EQ(t.app->sprites.count(), 0);

    t.dialogs.clear();
    sprites->saveSpriteArchive();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"There are no sprites to build an SFF file from."});
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    EXPECT_FALSE(sprites->building());
}
