#include "formats/sff_sprite_list.h"

#include "formats/bytes.h"

#include "common/text.h"

#include <algorithm>
#include <new>

namespace sfflib {

namespace {

constexpr std::size_t v1HeaderSize = 512;
constexpr std::size_t v1SubfileHeaderSize = 32;
constexpr std::size_t v2SpriteNodeSize = 28;

// Version 1 chains its sprites: each subfile header gives the offset of the next.
std::vector<SpriteNumber> listV1(std::string_view bytes)
{
    const ByteReader file(bytes, "SFF");
    if (bytes.size() < v1HeaderSize)
        file.fail("the file is shorter than its header");
    const std::uint32_t count = file.u32(20, "header");
    std::uint64_t offset = file.u32(24, "header");
    std::vector<SpriteNumber> sprites;
    sprites.reserve(std::min<std::uint64_t>(count, bytes.size() / v1SubfileHeaderSize));
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader sub(bytes, "SFF sprite " + std::to_string(i));
        if (offset < v1HeaderSize || !file.holds(offset, v1SubfileHeaderSize))
            sub.fail("its offset " + std::to_string(offset) + " lies outside the file");
        const std::uint64_t next = sub.u32(offset, "header");
        sprites.push_back({sub.s16(offset + 12, "header"), sub.s16(offset + 14, "header")});
        // Offsets only grow, so a damaged chain cannot loop.
        if (i + 1 < count && next < offset + v1SubfileHeaderSize)
            sub.fail("the offset of the next sprite (" + std::to_string(next) + ") is out of order");
        offset = next;
    }
    return sprites;
}

std::vector<SpriteNumber> listV2(std::string_view bytes)
{
    const ByteReader file(bytes, "SFF");
    if (bytes.size() < 68)
        file.fail("the file is shorter than its header");
    const std::uint64_t tableAt = file.u32(36, "header");
    const std::uint32_t count = file.u32(40, "header");
    if (!file.holds(tableAt, std::uint64_t(count) * v2SpriteNodeSize))
        file.fail("the sprite table lies outside the file");
    std::vector<SpriteNumber> sprites(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = tableAt + std::uint64_t(i) * v2SpriteNodeSize;
        sprites[i] = {file.s16(at, "node"), file.s16(at + 2, "node")};
    }
    return sprites;
}

} // namespace

Result<std::vector<SpriteNumber>> readSffSpriteNumbers(std::string_view bytes)
{
    using R = Result<std::vector<SpriteNumber>>;
    if (bytes.size() < 16 || bytes.substr(0, 12) != std::string_view("ElecbyteSpr\0", 12))
        return R::failure("SFF: this is not an SFF sprite archive");
    const int major = static_cast<std::uint8_t>(bytes[15]);
    try {
        if (major == 1)
            return listV1(bytes);
        if (major == 2)
            return listV2(bytes);
    } catch (const FormatError& e) {
        return R::failure(e.what());
    } catch (const std::bad_alloc&) {
        return R::failure("SFF: the sprite table is too large to hold in memory");
    }
    return R::failure("SFF: version " + std::to_string(major) + " is not supported");
}

Result<std::vector<SpriteNumber>> readSffSpriteNumbersFile(const std::string& path)
{
    using R = Result<std::vector<SpriteNumber>>;
    const auto bytes = vantrel::readFileBytes(path);
    if (!bytes)
        return R::failure("cannot read " + path);
    auto sprites = readSffSpriteNumbers(*bytes);
    if (!sprites)
        return R::failure(path + ": " + sprites.error());
    return sprites;
}

} // namespace sfflib
