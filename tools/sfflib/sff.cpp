#include "sff.h"

#include "common/text.h"

namespace sfflib {

Result<SpriteArchive> readSff(std::string_view bytes)
{
    if (bytes.size() < 16 || bytes.substr(0, 12) != std::string_view("ElecbyteSpr\0", 12))
        return Result<SpriteArchive>::failure("SFF: this is not an SFF sprite archive");
    const int major = static_cast<std::uint8_t>(bytes[15]);
    try {
        if (major == 1)
            return readSffV1(bytes);
        if (major == 2)
            return readSffV2(bytes);
    } catch (const FormatError& e) {
        return Result<SpriteArchive>::failure(e.what());
    } catch (const std::bad_alloc&) {
        return Result<SpriteArchive>::failure("SFF: the archive is too large to unpack in memory");
    }
    return Result<SpriteArchive>::failure("SFF: version " + std::to_string(major) + " is not supported");
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
