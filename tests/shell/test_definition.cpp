#include "shell/character_files.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace vantrel;

namespace {

// Reads `text` as a .def file in a fresh folder and returns what it set.
struct DefReading {
    QTemporaryDir dir;
    std::string charDir() const { return dir.path().toStdString() + "/"; }
    DefinitionResult read(const std::string& text, CharacterFiles& files, const std::string& name = "hero.def")
    {
        const std::string path = charDir() + name;
        test::writeFile(path, text);
        return ReadDefinition(path, files);
    }
};

} // namespace

TEST(DefinitionReader, KeyRules)
{
    const struct {
        const char* line;
        std::string CharacterFiles::*field;
        const char* value; // nullptr: the field stays empty
    } cases[] = {
        {"sprite = hero.sff ; main sprites", &CharacterFiles::SpriteFile, "hero.sff"},
        {"  SPRITE=Hero.SFF", &CharacterFiles::SpriteFile, "Hero.SFF"},
        {"cmd = a=b.cmd", &CharacterFiles::CmdFile, "b.cmd"},
        {"sprite", &CharacterFiles::SpriteFile, "sprite"},
        {"\tsprite = x.sff", &CharacterFiles::SpriteFile, nullptr},
        {"spritefoo = x.sff", &CharacterFiles::SpriteFile, "x.sff"},
        {"animation = a.air", &CharacterFiles::AnimFile, "a.air"},
        {"cns = hero.cns", &CharacterFiles::CnsFile, "hero.cns"},
        {"sound = hero.snd", &CharacterFiles::SoundFile, "hero.snd"},
        {"stcommon = common1.cns", &CharacterFiles::StCommonFile, "common1.cns"},
        {"; sprite = commented.sff", &CharacterFiles::SpriteFile, nullptr},
        {"sprite = sub\\dir\\hero.sff", &CharacterFiles::SpriteFile, "sub/dir/hero.sff"},
    };
    for (const auto& c : cases) {
        DefReading def;
        CharacterFiles files;
        ASSERT_TRUE(def.read(std::string(c.line) + "\r\n", files)) << c.line;
        EXPECT_EQ(files.*(c.field), c.value ? def.charDir() + c.value : "") << c.line;
    }
}

TEST(DefinitionReader, StateAndPaletteSlots)
{
    DefReading def;
    CharacterFiles files;
    ASSERT_TRUE(def.read("st = a.cns\r\nst1 = b.st\r\nst6=c.st\r\nst9 = d.st\r\nst7 = y.st\r\n"
                         "stcommon = common1.cns\r\nst10 = e.st\r\n"
                         "pal1 = one.act\r\npal12 = twelve.act\r\npal = bare.act\r\npalette = zero.act\r\n"
                         "pal.defaults = 1,2\r\nPAL.D = 3\r\npal3=three.act\r\n",
                         files));
    const std::string d = def.charDir();
    EXPECT_EQ(files.StFiles[0], d + "a.cns");
    EXPECT_EQ(files.StFiles[1], d + "e.st"); // only the character after "st" counts
    EXPECT_EQ(files.StFiles[6], d + "c.st");
    for (int slot : {2, 3, 4, 5})
        EXPECT_EQ(files.StFiles[slot], "") << slot;
    EXPECT_EQ(files.StCommonFile, d + "common1.cns");
    EXPECT_EQ(files.PalFiles[1], d + "bare.act"); // "pal =" is slot 1, and came after pal1
    EXPECT_EQ(files.PalFiles[12], d + "twelve.act");
    EXPECT_EQ(files.PalFiles[0], d + "zero.act");
    EXPECT_EQ(files.PalFiles[3], d + "three.act");
}

TEST(DefinitionReader, Pal13StopsTheReadingButKeepsWhatCameBefore)
{
    DefReading def;
    CharacterFiles files;
    EXPECT_FALSE(def.read("sprite = a.sff\r\npal13 = z.act\r\nsound = late.snd\r\n", files));
    EXPECT_EQ(files.SpriteFile, def.charDir() + "a.sff");
    EXPECT_EQ(files.SoundFile, "");
    EXPECT_EQ(files.DefFile, def.charDir() + "hero.def");
}

TEST(DefinitionReader, FieldsFromThePreviousCharacterStay)
{
    DefReading a, b;
    CharacterFiles files;
    ASSERT_TRUE(a.read("st2 = a2.st\r\nsprite = a.sff\r\n", files));
    ASSERT_TRUE(b.read("sprite = b.sff\r\n", files));
    EXPECT_EQ(files.StFiles[2], a.charDir() + "a2.st");
    EXPECT_EQ(files.SpriteFile, b.charDir() + "b.sff");
    EXPECT_EQ(files.CharDir, b.charDir());
}

TEST(DefinitionReader, UnreadableFileFails)
{
    CharacterFiles files;
    EXPECT_FALSE(ReadDefinition("/nonexistent/hero.def", files));
    EXPECT_EQ(files.CharDir, "/nonexistent/");
}

TEST(DefinitionReader, RealCharacters)
{
    // CR LF with Shift-JIS comments and a letter case that differs on disk.
    CharacterFiles classic;
    const std::string w = test::realchars("winmugen-kfm/");
    ASSERT_TRUE(ReadDefinition(w + "kfm.def", classic));
    EXPECT_EQ(classic.SpriteFile, w + "kfm.sff");
    EXPECT_EQ(classic.AnimFile, w + "kfm.air");
    EXPECT_EQ(classic.SoundFile, w + "kfm.snd");
    EXPECT_EQ(classic.CmdFile, w + "kfm.cmd");
    EXPECT_EQ(classic.CnsFile, w + "kfm.cns");
    EXPECT_EQ(classic.PalFiles[1], w + "kfm6.act");
    EXPECT_EQ(classic.PalFiles[6], w + "kfm.act");
    EXPECT_EQ(classic.StFiles[0], w + "kfm.cns");

    // LF only, with a UTF-8 byte-order mark.
    CharacterFiles modern;
    const std::string i = test::realchars("ikemen-kfm/");
    ASSERT_TRUE(ReadDefinition(i + "kfm.def", modern));
    EXPECT_EQ(modern.SpriteFile, i + "kfm.sff");
    EXPECT_EQ(modern.AnimFile, i + "kfm.air");
    EXPECT_EQ(modern.CmdFile, i + "kfm.cmd");
}

TEST(DefinitionReader, LineEndsOfEveryKind)
{
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        DefReading def;
        CharacterFiles files;
        const std::string e = eol;
        ASSERT_TRUE(def.read("[Files]" + e + "sprite = s.sff" + e + "anim = a.air" + e + "sound = s.snd", files));
        EXPECT_EQ(files.AnimFile, def.charDir() + "a.air");
        EXPECT_EQ(files.SoundFile, def.charDir() + "s.snd");
    }
}

TEST(DefinitionReader, LetterCaseOfTheFileOnDiskWins)
{
    DefReading def;
    test::writeFile(def.charDir() + "Sprites/Hero.SFF", "x");
    CharacterFiles files;
    ASSERT_TRUE(def.read("sprite = sprites\\hero.sff\r\nanim = missing.AIR\r\n", files));
    EXPECT_EQ(files.SpriteFile, def.charDir() + "Sprites/Hero.SFF");
    EXPECT_EQ(files.AnimFile, def.charDir() + "missing.AIR");
}
