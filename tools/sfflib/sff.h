#pragma once
// SFF sprite archives: reading versions 1 and 2, writing version 1.

#include "image.h"
#include "result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sfflib {

struct Sprite {
    std::int16_t group = 0;
    std::int16_t imageNo = 0;
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
    std::size_t image = 0; // index into SpriteArchive::images
};

// What an archive holds: its distinct pictures, each with the full palette it
// is drawn with, and its sprites in archive order. Linked sprites share the
// picture of the sprite they link to.
struct SpriteArchive {
    std::vector<IndexedImage> images;
    std::vector<Sprite> sprites;
};

// Reads an SFF of version 1 or 2 from its bytes. Every offset and length is
// checked; a damaged or unsupported archive gives a failure naming the sprite
// and the fault.
Result<SpriteArchive> readSff(std::string_view bytes);
Result<SpriteArchive> readSffFile(const std::string& path);

// The reader of each version behind readSff; they throw FormatError.
SpriteArchive readSffV1(std::string_view bytes);
SpriteArchive readSffV2(std::string_view bytes);

// One sprite to write: its picture and palette, numbers and axis.
struct SpriteSource {
    IndexedImage image;
    std::int16_t group = 0;
    std::int16_t imageNo = 0;
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
};

struct BuildOptions {
    bool crop = false;           // cut away the rows and columns of colour 0 around the picture
    bool samePalette = false;    // store a palette equal to the previous sprite's as "same palette"
    bool linkDuplicates = false; // store a repeated picture as a link to its first copy
};

// The smallest part of the picture that holds every non-zero pixel, with the
// axis moved so that it stays where it was drawn. An empty picture becomes
// one pixel of colour 0 at its top left corner. Fails when the moved axis
// leaves the range an SFF can store.
Result<SpriteSource> cropSprite(const SpriteSource& sprite);

// An SFF v1 archive of the sprites, in their order. The first sprite always
// carries its palette.
Result<std::string> writeSffV1(const std::vector<SpriteSource>& sprites, const BuildOptions& options);

} // namespace sfflib
