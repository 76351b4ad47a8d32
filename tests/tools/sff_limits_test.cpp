// The readers take memory in proportion to what they read: a small file
// that claims a huge picture is refused, with the reason, before the
// picture's memory is taken; a genuine big picture that packs well, and
// an interlaced PNG, still decode.

#include "fixtures.h"

#include "formats/png.h"
#include "formats/sff_codecs.h"
#include "formats/sff_pcx.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <iostream>

using namespace sfflib;
using namespace sfftest;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizedAddresses = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitizedAddresses = true;
#else
constexpr bool kSanitizedAddresses = false;
#endif
#else
constexpr bool kSanitizedAddresses = false;
#endif

std::size_t addressSpaceNow()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// Runs `work` in a child process that may take at most `megabytes` more
// address space than it had at the fork, and gives back its exit code:
// work's result, 98 when memory ran out, -1 when the child died.
int withMemoryLimit(std::size_t megabytes, const std::function<int()>& work)
{
    const rlim_t limit = addressSpaceNow() + (megabytes << 20);
    std::cout.flush();
    std::cerr.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit bounded{limit, limit};
        ::setrlimit(RLIMIT_AS, &bounded);
        int code = 97;
        try {
            code = work();
        } catch (const std::bad_alloc&) {
            code = 98;
        } catch (...) { }
        std::cerr.flush();
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a reader says when it refuses its input; empty when it does not.
using Refusal = std::function<std::string()>;

template <typename Decode> Refusal thrownBy(Decode decode)
{
    return [decode] {
        try {
            decode();
        } catch (const FormatError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
}

// A PCX header for `width` x `height` pixels, then `data` and a palette.
std::string pcxClaiming(int width, int height, const std::string& data)
{
    std::string bytes(128, '\0');
    bytes[0] = 0x0A;
    bytes[1] = 5;
    bytes[2] = 1;
    bytes[3] = 8;
    bytes = patched(bytes, 8, std::uint64_t(width - 1), 2);
    bytes = patched(bytes, 10, std::uint64_t(height - 1), 2);
    bytes[65] = 1;
    bytes = patched(bytes, 66, std::uint64_t(width), 2);
    return bytes + data + '\x0C' + std::string(768, '\x01');
}

// An interlaced PNG of 8-bit palette indices (with `palette`) or of RGBA
// pixels (without).
std::string interlacedPng(int width, int height, const std::vector<std::uint8_t>& pixels, const Palette* palette)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const auto append = [](png_structp p, png_bytep data, png_size_t length) {
        static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), length);
    };
    png_set_write_fn(png, &out, append, [](png_structp) {});
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                 palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colours(256);
    if (palette) {
        for (std::size_t i = 0; i < 256; ++i)
            colours[i] = {(*palette)[i * 3], (*palette)[i * 3 + 1], (*palette)[i * 3 + 2]};
        png_set_PLTE(png, info, colours.data(), 256);
    }
    const std::size_t rowBytes = std::size_t(width) * (palette ? 1 : 4);
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(pixels.data() + std::size_t(y) * rowBytes);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

// The fuzzers' find: 188 bytes of SFF v2 whose PNG claims 8192 x 8192 RGBA
// (256 MB), and small data of every other codec claiming the same. Each is
// refused with a sentence naming the sizes, in a process that could not
// even hold a quarter of the picture it claims.
TEST(SffLimits, ClaimedSizesAreRefusedBeforeTheirMemoryIsTaken)
{
    const std::string archive =
        readBytes(std::string(VANTREL_SOURCE_DIR) + "/fuzz/regressions/sff/png-header-claims-8192x8192-rgba.sff");
    ASSERT_EQ(archive.size(), 188u);
    const std::string png = archive.substr(archive.find("\x89PNG"));
    const std::size_t claimed = 8192 * 8192;
    const std::string someBytes("\x41\x07\x02\x81\x05\x00\x01\x02", 8);
    const struct {
        const char* name;
        Refusal refusal;
        std::string mention;
    } cases[] = {
        {"the archive",
         [&] {
             auto reader = SffReader::open(archive);
             return reader ? reader->decode(0).error() : reader.error();
         },
         "8192 x 8192"},
        {"its PNG", [&] { return decodePng(png).error(); }, "cannot hold"},
        {"its PNG's header", [&] { return readPngInfo(png).error(); }, "cannot hold"},
        {"RLE8", thrownBy([&] { decodeRle8(someBytes, claimed); }), "cannot make"},
        {"RLE5", thrownBy([&] { decodeRle5(someBytes, claimed); }), "cannot make"},
        {"LZ5", thrownBy([&] { decodeLz5(someBytes, claimed); }), "cannot make"},
        {"PCX", [&] { return decodePcx(pcxClaiming(8192, 8192, someBytes)).error(); }, "cannot hold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string error = c.refusal();
        EXPECT_NE(error.find(c.mention), std::string::npos) << error;
        if (kSanitizedAddresses)
            continue; // its shadow memory takes more address space than any limit
        const int code = withMemoryLimit(64, [&] {
            const std::string limited = c.refusal();
            if (limited.find(c.mention) != std::string::npos)
                return 0;
            std::cerr << "refused with: " << limited << "\n";
            return 1;
        });
        EXPECT_EQ(code, 0) << "98: memory ran out; 1: another refusal; -1: the process died";
    }
}

// Pictures near the most deflate can pack (about 1000 to 1) are genuine and
// decode; so do interlaced PNGs of every size, whose seven passes arrive one
// after another and are put together at the end.
TEST(SffLimits, BigAndInterlacedPngsStillDecode)
{
    const Palette palette = makePalette(5);
    IndexedImage flat{4096, 4096, std::vector<std::uint8_t>(4096 * 4096, 9), palette};
    flat.pixels[12345] = 3;
    const auto flatPng = encodePng(flat);
    ASSERT_TRUE(flatPng);
    EXPECT_LT(flatPng->size(), flat.pixels.size() / 500) << "the picture packs less well than meant";
    const auto flatBack = decodePng(*flatPng);
    ASSERT_TRUE(flatBack) << flatBack.error();
    EXPECT_TRUE(std::get<IndexedImage>(*flatBack) == flat);

    TrueColourImage sky{2048, 2048, true, std::vector<std::uint8_t>(2048 * 2048 * 4, 200)};
    const auto skyPng = encodePng(sky);
    ASSERT_TRUE(skyPng);
    const auto skyBack = decodePng(*skyPng);
    ASSERT_TRUE(skyBack) << skyBack.error();
    EXPECT_TRUE(std::get<TrueColourImage>(*skyBack) == sky);

    for (const auto& [width, height] : {std::pair{1, 1}, {2, 1}, {1, 9}, {3, 2}, {13, 7}, {37, 29}, {64, 64}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const IndexedImage indexed = makePicture(width, height, 8);
        const auto indexedBack = decodePng(interlacedPng(width, height, indexed.pixels, &indexed.palette));
        ASSERT_TRUE(indexedBack) << indexedBack.error();
        EXPECT_TRUE(std::get<IndexedImage>(*indexedBack) == indexed);

        const TrueColourImage rgba{width, height, true, makeRgba(width, height, 2)};
        const auto rgbaBack = decodePng(interlacedPng(width, height, rgba.rgba, nullptr));
        ASSERT_TRUE(rgbaBack) << rgbaBack.error();
        EXPECT_TRUE(std::get<TrueColourImage>(*rgbaBack) == rgba);
    }
}
