#include "atomic_file.h"

#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

constexpr std::string_view kTempPrefix = ".vantrel-";
constexpr int kRandomPart = 6; // the XXXXXX mkstemp fills in
// Seconds without a write after which a leftover goes even though a process
// of its writer's pid still runs: that pid has been reused by then. Names
// without a pid, from earlier versions, go after a minute.
constexpr std::time_t kAbandonedAfter = 24 * 60 * 60;
constexpr std::time_t kUnnamedAbandonedAfter = 60;

Result<void> failure(const std::string& path, int err)
{
    return Result<void>::failure("Could not write " + path + ": " + std::strerror(err));
}

bool isTempNameCharacter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The writer of a temporary file of ours, from its name: its pid, 0 for the
// older names without one, -1 for a name that is not one of ours.
long writerOf(std::string_view name)
{
    if (name.substr(0, kTempPrefix.size()) != kTempPrefix)
        return -1;
    name.remove_prefix(kTempPrefix.size());
    if (name.size() < kRandomPart)
        return -1;
    for (char c : name.substr(name.size() - kRandomPart))
        if (!isTempNameCharacter(c))
            return -1;
    name.remove_suffix(kRandomPart);
    if (name.empty())
        return 0;
    if (name.back() != '-' || name.size() < 2 || name.size() > 11)
        return -1;
    name.remove_suffix(1);
    long pid = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            return -1;
        pid = pid * 10 + (c - '0');
    }
    return pid > 0 && pid <= INT_MAX ? pid : -1;
}

bool processIsGone(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::string folderOf(const std::string& path)
{
    const std::string dir = directoryOf(path);
    return dir.empty() ? std::string("./") : dir;
}

// The folder's entry for a renamed file reaches the disk only when the
// folder itself is synced. A folder that cannot be synced (some file
// systems refuse) still holds the new file; the save has happened.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Scratch writes look for leftovers once per folder; a durable save looks
// every time, as it is rare and its folder small.
bool firstScratchWriteInto(const std::string& folder)
{
    static std::mutex lock;
    static std::set<std::string> seen;
    const std::lock_guard<std::mutex> guard(lock);
    return seen.insert(folder).second;
}

} // namespace

int removeStaleTemporaryFiles(const std::string& directory)
{
    const std::string folder = directory.empty() ? std::string("./")
        : directory.back() == '/'                ? directory
                                                 : directory + '/';
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const long writer = writerOf(entry->d_name);
        if (writer < 0)
            continue;
        const std::string path = folder + entry->d_name;
        struct stat info { };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        const std::time_t idle = now - info.st_mtime;
        const bool stale =
            writer == 0 ? idle >= kUnnamedAbandonedAfter : idle >= kAbandonedAfter || processIsGone(writer);
        if (stale && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

Result<void> writeFileAtomic(const std::string& path, std::string_view bytes, Durability durability)
{
    AtomicFileWriter writer(path, durability);
    writer.write(bytes);
    return writer.commit();
}

AtomicFileWriter::AtomicFileWriter(std::string path, Durability durability)
        : path_(std::move(path)), folder_(folderOf(path_)), durable_(durability == Durability::Durable)
{
    if (durable_ || firstScratchWriteInto(folder_))
        removeStaleTemporaryFiles(folder_);

    temp_ = folder_ + std::string(kTempPrefix) + std::to_string(::getpid()) + '-' + std::string(kRandomPart, 'X');
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        temp_.clear();
        return;
    }

    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones.
    struct stat existing { };
    mode_t mode = 0644;
    if (::stat(path_.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    ::fchmod(fd_, mode);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (!done_)
        discard();
}

void AtomicFileWriter::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
    done_ = true;
}

bool AtomicFileWriter::writeOut(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::writeOut(struct iovec* pieces, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::writev(fd_, pieces, static_cast<int>(count));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        if (n == 0) {
            error_ = EIO;
            return false;
        }
        // Past the pieces written whole, into the one written in part.
        std::size_t left = static_cast<std::size_t>(n);
        while (count > 0 && left >= pieces->iov_len) {
            left -= pieces->iov_len;
            ++pieces;
            --count;
        }
        if (count > 0) {
            pieces->iov_base = static_cast<char*>(pieces->iov_base) + left;
            pieces->iov_len -= left;
        }
    }
    return true;
}

bool AtomicFileWriter::flushPending()
{
    const bool ok = writeOut(pending_.data(), pending_.size());
    pending_.clear();
    return ok;
}

bool AtomicFileWriter::write(std::string_view bytes)
{
    // Pieces below this go through the gathering buffer; it is written out
    // when it would grow past kGathered.
    constexpr std::size_t kSmallPiece = 64 * 1024;
    constexpr std::size_t kGathered = 1024 * 1024;
    if (error_ != 0 || done_)
        return false;
    if (bytes.size() < kSmallPiece) {
        if (pending_.size() + bytes.size() > kGathered && !flushPending())
            return false;
        pending_ += bytes;
        return true;
    }
    return flushPending() && writeOut(bytes.data(), bytes.size());
}

bool AtomicFileWriter::write(std::span<const std::string_view> pieces)
{
    if (error_ != 0 || done_ || !flushPending())
        return false;
    std::vector<struct iovec> batch;
    batch.reserve(std::min<std::size_t>(pieces.size(), IOV_MAX));
    for (std::size_t next = 0; next < pieces.size();) {
        batch.clear();
        for (; next < pieces.size() && batch.size() < IOV_MAX; ++next) {
            if (!pieces[next].empty())
                batch.push_back({const_cast<char*>(pieces[next].data()), pieces[next].size()});
        }
        if (!writeOut(batch.data(), batch.size()))
            return false;
    }
    return true;
}

Result<void> AtomicFileWriter::commit()
{
    if (done_)
        return failure(path_, EINVAL);
    if (error_ == 0)
        flushPending();
    if (error_ == 0 && durable_ && ::fsync(fd_) != 0)
        error_ = errno;
    if (error_ == 0) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            error_ = errno;
    }
    if (error_ == 0 && ::rename(temp_.c_str(), path_.c_str()) != 0)
        error_ = errno;
    if (error_ != 0) {
        discard();
        return failure(path_, error_);
    }
    done_ = true;
    if (durable_)
        syncFolder(folder_);
    return {};
}

} // namespace vantrel
