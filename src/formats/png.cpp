#include "formats/png.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <png.h>

namespace sfflib {

namespace {

constexpr std::string_view signature("\x89PNG\r\n\x1a\n", 8);

struct Source {
    std::string_view data;
    std::size_t pos = 0;
};

void readFromMemory(png_structp png, png_bytep dest, png_size_t length)
{
    auto* src = static_cast<Source*>(png_get_io_ptr(png));
    if (length > src->data.size() - src->pos)
        png_error(png, "the PNG data ends early");
    std::copy_n(src->data.data() + src->pos, length, dest);
    src->pos += length;
}

void writeToMemory(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) { }

void ignoreWarning(png_structp, png_const_charp) { }

// Everything libpng touches lives in plain storage owned by the caller: libpng
// leaves by longjmp on error, which must not skip a C++ destructor.
struct State {
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[200] = {};
};

void recordError(png_structp png, png_const_charp text)
{
    auto* state = static_cast<State*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", text);
    png_longjmp(png, 1);
}

struct Header {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int colourType = 0;
    int depth = 0;
    bool transparentColour = false;

    bool indexed() const
    {
        return colourType == PNG_COLOR_TYPE_PALETTE
            || (colourType == PNG_COLOR_TYPE_GRAY && depth <= 8 && !transparentColour);
    }
    bool alpha() const { return !indexed() && ((colourType & PNG_COLOR_MASK_ALPHA) || transparentColour); }
};

// The header's size against the tools' limits; empty when it passes.
std::string sizeFault(png_uint_32 width, png_uint_32 height)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width > png_uint_32(maxPngSide) || height > png_uint_32(maxPngSide))
        return "the PNG is " + size + " pixels; a side may be at most 16,384";
    if (std::uint64_t(width) * height > maxImagePixels)
        return "the PNG is " + size + " pixels, more than the 8192 x 8192 the tools take";
    return {};
}

// Deflate makes at most 1032 bytes of one byte of data, so a PNG of `size`
// bytes holds at most this many bytes of pixels.
constexpr std::uint64_t maxInflatedBytes(std::size_t size)
{
    return std::uint64_t(size) * 1032;
}

// Grows `pixels` to `size` bytes as the rows arrive, taking at most `total`
// bytes in all: memory follows the data that is really there, not the size
// the header claims.
void growTo(std::vector<std::uint8_t>& pixels, std::size_t size, std::size_t total)
{
    if (size > pixels.capacity())
        pixels.reserve(std::min(total, std::max(size, 2 * pixels.capacity())));
    pixels.resize(size);
}

// Reads the header and, unless `headerOnly`, the pixels (one byte per pixel
// for an indexed picture, four for true colour) and the palette. Returns
// false with state.message set on failure. Everything it changes after
// setjmp belongs to the caller, so nothing is left indeterminate by a jump.
bool readPng(State& state, Source& source, Header& header, bool headerOnly, std::vector<std::uint8_t>& pixels,
             std::vector<std::uint8_t>& passes, Palette& palette)
{
    state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, recordError, ignoreWarning);
    if (!state.png)
        return false;
    state.info = png_create_info_struct(state.png);
    if (!state.info)
        return false;
    if (setjmp(png_jmpbuf(state.png)))
        return false;
    png_set_read_fn(state.png, &source, readFromMemory);
    // The sizes are checked below, with the tools' own message.
    png_set_user_limits(state.png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(state.png, state.info);
    header.width = png_get_image_width(state.png, state.info);
    header.height = png_get_image_height(state.png, state.info);
    header.colourType = png_get_color_type(state.png, state.info);
    header.depth = png_get_bit_depth(state.png, state.info);
    header.transparentColour = png_get_valid(state.png, state.info, PNG_INFO_tRNS) != 0;
    {
        // Gone before libpng is called again, so that no jump skips its destructor.
        std::string fault = sizeFault(header.width, header.height);
        // The packed pixels, before any row filter byte: the data must be
        // able to inflate to at least this much.
        const std::uint64_t packed = std::uint64_t(header.width) * header.height
            * png_get_channels(state.png, state.info) * std::uint64_t(header.depth) / 8;
        if (fault.empty() && packed > maxInflatedBytes(source.data.size()))
            fault = "the PNG's " + std::to_string(source.data.size()) + " bytes cannot hold the "
                + std::to_string(header.width) + " x " + std::to_string(header.height) + " pixels its header gives";
        if (!fault.empty()) {
            std::snprintf(state.message, sizeof state.message, "%s", fault.c_str());
            return false;
        }
    }
    if (headerOnly)
        return true;

    const bool indexed = header.indexed();
    if (indexed) {
        if (header.colourType == PNG_COLOR_TYPE_PALETTE) {
            if (header.depth < 8)
                png_set_packing(state.png);
            png_colorp colours = nullptr;
            int count = 0;
            if (png_get_PLTE(state.png, state.info, &colours, &count) && colours) {
                for (int i = 0; i < count && i < 256; ++i) {
                    palette[i * 3] = colours[i].red;
                    palette[i * 3 + 1] = colours[i].green;
                    palette[i * 3 + 2] = colours[i].blue;
                }
            }
        } else {
            if (header.depth < 8)
                png_set_expand_gray_1_2_4_to_8(state.png);
            for (int i = 0; i < 256; ++i)
                palette[i * 3] = palette[i * 3 + 1] = palette[i * 3 + 2] = static_cast<std::uint8_t>(i);
        }
    } else {
        png_set_expand(state.png);
        png_set_strip_16(state.png);
        if (!(header.colourType & PNG_COLOR_MASK_COLOR))
            png_set_gray_to_rgb(state.png);
        if (!header.alpha())
            png_set_filler(state.png, 0xFF, PNG_FILLER_AFTER);
    }
    png_read_update_info(state.png, state.info);
    const std::size_t pixelBytes = indexed ? 1 : 4;
    const std::size_t rowBytes = std::size_t(header.width) * pixelBytes;
    if (png_get_rowbytes(state.png, state.info) != rowBytes) {
        std::snprintf(state.message, sizeof state.message, "the PNG has a pixel layout the tools do not read");
        return false;
    }
    const std::size_t total = rowBytes * header.height;
    if (png_get_interlace_type(state.png, state.info) == PNG_INTERLACE_NONE) {
        for (png_uint_32 y = 0; y < header.height; ++y) {
            growTo(pixels, (y + 1) * rowBytes, total);
            png_read_row(state.png, pixels.data() + y * rowBytes, nullptr);
        }
        return true;
    }
    // An interlaced picture comes as seven smaller pictures, each a few rows
    // and columns of the whole: they are kept one after the other as they
    // arrive and put in their places at the end. libpng hands over each of
    // their rows in a buffer as wide as the picture.
    pixels.resize(rowBytes);
    for (int pass = 0; pass < 7; ++pass) {
        const std::size_t columns = PNG_PASS_COLS(header.width, pass);
        const std::size_t passRows = columns == 0 ? 0 : PNG_PASS_ROWS(header.height, pass);
        for (std::size_t r = 0; r < passRows; ++r) {
            png_read_row(state.png, pixels.data(), nullptr);
            const std::size_t at = passes.size();
            growTo(passes, at + columns * pixelBytes, total);
            std::copy_n(pixels.data(), columns * pixelBytes, passes.data() + at);
        }
    }
    pixels.assign(total, 0);
    const std::uint8_t* from = passes.data();
    for (int pass = 0; pass < 7; ++pass) {
        const std::size_t columns = PNG_PASS_COLS(header.width, pass);
        const std::size_t passRows = columns == 0 ? 0 : PNG_PASS_ROWS(header.height, pass);
        for (std::size_t r = 0; r < passRows; ++r) {
            const std::size_t y = PNG_PASS_START_ROW(pass) + (r << PNG_PASS_ROW_SHIFT(pass));
            for (std::size_t c = 0; c < columns; ++c, from += pixelBytes) {
                const std::size_t x = PNG_PASS_START_COL(pass) + (c << PNG_PASS_COL_SHIFT(pass));
                std::copy_n(from, pixelBytes, pixels.data() + y * rowBytes + x * pixelBytes);
            }
        }
    }
    return true;
}

std::string failureText(const State& state)
{
    return state.message[0] ? std::string(state.message) : std::string("the PNG cannot be read");
}

struct WriteRequest {
    int width = 0;
    int height = 0;
    int colourType = 0;
    const std::uint8_t* pixels = nullptr;
    std::size_t rowBytes = 0;
    const Palette* palette = nullptr;
    bool transparentZero = false;
};

bool writePng(State& state, std::string& out, const WriteRequest& request, std::vector<png_bytep>& rows,
              std::vector<png_color>& colours)
{
    state.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, recordError, ignoreWarning);
    if (!state.png)
        return false;
    state.info = png_create_info_struct(state.png);
    if (!state.info)
        return false;
    if (setjmp(png_jmpbuf(state.png)))
        return false;
    png_set_write_fn(state.png, &out, writeToMemory, flushNothing);
    png_set_IHDR(state.png, state.info, png_uint_32(request.width), png_uint_32(request.height), 8, request.colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_byte transparent = 0;
    if (request.palette) {
        colours.resize(256);
        for (std::size_t i = 0; i < 256; ++i)
            colours[i] = {(*request.palette)[i * 3], (*request.palette)[i * 3 + 1], (*request.palette)[i * 3 + 2]};
        png_set_PLTE(state.png, state.info, colours.data(), 256);
        if (request.transparentZero)
            png_set_tRNS(state.png, state.info, &transparent, 1, nullptr);
    }
    rows.resize(std::size_t(request.height));
    for (int y = 0; y < request.height; ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(request.pixels + std::size_t(y) * request.rowBytes);
    png_set_rows(state.png, state.info, rows.data());
    png_write_png(state.png, state.info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

Result<std::string> write(const WriteRequest& request)
{
    if (request.width <= 0 || request.height <= 0 || request.width > maxPngSide || request.height > maxPngSide)
        return Result<std::string>::failure("a PNG cannot be " + std::to_string(request.width) + " x "
                                            + std::to_string(request.height) + " pixels");
    State state;
    std::string out;
    std::vector<png_bytep> rows;
    std::vector<png_color> colours;
    const bool ok = writePng(state, out, request, rows, colours);
    png_destroy_write_struct(state.png ? &state.png : nullptr, state.info ? &state.info : nullptr);
    if (!ok)
        return Result<std::string>::failure(state.message[0] ? state.message : "the PNG cannot be written");
    return out;
}

} // namespace

bool looksLikePng(std::string_view bytes)
{
    return bytes.substr(0, signature.size()) == signature;
}

namespace {

struct PngContents {
    Header header;
    std::vector<std::uint8_t> pixels;
    Palette palette{};
};

// The header of a PNG file and, unless `headerOnly`, its pixels and palette.
Result<PngContents> readContents(std::string_view bytes, bool headerOnly)
{
    if (!looksLikePng(bytes))
        return Result<PngContents>::failure("this is not a PNG file");
    State state;
    Source source{bytes};
    PngContents png;
    std::vector<std::uint8_t> passes;
    bool ok = false;
    try {
        ok = readPng(state, source, png.header, headerOnly, png.pixels, passes, png.palette);
    } catch (const std::bad_alloc&) {
        std::snprintf(state.message, sizeof state.message, "the PNG is too large to decode in memory");
    }
    png_destroy_read_struct(state.png ? &state.png : nullptr, state.info ? &state.info : nullptr, nullptr);
    if (!ok)
        return Result<PngContents>::failure(failureText(state));
    return png;
}

} // namespace

Result<PngInfo> readPngInfo(std::string_view bytes)
{
    const auto png = readContents(bytes, true);
    if (!png)
        return Result<PngInfo>::failure(png.error());
    const Header& header = png->header;
    return PngInfo{int(header.width), int(header.height), header.indexed(), header.alpha()};
}

Result<Picture> decodePng(std::string_view bytes)
{
    auto png = readContents(bytes, false);
    if (!png)
        return Result<Picture>::failure(png.error());
    const Header& header = png->header;
    if (header.indexed())
        return Picture(IndexedImage{int(header.width), int(header.height), std::move(png->pixels), png->palette});
    return Picture(TrueColourImage{int(header.width), int(header.height), header.alpha(), std::move(png->pixels)});
}

Result<std::string> encodePng(const IndexedImage& image, bool transparentZero)
{
    if (image.pixels.size() != std::size_t(image.width) * std::size_t(std::max(image.height, 0)))
        return Result<std::string>::failure("the picture's pixels do not match its size");
    return write({image.width, image.height, PNG_COLOR_TYPE_PALETTE, image.pixels.data(), std::size_t(image.width),
                  &image.palette, transparentZero});
}

Result<std::string> encodePng(const TrueColourImage& image)
{
    const std::size_t count = std::size_t(image.width) * std::size_t(std::max(image.height, 0));
    if (image.rgba.size() != count * 4)
        return Result<std::string>::failure("the picture's pixels do not match its size");
    if (image.hasAlpha)
        return write({image.width, image.height, PNG_COLOR_TYPE_RGB_ALPHA, image.rgba.data(),
                      std::size_t(image.width) * 4, nullptr, false});
    std::vector<std::uint8_t> rgb(count * 3);
    for (std::size_t i = 0; i < count; ++i)
        std::copy_n(image.rgba.begin() + std::ptrdiff_t(i * 4), 3, rgb.begin() + std::ptrdiff_t(i * 3));
    return write(
        {image.width, image.height, PNG_COLOR_TYPE_RGB, rgb.data(), std::size_t(image.width) * 3, nullptr, false});
}

} // namespace sfflib
