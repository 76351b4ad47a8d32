#include "sprite_tools/sprite_tools.h"

#include "formats/archive_description.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/sprite_index.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace sfflib {

namespace fs = std::filesystem;

namespace {

std::string pictureName(std::size_t picture, bool trueColour)
{
    char name[32];
    std::snprintf(name, sizeof name, "s%05zu.%s", picture, trueColour ? "png" : "pcx");
    return name;
}

// A file of the workspace. The workspace is scratch: the editor unpacks it
// into a fresh folder and deletes it at close, so nothing is flushed to disk
// here; the index, written last and atomically, marks it complete.
// Plain system calls, one write for the whole file: thousands of small
// files are written, and a stdio stream would add a buffer and a call each.
std::string writeScratchFile(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return "Could not write " + path + ": " + std::strerror(errno);
    int err = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        return "Could not write " + path + ": " + std::strerror(err);
    return {};
}

// A picture ready to be written: its file's bytes, or why it could not be
// made.
struct CodedPicture {
    std::string bytes;
    std::string error;
    bool trueColour = false;
};

// Decodes the archive's pictures and encodes each as its workspace file on a
// thread of its own, in order, a few pictures ahead of the thread that writes
// them: writing thousands of small files is mostly the system's work, which
// then overlaps the coding. Stops at the first picture that fails, or when
// the writer gives up.
class PictureCoder {
public:
    explicit PictureCoder(const SffReader& reader) : reader_(reader), thread_([this] { run(); }) { }
    ~PictureCoder()
    {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    PictureCoder(const PictureCoder&) = delete;
    PictureCoder& operator=(const PictureCoder&) = delete;

    // The next picture, in the archive's order; waits for it.
    CodedPicture next()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty(); });
        CodedPicture picture = std::move(ready_.front());
        ready_.pop_front();
        readyBytes_ -= picture.bytes.size();
        changed_.notify_all();
        return picture;
    }

private:
    // How far ahead the coding may run: pictures, and bytes waiting to be
    // written (big pictures are not held by the dozen).
    static constexpr std::size_t kAhead = 64;
    static constexpr std::size_t kAheadBytes = std::size_t(16) << 20;

    void run()
    {
        for (std::size_t k = 0; k < reader_.pictureCount(); ++k) {
            CodedPicture coded = code(k);
            const bool failed = !coded.error.empty();
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] {
                return stopped_ || ready_.empty() || (ready_.size() < kAhead && readyBytes_ < kAheadBytes);
            });
            if (stopped_)
                return;
            readyBytes_ += coded.bytes.size();
            ready_.push_back(std::move(coded));
            changed_.notify_all();
            if (failed)
                return;
        }
    }

    CodedPicture code(std::size_t k) const
    {
        try {
            return codeOrThrow(k);
        } catch (const std::exception& e) { // out of memory: no thread may end by an exception
            CodedPicture failed;
            failed.error = "picture " + std::to_string(k) + ": " + e.what();
            return failed;
        }
    }

    CodedPicture codeOrThrow(std::size_t k) const
    {
        CodedPicture coded;
        const auto picture = reader_.decode(k);
        if (!picture) {
            coded.error = picture.error();
            return coded;
        }
        coded.trueColour = isTrueColour(*picture);
        if (const auto* indexed = std::get_if<IndexedImage>(&*picture)) {
            coded.bytes = encodePcx(*indexed);
        } else if (auto png = encodePng(std::get<TrueColourImage>(*picture))) {
            coded.bytes = std::move(*png);
        } else {
            coded.error = png.error();
        }
        return coded;
    }

    const SffReader& reader_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<CodedPicture> ready_;
    std::size_t readyBytes_ = 0;
    bool stopped_ = false;
    std::thread thread_; // last: starts once the members above exist
};

} // namespace

Result<std::size_t> unpackSff(const std::string& sffPath, const std::string& folder, const std::string& indexPath)
{
    using R = Result<std::size_t>;
    const std::string descriptionPath = descriptionPathFor(indexPath);
    std::error_code ec;
    fs::remove(indexPath, ec);
    fs::remove(descriptionPath, ec);

    const std::string archivePath = vantrel::resolvePath(sffPath);
    const auto reader = SffReader::openFile(archivePath);
    if (!reader)
        return R::failure(reader.error());

    std::string prefix = vantrel::toSlashes(folder);
    while (prefix.size() > 1 && prefix.back() == '/')
        prefix.pop_back();
    fs::create_directories(prefix, ec);
    if (!fs::is_directory(prefix, ec))
        return R::failure("cannot create the folder " + prefix);
    prefix += '/';

    ArchiveDescription description;
    description.version = reader->versionText();
    description.palettes = reader->palettes();
    std::vector<std::string> names(reader->pictureCount());
    if (!names.empty()) {
        PictureCoder coder(*reader);
        for (std::size_t k = 0; k < names.size(); ++k) {
            const CodedPicture picture = coder.next();
            if (!picture.error.empty())
                return R::failure(archivePath + ": " + picture.error);
            names[k] = prefix + pictureName(k, picture.trueColour);
            if (!picture.trueColour)
                description.pictures.emplace_back(names[k], reader->paletteOf(k));
            const std::string failed = writeScratchFile(names[k], picture.bytes);
            if (!failed.empty())
                return R::failure(failed);
        }
    }
    if (reader->version() == 2) {
        const std::string failed = writeScratchFile(descriptionPath, formatArchiveDescription(description));
        if (!failed.empty())
            return R::failure(failed);
    }

    std::vector<vantrel::SpriteRecord> records;
    records.reserve(reader->sprites().size());
    for (const Sprite& s : reader->sprites()) {
        records.push_back({names[s.image], std::to_string(s.group), std::to_string(s.imageNo), std::to_string(s.axisX),
                           std::to_string(s.axisY)});
    }
    // Scratch as well: a sync here would make the system write out every
    // picture above first, which is what the workspace spares.
    const auto written =
        vantrel::writeFileAtomic(indexPath, vantrel::formatSpriteIndex(sffPath, records), vantrel::Durability::Scratch);
    if (!written) {
        fs::remove(descriptionPath, ec);
        return R::failure(written.error());
    }
    return reader->sprites().size();
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

bool hasPngExtension(const std::string& path)
{
    const std::string lower = vantrel::toLowerAscii(path);
    return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".png") == 0;
}

// The picture of record `i` (0-based) with its numbers; failures name the
// record and the file.
struct RecordPicture {
    Picture picture;
    Sprite numbers;
};

Result<RecordPicture> loadRecord(const vantrel::SpriteRecord& r, std::size_t i)
{
    using R = Result<RecordPicture>;
    const std::string record = "record " + std::to_string(i + 1);
    if (r.pcxFile.empty())
        return R::failure(record + ": no PCX file is named");
    const auto bytes = vantrel::readFileBytes(vantrel::resolvePath(r.pcxFile));
    const bool png = bytes ? looksLikePng(*bytes) || hasPngExtension(r.pcxFile) : hasPngExtension(r.pcxFile);
    const std::string file = std::string(png ? "the PNG file " : "the PCX file ") + r.pcxFile;
    if (!bytes)
        return R::failure(record + ": cannot read " + file);

    RecordPicture out;
    if (png) {
        auto picture = decodePng(*bytes);
        if (!picture)
            return R::failure(record + ": " + file + " is unusable: " + picture.error());
        out.picture = std::move(*picture);
    } else {
        auto image = decodePcx(*bytes);
        if (!image)
            return R::failure(record + ": " + file + " is unusable: " + image.error());
        out.picture = std::move(*image);
    }
    const std::pair<const std::string*, std::int16_t*> numbers[] = {{&r.groupText, &out.numbers.group},
                                                                    {&r.imageText, &out.numbers.imageNo},
                                                                    {&r.axisXText, &out.numbers.axisX},
                                                                    {&r.axisYText, &out.numbers.axisY}};
    for (const auto& [text, value] : numbers) {
        if (!toInt16(*text, *value))
            return R::failure(record + ": the value " + *text + " is outside -32768 to 32767");
    }
    return out;
}

Result<std::string> buildV1(const vantrel::SpriteIndex& index, const BuildOptions& options)
{
    using R = Result<std::string>;
    std::vector<SpriteSource> sprites;
    sprites.reserve(index.records.size());
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        auto loaded = loadRecord(index.records[i], i);
        if (!loaded)
            return R::failure(loaded.error());
        auto* image = std::get_if<IndexedImage>(&loaded->picture);
        if (!image)
            return R::failure("record " + std::to_string(i + 1) + ": the PNG file " + index.records[i].pcxFile
                              + " is a true-colour picture, which SFF v1 cannot hold (build as SFF v2: -v2)");
        const Sprite& n = loaded->numbers;
        sprites.push_back({std::move(*image), n.group, n.imageNo, n.axisX, n.axisY});
    }
    return writeSffV1(sprites, options);
}

// True when `palette` draws the picture as its own colours do: every pixel
// indexes a colour of the palette, and each of those colours is the
// picture's own.
bool drawsAlike(const PaletteEntry& palette, const IndexedImage& image, std::uint8_t highestPixel)
{
    if (highestPixel >= palette.count())
        return false;
    for (std::size_t c = 0; c < palette.count(); ++c) {
        if (!std::equal(image.palette.begin() + std::ptrdiff_t(c * 3),
                        image.palette.begin() + std::ptrdiff_t(c * 3 + 3),
                        palette.colours.begin() + std::ptrdiff_t(c * 4)))
            return false;
    }
    return true;
}

// Chooses the palette table entry each 8-bit picture of a v2 build is drawn
// with, adding palettes for colours the table does not have.
class PaletteChooser {
public:
    PaletteChooser(SffV2Writer& writer, const ArchiveDescription* description)
            : m_writer(writer), m_description(description)
    {
        for (const PaletteEntry& p : writer.palettes())
            m_names.insert({p.group, p.number});
    }

    // The palette the picture was unpacked with when it still fits; else the
    // first of the table that does; else a new one.
    Result<std::uint16_t> choose(const std::string& pictureFile, const IndexedImage& image, const Sprite& sprite)
    {
        const std::uint8_t highest = *std::max_element(image.pixels.begin(), image.pixels.end());
        const auto& table = m_writer.palettes();
        const int described = m_description ? m_description->paletteOfPicture(pictureFile) : -1;
        for (const int candidate : {described, m_last}) {
            if (candidate >= 0 && std::size_t(candidate) < table.size()
                && drawsAlike(table[std::size_t(candidate)], image, highest))
                return remember(candidate);
        }
        for (std::size_t k = 0; k < table.size(); ++k) {
            if (drawsAlike(table[k], image, highest))
                return remember(static_cast<int>(k));
        }
        PaletteEntry fresh;
        std::tie(fresh.group, fresh.number) = freeName(sprite);
        fresh.colours.resize(256 * 4);
        for (std::size_t c = 0; c < 256; ++c) {
            std::copy_n(image.palette.begin() + std::ptrdiff_t(c * 3), 3,
                        fresh.colours.begin() + std::ptrdiff_t(c * 4));
            fresh.colours[c * 4 + 3] = c == 0 ? 0 : 255; // colour 0 is the transparent one
        }
        auto added = m_writer.addPalette(fresh);
        if (!added)
            return added;
        m_names.insert({fresh.group, fresh.number});
        return remember(*added);
    }

private:
    std::uint16_t remember(int palette)
    {
        m_last = palette;
        return static_cast<std::uint16_t>(palette);
    }

    // A new palette is 1,1 (the character's own, which the chosen colour set
    // replaces in the game) while the table has none; otherwise it takes the
    // numbers of the first sprite drawn with it, or the next free number of
    // that group.
    std::pair<std::int16_t, std::int16_t> freeName(const Sprite& sprite) const
    {
        if (!m_names.count({1, 1}))
            return {1, 1};
        std::int16_t number = sprite.imageNo;
        while (m_names.count({sprite.group, number}) && number < INT16_MAX)
            ++number;
        return {sprite.group, number};
    }

    SffV2Writer& m_writer;
    const ArchiveDescription* m_description;
    std::set<std::pair<std::int16_t, std::int16_t>> m_names;
    int m_last = -1;
};

Result<std::string> buildV2(const vantrel::SpriteIndex& index, const BuildOptions& options,
                            const ArchiveDescription* description)
{
    using R = Result<std::string>;
    BuildOptions v2 = options;
    if (v2.minorVersion < 0) // as the archive unpacked into the workspace was
        v2.minorVersion = description && description->version == "2.00" ? 0 : 1;
    SffV2Writer writer(description ? description->palettes : std::vector<PaletteEntry>{}, v2);
    PaletteChooser palettes(writer, description);
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        auto loaded = loadRecord(index.records[i], i);
        if (!loaded)
            return R::failure(loaded.error());
        std::uint16_t palette = 0;
        if (const auto* image = std::get_if<IndexedImage>(&loaded->picture)) {
            const auto chosen = palettes.choose(index.records[i].pcxFile, *image, loaded->numbers);
            if (!chosen)
                return R::failure("record " + std::to_string(i + 1) + ": " + chosen.error());
            palette = *chosen;
        }
        const auto added = writer.addSprite(loaded->numbers, loaded->picture, palette);
        if (!added)
            return R::failure("record " + std::to_string(i + 1) + ": " + added.error());
    }
    return writer.finish();
}

} // namespace

Result<BuildReport> buildSff(std::string_view indexText, const BuildOptions& options,
                             const std::string& descriptionPath)
{
    using R = Result<BuildReport>;
    const vantrel::SpriteIndex index = vantrel::parseSpriteIndex(indexText);
    if (index.header.empty())
        return R::failure("the index names no SFF file to write (its first line is empty)");
    if (options.version != 0 && options.version != 1 && options.version != 2)
        return R::failure("SFF version " + std::to_string(options.version) + " cannot be written");
    // The engines show the first of two sprites with one number and never the other.
    if (const auto clash = vantrel::firstNumberClash(index.records)) {
        const vantrel::SpriteRecord& second = index.records[clash->second];
        return R::failure("records " + std::to_string(clash->first + 1) + " and " + std::to_string(clash->second + 1)
                          + " are both sprite " + std::to_string(second.group()) + ","
                          + std::to_string(second.imageNo()) + ": an SFF holds one sprite of each number");
    }

    const auto description = readArchiveDescription(descriptionPath);
    if (!description)
        return R::failure(description.error());
    const int version = options.version ? options.version : *description ? 2 : 1;

    const auto bytes =
        version == 1 ? buildV1(index, options) : buildV2(index, options, *description ? &**description : nullptr);
    if (!bytes)
        return R::failure(bytes.error());
    const std::string sffPath = vantrel::toSlashes(index.header);
    const auto written = vantrel::writeFileAtomic(sffPath, *bytes);
    if (!written)
        return R::failure(written.error());
    return BuildReport{index.records.size(), sffPath, version};
}

} // namespace sfflib
