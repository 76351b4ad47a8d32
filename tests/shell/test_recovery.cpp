// Unsaved text kept through a crash: the recovery copies, and the offer to
// restore them at the next start.

#include "shell/main_window.h"
#include "shell/recovery_copies.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

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

struct RecoveryTest : ::testing::Test {
    TestApp t;
    QString folder = t.dir() + "/cache/recovery";
    std::unique_ptr<MainWindow> main;

    void SetUp() override
    {
        t.app->recoveryDir = folder;
        t.store->write(kProgramSettings, "ShowTips", "False");
        main = std::make_unique<MainWindow>(*t.app);
        main->registerWindow(
            "NotepadWindow", [](App&) { return new TextHolder; }, holderHooks(true));
        main->registerWindow(
            "ConstantsWindow", [](App&) { return new TextHolder; }, holderHooks(false));
    }
    TextHolder* open(const QString& name) { return static_cast<TextHolder*>(main->openWindow(name)); }
    QStringList copyFiles() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST(RecoveryCopies, WriteReadRemoveAndPutAside)
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

    // A copy put aside is no longer the window's own: the next one does not replace it.
    const QString aside = copies.putAside(found[0]);
    EXPECT_NE(aside, found[0].path);
    ASSERT_TRUE(copies.write({"ConstantsWindow", "", "/c/hero.cns", "newer"}));
    copies.remove("NotepadWindow");
    found = copies.readAll();
    ASSERT_EQ(found.size(), 2);
    QStringList texts;
    for (const StoredCopy& stored : found)
        texts << stored.copy.text;
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QString("[Data]\nlife = 1000\n\u00e9"), "newer"}));
    EXPECT_TRUE(QFile::exists(dir.path() + "/r/junk.json")); // left alone

    // No folder, no copies.
    EXPECT_FALSE(RecoveryCopies().write({"NotepadWindow", "", "", "x"}));
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
    QList<StoredCopy> found = RecoveryCopies(folder).readAll();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].copy.window, "NotepadWindow");
    EXPECT_EQ(found[0].copy.text, "first");

    // Typing on does not rewrite the copy before its time.
    notes->text = "second";
    main->updateRecoveryCopies();
    EXPECT_EQ(RecoveryCopies(folder).readAll().value(0).copy.text, "first");

    // Saved: the copy goes; a new change makes a new one at once.
    notes->modified = false;
    main->updateRecoveryCopies();
    EXPECT_TRUE(copyFiles().isEmpty());
    notes->text = "third";
    notes->modified = true;
    main->updateRecoveryCopies();
    EXPECT_EQ(RecoveryCopies(folder).readAll().value(0).copy.text, "third");

    // A window closed cleanly takes its copy with it.
    main->subWindowOf(notes)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->window("NotepadWindow"), nullptr);
    EXPECT_TRUE(copyFiles().isEmpty());
}

TEST_F(RecoveryTest, TheNextStartOffersTheCopiesAndDeletesNothingBeforeTheAnswer)
{
    const RecoveryCopies copies(folder);
    copies.write({"NotepadWindow", "", "/notes/todo.txt", "unsaved notes"});
    copies.write({"ConstantsWindow", "/chars/gone/gone.def", "/chars/gone/gone.cns", "unsaved constants"});
    test::writeFile(t.path("tempsff/s0.pcx"), "P"); // the crashed run's workspace
    test::writeFile(t.path("tempsff.txt"), "index");

    // No: the copies go, and only they.
    t.dialogs.answers.enqueue(Answer::No);
    main->startUp();
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].text, "Vantrel did not close cleanly. Restore the unsaved text of 2 files?");
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(copyFiles().isEmpty());
    EXPECT_TRUE(fs::exists(t.path("tempsff/s0.pcx")));
    EXPECT_EQ(main->window("NotepadWindow"), nullptr);

    // A later start without copies asks nothing.
    t.dialogs.clear();
    main->offerRecovery();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(RecoveryTest, YesPutsEachTextBackIntoItsWindowAndKeepsWhatCannotGoBack)
{
    const RecoveryCopies copies(folder);
    copies.write({"NotepadWindow", "", "/notes/todo.txt", "unsaved notes"});
    // Its character cannot be opened again: the text stays in its copy.
    copies.write({"ConstantsWindow", "/chars/gone/gone.def", "/chars/gone/gone.cns", "unsaved constants"});

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
    EXPECT_EQ(texts[1], "The character definition /chars/gone/gone.def cannot be read.");
    EXPECT_EQ(texts[2],
              "The unsaved text of 1 files could not be put back into its window. The copies stay in " + folder + ".");
    const QList<StoredCopy> left = copies.readAll();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].copy.text, "unsaved constants");
    EXPECT_NE(QFileInfo(left[0].path).fileName(), "ConstantsWindow.json"); // put aside

    // The restored text is unsaved again: its copy comes back at the next check.
    main->updateRecoveryCopies();
    EXPECT_EQ(copies.readAll().size(), 2);
}
