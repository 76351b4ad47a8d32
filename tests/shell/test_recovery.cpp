// Unsaved work kept through a crash: each copy's own folder, the recovery
// copies of text, and the offer to restore what a crashed run left.

#include "documents/recovery_copies.h"
#include "documents/workspace_folders.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QUndoStack>

#include <filesystem>
#include <functional>

using namespace vantrel;
using test::TestApp;

namespace {

namespace fs = std::filesystem;

// A copy of the unsaved changes of a document.
RecoveryCopy copyOf(const QString& character, const QString& file, const QByteArray& bytes,
                    DocumentKind kind = DocumentKind::Text)
{
    return {character, file, kind, bytes};
}

// The folder a run that crashed left in `root`, owned by `owner`, with
// recovery copies of documents.
QString leaveRun(const QString& root, const QString& name, const WorkspaceOwner& owner,
                 const QList<RecoveryCopy>& copies = {})
{
    const QString folder = root + "/" + name;
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(writeOwner(folder, owner));
    const RecoveryCopies kept(folder + "/" + kRecoveryFolderName);
    for (int i = 0; i < copies.size(); ++i)
        EXPECT_TRUE(kept.write("copy" + QString::number(i), copies[i]));
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

// Lets events run until `done` holds or five seconds have passed.
bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
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
        WindowHooks free;
        free.characterFree = true;
        main->registerWindow(
            WindowKind::Notepad, [](App&) { return new QWidget; }, free);
    }
    QStringList copyFiles() const { return QDir(t.app->recoveryDir).entryList(QDir::Files, QDir::Name); }
    QList<StoredCopy> copies() const { return RecoveryCopies(t.app->recoveryDir).readAll(); }
    // A text file on disk, opened as a document.
    TextDocument* openText(const std::string& relative, const std::string& bytes)
    {
        test::writeFile(t.path(relative), bytes);
        const Result<TextDocument*> opened =
            t.documents->open<TextDocument>(QString::fromStdString(t.path(relative)), [](const QString& file) {
                return makeTextDocument(DocumentKind::Text, file);
            });
        EXPECT_TRUE(opened) << opened.error();
        return opened ? *opened : nullptr;
    }
};

const QString kTwoFiles = "Vantrel did not close cleanly. Restore the unsaved changes of 2 files?\n\n"
                          "Yes restores it, No keeps it for the next start, Discard deletes it.";

} // namespace

TEST(RecoveryCopies, WriteReadAndRemove)
{
    QTemporaryDir dir;
    const RecoveryCopies copies(dir.path() + "/r");
    EXPECT_TRUE(copies.readAll().isEmpty()); // no folder yet
    const QByteArray act("\x00\xff\x10 binary", 10);
    ASSERT_TRUE(copies.write(
        "a", copyOf("/c/hero.def", "/c/hero.cns", "[Data]\nlife = 1000\n\xc3\xa9", DocumentKind::Constants)));
    ASSERT_TRUE(copies.write("b", copyOf("/c/hero.def", "/c/pal1.act", act, DocumentKind::Palette)));
    ASSERT_TRUE(copies.write("c", copyOf("", "", "scratch")));
    ASSERT_TRUE(copies.write("c", copyOf("", "", "scratch, later")));
    test::writeFile(dir.path().toStdString() + "/r/junk.json", "{ not json");
    test::writeFile(dir.path().toStdString() + "/r/notes.txt", "{}");
    // A copy as earlier versions kept it, of a window's text.
    test::writeFile(
        dir.path().toStdString() + "/r/d.json",
        R"({"window": "ConstantsWindow", "character": "/c/hero.def", "file": "/c/hero.cns", "text": "old"})");

    QList<StoredCopy> found = copies.readAll();
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[0].copy.character, "/c/hero.def");
    EXPECT_EQ(found[0].copy.file, "/c/hero.cns");
    EXPECT_EQ(found[0].copy.kind, DocumentKind::Constants);
    EXPECT_EQ(found[0].copy.bytes, QByteArray("[Data]\nlife = 1000\n\xc3\xa9"));
    EXPECT_EQ(found[1].copy.bytes, act) << "bytes that are no text come back whole";
    EXPECT_EQ(found[1].copy.kind, DocumentKind::Palette);
    EXPECT_EQ(found[2].copy.bytes, "scratch, later");
    EXPECT_EQ(found[3].copy.bytes, "old");
    EXPECT_EQ(found[3].copy.kind, DocumentKind::Constants);

    copies.remove("c");
    found = copies.readAll();
    ASSERT_EQ(found.size(), 3);
    EXPECT_TRUE(QFile::exists(dir.path() + "/r/junk.json")); // left alone

    // No folder, no copies.
    EXPECT_FALSE(RecoveryCopies().write("x", copyOf("", "", "x")));
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

    const QString older = leaveRun(root, "1-old", ended("/c/a.def"), {copyOf("", "", "notes")});
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
    EXPECT_EQ(left[2].texts[0].copy.bytes, "notes");

    EXPECT_TRUE(removeWorkspace(newer));
    EXPECT_FALSE(QFileInfo::exists(newer));
    EXPECT_EQ(findLeftWorkspaces(root, first.folder).size(), 2);
}

TEST_F(RecoveryTest, EachModifiedDocumentHasACopyAMomentAfterItsLastChangeUntilItIsClean)
{
    main->startUp();
    t.documents->setRecoveryDelay(40);
    TextDocument* notes = openText("notes.txt", "on disk\n");
    TextDocument* other = openText("other.txt", "other\n");
    ASSERT_TRUE(notes && other);
    EXPECT_TRUE(copyFiles().isEmpty()); // nothing unsaved

    notes->replaceBytes("first\n", "Edit");
    EXPECT_TRUE(copyFiles().isEmpty()) << "not at once: typing goes on";
    ASSERT_TRUE(waitFor([&] { return copies().size() == 1; }));
    QList<StoredCopy> found = copies();
    EXPECT_EQ(found[0].copy.bytes, "first\n");
    EXPECT_EQ(found[0].copy.file, QString::fromStdString(t.path("notes.txt")));
    EXPECT_TRUE(found[0].path.startsWith(t.app->workDir + "/")) << "in this copy's own folder";

    notes->replaceBytes("second\n", "Edit");
    EXPECT_TRUE(waitFor([&] { return copies().value(0).copy.bytes == "second\n"; }));

    // Saved, undone to clean, reverted or dropped: the copy goes at once.
    const auto cases = std::vector<std::pair<const char*, std::function<void()>>>{
        {"saved", [&] { ASSERT_TRUE(notes->save()); }},
        {"undone", [&] { notes->undoStack()->undo(); }},
        {"reverted", [&] { ASSERT_TRUE(notes->reload()); }},
    };
    for (const auto& [what, makeClean] : cases) {
        notes->replaceBytes(std::string("changed before ") + what + "\n", "Edit");
        t.documents->writeRecoveryCopies();
        ASSERT_EQ(copies().size(), 1) << what;
        makeClean();
        EXPECT_FALSE(notes->isModified()) << what;
        EXPECT_TRUE(copyFiles().isEmpty()) << what;
    }
    other->replaceBytes("changed\n", "Edit");
    t.documents->writeRecoveryCopies();
    ASSERT_EQ(copies().size(), 1);
    t.documents->closeDocument(other);
    EXPECT_TRUE(copyFiles().isEmpty());
    EXPECT_EQ(test::readFile(t.path("other.txt")), "other\n");
}

TEST_F(RecoveryTest, ChangesLetGoAtACharacterSwitchLeaveNoCopyBehind)
{
    test::writeStandInUnpacker(t.dir().toStdString(),
                               "mkdir -p \"$2\"\nprintf 'P' > \"$2/s0.pcx\"\n"
                               "printf 'h\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n' > tempsff.txt");
    for (const std::string name : {"hero", "twin"}) {
        test::writeFile(t.path("chars/" + name + "/" + name + ".def"),
                        "[Files]\r\nsprite = " + name + ".sff\r\ncmd = " + name + ".cmd\r\n");
        test::writeFile(t.path("chars/" + name + "/" + name + ".sff"), "SFF");
    }
    main->startUp();
    main->openCharacter(QString::fromStdString(t.path("chars/hero/hero.def")));
    ASSERT_TRUE(main->characterOpen()) << t.dialogs.messageTexts().join("|");
    TextDocument* commands = openText("chars/hero/hero.cmd", "[Command]\r\n");
    ASSERT_NE(commands, nullptr);
    commands->replaceBytes("[Command]\r\nname = \"x\"\r\n", "Edit");
    t.documents->writeRecoveryCopies();
    ASSERT_EQ(copies().size(), 1);

    t.dialogs.answers.enqueue(Answer::No);
    main->openCharacter(QString::fromStdString(t.path("chars/twin/twin.def")));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"You have unsaved changes.  Save them first?"});
    EXPECT_TRUE(copyFiles().isEmpty()) << "a crash now must not bring back what the user let go";
    EXPECT_EQ(test::readFile(t.path("chars/hero/hero.cmd")), "[Command]\r\n");
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
    const QString other = leaveRun(root, "running", running(), {copyOf("", "", "the other copy's")});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        t.dialogs.clear();
        const QString left =
            leaveRun(root, "crashed", ended(),
                     {copyOf("", "/notes/todo.txt", "unsaved notes"),
                      copyOf("/chars/gone/gone.def", "/chars/gone/gone.cns", "constants", DocumentKind::Constants)});
        // A run that left nothing unsaved goes unasked.
        const QString empty = leaveRun(root, "crashed-empty", ended("/chars/gone/gone.def"));
        test::writeFile((empty + "/tempsff.txt").toStdString(), "index\r\n");
        if (c.answer)
            t.dialogs.answers.enqueue(*c.answer);
        main->offerRecovery();

        ASSERT_EQ(t.dialogs.messages.size(), 1) << t.dialogs.messageTexts().join("|").toStdString();
        EXPECT_EQ(t.dialogs.messages[0].text, kTwoFiles);
        EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoDiscard);
        EXPECT_TRUE(t.documents->documents().empty());
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

TEST_F(RecoveryTest, YesPutsEachCopyBackIntoItsDocumentAndKeepsWhatCannotGoBack)
{
    // The notes on disk are older than the copy; the constants' character
    // cannot be opened again, so their copy stays.
    const QString notesPath = QString::fromStdString(t.path("notes/todo.txt"));
    test::writeFile(notesPath.toStdString(), "saved notes\n");
    const QString left =
        leaveRun(root, "crashed", ended(),
                 {copyOf("", notesPath, "unsaved notes\n"),
                  copyOf("/chars/gone/gone.def", "/chars/gone/gone.cns", "constants", DocumentKind::Constants)});

    t.dialogs.answers.enqueue(Answer::Yes);
    main->startUp();
    Document* notes = t.documents->findDocument(notesPath);
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isModified());
    EXPECT_EQ(static_cast<TextDocument*>(notes)->bytes(), "unsaved notes\n");
    EXPECT_EQ(test::readFile(notesPath.toStdString()), "saved notes\n");
    EXPECT_NE(main->loadedWindow(WindowKind::Notepad), nullptr) << "shown where it can be seen";
    EXPECT_EQ(t.documents->findDocument("/chars/gone/gone.cns"), nullptr);

    const QStringList texts = t.dialogs.messageTexts();
    ASSERT_EQ(texts.size(), 3) << texts.join("|").toStdString();
    EXPECT_EQ(texts[0], kTwoFiles);
    EXPECT_EQ(texts[1], "The character definition /chars/gone/gone.def cannot be read.");
    EXPECT_EQ(texts[2],
              "The unsaved changes of 1 files could not be put back. The copies stay in " + left + "/recovery.");
    const QList<StoredCopy> stays = RecoveryCopies(left + "/recovery").readAll();
    ASSERT_EQ(stays.size(), 1);
    EXPECT_EQ(stays[0].copy.bytes, "constants");

    // The restored text is this run's unsaved work now, copied at once.
    const QList<StoredCopy> mine = copies();
    ASSERT_EQ(mine.size(), 1);
    EXPECT_EQ(mine[0].copy.bytes, "unsaved notes\n");

    // What stayed is offered again; a clean close takes this copy's folder.
    t.dialogs.clear();
    main->offerRecovery();
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"Vantrel did not close cleanly. Restore the unsaved changes of 1 files?\n\n"
                          "Yes restores it, No keeps it for the next start, Discard deletes it."});
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No); // the notes' changes go
    EXPECT_TRUE(main->closeDown());
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"You have unsaved changes.  Save them first?"});
    EXPECT_EQ(test::readFile(notesPath.toStdString()), "saved notes\n");
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
        EXPECT_EQ(dialogs.message(nullptr, "Restore?", "Vantrel", Buttons::YesNoDiscard, Icon::Question, {}), c.answer)
            << c.what;
        EXPECT_TRUE(defaultIsNo) << c.what;
    }
}
