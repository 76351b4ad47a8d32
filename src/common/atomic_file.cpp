#include "atomic_file.h"

#include "paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

WriteResult failure(const std::string& path, int err)
{
    return {false, "Could not write " + path + ": " + std::strerror(err)};
}

} // namespace

WriteResult writeFileAtomic(const std::string& path, std::string_view bytes)
{
    std::string dir = directoryOf(path);
    std::string tmpl = (dir.empty() ? std::string("./") : dir) + ".vantrel-XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return failure(path, errno);

    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones.
    struct stat existing {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    ::fchmod(fd, mode);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            ::unlink(tmpl.c_str());
            return failure(path, err);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmpl.c_str());
        return failure(path, err);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return failure(path, err);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return failure(path, err);
    }
    return {true, {}};
}

} // namespace vantrel
