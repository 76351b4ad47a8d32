#include "workspace.h"

#include "common/paths.h"
#include "common/text.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

std::int64_t SpriteRecord::group() const { return numericValue(Group); }
std::int64_t SpriteRecord::imageNo() const { return numericValue(ImageNo); }
std::int64_t SpriteRecord::axisX() const { return numericValue(AxisX); }
std::int64_t SpriteRecord::axisY() const { return numericValue(AxisY); }

IndexReadResult parseIndex(const std::vector<std::string>& lines)
{
    IndexReadResult result;
    if (lines.size() > static_cast<std::size_t>(kMaxIndexLines)) {
        result.error = "The sprite index is too large (more than 99,000 lines).";
        return result;
    }
    const std::size_t recordLines = lines.empty() ? 0 : lines.size() - 1;
    const std::size_t recordCount = (recordLines + 4) / 5;
    if (recordCount > static_cast<std::size_t>(kMaxSpriteRecords)) {
        result.error = "The sprite index is too large (more than 20,000 images).";
        return result;
    }
    result.records.resize(recordCount);
    for (std::size_t i = 0; i < recordLines; ++i) {
        SpriteRecord& r = result.records[i / 5];
        const std::string& line = lines[i + 1];
        switch (i % 5) {
        case 0: r.PcxFile = line; break;
        case 1: r.Group = line; break;
        case 2: r.ImageNo = line; break;
        case 3: r.AxisX = line; break;
        case 4: r.AxisY = line; break;
        }
    }
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

std::string indexText(const std::string& header, const std::vector<SpriteRecord>& records)
{
    std::string text = header + "\r\n";
    for (const auto& r : records) {
        for (const std::string* field : {&r.PcxFile, &r.Group, &r.ImageNo, &r.AxisX, &r.AxisY})
            text += *field + "\r\n";
    }
    return text;
}

std::string SpriteWorkspace::imagePath(const SpriteRecord& record) const
{
    return resolvePath(appDir_ + "/" + toSlashes(record.PcxFile));
}

void SpriteWorkspace::clearWorkspace()
{
    ++generation_;
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(directory(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
    fs::remove(indexPath(), ec);
    fs::remove(directory(), ec);
}

std::optional<int> SpriteWorkspace::findSpriteRecord(const std::string& group, const std::string& image) const
{
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].Group == group && records_[i].ImageNo == image)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

} // namespace vantrel
