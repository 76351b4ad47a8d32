#include "sprite_tools.h"

#include "pcx.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "sprites/sprite_index.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

namespace sfflib {

namespace fs = std::filesystem;

namespace {

std::string pcxName(std::size_t image)
{
    char name[32];
    std::snprintf(name, sizeof name, "s%05zu.pcx", image);
    return name;
}

// Writes every picture as <prefix>sNNNNN.pcx. Each file is flushed to disk
// before it is renamed into place, and a disk under load takes milliseconds
// per flush: several writers at once keep thousands of sprites within
// seconds. Returns the first error, or nothing.
std::string writePictures(const std::vector<IndexedImage>& images, const std::string& prefix)
{
    std::atomic<std::size_t> next{0};
    std::mutex lock;
    std::string firstError;
    auto work = [&] {
        for (std::size_t i = next++; i < images.size(); i = next++) {
            const auto written = vantrel::writeFileAtomic(prefix + pcxName(i), encodePcx(images[i]));
            if (!written) {
                const std::lock_guard<std::mutex> guard(lock);
                if (firstError.empty())
                    firstError = written.error;
                next = images.size();
            }
        }
    };
    const std::size_t writers = std::min<std::size_t>(16, images.size() / 64 + 1);
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < writers; ++t)
        threads.emplace_back(work);
    work();
    for (auto& t : threads)
        t.join();
    return firstError;
}

} // namespace

Result<std::size_t> unpackSff(const std::string& sffPath, const std::string& folder,
                              const std::string& indexPath)
{
    using R = Result<std::size_t>;
    std::error_code ec;
    fs::remove(indexPath, ec);

    const auto archive = readSffFile(vantrel::resolvePath(sffPath));
    if (!archive)
        return R::failure(archive.error());

    std::string prefix = vantrel::toSlashes(folder);
    while (prefix.size() > 1 && prefix.back() == '/')
        prefix.pop_back();
    fs::create_directories(prefix, ec);
    if (!fs::is_directory(prefix, ec))
        return R::failure("cannot create the folder " + prefix);
    prefix += '/';

    const std::string failed = writePictures(archive->images, prefix);
    if (!failed.empty())
        return R::failure(failed);

    std::vector<vantrel::SpriteRecord> records;
    records.reserve(archive->sprites.size());
    for (const Sprite& s : archive->sprites) {
        records.push_back({prefix + pcxName(s.image), std::to_string(s.group), std::to_string(s.imageNo),
                           std::to_string(s.axisX), std::to_string(s.axisY)});
    }
    const auto written = vantrel::writeFileAtomic(indexPath, vantrel::formatSpriteIndex(sffPath, records));
    if (!written)
        return R::failure(written.error);
    return archive->sprites.size();
}

namespace {

bool toInt16(const std::string& text, std::int16_t& out)
{
    const std::int64_t value = vantrel::numericValue(text);
    if (value < INT16_MIN || value > INT16_MAX)
        return false;
    out = static_cast<std::int16_t>(value);
    return true;
}

} // namespace

Result<BuildReport> buildSff(std::string_view indexText, const BuildOptions& options)
{
    using R = Result<BuildReport>;
    const vantrel::SpriteIndex index = vantrel::parseSpriteIndex(indexText);
    if (index.header.empty())
        return R::failure("the index names no SFF file to write (its first line is empty)");

    std::vector<SpriteSource> sprites;
    sprites.reserve(index.records.size());
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        const vantrel::SpriteRecord& r = index.records[i];
        const std::string record = "record " + std::to_string(i + 1);
        if (r.pcxFile.empty())
            return R::failure(record + ": no PCX file is named");
        const std::string path = vantrel::resolvePath(r.pcxFile);
        const auto bytes = vantrel::readFileBytes(path);
        if (!bytes)
            return R::failure(record + ": cannot read the PCX file " + r.pcxFile);
        auto image = decodePcx(*bytes);
        if (!image)
            return R::failure(record + ": the PCX file " + r.pcxFile + " is unusable: " + image.error());

        SpriteSource s;
        s.image = std::move(*image);
        const std::pair<const std::string*, std::int16_t*> numbers[] = {
            {&r.groupText, &s.group}, {&r.imageText, &s.imageNo}, {&r.axisXText, &s.axisX}, {&r.axisYText, &s.axisY}};
        for (const auto& [text, value] : numbers) {
            if (!toInt16(*text, *value))
                return R::failure(record + ": the value " + *text + " is outside -32768 to 32767");
        }
        sprites.push_back(std::move(s));
    }

    const auto bytes = writeSffV1(sprites, options);
    if (!bytes)
        return R::failure(bytes.error());
    const std::string sffPath = vantrel::toSlashes(index.header);
    const auto written = vantrel::writeFileAtomic(sffPath, *bytes);
    if (!written)
        return R::failure(written.error);
    return BuildReport{sprites.size(), sffPath};
}

} // namespace sfflib
