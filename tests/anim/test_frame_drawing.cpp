#include "anim/frame_drawing.h"
#include "anim/frame_look.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace vantrel;

namespace {

const QRgb kStage = qRgb(100, 200, 30);

// Colour k of the test palette; colour 0 is loud so that drawing it shows.
QRgb paletteColour(int k)
{
    return k == 0 ? qRgb(255, 0, 255) : qRgb(k * 20, 255 - k * 20, k * 7);
}

// A paletted sprite from rows of digits ("120", "034"), each digit a colour index.
QImage spriteOf(const std::vector<std::string>& rows, int colours = 10)
{
    QImage sprite(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int k = 0; k < colours; ++k)
        table.push_back(paletteColour(k));
    sprite.setColorTable(table);
    // Written byte by byte, as an index past the table is refused by setPixel.
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            sprite.scanLine(y)[x] =
                static_cast<uchar>(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] - '0');
    return sprite;
}

QImage stage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage target(width, height, format);
    target.fill(kStage);
    return target;
}

// The target as rows of characters: '.' the stage, a digit the palette colour
// drawn there, '?' anything else.
std::vector<std::string> rowsOf(const QImage& target)
{
    std::vector<std::string> rows;
    for (int y = 0; y < target.height(); ++y) {
        std::string row;
        for (int x = 0; x < target.width(); ++x) {
            const QRgb pixel = target.pixel(x, y);
            char c = pixel == kStage ? '.' : '?';
            for (int k = 0; k < 10; ++k)
                if (pixel == paletteColour(k))
                    c = static_cast<char>('0' + k);
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> drawn(const QImage& sprite, QPoint axis, QPointF at, const FrameLook& look,
                               QSize size = {8, 8})
{
    QImage target = stage(size.width(), size.height());
    drawFrame(target, sprite, axis, at, look);
    return rowsOf(target);
}

struct Channels {
    int r, g, b;
};

} // namespace

// One sprite pixel of (200, 100, 10) over the stage's (100, 200, 30), in
// every blend, on both kinds of target; the pixels around it stay as they were.
TEST(FrameDrawing, BlendsWorkPerChannelInWholeNumbers)
{
    QImage sprite(1, 1, QImage::Format_Indexed8);
    sprite.setColorTable({qRgb(0, 0, 0), qRgb(200, 100, 10)});
    sprite.setPixel(0, 0, 1);

    const struct {
        BlendLook blend;
        Channels expected;
    } cases[] = {
        {{BlendMode::None}, {200, 100, 10}},
        {{BlendMode::Add}, {255, 255, 40}},                    // 300 and 300 clamp to 255
        {{BlendMode::AddHalf}, {100 + 100, 50 + 200, 5 + 30}}, // half the source, all of the stage
        {{BlendMode::Subtract}, {0, 200 - 100, 30 - 10}},      // 100 - 200 clamps to 0
        {{BlendMode::AddCustom, 64, 192}, {125, 175, 25}},     // (200*64 + 100*192) / 256 = 125 ...
        {{BlendMode::AddCustom, 3, 5}, {4, 5, 0}},             // 1100/256 = 4.3 and 1300/256 = 5.1 round down
        {{BlendMode::AddCustom, 256, 256}, {255, 255, 40}},    // the same as Add
        {{BlendMode::AddCustom, 128, 256}, {200, 250, 35}},    // the same as AddHalf
        {{BlendMode::AddCustom, 0, 0}, {0, 0, 0}},             // neither side counts
        {{BlendMode::AddCustom, 1000, -5}, {200, 100, 10}},    // amounts clamp to 256 and 0
    };
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (const auto& c : cases) {
            QImage target = stage(3, 3, format);
            FrameLook look;
            look.blend = c.blend;
            drawFrame(target, sprite, {0, 0}, {1, 1}, look);
            const QRgb pixel = target.pixel(1, 1);
            const auto what = testing::Message() << "format " << format << ", blend " << static_cast<int>(c.blend.mode)
                                                 << " " << c.blend.source << "/" << c.blend.dest;
            EXPECT_EQ(qRed(pixel), c.expected.r) << what;
            EXPECT_EQ(qGreen(pixel), c.expected.g) << what;
            EXPECT_EQ(qBlue(pixel), c.expected.b) << what;
            EXPECT_EQ(qAlpha(pixel), 255) << what;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x)
                    if (x != 1 || y != 1) {
                        EXPECT_EQ(target.pixel(x, y), kStage) << what << " at " << x << "," << y;
                    }
        }
    }
}

// Long rows go through the drawing several pixels at a time: every pixel of a
// 23 x 3 sprite (with transparent ones among them) over a stage of varied
// colours must come out as the rules for one pixel say.
TEST(FrameDrawing, LongRowsBlendAsSinglePixelsDo)
{
    std::vector<std::string> rows;
    for (int y = 0; y < 3; ++y) {
        std::string row;
        for (int x = 0; x < 23; ++x)
            row += static_cast<char>('0' + (x * 7 + y * 3) % 10);
        rows.push_back(row);
    }
    const QImage sprite = spriteOf(rows);
    const auto stageAt = [](int x, int y, int alpha) {
        return qPremultiply(qRgba((x * 37) % 256, (y * 91 + x) % 256, 255 - x * 9, alpha));
    };
    const auto expect = [](BlendMode mode, int s, int d) {
        switch (mode) {
        case BlendMode::None: return s;
        case BlendMode::Add: return std::min(255, s + d);
        case BlendMode::AddHalf: return std::min(255, s / 2 + d);
        case BlendMode::Subtract: return std::max(0, d - s);
        case BlendMode::AddCustom: return std::min(255, (s * 100 + d * 200) / 256);
        }
        return -1;
    };
    for (const auto mode :
         {BlendMode::None, BlendMode::Add, BlendMode::AddHalf, BlendMode::Subtract, BlendMode::AddCustom}) {
        for (const int stageAlpha : {255, 140}) {
            QImage whole(25, 5, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 25; ++x)
                    whole.setPixel(x, y, stageAt(x, y, stageAlpha));
            QImage single = whole;
            FrameLook look;
            look.blend = {mode, 100, 200};
            drawFrame(whole, sprite, {0, 0}, {1, 1}, look);
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < 23; ++x) {
                    const int index = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] - '0';
                    const QRgb got = whole.pixel(x + 1, y + 1);
                    const auto where = testing::Message() << "blend " << static_cast<int>(mode) << ", stage alpha "
                                                          << stageAlpha << ", at " << x << "," << y;
                    // One pixel at a time, on a copy of the stage, must agree.
                    drawFrame(single, sprite.copy(x, y, 1, 1), {0, 0}, {x + 1.0, y + 1.0}, look);
                    EXPECT_EQ(got, single.pixel(x + 1, y + 1)) << where;
                    if (stageAlpha != 255)
                        continue;
                    const QRgb d = stageAt(x + 1, y + 1, 255);
                    if (index == 0) {
                        EXPECT_EQ(got, d) << where;
                        continue;
                    }
                    const QRgb c = paletteColour(index);
                    EXPECT_EQ(qRed(got), expect(mode, qRed(c), qRed(d))) << where;
                    EXPECT_EQ(qGreen(got), expect(mode, qGreen(c), qGreen(d))) << where;
                    EXPECT_EQ(qBlue(got), expect(mode, qBlue(c), qBlue(d))) << where;
                    EXPECT_EQ(qAlpha(got), 255) << where;
                }
            }
        }
    }
}

// Turned and scaled, each stage pixel shows the one sprite pixel under its
// centre: drawing the sprite whole and drawing it pixel by pixel (each as a
// sprite of its own with the axis moved to match) must give the same stage.
TEST(FrameDrawing, TurnedSpritesAreThePixelsUnderEachCentre)
{
    std::vector<std::string> rows;
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 23; ++x)
            row += static_cast<char>('0' + (x * 7 + y * 3) % 10);
        rows.push_back(row);
    }
    const QImage sprite = spriteOf(rows);
    const QPoint axis(11, 8);
    for (const FrameLook& look : {FrameLook{.scaleX = 2.5, .scaleY = 1.75, .angle = 30},
                                  FrameLook{.flipH = true, .scaleX = 3, .scaleY = 3, .angle = -117.5},
                                  FrameLook{.offsetX = 0.3, .offsetY = -0.6, .angle = 200}}) {
        QImage whole = stage(90, 90, QImage::Format_ARGB32_Premultiplied);
        QImage single = whole;
        drawFrame(whole, sprite, axis, {45, 45}, look);
        for (int y = 0; y < sprite.height(); ++y)
            for (int x = 0; x < sprite.width(); ++x)
                drawFrame(single, sprite.copy(x, y, 1, 1), axis - QPoint(x, y), {45, 45}, look);
        EXPECT_EQ(rowsOf(whole), rowsOf(single)) << look.angle;
        EXPECT_NE(rowsOf(whole), rowsOf(stage(90, 90))) << look.angle;
    }
}

// The same for onion skins, whose pixels are partly transparent.
TEST(FrameDrawing, LongRowsOfOnionSkinAgreeWithSinglePixels)
{
    const QImage sprite = spriteOf({"1234567890123456789", "9876543210987654321"});
    for (const int stageAlpha : {255, 90}) {
        QImage whole(21, 4, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 21; ++x)
                whole.setPixel(x, y, qPremultiply(qRgba(x * 12, 200 - y * 40, 77, stageAlpha)));
        QImage single = whole;
        QImage trueColour = whole;
        const OnionSkin skin{0.35, true, qRgb(40, 250, 90)};
        drawOnionSkin(whole, sprite, {0, 0}, {1, 1}, {}, skin);
        // The same sprite in true colour (colour 0 made clear) fades and tints the same.
        QImage argb = sprite.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                if (sprite.pixelIndex(x, y) == 0)
                    argb.setPixel(x, y, qRgba(0, 0, 0, 0));
        drawOnionSkin(trueColour, argb, {0, 0}, {1, 1}, {}, skin);
        EXPECT_EQ(trueColour, whole) << stageAlpha;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 19; ++x) {
                drawOnionSkin(single, sprite.copy(x, y, 1, 1), {0, 0}, {x + 1.0, y + 1.0}, {}, skin);
                EXPECT_EQ(whole.pixel(x + 1, y + 1), single.pixel(x + 1, y + 1)) << x << "," << y << " " << stageAlpha;
            }
    }
}

TEST(FrameDrawing, TransparencyOfPalettedAndTrueColourSprites)
{
    // Colour 0 and an index past the colour table are never drawn.
    EXPECT_EQ(drawn(spriteOf({"0120", "7300"}, 4), {0, 0}, {2, 3}, {}),
              (std::vector<std::string>{"........", "........", "........", "...12...", "...3....", "........",
                                        "........", "........"}));

    // A true-colour sprite: opaque, half-transparent (straight alpha) and clear pixels.
    QImage sprite(3, 1, QImage::Format_ARGB32);
    sprite.setPixel(0, 0, qRgba(10, 20, 30, 255));
    sprite.setPixel(1, 0, qRgba(255, 0, 0, 128));
    sprite.setPixel(2, 0, qRgba(0, 255, 0, 0));
    for (const auto format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBA8888}) {
        QImage target = stage(3, 1, QImage::Format_RGB32);
        target.setPixel(1, 0, qRgb(0, 0, 255));
        drawFrame(target, sprite.convertToFormat(format), {0, 0}, {0, 0}, {});
        EXPECT_EQ(target.pixel(0, 0), qRgb(10, 20, 30)) << format;
        // 255 * 128/255 of red over the 127/255 of blue left showing.
        EXPECT_EQ(target.pixel(1, 0), qRgb(128, 0, 127)) << format;
        EXPECT_EQ(target.pixel(2, 0), kStage) << format;
    }

    // Adding a half-transparent pixel adds its premultiplied colour and
    // leaves the uncovered half of the stage whole in a custom blend.
    QImage target = stage(1, 1);
    FrameLook look;
    look.blend = {BlendMode::AddCustom, 256, 0};
    QImage half(1, 1, QImage::Format_ARGB32);
    half.setPixel(0, 0, qRgba(200, 200, 200, 128));
    drawFrame(target, half, {0, 0}, {0, 0}, look);
    // 200*128/255 = 100.4 -> 100 of source; the stage keeps 127/255 of its amount:
    // (100*256 + 100*127) / 256 = 149.6.
    EXPECT_EQ(qRed(target.pixel(0, 0)), 149);
}

// A 3 x 2 sprite with its axis at the top left corner of its middle bottom
// pixel, drawn with the axis at (4, 4).
TEST(FrameDrawing, FlipsAndTurnsHappenAboutTheAxis)
{
    const QImage sprite = spriteOf({"123", "456"});
    const QPoint axis(1, 1);
    const struct {
        const char* name;
        FrameLook look;
        std::vector<std::string> expected;
    } cases[] = {
        {"plain", {}, {"........", "........", "........", "...123..", "...456..", "........", "........", "........"}},
        {"flip H",
         {.flipH = true},
         {"........", "........", "........", "..321...", "..654...", "........", "........", "........"}},
        {"flip V",
         {.flipV = true},
         {"........", "........", "........", "...456..", "...123..", "........", "........", "........"}},
        {"flip HV",
         {.flipH = true, .flipV = true},
         {"........", "........", "........", "..654...", "..321...", "........", "........", "........"}},
        // Counter-clockwise: the top row comes to stand on the left, upwards.
        {"90",
         {.angle = 90},
         {"........", "........", "...36...", "...25...", "...14...", "........", "........", "........"}},
        {"450",
         {.angle = 450},
         {"........", "........", "...36...", "...25...", "...14...", "........", "........", "........"}},
        {"-270",
         {.angle = -270},
         {"........", "........", "...36...", "...25...", "...14...", "........", "........", "........"}},
        {"270",
         {.angle = 270},
         {"........", "........", "........", "...41...", "...52...", "...63...", "........", "........"}},
        {"180",
         {.angle = 180},
         {"........", "........", "........", "..654...", "..321...", "........", "........", "........"}},
        // Mirrored then turned: the flip belongs to the sprite, not to the stage.
        {"flip H, 90",
         {.flipH = true, .angle = 90},
         {"........", "........", "........", "...14...", "...25...", "...36...", "........", "........"}},
        // x2 across, x3 down, the axis staying put.
        {"scale 2x3",
         {.scaleX = 2, .scaleY = 3},
         {"........", "..112233", "..112233", "..112233", "..445566", "..445566", "..445566", "........"}},
        {"scale -1",
         {.scaleX = -1},
         {"........", "........", "........", "..321...", "..654...", "........", "........", "........"}},
        // The offset moves the axis on the stage; half a pixel more is not enough to cross a pixel centre.
        {"offset",
         {.offsetX = -2, .offsetY = 1.4},
         {"........", "........", "........", "........", ".123....", ".456....", "........", "........"}},
        // Partly off the target: only what lies on it is drawn.
        {"clipped",
         {.offsetX = -4, .offsetY = -4},
         {"56......", "........", "........", "........", "........", "........", "........", "........"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drawn(sprite, axis, {4, 4}, c.look), c.expected) << c.name;

    // A turn that is not a quarter: a filled 4 x 4 square turned by 45 degrees
    // about its middle covers the pixel centres within 2 * sqrt(2) of it,
    // counted along x plus along y (centres lie half a pixel off the middle).
    EXPECT_EQ(drawn(spriteOf({"1111", "1111", "1111", "1111"}), {2, 2}, {4, 4}, {.angle = 45}),
              (std::vector<std::string>{"........", "........", "...11...", "..1111..", "..1111..", "...11...",
                                        "........", "........"}));
}

TEST(FrameDrawing, HugeAndBrokenNumbersNeverCrashOrOverrun)
{
    const QImage sprite = spriteOf({"12", "34"});
    // Scaled 1000 times about the middle: each pixel covers a quarter of the target.
    const std::vector<std::string> quarters{"11112222", "11112222", "11112222", "11112222",
                                            "33334444", "33334444", "33334444", "33334444"};
    EXPECT_EQ(drawn(sprite, {1, 1}, {4, 4}, {.scaleX = 1000, .scaleY = 1000}), quarters);
    // Past the range where corners can be worked out, the target is still filled right.
    EXPECT_EQ(drawn(sprite, {1, 1}, {4, 4}, {.scaleX = 1e300, .scaleY = 1e300}), quarters);
    EXPECT_EQ(drawn(sprite, {1, 1}, {4, 4}, {.scaleX = 1e300, .scaleY = 1e300, .angle = 90}),
              (std::vector<std::string>{"22224444", "22224444", "22224444", "22224444", "11113333", "11113333",
                                        "11113333", "11113333"}));

    const std::vector<std::string> untouched(8, "........");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        FrameLook look;
        QPointF at{4, 4};
    } nothing[] = {
        {"NaN angle", {.angle = nan}},    {"infinite angle", {.angle = inf}},
        {"NaN scale", {.scaleX = nan}},   {"infinite scale", {.scaleY = inf}},
        {"zero scale", {.scaleX = 0}},    {"vanishing scale", {.scaleX = 1e-320, .scaleY = 1e-320}},
        {"NaN offset", {.offsetY = nan}}, {"infinite offset", {.offsetX = -inf}},
        {"far away", {.offsetX = 1e200}}, {"NaN position", {}, {nan, 4}},
    };
    for (const auto& c : nothing)
        EXPECT_EQ(drawn(sprite, {1, 1}, c.at, c.look), untouched) << c.name;

    // A huge angle is still an angle; a huge axis puts the sprite far off.
    EXPECT_EQ(drawn(sprite, {1, 1}, {4, 4}, {.angle = 360.0 * 1e12})[3], "...12...");
    EXPECT_EQ(drawn(sprite, {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}, {4, 4}, {}), untouched);

    // Nothing to draw with or on.
    QImage target = stage(8, 8);
    drawFrame(target, QImage(), {0, 0}, {4, 4}, {});
    QImage empty;
    drawFrame(empty, sprite, {0, 0}, {0, 0}, {});
    QImage otherFormat(4, 4, QImage::Format_RGB888);
    otherFormat.fill(kStage);
    drawFrame(otherFormat, sprite, {0, 0}, {0, 0}, {});
    EXPECT_EQ(rowsOf(target), untouched);
    EXPECT_TRUE(empty.isNull());
    EXPECT_EQ(otherFormat.pixel(0, 0), kStage);
}

TEST(FrameDrawing, OnionSkinsAreFaintAndIgnoreTheBlend)
{
    QImage sprite(1, 1, QImage::Format_Indexed8);
    sprite.setColorTable({qRgb(0, 0, 0), qRgb(200, 100, 10)});
    sprite.setPixel(0, 0, 1);
    const Channels stageColour{100, 200, 30};
    const auto mix = [](int over, int under, double opacity) { return opacity * over + (1 - opacity) * under; };

    const struct {
        OnionSkin skin;
        Channels colour; // the sprite's colour as the skin shows it, before opacity
    } cases[] = {
        {{0.35}, {200, 100, 10}},
        {{0.8}, {200, 100, 10}},
        {{0.5, true, qRgb(0, 255, 0)}, {100, (100 + 255) / 2, 5}},
        {{1.0}, {200, 100, 10}},
    };
    for (const auto& c : cases) {
        QImage target = stage(3, 3);
        FrameLook look;
        look.blend = {BlendMode::Subtract}; // ignored
        drawOnionSkin(target, sprite, {0, 0}, {1, 1}, look, c.skin);
        const QRgb pixel = target.pixel(1, 1);
        EXPECT_NEAR(qRed(pixel), mix(c.colour.r, stageColour.r, c.skin.opacity), 1.0) << c.skin.opacity;
        EXPECT_NEAR(qGreen(pixel), mix(c.colour.g, stageColour.g, c.skin.opacity), 1.0) << c.skin.opacity;
        EXPECT_NEAR(qBlue(pixel), mix(c.colour.b, stageColour.b, c.skin.opacity), 1.0) << c.skin.opacity;
        EXPECT_EQ(target.pixel(0, 1), kStage);
    }

    // No opacity, or none that is a number, draws nothing; more than full is full.
    for (const double opacity : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN(), 7.0}) {
        QImage target = stage(3, 3);
        drawOnionSkin(target, sprite, {0, 0}, {1, 1}, {}, {opacity});
        EXPECT_EQ(target.pixel(1, 1), opacity > 1 ? qRgb(200, 100, 10) : kStage) << opacity;
    }
}

TEST(FrameLookInterpolation, OnlyTheNamedValuesMoveInAStraightLine)
{
    const FrameLook from{.offsetX = 10,
                         .offsetY = -4,
                         .flipH = true,
                         .blend = {BlendMode::AddCustom, 0, 256},
                         .scaleX = 1,
                         .scaleY = 2,
                         .angle = 350};
    const FrameLook to{.offsetX = 20,
                       .offsetY = 4,
                       .flipV = true,
                       .blend = {BlendMode::AddCustom, 255, 0},
                       .scaleX = 3,
                       .scaleY = 1,
                       .angle = 10};

    const FrameLook quarter =
        interpolate(from, to, 0.25, {.offset = true, .blend = true, .scale = true, .angle = true});
    EXPECT_EQ(quarter.offsetX, 12.5);
    EXPECT_EQ(quarter.offsetY, -2);
    EXPECT_EQ(quarter.scaleX, 1.5);
    EXPECT_EQ(quarter.scaleY, 1.75);
    EXPECT_EQ(quarter.angle, 265); // the way the numbers go, not the short way round
    EXPECT_EQ(quarter.blend, (BlendLook{BlendMode::AddCustom, 64, 192})); // 63.75 rounds to 64
    EXPECT_TRUE(quarter.flipH && !quarter.flipV);                         // the frame's own flips stay

    const FrameLook offsetOnly = interpolate(from, to, 0.5, {.offset = true});
    FrameLook expected = from;
    expected.offsetX = 15, expected.offsetY = 0;
    EXPECT_EQ(offsetOnly, expected);

    // The ends and past them.
    const InterpolatedValues all{true, true, true, true};
    const auto moved = [&](const FrameLook& look) {
        return FrameLook{.offsetX = look.offsetX,
                         .offsetY = look.offsetY,
                         .flipH = true,
                         .blend = look.blend,
                         .scaleX = look.scaleX,
                         .scaleY = look.scaleY,
                         .angle = look.angle};
    };
    EXPECT_EQ(interpolate(from, to, 0, all), from);
    EXPECT_EQ(interpolate(from, to, -2, all), from);
    EXPECT_EQ(interpolate(from, to, std::nan(""), all), from);
    EXPECT_EQ(interpolate(from, to, 1, all), moved(to));
    EXPECT_EQ(interpolate(from, to, 5, all), moved(to));

    // Blends: additive kinds move through their amounts; anything else stays.
    const struct {
        BlendLook a, b, half;
    } blends[] = {
        {{BlendMode::Add}, {BlendMode::AddCustom, 0, 0}, {BlendMode::AddCustom, 128, 128}},
        {{BlendMode::AddHalf}, {BlendMode::Add}, {BlendMode::AddCustom, 192, 256}},
        {{BlendMode::None}, {BlendMode::Add}, {BlendMode::None}},
        {{BlendMode::Subtract}, {BlendMode::AddCustom, 0, 0}, {BlendMode::Subtract}},
        {{BlendMode::Add}, {BlendMode::Subtract}, {BlendMode::Add}},
    };
    for (const auto& b : blends)
        EXPECT_EQ(interpolate({.blend = b.a}, {.blend = b.b}, 0.5, {.blend = true}).blend, b.half)
            << static_cast<int>(b.a.mode) << " to " << static_cast<int>(b.b.mode);
}
