#include "formats/character_definition.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>
#include <tuple>

using namespace vantrel;

namespace {

// Reads `text` as a .def file in a fresh folder and returns what it set.
struct DefReading {
    QTemporaryDir dir;
    std::string charDir() const { return dir.path().toStdString() + "/"; }
    Result<void> read(const std::string& text, CharacterFiles& files, const std::string& name = "hero.def")
    {
        const std::string path = charDir() + name;
        test::writeFile(path, text);
        return readDefinition(path, files);
    }
};

// Bytes that are no text at all, the same on every run.
std::string randomBytes(std::size_t count)
{
    std::mt19937 generator(20240611);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

} // namespace

TEST(DefinitionReader, KeyRules)
{
    const struct {
        const char* line;
        std::string CharacterFiles::*field;
        const char* value; // nullptr: the field stays empty
    } cases[] = {
        {"sprite = hero.sff ; main sprites", &CharacterFiles::spriteFile, "hero.sff"},
        {"  SPRITE=Hero.SFF", &CharacterFiles::spriteFile, "Hero.SFF"},
        {"cmd = a=b.cmd", &CharacterFiles::commandFile, "b.cmd"},
        {"sprite", &CharacterFiles::spriteFile, "sprite"},
        {"\tsprite = x.sff", &CharacterFiles::spriteFile, nullptr},
        {"spritefoo = x.sff", &CharacterFiles::spriteFile, "x.sff"},
        {"animation = a.air", &CharacterFiles::animationFile, "a.air"},
        {"cns = hero.cns", &CharacterFiles::constantsFile, "hero.cns"},
        {"sound = hero.snd", &CharacterFiles::soundFile, "hero.snd"},
        {"stcommon = common1.cns", &CharacterFiles::commonStatesFile, "common1.cns"},
        {"; sprite = commented.sff", &CharacterFiles::spriteFile, nullptr},
        {"sprite = sub\\dir\\hero.sff", &CharacterFiles::spriteFile, "sub/dir/hero.sff"},
        {"sprite = \"quoted name.sff\"", &CharacterFiles::spriteFile, "quoted name.sff"},
        {"sound = hero.snd\t", &CharacterFiles::soundFile, "hero.snd\t"},
    };
    for (const auto& c : cases) {
        DefReading def;
        CharacterFiles files;
        def.read("[Files]\r\n" + std::string(c.line) + "\r\n", files);
        EXPECT_EQ(files.*(c.field), c.value ? def.charDir() + c.value : "") << c.line;
    }
}

TEST(DefinitionReader, OnlyACharacterDefinitionIsTaken)
{
    const std::string noSection = "This file is not a character definition: it has no [Files] section.";
    const std::string noSprite = "This file is not a character definition: it names no sprite file.";
    const struct {
        std::string text;
        std::string error; // empty: taken
    } cases[] = {
        {"[Files]\r\nsprite = a.sff\r\n", ""},
        {"[Info]\r\nname = x\r\n[ FILES ]\r\nsprite = a.sff\r\n", ""},
        {"\xEF\xBB\xBF[Files]\nsprite = a.sff\n", ""}, // a byte-order mark, LF line ends
        {"[Files]\rsprite = a.sff", ""},
        {"sprite = a.sff\r\n", noSection},
        {"; [Files]\r\nsprite = a.sff\r\n", noSection},
        {randomBytes(4096), noSection},
        {"", noSection},
        {"[Files]\r\ncns = a.cns\r\n", noSprite},
        {"[Files]\r\nsprite = \r\n", noSprite},
        {"[Files]\r\nsprite = \"\"\r\n", noSprite},
        {"[Files]\r\nsprite = a.sff\r\nsprite = ; gone\r\n", noSprite},
    };
    for (const auto& c : cases) {
        DefReading def;
        CharacterFiles files;
        const Result<void> result = def.read(c.text, files);
        EXPECT_EQ(bool(result), c.error.empty()) << c.text;
        EXPECT_EQ(result.error(), c.error) << c.text;
    }
}

TEST(DefinitionReader, StateAndPaletteSlots)
{
    DefReading def;
    CharacterFiles files;
    ASSERT_TRUE(def.read("[Files]\r\nsprite = s.sff\r\n"
                         "st = a.cns\r\nst1 = b.st\r\nst6=c.st\r\nst9 = d.st\r\nst7 = y.st\r\n"
                         "stcommon = common1.cns\r\nst10 = e.st\r\n"
                         "pal1 = one.act\r\npal12 = twelve.act\r\npal = bare.act\r\npalette = zero.act\r\n"
                         "pal.defaults = 1,2\r\nPAL.D = 3\r\npal3=three.act\r\n",
                         files));
    const std::string d = def.charDir();
    EXPECT_EQ(files.stateFiles[0], d + "a.cns");
    EXPECT_EQ(files.stateFiles[1], d + "e.st"); // only the character after "st" counts
    EXPECT_EQ(files.stateFiles[6], d + "c.st");
    for (int slot : {2, 3, 4, 5})
        EXPECT_EQ(files.stateFiles[slot], "") << slot;
    EXPECT_EQ(files.commonStatesFile, d + "common1.cns");
    EXPECT_EQ(files.paletteFiles[1], d + "bare.act"); // "pal =" is slot 1, and came after pal1
    EXPECT_EQ(files.paletteFiles[12], d + "twelve.act");
    EXPECT_EQ(files.paletteFiles[0], d + "zero.act");
    EXPECT_EQ(files.paletteFiles[3], d + "three.act");
}

TEST(DefinitionReader, Pal13StopsTheReadingButKeepsWhatCameBefore)
{
    DefReading def;
    CharacterFiles files;
    const Result<void> result = def.read("[Files]\r\nsprite = a.sff\r\npal13 = z.act\r\nsound = late.snd\r\n", files);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error(), "This character definition names a palette outside the slots 0 to 12: pal13 = z.act");
    EXPECT_EQ(result.line(), 3);
    EXPECT_EQ(files.spriteFile, def.charDir() + "a.sff");
    EXPECT_EQ(files.soundFile, "");
    EXPECT_EQ(files.defFile, def.charDir() + "hero.def");
}

TEST(DefinitionReader, EachDefinitionStartsFromAnEmptyRecord)
{
    DefReading a, b;
    CharacterFiles files;
    ASSERT_TRUE(a.read("[Files]\r\nst2 = a2.st\r\nsprite = a.sff\r\ncmd = a.cmd\r\nsound = a.snd\r\n"
                       "stcommon = common1.cns\r\npal7 = a7.act\r\npal12 = a12.act\r\n",
                       files));
    ASSERT_TRUE(b.read("[Files]\r\nsprite = b.sff\r\npal1 = b1.act\r\n", files));
    EXPECT_EQ(files.spriteFile, b.charDir() + "b.sff");
    EXPECT_EQ(files.characterDir, b.charDir());
    EXPECT_EQ(files.paletteFiles[1], b.charDir() + "b1.act");
    for (const std::string* left : {&files.stateFiles[2], &files.commandFile, &files.soundFile, &files.commonStatesFile,
                                    &files.paletteFiles[7], &files.paletteFiles[12]})
        EXPECT_EQ(*left, "");

    // A .def that is refused leaves no field of the one before it either.
    ASSERT_FALSE(a.read("[Files]\r\nanim = a.air\r\n", files));
    EXPECT_EQ(files.spriteFile, "");
    EXPECT_EQ(files.paletteFiles[1], "");
}

TEST(DefinitionReader, UnreadableFileFails)
{
    CharacterFiles files;
    const Result<void> result = readDefinition("/nonexistent/hero.def", files);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error(), "The character definition /nonexistent/hero.def cannot be read.");
    EXPECT_EQ(files.characterDir, "/nonexistent/");
}

TEST(DefinitionReader, RealCharacters)
{
    // CR LF with Shift-JIS comments and a letter case that differs on disk.
    CharacterFiles classic;
    const std::string w = test::realchars("winmugen-kfm/");
    ASSERT_TRUE(readDefinition(w + "kfm.def", classic));
    EXPECT_EQ(classic.spriteFile, w + "kfm.sff");
    EXPECT_EQ(classic.animationFile, w + "kfm.air");
    EXPECT_EQ(classic.soundFile, w + "kfm.snd");
    EXPECT_EQ(classic.commandFile, w + "kfm.cmd");
    EXPECT_EQ(classic.constantsFile, w + "kfm.cns");
    EXPECT_EQ(classic.paletteFiles[1], w + "kfm6.act");
    EXPECT_EQ(classic.paletteFiles[6], w + "kfm.act");
    EXPECT_EQ(classic.stateFiles[0], w + "kfm.cns");

    // LF only, with a UTF-8 byte-order mark.
    CharacterFiles modern;
    const std::string i = test::realchars("ikemen-kfm/");
    ASSERT_TRUE(readDefinition(i + "kfm.def", modern));
    EXPECT_EQ(modern.spriteFile, i + "kfm.sff");
    EXPECT_EQ(modern.animationFile, i + "kfm.air");
    EXPECT_EQ(modern.commandFile, i + "kfm.cmd");

    // Neither says it is for IKEMEN GO: one is for WinMUGEN (a date), the other for MUGEN 1.0.
    EXPECT_EQ(classic.engine, CharacterEngine::WinMugen);
    EXPECT_EQ(modern.engine, CharacterEngine::Mugen10);
}

TEST(DefinitionReader, TheEngineACharacterIsFor)
{
    const std::string files = "[Files]\r\nsprite = hero.sff\r\n";
    const struct {
        std::string text;
        CharacterEngine engine;
    } cases[] = {
        {"[Info]\r\nmugenversion = 1.1\r\nikemenversion = 0.99\r\n" + files, CharacterEngine::Ikemen},
        {"[Info]\r\nIkemenVersion = not a number\r\n" + files, CharacterEngine::Ikemen},
        {"[Info]\r\nmugenversion = 1.0\r\n" + files + "st = hero.ZSS\r\n", CharacterEngine::Ikemen},
        {"[Info]\r\nmugenversion = 1.0\r\n" + files + "stcommon = common.zss\r\n", CharacterEngine::Ikemen},
        {"[Info]\r\nmugenversion = 1.1b\r\n" + files, CharacterEngine::Mugen11},
        {"[Info]\r\nmugenversion = 1.0\r\n" + files, CharacterEngine::Mugen10},
        {"[Info]\r\nmugenversion = 04,14,2002\r\n" + files, CharacterEngine::WinMugen},
        {files, CharacterEngine::WinMugen},
        // Only [Info] says which engine.
        {files + "ikemenversion = 1.0\r\nmugenversion = 1.1\r\n", CharacterEngine::WinMugen},
    };
    for (const auto& c : cases) {
        DefReading def;
        CharacterFiles read;
        ASSERT_TRUE(def.read(c.text, read)) << c.text;
        EXPECT_EQ(engineName(read.engine), engineName(c.engine)) << c.text;
    }
}

TEST(DefinitionReader, LineEndsOfEveryKind)
{
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        DefReading def;
        CharacterFiles files;
        const std::string e = eol;
        ASSERT_TRUE(def.read("[Files]" + e + "sprite = s.sff" + e + "anim = a.air" + e + "sound = s.snd", files));
        EXPECT_EQ(files.animationFile, def.charDir() + "a.air");
        EXPECT_EQ(files.soundFile, def.charDir() + "s.snd");
    }
}

TEST(DefinitionReader, LetterCaseOfTheFileOnDiskWins)
{
    DefReading def;
    test::writeFile(def.charDir() + "Sprites/Hero.SFF", "x");
    CharacterFiles files;
    ASSERT_TRUE(def.read("[Files]\r\nsprite = sprites\\hero.sff\r\nanim = missing.AIR\r\n", files));
    EXPECT_EQ(files.spriteFile, def.charDir() + "Sprites/Hero.SFF");
    EXPECT_EQ(files.animationFile, def.charDir() + "missing.AIR");
}

TEST(DefinitionReader, TheLinesTheEditorAndTheCheckerShare)
{
    const std::vector<DefinitionLine> lines =
        readDefinitionLines("\xEF\xBB\xBF; made by hand\r\n[Info]\r\nname = \"Kung; Fu\"\n"
                            "\r\n[ Files ]  ; the files\rsprite\t= \"k f.sff\" \r\n"
                            "cmd = a=b.cmd");
    ASSERT_EQ(lines.size(), 5U);
    const auto at = [&lines](std::size_t k) {
        const DefinitionLine& l = lines[k];
        return std::tuple(l.number, l.text, l.section, l.header, l.key(), l.value());
    };
    EXPECT_EQ(
        at(0),
        std::tuple(2, std::string("[Info]"), std::string("info"), true, std::string("[info]"), std::string("[Info]")));
    EXPECT_EQ(at(1),
              std::tuple(3, std::string("name = \"Kung"), std::string("info"), false, std::string("name"),
                         std::string("\"Kung")));
    EXPECT_EQ(at(2),
              std::tuple(5, std::string("[ Files ]"), std::string("files"), true, std::string("[ files ]"),
                         std::string("[ Files ]")));
    EXPECT_EQ(at(3),
              std::tuple(6, std::string("sprite\t= \"k f.sff\""), std::string("files"), false, std::string("sprite"),
                         std::string("k f.sff")));
    EXPECT_EQ(at(4),
              std::tuple(7, std::string("cmd = a=b.cmd"), std::string("files"), false, std::string("cmd"),
                         std::string("b.cmd")));
}
