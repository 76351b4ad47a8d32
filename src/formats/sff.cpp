#include "formats/sff.h"

#include "common/text.h"

#include <new>

namespace sfflib {

Result<SffReader> SffReader::open(std::string bytes)
{
    if (bytes.size() < 16 || std::string_view(bytes).substr(0, 12) != std::string_view("ElecbyteSpr\0", 12))
        return Result<SffReader>::failure("SFF: this is not an SFF sprite archive");
    SffReader reader;
    for (std::size_t i = 0; i < 4; ++i)
        reader.m_versionBytes[i] = static_cast<std::uint8_t>(bytes[12 + i]);
    reader.m_bytes = std::move(bytes);
    const int major = reader.version();
    try {
        if (major == 1)
            reader.readTablesV1();
        else if (major == 2)
            reader.readTablesV2();
        else
            return Result<SffReader>::failure("SFF: version " + std::to_string(major) + " is not supported");
    } catch (const FormatError& e) {
        return Result<SffReader>::failure(e.what());
    } catch (const std::bad_alloc&) {
        return Result<SffReader>::failure("SFF: the archive is too large to unpack in memory");
    }
    return reader;
}

Result<SffReader> SffReader::openFile(const std::string& path)
{
    auto bytes = vantrel::readFileBytes(path);
    if (!bytes)
        return Result<SffReader>::failure("cannot read " + path);
    auto reader = open(std::move(*bytes));
    if (!reader)
        return Result<SffReader>::failure(path + ": " + reader.error());
    return reader;
}

std::string SffReader::versionText() const
{
    return std::to_string(m_versionBytes[3]) + "." + std::to_string(m_versionBytes[2])
        + std::to_string(m_versionBytes[1]);
}

Result<Picture> SffReader::decode(std::size_t picture) const
{
    const Source& source = m_pictures.at(picture);
    try {
        return version() == 1 ? decodeV1(source) : decodeV2(source);
    } catch (const FormatError& e) {
        return Result<Picture>::failure(e.what());
    } catch (const std::bad_alloc&) {
        return Result<Picture>::failure("SFF sprite " + std::to_string(source.firstSprite)
                                        + ": the picture is too large to decode in memory");
    }
}

SffReader::Stored SffReader::stored(std::size_t picture) const
{
    const Source& s = m_pictures.at(picture);
    if (version() == 1)
        return {s.offset, s.length, s.paletteFrom == self ? 0 : 1, 8, 0, 0, 0};
    return {s.offset, s.length, s.format, s.depth, s.width, s.height, s.palette};
}

Result<SpriteArchive> readSff(std::string_view bytes)
{
    using R = Result<SpriteArchive>;
    auto reader = SffReader::open(std::string(bytes));
    if (!reader)
        return R::failure(reader.error());
    SpriteArchive archive;
    archive.sprites = reader->sprites();
    archive.images.reserve(reader->pictureCount());
    for (std::size_t k = 0; k < reader->pictureCount(); ++k) {
        auto picture = reader->decode(k);
        if (!picture)
            return R::failure(picture.error());
        if (const auto* trueColour = std::get_if<TrueColourImage>(&*picture)) {
            std::size_t first = 0;
            while (reader->sprites()[first].image != k)
                ++first;
            return R::failure("SFF sprite " + std::to_string(first) + ": it is a "
                              + (trueColour->hasAlpha ? "32" : "24")
                              + "-bit PNG image, which has no palette and cannot become an 8-bit picture");
        }
        archive.images.push_back(std::move(std::get<IndexedImage>(*picture)));
    }
    return archive;
}

Result<SpriteArchive> readSffFile(const std::string& path)
{
    const auto bytes = vantrel::readFileBytes(path);
    if (!bytes)
        return Result<SpriteArchive>::failure("cannot read " + path);
    auto archive = readSff(*bytes);
    if (!archive)
        return Result<SpriteArchive>::failure(path + ": " + archive.error());
    return archive;
}

} // namespace sfflib
