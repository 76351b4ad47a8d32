#include "finding.h"

#include <cstdio>

namespace vantrel {

const char* severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "error";
}

std::string formatFinding(const Finding& f)
{
    std::string out = f.file;
    if (f.line > 0)
        out += ":" + std::to_string(f.line);
    out += std::string(": ") + severityName(f.severity) + ": " + f.message;
    return out;
}

namespace {

// The length of the UTF-8 sequence at s[i], or 0 when it is not one.
std::size_t utf8Length(const std::string& s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = c < 0x80     ? 1
        : c >= 0xC2 && c <= 0xDF ? 2
        : c >= 0xE0 && c <= 0xEF ? 3
        : c >= 0xF0 && c <= 0xF4 ? 4
                                 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    }
    return n;
}

void appendJsonString(std::string& out, const std::string& s)
{
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
            ++i;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += escaped;
            ++i;
        } else if (const std::size_t n = utf8Length(s, i)) {
            out.append(s, i, n);
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
}

} // namespace

std::string findingsJson(const std::vector<Finding>& findings)
{
    std::string out = "{\n  \"findings\": [";
    int counts[3] = {0, 0, 0};
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        ++counts[static_cast<int>(f.severity)];
        out += i == 0 ? "\n    {\"file\": " : ",\n    {\"file\": ";
        appendJsonString(out, f.file);
        out += ", \"line\": " + (f.line > 0 ? std::to_string(f.line) : std::string("null"));
        out += std::string(", \"severity\": \"") + severityName(f.severity) + "\", \"message\": ";
        appendJsonString(out, f.message);
        out += "}";
    }
    out += findings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"errors\": " + std::to_string(counts[0]) + ",\n";
    out += "  \"warnings\": " + std::to_string(counts[1]) + ",\n";
    out += "  \"notes\": " + std::to_string(counts[2]) + "\n}\n";
    return out;
}

} // namespace vantrel
