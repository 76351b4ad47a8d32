#include "formats/sff.h"

#include "formats/bytes.h"
#include "formats/sff_pcx.h"

#include "formats/pcx_header.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>
#include <set>
#include <unordered_map>

namespace sfflib {

namespace {

constexpr std::size_t fileHeaderSize = 512;
// The subfile header size in the file header is not reliable (real archives
// say 512 and use 32), so it is not read.
constexpr std::size_t subfileHeaderSize = 32;
constexpr char signature[12] = {'E', 'l', 'e', 'c', 'b', 'y', 't', 'e', 'S', 'p', 'r', '\0'};

std::string spriteContext(std::uint32_t index)
{
    return "SFF sprite " + std::to_string(index);
}

} // namespace

void SffReader::readTablesV1()
{
    const std::string_view bytes = m_bytes;
    const ByteReader file(bytes, "SFF");
    if (bytes.size() < fileHeaderSize)
        file.fail("the file is shorter than its header");
    const std::uint32_t count = file.u32(20, "header");
    std::uint64_t offset = file.u32(24, "header");

    // The picture whose palette block each sprite is drawn with (none: black).
    std::vector<std::size_t> paletteOwner;
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader sub(bytes, spriteContext(i));
        if (offset < fileHeaderSize || !file.holds(offset, subfileHeaderSize))
            sub.fail("its offset " + std::to_string(offset) + " lies outside the file");
        const std::uint32_t next = sub.u32(offset, "header");
        const std::uint32_t length = sub.u32(offset + 4, "header");
        Sprite sprite;
        sprite.axisX = sub.s16(offset + 8, "header");
        sprite.axisY = sub.s16(offset + 10, "header");
        sprite.group = sub.s16(offset + 12, "header");
        sprite.imageNo = sub.s16(offset + 14, "header");
        const std::uint16_t link = sub.u16(offset + 16, "header");
        const bool usesPreviousPalette = sub.u8(offset + 18, "header") == 1;
        const std::uint64_t dataStart = offset + subfileHeaderSize;
        const bool last = i + 1 == count;

        if (!last && (next < dataStart || next > bytes.size()))
            sub.fail("the offset of the next sprite (" + std::to_string(next)
                     + ") is out of order or outside the file");

        if (length == 0) {
            if (link >= i)
                sub.fail("it links to sprite " + std::to_string(link) + ", which does not come before it");
            sprite.image = m_sprites[link].image;
            paletteOwner.push_back(paletteOwner[link]);
        } else {
            // The length field is too large for sprites that reuse the
            // previous palette, so the next offset decides where the data ends.
            std::uint64_t dataEnd = last ? dataStart + length : next;
            if (dataEnd > bytes.size())
                dataEnd = bytes.size();
            if (dataEnd < dataStart)
                sub.fail("its data lies outside the file");
            Source source;
            source.offset = dataStart;
            source.length = dataEnd - dataStart;
            source.firstSprite = i;
            sprite.image = m_pictures.size();
            if (usesPreviousPalette) {
                // A first sprite that claims the previous palette has none to
                // take; it gets an all-black one.
                source.paletteFrom = paletteOwner.empty() ? none : paletteOwner.back();
                paletteOwner.push_back(source.paletteFrom);
            } else {
                paletteOwner.push_back(sprite.image);
            }
            m_pictures.push_back(source);
        }
        m_sprites.push_back(sprite);
        offset = next;
    }
}

Picture SffReader::decodeV1(const Source& source) const
{
    const std::string_view bytes = m_bytes;
    const ByteReader sub(bytes, spriteContext(source.firstSprite));
    const std::string_view data = sub.slice(source.offset, source.length, "data");
    Palette inherited{};
    if (source.paletteFrom != self && source.paletteFrom != none) {
        const Source& owner = m_pictures[source.paletteFrom];
        const auto block = vantrel::pcxPaletteBlock(bytes.substr(owner.offset, owner.length));
        if (!block)
            sub.fail("the sprite whose palette it reuses has none");
        std::copy(block->begin(), block->end(), inherited.begin());
    }
    auto image = decodePcx(data, source.paletteFrom == self ? nullptr : &inherited);
    if (!image)
        sub.fail(image.error());
    return std::move(*image);
}

Result<SpriteSource> cropSprite(const SpriteSource& sprite)
{
    const IndexedImage& in = sprite.image;
    int left = in.width, right = -1, top = in.height, bottom = -1;
    for (int y = 0; y < in.height; ++y) {
        const std::uint8_t* row = in.pixels.data() + std::size_t(y) * in.width;
        for (int x = 0; x < in.width; ++x) {
            if (row[x] != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        left = right = top = bottom = 0;
    }
    const int axisX = sprite.axisX - left;
    const int axisY = sprite.axisY - top;
    if (axisX < INT16_MIN || axisY < INT16_MIN)
        return Result<SpriteSource>::failure("cropping moves the axis out of range");

    SpriteSource out = sprite;
    out.axisX = static_cast<std::int16_t>(axisX);
    out.axisY = static_cast<std::int16_t>(axisY);
    out.image.width = right - left + 1;
    out.image.height = bottom - top + 1;
    out.image.pixels.resize(std::size_t(out.image.width) * out.image.height);
    for (int y = 0; y < out.image.height; ++y)
        std::copy_n(in.pixels.begin() + std::ptrdiff_t(y + top) * in.width + left, out.image.width,
                    out.image.pixels.begin() + std::ptrdiff_t(y) * out.image.width);
    return out;
}

Result<TrueColourImage> cropTrueColour(const TrueColourImage& in, std::int16_t& axisX, std::int16_t& axisY)
{
    if (!in.hasAlpha)
        return in;
    int left = in.width, right = -1, top = in.height, bottom = -1;
    for (int y = 0; y < in.height; ++y) {
        for (int x = 0; x < in.width; ++x) {
            if (in.rgba[(std::size_t(y) * in.width + x) * 4 + 3] != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        left = right = top = bottom = 0;
    const int newX = axisX - left;
    const int newY = axisY - top;
    if (newX < INT16_MIN || newY < INT16_MIN)
        return Result<TrueColourImage>::failure("cropping moves the axis out of range");
    TrueColourImage out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.hasAlpha = true;
    out.rgba.resize(std::size_t(out.width) * out.height * 4);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(in.rgba.begin() + (std::ptrdiff_t(y + top) * in.width + left) * 4, out.width * 4,
                    out.rgba.begin() + std::ptrdiff_t(y) * out.width * 4);
    axisX = static_cast<std::int16_t>(newX);
    axisY = static_cast<std::int16_t>(newY);
    return out;
}

namespace {

std::size_t hashPicture(const IndexedImage& image)
{
    const std::string_view pixels(reinterpret_cast<const char*>(image.pixels.data()), image.pixels.size());
    const std::string_view palette(reinterpret_cast<const char*>(image.palette.data()), image.palette.size());
    const std::hash<std::string_view> h;
    return h(pixels) ^ (h(palette) * 31) ^ (std::size_t(image.width) << 20) ^ std::size_t(image.height);
}

} // namespace

SffV1Writer::SffV1Writer(const BuildOptions& options)
{
    m_out.append(signature, sizeof signature);
    for (unsigned v : {0u, 1u, 0u, 1u})
        putU8(m_out, v);
    putU32(m_out, 0); // groups, set by finish()
    putU32(m_out, 0); // sprites, set by finish()
    putU32(m_out, fileHeaderSize);
    putU32(m_out, subfileHeaderSize);
    putU8(m_out, options.samePalette ? 1 : 0); // palette type: shared when sprites may share one
    m_out.resize(fileHeaderSize, '\0');
    m_size = m_out.size();
}

void SffV1Writer::reserveSprites(std::size_t count)
{
    m_out.reserve(m_out.size() + count * subfileHeaderSize);
    m_inPlace.reserve(count);
    m_stored.reserve(count);
}

Result<bool> SffV1Writer::addPcx(const Sprite& numbers, std::string_view pcx, bool takesPrevious)
{
    return addHeader(numbers, pcx, 0, takesPrevious, false);
}

Result<bool> SffV1Writer::addPcxInPlace(const Sprite& numbers, std::string_view pcx, bool takesPrevious)
{
    return addHeader(numbers, pcx, 0, takesPrevious, true);
}

Result<bool> SffV1Writer::addLink(const Sprite& numbers, std::size_t target)
{
    if (target >= m_count || target > UINT16_MAX)
        return Result<bool>::failure("a link to sprite " + std::to_string(target) + " cannot be stored");
    return addHeader(numbers, {}, target, false, false);
}

Result<bool> SffV1Writer::addHeader(const Sprite& numbers, std::string_view pcx, std::size_t link, bool takesPrevious,
                                    bool inPlace)
{
    if (m_size + subfileHeaderSize + pcx.size() > UINT32_MAX)
        return Result<bool>::failure("the archive would exceed 4 GB");
    const std::size_t headerAt = m_size;
    const std::size_t ownAt = m_out.size();
    // Each subfile points at the next; the last one, as in real archives, at
    // the end of the file.
    putU32(m_out, static_cast<std::uint32_t>(headerAt + subfileHeaderSize + pcx.size()));
    putU32(m_out, static_cast<std::uint32_t>(pcx.size()));
    for (const std::int16_t v : {numbers.axisX, numbers.axisY, numbers.group, numbers.imageNo})
        putU16(m_out, static_cast<std::uint16_t>(v));
    putU16(m_out, static_cast<std::uint16_t>(link));
    putU8(m_out, takesPrevious ? 1 : 0);
    m_out.resize(ownAt + subfileHeaderSize, '\0');
    if (inPlace && !pcx.empty())
        m_inPlace.push_back({m_out.size(), pcx});
    else
        m_out += pcx;
    m_size += subfileHeaderSize + pcx.size();
    // A sprite without bytes is read back as a link.
    if (pcx.empty() && link < m_stored.size())
        m_stored.push_back(m_stored[link]);
    else
        m_stored.push_back({headerAt + subfileHeaderSize, pcx.size(), takesPrevious ? 1 : 0, 8, 0, 0, 0});
    m_groups.insert(numbers.group);
    ++m_count;
    return true;
}

SffReader::Stored SffV1Writer::stored(std::size_t sprite) const
{
    return m_stored.at(sprite);
}

void SffV1Writer::setCounts()
{
    setU32(m_out, 16, static_cast<std::uint32_t>(m_groups.size()));
    setU32(m_out, 20, static_cast<std::uint32_t>(m_count));
}

std::string SffV1Writer::finish()
{
    setCounts();
    if (m_inPlace.empty())
        return std::move(m_out);
    std::string out;
    out.reserve(m_size);
    for (const std::string_view piece : finishPieces())
        out += piece;
    m_out.clear();
    m_inPlace.clear();
    return out;
}

void appendInterleaved(std::vector<std::string_view>& pieces, std::string_view own,
                       const std::vector<BytesInPlace>& inPlace)
{
    pieces.reserve(pieces.size() + 2 * inPlace.size() + 1);
    std::size_t from = 0;
    for (const BytesInPlace& p : inPlace) {
        pieces.push_back(own.substr(from, p.at - from));
        pieces.push_back(p.bytes);
        from = p.at;
    }
    pieces.push_back(own.substr(from));
}

std::vector<std::string_view> SffV1Writer::finishPieces()
{
    setCounts();
    std::vector<std::string_view> pieces;
    appendInterleaved(pieces, m_out, m_inPlace);
    return pieces;
}

Result<std::string> writeSffV1(const std::vector<SpriteSource>& input, const BuildOptions& options)
{
    SffV1Writer writer(options);
    std::unordered_multimap<std::size_t, std::size_t> stored; // picture hash -> sprite index
    const Palette* previousPalette = nullptr;
    std::vector<SpriteSource> cropped;
    if (options.crop)
        cropped.reserve(input.size()); // pointers into it must stay valid
    for (std::size_t i = 0; i < input.size(); ++i) {
        const SpriteSource* sprite = &input[i];
        if (options.crop) {
            auto c = cropSprite(*sprite);
            if (!c)
                return Result<std::string>::failure("sprite " + std::to_string(i) + ": " + c.error());
            cropped.push_back(std::move(*c));
            sprite = &cropped.back();
        }
        const IndexedImage& image = sprite->image;
        if (image.width <= 0 || image.height <= 0 || image.width > 0xFFFF || image.height > 0xFFFF
            || image.pixels.size() != std::size_t(image.width) * image.height)
            return Result<std::string>::failure("sprite " + std::to_string(i) + " has an invalid picture size");
        const Sprite numbers{sprite->group, sprite->imageNo, sprite->axisX, sprite->axisY, 0};

        std::optional<std::size_t> linkTarget;
        const std::size_t hash = options.linkDuplicates ? hashPicture(image) : 0;
        if (options.linkDuplicates) {
            auto [first, last] = stored.equal_range(hash);
            for (auto it = first; it != last; ++it) {
                const auto& other = options.crop ? cropped[it->second].image : input[it->second].image;
                if (other == image) {
                    linkTarget = it->second;
                    break;
                }
            }
        }
        Result<bool> added = true;
        if (linkTarget) {
            added = writer.addLink(numbers, *linkTarget);
        } else {
            const bool same = options.samePalette && previousPalette && *previousPalette == image.palette;
            added = writer.addPcx(numbers, encodePcx(image, !same), same);
            // Links hold a 16-bit index: pictures past that cannot be linked to.
            if (options.linkDuplicates && i <= UINT16_MAX)
                stored.emplace(hash, i);
        }
        if (!added)
            return Result<std::string>::failure(added.error());
        previousPalette = &image.palette;
    }
    return writer.finish();
}

} // namespace sfflib
