#include "sprite_list.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"
#include "image/pcx.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace vantrel {

namespace fs = std::filesystem;

bool canGrowTable(const SpriteWorkspace& ws, int extra)
{
    return extra >= 0 && ws.count() + extra <= kMaxSpriteRecords;
}

bool canAddImages(const SpriteWorkspace& ws, int extra)
{
    return ws.count() < kAddImageLimit && canGrowTable(ws, extra);
}

std::string fieldText(std::int64_t value)
{
    return std::to_string(value);
}

SpriteRecord recordFollowing(const std::vector<SpriteRecord>& taken, const SpriteRecord* previous,
                             const std::string& pcxFile)
{
    SpriteRecord fresh;
    fresh.pcxFile = pcxFile;
    fresh.groupText = previous ? previous->groupText : "0";
    const std::int64_t from = previous ? previous->imageNo() + 1 : 1;
    fresh.imageText = fieldText(nextFreeImageNumber(taken, fresh.group(), from));
    fresh.axisXText = "0";
    fresh.axisYText = "0";
    return fresh;
}

void deleteRecord(SpriteWorkspace& ws, int index)
{
    if (index < 1 || index > ws.count())
        return;
    ws.records().erase(ws.records().begin() + (index - 1));
}

bool insertRecord(SpriteWorkspace& ws, int index, SpriteRecord record)
{
    if (index < 1 || index > ws.count() + 1)
        return false;
    ws.records().insert(ws.records().begin() + (index - 1), std::move(record));
    return true;
}

std::optional<int> cloneRecord(SpriteWorkspace& ws, int index)
{
    if (index < 1 || index > ws.count())
        return std::nullopt;
    SpriteRecord copy = ws.record(index);
    copy.imageText = fieldText(nextFreeImageNumber(ws.records(), copy.group(), copy.imageNo() + 1));
    ws.records().push_back(copy);
    return ws.count();
}

void sortSprites(SpriteWorkspace& ws)
{
    const std::vector<int> order = sortOrder(ws);
    if (order.empty())
        return;
    applyOrder(ws, order);
}

std::vector<int> sortOrder(const SpriteWorkspace& ws)
{
    const auto& records = ws.records();
    const auto before = [&records](int a, int b) {
        const SpriteRecord& ra = records[static_cast<std::size_t>(a)];
        const SpriteRecord& rb = records[static_cast<std::size_t>(b)];
        if (ra.group() != rb.group())
            return ra.group() < rb.group();
        return ra.imageNo() < rb.imageNo();
    };
    std::vector<int> order(records.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    if (std::is_sorted(order.begin(), order.end(), before))
        return {};
    std::stable_sort(order.begin(), order.end(), before);
    return order;
}

void applyOrder(SpriteWorkspace& ws, const std::vector<int>& order)
{
    auto& records = ws.records();
    if (order.size() != records.size())
        return;
    std::vector<SpriteRecord> sorted;
    sorted.reserve(records.size());
    for (int from : order)
        sorted.push_back(std::move(records[static_cast<std::size_t>(from)]));
    records = std::move(sorted);
}

void revertOrder(SpriteWorkspace& ws, const std::vector<int>& order)
{
    auto& records = ws.records();
    if (order.size() != records.size())
        return;
    std::vector<SpriteRecord> original(records.size());
    for (std::size_t row = 0; row < order.size(); ++row)
        original[static_cast<std::size_t>(order[row])] = std::move(records[row]);
    records = std::move(original);
}

KeptPicture keepPicture(const SpriteWorkspace& ws, const std::string& pcxFile)
{
    SpriteRecord record;
    record.pcxFile = pcxFile;
    return {pcxFile, readFileBytes(ws.imagePath(record))};
}

bool restorePicture(const SpriteWorkspace& ws, const KeptPicture& picture)
{
    SpriteRecord record;
    record.pcxFile = picture.pcxFile;
    std::error_code ec;
    if (fs::exists(ws.imagePath(record), ec))
        return true;
    if (!picture.bytes)
        return false;
    const std::string path = ws.appDir() + "/" + toSlashes(picture.pcxFile);
    fs::create_directories(fs::path(path).parent_path(), ec);
    return static_cast<bool>(writeFileAtomic(path, *picture.bytes));
}

std::optional<int> findRecordByNumbers(const SpriteWorkspace& ws, std::int64_t group, std::int64_t image)
{
    for (int i = 1; i <= ws.count(); ++i) {
        const SpriteRecord& r = ws.record(i);
        if (r.group() == group && r.imageNo() == image)
            return i;
    }
    return std::nullopt;
}

std::string noMatchMessage(std::int64_t group, std::int64_t image)
{
    return "No match found for Group" + formatNumber(group) + " image" + formatNumber(image);
}

std::string positionText(int index, int count)
{
    return formatNumber(index) + " of" + formatNumber(count) + " ";
}

std::int64_t clampAxis(std::int64_t value)
{
    return std::clamp(value, -kAxisLimit, kAxisLimit);
}

void storeNumber(std::string& field, std::int64_t value)
{
    field = fieldText(value);
}

namespace {

bool hasPngExtension(const std::string& path)
{
    const std::string lower = toLowerAscii(path);
    return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".png") == 0;
}

} // namespace

Result<PictureKind> checkPicture(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes || (!sfflib::looksLikePng(*bytes) && !hasPngExtension(path))) {
        if (bytes && sfflib::decodePcx(*bytes))
            return PictureKind::EightBit;
        return Result<PictureKind>::failure(kPcxRefused);
    }
    const auto picture = sfflib::decodePng(*bytes);
    if (!picture)
        return Result<PictureKind>::failure("The PNG file " + fileNameOf(path) + " cannot be used: " + picture.error()
                                            + ".");
    return sfflib::isTrueColour(*picture) ? PictureKind::TrueColour : PictureKind::EightBit;
}

namespace {

// The names in a folder, lower-cased: letter case must not tell two pictures
// apart, since records resolve their names without regard to it.
std::set<std::string> takenNames(const std::string& folder)
{
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.insert(toLowerAscii(it->path().filename().string()));
    return names;
}

std::string existingNamed(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    const std::string lower = toLowerAscii(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (toLowerAscii(it->path().filename().string()) == lower)
            return it->path().string();
    }
    return {};
}

bool sameContent(const std::string& a, const std::string& b)
{
    const auto bytesA = readFileBytes(a);
    const auto bytesB = readFileBytes(b);
    return bytesA && bytesB && *bytesA == *bytesB;
}

} // namespace

std::string workspaceNameFor(const SpriteWorkspace& ws, const std::string& sourcePath)
{
    const std::string name = fileNameOf(sourcePath);
    const std::string folder = ws.directory();
    const std::string existing = existingNamed(folder, name);
    if (existing.empty() || sameContent(existing, sourcePath))
        return existing.empty() ? name : fileNameOf(existing);

    const auto taken = takenNames(folder);
    const auto dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (int k = 2;; ++k) {
        std::string candidate = stem + '-';
        candidate += std::to_string(k);
        candidate += extension;
        if (!taken.count(toLowerAscii(candidate)))
            return candidate;
        // The same picture added before under this name is shared.
        const std::string earlier = existingNamed(folder, candidate);
        if (sameContent(earlier, sourcePath))
            return fileNameOf(earlier);
    }
}

Result<void> copyFile(const std::string& from, const std::string& to)
{
    const auto bytes = readFileBytes(from);
    if (!bytes)
        return Result<void>::failure("Cannot read " + from + ".");
    return writeFileAtomic(to, *bytes);
}

Result<std::string> copyIntoWorkspace(const SpriteWorkspace& ws, const std::string& sourcePath)
{
    if (!readFileBytes(sourcePath))
        return Result<std::string>::failure("Cannot read " + sourcePath + ".");
    std::error_code ec;
    fs::create_directories(ws.directory(), ec);
    const std::string name = workspaceNameFor(ws, sourcePath);
    const std::string target = ws.directory() + "/" + name;
    if (!fs::exists(target, ec)) {
        const Result<void> copied = copyFile(sourcePath, target);
        if (!copied)
            return copied.failure();
    }
    return "tempsff/" + name;
}

Result<void> exportPicture(const std::string& from, const std::string& to, bool transparentZero)
{
    const auto bytes = readFileBytes(from);
    if (!bytes)
        return Result<void>::failure("Cannot read " + from + ".");
    const bool toPng = hasPngExtension(to);
    const bool fromPng = sfflib::looksLikePng(*bytes);
    std::string out;
    if (fromPng) {
        const auto picture = sfflib::decodePng(*bytes);
        if (!picture)
            return Result<void>::failure("The PNG file " + from + " cannot be read: " + picture.error() + ".");
        const auto* indexed = std::get_if<sfflib::IndexedImage>(&*picture);
        if (!toPng && !indexed)
            return Result<void>::failure(fileNameOf(to) + ": a 32-bit picture can be saved as PNG only.");
        if (!toPng) {
            out = sfflib::encodePcx(*indexed);
        } else if (indexed && transparentZero) {
            const auto png = sfflib::encodePng(*indexed, true);
            out = png ? *png : std::string();
        } else {
            out = *bytes;
        }
    } else if (toPng) {
        const auto image = sfflib::decodePcx(*bytes);
        const auto png = image ? sfflib::encodePng(*image, transparentZero) : sfflib::Result<std::string>::failure({});
        if (!png)
            return Result<void>::failure("The PCX file " + from + " cannot be saved as PNG"
                                         + (image ? ": " + png.error() : "") + ".");
        out = *png;
    } else {
        out = *bytes;
    }
    return writeFileAtomic(to, out);
}

std::vector<std::string> exportAllPictures(const SpriteWorkspace& ws, const std::string& folder, ExportFormat format,
                                           bool transparentZero, const std::function<void(int done)>& progress)
{
    std::vector<std::string> errors;
    std::set<std::string> done;
    int records = 0;
    for (const SpriteRecord& record : ws.records()) {
        if (progress)
            progress(records);
        ++records;
        std::string name = fileNameOf(toSlashes(record.pcxFile));
        if (format == ExportFormat::Png && !name.empty()) {
            const auto dot = name.rfind('.');
            name = (dot == std::string::npos ? name : name.substr(0, dot)) + ".png";
        }
        if (name.empty() || !done.insert(name).second)
            continue;
        std::string target = folder + '/';
        target += name;
        const Result<void> copied = format == ExportFormat::Png
            ? exportPicture(ws.imagePath(record), target, transparentZero)
            : copyFile(ws.imagePath(record), target);
        if (!copied)
            errors.push_back(copied.error());
    }
    if (progress)
        progress(records);
    return errors;
}

} // namespace vantrel
