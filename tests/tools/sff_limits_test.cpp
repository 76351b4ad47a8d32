// The readers take memory in proportion to what they read: a small file
// that claims a huge picture is refused, with the reason, before the
// picture's memory is taken; a genuine big picture that packs well, and
// an interlaced PNG, still decode.

#include "fixtures.h"

#include "formats/png.h"
#include "formats/sff_codecs.h"
#include "formats/sff_pcx.h"
#include "sprite_tools/sprite_tools.h"

#include <fcntl.h>
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

constexpr std::size_t kMegabyte = 1 << 20;

std::size_t addressSpaceNow()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// A figure of /proc/self/status given in kB (such as "VmHWM", the peak
// resident memory), in bytes; 0 when it is missing.
std::size_t statusFigure(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ":", 0) == 0)
            return std::stoull(line.substr(name.size() + 1)) * 1024;
    return 0;
}

// Makes the process's peak resident memory its present one, so that the
// peak read later is what was taken since.
bool restartPeakMemory()
{
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY);
    const bool done = fd >= 0 && ::write(fd, "5", 1) == 1;
    if (fd >= 0)
        ::close(fd);
    return done;
}

struct ChildRun {
    // work's result; 98 when memory ran out, 97 when it threw anything else,
    // 96 when its memory could not be measured, -1 when the child died.
    int code = -1;
    // The most resident memory the work held on top of what the child had
    // before it started.
    std::size_t peakGrowth = 0;
};

// Runs `work` in a child process and measures the resident memory it takes:
// the pages it wrote, in any build. Without AddressSanitizer the child may
// also take at most 64 MB more address space than it had at the fork, which
// catches memory taken but never written; with it, whose shadow memory takes
// more address space than any such limit, resident memory is the measure
// (freeing memory writes its shadow, so even what is taken unwritten shows).
ChildRun inChild(const std::function<int()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const rlim_t limit = addressSpaceNow() + 64 * kMegabyte;
    std::cout.flush();
    std::cerr.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (!kSanitizedAddresses) {
            const rlimit bounded{limit, limit};
            ::setrlimit(RLIMIT_AS, &bounded);
        }
        const bool restarted = restartPeakMemory();
        const std::size_t before = statusFigure("VmHWM");
        int code = 97;
        try {
            code = work();
        } catch (const std::bad_alloc&) {
            code = 98;
        } catch (...) { }
        const std::size_t peak = statusFigure("VmHWM");
        if (!restarted || before == 0 || peak == 0)
            code = 96;
        const std::size_t growth = peak > before ? peak - before : 0;
        const bool sent = ::write(channel[1], &growth, sizeof growth) == sizeof growth;
        std::cerr.flush();
        ::_exit(sent ? code : 96);
    }
    ::close(channel[1]);
    ChildRun run;
    if (child > 0) {
        if (::read(channel[0], &run.peakGrowth, sizeof run.peakGrowth) != sizeof run.peakGrowth)
            run.peakGrowth = 0;
        int status = 0;
        ::waitpid(child, &status, 0);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    ::close(channel[0]);
    return run;
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
// (256 MB), and small data of every other codec claiming 8192 x 8192 (64 MB).
// Each is refused with a sentence naming the sizes, and the refusal takes no
// more memory than a small genuine picture costs the same reader in the same
// build, with room for what the hostile file's bytes could really make.
TEST(SffLimits, ClaimedSizesAreRefusedBeforeTheirMemoryIsTaken)
{
    const std::string archive =
        readBytes(std::string(VANTREL_SOURCE_DIR) + "/fuzz/regressions/sff/png-header-claims-8192x8192-rgba.sff");
    ASSERT_EQ(archive.size(), 188u);
    const std::string png = archive.substr(archive.find("\x89PNG"));
    const std::size_t claimed = 8192 * 8192;
    const std::string someBytes("\x41\x07\x02\x81\x05\x00\x01\x02", 8);
    const std::string pcx = pcxClaiming(8192, 8192, someBytes);

    const IndexedImage small = makePicture(16, 16, 4);
    std::vector<std::uint8_t> below32 = small.pixels; // what LZ5 holds
    for (auto& v : below32)
        v %= 32;
    std::string rle5; // runs of 64 pixels, each with its colour
    std::vector<std::uint8_t> rle5Pixels;
    for (std::uint8_t colour : {5, 17, 0, 31}) {
        rle5 += std::string("\x3F\x80", 2) + char(colour);
        rle5Pixels.insert(rle5Pixels.end(), 64, colour);
    }
    const std::string truePng = encodeTrueColourPng(16, 16, makeRgba(16, 16, 1));
    const std::string trueArchive =
        makeSffV2({{0, 0, 16, 16, 0, 0, 0, 12, withSizePrefix(0, truePng)}}, {{{1, 2, 3, 4}}});
    TempDir dir; // for the unpacking sff2pcx does
    writeBytes(dir.file("hostile.sff"), archive);
    writeBytes(dir.file("genuine.sff"), trueArchive);

    const struct {
        const char* name;
        std::size_t fileSize;
        Refusal refusal;
        std::string mention;
        std::function<bool()> genuine; // the same reader on a picture its file really holds
    } cases[] = {
        {"the archive", archive.size(),
         [&] {
             auto reader = SffReader::open(archive);
             return reader ? reader->decode(0).error() : reader.error();
         },
         "8192 x 8192",
         [&] {
             auto reader = SffReader::open(trueArchive);
             return reader && reader->decode(0);
         }},
        {"the archive unpacked as sff2pcx does", archive.size(),
         [&] { return unpackSff(dir.file("hostile.sff"), dir.file("hostile"), dir.file("hostile.txt")).error(); },
         "8192 x 8192",
         [&] { return bool(unpackSff(dir.file("genuine.sff"), dir.file("genuine"), dir.file("genuine.txt"))); }},
        {"its PNG", png.size(), [&] { return decodePng(png).error(); }, "cannot hold",
         [&] { return bool(decodePng(truePng)); }},
        {"its PNG's header", png.size(), [&] { return readPngInfo(png).error(); }, "cannot hold",
         [&] { return bool(readPngInfo(truePng)); }},
        {"RLE8", someBytes.size(), thrownBy([&] { decodeRle8(someBytes, claimed); }), "cannot make",
         [&] { return decodeRle8(encodeRle8(small.pixels), small.pixels.size()) == small.pixels; }},
        {"RLE5", someBytes.size(), thrownBy([&] { decodeRle5(someBytes, claimed); }), "cannot make",
         [&] { return decodeRle5(rle5, rle5Pixels.size()) == rle5Pixels; }},
        {"LZ5", someBytes.size(), thrownBy([&] { decodeLz5(someBytes, claimed); }), "cannot make",
         [&] { return decodeLz5(encodeLz5(below32), below32.size()) == below32; }},
        {"PCX", pcx.size(), [&] { return decodePcx(pcx).error(); }, "cannot hold",
         [&] { return bool(decodePcx(encodePcx(small))); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string error = c.refusal();
        EXPECT_NE(error.find(c.mention), std::string::npos) << error;

        const ChildRun genuine = inChild([&] { return c.genuine() ? 0 : 1; });
        ASSERT_EQ(genuine.code, 0) << "1: the genuine picture did not decode; 96: memory could not be measured";
        const ChildRun refused = inChild([&] {
            const std::string message = c.refusal();
            if (message.find(c.mention) != std::string::npos)
                return 0;
            std::cerr << "refused with: " << message << "\n";
            return 1;
        });
        EXPECT_EQ(refused.code, 0) << "98: memory ran out; 1: another refusal; 96: memory could not be measured; "
                                      "-1: the process died";
        // Room for the allocator's own bookkeeping (and AddressSanitizer's
        // shadow and quarantine), and for the most any reader makes of a
        // byte (deflate: about 1032).
        const std::size_t allowed = genuine.peakGrowth + 4 * kMegabyte + c.fileSize * 1032;
        EXPECT_LE(refused.peakGrowth, allowed) << "the refusal took " << refused.peakGrowth / 1024
                                               << " kB; a genuine picture " << genuine.peakGrowth / 1024 << " kB";
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
