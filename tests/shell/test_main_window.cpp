#include "shell/main_window.h"
#include "shortcut_table.h"
#include "test_support.h"
#include "text/text_document.h"
#include "ui/status_progress.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

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
        test::writeStandInUnpacker(t.dir().toStdString(), kGoodUnpacker);
    }
    QString def() const { return QString::fromStdString(charDir + "hero.def"); }
    // The toolbar button with this caption (captions compare exactly).
    QAction* button(const QString& caption) const
    {
        for (int command = 0; command <= static_cast<int>(ToolbarCommand::Run); ++command) {
            QAction* action = main.toolbarAction(static_cast<ToolbarCommand>(command));
            if (action && action->text() == caption)
                return action;
        }
        return nullptr;
    }
    bool enabled(const char* caption) const
    {
        QAction* action = button(caption);
        return action && action->isEnabled();
    }
    void press(const char* caption)
    {
        QAction* button = this->button(caption);
        ASSERT_NE(button, nullptr) << caption;
        button->trigger();
    }
};

} // namespace

TEST_F(MainWindowTest, OnlyTheCommandsThatNeedNoCharacterStartEnabledAndOpeningOneUnlocksTheEditors)
{
    main.startUp();
    for (const char* key : {"Open", "Calc", "pad", "Settings", "Help"})
        EXPECT_TRUE(enabled(key)) << key;
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_FALSE(enabled(key)) << key;
    EXPECT_EQ(main.windowTitle(), "Vantrel[*]");
    EXPECT_EQ(main.fileText(), "No file loaded");
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_FALSE(main.recentFilesSeparator()->isVisible());

    main.openCharacter(def());

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_EQ(main.fileText(), def());
    for (const char* key : {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"})
        EXPECT_TRUE(enabled(key)) << key;

    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    const SpriteWorkspace& ws = test::spritesOf(*t.app)->workspace();
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
        EXPECT_FALSE(m.toolbarAction(ToolbarCommand::Sprites)->isEnabled());
        EXPECT_FALSE(m.recentFilesSeparator()->isVisible());
    }
}

TEST_F(MainWindowTest, ARefusedDefinitionSaysWhy)
{
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
    main.startUp();

    // On first use the dialog starts among the sample characters.
    std::filesystem::create_directories(t.app->dataFile("samples").toStdString());
    press("Open"); // cancelled
    EXPECT_EQ(main.fileText(), "No file loaded");
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].directory, t.app->dataFile("samples"));
    EXPECT_EQ(t.dialogs.fileDialogs[0].title, "Find a DEF file");
    EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "Character definition file (*.def)|*.def|All Files(*.*)|*.*");

    t.dialogs.files.enqueue(def());
    press("Open");
    EXPECT_EQ(main.fileText(), def());

    // The recent entry opens the same character again: still listed once.
    main.recentFileAction(1)->trigger();
    EXPECT_EQ(main.recentFileAction(1)->text(), def());
    EXPECT_FALSE(main.recentFileAction(2)->isVisible());

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
    main.registerWindow(WindowKind::Sprites, [&](App&) {
        ++made;
        return new QWidget;
    });
    main.openCharacter(def());
    press("SFF");
    press("SFF");
    EXPECT_EQ(made, 1);
    ASSERT_NE(main.loadedWindow(WindowKind::Sprites), nullptr);
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(main.loadedWindow(WindowKind::Sprites)));
    EXPECT_EQ(button("sff"), nullptr); // captions compare exactly
    press("Help");
    EXPECT_EQ(made, 1);
}

TEST_F(MainWindowTest, CloseDownUnloadsInOrderDeletesTheWorkspaceAndHonoursCancel)
{
    QStringList log;
    bool refuse = false;
    const WindowKind kinds[] = {WindowKind::States,     WindowKind::Sprites, WindowKind::Palettes,
                                WindowKind::Definition, WindowKind::Notepad, WindowKind::AnimationPreview};
    for (WindowKind kind : kinds)
        main.registerWindow(kind, [&](App&) { return new FakeWindow(log, refuse); });
    main.startUp();
    main.openCharacter(def());
    for (WindowKind kind : kinds)
        main.openWindow(kind);
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

// --- keys, help, drops and progress -------------------------------------------------

namespace {

// A child window with one command of its own on `key`.
QWidget* windowWithKey(const QKeySequence& key, int& triggered)
{
    auto* w = new QWidget;
    auto* box = new QLineEdit(w);
    box->setObjectName("box");
    auto* action = new QAction("own", w);
    action->setObjectName("ownAction");
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    w->addAction(action);
    QObject::connect(action, &QAction::triggered, w, [&triggered] { ++triggered; });
    return w;
}

void sendDrop(QWidget* target, const QList<QUrl>& urls, bool& entered)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    entered = enter.isAccepted();
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
}

} // namespace

TEST_F(MainWindowTest, TheFramesStandardKeysAreEachBoundOnceAndNamedInTheTips)
{
    const struct {
        const char* action;
        QString key;
    } table[] = {
        {"openAction", test::keyText(QKeySequence::Open)},
        {"exitAction", test::keyText(QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence("Ctrl+Q")))},
        {"helpContentsAction", test::keyText(QKeySequence::HelpContents)},
        {"runButton", "F5"},
    };
    const QMap<QString, QStringList> keys = test::boundKeys(&main);
    for (const auto& row : table)
        EXPECT_EQ(keys.value(row.key), QStringList{row.action}) << row.key.toStdString();
    EXPECT_EQ(test::keysBoundTwice(&main), QStringList());

    const struct {
        const char* caption;
        QString tip;
    } tips[] = {
        {"Open", "Open a Character Definition File (.def) (Ctrl+O)"},
        {"Run", "Quick-run this character (F5)"},
        {"Help", "Help (F1)"},
        {"SFF", "Edit the Spritesheet File (.sff)"},
    };
    for (const auto& row : tips)
        EXPECT_EQ(button(row.caption)->toolTip(), row.tip) << row.caption;
}

TEST_F(MainWindowTest, AKeyTheFocusedChildWindowBindsIsItsAloneAndHelpOpensTheContents)
{
    int childHelp = 0;
    int frameHelp = 0;
    main.setHelpHandler([this, &frameHelp](App& app, std::optional<std::int64_t> topic) {
        EXPECT_FALSE(topic.has_value()); // the contents
        EXPECT_EQ(&app, t.app.get());
        ++frameHelp;
    });
    main.registerWindow(WindowKind::Calculator, [&childHelp](App&) { return windowWithKey(Qt::Key_F1, childHelp); });
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QWidget* child = main.openWindow(WindowKind::Calculator);
    auto* box = child->findChild<QLineEdit*>("box");
    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);

    // In the child window F1 is the child's; the frame's Help steps aside.
    EXPECT_TRUE(main.findChild<QAction*>("helpContentsAction")->shortcuts().isEmpty());
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_EQ(childHelp, 1);
    EXPECT_EQ(frameHelp, 0);

    // Out of it, F1 is the frame's again.
    box->clearFocus();
    EXPECT_EQ(main.findChild<QAction*>("helpContentsAction")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    QTest::keyClick(&main, Qt::Key_F1);
    EXPECT_EQ(childHelp, 1);
    EXPECT_EQ(frameHelp, 1);
    // The Help menu's Contents and the Help button open it too.
    main.findChild<QAction*>("helpContentsAction")->trigger();
    press("Help");
    EXPECT_EQ(frameHelp, 3);
}

TEST_F(MainWindowTest, ADroppedDefinitionOpensThroughTheOpenPathAndItsQuestionsCanStopIt)
{
    main.startUp();
    bool entered = false;

    // Other files are refused and open nothing.
    const std::string text = t.path("chars/hero/readme.txt");
    test::writeFile(text, "x");
    sendDrop(&main, {QUrl::fromLocalFile(QString::fromStdString(text))}, entered);
    EXPECT_FALSE(entered);
    EXPECT_EQ(main.fileText(), "No file loaded");

    sendDrop(&main, {QUrl::fromLocalFile(def())}, entered);
    EXPECT_TRUE(entered);
    ASSERT_EQ(main.fileText(), def());

    // The hero's animations have unsaved changes: another character dropped
    // asks about them first, and Cancel keeps all.
    test::writeFile(charDir + "hero.air", "[Begin Action 0]\r\n0,0, 0,0, 5\r\n");
    const Result<TextDocument*> air =
        t.documents->open<TextDocument>(QString::fromStdString(charDir + "hero.air"), [](const QString& file) {
            return makeTextDocument(DocumentKind::Animations, file);
        });
    ASSERT_TRUE(air) << air.error();
    (*air)->replaceBytes("; mine\r\n", "Edit");
    const std::string other = t.path("chars/other/other.def");
    test::writeFile(other, "[Files]\nsprite = o.sff\n");
    test::writeFile(t.path("chars/other/o.sff"), "not really");
    const QUrl otherUrl = QUrl::fromLocalFile(QString::fromStdString(other));

    t.dialogs.answers.enqueue(Answer::Cancel);
    sendDrop(&main, {otherUrl}, entered);
    EXPECT_TRUE(entered);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"You have unsaved changes.  Save them first?"});
    EXPECT_EQ(main.fileText(), def());
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(main.close()); // the same question stops the close-down
    EXPECT_TRUE((*air)->isModified());

    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    sendDrop(&main, {QUrl::fromLocalFile(QString::fromStdString(text)), otherUrl}, entered);
    EXPECT_TRUE(entered);
    EXPECT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(main.fileText().toStdString(), other);
    EXPECT_EQ(t.documents->findDocument(QString::fromStdString(charDir + "hero.air")), nullptr);
    EXPECT_EQ(test::readFile(charDir + "hero.air"), "[Begin Action 0]\r\n0,0, 0,0, 5\r\n");
    EXPECT_TRUE(main.close());
}

TEST_F(MainWindowTest, SaveAllSavesEveryModifiedDocumentAndStopsAtOneItCannot)
{
    main.startUp();
    main.openCharacter(def());
    ASSERT_EQ(main.saveAllAction()->shortcut(), QKeySequence("Ctrl+Alt+S"));
    std::vector<TextDocument*> documents;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        test::writeFile(t.path(name), "old\n");
        const Result<TextDocument*> opened =
            t.documents->open<TextDocument>(QString::fromStdString(t.path(name)), [](const QString& file) {
                return makeTextDocument(DocumentKind::Text, file);
            });
        ASSERT_TRUE(opened) << opened.error();
        documents.push_back(*opened);
    }
    documents[0]->replaceBytes("new a\n", "Edit");
    documents[2]->replaceBytes("new c\n", "Edit");
    main.saveAllAction()->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    EXPECT_EQ(test::readFile(t.path("a.txt")), "new a\n");
    EXPECT_EQ(test::readFile(t.path("b.txt")), "old\n");
    EXPECT_EQ(test::readFile(t.path("c.txt")), "new c\n");
    EXPECT_TRUE(t.documents->modifiedDocuments().empty());
    EXPECT_FALSE(main.isWindowModified());

    // A file that cannot be written is named, and what it holds stays unsaved.
    documents[0]->replaceBytes("newer a\n", "Edit");
    documents[1]->replaceBytes("new b\n", "Edit");
    std::filesystem::permissions(t.path("a.txt"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(main.saveAll());
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"a.txt is read-only."});
    EXPECT_TRUE(documents[0]->isModified());
    EXPECT_EQ(test::readFile(t.path("a.txt")), "new a\n");
}

TEST_F(MainWindowTest, UnpackingShowsABusyBarWhoseCancelLeavesTheOpenCharacterAsItWas)
{
    const std::string app = t.dir().toStdString();
    main.startUp();
    main.openCharacter(def());
    ASSERT_EQ(main.fileText(), def());

    // A slow tool; one still running after the Cancel would leave "late" behind.
    test::writeStandInUnpacker(app, "sleep 1\ntouch \"" + app + "/late\"\n" + kGoodUnpacker);
    const std::string other = t.path("chars/other/other.def");
    test::writeFile(other, "[Files]\nsprite = o.sff\n");
    test::writeFile(t.path("chars/other/o.sff"), "not really");

    StatusProgress* progress = main.progress();
    EXPECT_FALSE(progress->active());
    bool shown = false;
    int maximum = -1;
    bool offersCancel = false;
    QTimer::singleShot(200, &main, [&] {
        shown = progress->active() && progress->isVisibleTo(&main);
        maximum = progress->bar->maximum();
        offersCancel = progress->cancelButton->isVisibleTo(progress);
        progress->cancelButton->click();
    });
    QElapsedTimer clock;
    clock.start();
    main.openCharacter(QString::fromStdString(other));
    EXPECT_LT(clock.elapsed(), 900);
    EXPECT_TRUE(shown);
    EXPECT_EQ(maximum, 0); // how far the tool is cannot be known: a busy bar
    EXPECT_TRUE(offersCancel);
    EXPECT_FALSE(progress->active());

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(main.openError(), "");
    EXPECT_EQ(main.fileText(), def());
    EXPECT_EQ(main.statusText(), "Status: OK");
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 2);
    EXPECT_EQ(test::files(*t.app).defFile, charDir + "hero.def");
    EXPECT_TRUE(std::filesystem::exists(app + "/tempsff/s1.pcx"));
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff.load"));
    QTest::qWait(1300);
    EXPECT_FALSE(std::filesystem::exists(app + "/late")); // the tool went with the script
}

TEST(DialogFilters, EachFilterShowsItsPatternsOnce)
{
    const std::pair<QString, QString> table[] = {
        {"Character definition file (*.def)|*.def|All Files(*.*)|*.*",
         "Character definition file (*.def);;All Files(*.*)"},
        {"WAV files (*.WAV)|*.WAV", "WAV files (*.WAV)"},
        {"Pictures (*.pcx *.png)|*.pcx;*.png|PNG (*.png)|*.png", "Pictures (*.pcx *.png);;PNG (*.png)"},
        {"Pictures|*.pcx;*.png", "Pictures (*.pcx *.png)"},
        {"SND files (*.snd)|*.SND", "SND files (*.snd)"},
    };
    for (const auto& [pairs, qt] : table)
        EXPECT_EQ(qtFilter(pairs), qt) << pairs.toStdString();
}

TEST_F(MainWindowTest, AStepOfKnownLengthFillsTheBarAndEndsWithItsScope)
{
    StatusProgress* progress = main.progress();
    {
        ProgressScope scope(&main, "Saving all pictures", 4);
        EXPECT_TRUE(progress->active());
        EXPECT_EQ(progress->label->text(), "Saving all pictures");
        EXPECT_EQ(progress->bar->maximum(), 4);
        EXPECT_FALSE(progress->cancelButton->isVisibleTo(progress)); // nothing offers to stop it
        scope.advance(3);
        EXPECT_EQ(progress->bar->value(), 3);
    }
    EXPECT_FALSE(progress->active());
    EXPECT_FALSE(progress->isVisibleTo(&main));
    ProgressScope alone(nullptr, "no frame", 2); // a window used alone shows nothing
    alone.advance(1);
}

TEST_F(MainWindowTest, TheTitleNamesTheOpenCharacterAndMarksUnsavedChanges)
{
    main.startUp();
    const struct {
        const char* def;    // under chars/
        const char* sprite; // nullptr: the .def names a sprite file that is not there
        const char* title;
    } opens[] = {
        {"hero/hero.def", "hero.sff", "hero[*] - Vantrel"},
        {"kfm/kfm.v2.def", "kfm.sff", "kfm.v2[*] - Vantrel"},
        {"big boss/Big Boss.DEF", "boss.sff", "Big Boss[*] - Vantrel"},
        // A character that does not open leaves the one before in the title.
        {"gone/gone.def", nullptr, "Big Boss[*] - Vantrel"},
    };
    for (const auto& o : opens) {
        const std::filesystem::path def = t.path("chars/" + std::string(o.def));
        const std::string sprite = o.sprite ? o.sprite : "missing.sff";
        test::writeFile(def.string(), "[Files]\r\nsprite = " + sprite + "\r\n");
        if (o.sprite)
            test::writeFile((def.parent_path() / sprite).string(), "not really");
        main.openCharacter(QString::fromStdString(def.string()));
        EXPECT_EQ(main.windowTitle(), o.title) << o.def;
        EXPECT_FALSE(main.isWindowModified()) << o.def;
    }

    // Any document with unsaved changes marks the title until it is saved.
    const std::string notes = t.path("notes.txt");
    test::writeFile(notes, "a\n");
    const Result<TextDocument*> text = t.documents->open<TextDocument>(
        QString::fromStdString(notes), [](const QString& file) { return makeTextDocument(DocumentKind::Text, file); });
    ASSERT_TRUE(text) << text.error();
    (*text)->replaceBytes("b\n", "Edit");
    EXPECT_TRUE(main.isWindowModified());
    ASSERT_TRUE((*text)->save());
    EXPECT_FALSE(main.isWindowModified());
    (*text)->replaceBytes("c\n", "Edit");
    EXPECT_TRUE(main.isWindowModified());
    (*text)->undoStack()->undo();
    EXPECT_FALSE(main.isWindowModified());
}
