#pragma once
// Runs sff2pcx and sprmaker as the editor does: built in the application
// folder, started in a working folder, the index on standard input.

#include "fixtures.h"

#include <sys/wait.h>

namespace sfftest {

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
    bool oneErrorLine() const { return !err.empty() && err.find('\n') == err.size() - 1; }
};

inline std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

// Runs a tool of the application folder with `dir` as working directory.
inline ToolRun runTool(const TempDir& dir, const std::string& tool, const std::string& arguments,
                       const std::string& input = "")
{
    const std::string command = "cd " + quoted(dir.path) + " && " + quoted(std::string(VANTREL_APP_DIR) + "/" + tool)
        + " " + arguments + (input.empty() ? "" : " < " + quoted(input)) + " > .out 2> .err";
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(dir.file(".out")), readBytes(dir.file(".err"))};
    std::filesystem::remove(dir.file(".out"));
    std::filesystem::remove(dir.file(".err"));
    return run;
}

// The index of the workspace in `dir` with its first line replaced by `sff`,
// written to `dir`/build.txt for sprmaker to read.
inline std::string buildIndex(const TempDir& dir, const std::string& sff)
{
    const std::string index = readBytes(dir.file("tempsff.txt"));
    writeBytes(dir.file("build.txt"), sff + index.substr(index.find("\r\n")));
    return dir.file("build.txt");
}

} // namespace sfftest
