#include "test_support.h"
#include "ui/settings.h"
#include "ui/settings_store_qt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;

namespace {

struct TempStore {
    QTemporaryDir dir;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
};

} // namespace

TEST(Settings, FirstRunTakesTheDefaults)
{
    TempStore t;
    const ProgramSettings s = loadProgramSettings(t.store);
    EXPECT_TRUE(s.showTips);
    EXPECT_EQ(s.currentTip, 1);
    EXPECT_EQ(s.defaultFontName, "Courier New");
    EXPECT_EQ(s.defaultFontSize, 10);
    EXPECT_FALSE(s.defaultFontItalic);
    EXPECT_FALSE(s.defaultFontBold);
    EXPECT_EQ(ProgramSettings::colourValue(s.defaultTextColour), 0u);
    EXPECT_EQ(ProgramSettings::colourValue(s.defaultBackColour), 0xFFFFFFu);
    EXPECT_FLOAT_EQ(s.defaultZoom, 1.0f);
    EXPECT_TRUE(recentCharacters(t.store).empty());
}

TEST(Settings, StoredTextsAreConverted)
{
    TempStore t;
    const char* section = kProgramSettings;
    t.store.write(section, "ShowTips", "false");
    t.store.write(section, "CurrentTip", "7");
    t.store.write(section, "DefaultFontSize", "9.75");
    t.store.write(section, "DefaultFontBold", "1");
    t.store.write(section, "DefaultFontItalic", "TRUE");
    t.store.write(section, "DefaultFontName", "DejaVu Sans Mono");
    t.store.write(section, "DefaultTextColour", "255");
    t.store.write(section, "DefaultZoom", "0.125");
    const ProgramSettings s = loadProgramSettings(t.store);
    EXPECT_FALSE(s.showTips);
    EXPECT_EQ(s.currentTip, 7);
    EXPECT_EQ(s.defaultFontSize, 10);
    EXPECT_TRUE(s.defaultFontBold);
    EXPECT_TRUE(s.defaultFontItalic);
    EXPECT_EQ(s.defaultFontName, "DejaVu Sans Mono");
    EXPECT_EQ(ProgramSettings::colourValue(s.defaultTextColour), 255u);
    EXPECT_FLOAT_EQ(s.defaultZoom, 0.125f);
}

TEST(Settings, UnconvertibleValuesFallBackToTheirDefaults)
{
    TempStore t;
    const char* section = kProgramSettings;
    t.store.write(section, "ShowTips", "maybe");
    t.store.write(section, "DefaultFontSize", "abc");
    t.store.write(section, "CurrentTip", "99999");
    t.store.write(section, "DefaultBackColour", "white");
    t.store.write(section, "DefaultZoom", "1e9");
    const ProgramSettings s = loadProgramSettings(t.store);
    EXPECT_TRUE(s.showTips);
    EXPECT_EQ(s.defaultFontSize, 10);
    EXPECT_EQ(s.currentTip, 1);
    EXPECT_EQ(ProgramSettings::colourValue(s.defaultBackColour), 0xFFFFFFu);
    EXPECT_FLOAT_EQ(s.defaultZoom, 1.0f);
}

TEST(Settings, IntegersRoundHalvesToEven)
{
    EXPECT_EQ(parseInt16("2.5"), 2);
    EXPECT_EQ(parseInt16("3.5"), 4);
    EXPECT_EQ(parseInt16("-1.5"), -2);
    EXPECT_EQ(parseInt16("32768"), std::nullopt);
    EXPECT_EQ(singleText(0.125f), "0.125");
    EXPECT_EQ(singleText(8.0f), "8");
}

TEST(RecentCharacters, NewestFirstAtMostFourAndEachFileOnce)
{
    TempStore t;
    addRecentCharacter(t.store, "A");
    addRecentCharacter(t.store, "B");
    addRecentCharacter(t.store, "A");
    EXPECT_EQ(recentCharacters(t.store), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(t.store.read(kRecentCharacter, "RecentFile3").value_or(""), "");

    // One file written with '\\', in other letters, or through a link is one entry.
    const std::string dir = t.dir.path().toStdString();
    std::filesystem::create_directories(dir + "/Hero");
    test::writeFile(dir + "/Hero/hero.def", "[Files]\n");
    std::filesystem::create_directory_symlink(dir + "/Hero", dir + "/link");
    addRecentCharacter(t.store, dir + "/Hero/hero.def");
    addRecentCharacter(t.store, dir + "\\hero\\HERO.DEF");
    addRecentCharacter(t.store, dir + "/link/hero.def");
    EXPECT_EQ(recentCharacters(t.store), (std::vector<std::string>{dir + "/link/hero.def", "A", "B"}));

    TempStore u;
    for (const char* c : {"A", "B", "C", "D", "E"})
        addRecentCharacter(u.store, c);
    EXPECT_EQ(recentCharacters(u.store), (std::vector<std::string>{"E", "D", "C", "B"}));

    // The list survives a new store on the same file (a new run).
    SettingsStoreQt again(u.dir.path() + "/settings.ini");
    EXPECT_EQ(recentCharacters(again).front(), "E");
}
