#include "image/pcx.h"

#include "common/text.h"
#include "image/pcx_header.h"

#include <algorithm>

namespace vantrel {

namespace {

struct Geometry {
    int width = 0;
    int height = 0;
    int rowLength = 0;
};

Geometry geometryOf(const PcxHeader& header)
{
    // Width and height wrap as 16-bit numbers, as the header stores them; so
    // does the byte count of a line, a negative one refusing the file.
    const auto width = static_cast<std::int16_t>(header.xMax - header.xMin + 1);
    const auto height = static_cast<std::int16_t>(header.yMax - header.yMin + 1);
    return {width, height, header.planes * static_cast<std::int16_t>(header.bytesPerLine)};
}

// A run of two bytes advances a row by at most 63 columns, so no row can be
// finished with fewer than L / 32 bytes. Headers that promise more rows than
// the data could ever fill are refused before their buffer is allocated.
bool dataCanFill(const Geometry& g, std::size_t dataSize)
{
    const std::size_t perRow = std::max<std::size_t>(1, static_cast<std::size_t>(g.rowLength) / 32);
    return static_cast<std::size_t>(g.height) * perRow <= dataSize;
}

Palette paletteOf(std::string_view block)
{
    Palette palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = {static_cast<std::uint8_t>(block[i * 3]), static_cast<std::uint8_t>(block[i * 3 + 1]),
                      static_cast<std::uint8_t>(block[i * 3 + 2])};
    }
    return palette;
}

// Decodes the rows into image.pixels. False when the data ends first.
bool runLengthDecode(const std::string& bytes, DecodedImage& image)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data()) + kPcxHeaderSize;
    const std::size_t size = bytes.size() - kPcxHeaderSize;
    const int L = image.rowLength;
    std::size_t p = 0;
    for (int row = 0; row < image.height; ++row) {
        std::uint8_t* out = image.pixels.data() + static_cast<std::size_t>(row) * image.stride;
        int x = 0;
        while (x < L) {
            if (p >= size)
                return false;
            const std::uint8_t b = data[p];
            if ((b & 0xC0) == 0xC0) {
                if (p + 1 >= size)
                    return false;
                int n = b & 0x3F;
                // A run that would pass the end of the row is cut at the header
                // width; the rest of it is dropped, never carried to the next row.
                if (x + n > L)
                    n = image.width - x;
                if (n > 0)
                    std::fill(out + x, out + x + n, data[p + 1]);
                x += n;
                p += 2;
            } else {
                out[x] = b;
                ++x;
                ++p;
            }
        }
    }
    return true;
}

void mirror(DecodedImage& image, int flip)
{
    const int L = image.rowLength;
    const auto stride = static_cast<std::size_t>(image.stride);
    if (flip == 1 || flip == 3) {
        for (int r = 0; r < image.height / 2; ++r) {
            auto* top = image.pixels.data() + static_cast<std::size_t>(r) * stride;
            auto* bottom = image.pixels.data() + static_cast<std::size_t>(image.height - 1 - r) * stride;
            std::swap_ranges(top, top + L, bottom);
        }
    }
    if (flip == 2 || flip == 3) {
        // Column i takes column L - i, so the old column 0 falls off and the new
        // column 0 is empty; the animation preview places mirrored frames by
        // exactly this shift.
        for (int r = 0; r < image.height; ++r) {
            auto* row = image.pixels.data() + static_cast<std::size_t>(r) * stride;
            std::reverse(row + 1, row + L);
            row[0] = 0;
        }
    }
}

} // namespace

PcxStatus decodePcx(DecoderState& state, const std::string& bytes, int paletteMode, int flip, const Palette* working,
                    const SpriteViewOptions* view)
{
    const auto header = readPcxHeader(bytes);
    if (!header || header->bitsPerPixel != 8)
        return PcxStatus::Refused;
    if (header->planes != 1)
        return PcxStatus::NoPicture;

    const Geometry g = geometryOf(*header);
    if (g.rowLength <= 0 || g.width <= 0 || g.height <= 0 || g.width > g.rowLength
        || !dataCanFill(g, bytes.size() - kPcxHeaderSize))
        return PcxStatus::Refused;

    DecodedImage image;
    image.width = g.width;
    image.height = g.height;
    image.rowLength = g.rowLength;
    image.stride = ((g.rowLength * 8 + 31) & ~31) / 8;
    image.pixels.assign(static_cast<std::size_t>(image.stride) * static_cast<std::size_t>(image.height), 0);
    if (!runLengthDecode(bytes, image))
        return PcxStatus::Refused;
    mirror(image, flip);

    const auto paletteBlock = pcxPaletteBlock(bytes);
    if (paletteMode == kPaletteWorking) {
        image.palette = working ? *working : Palette{};
    } else if (paletteBlock) {
        image.palette = paletteOf(*paletteBlock);
        if (!state.spritePaletteCaptured) {
            state.spritePalette = image.palette;
            state.spritePaletteCaptured = true;
        }
    } else {
        image.palette = state.spritePalette;
    }

    if (view && view->transparent)
        image.palette[0] = view->whiteBackground ? Rgb{255, 255, 255} : Rgb{0, 0, 0};

    state.decodedPixels = std::move(image);
    return PcxStatus::Ok;
}

PcxStatus loadPcx(DecoderState& state, const std::string& path, int paletteMode, int flip, const Palette* working,
                  const SpriteViewOptions* view)
{
    // An unreadable file reads as a header of zeros: not 8 bits, refused.
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return PcxStatus::Refused;
    return decodePcx(state, *bytes, paletteMode, flip, working, view);
}

} // namespace vantrel
