#include "sff_codecs.h"

#include "result.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <png.h>

namespace sfflib {

namespace {

// Reads a compressed stream one byte at a time and fails cleanly at its end.
class Stream {
public:
    Stream(std::string_view data, const char* format) : m_data(data), m_format(format) {}
    bool atEnd() const { return m_pos >= m_data.size(); }
    std::uint8_t next()
    {
        if (atEnd())
            throw FormatError(std::string(m_format) + " data ends before the image is complete");
        return static_cast<std::uint8_t>(m_data[m_pos++]);
    }

private:
    std::string_view m_data;
    const char* m_format;
    std::size_t m_pos = 0;
};

class Output {
public:
    explicit Output(std::size_t size) : m_pixels(size) {}
    bool full() const { return m_pos == m_pixels.size(); }
    void fill(std::uint8_t value, std::size_t count)
    {
        count = std::min(count, m_pixels.size() - m_pos);
        std::fill_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(m_pos), count, value);
        m_pos += count;
    }
    // Copies byte by byte so that a copy may overlap what it writes.
    void copyBack(std::size_t distance, std::size_t count)
    {
        if (distance > m_pos)
            throw FormatError("LZ5 data refers to pixels before the start of the image");
        count = std::min(count, m_pixels.size() - m_pos);
        for (std::size_t i = 0; i < count; ++i, ++m_pos)
            m_pixels[m_pos] = m_pixels[m_pos - distance];
    }
    std::vector<std::uint8_t> take() { return std::move(m_pixels); }

private:
    std::vector<std::uint8_t> m_pixels;
    std::size_t m_pos = 0;
};

} // namespace

std::vector<std::uint8_t> decodeRle8(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "RLE8");
    Output out(pixelCount);
    while (!out.full()) {
        const std::uint8_t b = in.next();
        if ((b & 0xC0) == 0x40)
            out.fill(in.next(), b & 0x3F);
        else
            out.fill(b, 1);
    }
    return out.take();
}

std::vector<std::uint8_t> decodeRle5(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "RLE5");
    Output out(pixelCount);
    while (!out.full()) {
        const std::size_t runLength = in.next();
        const std::uint8_t flagAndCount = in.next();
        const std::uint8_t colour = (flagAndCount & 0x80) ? in.next() : 0;
        out.fill(colour, runLength + 1);
        for (int d = flagAndCount & 0x7F; d > 0; --d) {
            const std::uint8_t b = in.next();
            out.fill(b & 0x1F, (b >> 5) + 1u);
        }
    }
    return out.take();
}

std::vector<std::uint8_t> decodeLz5(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "LZ5");
    Output out(pixelCount);
    std::uint8_t gathered = 0; // top bits of short copies, two per copy
    int gatheredCount = 0;
    while (!out.full()) {
        const std::uint8_t control = in.next();
        for (int bit = 0; bit < 8 && !out.full(); ++bit) {
            const std::uint8_t b = in.next();
            if (control & (1u << bit)) {
                std::size_t distance;
                std::size_t length;
                if ((b & 0x3F) == 0) {
                    distance = ((std::size_t(b) << 2) | in.next()) + 1;
                    length = std::size_t(in.next()) + 3;
                } else {
                    length = (b & 0x3Fu) + 1;
                    gathered |= static_cast<std::uint8_t>((b & 0xC0) >> gatheredCount);
                    gatheredCount += 2;
                    if (gatheredCount < 8) {
                        distance = std::size_t(in.next()) + 1;
                    } else {
                        distance = std::size_t(gathered) + 1;
                        gathered = 0;
                        gatheredCount = 0;
                    }
                }
                out.copyBack(distance, length);
            } else {
                std::size_t count = b >> 5;
                if (count == 0)
                    count = std::size_t(in.next()) + 8;
                out.fill(b & 0x1F, count);
            }
        }
    }
    return out.take();
}

namespace {

struct PngSource {
    std::string_view data;
    std::size_t pos = 0;
};

void readFromMemory(png_structp png, png_bytep dest, png_size_t length)
{
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > src->data.size() - src->pos)
        png_error(png, "PNG data ends early");
    std::copy_n(src->data.data() + src->pos, length, dest);
    src->pos += length;
}

void ignoreWarning(png_structp, png_const_charp) {}

// Everything libpng touches lives in plain storage here: it leaves by longjmp
// on error, which must not skip a C++ destructor.
struct PngRead {
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[160] = {};
};

void recordError(png_structp png, png_const_charp text)
{
    auto* state = static_cast<PngRead*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", text);
    png_longjmp(png, 1);
}

// Returns false with state.message set on failure. Everything it changes
// after setjmp belongs to the caller, so nothing is left indeterminate by a
// jump back.
bool readPng(PngRead& state, PngSource& source, std::vector<png_bytep>& rows, std::vector<std::uint8_t>& pixels,
             int& width, int& height)
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
    png_set_user_limits(state.png, 8192, 8192);
    png_read_info(state.png, state.info);
    const png_uint_32 w = png_get_image_width(state.png, state.info);
    const png_uint_32 h = png_get_image_height(state.png, state.info);
    const int colourType = png_get_color_type(state.png, state.info);
    const int depth = png_get_bit_depth(state.png, state.info);
    if ((colourType != PNG_COLOR_TYPE_PALETTE && colourType != PNG_COLOR_TYPE_GRAY) || depth > 8) {
        std::snprintf(state.message, sizeof state.message, "the PNG image is not an 8-bit palette image");
        return false;
    }
    if (depth < 8)
        png_set_packing(state.png);
    png_set_interlace_handling(state.png);
    png_read_update_info(state.png, state.info);
    pixels.assign(std::size_t(w) * h, 0);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = pixels.data() + std::size_t(y) * w;
    png_read_image(state.png, rows.data());
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

} // namespace

std::vector<std::uint8_t> decodePng8(std::string_view data, int& width, int& height)
{
    PngRead state;
    PngSource source{data};
    std::vector<png_bytep> rows;
    std::vector<std::uint8_t> pixels;
    const bool ok = readPng(state, source, rows, pixels, width, height);
    png_destroy_read_struct(state.png ? &state.png : nullptr, state.info ? &state.info : nullptr, nullptr);
    if (!ok)
        throw FormatError(std::string("PNG: ") + (state.message[0] ? state.message : "cannot be read"));
    return pixels;
}

} // namespace sfflib
