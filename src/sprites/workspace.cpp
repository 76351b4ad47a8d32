#include "workspace.h"

#include "common/paths.h"
#include "common/text.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

IndexReadResult parseIndex(const std::vector<std::string>& lines)
{
    IndexReadResult result;
    if (lines.size() > static_cast<std::size_t>(kMaxIndexLines)) {
        result.error = "The sprite index is too large (more than 99,000 lines).";
        return result;
    }
    const std::size_t recordLines = lines.empty() ? 0 : lines.size() - 1;
    if ((recordLines + 4) / 5 > static_cast<std::size_t>(kMaxSpriteRecords)) {
        result.error = "The sprite index is too large (more than 20,000 images).";
        return result;
    }
    result.records = parseSpriteIndex(lines).records;
    result.ok = true;
    return result;
}

IndexReadResult readIndexFile(const std::string& path)
{
    const auto lines = readLines(path);
    if (!lines) {
        IndexReadResult result;
        result.error = "The sprite index " + path + " cannot be read.";
        return result;
    }
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
}

int SpriteWorkspace::archiveVersion() const
{
    std::error_code ec;
    return std::filesystem::exists(descriptionPath(), ec) ? 2 : 1;
}

void SpriteWorkspace::replaceRecords(std::vector<SpriteRecord> records)
{
    records_ = std::move(records);
    buildFlags.version = 0;
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
