#include "formats/pcx_header.h"
#include "image/pcx.h"
#include "pcx_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <iterator>
#include <optional>
#include <random>

using namespace vantrel;
using vantrel::test::makePcx;
using vantrel::test::PcxContent;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct DecodeCase {
    const char* name;
    PcxContent file;
    int flip;
    int stride;
    Bytes pixels; // stride x height, after mirroring
};

} // namespace

TEST(PcxDecode, RowsRunsAndMirrors)
{
    const DecodeCase cases[] = {
        {"1x1 with two bytes per line is two pixels wide", {1, 1, 2, 8, 1, {5, 6}}, 0, 4, {5, 6, 0, 0}},
        {"0xC3 then 7 writes three sevens", {4, 1, 4, 8, 1, {0xC3, 7, 1}}, 0, 4, {7, 7, 7, 1}},
        {"0xC0 writes nothing and takes two bytes", {2, 1, 2, 8, 1, {0xC0, 9, 2, 3}}, 0, 4, {2, 3, 0, 0}},
        {"0xBF is a pixel, not a run", {1, 1, 1, 8, 1, {0xBF}}, 0, 4, {0xBF, 0, 0, 0}},
        // L = 8, width 7: at x = 6 a run of 5 is cut to one pixel, the next
        // byte fills column 7 and the rest of the run is not carried over.
        {"a run past the row end is cut at the width",
         {7, 2, 8, 8, 1, {1, 2, 3, 4, 5, 6, 0xC5, 9, 10, 0xC8, 4}},
         0,
         8,
         {1, 2, 3, 4, 5, 6, 9, 10, 4, 4, 4, 4, 4, 4, 4, 4}},
        {"a cut run with width equal to L ends the row",
         {4, 2, 4, 8, 1, {0xC6, 2, 0xC4, 3}},
         0,
         4,
         {2, 2, 2, 2, 3, 3, 3, 3}},
        {"horizontal: 1 2 3 4 becomes 0 4 3 2", {4, 1, 4, 8, 1, {1, 2, 3, 4}}, 2, 4, {0, 4, 3, 2}},
        {"horizontal leaves the padding alone", {5, 1, 5, 8, 1, {1, 2, 3, 4, 5}}, 2, 8, {0, 5, 4, 3, 2, 0, 0, 0}},
        {"vertical swaps rows 0 and 2", {1, 3, 1, 8, 1, {1, 2, 3}}, 1, 4, {3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0}},
        {"both", {2, 2, 2, 8, 1, {1, 2, 3, 4}}, 3, 4, {0, 4, 0, 0, 0, 2, 0, 0}},
        {"other flip codes do not mirror", {2, 1, 2, 8, 1, {1, 2}}, 7, 4, {1, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecoderState state;
        ASSERT_EQ(decodePcx(state, makePcx(c.file), kPaletteFromFile, c.flip), PcxStatus::Ok);
        const DecodedImage& image = state.decodedPixels;
        EXPECT_EQ(image.rowLength, c.file.bytesPerLine);
        EXPECT_EQ(image.width, c.file.width);
        EXPECT_EQ(image.height, c.file.height);
        EXPECT_EQ(image.stride, c.stride);
        EXPECT_EQ(image.pixels, c.pixels);
    }
}

namespace {

// The decoding rules byte by byte into a cleared buffer, as a yardstick for
// the decoder's faster ways. Empty when the data ends first; `used` gets the
// data bytes the picture took.
std::optional<Bytes> decodeByteByByte(const std::string& file, int width, int L, int height, int stride,
                                      std::size_t* used = nullptr)
{
    Bytes pixels(static_cast<std::size_t>(stride) * height, 0);
    std::size_t p = 128;
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < L;) {
            if (p >= file.size())
                return std::nullopt;
            const auto b = static_cast<std::uint8_t>(file[p]);
            if (b < 0xC0) {
                pixels[static_cast<std::size_t>(row) * stride + x++] = b;
                ++p;
                continue;
            }
            if (p + 1 >= file.size())
                return std::nullopt;
            int n = b & 0x3F;
            if (x + n > L)
                n = width - x;
            for (int i = 0; i < n; ++i)
                pixels[static_cast<std::size_t>(row) * stride + x + i] = static_cast<std::uint8_t>(file[p + 1]);
            x += n;
            p += 2;
        }
    }
    if (used)
        *used = p - 128;
    return pixels;
}

} // namespace

// Restores the decoder's choice of instructions at the end of a test.
struct InstructionsChoice {
    PcxInstructions saved = pcxInstructions();
    ~InstructionsChoice() { setPcxInstructions(saved); }
};

// Every kind of instructions the processor has, the best first.
std::vector<PcxInstructions> instructionKinds()
{
    std::vector<PcxInstructions> kinds;
    for (const auto kind : {PcxInstructions::Avx512, PcxInstructions::Avx2, PcxInstructions::Plain}) {
        if (setPcxInstructions(kind) == kind)
            kinds.push_back(kind);
    }
    return kinds;
}

TEST(PcxDecode, BigPicturesDecodeAsByteByByteWhateverCameBefore)
{
    // Pictures big enough for the block-wise decoding, in the sizes where it
    // hands over to byte-by-byte decoding at the last rows, with data of
    // every kind: spans of single pixels, short and long runs, empty runs,
    // runs of two cut in half by a row's end, runs of one (how writers store
    // a pixel of 0xC0 and above, with colours
    // that look like counts themselves), and runs cut at a width short of L.
    const struct {
        int width, height, L;
        int pixelPercent;   // how many bytes are single pixels, the rest runs
        int onePercent;     // how many of the runs are runs of one
        int twoPercent = 0; // how many of the other runs are runs of two
    } shapes[] = {
        {640, 48, 640, 30, 11}, {199, 40, 202, 50, 11},     {7, 300, 8, 60, 11},        {1001, 3, 1004, 90, 11},
        {64, 64, 64, 10, 11},   {33, 90, 36, 75, 11},       {300, 20, 301, 0, 11},      {120, 30, 120, 100, 11},
        {256, 40, 256, 75, 97}, {141, 30, 142, 80, 90},     {97, 40, 100, 0, 100},      {500, 12, 500, 5, 0},
        {48, 60, 48, 40, 60},   {141, 40, 142, 60, 50, 80}, {203, 30, 206, 30, 20, 70}, {70, 50, 70, 50, 30, 100},
    };
    const InstructionsChoice restore;
    const std::vector<PcxInstructions> kinds = instructionKinds();
    std::mt19937 random(99);
    // One decoder for them all, so each picture lands in memory that held
    // another one: every byte of it must be written afresh.
    DecoderState state;
    for (int round = 0; round < 8; ++round) {
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::to_string(shape.width) + "x" + std::to_string(shape.height) + " L "
                         + std::to_string(shape.L) + " round " + std::to_string(round));
            Bytes data;
            const int runCount[] = {0, 2, 3, 5, 12, 15, 16, 17, 40, 63};
            while (data.size() < static_cast<std::size_t>(shape.L) * shape.height * 2 + 64) {
                if (static_cast<int>(random() % 100) < shape.pixelPercent) {
                    data.push_back(static_cast<std::uint8_t>(random() % 0xC0));
                } else {
                    const bool one = static_cast<int>(random() % 100) < shape.onePercent;
                    const bool two = static_cast<int>(random() % 100) < shape.twoPercent;
                    data.push_back(static_cast<std::uint8_t>(0xC0
                                                             | (one       ? 1
                                                                    : two ? 2
                                                                          : runCount[random() % std::size(runCount)])));
                    data.push_back(static_cast<std::uint8_t>(random() % 2 ? 0xC0 + random() % 64 : random()));
                }
            }
            // Cut short in some rounds: the decoding then runs out of data
            // somewhere in the picture.
            if (round % 4 == 1)
                data.resize(data.size() / (2 + round % 3));
            if (round % 4 == 3)
                data.resize(data.size() - 1 - random() % 40);
            const int stride = (shape.L + 3) / 4 * 4;
            // Or it ends just where the picture does, or a byte before.
            if (round % 4 == 2) {
                std::size_t used = 0;
                decodeByteByByte(makePcx({shape.width, shape.height, shape.L, 8, 1, data}), shape.width, shape.L,
                                 shape.height, stride, &used);
                data.resize(used - (round == 6 ? 1 : 0));
            }
            const std::string file = makePcx({shape.width, shape.height, shape.L, 8, 1, data});
            const auto expected = decodeByteByByte(file, shape.width, shape.L, shape.height, stride);
            // With each kind of instructions the processor has.
            for (const PcxInstructions kind : kinds) {
                setPcxInstructions(kind);
                const PcxStatus status = decodePcx(state, file, kPaletteFromFile, 0);
                ASSERT_EQ(status, expected ? PcxStatus::Ok : PcxStatus::Refused) << "instructions " << int(kind);
                if (expected) {
                    ASSERT_TRUE(state.decodedPixels.pixels == *expected) << "instructions " << int(kind);
                }
            }
        }
    }
}

TEST(PcxDecode, DataEndingWithThePictureDecodesAsByteByByte)
{
    // Rows of pixels and short runs, then a last row of long runs: the data
    // ends a few dozen bytes after the row before the last, which is still
    // decoded the fast way. With a byte less, every way refuses the file.
    const InstructionsChoice restore;
    const std::vector<PcxInstructions> kinds = instructionKinds();
    std::mt19937 random(7);
    for (const int L : {64, 100, 142, 200, 333, 1000}) {
        for (const int lastRowBytes : {2, 8, 30, 64}) {
            SCOPED_TRACE("L " + std::to_string(L) + ", last row " + std::to_string(lastRowBytes) + " bytes");
            Bytes data;
            for (int row = 0; row < 3; ++row) {
                for (int x = 0; x < L;) {
                    const unsigned kind = random() % 8;
                    if (kind == 0 && x + 1 < L) {
                        data.insert(data.end(), {0xC2, static_cast<std::uint8_t>(random())});
                        x += 2;
                    } else if (kind == 1) {
                        data.insert(data.end(), {0xC1, static_cast<std::uint8_t>(0xC0 + random() % 64)});
                        ++x;
                    } else {
                        data.push_back(static_cast<std::uint8_t>(random() % 0xC0));
                        ++x;
                    }
                }
            }
            // The last row: runs of about equal length up to its end.
            const int runs = std::max(1, lastRowBytes / 2);
            for (int x = 0; x < L;) {
                const int n = std::min({63, (L + runs - 1) / runs, L - x});
                data.insert(data.end(), {static_cast<std::uint8_t>(0xC0 | n), 0x11});
                x += n;
            }
            for (const int less : {0, 1}) {
                const Bytes cut(data.begin(), data.end() - less);
                const std::string file = makePcx({L, 4, L, 8, 1, cut});
                const auto expected = decodeByteByByte(file, L, L, 4, (L + 3) / 4 * 4);
                ASSERT_EQ(expected.has_value(), less == 0);
                for (const PcxInstructions kind : kinds) {
                    setPcxInstructions(kind);
                    DecoderState state;
                    ASSERT_EQ(decodePcx(state, file, kPaletteFromFile, 0),
                              less == 0 ? PcxStatus::Ok : PcxStatus::Refused)
                        << "instructions " << int(kind);
                    if (expected) {
                        EXPECT_TRUE(state.decodedPixels.pixels == *expected) << "instructions " << int(kind);
                    }
                }
            }
        }
    }
}

TEST(PcxDecode, RealPicturesDecodeAsByteByByte)
{
    const InstructionsChoice restore;
    const std::vector<PcxInstructions> kinds = instructionKinds();
    for (const char* name : {"pcx/gmarbles.pcx", "pcx/256-palette.pcx"}) {
        SCOPED_TRACE(name);
        const std::string file = test::readFile(test::realchars(name));
        const auto header = readPcxHeader(file);
        ASSERT_TRUE(header.has_value());
        const int width = header->xMax - header->xMin + 1;
        const int height = header->yMax - header->yMin + 1;
        const int L = header->bytesPerLine;
        const auto expected = decodeByteByByte(file, width, L, height, (L + 3) / 4 * 4);
        ASSERT_TRUE(expected.has_value());
        for (const PcxInstructions kind : kinds) {
            setPcxInstructions(kind);
            DecoderState state;
            ASSERT_EQ(decodePcx(state, file, kPaletteFromFile, 0), PcxStatus::Ok);
            EXPECT_TRUE(state.decodedPixels.pixels == *expected) << "instructions " << int(kind);
        }
    }
}

TEST(PcxDecode, PaletteChoice)
{
    const Palette first = test::distinctPalette(1);
    const Palette second = test::distinctPalette(2);
    const Palette working = test::distinctPalette(3);
    const std::string plain = makePcx({1, 1, 1, 8, 1, {0}, std::nullopt});
    const std::string withFirst = makePcx({1, 1, 1, 8, 1, {0}, first});
    const std::string withSecond = makePcx({1, 1, 1, 8, 1, {0}, second});

    DecoderState state;
    // Nothing captured yet: a file without a palette shows in black, and a
    // decode with the working palette does not look at the file's palette.
    ASSERT_EQ(decodePcx(state, plain, kPaletteFromFile, 0), PcxStatus::Ok);
    EXPECT_EQ(state.decodedPixels.palette, Palette{});
    ASSERT_EQ(decodePcx(state, withFirst, kPaletteWorking, 0, &working), PcxStatus::Ok);
    EXPECT_EQ(state.decodedPixels.palette, working);
    EXPECT_FALSE(state.spritePaletteCaptured);

    // The first palette block met is captured, in onion-skin mode as well.
    ASSERT_EQ(decodePcx(state, withFirst, kPaletteOnionSkin, 0), PcxStatus::Ok);
    EXPECT_TRUE(state.spritePaletteCaptured);
    EXPECT_EQ(state.spritePalette, first);

    // Later blocks show their own colours but do not replace the capture.
    ASSERT_EQ(decodePcx(state, withSecond, kPaletteFromFile, 0), PcxStatus::Ok);
    EXPECT_EQ(state.decodedPixels.palette, second);
    EXPECT_EQ(state.spritePalette, first);
    ASSERT_EQ(decodePcx(state, plain, kPaletteFromFile, 0), PcxStatus::Ok);
    EXPECT_EQ(state.decodedPixels.palette, first);
}

TEST(PcxDecode, TransparentColourChangesOnlyThePicture)
{
    const Palette file = test::distinctPalette(7);
    const std::string bytes = makePcx({1, 1, 1, 8, 1, {0}, file});
    const struct {
        SpriteViewOptions view;
        Rgb colour0;
    } cases[] = {
        {{true, false}, {0, 0, 0}},
        {{true, true}, {255, 255, 255}},
        {{false, true}, file[0]},
    };
    for (const auto& c : cases) {
        DecoderState state;
        ASSERT_EQ(decodePcx(state, bytes, kPaletteFromFile, 0, nullptr, &c.view), PcxStatus::Ok);
        EXPECT_EQ(state.decodedPixels.palette[0], c.colour0);
        EXPECT_EQ(state.decodedPixels.palette[1], file[1]);
        EXPECT_EQ(state.spritePalette, file);
    }
}

TEST(PcxDecode, DamagedFilesAreRefusedWithoutChangingState)
{
    auto withHeader = [](std::string bytes, std::size_t offset, int value) {
        test::putInt16(bytes, offset, value);
        return bytes;
    };
    const std::string good = makePcx({2, 2, 2, 8, 1, {1, 2, 3, 4}, test::distinctPalette(9)});
    const struct {
        const char* name;
        std::string bytes;
        PcxStatus status;
    } cases[] = {
        {"4 bits per pixel", makePcx({2, 1, 2, 4, 1, {1, 2}}), PcxStatus::Refused},
        {"three planes", makePcx({2, 1, 2, 8, 3, {1, 2, 3, 4, 5, 6}}), PcxStatus::NoPicture},
        {"empty file", "", PcxStatus::Refused},
        {"header cut short", good.substr(0, 100), PcxStatus::Refused},
        {"rows missing", makePcx({2, 2, 2, 8, 1, {1, 2, 3}}), PcxStatus::Refused},
        {"run without its colour byte", makePcx({4, 1, 4, 8, 1, {1, 0xC3}}), PcxStatus::Refused},
        {"width greater than the row length", makePcx({3, 1, 2, 8, 1, {1, 2, 3}}), PcxStatus::Refused},
        {"row length 0", makePcx({1, 1, 0, 8, 1, {1}}), PcxStatus::Refused},
        {"negative row length", makePcx({1, 1, -4, 8, 1, {1}}), PcxStatus::Refused},
        {"Xmax before Xmin", withHeader(good, 8, -5), PcxStatus::Refused},
        {"Ymax before Ymin", withHeader(good, 10, -5), PcxStatus::Refused},
        {"huge picture, little data", makePcx({32767, 32767, 32767, 8, 1, {0xC1, 1}}), PcxStatus::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecoderState state;
        ASSERT_EQ(decodePcx(state, makePcx({1, 1, 1, 8, 1, {42}}), kPaletteFromFile, 0), PcxStatus::Ok);
        EXPECT_EQ(decodePcx(state, c.bytes, kPaletteFromFile, 0), c.status);
        EXPECT_FALSE(state.spritePaletteCaptured);
        EXPECT_EQ(state.decodedPixels.pixels, (Bytes{42, 0, 0, 0}));
    }
}

TEST(PcxDecode, FilesShorterThanAPaletteBlockHaveNone)
{
    // 128 + 640 bytes: the marker's place would lie before the file.
    PcxContent content{640, 1, 640, 8, 1, Bytes(640, 12)};
    DecoderState state;
    ASSERT_EQ(decodePcx(state, makePcx(content), kPaletteFromFile, 0), PcxStatus::Ok);
    EXPECT_FALSE(state.spritePaletteCaptured);
    EXPECT_EQ(state.decodedPixels.palette, Palette{});
}

TEST(PcxDecode, FilesOnDisk)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/a.pcx";
    test::writeFile(path, makePcx({1, 1, 1, 8, 1, {9}}));
    DecoderState state;
    EXPECT_EQ(loadPcx(state, path, kPaletteFromFile, 0), PcxStatus::Ok);
    EXPECT_EQ(state.decodedPixels.at(0, 0), 9);
    EXPECT_EQ(loadPcx(state, path + ".missing", kPaletteFromFile, 0), PcxStatus::Refused);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path + ".missing")));
}

TEST(PcxDecode, CutAndScrambledRealFilesNeverCrash)
{
    for (const char* name : {"pcx/gmarbles.pcx", "pcx/256-palette.pcx"}) {
        const std::string real = test::readFile(test::realchars(name));
        ASSERT_GT(real.size(), 1000u);
        DecoderState state;
        for (std::size_t cut = 0; cut < real.size(); cut += 97)
            decodePcx(state, real.substr(0, cut), kPaletteFromFile, 3);

        std::mt19937 random(1234);
        for (int round = 0; round < 300; ++round) {
            std::string bytes = real;
            for (int k = 0; k < 8; ++k) {
                const std::size_t at = random() % (round % 2 ? bytes.size() : 128);
                bytes[at] = static_cast<char>(random());
            }
            const PcxStatus status = decodePcx(state, bytes, kPaletteFromFile, round % 4);
            if (status == PcxStatus::Ok) {
                const DecodedImage& image = state.decodedPixels;
                EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.stride) * image.height);
                EXPECT_GE(image.rowLength, image.width);
            }
        }
    }
}

TEST(PcxHeader, FieldsAreLittleEndianAndThePaletteBlockIsFoundOnlyAtItsPlace)
{
    std::string bytes(128, '\0');
    bytes[0] = 0x0A;
    bytes[3] = 8;
    test::putInt16(bytes, 4, -2);
    test::putInt16(bytes, 8, 0x8001);
    bytes[65] = 3;
    test::putInt16(bytes, 66, 0xFFFE);
    const auto header = readPcxHeader(bytes);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->manufacturer, 0x0A);
    EXPECT_EQ(header->bitsPerPixel, 8);
    EXPECT_EQ(header->xMin, -2);
    EXPECT_EQ(header->xMax, -32767);
    EXPECT_EQ(header->planes, 3);
    EXPECT_EQ(header->bytesPerLine, 65534);
    EXPECT_FALSE(readPcxHeader(bytes.substr(0, 127)).has_value());

    // size, where the marker is, whether there is a block
    const std::tuple<std::size_t, std::size_t, bool> blocks[] = {
        {768, 0, false}, {769, 0, true}, {1000, 231, true}, {1000, 230, false}, {1000, 232, false}};
    for (const auto& [size, marker, found] : blocks) {
        std::string file(size, '\x07');
        file[marker] = 12;
        const auto block = pcxPaletteBlock(file);
        ASSERT_EQ(block.has_value(), found) << size << " " << marker;
        if (found)
            EXPECT_EQ(*block, file.substr(marker + 1)) << size;
    }
}
