#include "formats/act.h"
#include "formats/pal.h"
#include "palette/palette_editor.h"
#include "test_support.h"

#include <gtest/gtest.h>

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

TEST(ActFile, EntriesAreStoredInReverseAndBytesAfterThe768AreIgnored)
{
    const auto palette = paletteFromAct(redFirstAct() + std::string(4, '\x01'));
    ASSERT_TRUE(palette);
    EXPECT_EQ((*palette)[255], (Rgb{255, 0, 0}));
    EXPECT_EQ((*palette)[0],
              (Rgb{static_cast<std::uint8_t>(765 * 7), static_cast<std::uint8_t>(766 * 7),
                   static_cast<std::uint8_t>(767 * 7)}));
    EXPECT_EQ(actBytes(*palette), redFirstAct());
    EXPECT_FALSE(paletteFromAct(std::string(767, 'x')));
}

TEST(ActFile, RealPalettesReadAndWriteBackByteForByte)
{
    for (const char* name : {"kfm.act", "kfm2.act", "kfm3.act", "kfm4.act", "kfm5.act", "kfm6.act"}) {
        const std::string path = test::realchars(std::string("winmugen-kfm/") + name);
        const Result<Palette> read = readActFile(path);
        ASSERT_TRUE(read) << name << read.error();
        EXPECT_EQ(actBytes(*read), test::readFile(path)) << name;
    }
}

TEST(PalFile, ExportWritesTheJascLayout)
{
    Palette p = *paletteFromAct(redFirstAct());
    p[0] = {255, 128, 0};
    const std::string text = palText(p);
    EXPECT_EQ(text.substr(0, 32), "JASC-PAL\r\n0100\r\n256\r\n255 128 0\r\n");
    EXPECT_EQ(text.substr(text.size() - 9), "255 0 0\r\n"); // index 255, the ACT file's first entry
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 259);
    EXPECT_EQ(paletteFromPal(text), p);
}

TEST(PalFile, HeaderAndColourRulesAndWhyAFileIsRefused)
{
    const std::string good = palText(rampPalette());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        return s.replace(s.find(from), from.size(), to);
    };
    auto without = [&](char gone) {
        std::string s = good;
        return std::erase(s, gone), s;
    };
    const struct {
        std::string text;
        const char* why; // empty: accepted
    } cases[] = {
        {good, ""},
        {without('\n'), ""}, // lone carriage returns end lines too
        {replaced("\r\n0 0 255\r\n", "\r\n0 0 255 9 x\r\n"), ""},
        {"\xEF\xBB\xBF" + good, ""},
        {good + std::string(100000, '\r') + "anything", ""}, // what follows the colours is not read
        {replaced("JASC-PAL", "jasc-pal"), "line 1 is \"jasc-pal\", not \"JASC-PAL\""},
        {replaced("JASC-PAL", "JASC-PAL "), "line 1 is \"JASC-PAL \", not \"JASC-PAL\""},
        {replaced("0100", "0110"), "line 2 is \"0110\", not \"0100\""},
        {replaced("\r\n256\r\n", "\r\n16\r\n"), "line 3 is \"16\", not \"256\""},
        {without('\r'), "line 1 ends with a line feed alone, without a carriage return"},
        {good.substr(0, good.rfind("\r\n", good.size() - 3) + 2),
         "the file has 258 lines, fewer than the 259 of the header and 256 colours"},
        {replaced("\r\n0 0 255\r\n", "\r\n0 0\r\n"), "line 4, \"0 0\", is not three numbers from 0 to 255"},
        {replaced("\r\n0 0 255\r\n", "\r\n0  0 255\r\n"), "line 4, \"0  0 255\", is not three numbers from 0 to 255"},
        {replaced("\r\n0 0 255\r\n", "\r\n0 0 256\r\n"), "line 4, \"0 0 256\", is not three numbers from 0 to 255"},
        {replaced("\r\n0 0 255\r\n", "\r\n0 -1 255\r\n"), "line 4, \"0 -1 255\", is not three numbers from 0 to 255"},
        {replaced("\r\n255 253 0\r\n", "\r\n" + std::string(50, '9') + "\r\n"),
         "line 259, \"9999999999999999999999999999999999999999...\", is not three numbers from 0 to 255"},
        {"", "the file has 0 lines, fewer than the 259 of the header and 256 colours"},
    };
    for (const auto& c : cases) {
        Message why;
        const bool accepted = !*c.why;
        EXPECT_EQ(paletteFromPal(c.text, &why), accepted ? std::optional(rampPalette()) : std::nullopt) << &c - cases;
        EXPECT_EQ(why.english(), c.why) << &c - cases;
    }
}

TEST(PaletteModel, PressesSelectCells)
{
    const std::tuple<int, int, std::optional<int>> cases[] = {{0, 0, 0},    {11, 0, 0},      {12, 0, 1},
                                                              {0, 12, 16},  {191, 191, 255}, {191, 0, 15},
                                                              {192, 0, {}}, {0, 192, {}},    {-1, 5, {}}};
    for (const auto& [x, y, cell] : cases) {
        EXPECT_EQ(PaletteEditor::pressGrid(x, y), cell) << x << "," << y;
    }
}

TEST(PaletteModel, ComponentsClampAndTheSelectionOutlivesAnotherPalette)
{
    PaletteEditor editor;
    editor.setPalette(rampPalette());
    editor.selectIndex(*PaletteEditor::pressGrid(5 * 12, 0));
    EXPECT_TRUE(editor.setComponent(Channel::Red, 300));
    EXPECT_FALSE(editor.setComponent(Channel::Red, 255)); // already clamped to 255
    EXPECT_EQ(editor.workingPalette[5].r, 255);
    // A step of the history puts a whole palette back; the selection stays.
    editor.setPalette(rampPalette());
    EXPECT_EQ(editor.workingPalette, rampPalette());
    EXPECT_EQ(editor.selectedIndex, 5);
}

TEST(PaletteModel, ChooserNumbersBecomeColours)
{
    for (const auto& [text, value] : {std::pair{"0000FF", 255}, {"FF", 255}, {"10", 16}, {"A0", 160}, {"", 0}})
        EXPECT_EQ(PaletteEditor::hexValue(text), value) << text;
    EXPECT_EQ(PaletteEditor::colourOfNumber(0x0000FF), (Rgb{255, 0, 0}));
    EXPECT_EQ(PaletteEditor::colourOfNumber(0x123456), (Rgb{0x56, 0x34, 0x12}));
}
