// SFF archives of versions 1 and 2 through the sprite tools' readers: the
// header and tables, then every picture with the codec its sprite names
// (PCX, raw, RLE8, RLE5, LZ5, PNG).

#include "fuzz_support.h"

#include "formats/sff.h"
#include "formats/sff_sprite_list.h"

#include <algorithm>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    (void)sfflib::readSffSpriteNumbers(bytes);

    auto reader = sfflib::SffReader::open(std::string(bytes));
    if (reader) {
        (void)reader->versionText();
        fuzz::require(reader->version() == 1 || reader->version() == 2, "an opened archive is of version 1 or 2");
        for (const sfflib::Sprite& sprite : reader->sprites())
            fuzz::require(sprite.image < reader->pictureCount(), "every sprite has its picture");
        for (const auto& palette : reader->palettes())
            fuzz::require(palette.count() >= 1 && palette.count() <= 256, "a palette holds 1 to 256 colours");
        // Pictures are decoded one at a time, as the unpacker does; a few
        // suffice to reach every codec without one input running for long.
        const std::size_t pictures = std::min<std::size_t>(reader->pictureCount(), 64);
        for (std::size_t i = 0; i < pictures; ++i) {
            const auto picture = reader->decode(i);
            if (!picture)
                continue;
            const std::size_t pixels = static_cast<std::size_t>(sfflib::widthOf(*picture)) * sfflib::heightOf(*picture);
            fuzz::require(pixels > 0 && pixels <= sfflib::maxImagePixels, "a decoded picture has a sane size");
        }
    }
    if (const auto archive = sfflib::readSff(bytes)) {
        for (const sfflib::Sprite& sprite : archive->sprites)
            fuzz::require(sprite.image < archive->images.size(), "every sprite has its picture");
    }
    return 0;
}
