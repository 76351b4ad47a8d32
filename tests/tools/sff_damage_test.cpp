// Damaged, lying and hostile archives are refused with a message; nothing
// reads outside the file or runs away (the tests run under the address and
// undefined-behaviour sanitizers).

#include "fixtures.h"

#include <random>

using namespace sfflib;
using namespace sfftest;

namespace {

std::string v2(int format, const std::string& data, int width = 7, int height = 4)
{
    return makeSffV2({{0, 0, width, height, 0, 0, 0, format, data}}, {{std::vector<std::uint8_t>(64, 1)}});
}

// Each case is refused with a message.
void expectRefused(const std::vector<std::pair<const char*, std::string>>& cases)
{
    for (const auto& [what, bytes] : cases) {
        const auto archive = readSff(bytes);
        EXPECT_FALSE(archive || archive.error().empty()) << what;
    }
}

} // namespace

TEST(SffDamage, LyingVersion1ArchivesAreRefused)
{
    std::vector<SpriteSource> sprites(3);
    for (int i = 0; i < 3; ++i)
        sprites[i].image = makePicture(6 + i, 5, i + 1);
    sprites[2].image = sprites[0].image; // stored as a link
    const std::string good = *writeSffV1(sprites, {false, false, true});
    ASSERT_TRUE(readSff(good));
    const std::size_t first = 512, second = std::uint8_t(good[512]) | std::uint8_t(good[513]) << 8;
    expectRefused({
        {"empty file", ""},
        {"header cut short", good.substr(0, 300)},
        {"unknown version", patched(good, 15, 7, 1)},
        {"more images than the file holds", patched(good, 20, 1000)},
        {"first subfile past the end", patched(good, 24, 0x7FFFFFF0)},
        {"first subfile inside the header", patched(good, 24, 4)},
        {"next offset pointing back", patched(good, first, first)},
        {"next offset past the end", patched(good, first, 0xFFFFFF00)},
        {"link to itself", patched(patched(good, second + 4, 0), second + 16, 1, 2)},
        {"link to a later sprite", patched(patched(good, first + 4, 0), first + 16, 2, 2)},
        {"picture replaced by garbage", patched(good, first + 32, 0x12345678)},
        {"picture taller than its data", patched(good, first + 32 + 10, 0x7000, 2)},
        {"file cut inside a picture", good.substr(0, second + 60)},
    });
}

TEST(SffDamage, LyingVersion2ArchivesAreRefused)
{
    const std::string good =
        v2(4, withSizePrefix(28, std::string("\x00\x27\x27\x27\x27\x27\x27\x27\x27\x00\x07\x0C", 12)));
    ASSERT_TRUE(readSff(good));
    const std::size_t node = 512;
    const std::string truecolour = withSizePrefix(0, readBytes(realChars("pcx/gmarbles.png"))), pixels(28, '\x02');
    expectRefused({
        {"header cut short", good.substr(0, 60)},
        {"sprite table past the end", patched(good, 36, 0xFFFFFFF0)},
        {"more sprites than the table holds", patched(good, 40, 0x10000000)},
        {"palette table past the end", patched(good, 44, 0x7FFFFFFF)},
        {"more palettes than the table holds", patched(good, 48, 0xFFFFFFFF)},
        {"literal data past the end", patched(good, 52, 0xFFFFFFF0)},
        {"literal data longer than the file", patched(good, 56, 0x7FFFFFFF)},
        {"sprite data past its block", patched(good, node + 16, 0xFFFFFFF0)},
        {"sprite data longer than its block", patched(good, node + 20, 0x1000)},
        {"palette that does not exist", patched(good, node + 24, 3, 2)},
        {"unknown format", patched(good, node + 14, 7, 1)},
        {"huge picture", patched(good, node + 4, 0xFFFFFFFF)},
        {"link to itself", patched(good, node + 20, 0)},
        {"sprites linking to each other",
         makeSffV2({{0, 0, 7, 4, 0, 0, 1, 0, ""}, {0, 1, 7, 4, 0, 0, 0, 0, ""}, {0, 2, 7, 4, 0, 0, 0, 0, pixels}},
                   {{{1, 2, 3, 4}}})},
        {"palettes linking to each other", makeSffV2({{0, 2, 7, 4, 0, 0, 0, 0, pixels}}, {{{}, 1}, {{}, 0}})},
        {"palette linking past the table", makeSffV2({{0, 2, 7, 4, 0, 0, 0, 0, pixels}}, {{{}, 9}})},
        {"LZ5 short copy from before the start", v2(4, withSizePrefix(28, std::string("\x01\x02\x05", 3)))},
        {"LZ5 long copy from before the start", v2(4, withSizePrefix(28, std::string("\x02\x27\x00\x10\x05", 5)))},
        {"LZ5 data ending early", v2(4, withSizePrefix(28, std::string("\x00\x27", 2)))},
        {"RLE8 data ending inside a run", v2(2, withSizePrefix(28, std::string("\x45\x01\x43", 3)))},
        {"RLE5 data ending in a packet list", v2(3, withSizePrefix(28, std::string("\x00\x85\x01\x22", 4)))},
        {"raw data shorter than the picture", v2(0, std::string(27, '\x01'))},
        {"compressed data without size prefix", v2(4, "\x01")},
        {"PNG that is not a PNG", v2(10, withSizePrefix(28, std::string(40, 'x')))},
        {"PNG cut short", v2(10, withSizePrefix(28, encodePng8(makePicture(7, 4, 1)).substr(0, 60)))},
        {"truecolour PNG stored as 8-bit", v2(10, truecolour, 141, 99)},
        {"32-bit PNG", v2(12, truecolour, 141, 99)},
    });
    const auto refused = readSff(v2(11, truecolour, 141, 99));
    EXPECT_NE(refused.error().find("24-bit PNG"), std::string::npos) << refused.error();
}

// Real archives cut at many lengths and with bytes overwritten at random:
// each reading succeeds or fails with a message.
TEST(SffDamage, CutAndScrambledRealArchivesNeverCrash)
{
    std::mt19937 random(20240611);
    const auto answers = [](const Result<SpriteArchive>& archive) { EXPECT_TRUE(archive || !archive.error().empty()); };
    for (const char* name : {"winmugen-kfm/intro.sff", "winmugen-kfm/ending.sff", "ikemen-kfm/kfm.sff"}) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(realChars(name));
        ASSERT_TRUE(readSff(bytes));
        for (std::size_t length = 0; length < bytes.size(); length += 1 + bytes.size() / 97)
            answers(readSff(std::string_view(bytes).substr(0, length)));
        for (int round = 0; round < 150; ++round) {
            std::string scrambled = bytes;
            for (int k = 0; k < 4; ++k) // mostly the headers and tables near the start
                scrambled[random() % (random() % 2 ? std::min<std::size_t>(bytes.size(), 12000) : bytes.size())] =
                    static_cast<char>(random());
            answers(readSff(scrambled));
        }
    }
}
