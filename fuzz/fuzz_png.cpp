// PNG pictures, as the sprite window and the tools take them in.

#include "fuzz_support.h"

#include "formats/png.h"

#include <variant>

using namespace sfflib;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = vantrel::fuzz::bytesOf(data, size);
    const auto info = readPngInfo(bytes);
    const auto picture = decodePng(bytes);
    vantrel::fuzz::require(info || !info.error().empty(), "a refused PNG says why");
    vantrel::fuzz::require(picture || !picture.error().empty(), "a picture that cannot be read says why");
    vantrel::fuzz::require(!picture || info, "a picture read has a header that reads");
    if (picture && info) {
        std::visit(
            [&info](const auto& image) {
                vantrel::fuzz::require(image.width == info->width && image.height == info->height,
                                       "the picture has the size its header gives");
            },
            *picture);
    }
    return 0;
}
