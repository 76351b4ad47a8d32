#include "image/pcx.h"

#include "common/text.h"
#include "image/pcx_header.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

// A buffer of `size` bytes for a picture's rows, in the spare buffer's
// memory when that is big enough. Its bytes are left as they were: the
// decoder writes every byte of every row.
std::vector<std::uint8_t> rowBuffer(DecoderState& state, std::size_t size)
{
    std::vector<std::uint8_t> buffer;
    buffer.swap(state.spareBuffer);
    if (buffer.capacity() < size)
        return std::vector<std::uint8_t>(size);
    buffer.resize(size);
    return buffer;
}

// How many of the eight bytes at `at` come before the first that starts a
// run (both top bits set): 8 when none does.
int pixelBytesAhead(const std::uint8_t* at)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        const std::uint64_t runBytes = word & (word << 1) & 0x8080808080808080u;
        return std::countr_zero(runBytes) / 8;
    } else {
        int k = 0;
        while (k < 8 && at[k] < 0xC0)
            ++k;
        return k;
    }
}

// Decodes the rows into image.pixels, every byte of them: the L columns, and
// zeros in the padding up to the stride. False when the data ends first.
//
// A run that would pass the end of the row is cut at the header width; the
// rest of it is dropped, never carried to the next row. So no run reaches
// past the width, and each row ends exactly at L with every column written.
bool runLengthDecode(const std::string& bytes, DecodedImage& image)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data()) + kPcxHeaderSize;
    const std::size_t size = bytes.size() - kPcxHeaderSize;
    const int L = image.rowLength;
    const int width = image.width;
    std::uint8_t* const end = image.pixels.data() + image.pixels.size();
    // Below this the data has room to read nine bytes ahead.
    const std::size_t readAhead = size > 9 ? size - 9 : 0;
    std::size_t p = 0;
    for (int row = 0; row < image.height; ++row) {
        std::uint8_t* out = image.pixels.data() + static_cast<std::size_t>(row) * image.stride;
        int x = 0;
        // Most rows: runs are stored as whole blocks of 16 or 64 bytes and
        // pixels eight at a time, which costs no more than their own length.
        // The bytes stored past them are written again by the rest of the row
        // (and the padding and the next row by theirs), so this needs 64 bytes
        // of buffer past the row, and data to read ahead.
        if (end - out - L >= 64) {
            while (x < L && p < readAhead) {
                const std::uint8_t b = data[p];
                if (b < 0xC0) {
                    const int k = std::min(pixelBytesAhead(data + p), L - x);
                    std::memcpy(out + x, data + p, 8);
                    x += k;
                    p += static_cast<std::size_t>(k);
                    continue;
                }
                const std::uint8_t value = data[p + 1];
                p += 2;
                int n = b & 0x3F;
                if (x + n > L) {
                    n = width - x;
                    if (n > 0)
                        std::memset(out + x, value, static_cast<std::size_t>(n));
                } else if (n <= 16) {
                    std::memset(out + x, value, 16);
                } else {
                    std::memset(out + x, value, 64);
                }
                x += n;
            }
        }
        // The rest (the last rows, the end of the data) byte by byte, every
        // read checked and every store exact.
        while (x < L) {
            if (p >= size)
                return false;
            const std::uint8_t b = data[p];
            if (b < 0xC0) {
                out[x] = b;
                ++x;
                ++p;
                continue;
            }
            if (p + 1 >= size)
                return false;
            const std::uint8_t value = data[p + 1];
            p += 2;
            int n = b & 0x3F;
            if (x + n > L)
                n = width - x;
            if (n > 0)
                std::memset(out + x, value, static_cast<std::size_t>(n));
            x += n;
        }
        std::fill(out + L, out + image.stride, 0);
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
    image.pixels = rowBuffer(state, static_cast<std::size_t>(image.stride) * static_cast<std::size_t>(image.height));
    if (!runLengthDecode(bytes, image)) {
        state.spareBuffer = std::move(image.pixels);
        return PcxStatus::Refused;
    }
    const auto paletteBlock = pcxPaletteBlock(bytes);
    const Palette own = paletteBlock ? paletteOf(*paletteBlock) : Palette{};
    finishIndexedPicture(state, std::move(image), paletteBlock ? &own : nullptr, paletteMode, flip, working, view);
    return PcxStatus::Ok;
}

void finishIndexedPicture(DecoderState& state, DecodedImage image, const Palette* ownPalette, int paletteMode, int flip,
                          const Palette* working, const SpriteViewOptions* view)
{
    mirror(image, flip);
    if (paletteMode == kPaletteWorking) {
        image.palette = working ? *working : Palette{};
    } else if (ownPalette) {
        image.palette = *ownPalette;
        if (!state.spritePaletteCaptured) {
            state.spritePalette = image.palette;
            state.spritePaletteCaptured = true;
        }
    } else {
        image.palette = state.spritePalette;
    }

    if (view && view->transparent)
        image.palette[0] = view->whiteBackground ? Rgb{255, 255, 255} : Rgb{0, 0, 0};

    state.spareBuffer = std::move(state.decodedPixels.pixels);
    state.decodedPixels = std::move(image);
}

PcxStatus loadPcx(DecoderState& state, const std::string& path, int paletteMode, int flip, const Palette* working,
                  const SpriteViewOptions* view)
{
    // An unreadable file reads as a header of zeros: not 8 bits, refused.
    if (!readFileInto(path, state.fileBytes))
        return PcxStatus::Refused;
    return decodePcx(state, state.fileBytes, paletteMode, flip, working, view);
}

} // namespace vantrel
