#include "palette/act.h"
#include "palette/pal.h"
#include "palette/palette_editor.h"
#include "common/text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;

namespace {

std::string redFirstAct()
{
    std::string bytes(kActFileSize, '\0');
    bytes[0] = '\xFF';
    for (std::size_t i = 3; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    return bytes;
}

Palette rampPalette()
{
    Palette p;
    for (int i = 0; i < 256; ++i)
        p[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(255 - i)};
    return p;
}

} // namespace

TEST(ActFile, EntriesAreStoredInReverse)
{
    const auto palette = paletteFromAct(redFirstAct());
    ASSERT_TRUE(palette);
    EXPECT_EQ((*palette)[255], (Rgb{255, 0, 0}));
    EXPECT_EQ((*palette)[0], (Rgb{static_cast<std::uint8_t>(765 * 7), static_cast<std::uint8_t>(766 * 7),
                                  static_cast<std::uint8_t>(767 * 7)}));
    EXPECT_EQ(actBytes(*palette), redFirstAct());
}

TEST(ActFile, RealPalettesReadAndWriteBackByteForByte)
{
    for (const char* name : {"kfm.act", "kfm2.act", "kfm3.act", "kfm4.act", "kfm5.act", "kfm6.act"}) {
        SCOPED_TRACE(name);
        const std::string path = test::realchars(std::string("winmugen-kfm/") + name);
        const ActReadResult read = readActFile(path);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(actBytes(read.palette), test::readFile(path));
    }
}

TEST(ActFile, MissingShortAndLongFiles)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    test::writeFile(base + "/short.act", std::string(700, 'x'));
    test::writeFile(base + "/long.act", redFirstAct() + std::string(4, '\x01'));

    const ActReadResult missing = readActFile(base + "/none.act");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("none.act"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(base + "/none.act"));

    const ActReadResult shortFile = readActFile(base + "/short.act");
    EXPECT_FALSE(shortFile.ok);
    EXPECT_NE(shortFile.error.find("700"), std::string::npos);
    EXPECT_EQ(test::readFile(base + "/short.act"), std::string(700, 'x'));

    const ActReadResult longFile = readActFile(base + "/long.act");
    ASSERT_TRUE(longFile.ok);
    EXPECT_EQ(longFile.palette[255], (Rgb{255, 0, 0}));
}

TEST(PalFile, ExportWritesTheJascLayout)
{
    Palette p = *paletteFromAct(redFirstAct());
    p[0] = {255, 128, 0};
    const std::vector<std::string> lines = splitLines(palText(p));
    ASSERT_EQ(lines.size(), 259u);
    EXPECT_EQ(lines[0], "JASC-PAL");
    EXPECT_EQ(lines[1], "0100");
    EXPECT_EQ(lines[2], "256");
    EXPECT_EQ(lines[3], "255 128 0");
    EXPECT_EQ(lines[258], "255 0 0");
    const std::string text = palText(p);
    EXPECT_EQ(text.substr(0, 22), "JASC-PAL\r\n0100\r\n256\r\n2");
    EXPECT_EQ(text.substr(text.size() - 9), "255 0 0\r\n");
    EXPECT_EQ(paletteFromPal(text), p);
}

TEST(PalFile, HeaderAndColourRules)
{
    const std::string good = palText(rampPalette());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    auto withoutLastLines = [&](int count) {
        std::string s = good;
        for (int i = 0; i < count; ++i)
            s.erase(s.rfind("\r\n", s.size() - 3) + 2);
        return s;
    };
    std::string lfOnly;
    for (char c : good)
        if (c != '\r')
            lfOnly += c;
    std::string crOnly;
    for (char c : good)
        if (c != '\n')
            crOnly += c;

    const struct {
        const char* name;
        std::string text;
        bool accepted;
    } cases[] = {
        {"as written", good, true},
        {"lone carriage returns end lines too", crOnly, true},
        {"fields after the third are ignored", replaced("\r\n0 0 255\r\n", "\r\n0 0 255 9 x\r\n"), true},
        {"header word in lower case", replaced("JASC-PAL", "jasc-pal"), false},
        {"trailing space after the header word", replaced("JASC-PAL", "JASC-PAL "), false},
        {"version other than 0100", replaced("0100", "0110"), false},
        {"16 colours", replaced("\r\n256\r\n", "\r\n16\r\n"), false},
        {"bare line feeds", lfOnly, false},
        {"fewer than 256 colour lines", withoutLastLines(1), false},
        {"only two numbers on a line", replaced("\r\n0 0 255\r\n", "\r\n0 0\r\n"), false},
        {"two spaces between numbers", replaced("\r\n0 0 255\r\n", "\r\n0  0 255\r\n"), false},
        {"a value above 255", replaced("\r\n0 0 255\r\n", "\r\n0 0 256\r\n"), false},
        {"a negative value", replaced("\r\n0 0 255\r\n", "\r\n0 -1 255\r\n"), false},
        {"not a number", replaced("\r\n0 0 255\r\n", "\r\nred 0 255\r\n"), false},
        {"empty file", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto palette = paletteFromPal(c.text);
        EXPECT_EQ(palette.has_value(), c.accepted);
        if (palette) {
            EXPECT_EQ(*palette, rampPalette());
        }
    }
}

TEST(PaletteModel, PressesSelectCellsAndAlwaysSnapshot)
{
    const struct {
        int x, y;
        std::optional<int> cell;
    } cases[] = {
        {0, 0, 0}, {11, 0, 0}, {12, 0, 1}, {0, 12, 16}, {191, 191, 255}, {191, 0, 15},
        {192, 0, std::nullopt}, {0, 192, std::nullopt}, {192, 192, std::nullopt}, {-1, 5, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        Palette working = rampPalette();
        PaletteEditor editor(working);
        EXPECT_FALSE(editor.undoAvailable());
        EXPECT_EQ(editor.pressGrid(c.x, c.y), c.cell);
        EXPECT_TRUE(editor.undoAvailable());
        EXPECT_EQ(editor.UndoPalette(), rampPalette());
    }
}

TEST(PaletteModel, UndoSwapsBackAndForth)
{
    Palette working = rampPalette();
    PaletteEditor editor(working);
    EXPECT_FALSE(editor.SwapUndo());
    editor.SelectIndex(*editor.pressGrid(5 * 12, 0));
    EXPECT_TRUE(editor.setComponent(Channel::Red, 300));
    EXPECT_FALSE(editor.setComponent(Channel::Red, 255));
    EXPECT_EQ(working[5].r, 255);
    EXPECT_TRUE(editor.modified());
    ASSERT_TRUE(editor.SwapUndo());
    EXPECT_EQ(working, rampPalette());
    EXPECT_FALSE(editor.modified());
    ASSERT_TRUE(editor.SwapUndo());
    EXPECT_EQ(working[5].r, 255);
    editor.markSaved();
    EXPECT_FALSE(editor.modified());
}

TEST(PaletteModel, ChooserNumbersBecomeColours)
{
    EXPECT_EQ(PaletteEditor::Hex2Dec("0000FF"), 255);
    EXPECT_EQ(PaletteEditor::Hex2Dec("FF"), 255);
    EXPECT_EQ(PaletteEditor::Hex2Dec("10"), 16);
    EXPECT_EQ(PaletteEditor::Hex2Dec("A0"), 160);
    EXPECT_EQ(PaletteEditor::Hex2Dec(""), 0);
    EXPECT_EQ(PaletteEditor::colourOfNumber(0x0000FF), (Rgb{255, 0, 0}));
    EXPECT_EQ(PaletteEditor::colourOfNumber(0x123456), (Rgb{0x56, 0x34, 0x12}));
    EXPECT_EQ(PaletteEditor::colourOfNumber(0xFF0000), (Rgb{0, 0, 255}));
}
