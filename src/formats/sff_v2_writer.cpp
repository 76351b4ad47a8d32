#include "formats/sff.h"

#include "formats/bytes.h"
#include "formats/png.h"
#include "formats/sff_codecs.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>

namespace sfflib {

namespace {

constexpr std::size_t headerSize = 512;
constexpr std::size_t paletteNodeSize = 16;
constexpr std::uint8_t formatRle8 = 2;
constexpr std::uint8_t formatLz5 = 4;
constexpr std::uint8_t formatPng24 = 11;
constexpr std::uint8_t formatPng32 = 12;

std::size_t hashBytes(std::string_view a, std::size_t seed)
{
    return std::hash<std::string_view>()(a) ^ (seed * 0x9E3779B97F4A7C15ull);
}

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8
        | std::uint32_t(std::uint8_t(s[at + 2])) << 16 | std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

} // namespace

SffV2Writer::SffV2Writer(std::vector<PaletteEntry> palettes, const BuildOptions& options)
        : m_palettes(std::move(palettes)), m_options(options)
{ }

Result<std::uint16_t> SffV2Writer::addPalette(PaletteEntry palette)
{
    if (m_palettes.size() > 0xFFFF)
        return Result<std::uint16_t>::failure("the palette table is full (65,536 palettes)");
    if (palette.colours.empty() || palette.colours.size() % 4 != 0 || palette.count() > 256)
        return Result<std::uint16_t>::failure("a palette holds 1 to 256 colours of 4 bytes");
    m_palettes.push_back(std::move(palette));
    return static_cast<std::uint16_t>(m_palettes.size() - 1);
}

void SffV2Writer::reserveSprites(std::size_t count)
{
    m_nodes.reserve(count * nodeSize);
    m_inPlace.reserve(count);
    m_placed.reserve(count);
    m_where.reserve(count);
}

Result<StoredSprite> encodeSpriteV2(const Picture& picture, bool crop)
{
    using R = Result<StoredSprite>;
    StoredSprite out;
    if (const auto* indexed = std::get_if<IndexedImage>(&picture)) {
        const IndexedImage* image = indexed;
        Result<SpriteSource> cropped = SpriteSource{};
        if (crop) {
            cropped = cropSprite({*indexed, 0, 0, 0, 0});
            if (!cropped)
                return R::failure(cropped.error());
            image = &cropped->image;
            out.cropLeft = -cropped->axisX;
            out.cropTop = -cropped->axisY;
        }
        if (image->width <= 0 || image->height <= 0 || image->width > 0xFFFF || image->height > 0xFFFF
            || image->pixels.size() != std::size_t(image->width) * image->height)
            return R::failure("the picture has an invalid size");
        // Colours past 31 cannot be written in LZ5.
        const bool fiveBits = std::all_of(image->pixels.begin(), image->pixels.end(), [](auto v) { return v < 32; });
        out.data.assign(4, '\0');
        setU32(out.data, 0, static_cast<std::uint32_t>(image->pixels.size()));
        out.data += fiveBits ? encodeLz5(image->pixels) : encodeRle8(image->pixels);
        out.width = image->width;
        out.height = image->height;
        out.format = fiveBits ? formatLz5 : formatRle8;
        out.depth = fiveBits ? 5 : 8;
        return out;
    }

    const TrueColourImage* image = &std::get<TrueColourImage>(picture);
    Result<TrueColourImage> cropped = TrueColourImage{};
    if (crop) {
        std::int16_t left = 0, top = 0;
        cropped = cropTrueColour(*image, left, top);
        if (!cropped)
            return R::failure(cropped.error());
        image = &*cropped;
        out.cropLeft = -left;
        out.cropTop = -top;
    }
    if (image->width <= 0 || image->height <= 0 || image->width > maxPngSide || image->height > maxPngSide)
        return R::failure("the picture has an invalid size");
    auto png = encodePng(*image);
    if (!png)
        return R::failure(png.error());
    out.data.assign(4, '\0');
    setU32(out.data, 0,
           static_cast<std::uint32_t>(std::size_t(image->width) * image->height * (image->hasAlpha ? 4 : 3)));
    out.data += *png;
    out.width = image->width;
    out.height = image->height;
    out.format = image->hasAlpha ? formatPng32 : formatPng24;
    out.depth = image->hasAlpha ? 32 : 24;
    return out;
}

Result<bool> SffV2Writer::addSprite(const Sprite& numbers, const Picture& picture, std::uint16_t palette)
{
    const auto stored = encodeSpriteV2(picture, m_options.crop);
    if (!stored)
        return Result<bool>::failure(stored.error());
    return addStored(numbers, *stored, palette);
}

Result<bool> SffV2Writer::addStored(const Sprite& numbers, const StoredSprite& sprite, std::uint16_t palette)
{
    return addStoredData(numbers, sprite, sprite.data, palette, false);
}

Result<bool> SffV2Writer::addStoredInPlace(const Sprite& numbers, const StoredSprite& sprite, std::string_view data,
                                           std::uint16_t palette)
{
    return addStoredData(numbers, sprite, data, palette, true);
}

Result<bool> SffV2Writer::addStoredData(const Sprite& numbers, const StoredSprite& sprite, std::string_view data,
                                        std::uint16_t palette, bool inPlace)
{
    using R = Result<bool>;
    const bool trueColour = sprite.format == formatPng24 || sprite.format == formatPng32;
    if (!trueColour && palette >= m_palettes.size())
        return R::failure("it uses palette " + std::to_string(palette) + ", past the palette table of "
                          + std::to_string(m_palettes.size()));
    Sprite moved = numbers;
    const int axisX = numbers.axisX - sprite.cropLeft;
    const int axisY = numbers.axisY - sprite.cropTop;
    if (axisX < INT16_MIN || axisY < INT16_MIN)
        return R::failure("cropping moves the axis out of range");
    moved.axisX = static_cast<std::int16_t>(axisX);
    moved.axisY = static_cast<std::int16_t>(axisY);
    return store(moved, sprite.width, sprite.height, sprite.format, sprite.depth, data, trueColour ? 0 : palette,
                 inPlace);
}

Result<bool> SffV2Writer::store(const Sprite& s, int width, int height, std::uint8_t format, std::uint8_t depth,
                                std::string_view data, std::uint16_t palette, bool inPlace)
{
    const std::size_t index = spriteCount();
    if (index > 0xFFFF)
        return Result<bool>::failure("an SFF v2 holds at most 65,536 sprites");

    // A repeat of an earlier picture (same size, format, palette and data)
    // becomes a link when asked for. Links hold a 16-bit index.
    std::optional<std::size_t> target;
    std::uint64_t key = 0;
    if (m_options.linkDuplicates) {
        key = hashBytes(data, palette) ^ (std::uint64_t(width) << 40) ^ (std::uint64_t(height) << 20) ^ format;
        const auto [first, last] = m_stored.equal_range(key);
        for (auto it = first; it != last; ++it) {
            const std::size_t at = it->second * nodeSize;
            if (u32At(m_nodes, at + 20) == data.size() && dataOf(it->second) == data
                && u32At(m_nodes, at + 4) == (std::uint32_t(width) | std::uint32_t(height) << 16)
                && std::uint8_t(m_nodes[at + 14]) == format
                && (std::uint8_t(m_nodes[at + 24]) | std::uint8_t(m_nodes[at + 25]) << 8) == palette) {
                target = it->second;
                break;
            }
        }
    }

    std::string node;
    for (int v : {int(s.group), int(s.imageNo), width, height, int(s.axisX), int(s.axisY)})
        putU16(node, static_cast<unsigned>(v));
    if (target) {
        putU16(node, static_cast<unsigned>(*target));
        node.append(m_nodes, *target * nodeSize + 14, 6); // format, depth, data offset
        putU32(node, 0);                                  // no data of its own
        m_placed.push_back(m_placed[*target]);
        m_where.push_back(m_where[*target]);
    } else {
        if (m_dataSize + data.size() > 0xFFFFFFF0u)
            return Result<bool>::failure("the archive would exceed 4 GB");
        putU16(node, 0);
        putU8(node, format);
        putU8(node, depth);
        putU32(node, static_cast<std::uint32_t>(m_dataSize)); // made relative to ldata in finish()
        putU32(node, static_cast<std::uint32_t>(data.size()));
        if (m_options.linkDuplicates)
            m_stored.emplace(key, index);
        m_placed.push_back({m_dataSize, data.size(), format, depth, width, height, palette});
        if (inPlace && !data.empty()) {
            m_where.push_back({true, m_inPlace.size()});
            m_inPlace.push_back({m_spriteData.size(), data});
        } else {
            m_where.push_back({false, m_spriteData.size()});
            m_spriteData += data;
        }
        m_dataSize += data.size();
    }
    putU16(node, palette);
    putU16(node, 0); // in ldata
    m_nodes += node;
    return true;
}

std::string SffV2Writer::head() const
{
    // Literal data: the palettes' colours, then the sprites' data.
    std::string paletteNodes, paletteData;
    for (std::size_t i = 0; i < m_palettes.size(); ++i) {
        const PaletteEntry& p = m_palettes[i];
        std::optional<std::size_t> same;
        if (m_options.samePalette) {
            for (std::size_t j = 0; j < i && !same; ++j) {
                if (m_palettes[j].colours == p.colours)
                    same = j;
            }
        }
        putU16(paletteNodes, static_cast<std::uint16_t>(p.group));
        putU16(paletteNodes, static_cast<std::uint16_t>(p.number));
        putU16(paletteNodes, static_cast<unsigned>(p.count()));
        if (same) {
            putU16(paletteNodes, static_cast<unsigned>(*same));
            paletteNodes.append(paletteNodes, *same * paletteNodeSize + 8, 4); // the target's offset
            putU32(paletteNodes, 0);
        } else {
            putU16(paletteNodes, 0);
            putU32(paletteNodes, static_cast<std::uint32_t>(paletteData.size()));
            putU32(paletteNodes, static_cast<std::uint32_t>(p.colours.size()));
            paletteData.append(reinterpret_cast<const char*>(p.colours.data()), p.colours.size());
        }
    }

    const std::size_t spritesAt = headerSize;
    const std::size_t palettesAt = spritesAt + m_nodes.size();
    const std::size_t ldataAt = palettesAt + paletteNodes.size();
    const std::size_t ldataLength = paletteData.size() + m_dataSize;

    std::string out("ElecbyteSpr\0", 12);
    // 2.01, or 2.00 when asked for (the bytes run minor to major).
    for (unsigned v : {0u, m_options.minorVersion == 0 ? 0u : 1u, 0u, 2u})
        putU8(out, v);
    putU32(out, 0);
    putU32(out, 0);
    for (unsigned v : {0u, 0u, 0u, 2u}) // the oldest version that reads it: 2.00
        putU8(out, v);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, static_cast<std::uint32_t>(spritesAt));
    putU32(out, static_cast<std::uint32_t>(spriteCount()));
    putU32(out, static_cast<std::uint32_t>(palettesAt));
    putU32(out, static_cast<std::uint32_t>(m_palettes.size()));
    putU32(out, static_cast<std::uint32_t>(ldataAt));
    putU32(out, static_cast<std::uint32_t>(ldataLength));
    putU32(out, static_cast<std::uint32_t>(ldataAt + ldataLength)); // no translated data
    putU32(out, 0);
    out.resize(headerSize, '\0');

    out.reserve(ldataAt + paletteData.size());
    const std::size_t nodesAt = out.size();
    out += m_nodes;
    // Sprite data follows the palettes inside ldata.
    for (std::size_t i = 0; i < spriteCount(); ++i) {
        const std::size_t at = nodesAt + i * nodeSize + 16;
        setU32(out, at, static_cast<std::uint32_t>(u32At(out, at) + paletteData.size()));
    }
    out += paletteNodes;
    out += paletteData;
    return out;
}

std::string_view SffV2Writer::dataOf(std::size_t sprite) const
{
    const Where where = m_where[sprite];
    if (where.inPlace)
        return m_inPlace[where.at].bytes;
    return std::string_view(m_spriteData).substr(where.at, m_placed[sprite].length);
}

std::string SffV2Writer::finish() const
{
    std::string out = head();
    out.reserve(out.size() + m_dataSize);
    std::vector<std::string_view> data;
    appendInterleaved(data, m_spriteData, m_inPlace);
    for (const std::string_view piece : data)
        out += piece;
    return out;
}

std::vector<std::string_view> SffV2Writer::finishPieces()
{
    m_head = head();
    m_spriteDataAt = m_head.size();
    std::vector<std::string_view> pieces{m_head};
    appendInterleaved(pieces, m_spriteData, m_inPlace);
    return pieces;
}

SffReader::Stored SffV2Writer::stored(std::size_t sprite) const
{
    SffReader::Stored out = m_placed.at(sprite);
    out.offset += m_spriteDataAt;
    return out;
}

} // namespace sfflib
