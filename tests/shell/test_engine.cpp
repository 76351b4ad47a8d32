// Which engine quick-run starts, with which arguments, in which folder.

#include "shell/engine.h"
#include "test_support.h"
#include "ui/settings_store_qt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

// An executable stand-in (or, with `executable` false, a plain file).
void putProgram(const std::string& path, bool executable = true)
{
    test::writeFile(path, "#!/bin/sh\nexit 0\n");
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

struct EngineFolder {
    QTemporaryDir root;
    std::string base = root.path().toStdString();
    std::string engine = base + "/engine";
    std::string charDir = engine + "/chars/Red Fox/";
    std::string def = charDir + "fox.def";
    std::string bin = base + "/bin"; // a PATH folder
    EngineFolder()
    {
        fs::create_directories(charDir);
        fs::create_directories(bin);
    }
};

} // namespace

TEST(EngineArguments, SplitsOnBlanksKeepsQuotedTextAndFillsInTheCharacter)
{
    const RunPlayers players{"Red Fox", "/m/chars/Red Fox/fox.def"};
    const struct {
        const char* text;
        Args expected;
    } cases[] = {
        {"%c %c", {"Red Fox", "Red Fox"}},
        // The .def opened, under its folder: not the folder's namesake.
        {"%f %f", {"Red Fox/fox.def", "Red Fox/fox.def"}},
        {"  -p1   %d  -rounds 1 ", {"-p1", "/m/chars/Red Fox/fox.def", "-rounds", "1"}},
        {"'a b' \"c'd\" e\"f g\"h", {"a b", "c'd", "ef gh"}},
        {"\"\" x", {"", "x"}},
        {"%%c 100% %q %", {"%c", "100%", "%q", "%"}},
        {"chars/%c/%c.def", {"chars/Red Fox/Red Fox.def"}},
        {"$(touch x);ls `id`", {"$(touch", "x);ls", "`id`"}},
        {"'%c' \"-%d\"", {"Red Fox", "-/m/chars/Red Fox/fox.def"}},
        {"\"unclosed %c", {"unclosed Red Fox"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(engineArguments(c.text, players), c.expected) << c.text;
}

// The second player is the opponent when one is set, else the character
// again; a stage and an AI level follow as the engines take them, unless the
// text places them itself.
TEST(EngineArguments, TheSecondPlayerStageAndAiLevel)
{
    const std::string def = "/m/chars/Red Fox/fox.def";
    const struct {
        const char* text;
        RunPlayers players;
        Args expected;
    } cases[] = {
        {kIkemenArguments, {"Red Fox", def}, {"-p1", "Red Fox/fox.def", "-p2", "Red Fox/fox.def", "-windowed"}},
        {kIkemenArguments,
         {"Red Fox", def, "kfm", "stages/kfm.def", 8},
         {"-p1", "Red Fox/fox.def", "-p2", "kfm", "-windowed", "-s", "stages/kfm.def", "-p2.ai", "8"}},
        {kMugenArguments, {"Red Fox", def, "kfm/kfm720.def"}, {"Red Fox/fox.def", "kfm/kfm720.def"}},
        {kMugenArguments, {"Red Fox", def, "", "", 3}, {"Red Fox/fox.def", "Red Fox/fox.def", "-p2.ai", "3"}},
        {"%f -s \"%s\" -ai %a",
         {"Red Fox", def, "", "my stage.def", 2},
         {"Red Fox/fox.def", "-s", "my stage.def", "-ai", "2"}},
        {"%c", {"Red Fox", def, "", "", 0}, {"Red Fox"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(engineArguments(c.text, c.players), c.expected) << c.text;
}

TEST(EngineWorkingFolder, TwoFoldersUpUnlessSet)
{
    const struct {
        const char* setting;
        const char* charDir;
        const char* expected;
    } cases[] = {
        {"", "/games/mugen/chars/hero/", "/games/mugen"},
        {"", "/games/mugen/chars/my hero/", "/games/mugen"},
        {"", "/chars/hero/", "/"},
        {"/opt/ikemen/", "/games/mugen/chars/hero/", "/opt/ikemen"},
        {"/opt/./ikemen/../mugen", "/games/mugen/chars/hero/", "/opt/mugen"},
        {"../../..", "/games/mugen/chars/hero/", "/games"},
        {"engine", "/games/hero/", "/games/hero/engine"},
    };
    for (const auto& c : cases) {
        EngineSettings settings;
        settings.workingFolder = c.setting;
        EXPECT_EQ(engineWorkingFolder(settings, c.charDir), c.expected) << c.setting << " " << c.charDir;
    }
}

TEST(EngineSettingsStore, KeepsTheThreeValuesInTheEngineSection)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    {
        SettingsStoreQt store(ini);
        EXPECT_EQ(loadEngineSettings(store).program, "");
        saveEngineSettings(store, {" /opt/ikemen/Ikemen_GO ", "-p1 \"%d\"", "/opt/ikemen"});
    }
    SettingsStoreQt store(ini);
    const EngineSettings read = loadEngineSettings(store);
    EXPECT_EQ(read.program, "/opt/ikemen/Ikemen_GO");
    EXPECT_EQ(read.arguments, "-p1 \"%d\"");
    EXPECT_EQ(read.workingFolder, "/opt/ikemen");
    const std::string text = test::readFile(ini.toStdString());
    EXPECT_NE(text.find("[Engine]"), std::string::npos) << text;
    EXPECT_NE(text.find("WorkingFolder=/opt/ikemen"), std::string::npos) << text;
}

// A few named profiles, each a whole set of run settings, kept across starts.
TEST(RunProfiles, AreKeptByNameAndRefuseWhatCannotBeStored)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    EngineSettings versus{"/opt/ikemen/Ikemen_GO", "", "", false, "kfm", "stages/kfm.def", 8};
    {
        SettingsStoreQt store(ini);
        EXPECT_TRUE(runProfileNames(store).empty());
        EXPECT_TRUE(saveRunProfile(store, "Versus KFM", versus));
        EXPECT_TRUE(saveRunProfile(store, "Training", {"", "%f %f -rounds 1"}));
        for (const char* bad : {"", " padded", "a|b"})
            EXPECT_FALSE(saveRunProfile(store, bad, versus)) << bad;
        setCurrentRunProfile(store, "Versus KFM");
        versus.aiLevel = 4; // replacing keeps the order
        EXPECT_TRUE(saveRunProfile(store, "Versus KFM", versus));
    }
    SettingsStoreQt store(ini);
    EXPECT_EQ(runProfileNames(store), (Args{"Versus KFM", "Training"}));
    EXPECT_EQ(currentRunProfile(store), "Versus KFM");
    const std::optional<EngineSettings> read = loadRunProfile(store, "Versus KFM");
    ASSERT_TRUE(read);
    EXPECT_EQ(std::tuple(read->program, read->opponent, read->stage, read->aiLevel),
              std::tuple(versus.program, versus.opponent, versus.stage, 4));
    EXPECT_EQ(loadRunProfile(store, "Training")->arguments, "%f %f -rounds 1");
    EXPECT_FALSE(loadRunProfile(store, "Nobody"));

    removeRunProfile(store, "Versus KFM");
    EXPECT_EQ(runProfileNames(store), Args{"Training"});
    EXPECT_EQ(currentRunProfile(store), "") << "the chosen profile went with it";
    for (int k = 1; k < kMaxRunProfiles; ++k)
        EXPECT_TRUE(saveRunProfile(store, "P" + std::to_string(k), {}));
    EXPECT_FALSE(saveRunProfile(store, "One too many", {}));
    EXPECT_EQ(runProfileNames(store).size(), static_cast<std::size_t>(kMaxRunProfiles));

    // An AI level out of range reads as none.
    store.write("Run Profile Training", "AILevel", "99");
    EXPECT_EQ(loadRunProfile(store, "Training")->aiLevel, 0);
}

TEST(FindOnPath, TakesTheFirstExecutableInAnAbsoluteFolder)
{
    EngineFolder f;
    const std::string a = f.base + "/a", b = f.base + "/b", c = f.base + "/c";
    putProgram(a + "/wine", false); // not executable
    putProgram(b + "/wine");
    putProgram(c + "/wine");
    fs::create_directories(a + "/engine/wine"); // a folder is no program
    EXPECT_EQ(findOnPath("wine", a + ":" + b + ":" + c), b + "/wine");
    EXPECT_EQ(findOnPath("wine", "::" + c), c + "/wine");
    EXPECT_EQ(findOnPath("wine", a), "");
    EXPECT_EQ(findOnPath("wine", ""), "");
    EXPECT_EQ(findOnPath("wine", "relative/b"), "") << "only absolute folders count";
}

// Each engine gets its own arguments: IKEMEN GO its -p1/-p2 and a window.
TEST(ChooseEngine, FindsTheUsualNamesInOrderInTheWorkingFolder)
{
    const Args twice = {"Red Fox/fox.def", "Red Fox/fox.def"};
    const Args ikemen = {"-p1", "Red Fox/fox.def", "-p2", "Red Fox/fox.def", "-windowed"};
    const auto& names = engineNames();
    ASSERT_EQ(names, (Args{"Ikemen_GO", "Ikemen_GO_Linux", "mugen", "mugen.exe"}));
    // Each name alone, then each with every later name beside it: the first wins.
    for (std::size_t k = 0; k < names.size(); ++k) {
        for (const bool withLater : {false, true}) {
            EngineFolder f;
            putProgram(f.bin + "/wine");
            for (std::size_t n = k; n < (withLater ? names.size() : k + 1); ++n)
                putProgram(f.engine + "/" + names[n], names[n] != "mugen.exe");
            const EngineChoice choice = chooseEngine({}, f.charDir, f.def, f.bin);
            ASSERT_TRUE(choice.launch) << names[k] << ": " << choice.missing;
            EXPECT_EQ(choice.launch->workingFolder, f.engine);
            if (names[k] == "mugen.exe") {
                EXPECT_EQ(choice.launch->program, f.bin + "/wine");
                EXPECT_EQ(choice.launch->arguments,
                          (Args{f.engine + "/mugen.exe", "Red Fox/fox.def", "Red Fox/fox.def"}));
                EXPECT_EQ(choice.launch->name, "mugen.exe");
            } else {
                EXPECT_EQ(choice.launch->program, f.engine + "/" + names[k]) << withLater;
                EXPECT_EQ(choice.launch->arguments, names[k].starts_with("Ikemen") ? ikemen : twice) << names[k];
                EXPECT_EQ(choice.launch->name, names[k]);
            }
        }
    }
}

TEST(ChooseEngine, SaysWhatItLookedForAndWhereWhenNothingRuns)
{
    EngineFolder f;
    putProgram(f.engine + "/mugen", false); // there, but not executable
    EngineChoice choice = chooseEngine({}, f.charDir, f.def, f.bin);
    EXPECT_FALSE(choice.launch);
    EXPECT_EQ(choice.missing,
              "No engine was found in " + f.engine
                  + ".\nLooked for Ikemen_GO, Ikemen_GO_Linux, mugen and mugen.exe (run through wine).");

    putProgram(f.engine + "/mugen.exe", false); // a Windows engine, and no wine on the PATH
    choice = chooseEngine({}, f.charDir, f.def, f.bin);
    EXPECT_FALSE(choice.launch);
    EXPECT_NE(choice.missing.find(f.engine + "/mugen.exe is a Windows program, and wine is not installed."),
              std::string::npos)
        << choice.missing;
}

TEST(ChooseEngine, ASetProgramArgumentsAndFolderWin)
{
    EngineFolder f;
    putProgram(f.engine + "/Ikemen_GO"); // found automatically, but a program is set
    putProgram(f.base + "/opt/my engine/run");
    putProgram(f.bin + "/ikemen");
    putProgram(f.bin + "/wine");
    putProgram(f.base + "/opt/game.EXE", false);
    const std::string opt = f.base + "/opt";
    const struct {
        EngineSettings settings;
        std::string program; // empty: not found
        Args arguments;
        std::string folder; // when not found: how the message ends
    } cases[] = {
        {{f.base + "/opt/my engine/run", "", ""},
         f.base + "/opt/my engine/run",
         {"Red Fox/fox.def", "Red Fox/fox.def"},
         f.engine},
        {{"my engine/run", "-p1 \"%d\"", opt}, f.base + "/opt/my engine/run", {"-p1", f.def}, opt},
        {{"ikemen", "%c", ""}, f.bin + "/ikemen", {"Red Fox"}, f.engine},
        {{"ikemen", "", ""},
         f.bin + "/ikemen",
         {"-p1", "Red Fox/fox.def", "-p2", "Red Fox/fox.def", "-windowed"},
         f.engine},
        {{"game.EXE", "", opt}, f.bin + "/wine", {opt + "/game.EXE", "Red Fox/fox.def", "Red Fox/fox.def"}, opt},
        {{"nothere", "", ""}, "", {}, " in " + f.engine + " nor on the PATH."},
        {{"sub/nothere", "", opt}, "", {}, " in " + opt + "."},
        {{opt + "/missing", "", ""}, "", {}, "."},
    };
    for (const auto& c : cases) {
        const EngineChoice choice = chooseEngine(c.settings, f.charDir, f.def, f.bin);
        if (c.program.empty()) {
            EXPECT_FALSE(choice.launch) << c.settings.program;
            EXPECT_EQ(choice.missing, "The engine program " + c.settings.program + " was not found" + c.folder);
            continue;
        }
        ASSERT_TRUE(choice.launch) << c.settings.program << ": " << choice.missing;
        EXPECT_EQ(choice.launch->program, c.program);
        EXPECT_EQ(choice.launch->arguments, c.arguments);
        EXPECT_EQ(choice.launch->workingFolder, c.folder);
    }
    // A Windows program with no wine on the PATH.
    const EngineChoice noWine = chooseEngine({opt + "/game.EXE", "", ""}, f.charDir, f.def, f.base);
    EXPECT_FALSE(noWine.launch);
    EXPECT_EQ(noWine.missing, opt + "/game.EXE is a Windows program, and wine is not installed.");
}
