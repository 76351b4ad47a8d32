#include "documents/spawn_script.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

using namespace vantrel;

TEST(SpawnScript, ToolsAreNamedByTheirFullQuotedPath)
{
    EXPECT_EQ(unpackCommandLine("/opt/van trel", "/c/h $x.sff"), "\"/opt/van trel/sff2pcx\" \"/c/h \\$x.sff\" tempsff");
    EXPECT_EQ(toolCommand("/a/$b`c`\\\"", "sprmaker"), "\"/a/\\$b\\`c\\`\\\\\\\"/sprmaker\"");
}

TEST(SpawnScript, NothingInAToolsFolderOrArchiveNameRunsAsACommand)
{
    // Tools folders and archives whose names try every trick; the stand-in
    // tool records the arguments it was given.
    QTemporaryDir root;
    const std::string base = root.path().toStdString();
    const std::string work = base + "/work";
    std::filesystem::create_directories(work);
    for (const std::string name :
         {"van trel", "$(touch pwned)", "a\"b`touch pwned`", "back\\slash; touch pwned", "'q' && touch pwned"}) {
        const std::string tools = base + "/" + name;
        const std::string archive = tools + "/x " + name + ".sff";
        test::writeFile(tools + "/sff2pcx", "#!/bin/sh\nprintf '%s\\n' \"$1\" \"$2\" > args.txt\n");
        std::filesystem::permissions(tools + "/sff2pcx", std::filesystem::perms::owner_all);

        ASSERT_TRUE(writeSpawnScript(work, {unpackCommandLine(tools, archive)}));
        const std::string command = "cd '" + work + "' && /bin/sh spawn.sh";
        ASSERT_EQ(std::system(command.c_str()), 0) << name;
        EXPECT_EQ(test::readFile(work + "/args.txt"), archive + "\ntempsff\n");
        for (const std::string& where : {base, work, tools})
            EXPECT_FALSE(std::filesystem::exists(where + "/pwned")) << name;
    }
}

TEST(SpawnScript, CharacterName)
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
