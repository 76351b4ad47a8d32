// The real windows when another character replaces the open one and at the
// close-down: each asks first, then shows the new character's file or
// closes; the sprite window follows the new table.

#include "app/editors.h"
#include "formats/snd_format.h"
#include "shell/main_window.h"
#include "sound/sound_window.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/state_file_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

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
        // The twin is for IKEMEN GO.
        std::string twinDef = test::readFile(twin + "twin.def");
        twinDef.replace(twinDef.find("[Info]"), 6, "[Info]\r\nikemenversion = 0.99");
        test::writeFile(twin + "twin.def", twinDef);
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
    TextEditorWindow* text(WindowKind kind) { return qobject_cast<TextEditorWindow*>(main->openWindow(kind)); }
    static void type(TextEditorWindow* window, const QString& words)
    {
        window->editor()->moveCursor(QTextCursor::End);
        window->editor()->insertPlainText(words);
    }
};

} // namespace

TEST_F(SwitchTest, EveryEditorAsksFirstThenShowsTheNewCharactersFile)
{
    const WindowKind editors[] = {WindowKind::Definition, WindowKind::Constants, WindowKind::Commands,
                                  WindowKind::AnimationText, WindowKind::States};
    for (WindowKind kind : editors)
        ASSERT_NE(text(kind), nullptr) << windowKey(kind);
    qobject_cast<AnimationTextWindow*>(main->loadedWindow(WindowKind::AnimationText))->showCollisionBoxes();
    ASSERT_NE(main->loadedWindow(WindowKind::CollisionBoxes), nullptr);
    auto* states = qobject_cast<StateFileWindow*>(main->loadedWindow(WindowKind::States));
    type(states, "; mine");
    ASSERT_TRUE(states->modified());

    EXPECT_EQ(main->engineText(), "MUGEN 1.0"); // as the kit's .def says

    // Cancel: the state window keeps its text, and the character stays.
    const QString twinDef = QString::fromStdString(twin + "twin.def");
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Cancel);
    main->openCharacter(twinDef);
    ASSERT_EQ(t.dialogs.messageTexts(), QStringList{kUnsaved});
    EXPECT_EQ(t.dialogs.messages[0].title, "kit.st");
    EXPECT_EQ(main->fileText().toStdString(), kit + "kit.def");
    EXPECT_TRUE(states->modified());
    EXPECT_TRUE(states->editor()->toPlainText().endsWith("; mine"));

    // No: the twin opens and every editor shows its file.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    main->openCharacter(twinDef);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kUnsaved});
    EXPECT_EQ(main->fileText(), twinDef);
    EXPECT_EQ(main->engineText(), "IKEMEN GO");
    for (WindowKind kind : editors) {
        const QString name = windowKey(kind);
        auto* window = qobject_cast<TextEditorWindow*>(main->loadedWindow(kind));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_TRUE(window->filePath().startsWith(QString::fromStdString(twin)))
            << name << ": " << window->filePath().toStdString();
        EXPECT_FALSE(window->modified()) << name;
    }
    EXPECT_EQ(states->currentStateFile().toStdString(), twin + "kit.st");
    EXPECT_TRUE(states->editor()->toPlainText().contains("; twin")) << "the twin's text is shown";
    EXPECT_EQ(main->loadedWindow(WindowKind::CollisionBoxes), nullptr); // it showed the old AIR file

    // Save in the constants window writes the twin's file, never the kit's.
    const std::string kitConstants = test::readFile(kit + "kit.cns");
    auto* constants = qobject_cast<TextEditorWindow*>(main->loadedWindow(WindowKind::Constants));
    type(constants, "; saved");
    ASSERT_TRUE(constants->save());
    EXPECT_NE(test::readFile(twin + "kit.cns").find("; saved"), std::string::npos);
    EXPECT_EQ(test::readFile(kit + "kit.cns"), kitConstants);
}

TEST_F(SwitchTest, RecycleKeepsTheCharactersDocumentsAndTheirChanges)
{
    auto* constants = text(WindowKind::Constants);
    type(constants, "; mine");
    t.dialogs.clear();
    main->toolbarAction(ToolbarCommand::Reload)->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    ASSERT_EQ(main->loadedWindow(WindowKind::Constants), constants);
    EXPECT_TRUE(constants->modified());
    EXPECT_TRUE(constants->editor()->toPlainText().endsWith("; mine"));
    EXPECT_TRUE(constants->viewedDocument()->undoStack()->canUndo()) << "its history stays too";
}

TEST_F(SwitchTest, ACancelAtTheFourthQuestionOfTheCloseDownKeepsEveryWindowAndItsEdits)
{
    // Asked about in the order the files were opened.
    const WindowKind edited[] = {WindowKind::States, WindowKind::Definition, WindowKind::Commands,
                                 WindowKind::Constants};
    for (WindowKind kind : edited)
        type(text(kind), "; edit of " + windowKey(kind));
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
    EXPECT_EQ(titles, (QStringList{"kit.st", "kit.def", "kit.cmd", "kit.cns"}));
    for (WindowKind kind : edited) {
        const QString name = windowKey(kind);
        auto* window = qobject_cast<TextEditorWindow*>(main->loadedWindow(kind));
        ASSERT_NE(window, nullptr) << name << " was closed";
        EXPECT_TRUE(window->modified()) << name;
        EXPECT_TRUE(window->editor()->toPlainText().endsWith("; edit of " + name)) << name;
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

TEST_F(SwitchTest, ANumberStillInTheSoundWindowsGroupBoxIsAskedAboutAndSaved)
{
    auto* sounds = qobject_cast<SoundWindow*>(main->openWindow(WindowKind::Sounds));
    ASSERT_NE(sounds, nullptr);
    ASSERT_GT(sounds->editor().count(), 0);
    auto* group = sounds->findChild<QLineEdit*>(QStringLiteral("groupEdit"));
    ASSERT_NE(group, nullptr);
    // Typed, never left: the box still holds the only copy of the number.
    group->selectAll();
    QTest::keyClicks(group, QStringLiteral("4321"));

    // The switch takes the number first, so it is a change to ask about.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Cancel);
    main->openCharacter(QString::fromStdString(twin + "twin.def"));
    ASSERT_EQ(t.dialogs.messageTexts(), QStringList{"You have unsaved changes. Do you want to save?"});
    EXPECT_EQ(t.dialogs.messages[0].title, "kit.snd");
    EXPECT_EQ(main->fileText().toStdString(), kit + "kit.def");

    // The close-down takes a box left typed in as well; Yes writes it.
    group->selectAll();
    QTest::keyClicks(group, QStringLiteral("987"));
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_TRUE(main->close());
    const Result<SoundBank> saved = parseSndFile(test::readFile(kit + "kit.snd"));
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_EQ(saved->samples.front().groupNumber, 987);
}

TEST_F(SwitchTest, TheSpriteWindowFollowsTheNewTableAndTakesNoInputMeanwhile)
{
    auto* sprites = qobject_cast<SpriteWindow*>(main->openWindow(WindowKind::Sprites));
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
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 28);
    EXPECT_EQ(sprites->currentIndex(), 1);
    EXPECT_EQ(sprites->positionLabel->text(), fresh);
    EXPECT_TRUE(test::spritesOf(*t.app)->decoder().spritePaletteCaptured);

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
    auto* sprites = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(sprites, nullptr);
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 0);

    t.dialogs.clear();
    sprites->saveSpriteArchive();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"There are no sprites to build an SFF file from."});
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    EXPECT_FALSE(sprites->building());
}

namespace {

// The child windows the toolbar and the menus open, with those the AIR window opens.
const WindowKind kChildWindows[] = {
    WindowKind::Definition,    WindowKind::Sprites, WindowKind::Constants,      WindowKind::Commands,
    WindowKind::AnimationText, WindowKind::Sounds,  WindowKind::States,         WindowKind::Palettes,
    WindowKind::Calculator,    WindowKind::Notepad, WindowKind::CollisionBoxes, WindowKind::AnimationPreview,
    WindowKind::Problems,
};

// The widgets a layout gave less room than they need: at least a part of them is cut off.
QStringList clippedWidgets(QWidget* window)
{
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (!w->isVisible() || !parent || !parent->layout() || parent->layout()->indexOf(w) < 0)
            continue;
        const QSize need = w->minimumSizeHint().expandedTo(w->minimumSize());
        const QSizePolicy policy = w->sizePolicy();
        const bool ignoresWidth = policy.horizontalPolicy() == QSizePolicy::Ignored;
        const bool ignoresHeight = policy.verticalPolicy() == QSizePolicy::Ignored;
        if ((!ignoresWidth && w->width() < need.width()) || (!ignoresHeight && w->height() < need.height()))
            clipped << QStringLiteral("%1 %2: %3x%4 < %5x%6")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need.width())
                           .arg(need.height());
    }
    return clipped;
}

} // namespace

TEST_F(SwitchTest, CloseAllClosesEveryWindowTheAnimationWindowsToo)
{
    for (WindowKind kind : kChildWindows)
        ASSERT_NE(main->openWindow(kind), nullptr) << windowKey(kind).toStdString();
    QCoreApplication::processEvents();
    main->findChild<QAction*>("closeAllWindowsAction")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (WindowKind kind : kChildWindows)
        EXPECT_EQ(main->loadedWindow(kind), nullptr) << windowKey(kind).toStdString();
    QStringList left;
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
        left << sub->widget()->objectName();
    EXPECT_EQ(left, QStringList());
}

TEST_F(SwitchTest, EveryWindowAtItsMinimumSizeShowsEachOfItsFieldsWhole)
{
    // Large type, as at 200 %: every field needs more room.
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(usual.pointSizeF() * 2);
    QApplication::setFont(large);
    QStringList clipped;
    for (WindowKind kind : kChildWindows) {
        QMdiSubWindow* sub = main->subWindowOf(main->openWindow(kind));
        ASSERT_NE(sub, nullptr) << windowKey(kind).toStdString();
        sub->showNormal();
        sub->resize(sub->minimumSizeHint());
        QCoreApplication::processEvents();
        EXPECT_GE(sub->width(), sub->minimumSizeHint().width()) << windowKey(kind).toStdString();
        EXPECT_GE(sub->height(), sub->minimumSizeHint().height()) << windowKey(kind).toStdString();
        for (const QString& widget : clippedWidgets(sub->widget()))
            clipped << windowKey(kind) + ": " + widget;
    }
    QApplication::setFont(usual);
    EXPECT_EQ(clipped, QStringList()) << clipped.join("\n").toStdString();
}
