#include "image/picture.h"
#include "pcx_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace vantrel;

namespace {

QString real(const char* relative)
{
    return QString::fromStdString(test::realchars(relative));
}

} // namespace

TEST(PcxPicture, MatchesTheReferenceImages)
{
    // 256-palette.pcx stores one byte per row beyond its width: the picture
    // is the row length wide, and the reference shows the first width columns.
    const struct {
        const char* pcx;
        const char* png;
        int rowLength;
    } cases[] = {
        {"pcx/gmarbles.pcx", "pcx/gmarbles.png", 142},
        {"pcx/256-palette.pcx", "pcx/256-palette.png", 436},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pcx);
        test::TestApp t;
        DecoderState decoder;
        const QImage picture = loadPcx(decoder, t.dialogs, nullptr, real(c.pcx), kPaletteFromFile, 0);
        const QImage reference(real(c.png));
        ASSERT_FALSE(reference.isNull());
        ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
        EXPECT_EQ(picture.colorCount(), 256);
        EXPECT_EQ(picture.width(), c.rowLength);
        ASSERT_EQ(picture.height(), reference.height());
        ASSERT_LE(reference.width(), picture.width());

        const DecodedImage& decoded = decoder.decodedPixels;
        int wrong = 0;
        for (int y = 0; y < reference.height(); ++y) {
            for (int x = 0; x < reference.width(); ++x) {
                const int index = picture.pixelIndex(x, y);
                wrong += index != decoded.at(x, y);
                wrong += picture.color(index) != reference.pixel(x, y);
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
    }
}

TEST(PcxPicture, RefusalsShowTheMessageOnceWithTheFileAndWhy)
{
    test::TestApp t;
    const std::string dir = t.path("pcx/");
    test::writeFile(dir + "4bit.pcx", test::makePcx({2, 1, 2, 4, 1, {1, 2}}));
    test::writeFile(dir + "planes.pcx", test::makePcx({2, 1, 2, 8, 3, {1, 2, 3, 4, 5, 6}}));
    test::writeFile(dir + "short.pcx", test::makePcx({2, 3, 2, 8, 1, {1, 2}}));
    test::writeFile(dir + "cut.pcx", test::makePcx({2, 2, 2, 8, 1, {1, 2, 3}}));
    test::writeFile(dir + "narrow.pcx", test::makePcx({4, 1, 2, 8, 1, {1, 2, 3, 4}}));
    test::writeFile(dir + "tiny.pcx", std::string(40, '\x0A'));
    test::writeFile(dir + "broken.png", std::string("\x89PNG\r\n\x1a\n") + "not a picture");
    const struct {
        const char* file;
        int messages;
        const char* why;
    } cases[] = {
        {"4bit.pcx", 1, "4-bit PCX (only 8-bit pictures with a palette are read)"},
        {"planes.pcx", 0, ""},
        {"short.pcx", 1, "the header promises 3 rows of 2 bytes, more than the 2 bytes of data after it can hold"},
        {"cut.pcx", 1, "truncated: the picture data ends at offset 0x83 in row 2 of 2"},
        {"narrow.pcx", 1, "the header gives 2 bytes per line for a picture 4 pixels wide"},
        {"tiny.pcx", 1, "the file is 40 bytes long, shorter than the 128-byte PCX header"},
        {"missing.pcx", 1, "the file does not exist"},
        {"broken.png", 1, "the file starts as a PNG, but its picture cannot be decoded"},
    };
    DecoderState decoder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        t.dialogs.clear();
        const QString path = QString::fromStdString(dir + c.file);
        const QImage picture = loadPcx(decoder, t.dialogs, nullptr, path, kPaletteFromFile, 0);
        EXPECT_TRUE(picture.isNull());
        ASSERT_EQ(t.dialogs.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(t.dialogs.messages[0].text,
                      path.endsWith(".png") ? "Sorry, can't load that png file!" : "Sorry, can't load that pcx file!");
            EXPECT_EQ(t.dialogs.messages[0].title, "Vantrel");
            EXPECT_EQ(t.dialogs.messages[0].detail, path + ": " + c.why);
        }
    }
}

TEST(PcxPicture, WorkingPaletteMode)
{
    test::TestApp t;
    DecoderState decoder;
    Palette working{};
    working[0] = {10, 20, 30};
    const QImage picture =
        loadPcx(decoder, t.dialogs, nullptr, real("pcx/gmarbles.pcx"), kPaletteWorking, 0, nullptr, &working);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.color(0), qRgb(10, 20, 30));
    EXPECT_FALSE(decoder.spritePaletteCaptured);
}
