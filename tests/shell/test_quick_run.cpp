// The Run button: the engine starts as a program with an argument list, in
// its folder, whatever the character's folder is called; its output goes to a
// log whose last lines are shown when it fails at once; with no engine the
// user is offered the settings, where the engine can be set.

#include "shell/engine_settings_box.h"
#include "shell/main_window.h"
#include "shell/quick_run.h"
#include "shell/settings_dialog.h"
#include "test_support.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <filesystem>

using namespace vantrel;
using test::TestApp;
namespace fs = std::filesystem;

namespace {

// Blanks, both quotes, a command substitution and a ';': a shell between
// Vantrel and the engine would split it or run `touch`.
const std::string kTrickyName = "Red \"Fox\" 'x' $(touch pwned); touch pwned2";

// An unpacker that leaves one sprite in the workspace.
const char* kUnpacker = "mkdir -p \"$2\"\nprintf 'P' > \"$2/s0.pcx\"\n"
                        "printf 'hdr\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n' > tempsff.txt";

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
            : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

struct QuickRunTest : ::testing::Test {
    TestApp t;
    MainWindow main{*t.app};
    std::string engine = t.path("games/engine");
    std::string charDir = engine + "/chars/" + kTrickyName + "/";
    std::string record = t.path("record.txt");
    std::string bin = t.path("bin"); // the PATH while the test runs
    ScopedEnv path{"PATH", QByteArray::fromStdString(bin + ":/usr/bin:/bin")};
    ScopedEnv cache{"XDG_CACHE_HOME", t.dir().toUtf8() + "/cache"};
    int settingsShown = 0;

    void SetUp() override
    {
        fs::create_directories(bin);
        test::writeFile(charDir + "fox.def", "[Files]\r\nsprite = fox.sff\r\n");
        test::writeFile(charDir + "fox.sff", "archive");
        test::writeStandInUnpacker(t.dir().toStdString(), kUnpacker);
        main.registerWindow(WindowKind::Settings, [this](App&) {
            ++settingsShown;
            return nullptr;
        });
        main.startUp();
    }

    // A program that writes its working folder, then its name and arguments
    // one per line into the record, then runs `tail`.
    void putRecorder(const std::string& path, const std::string& tail = "exit 0")
    {
        test::writeFile(path,
                        "#!/bin/sh\n{ pwd -P; printf '%s\\n' \"$0\" \"$@\"; } > '" + record + ".part'\nmv '" + record
                            + ".part' '" + record + "'\n" + tail + "\n");
        fs::permissions(path, fs::perms::owner_all);
    }
    void openCharacter()
    {
        main.openCharacter(QString::fromStdString(charDir + "fox.def"));
        ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    }
    // The record's lines once the program has written it.
    std::vector<std::string> recorded()
    {
        if (!QTest::qWaitFor([&] { return fs::exists(record); }, 10000))
            return {};
        std::vector<std::string> lines;
        std::string text = test::readFile(record);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        fs::remove(record);
        return lines;
    }
    void expectNothingElseRan()
    {
        for (const std::string& where : {engine, charDir, t.dir().toStdString(), QDir::currentPath().toStdString()})
            for (const char* marker : {"/pwned", "/pwned2"})
                EXPECT_FALSE(fs::exists(where + marker)) << where << marker;
    }
};

} // namespace

TEST_F(QuickRunTest, EachUsualEngineNameStartsWithTheDefOpenedTwiceInTheEngineFolder)
{
    main.quickRun(); // no character yet: nothing happens
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    // The folder holds the folder's namesake too; the engine is given the one opened.
    test::writeFile(charDir + kTrickyName + ".def", "[Files]\r\nsprite = fox.sff\r\n");
    openCharacter();
    const std::string opened = std::string(kTrickyName) + "/fox.def";
    putRecorder(bin + "/wine"); // mugen.exe runs through it
    for (const std::string name : {"Ikemen_GO", "Ikemen_GO_Linux", "mugen", "mugen.exe"}) {
        for (const std::string other : {"Ikemen_GO", "Ikemen_GO_Linux", "mugen", "mugen.exe"})
            fs::remove(engine + "/" + other);
        putRecorder(engine + "/" + name);
        main.toolbarAction(ToolbarCommand::Run)->trigger();
        // IKEMEN GO is given its players by -p1 and -p2, and a window.
        const std::vector<std::string> expected = name == "mugen.exe"
            ? std::vector<std::string>{fs::canonical(engine), bin + "/wine", engine + "/mugen.exe", opened, opened}
            : name == "mugen"
            ? std::vector<std::string>{fs::canonical(engine), engine + "/" + name, opened, opened}
            : std::vector<std::string>{
                fs::canonical(engine), engine + "/" + name, "-p1", opened, "-p2", opened, "-windowed"};
        EXPECT_EQ(recorded(), expected) << name;
        expectNothingElseRan();
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.findChildren<QProcess*>().isEmpty(); }, 10000));
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
}

TEST_F(QuickRunTest, UnsavedChangesAreSavedOrLeftAsTheUserSaysBeforeTheEngineRuns)
{
    openCharacter();
    putRecorder(engine + "/Ikemen_GO");
    const std::string def = charDir + "fox.def";
    const std::string onDisk = test::readFile(def);
    const Result<TextDocument*> opened =
        t.documents->open<TextDocument>(QString::fromStdString(def), [](const QString& file) {
            return makeTextDocument(DocumentKind::Definition, file);
        });
    ASSERT_TRUE(opened) << opened.error();
    TextDocument* doc = *opened;
    doc->replaceBytes(onDisk + "; edited\r\n", "Edit");
    const QStringList question{"Save all changes before running?"};

    // Cancel: nothing runs, nothing is written.
    t.dialogs.choices.enqueue(2);
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), question);
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(record));
    EXPECT_TRUE(doc->isModified());

    // Run Without Saving: the engine reads the file as it is on disk.
    t.dialogs.clear();
    t.dialogs.choices.enqueue(1);
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_FALSE(recorded().empty());
    EXPECT_EQ(test::readFile(def), onDisk);
    EXPECT_TRUE(doc->isModified());

    // Save All: saved first, then run.
    t.dialogs.clear();
    t.dialogs.choices.enqueue(0);
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), question);
    EXPECT_FALSE(recorded().empty());
    EXPECT_EQ(test::readFile(def), onDisk + "; edited\r\n");
    EXPECT_FALSE(doc->isModified());

    // Set to save without asking: no question at all.
    EngineSettings settings = loadEngineSettings(*t.store);
    settings.saveBeforeRun = true;
    saveEngineSettings(*t.store, settings);
    doc->replaceBytes(onDisk + "; again\r\n", "Edit");
    t.dialogs.clear();
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    EXPECT_FALSE(recorded().empty());
    EXPECT_EQ(test::readFile(def), onDisk + "; again\r\n");

    // A save that fails stops the run.
    doc->replaceBytes(onDisk + "; refused\r\n", "Edit");
    fs::permissions(def, fs::perms::owner_write, fs::perm_options::remove);
    t.dialogs.clear();
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"fox.def is read-only."});
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(record));
    EXPECT_TRUE(doc->isModified());
    fs::permissions(def, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(QuickRunTest, TheSetEngineArgumentsAndFolderAreUsed)
{
    openCharacter();
    putRecorder(engine + "/Ikemen_GO"); // would be found, but another one is set
    const std::string other = t.path("other engine/run it");
    putRecorder(other);
    const std::string folder = t.path("a folder; of $(its) own");
    fs::create_directories(folder);
    EXPECT_EQ(main.engineFolder(), "") << "the usual place: nothing to tell the checker";
    saveEngineSettings(*t.store, {other, "-p1 \"%d\" -name %c -rounds 1", folder});
    EXPECT_EQ(main.engineFolder().toStdString(), folder) << "the checker looks there for the common states";
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_EQ(recorded(),
              (std::vector<std::string>{fs::canonical(folder), other, "-p1", charDir + "fox.def", "-name", kTrickyName,
                                        "-rounds", "1"}));
    expectNothingElseRan();
}

TEST_F(QuickRunTest, AnEngineThatFailsAtOnceHasTheEndOfItsLogShown)
{
    openCharacter();
    std::string lines;
    for (int k = 1; k <= 20; ++k)
        lines += "echo line " + std::to_string(k) + "\n";
    putRecorder(engine + "/mugen", lines + "echo 'error: stage not found' >&2\nexit 3");
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    auto* runner = main.findChild<EngineRunner*>();
    ASSERT_NE(runner, nullptr);
    QSignalSpy endedSpy(runner, &EngineRunner::engineEnded);
    ASSERT_TRUE(endedSpy.wait(10000));
    EXPECT_EQ(endedSpy.at(0).at(0).toInt(), 3);
    EXPECT_TRUE(endedSpy.at(0).at(2).toBool());

    const QString log = runner->lastLogPath();
    EXPECT_TRUE(log.startsWith(t.dir() + "/cache/")) << log.toStdString();
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    const QString text = t.dialogs.messages[0].text;
    EXPECT_TRUE(text.startsWith("The engine stopped at once with exit code 3.")) << text.toStdString();
    EXPECT_TRUE(text.contains(log)) << text.toStdString();
    EXPECT_TRUE(text.endsWith("line 20\nerror: stage not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("line 10\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("line 9\n")) << "twelve lines: " << text.toStdString();
    EXPECT_TRUE(test::readFile(log.toStdString()).starts_with("line 1\n"));

    // A clean exit says nothing.
    putRecorder(engine + "/mugen", "echo fine");
    t.dialogs.clear();
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    ASSERT_TRUE(endedSpy.wait(10000));
    EXPECT_FALSE(endedSpy.at(1).at(2).toBool());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_NE(runner->lastLogPath(), log) << "each run has a log of its own";
    EXPECT_EQ(test::readFile(runner->lastLogPath().toStdString()), "fine\n");
    EXPECT_TRUE(test::readFile(log.toStdString()).starts_with("line 1\n")) << "the first run's log is kept";
}

// While the engine runs the status bar names it, with Stop; Stop ends it.
// Each run keeps a log of its own, the last ten of them.
TEST_F(QuickRunTest, TheRunningEngineShowsInTheStatusBarWithStopAndKeepsItsLog)
{
    openCharacter();
    putRecorder(engine + "/Ikemen_GO", "echo started; exec sleep 60");
    auto* panel = main.findChild<QWidget*>("engineRunPanel");
    auto* label = main.findChild<QLabel*>("engineRunningLabel");
    auto* stop = main.findChild<QToolButton*>("engineStopButton");
    ASSERT_TRUE(panel && label && stop);
    EXPECT_FALSE(panel->isVisible());
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_FALSE(recorded().empty());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(label->text(), "Ikemen_GO running");
    auto* runner = main.findChild<EngineRunner*>();
    QSignalSpy endedSpy(runner, &EngineRunner::engineEnded);
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::readFile(runner->lastLogPath().toStdString()) == "started\n"; }));
    stop->click();
    ASSERT_TRUE(endedSpy.wait(10000));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(runner->running());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << "a stop is no failure: " << t.dialogs.messageTexts().join("|");

    // Ten older runs' logs: the next run leaves ten in all, the oldest gone.
    const QDir logs(EngineRunner::logFolder());
    for (int k = 0; k < 12; ++k)
        test::writeFile(
            logs.filePath(QStringLiteral("run-20000101-0000%1-000.log").arg(k, 2, 10, QLatin1Char('0'))).toStdString(),
            "old");
    putRecorder(engine + "/Ikemen_GO");
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    ASSERT_TRUE(endedSpy.wait(10000));
    const QStringList kept = logs.entryList({QStringLiteral("run-*.log")}, QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), EngineRunner::kKeptLogs) << kept.join(' ').toStdString();
    EXPECT_FALSE(kept.contains("run-20000101-000002-000.log"));
    EXPECT_TRUE(kept.contains("run-20000101-000011-000.log"));
    EXPECT_EQ(QFileInfo(runner->lastLogPath()).fileName(), kept.last());
}

// The run profile's second player, stage and AI level reach the engine.
TEST_F(QuickRunTest, TheSecondPlayerStageAndAiLevelAreGivenToTheEngine)
{
    openCharacter();
    putRecorder(engine + "/Ikemen_GO");
    EngineSettings settings;
    settings.opponent = "kfm";
    settings.stage = "stages/kfm.def";
    settings.aiLevel = 8;
    saveEngineSettings(*t.store, settings);
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    const std::string opened = std::string(kTrickyName) + "/fox.def";
    EXPECT_EQ(recorded(),
              (std::vector<std::string>{fs::canonical(engine), engine + "/Ikemen_GO", "-p1", opened, "-p2", "kfm",
                                        "-windowed", "-s", "stages/kfm.def", "-p2.ai", "8"}));
}

TEST_F(QuickRunTest, WithNoEngineTheMessageSaysWhatWasLookedForAndOffersTheSettings)
{
    openCharacter();
    const QString expected =
        QString::fromStdString("No engine was found in " + engine
                               + ".\nLooked for Ikemen_GO, Ikemen_GO_Linux, mugen and mugen.exe (run through wine).\n\n"
                                 "Open Settings to choose the engine?");
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        t.dialogs.clear();
        t.dialogs.answers.enqueue(answer);
        main.toolbarAction(ToolbarCommand::Run)->trigger();
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_EQ(t.dialogs.messages[0].text, expected);
        EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNo);
        EXPECT_EQ(settingsShown, answer == Answer::Yes ? 1 : 0);
    }
    // A program that cannot start at all: the old message.
    const std::string broken = t.path("broken");
    test::writeFile(broken, "#!/nonexistent/interpreter\n");
    fs::permissions(broken, fs::perms::owner_all);
    saveEngineSettings(*t.store, {broken, "", ""});
    t.dialogs.clear();
    main.toolbarAction(ToolbarCommand::Run)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"The engine could not be started."});
}

TEST(EngineSettingsDialog, ShowsStoresAndBrowsesTheEngine)
{
    TestApp t;
    saveEngineSettings(*t.store, {"/opt/ikemen/Ikemen_GO", "%c", ""});
    {
        SettingsDialog dialog(*t.app);
        EngineSettingsBox* box = dialog.engineGroup;
        EXPECT_EQ(box->title(), "Engine");
        EXPECT_EQ(box->programEdit->text(), "/opt/ikemen/Ikemen_GO");
        EXPECT_EQ(box->argumentsEdit->text(), "%c");
        EXPECT_TRUE(box->argumentsEdit->placeholderText().contains("-p1 %f -p2 %2 -windowed"));
        EXPECT_EQ(box->workingFolderEdit->text(), "");

        t.dialogs.files.append(QStringList{"/games/mugen/mugen", ""});
        box->programButton->click();
        EXPECT_EQ(t.dialogs.fileDialogs.last().directory, "/opt/ikemen");
        EXPECT_EQ(box->programEdit->text(), "/games/mugen/mugen");
        box->workingFolderButton->click(); // cancelled: the box keeps its text
        EXPECT_EQ(box->workingFolderEdit->text(), "");
        box->argumentsEdit->setText("%c %c -rounds 1");
        dialog.cancelButton->click();
    }
    EXPECT_EQ(loadEngineSettings(*t.store).program, "/opt/ikemen/Ikemen_GO") << "Cancel stores nothing";

    SettingsDialog dialog(*t.app);
    EngineSettingsBox* box = dialog.engineGroup;
    t.dialogs.files.append(QStringList{"/games/mugen/mugen", "/games/mugen"});
    box->programButton->click();
    box->workingFolderButton->click();
    box->argumentsEdit->setText("%c %c -rounds 1");
    dialog.okButton->click();
    const EngineSettings stored = loadEngineSettings(*t.store);
    EXPECT_EQ(stored.program, "/games/mugen/mugen");
    EXPECT_EQ(stored.arguments, "%c %c -rounds 1");
    EXPECT_EQ(stored.workingFolder, "/games/mugen");
}

// Profiles: saved under a name, chosen to fill the boxes, deleted; Cancel
// keeps none of it; the second players and stages come from the engine's folders.
TEST_F(QuickRunTest, RunProfilesAreMadeChosenAndDeletedInTheSettings)
{
    openCharacter();
    fs::create_directories(engine + "/chars/kfm");
    test::writeFile(engine + "/stages/kfm.def", "[Info]\r\n");
    {
        SettingsDialog dialog(*t.app);
        EngineSettingsBox* box = dialog.engineGroup;
        EXPECT_NE(box->opponentBox->findText("kfm"), -1);
        EXPECT_NE(box->stageBox->findText("stages/kfm.def"), -1);
        box->opponentBox->setEditText("kfm");
        box->aiLevelBox->setValue(5);
        t.dialogs.texts.enqueue(QStringLiteral("Versus"));
        box->saveProfileButton->click();
        EXPECT_EQ(box->profileBox->currentText(), "Versus");
        dialog.cancelButton->click();
    }
    EXPECT_TRUE(runProfileNames(*t.store).empty()) << "Cancel stores no profile";

    SettingsDialog dialog(*t.app);
    EngineSettingsBox* box = dialog.engineGroup;
    box->opponentBox->setEditText("kfm");
    box->aiLevelBox->setValue(5);
    t.dialogs.texts.enqueue(QStringLiteral("Versus"));
    box->saveProfileButton->click();
    box->opponentBox->setEditText("");
    box->aiLevelBox->setValue(0);
    t.dialogs.texts.enqueue(QStringLiteral("Mirror"));
    box->saveProfileButton->click();
    t.dialogs.texts.enqueue(QStringLiteral("a|b"));
    box->saveProfileButton->click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"A profile name cannot be empty or hold a |."});
    // Choosing a profile shows its settings.
    box->profileBox->setCurrentIndex(box->profileBox->findText("Versus"));
    emit box->profileBox->activated(box->profileBox->currentIndex());
    EXPECT_EQ(box->opponentBox->currentText(), "kfm");
    EXPECT_EQ(box->aiLevelBox->value(), 5);
    dialog.okButton->click();
    EXPECT_EQ(runProfileNames(*t.store), (std::vector<std::string>{"Versus", "Mirror"}));
    EXPECT_EQ(currentRunProfile(*t.store), "Versus");
    EXPECT_EQ(loadEngineSettings(*t.store).opponent, "kfm") << "the chosen profile is what Run uses";

    SettingsDialog again(*t.app);
    EXPECT_EQ(again.engineGroup->profileBox->currentText(), "Versus");
    EXPECT_EQ(again.engineGroup->aiLevelBox->value(), 5);
    again.engineGroup->deleteProfileButton->click();
    again.okButton->click();
    EXPECT_EQ(runProfileNames(*t.store), std::vector<std::string>{"Mirror"});
    EXPECT_EQ(currentRunProfile(*t.store), "");
}
