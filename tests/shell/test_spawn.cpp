#include "shell/spawn_script.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

using namespace vantrel;

TEST(QuickRunScript, Lines)
{
    EXPECT_TRUE(quickRunLines("").empty());
    EXPECT_EQ(quickRunLines("/games/mugen/chars/hero/"),
              (std::vector<std::string>{"", "cd \"/games/mugen/chars/hero/\"", "cd ../..", "./mugen \"hero\" \"hero\""}));
    EXPECT_EQ(quickRunLines("/m/chars/Red Fox/")[3], "./mugen \"Red Fox\" \"Red Fox\"");
    EXPECT_EQ(quickRunLines("/m/chars/a$b\"c/")[1], "cd \"/m/chars/a\\$b\\\"c/\"");
    EXPECT_EQ(quickRunLines("/m/chars/a`b\\c/")[3], "./mugen \"a\\`b\\\\c\" \"a\\`b\\\\c\"");
    EXPECT_EQ(unpackCommandLine("/c/h $x.sff"), "./sff2pcx \"/c/h \\$x.sff\" tempsff");
}

TEST(QuickRunScript, NothingInAPathRunsAsACommand)
{
    // An engine folder with a character whose name tries every trick; the
    // stand-in engine records the arguments it was given.
    QTemporaryDir root;
    const std::string engine = root.path().toStdString() + "/engine";
    const std::string appDir = root.path().toStdString() + "/app";
    for (const std::string name : {"Red Fox", "$(touch pwned)", "a\"b`touch pwned`", "back\\slash; touch pwned", "'q' && touch pwned"}) {
        const std::string charDir = engine + "/chars/" + name + "/";
        std::filesystem::create_directories(charDir);
        test::writeFile(engine + "/mugen", "#!/bin/sh\nprintf '%s\\n' \"$1\" \"$2\" > \"$(dirname \"$0\")/args.txt\"\n");
        std::filesystem::permissions(engine + "/mugen", std::filesystem::perms::owner_all);

        std::filesystem::create_directories(appDir);
        ASSERT_TRUE(writeSpawnScript(appDir, quickRunLines(charDir)));
        const std::string command = "cd '" + appDir + "' && /bin/sh spawn.sh";
        ASSERT_EQ(std::system(command.c_str()), 0) << name;
        EXPECT_EQ(test::readFile(engine + "/args.txt"), name + "\n" + name + "\n");
        for (const std::string& where : {engine, appDir, charDir, engine + "/chars"})
            EXPECT_FALSE(std::filesystem::exists(where + "/pwned")) << name;
    }
}

TEST(QuickRunScript, CharacterName)
{
    EXPECT_EQ(characterNameOf("/games/mugen/chars/hero/"), "hero");
    EXPECT_EQ(characterNameOf("hero/"), "hero");
    EXPECT_EQ(characterNameOf("/"), "");
}

TEST(SpawnScript, FileReadyNeedsContent)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/f";
    EXPECT_FALSE(fileReady(path));
    test::writeFile(path, "");
    EXPECT_FALSE(fileReady(path));
    test::writeFile(path, "x");
    EXPECT_TRUE(fileReady(path));
    EXPECT_FALSE(fileReady(dir.path().toStdString()));
}
