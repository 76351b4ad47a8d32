#pragma once
// Paths as character files write them. Characters are made on Windows: a path
// read from a .def file or an index may use '\' and may not match the letter
// case of the file on disk. These helpers turn such a path into the real one.

#include <string>
#include <string_view>

namespace vantrel {

// Every '\' becomes '/'.
std::string toSlashes(std::string_view path);

// `path` as lookups that ignore letter case compare it: '\' as '/', ASCII
// letters in lower case. Written over `key`, whose memory is reused: callers
// that fold thousands of paths make no string for each.
void foldPathInto(std::string_view path, std::string& key);

// The path with separators fixed; when it does not exist as written, the one
// existing path that matches it without regard to letter case, folder by
// folder. When no such path exists (or several do), the path as written with
// its separators fixed. Never creates anything.
std::string resolvePath(std::string_view path);

// The text of a path up to and including its last '/' (empty when it has none).
std::string directoryOf(std::string_view path);

// The last component of a path (after its last '/').
std::string fileNameOf(std::string_view path);

} // namespace vantrel
