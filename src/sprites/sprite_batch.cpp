#include "sprites/sprite_batch.h"

#include "common/paths.h"
#include "common/text.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"
#include "sprites/sprite_list.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <system_error>
#include <unordered_map>
#include <utility>

namespace vantrel {

namespace {

using NumberSet = std::set<std::pair<std::int64_t, std::int64_t>>;

std::set<int> rowSet(const SpriteWorkspace& ws, const std::vector<int>& rows)
{
    std::set<int> set;
    for (int row : rows) {
        if (row >= 1 && row <= ws.count())
            set.insert(row);
    }
    return set;
}

bool endsWithPng(const std::string& name)
{
    const std::string lower = toLowerAscii(name);
    return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".png") == 0;
}

Result<sfflib::Picture> readPicture(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return Result<sfflib::Picture>::failure("Cannot read " + path + ".");
    if (sfflib::looksLikePng(*bytes)) {
        auto png = sfflib::decodePng(*bytes);
        if (!png)
            return Result<sfflib::Picture>::failure("The PNG file " + fileNameOf(path)
                                                    + " cannot be read: " + png.error() + ".");
        return std::move(*png);
    }
    auto pcx = sfflib::decodePcx(*bytes);
    if (!pcx)
        return Result<sfflib::Picture>::failure("The PCX file " + fileNameOf(path) + " cannot be read: " + pcx.error()
                                                + ".");
    return sfflib::Picture(std::move(*pcx));
}

// The bytes of a picture in the kind its file name says.
Result<std::string> encodeAs(const std::string& name, const sfflib::Picture& picture)
{
    if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture)) {
        if (!endsWithPng(name))
            return sfflib::encodePcx(*indexed);
        auto png = sfflib::encodePng(*indexed, true);
        return png ? Result<std::string>(std::move(*png)) : Result<std::string>::failure(png.error());
    }
    if (!endsWithPng(name))
        return Result<std::string>::failure(fileNameOf(name) + ": a 32-bit picture can be saved as PNG only.");
    auto png = sfflib::encodePng(std::get<sfflib::TrueColourImage>(picture));
    return png ? Result<std::string>(std::move(*png)) : Result<std::string>::failure(png.error());
}

bool visibleAt(const sfflib::Picture& picture, int x, int y)
{
    if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture))
        return indexed->pixels[static_cast<std::size_t>(y) * indexed->width + x] != 0;
    const auto& colour = std::get<sfflib::TrueColourImage>(picture);
    return colour.rgba[(static_cast<std::size_t>(y) * colour.width + x) * 4 + 3] != 0;
}

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

// The box of the visible pixels of a part of a picture; empty when none is.
Box visibleBox(const sfflib::Picture& picture, Box within)
{
    int left = within.left + within.width, right = within.left - 1;
    int top = within.top + within.height, bottom = within.top - 1;
    for (int y = within.top; y < within.top + within.height; ++y) {
        for (int x = within.left; x < within.left + within.width; ++x) {
            if (visibleAt(picture, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < left)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

// The rows of `box` out of a buffer of `size` bytes a pixel.
std::vector<std::uint8_t> cutRows(const std::vector<std::uint8_t>& in, int width, Box box, std::size_t size)
{
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(box.width) * box.height * size);
    for (int y = box.top; y < box.top + box.height; ++y) {
        const auto from =
            in.begin() + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) * width + box.left) * size);
        out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(box.width * size));
    }
    return out;
}

sfflib::Picture cutOut(const sfflib::Picture& picture, Box box)
{
    if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture))
        return sfflib::IndexedImage{box.width, box.height, cutRows(indexed->pixels, indexed->width, box, 1),
                                    indexed->palette};
    const auto& colour = std::get<sfflib::TrueColourImage>(picture);
    return sfflib::TrueColourImage{box.width, box.height, colour.hasAlpha, cutRows(colour.rgba, colour.width, box, 4)};
}

// A name for a new picture beside `pcxFile` that neither the folder nor
// `reserved` has.
std::string freshPictureName(const SpriteWorkspace& ws, const std::string& pcxFile, std::set<std::string>& reserved)
{
    const std::string slashed = toSlashes(pcxFile);
    const auto slash = slashed.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : slashed.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? slashed : slashed.substr(slash + 1);
    const auto dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (int k = 2;; ++k) {
        std::string candidate = folder;
        candidate += stem;
        candidate += '-';
        candidate += std::to_string(k);
        candidate += extension;
        std::error_code ec;
        // Letter case does not tell two pictures apart.
        if (reserved.count(toLowerAscii(candidate))
            || std::filesystem::exists(resolvePath(ws.appDir() + "/" + candidate), ec))
            continue;
        reserved.insert(toLowerAscii(candidate));
        return candidate;
    }
}

// What a change of a picture did: the file the sprites name now, and how far
// the picture's top left corner moved into it.
struct Rewritten {
    std::string pcxFile;
    int dx = 0, dy = 0;
};

// A change: nothing (the picture stays as it is), or the picture and the
// shift of its corner.
struct PictureChange {
    bool changed = false;
    sfflib::Picture picture;
    int dx = 0, dy = 0;
};

// Runs `change` once over each picture the selected rows name, writing the
// result over the file when only selected sprites name it, else as a new
// file; the sprites follow with their axes moved by the shift.
Result<BatchEdit> rewritePictures(const SpriteWorkspace& ws, const std::vector<int>& rows,
                                  const std::function<Result<PictureChange>(const sfflib::Picture&)>& change)
{
    const std::set<int> selected = rowSet(ws, rows);
    std::map<std::string, int> namedOutside;
    for (int row = 1; row <= ws.count(); ++row) {
        if (!selected.count(row))
            ++namedOutside[ws.record(row).pcxFile];
    }
    BatchEdit edit{ws.records(), {}, 0};
    std::map<std::string, std::optional<Rewritten>> done;
    std::set<std::string> reserved;
    for (int row : selected) {
        SpriteRecord& record = edit.records[static_cast<std::size_t>(row - 1)];
        auto found = done.find(record.pcxFile);
        if (found == done.end()) {
            const Result<sfflib::Picture> picture = readPicture(ws.imagePath(record));
            if (!picture)
                return picture.failure();
            const Result<PictureChange> changed = change(*picture);
            if (!changed)
                return changed.failure();
            std::optional<Rewritten> result;
            if (changed->changed) {
                const std::string target = namedOutside.count(record.pcxFile)
                    ? freshPictureName(ws, record.pcxFile, reserved)
                    : record.pcxFile;
                Result<std::string> bytes = encodeAs(target, changed->picture);
                if (!bytes)
                    return bytes.failure();
                edit.pictures.push_back({target, std::move(*bytes)});
                result = Rewritten{target, changed->dx, changed->dy};
            }
            found = done.emplace(record.pcxFile, result).first;
        }
        if (!found->second)
            continue;
        record.pcxFile = found->second->pcxFile;
        storeNumber(record.axisXText, record.axisX() - found->second->dx);
        storeNumber(record.axisYText, record.axisY() - found->second->dy);
        ++edit.changed;
    }
    return edit;
}

int squaredDistance(Rgb a, Rgb b)
{
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// The nearest of the palette's colours 1 to 255, remembered per colour.
class NearestColour {
public:
    explicit NearestColour(const Palette& palette) : palette_(palette) { }
    std::uint8_t operator()(Rgb colour)
    {
        const std::uint32_t key = (colour.r << 16) | (colour.g << 8) | colour.b;
        if (const auto it = known_.find(key); it != known_.end())
            return it->second;
        int best = 1;
        for (int k = 2; k < 256 && squaredDistance(colour, palette_[best]) > 0; ++k) {
            if (squaredDistance(colour, palette_[k]) < squaredDistance(colour, palette_[best]))
                best = k;
        }
        known_.emplace(key, static_cast<std::uint8_t>(best));
        return static_cast<std::uint8_t>(best);
    }

private:
    const Palette& palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> known_;
};

sfflib::Palette toFilePalette(const Palette& palette)
{
    sfflib::Palette bytes{};
    for (std::size_t k = 0; k < 256; ++k) {
        bytes[3 * k] = palette[k].r;
        bytes[3 * k + 1] = palette[k].g;
        bytes[3 * k + 2] = palette[k].b;
    }
    return bytes;
}

NumberSet takenNumbers(const std::vector<SpriteRecord>& records)
{
    NumberSet taken;
    for (const SpriteRecord& record : records)
        taken.emplace(record.group(), record.imageNo());
    return taken;
}

std::int64_t takeFreeNumber(NumberSet& taken, std::int64_t group, std::int64_t from)
{
    std::int64_t number = std::max<std::int64_t>(from, 0);
    while (taken.count({group, number}))
        ++number;
    taken.emplace(group, number);
    return number;
}

} // namespace

BatchEdit setAxes(const SpriteWorkspace& ws, const std::vector<int>& rows, std::int64_t x, std::int64_t y,
                  bool relative)
{
    BatchEdit edit{ws.records(), {}, 0};
    for (int row : rowSet(ws, rows)) {
        SpriteRecord& record = edit.records[static_cast<std::size_t>(row - 1)];
        const std::int64_t newX = clampAxis(relative ? record.axisX() + x : x);
        const std::int64_t newY = clampAxis(relative ? record.axisY() + y : y);
        if (newX == record.axisX() && newY == record.axisY())
            continue;
        storeNumber(record.axisXText, newX);
        storeNumber(record.axisYText, newY);
        ++edit.changed;
    }
    return edit;
}

BatchEdit moveToGroup(const SpriteWorkspace& ws, const std::vector<int>& rows, std::int64_t group)
{
    const std::set<int> selected = rowSet(ws, rows);
    BatchEdit edit{ws.records(), {}, 0};
    // The numbers the group keeps: its sprites that stay where they are.
    NumberSet taken;
    for (int row = 1; row <= ws.count(); ++row) {
        if (!selected.count(row) || ws.record(row).group() == group)
            taken.emplace(ws.record(row).group(), ws.record(row).imageNo());
    }
    for (int row : selected) {
        SpriteRecord& record = edit.records[static_cast<std::size_t>(row - 1)];
        if (record.group() == group)
            continue;
        storeNumber(record.groupText, group);
        storeNumber(record.imageText, takeFreeNumber(taken, group, record.imageNo()));
        ++edit.changed;
    }
    return edit;
}

BatchEdit deleteRows(const SpriteWorkspace& ws, const std::vector<int>& rows)
{
    const std::set<int> selected = rowSet(ws, rows);
    BatchEdit edit;
    for (int row = 1; row <= ws.count(); ++row) {
        if (!selected.count(row))
            edit.records.push_back(ws.record(row));
    }
    edit.changed = static_cast<int>(selected.size());
    return edit;
}

Result<BatchEdit> cropToContent(const SpriteWorkspace& ws, const std::vector<int>& rows)
{
    return rewritePictures(ws, rows, [](const sfflib::Picture& picture) -> Result<PictureChange> {
        const int width = sfflib::widthOf(picture), height = sfflib::heightOf(picture);
        const Box box = visibleBox(picture, {0, 0, width, height});
        if (box.width == 0 || (box.width == width && box.height == height))
            return PictureChange{};
        return PictureChange{true, cutOut(picture, box), box.left, box.top};
    });
}

Result<BatchEdit> remapToPalette(const SpriteWorkspace& ws, const std::vector<int>& rows, const Palette& palette)
{
    NearestColour nearest(palette);
    const sfflib::Palette filePalette = toFilePalette(palette);
    return rewritePictures(ws, rows, [&](const sfflib::Picture& picture) -> Result<PictureChange> {
        sfflib::IndexedImage out;
        out.width = sfflib::widthOf(picture);
        out.height = sfflib::heightOf(picture);
        out.palette = filePalette;
        out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
        if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture)) {
            std::array<std::uint8_t, 256> mapping{};
            for (std::size_t k = 1; k < 256; ++k)
                mapping[k] =
                    nearest({indexed->palette[3 * k], indexed->palette[3 * k + 1], indexed->palette[3 * k + 2]});
            for (std::size_t i = 0; i < out.pixels.size(); ++i)
                out.pixels[i] = mapping[indexed->pixels[i]];
        } else {
            const auto& colour = std::get<sfflib::TrueColourImage>(picture);
            for (std::size_t i = 0; i < out.pixels.size(); ++i) {
                const std::uint8_t* p = &colour.rgba[4 * i];
                out.pixels[i] = p[3] == 0 ? 0 : nearest({p[0], p[1], p[2]});
            }
        }
        if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture); indexed && *indexed == out)
            return PictureChange{};
        return PictureChange{true, std::move(out), 0, 0};
    });
}

Result<BatchEdit> importSheet(const SpriteWorkspace& ws, const std::string& pngPath, const SheetCut& cut,
                              std::int64_t group, std::int64_t firstNumber, FrameAxis axis)
{
    using R = Result<BatchEdit>;
    const auto bytes = readFileBytes(pngPath);
    if (!bytes || !sfflib::looksLikePng(*bytes))
        return R::failure(fileNameOf(pngPath) + " is not a PNG file.");
    const Result<sfflib::Picture> sheet = readPicture(pngPath);
    if (!sheet)
        return sheet.failure();
    const int width = sfflib::widthOf(*sheet), height = sfflib::heightOf(*sheet);
    const int frameWidth = cut.columns > 0 ? width / cut.columns : cut.frameWidth;
    const int frameHeight = cut.rows > 0 ? height / cut.rows : cut.frameHeight;
    if (frameWidth < 1 || frameHeight < 1 || frameWidth > width || frameHeight > height)
        return R::failure("Frames of " + std::to_string(frameWidth) + " x " + std::to_string(frameHeight)
                          + " pixels do not fit the sheet of " + std::to_string(width) + " x " + std::to_string(height)
                          + ".");
    const std::string name = fileNameOf(toSlashes(pngPath));
    const std::string stem = name.substr(0, name.rfind('.'));
    BatchEdit edit{ws.records(), {}, 0};
    NumberSet taken = takenNumbers(edit.records);
    std::set<std::string> reserved;
    std::int64_t from = firstNumber;
    for (int top = 0; top + frameHeight <= height; top += frameHeight) {
        for (int left = 0; left + frameWidth <= width; left += frameWidth) {
            const Box frame{left, top, frameWidth, frameHeight};
            if (visibleBox(*sheet, frame).width == 0)
                continue;
            if (!canGrowTable(ws, edit.changed + 1))
                return R::failure(kTooManyImages);
            const std::string file = freshPictureName(ws, "tempsff/" + stem + ".png", reserved);
            Result<std::string> encoded = encodeAs(file, cutOut(*sheet, frame));
            if (!encoded)
                return encoded.failure();
            edit.pictures.push_back({file, std::move(*encoded)});
            SpriteRecord record;
            record.pcxFile = file;
            storeNumber(record.groupText, group);
            from = takeFreeNumber(taken, group, from);
            storeNumber(record.imageText, from);
            storeNumber(record.axisXText, axis == FrameAxis::TopLeft ? 0 : frameWidth / 2);
            storeNumber(record.axisYText,
                        axis == FrameAxis::TopLeft      ? 0
                            : axis == FrameAxis::Centre ? frameHeight / 2
                                                        : frameHeight);
            edit.records.push_back(std::move(record));
            ++edit.changed;
        }
    }
    if (edit.changed == 0)
        return R::failure("Every frame of " + name + " is fully transparent: there is nothing to import.");
    return edit;
}

std::vector<std::string> exportSelection(const SpriteWorkspace& ws, const std::vector<int>& rows,
                                         const std::string& folder)
{
    std::vector<std::string> errors;
    for (int row : rowSet(ws, rows)) {
        const SpriteRecord& record = ws.record(row);
        const std::string target =
            folder + "/" + fieldText(record.group()) + "-" + fieldText(record.imageNo()) + ".png";
        const Result<void> exported = exportPicture(ws.imagePath(record), target, true);
        if (!exported)
            errors.push_back(exported.error());
    }
    return errors;
}

std::optional<std::pair<std::int64_t, std::int64_t>> parseNumberPair(const std::string& text, char separator)
{
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), separator, ' ');
    std::istringstream in(spaced);
    std::pair<std::int64_t, std::int64_t> pair;
    if (!(in >> pair.first >> pair.second))
        return std::nullopt;
    in >> std::ws;
    if (!in.eof())
        return std::nullopt;
    return pair;
}

} // namespace vantrel
