#pragma once
// Pictures the animation window tests draw with.

#include "formats/air_document.h"

#include <string>
#include <vector>

namespace vantrel::test {

// A 256-colour PCX whose top half is colour `top` and bottom half `top + 1`;
// palette entry k is (k, 0, 255 - k).
inline std::string pcx(int width, int height, int top)
{
    std::string bytes(128, '\0');
    auto put16 = [&](int at, int value) {
        bytes[static_cast<std::size_t>(at)] = static_cast<char>(value);
        bytes[static_cast<std::size_t>(at) + 1] = static_cast<char>(value >> 8);
    };
    bytes[0] = 10, bytes[1] = 5, bytes[2] = 1, bytes[3] = 8, bytes[65] = 1;
    put16(8, width - 1), put16(10, height - 1), put16(66, width), put16(68, 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes += {'\xC1', static_cast<char>(y < height / 2 ? top : top + 1)};
    bytes += '\x0C';
    for (int k = 0; k < 256; ++k)
        bytes += {static_cast<char>(k), '\0', static_cast<char>(255 - k)};
    return bytes;
}

// The lines of a text, each with its line end.
inline std::vector<std::string> linesWithEnds(const std::string& text)
{
    const AirDocument doc = AirDocument::parse(text);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < doc.lineCount(); ++i)
        lines.push_back(std::string(doc.lineText(i)) + std::string(doc.lineEnd(i)));
    return lines;
}

inline std::string withoutEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

// Where two texts differ by whole lines (ends included): the first differing
// line, the old lines and the new ones, each without its line end.
struct Difference {
    std::size_t first = 0;
    std::vector<std::string> removed, added;
};

inline Difference difference(const std::string& before, const std::string& after)
{
    const auto a = linesWithEnds(before), b = linesWithEnds(after);
    Difference d;
    while (d.first < a.size() && d.first < b.size() && a[d.first] == b[d.first])
        ++d.first;
    std::size_t same = 0;
    while (same < a.size() - d.first && same < b.size() - d.first && a[a.size() - 1 - same] == b[b.size() - 1 - same])
        ++same;
    for (std::size_t i = d.first; i < a.size() - same; ++i)
        d.removed.push_back(withoutEnd(a[i]));
    for (std::size_t i = d.first; i < b.size() - same; ++i)
        d.added.push_back(withoutEnd(b[i]));
    return d;
}

} // namespace vantrel::test
