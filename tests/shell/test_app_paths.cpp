// Where the program finds its tools and data: beside itself in the build
// tree, in libexec/ and share/ of an installed copy.

#include "common/app_paths.h"
#include "documents/spawn_script.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>

#include <filesystem>

using namespace vantrel;
namespace fs = std::filesystem;

TEST(AppPaths, FoundBesideTheProgramOrInTheInstalledLayout)
{
    QTemporaryDir root;
    const std::string r = root.path().toStdString();
    // A build-tree folder, an installed prefix, and a bare folder with neither.
    test::writeFile(r + "/build/app/sff2pcx", "");
    test::writeFile(r + "/build/app/tips.txt", "");
    test::writeFile(r + "/usr/libexec/vantrel/sff2pcx", "");
    test::writeFile(r + "/usr/share/vantrel/tips.txt", "");
    fs::create_directories(r + "/usr/bin");
    fs::create_directories(r + "/bare/bin");
    // A prefix with the data installed and the tools not (VANTREL_BUILD_TOOLS off).
    test::writeFile(r + "/half/share/vantrel/tips.txt", "");
    fs::create_directories(r + "/half/bin");

    const struct {
        std::string executableDir, tools, data;
    } cases[] = {
        {r + "/build/app", r + "/build/app", r + "/build/app"},
        {r + "/usr/bin", r + "/usr/libexec/vantrel", r + "/usr/share/vantrel"},
        {r + "/usr/bin/", r + "/usr/libexec/vantrel", r + "/usr/share/vantrel"},
        {r + "/bare/bin", r + "/bare/bin", r + "/bare/bin"},
        {r + "/half/bin", r + "/half/bin", r + "/half/share/vantrel"},
    };
    for (const auto& c : cases) {
        const AppPaths paths = findAppPaths(QString::fromStdString(c.executableDir));
        EXPECT_EQ(paths.toolsDir.toStdString(), c.tools) << c.executableDir;
        EXPECT_EQ(paths.dataDir.toStdString(), c.data) << c.executableDir;
    }
    // The build tree this test was built in is a runnable program folder.
    const AppPaths built = findAppPaths(VANTREL_APP_DIR);
    EXPECT_EQ(built.toolsDir, QDir::cleanPath(VANTREL_APP_DIR));
    EXPECT_EQ(built.dataDir, QDir::cleanPath(VANTREL_APP_DIR));
}

TEST(AppPaths, TheProgramRunsTheToolsAndReadsTheDataWhereTheyWereFound)
{
    test::TestApp t;
    // Tools in a folder whose name a shell would take apart.
    const std::string tools = t.path("lib exec/$(touch pwned); `x`");
    t.app->toolsDir = QString::fromStdString(tools);
    t.app->dataDir = t.dir() + "/share";
    test::writeStandInUnpacker(tools,
                               "mkdir -p \"$2\"\nprintf 'P' > \"$2/s0.pcx\"\n"
                               "printf 'h\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n' > tempsff.txt");
    test::writeFile(t.path("hero/hero.def"), "[Files]\nsprite = hero.sff\n");
    test::writeFile(t.path("hero/hero.sff"), "archive");

    MainWindow main(*t.app);
    main.openCharacter(QString::fromStdString(t.path("hero/hero.def")));
    EXPECT_TRUE(main.characterOpen()) << main.statusText().toStdString();
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 1);
    // The script names the tool by its full path, escaped for the shell.
    const std::string script = test::readFile(spawnScriptPath(test::spritesOf(*t.app)->workspace().appDir()));
    EXPECT_NE(script.find("\"" + t.path("lib exec/\\$(touch pwned); \\`x\\`") + "/sff2pcx\" \""), std::string::npos)
        << script;
    for (const std::string& where : {t.path(""), tools, t.path("lib exec")})
        EXPECT_FALSE(fs::exists(where + "/pwned")) << where;
    EXPECT_EQ(t.app->dataFile("tips.txt"), t.dir() + "/share/tips.txt");
}
