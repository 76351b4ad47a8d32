#include "image/pcx.h"

#include "common/hex_offset.h"
#include "common/text.h"
#include "formats/pcx_header.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VANTREL_PCX_AVX2 1
#endif

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

// One run of the data at data[p] (its count byte, both top bits set, then
// its colour) into the row at column x. A run that would pass the end of the
// row is cut at the header width; the rest of it is dropped, never carried to
// the next row. `wide` stores whole blocks of 16 or 64 bytes (the row needs
// 64 bytes of buffer past L); otherwise every store is exact.
template <bool wide>
inline void runInto(const std::uint8_t* data, std::size_t& p, std::uint8_t* out, int& x, int L, int width)
{
    const std::uint8_t value = data[p + 1];
    int n = data[p] & 0x3F;
    p += 2;
    if (x + n > L) {
        n = width - x;
        if (n > 0)
            std::memset(out + x, value, static_cast<std::size_t>(n));
    } else if (!wide) {
        std::memset(out + x, value, static_cast<std::size_t>(n));
    } else if (n <= 16) {
        std::memset(out + x, value, 16);
    } else {
        std::memset(out + x, value, 64);
    }
    x += n;
}

// The fast part of a row: runs stored as whole blocks of 16 or 64 bytes and
// pixels eight at a time, which costs no more than their own length. The
// bytes stored past them are written again by the rest of the row (and the
// padding and the next row by theirs), so this needs 64 bytes of buffer past
// L, and data to read ahead: it stops at `readAhead` (which leaves 32 bytes
// after p) and when the row is done, and returns the column reached.
using FastRow = int (*)(const std::uint8_t* data, std::size_t& p, std::size_t readAhead, std::uint8_t* out, int L,
                        int width);

int fastRowPlain(const std::uint8_t* data, std::size_t& p, std::size_t readAhead, std::uint8_t* out, int L, int width)
{
    int x = 0;
    while (x < L && p < readAhead) {
        if (data[p] >= 0xC0) {
            runInto<true>(data, p, out, x, L, width);
            continue;
        }
        const int k = std::min(pixelBytesAhead(data + p), L - x);
        std::memcpy(out + x, data + p, 8);
        x += k;
        p += static_cast<std::size_t>(k);
    }
    return x;
}

#ifdef VANTREL_PCX_AVX2

// Where the bytes of a span of eight lie once the marked ones are dropped,
// in order, for a byte shuffle (byte i of the entry is the place of the
// i-th byte kept); the rest of the eight are zeros (0x80).
constexpr std::array<std::uint64_t, 256> kKeep = [] {
    std::array<std::uint64_t, 256> table{};
    for (unsigned mask = 0; mask < 256; ++mask) {
        unsigned n = 0;
        for (unsigned i = 0; i < 8; ++i) {
            if (!(mask >> i & 1u))
                table[mask] |= std::uint64_t(i) << (8 * n++);
        }
        for (; n < 8; ++n)
            table[mask] |= std::uint64_t(0x80) << (8 * n);
    }
    return table;
}();

// Of the marked bytes (both top bits set) of a span that starts with a run's
// count or a pixel, those that start a run: in each stretch of marked bytes
// the first, third, fifth and so on, as the byte after a run's count is its
// colour, whatever its value. A stretch is cleared by adding its lowest bit,
// which sorts the stretches by the parity of their start. A bit a byte, in
// an unsigned number of the span's width (32 or 64 bytes).
template <typename Bits> inline Bits runStarts(Bits marked)
{
    constexpr auto even = static_cast<Bits>(0x5555555555555555u);
    const Bits firsts = marked & ~(marked << 1);
    const Bits fromOdd = (marked + (firsts & even)) & marked;
    const Bits fromEven = marked & ~fromOdd;
    return (fromEven & even) | (fromOdd & ~even);
}

// The item of `word` at byte `at`, a run or a single pixel: its length into
// n, `at` moved past it; returns the place of its colour (the pixel itself).
[[gnu::always_inline]] inline unsigned nextItem(std::uint64_t word, unsigned& at, int& n)
{
    const auto first = static_cast<unsigned>(word >> (8 * at)) & 0xFFu;
    const unsigned run = first >= 0xC0 ? 1 : 0;
    n = run != 0 ? static_cast<int>(first & 0x3F) : 1;
    const unsigned colourAt = at + run;
    at += 1 + run;
    return colourAt;
}

// A run as 64 bytes of its colour, the byte of `bytes` at index `c`
// (picked by a byte shuffle): two 32-byte stores.
[[gnu::target("avx2,bmi,popcnt"), gnu::always_inline]] inline void fillRun(std::uint8_t* at, __m256i bytes, unsigned c)
{
    const __m256i colour = _mm256_shuffle_epi8(bytes, _mm256_set1_epi8(static_cast<char>(c)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), colour);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(at + 32), colour);
}

// Four runs with their colours in the bytes of `word`.
[[gnu::target("avx2,bmi,popcnt"), gnu::always_inline]] inline void
fillRunsAvx2(std::uint64_t word, std::uint8_t* a0, unsigned c0, std::uint8_t* a1, unsigned c1, std::uint8_t* a2,
             unsigned c2, std::uint8_t* a3, unsigned c3)
{
    const __m256i bytes = _mm256_set1_epi64x(static_cast<long long>(word));
    fillRun(a0, bytes, c0);
    fillRun(a1, bytes, c1);
    fillRun(a2, bytes, c2);
    fillRun(a3, bytes, c3);
}

// Four items from the eight data bytes at p, runs (a count, then a colour)
// and single pixels mixed, each stored as a block of 64 bytes whatever its
// length: a choice by length or kind would go wrong on the mixed items of
// drawn pictures, and the stores cost less than that. False, with nothing
// done, when they would reach the end of the row.
[[gnu::target("avx2,bmi,popcnt"), gnu::always_inline]] inline bool fourItems(const std::uint8_t* data, std::size_t& p,
                                                                             std::uint8_t* out, int& x, int L)
{
    std::uint64_t word = 0;
    std::memcpy(&word, data + p, sizeof word);
    unsigned at = 0;
    int n0 = 0, n1 = 0, n2 = 0, n3 = 0;
    const unsigned c0 = nextItem(word, at, n0);
    const unsigned c1 = nextItem(word, at, n1);
    const unsigned c2 = nextItem(word, at, n2);
    const unsigned c3 = nextItem(word, at, n3);
    const int x1 = x + n0;
    const int x2 = x1 + n1;
    const int x3 = x2 + n2;
    const int x4 = x3 + n3;
    if (x4 >= L)
        return false;
    fillRunsAvx2(word, out + x, c0, out + x1, c1, out + x2, c2, out + x3, c3);
    x = x4;
    p += at;
    return true;
}

// Pixels, runs of one and runs of two gathered 64 data bytes at a time with
// AVX-512 and its byte compression (VBMI2), from p on while they last (p
// below `gatherAhead` leaves 65 bytes to read): a run of one drops its count,
// a run of two puts its colour in place of its count, as it takes two bytes
// for two pixels. Where the row ends within the 64 bytes, the bytes up to
// its last pixel are taken; when that is the first of a run of two, the
// bytes before the run.
[[gnu::target("avx512f,avx512bw,avx512vbmi2,avx2,bmi,bmi2,popcnt"), gnu::noinline]] void
gatherAvx512(const std::uint8_t* data, std::size_t& position, std::size_t gatherAhead, std::uint8_t* out, int& column,
             int L)
{
    const __m512i topBits = _mm512_set1_epi8(static_cast<char>(0xC0));
    const __m512i runOfOne = _mm512_set1_epi8(static_cast<char>(0xC1));
    const __m512i runOfTwo = _mm512_set1_epi8(static_cast<char>(0xC2));
    std::size_t p = position;
    int x = column;
    do {
        const __m512i bytes = _mm512_loadu_si512(data + p);
        const std::uint64_t starts = runStarts<std::uint64_t>(_mm512_cmpge_epu8_mask(bytes, topBits));
        const std::uint64_t ones = starts & _mm512_cmpeq_epi8_mask(bytes, runOfOne);
        const std::uint64_t twos = starts & _mm512_cmpeq_epi8_mask(bytes, runOfTwo);
        // Taken: the bytes before the first other run, or before a run
        // whose colour lies past the 64 bytes.
        const std::uint64_t stop = (starts & ~(ones | twos)) | (starts & (1ull << 63));
        const int taken = stop != 0 ? std::countr_zero(stop) : 64;
        if (taken == 0)
            break;
        const std::uint64_t kept = (taken == 64 ? ~0ull : (1ull << taken) - 1u) & ~ones;
        const int pixels = std::popcount(kept);
        const __m512i filled = _mm512_mask_mov_epi8(bytes, twos, _mm512_loadu_si512(data + p + 1));
        // All 64 stored: what lies past the pixels taken is written again by what follows.
        _mm512_storeu_si512(out + x, _mm512_maskz_compress_epi8(kept, filled));
        if (x + pixels >= L) {
            // The byte of the row's last pixel.
            const std::uint64_t last = _pdep_u64(1ull << (L - x - 1), kept);
            if ((last & twos) != 0) {
                const int before = std::countr_zero(last);
                x += std::popcount(kept & ((1ull << before) - 1u));
                p += static_cast<std::size_t>(before);
                break;
            }
            p += static_cast<std::size_t>(std::countr_zero(last)) + 1;
            x = L;
            break;
        }
        x += pixels;
        p += static_cast<std::size_t>(taken);
    } while (p < gatherAhead && (data[p] < 0xC0 || data[p] == 0xC1 || data[p] == 0xC2));
    position = p;
    column = x;
}

// The fast part of a row (as fastRowPlain) with vector instructions. Drawn
// pictures are mostly runs, with a single pixel here and there: four items,
// runs and pixels mixed, are taken at once from eight data bytes, with no
// choice by kind or length. Single pixels and runs of one (0xC1, the way
// writers store a pixel of 0xC0 and above), which make up pictures without
// long runs such as photographs and noise, are gathered 32 data bytes at a
// time by dropping their count bytes with a byte shuffle; with `wide`, by
// gatherAvx512() instead while 65 bytes of data are left.
template <bool wide>
[[gnu::target("avx2,bmi,popcnt")]] int fastRowVector(const std::uint8_t* data, std::size_t& position,
                                                     std::size_t readAhead, std::uint8_t* out, int L, int width)
{
    const __m256i topBits = _mm256_set1_epi8(static_cast<char>(0xC0));
    const __m256i runOfOne = _mm256_set1_epi8(static_cast<char>(0xC1));
    const std::size_t gatherAhead = readAhead > 33 ? readAhead - 33 : 0;
    std::size_t p = position;
    int x = 0;
    while (x < L && p < readAhead) {
        // Runs, and a pixel or two before runs, four items at a time.
        if ((data[p] >= 0xC0 && data[p] != 0xC1) || (data[p] < 0xC0 && pixelBytesAhead(data + p) < 3)) {
            if (fourItems(data, p, out, x, L))
                continue;
            // The last items of the row: one at a time.
            while (x < L && p < readAhead) {
                if (data[p] >= 0xC0)
                    runInto<true>(data, p, out, x, L, width);
                else
                    out[x++] = data[p++];
            }
            break;
        }
        if (data[p] != 0xC1) {
            const int k = std::min(pixelBytesAhead(data + p), L - x);
            std::memcpy(out + x, data + p, 8);
            x += k;
            p += static_cast<std::size_t>(k);
            if (x >= L || p >= readAhead)
                continue;
            // Gathered from a run of one, or (wide) from more pixels.
            if (wide ? data[p] >= 0xC0 && data[p] != 0xC1 : data[p] != 0xC1)
                continue;
        }
        if constexpr (wide) {
            if (p < gatherAhead) {
                gatherAvx512(data, p, gatherAhead, out, x, L);
                continue;
            }
        }
        // Pixels and runs of one: 32 bytes at a time while they last.
        do {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + p));
            const auto marked = static_cast<std::uint32_t>(
                _mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_and_si256(bytes, topBits), topBits)));
            const std::uint64_t starts = runStarts(marked);
            const auto ones = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, runOfOne)));
            // Taken: the bytes before the first longer run, or before a run
            // whose colour lies past the 32 bytes, never a count without its colour.
            const std::uint64_t stop = (starts & ~std::uint64_t(ones)) | (starts & 0x80000000u) | (1ull << 32);
            const int taken = std::countr_zero(stop | (stop >> 1 & starts));
            if (taken == 0) { // an empty run, 0xC0
                runInto<true>(data, p, out, x, L, width);
                break;
            }
            const std::uint64_t counts = starts & ((1ull << taken) - 1u);
            const int pixels = taken - std::popcount(counts);
            if (x + pixels > L) {
                position = p; // the row ends inside these bytes: the careful decoding finishes it
                return x;
            }
            // Each eight bytes gathered at the start of its own eight; the
            // second of each sixteen shuffles within the upper half of them.
            constexpr std::uint64_t upper = 0x0808080808080808u;
            const std::uint64_t secondPlaces = kKeep[starts >> 8 & 0xFF] + upper;
            const std::uint64_t fourthPlaces = kKeep[starts >> 24 & 0xFF] + upper;
            const __m256i places = _mm256_setr_epi64x(
                static_cast<long long>(kKeep[starts & 0xFF]), static_cast<long long>(secondPlaces),
                static_cast<long long>(kKeep[starts >> 16 & 0xFF]), static_cast<long long>(fourthPlaces));
            const __m256i kept = _mm256_shuffle_epi8(bytes, places);
            const __m128i first = _mm256_castsi256_si128(kept);
            const __m128i second = _mm256_extracti128_si256(kept, 1);
            const int at1 = x + 8 - std::popcount(starts & 0xFF);
            const int at2 = at1 + 8 - std::popcount(starts >> 8 & 0xFF);
            const int at3 = at2 + 8 - std::popcount(starts >> 16 & 0xFF);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), first);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at1), _mm_srli_si128(first, 8));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at2), second);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at3), _mm_srli_si128(second, 8));
            x += pixels;
            p += static_cast<std::size_t>(taken);
        } while (x < L && p < readAhead && data[p] < 0xC2);
    }
    position = p;
    return x;
}

PcxInstructions bestInstructions()
{
    __builtin_cpu_init();
    const bool avx2 =
        __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
    if (!avx2)
        return PcxInstructions::Plain;
    const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")
        && __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2");
    return avx512 ? PcxInstructions::Avx512 : PcxInstructions::Avx2;
}

#else

PcxInstructions bestInstructions()
{
    return PcxInstructions::Plain;
}

#endif

std::atomic<PcxInstructions> instructions{bestInstructions()};

// The row decoding for a picture of `pixels` (L columns a row) in
// `dataSize` bytes. The 64-byte gathering pays where pixels and short runs
// make up much of the data (photographs, noise, small drawn pictures), as
// their data takes half a byte a pixel or more; in pictures made mostly of
// long runs it would only interrupt the runs, which go as with AVX2.
FastRow fastRowFunction(std::size_t dataSize, std::size_t pixels)
{
    switch (instructions.load(std::memory_order_relaxed)) {
#ifdef VANTREL_PCX_AVX2
    case PcxInstructions::Avx512: return dataSize * 2 >= pixels ? fastRowVector<true> : fastRowVector<false>;
    case PcxInstructions::Avx2: return fastRowVector<false>;
#endif
    default: return fastRowPlain;
    }
}

// Decodes the rows into image.pixels, every byte of them: the L columns, and
// zeros in the padding up to the stride. Returns the number of rows finished:
// fewer than the height when the data ends first.
// Runs never reach past the width (see runInto), and each row ends exactly
// at L with every column written.
int runLengthDecode(const std::string& bytes, DecodedImage& image)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data()) + kPcxHeaderSize;
    const std::size_t size = bytes.size() - kPcxHeaderSize;
    const int L = image.rowLength;
    const int width = image.width;
    std::uint8_t* const end = image.pixels.data() + image.pixels.size();
    const FastRow fastRow = fastRowFunction(size, static_cast<std::size_t>(L) * static_cast<std::size_t>(image.height));
    // Below this the data has room to read 32 bytes ahead.
    const std::size_t readAhead = size > 32 ? size - 32 : 0;
    std::size_t p = 0;
    for (int row = 0; row < image.height; ++row) {
        std::uint8_t* out = image.pixels.data() + static_cast<std::size_t>(row) * image.stride;
        int x = 0;
        if (end - out - L >= 64)
            x = fastRow(data, p, readAhead, out, L, width);
        // The rest (the last rows, the end of the data, the end of a row
        // after a block of pixels) byte by byte, every read checked and every
        // store exact.
        while (x < L) {
            if (p >= size)
                return row;
            if (data[p] < 0xC0) {
                out[x++] = data[p++];
                continue;
            }
            if (p + 1 >= size)
                return row;
            runInto<false>(data, p, out, x, L, width);
        }
        std::fill(out + L, out + image.stride, 0);
    }
    return image.height;
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

PcxInstructions setPcxInstructions(PcxInstructions wanted)
{
    const PcxInstructions taken = std::min(wanted, bestInstructions());
    instructions.store(taken, std::memory_order_relaxed);
    return taken;
}

PcxInstructions pcxInstructions()
{
    return instructions.load(std::memory_order_relaxed);
}

PcxStatus decodePcx(DecoderState& state, const std::string& bytes, int paletteMode, int flip, const Palette* working,
                    const SpriteViewOptions* view)
{
    state.refusal = {};
    const auto refuse = [&state](Message why) {
        state.refusal = std::move(why);
        return PcxStatus::Refused;
    };
    const auto header = readPcxHeader(bytes);
    if (!header)
        return refuse({QT_TRANSLATE_NOOP("Messages", "the file is %1 bytes long, shorter than the %2-byte PCX header"),
                       {std::to_string(bytes.size()), std::to_string(kPcxHeaderSize)}});
    if (header->bitsPerPixel != 8)
        return refuse({QT_TRANSLATE_NOOP("Messages", "%1-bit PCX (only 8-bit pictures with a palette are read)"),
                       {std::to_string(header->bitsPerPixel)}});
    if (header->planes != 1)
        return PcxStatus::NoPicture;

    const Geometry g = geometryOf(*header);
    if (g.width <= 0 || g.height <= 0)
        return refuse({QT_TRANSLATE_NOOP("Messages", "the header gives a picture of %1 x %2 pixels"),
                       {std::to_string(g.width), std::to_string(g.height)}});
    if (g.rowLength <= 0 || g.width > g.rowLength)
        return refuse({QT_TRANSLATE_NOOP("Messages", "the header gives %1 bytes per line for a picture %2 pixels wide"),
                       {std::to_string(g.rowLength), std::to_string(g.width)}});
    if (!dataCanFill(g, bytes.size() - kPcxHeaderSize))
        return refuse(
            {QT_TRANSLATE_NOOP(
                 "Messages",
                 "the header promises %1 rows of %2 bytes, more than the %3 bytes of data after it can hold"),
             {std::to_string(g.height), std::to_string(g.rowLength), std::to_string(bytes.size() - kPcxHeaderSize)}});

    DecodedImage image;
    image.width = g.width;
    image.height = g.height;
    image.rowLength = g.rowLength;
    image.stride = ((g.rowLength * 8 + 31) & ~31) / 8;
    image.pixels = rowBuffer(state, static_cast<std::size_t>(image.stride) * static_cast<std::size_t>(image.height));
    const int rows = runLengthDecode(bytes, image);
    if (rows < image.height) {
        state.spareBuffer = std::move(image.pixels);
        return refuse({QT_TRANSLATE_NOOP("Messages", "truncated: the picture data ends at offset %1 in row %2 of %3"),
                       {hexOffset(bytes.size()), std::to_string(rows + 1), std::to_string(image.height)}});
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
    if (!readFileInto(path, state.fileBytes)) {
        state.refusal = Message(QT_TRANSLATE_NOOP("Messages", "the file cannot be read"));
        return PcxStatus::Refused;
    }
    return decodePcx(state, state.fileBytes, paletteMode, flip, working, view);
}

} // namespace vantrel
