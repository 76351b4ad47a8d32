#pragma once
// SFF sprite archives: reading versions 1 and 2, writing both.

#include "formats/sff_image.h"
#include "formats/sff_result.h"

#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sfflib {

struct Sprite {
    std::int16_t group = 0;
    std::int16_t imageNo = 0;
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
    std::size_t image = 0; // the picture: an index into SpriteArchive::images, or SffReader's pictures
};

// A palette of an SFF v2 palette table: its group, its number and its
// colours, four bytes each (red, green, blue and a fourth byte, alpha in
// version 2.01). A palette holds 1 to 256 colours.
struct PaletteEntry {
    std::int16_t group = 0;
    std::int16_t number = 0;
    std::vector<std::uint8_t> colours;

    std::size_t count() const { return colours.size() / 4; }
    bool operator==(const PaletteEntry&) const = default;
};

// An archive opened for unpacking. Opening reads the header, the sprite and
// palette tables and checks every offset, length, link and palette index;
// the pictures are decoded one at a time when asked for, so that unpacking
// holds the file and one picture, never the whole archive decoded.
//
// A picture is what one PCX or PNG file of the workspace holds. Sprites that
// link to another, and SFF v2 sprites whose nodes point at the same data with
// the same size and palette, share one picture.
class SffReader {
public:
    static Result<SffReader> open(std::string bytes);
    static Result<SffReader> openFile(const std::string& path);

    // 1 or 2; the version as "1.01", "2.00", "2.01".
    int version() const { return m_versionBytes[3]; }
    std::string versionText() const;

    // In archive order; Sprite::image is a picture index.
    const std::vector<Sprite>& sprites() const { return m_sprites; }
    std::size_t pictureCount() const { return m_pictures.size(); }
    // Version 2: the palette table, links resolved to the colours they name.
    // Version 1 has none.
    const std::vector<PaletteEntry>& palettes() const { return m_palettes; }
    // Version 2: the palette table entry the picture is drawn with.
    std::uint16_t paletteOf(std::size_t picture) const { return m_pictures.at(picture).palette; }

    // The picture: 8-bit pictures carry the 256 colours they are drawn with
    // (a v2 palette of fewer colours is followed by black), 24 and 32-bit PNG
    // sprites come as true colour. Fails with a sentence naming the sprite.
    Result<Picture> decode(std::size_t picture) const;

    // Where a picture's stored bytes lie in the file and how they are
    // stored: for SFF v2 its node's format, colour depth, size and palette;
    // for SFF v1 format is 1 when the sprite takes the previous sprite's
    // palette (its PCX then ends without one), else 0.
    struct Stored {
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
        int format = 0;
        int depth = 0;
        int width = 0;
        int height = 0;
        std::uint16_t palette = 0;
    };
    Stored stored(std::size_t picture) const;
    std::string_view bytes() const { return m_bytes; }

private:
    struct Source {
        std::uint64_t offset = 0; // of the data in the file
        std::uint64_t length = 0;
        std::uint32_t firstSprite = 0;
        // Version 1: the picture whose palette block gives the colours, when
        // not its own; none: all black.
        std::size_t paletteFrom = self;
        // Version 2.
        std::uint8_t format = 0;
        std::uint8_t depth = 0;
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        std::uint16_t palette = 0;
    };
    static constexpr std::size_t self = std::numeric_limits<std::size_t>::max();
    static constexpr std::size_t none = self - 1;

    void readTablesV1();
    void readTablesV2();
    Picture decodeV1(const Source& source) const;
    Picture decodeV2(const Source& source) const;

    std::string m_bytes;
    std::array<std::uint8_t, 4> m_versionBytes{};
    std::vector<Sprite> m_sprites;
    std::vector<Source> m_pictures;
    std::vector<PaletteEntry> m_palettes;
    // The last pixel block decoded: nodes that share data share one decode.
    mutable std::uint64_t m_cachedOffset = 0;
    mutable std::uint64_t m_cachedLength = 0;
    mutable std::vector<std::uint8_t> m_cachedPixels;
};

// What an archive holds, decoded at once: its distinct pictures, each with
// the full palette it is drawn with, and its sprites in archive order. Linked
// sprites share the picture of the sprite they link to.
struct SpriteArchive {
    std::vector<IndexedImage> images;
    std::vector<Sprite> sprites;
};

// Reads an SFF of version 1 or 2 whose sprites are all 8-bit. Every offset
// and length is checked; a damaged or unsupported archive, or one with a 24
// or 32-bit sprite, gives a failure naming the sprite and the fault.
Result<SpriteArchive> readSff(std::string_view bytes);
Result<SpriteArchive> readSffFile(const std::string& path);

// One sprite to write: its picture and palette, numbers and axis.
struct SpriteSource {
    IndexedImage image;
    std::int16_t group = 0;
    std::int16_t imageNo = 0;
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
};

struct BuildOptions {
    bool crop = false;           // cut away the rows and columns of colour 0 around the picture
    bool samePalette = false;    // v1: store a palette equal to the previous sprite's as "same palette";
                                 // v2: store a palette equal to an earlier one as a link to it
    bool linkDuplicates = false; // store a repeated picture as a link to its first copy
    int version = 0;             // 1 or 2; 0: the version of the workspace
    // Version 2: written as 2.00 (0) or 2.01 (1). An engine reads a palette's
    // fourth bytes as alpha only from 2.01 on, so an archive read as 2.00 is
    // written back as 2.00; -1: as the workspace's archive was (2.01 when unknown).
    int minorVersion = -1;
};

// The smallest part of the picture that holds every non-zero pixel, with the
// axis moved so that it stays where it was drawn. An empty picture becomes
// one pixel of colour 0 at its top left corner. Fails when the moved axis
// leaves the range an SFF can store.
Result<SpriteSource> cropSprite(const SpriteSource& sprite);

// The same for a true-colour picture, whose empty pixels are those of alpha
// 0; a picture without alpha has none and stays as it is.
Result<TrueColourImage> cropTrueColour(const TrueColourImage& image, std::int16_t& axisX, std::int16_t& axisY);

// An SFF v1 archive of the sprites, in their order. The first sprite always
// carries its palette.
Result<std::string> writeSffV1(const std::vector<SpriteSource>& sprites, const BuildOptions& options);

// A picture as an SFF v2 stores it: its node's size, format and colour depth,
// and its data with the size prefix. A cropped picture lost `cropLeft`
// columns and `cropTop` rows, by which its axis moves.
struct StoredSprite {
    int width = 0;
    int height = 0;
    std::uint8_t format = 0;
    std::uint8_t depth = 0;
    std::string data;
    int cropLeft = 0;
    int cropTop = 0;
};

// Encodes a picture as SffV2Writer stores it (see below), cropped first when
// asked. Fails when the picture is empty or too large.
Result<StoredSprite> encodeSpriteV2(const Picture& picture, bool crop);

// Bytes an archive writer leaves where they lie (a copied picture), to go
// after the first `at` bytes of the writer's own.
struct BytesInPlace {
    std::size_t at = 0;
    std::string_view bytes;
};

// `own` with each of `inPlace` (in order of `at`) put in its place, as
// pieces to write one after another, appended to `pieces`.
void appendInterleaved(std::vector<std::string_view>& pieces, std::string_view own,
                       const std::vector<BytesInPlace>& inPlace);

// Writes an SFF v1 archive one sprite at a time, each stored as it is given.
class SffV1Writer {
public:
    explicit SffV1Writer(const BuildOptions& options);

    // Room for an archive of `bytes`.
    void reserve(std::size_t bytes) { m_out.reserve(bytes); }
    // Room for the tables of `count` sprites.
    void reserveSprites(std::size_t count);
    // Appends a sprite stored as `pcx`: a PCX that ends in its palette
    // block, or, when `takesPrevious` (the caller has made sure the previous
    // sprite is drawn with the same colours), in the 0x0C marker alone.
    // Fails when the archive would pass 4 GB.
    Result<bool> addPcx(const Sprite& numbers, std::string_view pcx, bool takesPrevious);
    // The same for bytes the writer does not copy: they stay where they are
    // and must outlive the pieces of finishPieces(), which is the only way to
    // finish an archive that holds them.
    Result<bool> addPcxInPlace(const Sprite& numbers, std::string_view pcx, bool takesPrevious);
    // Appends a sprite that links to the earlier sprite `target`.
    Result<bool> addLink(const Sprite& numbers, std::size_t target);

    std::size_t spriteCount() const { return m_count; }

    // Where the bytes that sprite `sprite` shows lie in the archive, as
    // SffReader::stored() tells them once it is read back (links lead to
    // their target's bytes).
    SffReader::Stored stored(std::size_t sprite) const;

    // The archive's bytes; the writer is empty afterwards.
    std::string finish();
    // The archive as the pieces to write one after another: the writer's own
    // bytes and those given to addPcxInPlace(). They stay valid while the
    // writer lives and nothing is added.
    std::vector<std::string_view> finishPieces();

private:
    Result<bool> addHeader(const Sprite& numbers, std::string_view pcx, std::size_t link, bool takesPrevious,
                           bool inPlace);
    void setCounts();

    // Everything but the bytes added in place, which go after m_out's first
    // `at` bytes.
    std::string m_out;
    std::vector<BytesInPlace> m_inPlace;
    std::size_t m_size = 0; // of the whole archive
    std::vector<SffReader::Stored> m_stored;
    std::size_t m_count = 0;
    std::set<std::int16_t> m_groups;
};

// Writes an SFF v2.01 archive one sprite at a time: it holds the archive
// being built and never more than one picture besides.
//
// 8-bit pictures are stored LZ5-compressed when every pixel is below 32 (the
// colour depth of 5-bit palettes), RLE8-compressed otherwise; true-colour
// pictures as PNG (24 bits without alpha, 32 with). Every palette of the
// table is written, used or not.
class SffV2Writer {
public:
    SffV2Writer(std::vector<PaletteEntry> palettes, const BuildOptions& options);

    // Appends a palette to the table; returns its index.
    Result<std::uint16_t> addPalette(PaletteEntry palette);
    // Room for `bytes` of sprite data.
    void reserve(std::size_t bytes) { m_spriteData.reserve(bytes); }
    // Room for the tables of `count` sprites.
    void reserveSprites(std::size_t count);
    const std::vector<PaletteEntry>& palettes() const { return m_palettes; }

    // Appends a sprite drawn with palette `palette` of the table (ignored for
    // true colour). Fails when the palette does not exist, the picture is
    // empty or too large, or the archive would pass 4 GB.
    Result<bool> addSprite(const Sprite& numbers, const Picture& picture, std::uint16_t palette);
    // Appends a sprite stored as `sprite` says (made by encodeSpriteV2, or
    // copied from another archive), its axis moved by its crop.
    Result<bool> addStored(const Sprite& numbers, const StoredSprite& sprite, std::uint16_t palette);
    // The same with `data` for the sprite's data (sprite.data is not read),
    // which the writer does not copy: it must outlive the pieces of
    // finishPieces(), which is the only way to finish an archive that holds
    // such data.
    Result<bool> addStoredInPlace(const Sprite& numbers, const StoredSprite& sprite, std::string_view data,
                                  std::uint16_t palette);

    std::size_t spriteCount() const { return m_nodes.size() / nodeSize; }

    // The archive's bytes.
    std::string finish() const;
    // The archive as the pieces to write one after another: the writer's own
    // bytes and the data given to addStoredInPlace(). They stay valid while
    // the writer lives and nothing is added.
    std::vector<std::string_view> finishPieces();
    // After finishPieces(): where the data that sprite `sprite` shows lies in
    // the archive and how it is stored, as SffReader::stored() tells it once
    // the archive is read back (links lead to their target's data).
    SffReader::Stored stored(std::size_t sprite) const;

    static constexpr std::size_t nodeSize = 28;

private:
    Result<bool> store(const Sprite& numbers, int width, int height, std::uint8_t format, std::uint8_t depth,
                       std::string_view data, std::uint16_t palette, bool inPlace);
    Result<bool> addStoredData(const Sprite& numbers, const StoredSprite& sprite, std::string_view data,
                               std::uint16_t palette, bool inPlace);
    // The header, the sprite and palette tables and the palettes' colours:
    // all that comes before the sprites' data.
    std::string head() const;
    // The data of the sprite that is no link.
    std::string_view dataOf(std::size_t sprite) const;

    std::vector<PaletteEntry> m_palettes;
    BuildOptions m_options;
    std::string m_nodes;
    // The sprites' data but that added in place, which goes after
    // m_spriteData's first `at` bytes.
    std::string m_spriteData;
    std::vector<BytesInPlace> m_inPlace;
    std::size_t m_dataSize = 0; // of all the sprites' data
    // Each sprite's data as stored, its offset within the sprites' data;
    // and where that data lies, in m_spriteData (owned) or m_inPlace.
    std::vector<SffReader::Stored> m_placed;
    struct Where {
        bool inPlace = false;
        std::size_t at = 0; // in m_spriteData, or an index of m_inPlace
    };
    std::vector<Where> m_where;
    std::string m_head;                                           // made by finishPieces()
    std::size_t m_spriteDataAt = 0;                               // in the archive, set by finishPieces()
    std::unordered_multimap<std::uint64_t, std::size_t> m_stored; // picture hash -> sprite, for links
};

} // namespace sfflib
