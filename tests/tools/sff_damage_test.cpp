// Damaged, lying and hostile archives: each is refused with a message, and
// nothing reads outside the file or runs away (the tests run under the
// address and undefined-behaviour sanitizers).

#include "fixtures.h"

#include "sfflib/sff.h"
#include "sfflib/sff_codecs.h"

#include <gtest/gtest.h>

#include <random>

using namespace sfflib;
using namespace sfftest;

namespace {

std::string patched(std::string s, std::size_t at, std::uint32_t value, int size = 4)
{
    for (int i = 0; i < size; ++i)
        s.at(at + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
    return s;
}

std::string smallV1()
{
    std::vector<SpriteSource> sprites(3);
    for (int i = 0; i < 3; ++i)
        sprites[i].image = makePicture(6 + i, 5, i + 1);
    sprites[2].image = sprites[0].image; // becomes a link with -p
    return *writeSffV1(sprites, {false, false, true});
}

std::string smallV2(std::uint8_t format, const std::string& data, std::uint16_t width = 7, std::uint16_t height = 4)
{
    V2Sprite s{0, 0, width, height, 0, 0, 0, format, data, 0, false};
    return makeSffV2({s}, {{std::vector<std::uint8_t>(64, 1), 0}});
}

} // namespace

TEST(SffDamage, LyingVersion1ArchivesAreRefused)
{
    const std::string good = smallV1();
    ASSERT_TRUE(readSff(good));
    const std::size_t first = 512;
    const std::size_t second = [&] {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<std::uint8_t>(good[first + i]);
        return v;
    }();
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"signature only", good.substr(0, 16)},
        {"header cut short", good.substr(0, 300)},
        {"unknown version", patched(good, 15, 7, 1)},
        {"more images than the file holds", patched(good, 20, 1000)},
        {"huge image count", patched(good, 20, 0xFFFFFFFF)},
        {"first subfile past the end", patched(good, 24, 0x7FFFFFF0)},
        {"first subfile inside the header", patched(good, 24, 4)},
        {"next offset pointing back", patched(good, first, first)},
        {"next offset past the end", patched(good, first, 0xFFFFFF00)},
        {"link to itself", patched(patched(good, second + 4, 0), second + 16, 1, 2)},
        {"link to a later sprite", patched(patched(good, first + 4, 0), first + 16, 2, 2)},
        {"picture data replaced by garbage", patched(good, first + 32, 0x12345678)},
        {"picture height beyond its data", patched(good, first + 32 + 10, 0x7000, 2)},
        {"file cut inside a picture", good.substr(0, second + 60)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const auto archive = readSff(bytes);
        EXPECT_FALSE(archive);
        EXPECT_FALSE(archive.error().empty());
    }
}

TEST(SffDamage, LyingVersion2ArchivesAreRefused)
{
    const std::string lz5Good = withSizePrefix(28, std::string("\x00\x27\x27\x27\x27\x27\x27\x27\x27", 9)
                                                       + std::string("\x00\x07\x0C\x07\x0C", 5));
    const std::string good = smallV2(4, lz5Good);
    ASSERT_TRUE(readSff(good)) << readSff(good).error();
    // Offsets in the header of a v2 archive.
    const std::size_t spriteTable = 36, spriteCount = 40, paletteTable = 44, paletteCount = 48, ldataAt = 52,
                      ldataLength = 56, node = 512;
    const std::pair<const char*, std::string> cases[] = {
        {"header cut short", good.substr(0, 60)},
        {"sprite table past the end", patched(good, spriteTable, 0xFFFFFFF0)},
        {"more sprites than the table holds", patched(good, spriteCount, 0x10000000)},
        {"palette table past the end", patched(good, paletteTable, 0x7FFFFFFF)},
        {"more palettes than the table holds", patched(good, paletteCount, 0xFFFFFFFF)},
        {"literal data past the end", patched(good, ldataAt, 0xFFFFFFF0)},
        {"literal data longer than the file", patched(good, ldataLength, 0x7FFFFFFF)},
        {"sprite data past its block", patched(good, node + 16, 0xFFFFFFF0)},
        {"sprite data longer than its block", patched(good, node + 20, 0x1000)},
        {"palette that does not exist", patched(good, node + 24, 3, 2)},
        {"unknown format", patched(good, node + 14, 7, 1)},
        {"huge picture", patched(patched(good, node + 4, 0xFFFF, 2), node + 6, 0xFFFF, 2)},
        {"link to itself", patched(good, node + 20, 0)},
        {"LZ5 copying from before the start", smallV2(4, withSizePrefix(28, std::string("\x01\x02\x05", 3)))},
        {"LZ5 long copy from before the start", smallV2(4, withSizePrefix(28, std::string("\x02\x27\x00\x10\x05", 5)))},
        {"LZ5 data ending early", smallV2(4, withSizePrefix(28, std::string("\x00\x27", 2)))},
        {"RLE8 data ending inside a run", smallV2(2, withSizePrefix(28, std::string("\x45\x01\x43", 3)))},
        {"RLE5 data ending in a packet list", smallV2(3, withSizePrefix(28, std::string("\x00\x85\x01\x22", 4)))},
        {"raw data shorter than the picture", smallV2(0, std::string(27, '\x01'))},
        {"compressed data without size prefix", smallV2(4, "\x01")},
        {"PNG that is not a PNG", smallV2(10, withSizePrefix(28, std::string(40, 'x')))},
        {"PNG cut short", smallV2(10, withSizePrefix(28, encodePng(makePicture(7, 4, 1)).substr(0, 60)))},
        {"24-bit PNG", smallV2(11, withSizePrefix(84, encodePng(makePicture(7, 4, 1), true)))},
        {"32-bit PNG", smallV2(12, withSizePrefix(112, "anything"))},
        {"truecolour PNG stored as 8-bit", smallV2(10, withSizePrefix(84, encodePng(makePicture(7, 4, 1), true)))},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const auto archive = readSff(bytes);
        EXPECT_FALSE(archive);
        EXPECT_FALSE(archive.error().empty());
    }
    const auto truecolour = readSff(smallV2(11, withSizePrefix(84, encodePng(makePicture(7, 4, 1), true))));
    EXPECT_NE(truecolour.error().find("24-bit PNG"), std::string::npos) << truecolour.error();
}

TEST(SffDamage, CircularLinksAreRefused)
{
    const std::string pixels(28, '\x02');
    V2Sprite a{0, 0, 7, 4, 0, 0, 1, 0, "", 0, false}; // links to b
    V2Sprite b{0, 1, 7, 4, 0, 0, 0, 0, "", 0, false}; // links to a
    V2Sprite real{0, 2, 7, 4, 0, 0, 0, 0, pixels, 0, false};
    const V2Palette colours{std::vector<std::uint8_t>(16, 3), 0};
    const std::pair<const char*, std::string> cases[] = {
        {"sprites linking to each other", makeSffV2({a, b, real}, {colours})},
        {"palettes linking to each other", makeSffV2({real}, {{{}, 1}, {{}, 0}})},
        {"palette linking past the table", makeSffV2({real}, {{{}, 9}})},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(readSff(bytes));
    }
}

// Real archives cut at many lengths and with bytes overwritten at random:
// every reading either succeeds or fails with a message.
TEST(SffDamage, CutAndScrambledRealArchivesNeverCrash)
{
    std::mt19937 random(20240611);
    for (const char* name : {"winmugen-kfm/intro.sff", "ikemen-kfm/intro.sff", "ikemen-kfm/kfm.sff"}) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(std::string(VANTREL_REALCHARS) + "/" + name);
        ASSERT_TRUE(readSff(bytes));
        for (std::size_t length = 0; length < bytes.size(); length += 1 + bytes.size() / 97) {
            const auto archive = readSff(std::string_view(bytes).substr(0, length));
            EXPECT_TRUE(archive || !archive.error().empty());
        }
        for (int round = 0; round < 150; ++round) {
            std::string scrambled = bytes;
            // Mostly the tables and headers near the start, where a wrong
            // byte moves offsets and lengths.
            for (int k = 0; k < 4; ++k) {
                const std::size_t at = random() % 2 ? random() % std::min<std::size_t>(bytes.size(), 12000)
                                                    : random() % bytes.size();
                scrambled[at] = static_cast<char>(random());
            }
            const auto archive = readSff(scrambled);
            EXPECT_TRUE(archive || !archive.error().empty());
        }
    }
}
