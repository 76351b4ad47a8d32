// Each running copy works in a folder of its own under the user's cache,
// never beside the program, and what a crash left there comes back: with
// the real sprite tools, the real windows and the program itself.

#include "app/editors.h"
#include "documents/workspace_folders.h"
#include "shell/main_window.h"
#include "sprites/build_options_dialog.h"
#include "sprites/sprite_commands.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/editor_text_box.h"
#include "text/text_editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <filesystem>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

const char* const kWorkspaceEntries[] = {"tempsff",      "tempsff.txt", "tempsff.v2.txt",
                                         "tempsff.load", "tempsff.old", "spawn.sh"};

// Every file and folder under `dir`: name, size and time of last change.
QStringList listing(const QString& dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QDir(dir).relativeFilePath(info.filePath()) + " " + QString::number(info.size()) + " "
                + QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// Presses OK in the next build options dialog.
void acceptBuildOptions()
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<BuildOptionsDialog*>(w);
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                dialog->okButton->click();
                return;
            }
        }
    });
    timer->start();
}

// A copy of the program running with the kit open, its own folder in the
// user's cache.
struct CrashTest : ::testing::Test {
    QTemporaryDir home;
    QString root = home.path() + "/cache/Vantrel/workspaces";
    test::TestApp t;
    std::string kit = t.path("chars/kit/");
    std::unique_ptr<MainWindow> main;

    void SetUp() override
    {
        const fs::path sample = fs::path(VANTREL_APP_DIR) / "samples/kit";
        ASSERT_TRUE(fs::exists(sample / "kit.def")) << "the build generates the sample character";
        fs::create_directories(kit);
        fs::copy(sample, kit, fs::copy_options::recursive);
        test::installRealTools(t.dir().toStdString());
        test::useOwnWorkspace(*t.app, root);
        t.store->write(kProgramSettings, "ShowTips", "False");
        main = std::make_unique<MainWindow>(*t.app);
        registerWindows(*main);
        main->startUp();
        main->openCharacter(QString::fromStdString(kit + "kit.def"));
        ASSERT_TRUE(main->characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    }
};

} // namespace

TEST_F(CrashTest, TheWorkspaceAndTheSpawnScriptLiveInTheCopysOwnFolder)
{
    const std::string work = t.app->workDir.toStdString();
    EXPECT_EQ(fs::path(work).parent_path(), fs::path(root.toStdString()));
    EXPECT_TRUE(fs::is_directory(work + "/tempsff"));
    EXPECT_TRUE(fs::exists(work + "/tempsff.txt"));
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 28);
    // The script's lines as ever, the tool named by its full path.
    EXPECT_EQ(test::readFile(work + "/spawn.sh"),
              "cd \"tempsff.load\" && \"" + t.dir().toStdString() + "/sff2pcx\" \"" + kit + "kit.sff\" tempsff\n");
    EXPECT_EQ(readOwner(t.app->workDir)->character.toStdString(), kit + "kit.def");
    for (const char* entry : kWorkspaceEntries)
        EXPECT_FALSE(fs::exists(t.path(entry))) << entry << " beside the program";

    // A clean close leaves nothing in the cache.
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(fs::exists(work));
    EXPECT_TRUE(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(CrashTest, YesOpensTheCharacterOnTheLeftWorkspaceWithItsUnsavedWork)
{
    // Unsaved work: a picture added, a group changed, a line of constants.
    SpriteDocument* table = test::spritesOf(*t.app);
    ASSERT_NE(table, nullptr);
    const SpriteWorkspace& ws = table->workspace();
    const std::string extra = t.path("extra.pcx");
    fs::copy_file(ws.imagePath(ws.record(1)), extra);
    const Result<std::string> copied = copyIntoWorkspace(ws, extra);
    ASSERT_TRUE(copied) << copied.error();
    SpriteRecord added;
    added.groupText = "9999";
    added.imageText = "0";
    added.axisXText = "0";
    added.axisYText = "0";
    added.pcxFile = *copied;
    table->push(new InsertRecordsCommand(*table, "Add", ws.count() + 1, {added}));
    SpriteRecord renumbered = ws.record(1);
    storeNumber(renumbered.groupText, 4242);
    table->push(new EditRecordCommand(*table, "Group", 1, renumbered));
    ASSERT_TRUE(table->isModified());
    auto* constants = qobject_cast<TextEditorWindow*>(main->openWindow(WindowKind::Constants));
    ASSERT_NE(constants, nullptr);
    constants->editor()->moveCursor(QTextCursor::End);
    constants->editor()->insertPlainText("; unsaved when it crashed");
    auto* scratch = qobject_cast<TextEditorWindow*>(main->openWindow(WindowKind::Notepad));
    ASSERT_NE(scratch, nullptr);
    scratch->editor()->insertPlainText("scratch notes");
    t.app->documents->writeRecoveryCopies();
    table->keepUnsavedTable();
    ASSERT_TRUE(fs::exists(t.app->workDir.toStdString() + "/" + kUnsavedIndexName.toStdString()));

    // The crash: the owner is gone; its archive is damaged since, so the
    // character could not be unpacked again.
    const QString crashed = t.app->workDir;
    ASSERT_TRUE(writeOwner(crashed, {test::endedProcess(), {}, QString::fromStdString(kit + "kit.def")}));
    test::writeFile(kit + "kit.sff", "not an archive");
    const std::string constantsOnDisk = test::readFile(kit + "kit.cns");

    main.reset(); // gone without a close-down, as in a crash

    test::TestApp next;
    test::installRealTools(next.dir().toStdString());
    test::useOwnWorkspace(*next.app, root);
    next.store->write(kProgramSettings, "ShowTips", "False");
    MainWindow restarted(*next.app);
    registerWindows(restarted);
    next.dialogs.answers.enqueue(Answer::Yes);
    restarted.startUp();
    ASSERT_EQ(
        next.dialogs.messageTexts(),
        QStringList{QString::fromStdString("Vantrel did not close cleanly. Restore the unsaved sprite changes of " + kit
                                           + "kit.def and the unsaved changes of 2 files?\n\n"
                                             "Yes restores it, No keeps it for the next start, "
                                             "Discard deletes it.")});
    EXPECT_EQ(next.dialogs.messages[0].buttons, Buttons::YesNoDiscard);
    EXPECT_EQ(restarted.fileText().toStdString(), kit + "kit.def");

    // The sprites as they were, unsaved, in this copy's own folder.
    SpriteDocument* backTable = test::spritesOf(*next.app);
    ASSERT_NE(backTable, nullptr);
    const SpriteWorkspace& back = backTable->workspace();
    ASSERT_EQ(back.count(), 29);
    EXPECT_EQ(back.record(1).groupText, "4242");
    EXPECT_EQ(back.record(29).pcxFile, *copied);
    EXPECT_TRUE(fs::exists(back.imagePath(back.record(29))));
    EXPECT_EQ(back.appDir(), next.app->workDir.toStdString());
    EXPECT_TRUE(backTable->isModified());
    auto* sprites = qobject_cast<SpriteWindow*>(restarted.openWindow(WindowKind::Sprites));
    ASSERT_NE(sprites, nullptr);
    EXPECT_EQ(sprites->currentIndex(), 1);
    EXPECT_TRUE(sprites->positionLabel->text().endsWith("29")) << sprites->positionLabel->text().toStdString();

    // The text as it was, unsaved; nothing written to the character's files.
    auto* text = qobject_cast<TextEditorWindow*>(restarted.loadedWindow(WindowKind::Constants));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->modified());
    EXPECT_TRUE(text->editor()->toPlainText().endsWith("; unsaved when it crashed"));
    EXPECT_EQ(test::readFile(kit + "kit.cns"), constantsOnDisk);
    EXPECT_EQ(test::readFile(kit + "kit.sff"), "not an archive");
    auto* notes = qobject_cast<TextEditorWindow*>(restarted.loadedWindow(WindowKind::Notepad));
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->modified());
    EXPECT_EQ(notes->editor()->toPlainText(), "scratch notes");

    // The crashed run's folder is gone; this copy keeps the work against the next crash.
    EXPECT_FALSE(QFileInfo::exists(crashed));
    EXPECT_TRUE(fs::exists(next.app->workDir.toStdString() + "/" + kUnsavedIndexName.toStdString()));
    EXPECT_EQ(RecoveryCopies(next.app->recoveryDir).readAll().size(), 2);

    // Saved, the text is in the kit's file and its copy goes.
    ASSERT_TRUE(text->save());
    EXPECT_NE(test::readFile(kit + "kit.cns").find("; unsaved when it crashed"), std::string::npos);
    next.app->documents->writeRecoveryCopies();
    const QList<StoredCopy> kept = RecoveryCopies(next.app->recoveryDir).readAll();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].copy.file.isEmpty()) << "the notepad's text, which has no file";

    // Save builds the SFF from the restored table.
    next.dialogs.clear();
    next.dialogs.files.enqueue(QString::fromStdString(kit + "kit.sff"));
    acceptBuildOptions();
    sprites->saveSpriteArchiveAs();
    ASSERT_TRUE(sprites->waitForBuild()) << next.dialogs.messageTexts().join("|").toStdString();
    EXPECT_FALSE(backTable->isModified());
    EXPECT_FALSE(fs::exists(next.app->workDir.toStdString() + "/" + kUnsavedIndexName.toStdString()));

    // Read again from the new archive, the changes are in it.
    next.dialogs.clear();
    restarted.reloadDefinition();
    ASSERT_NE(test::spritesOf(*next.app), nullptr);
    ASSERT_EQ(test::spritesOf(*next.app)->workspace().count(), 29)
        << next.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(test::spritesOf(*next.app)->workspace().record(1).groupText, "4242");
    EXPECT_FALSE(test::spritesOf(*next.app)->isModified());
}

// The program itself, from a copy of its folder that it may not write to.
TEST(OwnWorkspace, TheProgramWritesNothingBesideItself)
{
    QTemporaryDir dir;
    const QString app = dir.path() + "/app";
    const QString home = dir.path() + "/home";
    ASSERT_TRUE(QDir().mkpath(app));
    for (const fs::directory_entry& entry : fs::directory_iterator(VANTREL_APP_DIR)) {
        const std::string name = entry.path().filename().string();
        if (std::find(std::begin(kWorkspaceEntries), std::end(kWorkspaceEntries), name) == std::end(kWorkspaceEntries))
            fs::copy(entry.path(), app.toStdString() + "/" + name, fs::copy_options::recursive);
    }
    // The unpacking tool, wrapped: it tells where it ran and what the spawn script said.
    const QString record = dir.path() + "/unpacked-in.txt";
    fs::rename(app.toStdString() + "/sff2pcx", app.toStdString() + "/sff2pcx.real");
    test::writeFile(app.toStdString() + "/sff2pcx",
                    "#!/bin/sh\npwd > \"" + record.toStdString() + "\"\ncat ../spawn.sh >> \"" + record.toStdString()
                        + "\"\nexec \"$(dirname \"$0\")/sff2pcx.real\" \"$@\"\n");
    fs::permissions(app.toStdString() + "/sff2pcx", fs::perms::owner_all);
    for (const char* sub : {"cache", "config", "runtime"})
        ASSERT_TRUE(QDir().mkpath(home + "/" + sub));
    test::writeFile((home + "/config/Vantrel/Vantrel.ini").toStdString(), "[Program%20Settings]\nShowTips=False\n");
    QProcess::execute("chmod", {"-R", "a-w", app});
    const QStringList before = listing(app);

    const auto run = [&](const QString& def, QString* out, QString* err) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CACHE_HOME", home + "/cache");
        env.insert("XDG_CONFIG_HOME", home + "/config");
        env.insert("XDG_RUNTIME_DIR", home + "/runtime");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(app + "/vantrel", {"--check-open", def});
        EXPECT_TRUE(program.waitForFinished(120000));
        *out = QString::fromLocal8Bit(program.readAllStandardOutput());
        *err = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    };

    QString out;
    QString err;
    const QString kit = app + "/samples/kit/kit.def";
    EXPECT_EQ(run(kit, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, kit + ": 28 sprites\n");
    // The tool ran in a folder of this copy's own in the cache, from a script beside it.
    QFile where(record);
    ASSERT_TRUE(where.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(where.readAll()).split('\n');
    const QString workspaces = home + "/cache/Vantrel/Vantrel/workspaces/";
    ASSERT_TRUE(lines.value(0).startsWith(workspaces)) << lines.value(0).toStdString();
    EXPECT_TRUE(lines.value(0).endsWith("/tempsff.load"));
    EXPECT_EQ(lines.value(1),
              "cd \"tempsff.load\" && \"" + app + "/sff2pcx\" \"" + app + "/samples/kit/kit.sff\" tempsff");
    // Gone at the close; nothing written beside the program.
    EXPECT_TRUE(QDir(workspaces).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(listing(app), before);

    // A character that cannot open says why.
    const QString missing = dir.path() + "/gone/gone.def";
    EXPECT_EQ(run(missing, &out, &err), 1);
    EXPECT_TRUE(
        err.contains("vantrel: " + missing + " not opened (The character definition " + missing + " cannot be read.)"))
        << err.toStdString();
    EXPECT_EQ(listing(app), before);
    QProcess::execute("chmod", {"-R", "u+w", app});
}
