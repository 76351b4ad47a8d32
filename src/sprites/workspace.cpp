#include "workspace.h"

#include "common/paths.h"
#include "common/text.h"
#include "common/translatable.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace vantrel {

Result<std::vector<SpriteRecord>> parseIndex(const std::vector<std::string>& lines)
{
    using R = Result<std::vector<SpriteRecord>>;
    if (lines.size() > static_cast<std::size_t>(kMaxIndexLines))
        return R::failure(QT_TRANSLATE_NOOP("Messages", "The sprite index is too large (more than 99,000 lines)."));
    const std::size_t recordLines = lines.empty() ? 0 : lines.size() - 1;
    if ((recordLines + 4) / 5 > static_cast<std::size_t>(kMaxSpriteRecords))
        return R::failure(QT_TRANSLATE_NOOP("Messages", "The sprite index is too large (more than 20,000 images)."));
    return parseSpriteIndex(lines).records;
}

Result<std::vector<SpriteRecord>> readIndexFile(const std::string& path)
{
    const auto lines = readLines(path);
    if (!lines)
        return Result<std::vector<SpriteRecord>>::failure("The sprite index " + path + " cannot be read.");
    return parseIndex(*lines);
}

std::string SpriteWorkspace::imagePath(const SpriteRecord& record) const
{
    return resolvePath(appDir_ + "/" + toSlashes(record.pcxFile));
}

void SpriteWorkspace::clearWorkspace()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(directory(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
    fs::remove(indexPath(), ec);
    fs::remove(descriptionPath(), ec);
    fs::remove(directory(), ec);
    buildFlags.version = 0;
    buildFlags.minorVersion = -1;
}

int SpriteWorkspace::archiveVersion() const
{
    // The description names the version on its first line; one that names
    // none came from an SFF v2.
    std::ifstream description(descriptionPath(), std::ios::binary);
    std::string first;
    if (!std::getline(description, first))
        return 1;
    return first.rfind("SFF 1.", 0) == 0 ? 1 : 2;
}

void SpriteWorkspace::replaceRecords(std::vector<SpriteRecord> records)
{
    records_ = std::move(records);
    buildFlags.version = 0;
    buildFlags.minorVersion = -1;
}

std::optional<int> SpriteWorkspace::findSpriteRecord(const std::string& group, const std::string& image) const
{
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].groupText == group && records_[i].imageText == image)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

} // namespace vantrel
