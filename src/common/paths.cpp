#include "paths.h"

#include "text.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace fs = std::filesystem;

std::string toSlashes(std::string_view path)
{
    std::string out(path);
    for (char& c : out) {
        if (c == '\\')
            c = '/';
    }
    return out;
}

void foldPathInto(std::string_view path, std::string& key)
{
    key.assign(path);
    for (char& c : key) {
        if (c == '\\')
            c = '/';
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
}

namespace {

bool exists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

// The one entry of `dir` whose name equals `name` without regard to case.
std::string findEntry(const std::string& dir, const std::string& name)
{
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? std::string(".") : dir, ec);
    if (ec)
        return {};
    const std::string wanted = toLowerAscii(name);
    std::string found;
    for (const auto& entry : it) {
        const std::string candidate = entry.path().filename().string();
        if (toLowerAscii(candidate) == wanted) {
            if (!found.empty())
                return {}; // ambiguous: do not guess
            found = candidate;
        }
    }
    return found;
}

} // namespace

std::string resolvePath(std::string_view written)
{
    std::string path = toSlashes(written);
    if (path.empty() || exists(path))
        return path;

    // Walk folder by folder, keeping each component that exists as written and
    // replacing the others by their one case-insensitive match.
    std::string resolved;
    std::size_t pos = 0;
    if (path[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= path.size()) {
        std::size_t next = path.find('/', pos);
        if (next == std::string::npos)
            next = path.size();
        const std::string part = path.substr(pos, next - pos);
        const bool last = next == path.size();
        if (!part.empty()) {
            std::string candidate = resolved + part;
            if (!exists(candidate) && part != "." && part != "..") {
                const std::string match = findEntry(resolved, part);
                if (match.empty())
                    return path;
                candidate = resolved + match;
            }
            resolved = candidate;
            if (!last)
                resolved += '/';
        } else if (!last && !resolved.empty() && resolved.back() != '/') {
            resolved += '/';
        }
        pos = next + 1;
    }
    return resolved;
}

std::string directoryOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string fileNameOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace vantrel
