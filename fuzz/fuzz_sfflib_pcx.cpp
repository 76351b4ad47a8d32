// The sprite tools' PCX decoder, with a palette block of the file's own and
// with an inherited palette (an SFF v1 sprite's); what it decodes must
// encode and decode back to the same picture.

#include "fuzz_support.h"

#include "formats/sff_pcx.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    static const sfflib::Palette inherited = [] {
        sfflib::Palette p{};
        for (std::size_t i = 0; i < p.size(); ++i)
            p[i] = static_cast<std::uint8_t>(i * 7);
        return p;
    }();

    for (const sfflib::Palette* palette : {static_cast<const sfflib::Palette*>(nullptr), &inherited}) {
        const auto image = sfflib::decodePcx(bytes, palette);
        if (!image) {
            fuzz::require(!image.error().empty(), "a refused PCX says why");
            continue;
        }
        fuzz::require(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height,
                      "a decoded picture holds width x height pixels");
        const auto again = sfflib::decodePcx(sfflib::encodePcx(*image));
        fuzz::require(static_cast<bool>(again), "an encoded picture decodes");
        fuzz::require(*again == *image, "an encoded picture decodes to itself");
    }
    return 0;
}
