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

TEST(PalFile, HeaderAndColourRules)
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
        bool accepted;
    } cases[] = {
        {good, true},
        {without('\n'), true}, // lone carriage returns end lines too
        {replaced("\r\n0 0 255\r\n", "\r\n0 0 255 9 x\r\n"), true},
        {"\xEF\xBB\xBF" + good, true},
        {good + std::string(100000, '\r') + "anything", true}, // what follows the colours is not read
        {replaced("JASC-PAL", "jasc-pal"), false},
        {replaced("JASC-PAL", "JASC-PAL "), false},
        {replaced("0100", "0110"), false},
        {replaced("\r\n256\r\n", "\r\n16\r\n"), false},
        {without('\r'), false},
        {good.substr(0, good.rfind("\r\n", good.size() - 3) + 2), false}, // 255 colour lines
        {replaced("\r\n0 0 255\r\n", "\r\n0 0\r\n"), false},
        {replaced("\r\n0 0 255\r\n", "\r\n0  0 255\r\n"), false},
        {replaced("\r\n0 0 255\r\n", "\r\n0 0 256\r\n"), false},
        {replaced("\r\n0 0 255\r\n", "\r\n0 -1 255\r\n"), false},
        {replaced("\r\n0 0 255\r\n", "\r\nred 0 255\r\n"), false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paletteFromPal(c.text), c.accepted ? std::optional(rampPalette()) : std::nullopt) << &c - cases;
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
