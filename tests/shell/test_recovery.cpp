// Unsaved work kept through a crash: each copy's own folder, the recovery
// copies of text, and the offer to restore what a crashed run left.

#include "shell/main_window.h"
#include "shell/recovery_copies.h"
#include "shell/workspace_folders.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

using namespace vantrel;
using test::TestApp;

namespace {

namespace fs = std::filesystem;

// A window holding some text, modified or not, in a file or none.
class TextHolder : public QWidget {
public:
    QString file;
    QString text;
    bool modified = false;
    bool acceptsRestore = true;
};

WindowHooks holderHooks(bool characterFree)
{
    WindowHooks hooks;
    hooks.characterFree = characterFree;
    hooks.unsavedText = [](QWidget* w) -> std::optional<RecoveryText> {
        const auto* holder = static_cast<TextHolder*>(w);
        if (!holder->modified)
            return std::nullopt;
        return RecoveryText{{}, {}, holder->file, holder->text};
    };
    hooks.restoreText = [](QWidget* w, const RecoveryText& copy) {
        auto* holder = static_cast<TextHolder*>(w);
        if (!holder->acceptsRestore)
            return false;
        holder->file = copy.file;
        holder->text = copy.text;
        holder->modified = true;
        return true;
    };
    return hooks;
}

// The folder a run that crashed left in `root`, owned by `owner`, with
// recovery copies of text; empty: none.
QString leaveRun(const QString& root, const QString& name, const WorkspaceOwner& owner,
                 const QList<RecoveryText>& texts = {})
{
    const QString folder = root + "/" + name;
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(writeOwner(folder, owner));
    const RecoveryCopies copies(folder + "/" + kRecoveryFolderName);
    for (const RecoveryText& text : texts)
        EXPECT_TRUE(copies.write(text));
    return folder;
}

WorkspaceOwner ended(const QString& character = {})
{
    return {test::endedProcess(), {}, character};
}

WorkspaceOwner running()
{
    return currentProcess();
}

struct RecoveryTest : ::testing::Test {
    TestApp t;
    QString root = t.dir() + "/cache/workspaces";
    std::unique_ptr<MainWindow> main;

    void SetUp() override
    {
        test::useOwnWorkspace(*t.app, root);
        t.store->write(kProgramSettings, "ShowTips", "False");
        main = std::make_unique<MainWindow>(*t.app);
        main->registerWindow(
            "NotepadWindow", [](App&) { return new TextHolder; }, holderHooks(true));
        main->registerWindow(
            "ConstantsWindow", [](App&) { return new TextHolder; }, holderHooks(false));
    }
    TextHolder* open(const QString& name) { return static_cast<TextHolder*>(main->openWindow(name)); }
    QStringList copyFiles() const { return QDir(t.app->recoveryDir).entryList(QDir::Files, QDir::Name); }
};

const QString kTwoTexts = "Vantrel did not close cleanly. Restore the unsaved text of 2 files?\n\n"
                          "Yes restores it, No keeps it for the next start, Discard deletes it.";

} // namespace

TEST(RecoveryCopies, WriteReadAndRemove)
{
    QTemporaryDir dir;
    const RecoveryCopies copies(dir.path() + "/r");
    EXPECT_TRUE(copies.readAll().isEmpty()); // no folder yet
    ASSERT_TRUE(copies.write({"ConstantsWindow", "/c/hero.def", "/c/hero.cns", "[Data]\nlife = 1000\n\u00e9"}));
    ASSERT_TRUE(copies.write({"NotepadWindow", "", "", "scratch"}));
    ASSERT_TRUE(copies.write({"NotepadWindow", "", "", "scratch, later"}));
    test::writeFile(dir.path().toStdString() + "/r/junk.json", "{ not json");
    test::writeFile(dir.path().toStdString() + "/r/notes.txt", "{}");

    QList<StoredCopy> found = copies.readAll();
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].copy.window, "ConstantsWindow");
    EXPECT_EQ(found[0].copy.character, "/c/hero.def");
    EXPECT_EQ(found[0].copy.file, "/c/hero.cns");
    EXPECT_EQ(found[0].copy.text, QString("[Data]\nlife = 1000\n\u00e9"));
    EXPECT_EQ(found[1].copy.text, "scratch, later");

    copies.remove("NotepadWindow");
    found = copies.readAll();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].copy.window, "ConstantsWindow");
    EXPECT_TRUE(QFile::exists(dir.path() + "/r/junk.json")); // left alone

    // No folder, no copies.
    EXPECT_FALSE(RecoveryCopies().write({"NotepadWindow", "", "", "x"}));
}

TEST(WorkspaceFolders, AnOwnerRunsOnlyAsTheSameProcess)
{
    const WorkspaceOwner self = currentProcess();
    ASSERT_EQ(self.pid, QCoreApplication::applicationPid());
    ASSERT_FALSE(self.started.isEmpty()) << "the start time comes from /proc";
    const struct {
        const char* what;
        WorkspaceOwner owner;
        bool runs;
    } cases[] = {
        {"this process", self, true},
        {"this process, its start time unknown", {self.pid, {}, {}}, true},
        {"a process that ended", {test::endedProcess(), {}, {}}, false},
        {"a process that ended, with a start time", {test::endedProcess(), self.started, {}}, false},
        {"this id, started at another time (used again)", {self.pid, self.started + "1", {}}, false},
        {"no id", {0, {}, {}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ownerRuns(c.owner), c.runs) << c.what;
}

TEST(WorkspaceFolders, EachCopyHasItsOwnAndTheLeftOnesAreFound)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/cache/workspaces";
    const OwnWorkspace first = makeOwnWorkspace(root);
    const OwnWorkspace second = makeOwnWorkspace(root);
    ASSERT_TRUE(first.ok()) << first.error.toStdString();
    ASSERT_TRUE(second.ok());
    EXPECT_NE(first.folder, second.folder);
    EXPECT_EQ(QFileInfo(first.folder).absolutePath(), root);
    EXPECT_TRUE(
        QFileInfo(first.folder).fileName().startsWith(QString::number(QCoreApplication::applicationPid()) + "-"));
    EXPECT_EQ(fs::status(first.folder.toStdString()).permissions() & fs::perms::all, fs::perms::owner_all);
    const std::optional<WorkspaceOwner> owner = readOwner(first.folder);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->pid, QCoreApplication::applicationPid());
    EXPECT_TRUE(owner->character.isEmpty());
    ASSERT_TRUE(recordCharacter(first.folder, "/c/kit kit/kit.def"));
    EXPECT_EQ(readOwner(first.folder)->character, "/c/kit kit/kit.def");

    // Running copies' folders, this one's and one being made are never left ones.
    QDir().mkpath(root + "/being-made");
    EXPECT_TRUE(findLeftWorkspaces(root, first.folder).isEmpty());

    const QString older = leaveRun(root, "1-old", ended("/c/a.def"), {{"NotepadWindow", "", "", "notes"}});
    const QString newer = leaveRun(root, "2-new", ended("/c/b.def"));
    test::writeFile((newer + "/tempsff.txt").toStdString(), "index\r\n");
    test::writeFile((newer + "/" + kUnsavedIndexName).toStdString(), "index\r\n");
    const QString plain = leaveRun(root, "3-plain", ended("/c/c.def"));
    test::writeFile((plain + "/tempsff.txt").toStdString(), "index\r\n");
    const auto age = [](const QString& folder, int seconds) {
        QFile owner(folder + "/" + kOwnerFileName);
        ASSERT_TRUE(owner.open(QIODevice::ReadWrite));
        owner.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime);
    };
    age(older, 300);
    age(newer, 60);
    age(plain, 120);

    const QList<LeftWorkspace> left = findLeftWorkspaces(root, first.folder);
    ASSERT_EQ(left.size(), 3);
    EXPECT_EQ(left[0].folder, newer);
    EXPECT_EQ(left[0].owner.character, "/c/b.def");
    EXPECT_TRUE(left[0].unsavedSprites);
    EXPECT_TRUE(left[0].spriteWorkspace);
    EXPECT_TRUE(left[0].holdsUnsavedWork());
    EXPECT_EQ(left[1].folder, plain);
    EXPECT_FALSE(left[1].holdsUnsavedWork());
    EXPECT_TRUE(left[1].spriteWorkspace);
    EXPECT_EQ(left[2].folder, older);
    EXPECT_FALSE(left[2].spriteWorkspace);
    ASSERT_EQ(left[2].texts.size(), 1);
    EXPECT_EQ(left[2].texts[0].copy.text, "notes");

    EXPECT_TRUE(removeWorkspace(newer));
    EXPECT_FALSE(QFileInfo::exists(newer));
    EXPECT_EQ(findLeftWorkspaces(root, first.folder).size(), 2);
}

TEST_F(RecoveryTest, CopiesFollowTheUnsavedTextAtMostEveryThirtySeconds)
{
    main->startUp();
    TextHolder* notes = open("NotepadWindow");
    main->updateRecoveryCopies();
    EXPECT_TRUE(copyFiles().isEmpty()); // nothing unsaved

    notes->text = "first";
    notes->modified = true;
    main->updateRecoveryCopies();
    QList<StoredCopy> found = RecoveryCopies(t.app->recoveryDir).readAll();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].copy.window, "NotepadWindow");
    EXPECT_EQ(found[0].copy.text, "first");
    EXPECT_TRUE(found[0].path.startsWith(t.app->workDir + "/")) << "in this copy's own folder";

    // Typing on does not rewrite the copy before its time.
    notes->text = "second";
    main->updateRecoveryCopies();
    EXPECT_EQ(RecoveryCopies(t.app->recoveryDir).readAll().value(0).copy.text, "first");

    // Saved: the copy goes; a new change makes a new one at once.
    notes->modified = false;
    main->updateRecoveryCopies();
    EXPECT_TRUE(copyFiles().isEmpty());
    notes->text = "third";
    notes->modified = true;
    main->updateRecoveryCopies();
    EXPECT_EQ(RecoveryCopies(t.app->recoveryDir).readAll().value(0).copy.text, "third");

    // A window closed cleanly takes its copy with it.
    main->subWindowOf(notes)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->window("NotepadWindow"), nullptr);
    EXPECT_TRUE(copyFiles().isEmpty());
}

TEST_F(RecoveryTest, OnlyYesOrDiscardActAndARunningCopysFolderIsNeverTouched)
{
    const struct {
        const char* what;
        std::optional<Answer> answer; // nothing: the question is left unanswered
        bool kept;
    } cases[] = {
        {"No keeps it for the next start", Answer::No, true},
        {"an unanswered question keeps it", std::nullopt, true},
        {"Cancel keeps it", Answer::Cancel, true},
        {"Discard deletes it", Answer::Discard, false},
    };
    const QString other = leaveRun(root, "running", running(), {{"NotepadWindow", "", "", "the other copy's"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        t.dialogs.clear();
        const QString left =
            leaveRun(root, "crashed", ended(),
                     {{"NotepadWindow", "", "/notes/todo.txt", "unsaved notes"},
                      {"ConstantsWindow", "/chars/gone/gone.def", "/chars/gone/gone.cns", "constants"}});
        // A run that left nothing unsaved goes unasked.
        const QString empty = leaveRun(root, "crashed-empty", ended("/chars/gone/gone.def"));
        test::writeFile((empty + "/tempsff.txt").toStdString(), "index\r\n");
        if (c.answer)
            t.dialogs.answers.enqueue(*c.answer);
        main->offerRecovery();

        ASSERT_EQ(t.dialogs.messages.size(), 1) << t.dialogs.messageTexts().join("|").toStdString();
        EXPECT_EQ(t.dialogs.messages[0].text, kTwoTexts);
        EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoDiscard);
        EXPECT_EQ(main->window("NotepadWindow"), nullptr);
        EXPECT_EQ(QFileInfo::exists(left), c.kept);
        EXPECT_EQ(RecoveryCopies(left + "/recovery").readAll().size(), c.kept ? 2 : 0);
        EXPECT_FALSE(QFileInfo::exists(empty));
        EXPECT_EQ(RecoveryCopies(other + "/recovery").readAll().size(), 1);
        EXPECT_TRUE(QFileInfo::exists(t.app->workDir + "/owner"));

        // Kept work is offered again at the next start.
        t.dialogs.clear();
        main->offerRecovery();
        EXPECT_EQ(t.dialogs.messages.size(), c.kept ? 1 : 0);
        removeWorkspace(left);
    }
}

TEST_F(RecoveryTest, YesPutsEachTextBackIntoItsWindowAndKeepsWhatCannotGoBack)
{
    // Its character cannot be opened again: the text stays in its copy.
    const QString left = leaveRun(root, "crashed", ended(),
                                  {{"NotepadWindow", "", "/notes/todo.txt", "unsaved notes"},
                                   {"ConstantsWindow", "/chars/gone/gone.def", "/chars/gone/gone.cns", "constants"}});

    t.dialogs.answers.enqueue(Answer::Yes);
    main->startUp();
    TextHolder* notes = static_cast<TextHolder*>(main->window("NotepadWindow"));
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->text, "unsaved notes");
    EXPECT_EQ(notes->file, "/notes/todo.txt");
    EXPECT_TRUE(notes->modified);
    EXPECT_EQ(main->window("ConstantsWindow"), nullptr);

    const QStringList texts = t.dialogs.messageTexts();
    ASSERT_EQ(texts.size(), 3) << texts.join("|").toStdString();
    EXPECT_EQ(texts[0], kTwoTexts);
    EXPECT_EQ(texts[1], "The character definition /chars/gone/gone.def cannot be read.");
    EXPECT_EQ(texts[2],
              "The unsaved text of 1 files could not be put back into its window. The copies stay in " + left
                  + "/recovery.");
    const QList<StoredCopy> stays = RecoveryCopies(left + "/recovery").readAll();
    ASSERT_EQ(stays.size(), 1);
    EXPECT_EQ(stays[0].copy.text, "constants");

    // The restored text is this run's unsaved text now, copied at once.
    const QList<StoredCopy> mine = RecoveryCopies(t.app->recoveryDir).readAll();
    ASSERT_EQ(mine.size(), 1);
    EXPECT_EQ(mine[0].copy.text, "unsaved notes");

    // What stayed is offered again; a clean close takes this copy's folder.
    t.dialogs.clear();
    main->offerRecovery();
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"Vantrel did not close cleanly. Restore the unsaved text of 1 files?\n\n"
                          "Yes restores it, No keeps it for the next start, Discard deletes it."});
    notes->modified = false;
    EXPECT_TRUE(main->closeDown());
    EXPECT_FALSE(QFileInfo::exists(t.app->workDir));
    EXPECT_TRUE(QFileInfo::exists(left));
}

// The real message box: Enter and Escape both keep the work, so a stray key
// can neither restore nor delete it.
TEST(RecoveryQuestion, TheDefaultAnswerKeepsTheWork)
{
    const struct {
        const char* what;
        int key; // 0: the Discard button is clicked
        Answer answer;
    } cases[] = {
        {"Enter", Qt::Key_Return, Answer::No},
        {"Escape", Qt::Key_Escape, Answer::No},
        {"the Discard button", 0, Answer::Discard},
    };
    QtDialogs dialogs;
    for (const auto& c : cases) {
        bool defaultIsNo = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            if (c.key) {
                QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
                QCoreApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &press);
            } else {
                box->button(QMessageBox::Discard)->click();
            }
        });
        EXPECT_EQ(dialogs.message(nullptr, "Restore?", "Vantrel", Buttons::YesNoDiscard, Icon::Question), c.answer)
            << c.what;
        EXPECT_TRUE(defaultIsNo) << c.what;
    }
}
