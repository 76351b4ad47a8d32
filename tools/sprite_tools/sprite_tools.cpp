#include "sprite_tools/sprite_tools.h"

#include "formats/archive_description.h"
#include "formats/content_hash.h"
#include "formats/pcx_header.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/sprite_index.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sfflib {

namespace fs = std::filesystem;

namespace {

std::string_view colourBytes(const PaletteEntry& p)
{
    return {reinterpret_cast<const char*>(p.colours.data()), p.colours.size()};
}

std::string_view paletteBytes(const Palette& p)
{
    return {reinterpret_cast<const char*>(p.data()), p.size()};
}

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
// A file's modification and status change times, in nanoseconds.
struct FileTimes {
    std::int64_t modified = 0;
    std::int64_t changed = 0;
};

FileTimes timesOf(const struct stat& st)
{
    return {std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

std::string writeScratchFile(const std::string& path, std::string_view bytes, FileTimes* times = nullptr)
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
    struct stat st { };
    if (times && err == 0 && ::fstat(fd, &st) == 0)
        *times = timesOf(st);
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
    std::uint64_t fileHash = 0;    // of `bytes`
    std::uint64_t dataHash = 0;    // of the picture's stored bytes in the archive
    std::uint64_t paletteHash = 0; // of an 8-bit picture's 768 colour bytes
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
            coded.paletteHash = contentHash(paletteBytes(indexed->palette));
        } else if (auto png = encodePng(std::get<TrueColourImage>(*picture))) {
            coded.bytes = std::move(*png);
        } else {
            coded.error = png.error();
        }
        coded.fileHash = contentHash(coded.bytes);
        const SffReader::Stored stored = reader_.stored(k);
        coded.dataHash = contentHash(reader_.bytes().substr(stored.offset, stored.length));
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
    // Where each picture's stored bytes lie, for a build to copy them (a path
    // with a line end cannot be written in the description).
    std::string absolute = fs::absolute(archivePath, ec).lexically_normal().string();
    if (!ec && absolute.find_first_of("\r\n") == std::string::npos) {
        description.storedVersion = description.version;
        description.storedArchive = std::move(absolute);
    }
    std::vector<std::uint64_t> paletteHashes;
    for (const PaletteEntry& p : description.palettes)
        paletteHashes.push_back(contentHash(colourBytes(p)));
    std::vector<std::string> names(reader->pictureCount());
    if (!names.empty()) {
        PictureCoder coder(*reader);
        for (std::size_t k = 0; k < names.size(); ++k) {
            const CodedPicture picture = coder.next();
            if (!picture.error.empty())
                return R::failure(archivePath + ": " + picture.error);
            names[k] = prefix + pictureName(k, picture.trueColour);
            const SffReader::Stored at = reader->stored(k);
            const bool paletted = reader->version() == 2 && !picture.trueColour;
            if (paletted)
                description.pictures.emplace_back(names[k], at.palette);
            FileTimes times;
            const std::string failed = writeScratchFile(names[k], picture.bytes, &times);
            if (!failed.empty())
                return R::failure(failed);
            if (!description.storedArchive.empty()) {
                description.stored.push_back({names[k], at.offset, at.length, picture.dataHash, at.format, at.depth,
                                              at.width, at.height, at.palette,
                                              paletted ? paletteHashes.at(at.palette) : picture.paletteHash,
                                              picture.bytes.size(), times.modified, times.changed, picture.fileHash});
            }
        }
    }
    {
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

// A file as read now: its bytes and times.
struct StampedFile {
    std::string bytes;
    FileTimes times;
};

std::optional<StampedFile> readStamped(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    StampedFile file;
    struct stat st { };
    bool ok = ::fstat(fd, &st) == 0;
    if (ok) {
        file.times = timesOf(st);
        file.bytes.resize(static_cast<std::size_t>(st.st_size));
    }
    for (std::size_t got = 0; ok && got < file.bytes.size();) {
        const ssize_t n = ::read(fd, file.bytes.data() + got, file.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n == 0)
            file.bytes.resize(got);
        got += n > 0 ? std::size_t(n) : 0;
    }
    ::close(fd);
    return ok ? std::optional(std::move(file)) : std::nullopt;
}

// A file's bytes read once into memory of the program's own: a change to
// the file afterwards does not reach them, so the bytes checked against their
// recorded hash are the bytes copied. The memory comes in huge pages where
// the system has them: on a virtual machine, where the first touch of each
// page traps into the host, touching 50 MB of fresh memory page by page costs
// more than reading the file.
class FileSnapshot {
public:
    FileSnapshot() = default;
    ~FileSnapshot() { release(); }
    FileSnapshot(FileSnapshot&& other) noexcept
            : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
              mapped_(std::exchange(other.mapped_, 0))
    { }
    FileSnapshot& operator=(FileSnapshot&& other) noexcept
    {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            mapped_ = std::exchange(other.mapped_, 0);
        }
        return *this;
    }

    // Nothing when the file cannot be read; a file that shrinks meanwhile
    // gives what is left, one that grows its old size.
    static std::optional<FileSnapshot> read(const std::string& path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return std::nullopt;
        std::optional<FileSnapshot> out;
        struct stat st { };
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            out.emplace();
            if (!out->allocate(static_cast<std::size_t>(st.st_size)) || !out->fill(fd))
                out.reset();
        }
        ::close(fd);
        return out;
    }

    std::string_view bytes() const { return {data_, size_}; }

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;

    bool allocate(std::size_t size)
    {
        if (size == 0)
            return true;
        // Aligned to a huge page, from a mapping one huge page longer.
        const std::size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
        void* const base =
            ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base == MAP_FAILED)
            return false;
        char* const start = static_cast<char*>(base);
        char* const aligned =
            reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
        if (aligned > start)
            ::munmap(start, std::size_t(aligned - start));
        if (start + length + kHugePage > aligned + length)
            ::munmap(aligned + length, std::size_t(start + length + kHugePage - (aligned + length)));
        ::madvise(aligned, length, MADV_HUGEPAGE); // a hint: small pages when refused
        data_ = aligned;
        mapped_ = length;
        size_ = size;
        return true;
    }

    bool fill(int fd)
    {
        std::size_t got = 0;
        while (got < size_) {
            const ssize_t n = ::read(fd, data_ + got, size_ - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            got += std::size_t(n);
        }
        size_ = got;
        return true;
    }

    void release()
    {
        if (data_)
            ::munmap(data_, mapped_);
        data_ = nullptr;
        size_ = mapped_ = 0;
    }

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;
};

std::string recordName(std::size_t i)
{
    return "record " + std::to_string(i + 1);
}

// Why a picture the description records is encoded after all.
enum class Fallback { None, NotRecorded, Edited, EditedInPlace, ArchiveChanged, PaletteGone, Vanished };

// What the build makes of one picture file: its stored bytes copied as
// they are from the archive it was unpacked from (or last built into), or
// the picture decoded and encoded anew.
struct PreparedPicture {
    std::string error; // the build stops: the file cannot be read or used
    std::string path;  // the file found for the record's name
    std::uint64_t fileSize = 0;
    FileTimes fileTimes;
    std::uint64_t fileHash = 0;
    const StoredPicture* copy = nullptr; // where its bytes lie when they are copied
    Fallback why = Fallback::None;
    bool trueColour = false;
    // 8-bit, SFF v1: the hash of its 768 colour bytes (paletteBytes).
    std::uint64_t paletteHash = 0;
    // Encoded, 8-bit: its size and colours (no pixels), for choosing a
    // palette. Held apart: most pictures of a save are copied and need none.
    std::unique_ptr<IndexedImage> image;
    std::uint8_t highest = 0;
    std::string pcx; // encoded v1: the PCX with its palette
    StoredSprite v2; // encoded v2
    int cropLeft = 0;
    int cropTop = 0;
};

// What every picture is prepared against.
struct BuildContext {
    int version = 1;
    BuildOptions options;
    const ArchiveDescription* description = nullptr;
    std::string_view archive; // the bytes of the archive to copy from; empty: nothing is copied
};

Result<Picture> decodeFile(const std::string& bytes, const std::string& pcxFile)
{
    const bool png = looksLikePng(bytes) || hasPngExtension(pcxFile);
    const std::string file = std::string(png ? "the PNG file " : "the PCX file ") + pcxFile;
    if (png) {
        auto picture = decodePng(bytes);
        if (!picture)
            return Result<Picture>::failure(file + " is unusable: " + picture.error());
        return std::move(*picture);
    }
    auto image = decodePcx(bytes);
    if (!image)
        return Result<Picture>::failure(file + " is unusable: " + image.error());
    return Picture(std::move(*image));
}

// Copies the picture when its recorded bytes are still in the archive.
bool copyStored(const StoredPicture& stored, const BuildContext& context, PreparedPicture& p)
{
    const std::string_view archive = context.archive;
    if (stored.offset > archive.size() || stored.length > archive.size() - stored.offset
        || contentHash(archive.substr(stored.offset, stored.length)) != stored.dataHash) {
        p.why = Fallback::ArchiveChanged;
        return false;
    }
    p.copy = &stored;
    p.fileHash = stored.fileHash;
    p.trueColour = stored.format == 11 || stored.format == 12;
    p.paletteHash = stored.paletteHash;
    return true;
}

// Picture `k` of the index is the file of record `i`.
PreparedPicture preparePicture(const vantrel::SpriteRecord& r, std::size_t i, std::size_t k,
                               const BuildContext& context)
{
    PreparedPicture p;
    if (r.pcxFile.empty()) {
        p.error = recordName(i) + ": no PCX file is named";
        return p;
    }
    // The messages are made only when needed: most pictures of a save are
    // copied without one, thousands of them.
    const auto cannotRead = [&] {
        return recordName(i) + ": cannot read the " + (hasPngExtension(r.pcxFile) ? "PNG" : "PCX") + " file "
            + r.pcxFile;
    };
    // The file as named; else its one match whatever the letter case.
    p.path = vantrel::toSlashes(r.pcxFile);
    struct stat st { };
    if (::stat(p.path.c_str(), &st) != 0) {
        p.path = vantrel::resolvePath(r.pcxFile);
        if (::stat(p.path.c_str(), &st) != 0) {
            // Gone since the build that wrote it: the archive still holds it
            // as it was then, which is kept when its bytes are still there.
            const StoredPicture* gone = context.description && !context.archive.empty()
                ? context.description->storedPicture(r.pcxFile, k)
                : nullptr;
            if (gone && copyStored(*gone, context, p)) {
                p.why = Fallback::Vanished;
                p.fileSize = gone->fileSize;
                p.fileTimes = {gone->fileTime, gone->fileChange};
                return p;
            }
            p.error = cannotRead();
            return p;
        }
    }
    // Size and both times as recorded: unchanged, and not read at all.
    const StoredPicture* stored = context.description ? context.description->storedPicture(r.pcxFile, k) : nullptr;
    if (!stored || context.archive.empty())
        p.why = Fallback::NotRecorded;
    const FileTimes now = timesOf(st);
    if (p.why == Fallback::None && stored->fileSize == std::uint64_t(st.st_size) && stored->fileTime == now.modified
        && stored->fileChange == now.changed) {
        p.fileSize = stored->fileSize;
        p.fileTimes = now;
        if (copyStored(*stored, context, p))
            return p;
    }

    const std::string record = recordName(i);
    const auto file = readStamped(p.path);
    if (!file) {
        p.error = cannotRead();
        return p;
    }
    p.fileSize = file->bytes.size();
    p.fileTimes = file->times;
    p.fileHash = contentHash(file->bytes);
    if (p.why == Fallback::None) {
        // Touched, or copied back as it was: the same bytes are copied still.
        if (stored->fileHash == p.fileHash && stored->fileSize == p.fileSize) {
            if (copyStored(*stored, context, p))
                return p;
        } else {
            p.why = stored->fileSize == p.fileSize && stored->fileTime == p.fileTimes.modified ? Fallback::EditedInPlace
                                                                                               : Fallback::Edited;
        }
    }

    auto picture = decodeFile(file->bytes, r.pcxFile);
    if (!picture) {
        p.error = record + ": " + picture.error();
        return p;
    }
    p.trueColour = isTrueColour(*picture);
    if (const auto* image = std::get_if<IndexedImage>(&*picture)) {
        p.highest = image->pixels.empty() ? 0 : *std::max_element(image->pixels.begin(), image->pixels.end());
        p.image = std::make_unique<IndexedImage>();
        p.image->width = image->width;
        p.image->height = image->height;
        p.image->palette = image->palette;
        p.paletteHash = contentHash(paletteBytes(image->palette));
    }
    if (context.version == 1) {
        auto* image = std::get_if<IndexedImage>(&*picture);
        if (!image) {
            p.error = record + ": the PNG file " + r.pcxFile
                + " is a true-colour picture, which SFF v1 cannot hold (build as SFF v2: -v2)";
            return p;
        }
        if (image->width <= 0 || image->height <= 0 || image->width > 0xFFFF || image->height > 0xFFFF) {
            p.error = record + ": the picture has an invalid size";
            return p;
        }
        if (context.options.crop) {
            auto cropped = cropSprite({*image, 0, 0, 0, 0});
            if (!cropped) {
                p.error = record + ": " + cropped.error();
                return p;
            }
            p.cropLeft = -cropped->axisX;
            p.cropTop = -cropped->axisY;
            *image = std::move(cropped->image);
        }
        p.pcx = encodePcx(*image);
        return p;
    }
    auto encoded = encodeSpriteV2(*picture, context.options.crop);
    if (!encoded) {
        p.error = record + ": " + encoded.error();
        return p;
    }
    p.v2 = std::move(*encoded);
    return p;
}

// Prepares the pictures `firsts` names (records, each the first to name its
// picture) on every core, each worker taking the next picture not yet taken;
// the results come in the records' order whatever the timing.
std::vector<PreparedPicture> prepareAll(const vantrel::SpriteIndex& index, const std::vector<std::size_t>& firsts,
                                        const BuildContext& context)
{
    std::vector<PreparedPicture> out(firsts.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k; (k = next.fetch_add(1)) < firsts.size();) {
            try {
                out[k] = preparePicture(index.records[firsts[k]], firsts[k], k, context);
            } catch (const std::exception& e) { // out of memory: no thread may end by an exception
                out[k].error = recordName(firsts[k]) + ": " + e.what();
            }
        }
    };
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < cores && t < firsts.size(); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& t : workers)
        t.join();
    return out;
}

// A record's numbers.
Result<Sprite> recordNumbers(const vantrel::SpriteRecord& r, std::size_t i)
{
    Sprite out;
    const std::pair<const std::string*, std::int16_t*> numbers[] = {{&r.groupText, &out.group},
                                                                    {&r.imageText, &out.imageNo},
                                                                    {&r.axisXText, &out.axisX},
                                                                    {&r.axisYText, &out.axisY}};
    for (const auto& [text, value] : numbers) {
        if (!toInt16(*text, *value))
            return Result<Sprite>::failure(recordName(i) + ": the value " + *text + " is outside -32768 to 32767");
    }
    return out;
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
    Result<std::uint16_t> choose(const std::string& pictureFile, const IndexedImage& image, std::uint8_t highest,
                                 const Sprite& sprite)
    {
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

// The index's pictures: for each record, which of the distinct picture files
// it names (records naming one file share it), and the first record of each.
struct PictureFiles {
    std::vector<std::size_t> ofRecord;
    std::vector<std::size_t> firsts;
};

PictureFiles pictureFiles(const vantrel::SpriteIndex& index)
{
    PictureFiles out;
    const std::size_t records = index.records.size();
    out.ofRecord.reserve(records);
    out.firsts.reserve(records);
    std::unordered_map<std::string, std::size_t> seen(records);
    std::string key; // '\' as '/', in lower case; copied into the table only for a new file
    for (std::size_t i = 0; i < records; ++i) {
        vantrel::foldPathInto(index.records[i].pcxFile, key);
        const auto [found, added] = seen.try_emplace(key, out.firsts.size());
        if (added)
            out.firsts.push_back(i);
        out.ofRecord.push_back(found->second);
    }
    return out;
}

// The first failure in the records' order, if any.
std::optional<std::string> firstFailure(const vantrel::SpriteIndex& index, const PictureFiles& files,
                                        const std::vector<PreparedPicture>& pictures)
{
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        const PreparedPicture& p = pictures[files.ofRecord[i]];
        if (files.firsts[files.ofRecord[i]] == i && !p.error.empty())
            return p.error;
        if (const auto numbers = recordNumbers(index.records[i], i); !numbers)
            return numbers.error();
    }
    return std::nullopt;
}

std::string_view storedBytes(const BuildContext& context, const StoredPicture& stored)
{
    return std::string_view(context.archive).substr(stored.offset, stored.length);
}

// The palette block of the picture's file, when it still draws with the
// colours recorded.
std::optional<std::string> recordedPalette(const PreparedPicture& p)
{
    const auto file = readStamped(p.path);
    const auto block = file ? vantrel::pcxPaletteBlock(file->bytes) : std::nullopt;
    if (!block || contentHash(*block) != p.paletteHash)
        return std::nullopt;
    return std::string(*block);
}

// An archive built: the pieces to write one after another (copied pictures
// are not copied into it: its pieces take them from the old archive's bytes
// as they lie), and where the stored bytes of each record's sprite lie in
// it, with their hash, for the description.
struct BuiltArchive {
    // The writer that holds the pieces' own bytes.
    std::unique_ptr<SffV1Writer> v1;
    std::unique_ptr<SffV2Writer> v2;
    std::vector<std::string_view> pieces;
    std::string version; // as SffReader::versionText() gives it
    std::vector<SffReader::Stored> stored;
    std::vector<std::uint64_t> hashes;
};

Result<BuiltArchive> buildV1(const vantrel::SpriteIndex& index, const PictureFiles& files,
                             std::vector<PreparedPicture>& pictures, const BuildContext& context)
{
    using R = Result<BuiltArchive>;
    const BuildOptions& options = context.options;
    BuiltArchive built;
    built.v1 = std::make_unique<SffV1Writer>(options);
    SffV1Writer& writer = *built.v1;
    writer.reserveSprites(index.records.size());
    std::vector<std::uint64_t>& hashes = built.hashes; // of each sprite's stored bytes
    hashes.reserve(index.records.size());
    std::vector<std::size_t> storedAt(pictures.size(), SIZE_MAX); // the sprite each picture was stored as
    std::unordered_multimap<std::uint64_t, std::size_t> encoded;  // PCX hash -> picture, for links
    std::optional<std::uint64_t> previous;                        // the previous sprite's colours
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        const std::size_t k = files.ofRecord[i];
        PreparedPicture& p = pictures[k];
        Sprite numbers = *recordNumbers(index.records[i], i);
        const int axisX = numbers.axisX - p.cropLeft, axisY = numbers.axisY - p.cropTop;
        if (axisX < INT16_MIN || axisY < INT16_MIN)
            return R::failure(recordName(i) + ": cropping moves the axis out of range");
        numbers.axisX = static_cast<std::int16_t>(axisX);
        numbers.axisY = static_cast<std::int16_t>(axisY);

        // A picture stored before, or (encoded) one of the same pixels and colours, becomes a link.
        std::size_t target = storedAt[k];
        const std::uint64_t hash = p.copy ? 0 : contentHash(p.pcx);
        if (options.linkDuplicates && target == SIZE_MAX && !p.copy) {
            const auto [first, last] = encoded.equal_range(hash);
            for (auto it = first; it != last && target == SIZE_MAX; ++it) {
                if (pictures[it->second].pcx == p.pcx)
                    target = storedAt[it->second];
            }
        }
        const bool sharesPrevious = previous == p.paletteHash;
        Result<bool> added = true;
        std::uint64_t storedHash = 0;
        if (options.linkDuplicates && target != SIZE_MAX && target <= UINT16_MAX) {
            added = writer.addLink(numbers, target);
            storedHash = hashes[target];
        } else if (p.copy) {
            const std::string_view bytes = storedBytes(context, *p.copy);
            if (p.copy->format == 0 || sharesPrevious) {
                // The bytes checked against this hash when the picture was prepared.
                added = writer.addPcxInPlace(numbers, bytes, p.copy->format != 0);
                storedHash = p.copy->dataHash;
            } else {
                // Drawn with the previous sprite's colours, which the sprite
                // before it here does not have: it gets its own palette block.
                const auto palette = recordedPalette(p);
                if (!palette)
                    return R::failure(recordName(i) + ": the PCX file " + index.records[i].pcxFile
                                      + " changed during the build");
                std::string pcx(bytes);
                pcx += '\x0C';
                pcx += *palette;
                added = writer.addPcx(numbers, pcx, false);
                storedHash = contentHash(pcx);
            }
        } else {
            const bool same = options.samePalette && sharesPrevious;
            const std::string_view pcx(p.pcx);
            const std::string_view stored = same ? pcx.substr(0, pcx.size() - sizeof(Palette)) : pcx;
            added = writer.addPcx(numbers, stored, same);
            storedHash = contentHash(stored);
            if (storedAt[k] == SIZE_MAX)
                encoded.emplace(hash, k);
        }
        if (!added)
            return R::failure(recordName(i) + ": " + added.error());
        hashes.push_back(storedHash);
        if (storedAt[k] == SIZE_MAX)
            storedAt[k] = i;
        previous = p.paletteHash;
    }
    built.pieces = writer.finishPieces();
    built.version = "1.01";
    built.stored.reserve(index.records.size());
    for (std::size_t i = 0; i < index.records.size(); ++i)
        built.stored.push_back(writer.stored(i));
    return built;
}

Result<BuiltArchive> buildV2(const vantrel::SpriteIndex& index, const PictureFiles& files,
                             std::vector<PreparedPicture>& pictures, const BuildContext& context)
{
    using R = Result<BuiltArchive>;
    const ArchiveDescription* description = context.description;
    BuildOptions v2 = context.options;
    if (v2.minorVersion < 0) // as the archive unpacked into the workspace was
        v2.minorVersion = description && description->version == "2.00" ? 0 : 1;
    BuiltArchive built;
    built.v2 = std::make_unique<SffV2Writer>(description ? description->palettes : std::vector<PaletteEntry>{}, v2);
    SffV2Writer& writer = *built.v2;
    writer.reserveSprites(index.records.size());
    built.hashes.reserve(index.records.size());
    PaletteChooser palettes(writer, description);
    std::vector<std::uint64_t> tableHashes;
    // The palette of the table whose colours are those a copied picture was drawn with.
    const auto copiedPalette = [&](const std::string& file, const StoredPicture& stored) -> int {
        const auto& table = writer.palettes();
        for (std::size_t k = tableHashes.size(); k < table.size(); ++k)
            tableHashes.push_back(contentHash(colourBytes(table[k])));
        const int described = description ? description->paletteOfPicture(file) : -1;
        for (const int candidate : {described, int(stored.palette)}) {
            if (candidate >= 0 && std::size_t(candidate) < table.size()
                && tableHashes[std::size_t(candidate)] == stored.paletteHash)
                return candidate;
        }
        const auto found = std::find(tableHashes.begin(), tableHashes.end(), stored.paletteHash);
        return found == tableHashes.end() ? -1 : int(found - tableHashes.begin());
    };

    for (std::size_t i = 0; i < index.records.size(); ++i) {
        PreparedPicture& p = pictures[files.ofRecord[i]];
        const std::string& file = index.records[i].pcxFile;
        const Sprite numbers = *recordNumbers(index.records[i], i);
        std::uint16_t palette = 0;
        if (p.copy && !p.trueColour) {
            const int found = copiedPalette(file, *p.copy);
            if (found < 0) {
                // Its colours are in the table no more: it is encoded after all.
                PreparedPicture fresh =
                    preparePicture(index.records[i], i, files.ofRecord[i], BuildContext{2, v2, nullptr, {}});
                if (!fresh.error.empty())
                    return R::failure(fresh.error);
                fresh.why = Fallback::PaletteGone;
                p = std::move(fresh);
            } else {
                palette = static_cast<std::uint16_t>(found);
            }
        }
        Result<bool> added = true;
        if (p.copy) {
            // Its bytes, checked against this hash when the picture was prepared, stay where they lie.
            StoredSprite stored;
            stored.width = p.copy->width;
            stored.height = p.copy->height;
            stored.format = std::uint8_t(p.copy->format);
            stored.depth = std::uint8_t(p.copy->depth);
            added = writer.addStoredInPlace(numbers, stored, storedBytes(context, *p.copy), palette);
            built.hashes.push_back(p.copy->dataHash);
        } else {
            if (!p.trueColour) {
                const auto chosen = palettes.choose(file, *p.image, p.highest, numbers);
                if (!chosen)
                    return R::failure(recordName(i) + ": " + chosen.error());
                palette = *chosen;
            }
            added = writer.addStored(numbers, p.v2, palette);
            // A sprite the writer makes a link has the bytes of its target, and so their hash.
            built.hashes.push_back(contentHash(p.v2.data));
        }
        if (!added)
            return R::failure(recordName(i) + ": " + added.error());
    }
    built.pieces = writer.finishPieces();
    built.version = v2.minorVersion == 0 ? "2.00" : "2.01";
    built.stored.reserve(index.records.size());
    for (std::size_t i = 0; i < index.records.size(); ++i)
        built.stored.push_back(writer.stored(i));
    return built;
}

// The archive to copy unchanged pictures from: the one the description's
// stored lines find, when it is of the version being written.
FileSnapshot copySource(const ArchiveDescription* description, int version, const BuildOptions& options,
                        std::vector<std::string>& notes)
{
    if (!description || description->storedArchive.empty() || options.crop)
        return {};
    if (description->storedVersion.empty() || description->storedVersion[0] != char('0' + version))
        return {};
    auto snapshot = FileSnapshot::read(description->storedArchive);
    if (!snapshot || snapshot->bytes().empty()) {
        notes.push_back("cannot read " + description->storedArchive + " to copy pictures from: every one is encoded");
        return {};
    }
    return std::move(*snapshot);
}

void countFallbacks(const ArchiveDescription* description, const std::vector<PreparedPicture>& pictures,
                    BuildReport& report)
{
    std::size_t inPlace = 0, moved = 0, recoloured = 0, vanished = 0;
    for (const PreparedPicture& p : pictures) {
        (p.copy ? report.copied : report.encoded)++;
        vanished += p.why == Fallback::Vanished;
        inPlace += p.why == Fallback::EditedInPlace;
        moved += p.why == Fallback::ArchiveChanged;
        recoloured += p.why == Fallback::PaletteGone;
    }
    if (inPlace > 0)
        report.notes.push_back(std::to_string(inPlace)
                               + " pictures changed without a change of size or time: they are encoded");
    if (moved > 0)
        report.notes.push_back(std::to_string(moved) + " pictures are not where they were in "
                               + description->storedArchive + ", which changed since: they are encoded");
    if (vanished > 0)
        report.notes.push_back(std::to_string(vanished) + " picture files are missing: their pictures are copied as "
                               + description->storedArchive + " holds them");
    if (recoloured > 0)
        report.notes.push_back(std::to_string(recoloured)
                               + " pictures are drawn with a palette the table no longer has: they are encoded");
    if (description && description->stored.size() < description->storedAnnounced)
        report.notes.push_back("the description ends after " + std::to_string(description->stored.size()) + " of "
                               + std::to_string(description->storedAnnounced)
                               + " stored pictures: the others are encoded");
}

// The description made to find each picture's bytes in the archive just
// written, so that the next build copies them too. For SFF v2 the palette
// table and the pictures' palettes become the archive's. The build knows
// where it put each picture and the hash of its bytes: the archive is not
// read back.
void recordStored(ArchiveDescription description, const std::string& descriptionPath, const std::string& sffPath,
                  const BuiltArchive& built, const PictureFiles& files, const vantrel::SpriteIndex& index,
                  const std::vector<PreparedPicture>& pictures, BuildReport& report)
{
    std::error_code ec;
    std::string absolute = fs::absolute(sffPath, ec).lexically_normal().string();
    if (ec || absolute.find_first_of("\r\n") != std::string::npos)
        return;
    std::vector<std::uint64_t> paletteHashes;
    if (built.v2) {
        description.palettes = built.v2->palettes();
        description.pictures.clear();
        for (const PaletteEntry& p : description.palettes)
            paletteHashes.push_back(contentHash(colourBytes(p)));
    }
    description.storedVersion = built.version;
    description.storedArchive = std::move(absolute);
    description.stored.clear();
    description.stored.reserve(files.firsts.size());
    description.storedAnnounced = 0;
    for (std::size_t k = 0; k < files.firsts.size(); ++k) {
        const std::size_t i = files.firsts[k];
        const SffReader::Stored& at = built.stored[i];
        const bool paletted = built.v2 && at.format != 11 && at.format != 12;
        const PreparedPicture& p = pictures[k];
        const std::string& file = index.records[i].pcxFile;
        if (paletted)
            description.pictures.emplace_back(file, at.palette);
        description.stored.push_back({file, at.offset, at.length, built.hashes[i], at.format, at.depth, at.width,
                                      at.height, at.palette, paletted ? paletteHashes.at(at.palette) : p.paletteHash,
                                      p.fileSize, p.fileTimes.modified, p.fileTimes.changed, p.fileHash});
    }
    const auto written =
        vantrel::writeFileAtomic(descriptionPath, formatArchiveDescription(description), vantrel::Durability::Scratch);
    if (!written)
        report.notes.push_back("the next build encodes every picture: " + written.error());
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

    auto description = readArchiveDescription(descriptionPath);
    if (!description)
        return R::failure(description.error());
    const ArchiveDescription* described = *description ? &**description : nullptr;
    // An old description names only SFF v2 archives; a newer one names its version.
    const int version = options.version ? options.version
        : described                     ? (described->version.rfind("1.", 0) == 0 ? 1 : 2)
                                        : 1;

    BuildReport report;
    if (described)
        (void)described->storedPicture({}); // makes its lookup here, before the workers read it
    BuildContext context{version, options, described, {}};
    const FileSnapshot source = copySource(described, version, options, report.notes);
    context.archive = source.bytes();
    const PictureFiles files = pictureFiles(index);
    std::vector<PreparedPicture> pictures = prepareAll(index, files.firsts, context);
    if (const auto failure = firstFailure(index, files, pictures))
        return R::failure(*failure);

    auto built = version == 1 ? buildV1(index, files, pictures, context) : buildV2(index, files, pictures, context);
    if (!built)
        return R::failure(built.error());
    const std::string sffPath = vantrel::toSlashes(index.header);
    vantrel::AtomicFileWriter out(sffPath);
    out.write(built->pieces);
    const auto written = out.commit();
    if (!written)
        return R::failure(written.error());
    report.sprites = index.records.size();
    report.sffPath = sffPath;
    report.version = version;
    countFallbacks(described, pictures, report);
    // The description is not read after this: it becomes the new one.
    if (described && !options.crop)
        recordStored(std::move(**description), descriptionPath, sffPath, *built, files, index, pictures, report);
    return report;
}

} // namespace sfflib
