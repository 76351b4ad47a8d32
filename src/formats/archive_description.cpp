#include "formats/archive_description.h"

#include "common/paths.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace sfflib {

namespace {

// A picture file as the lookups know it: '\' as '/', in lower case.
std::string pictureKey(std::string_view file)
{
    std::string key;
    vantrel::foldPathInto(file, key);
    return key;
}

// The words of a line, split at single spaces.
std::vector<std::string_view> words(std::string_view line, std::size_t limit = std::string_view::npos)
{
    std::vector<std::string_view> out;
    while (!line.empty() && out.size() + 1 < limit) {
        const auto space = line.find(' ');
        out.push_back(line.substr(0, space));
        if (space == std::string_view::npos)
            return out;
        line.remove_prefix(space + 1);
    }
    out.push_back(line);
    return out;
}

template <class T> bool number(std::string_view text, T& value, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Reads "<word> <count>".
bool countLine(std::string_view line, std::string_view word, std::size_t& count)
{
    const auto w = words(line);
    return w.size() == 2 && w[0] == word && number(w[1], count);
}

char hexDigit(unsigned v)
{
    return "0123456789abcdef"[v & 15];
}

// Room for a stored line's numbers and spaces: ten numbers of at most 20
// characters and three hashes of 16.
constexpr std::size_t kStoredLineNumbers = 10 * 21 + 3 * 17;

// Each number in decimal, followed by a space.
template <class... T> void appendNumbers(std::string& out, T... values)
{
    char text[21 * sizeof...(T)];
    char* end = text;
    ((end = std::to_chars(end, text + sizeof text - 1, values).ptr, *end++ = ' '), ...);
    out.append(text, end);
}

// The hash as 16 hexadecimal digits, followed by a space.
void appendHex64(std::string& out, std::uint64_t v)
{
    char text[17];
    for (int i = 15; i >= 0; --i, v >>= 4)
        text[i] = hexDigit(unsigned(v));
    text[16] = ' ';
    out.append(text, sizeof text);
}

bool hashWord(std::string_view text, std::uint64_t& value)
{
    return text.size() == 16 && number(text, value, 16);
}

// One "stored" line: 13 numbers, then the picture file. Split without
// words(): the lines are many.
bool storedLine(std::string_view line, StoredPicture& p)
{
    std::array<std::string_view, 14> w;
    for (std::size_t k = 0; k + 1 < w.size(); ++k) {
        const auto space = line.find(' ');
        if (space == std::string_view::npos)
            return false;
        w[k] = line.substr(0, space);
        line.remove_prefix(space + 1);
    }
    w.back() = line;
    return number(w[0], p.offset) && number(w[1], p.length) && hashWord(w[2], p.dataHash) && number(w[3], p.format)
        && number(w[4], p.depth) && number(w[5], p.width) && number(w[6], p.height) && number(w[7], p.palette)
        && hashWord(w[8], p.paletteHash) && number(w[9], p.fileSize) && number(w[10], p.fileTime)
        && number(w[11], p.fileChange) && hashWord(w[12], p.fileHash) && !w[13].empty()
        && (p.file = std::string(w[13]), true);
}

} // namespace

int ArchiveDescription::paletteOfPicture(const std::string& pictureFile) const
{
    if (m_lookup.size() != pictures.size()) {
        m_lookup.clear();
        for (const auto& [file, palette] : pictures)
            m_lookup.emplace(pictureKey(file), palette);
    }
    thread_local std::string key; // no new string for each of thousands of lookups
    vantrel::foldPathInto(pictureFile, key);
    const auto found = m_lookup.find(key);
    return found == m_lookup.end() ? -1 : found->second;
}

const StoredPicture* ArchiveDescription::storedPicture(const std::string& pictureFile) const
{
    if (m_storedLookupFor != stored.size()) {
        m_storedLookup.clear();
        m_storedLookup.reserve(stored.size());
        m_storedTwice = false;
        for (std::size_t k = 0; k < stored.size(); ++k)
            m_storedTwice |= !m_storedLookup.emplace(pictureKey(stored[k].file), k).second;
        m_storedLookupFor = stored.size();
    }
    thread_local std::string key;
    vantrel::foldPathInto(pictureFile, key);
    const auto found = m_storedLookup.find(key);
    return found == m_storedLookup.end() ? nullptr : &stored[found->second];
}

const StoredPicture* ArchiveDescription::storedPicture(const std::string& pictureFile, std::size_t hint) const
{
    // A line that names the file as the index does is the one the lookup
    // would find, unless some file has two lines.
    if (m_storedLookupFor == stored.size() && !m_storedTwice && hint < stored.size()
        && stored[hint].file == pictureFile)
        return &stored[hint];
    return storedPicture(pictureFile);
}

std::string descriptionPathFor(const std::string& indexPath)
{
    const std::string_view suffix(".txt");
    if (indexPath.size() > suffix.size()
        && indexPath.compare(indexPath.size() - suffix.size(), suffix.size(), suffix) == 0)
        return indexPath.substr(0, indexPath.size() - suffix.size()) + ".v2.txt";
    return indexPath + ".v2.txt";
}

std::string formatArchiveDescription(const ArchiveDescription& d)
{
    std::string out = "SFF " + d.version + "\n";
    out += "palettes " + std::to_string(d.palettes.size()) + "\n";
    for (const PaletteEntry& p : d.palettes) {
        out += std::to_string(p.group) + " " + std::to_string(p.number) + " " + std::to_string(p.count());
        for (std::size_t i = 0; i < p.colours.size(); ++i) {
            if (i % 4 == 0)
                out += ' ';
            out += hexDigit(p.colours[i] >> 4);
            out += hexDigit(p.colours[i]);
        }
        out += '\n';
    }
    out += "pictures " + std::to_string(d.pictures.size()) + "\n";
    for (const auto& [file, palette] : d.pictures)
        out += std::to_string(palette) + " " + file + "\n";
    if (d.storedArchive.empty())
        return out;
    out += "archive " + d.storedVersion + " " + d.storedArchive + "\n";
    out += "stored " + std::to_string(d.stored.size()) + "\n";
    // Appended in place, without a string per number: there is a line per picture.
    std::size_t size = out.size();
    for (const StoredPicture& p : d.stored)
        size += kStoredLineNumbers + p.file.size() + 1;
    out.reserve(size);
    for (const StoredPicture& p : d.stored) {
        appendNumbers(out, p.offset, p.length);
        appendHex64(out, p.dataHash);
        appendNumbers(out, p.format, p.depth, p.width, p.height, p.palette);
        appendHex64(out, p.paletteHash);
        appendNumbers(out, p.fileSize, p.fileTime, p.fileChange);
        appendHex64(out, p.fileHash);
        out += p.file;
        out += '\n';
    }
    return out;
}

Result<ArchiveDescription> parseArchiveDescription(std::string_view text)
{
    using R = Result<ArchiveDescription>;
    const std::vector<std::string_view> lines = vantrel::splitLineViews(text);
    std::size_t at = 0;
    const auto fault = [&](const std::string& what) {
        return R::failure("the SFF v2 description, line " + std::to_string(at + 1) + ": " + what);
    };
    const auto line = [&]() -> std::string_view { return at < lines.size() ? lines[at] : ""; };

    ArchiveDescription d;
    const auto head = words(line());
    if (head.size() != 2 || head[0] != "SFF" || head[1].empty())
        return fault("it does not start with \"SFF\" and a version");
    d.version = std::string(head[1]);
    ++at;

    std::size_t count = 0;
    if (!countLine(line(), "palettes", count) || count > 0x10000)
        return fault("expected \"palettes\" and their number (at most 65536)");
    ++at;
    d.palettes.reserve(count);
    for (std::size_t k = 0; k < count; ++k, ++at) {
        const auto w = words(line());
        PaletteEntry p;
        std::size_t colours = 0;
        if (w.size() < 3 || !number(w[0], p.group) || !number(w[1], p.number) || !number(w[2], colours))
            return fault("expected a palette's group, number and count of colours");
        if (colours < 1 || colours > 256)
            return fault("a palette holds 1 to 256 colours, not " + std::string(w[2]));
        if (w.size() != 3 + colours)
            return fault("the palette should list " + std::to_string(colours) + " colours");
        p.colours.resize(colours * 4);
        for (std::size_t c = 0; c < colours; ++c) {
            std::uint32_t rgba = 0;
            if (w[3 + c].size() != 8 || !number(w[3 + c], rgba, 16))
                return fault("the colour \"" + std::string(w[3 + c]) + "\" is not 8 hexadecimal digits");
            for (int b = 0; b < 4; ++b)
                p.colours[c * 4 + b] = static_cast<std::uint8_t>(rgba >> (24 - 8 * b));
        }
        d.palettes.push_back(std::move(p));
    }

    if (!countLine(line(), "pictures", count) || count > lines.size())
        return fault("expected \"pictures\" and their number");
    ++at;
    d.pictures.reserve(count);
    for (std::size_t k = 0; k < count; ++k, ++at) {
        const auto w = words(line(), 2);
        std::uint32_t palette = 0;
        if (w.size() != 2 || !number(w[0], palette) || w[1].empty())
            return fault("expected a palette index and a picture file");
        if (palette >= d.palettes.size())
            return fault("palette " + std::to_string(palette) + " is past the palette table of "
                         + std::to_string(d.palettes.size()));
        d.pictures.emplace_back(std::string(w[1]), static_cast<std::uint16_t>(palette));
    }
    if (at >= lines.size())
        return d;

    const auto archive = words(line(), 3);
    if (archive.size() != 3 || archive[0] != "archive" || archive[1].empty() || archive[2].empty())
        return fault("expected \"archive\", its version and its path");
    d.storedVersion = std::string(archive[1]);
    d.storedArchive = std::string(archive[2]);
    ++at;
    if (!countLine(line(), "stored", d.storedAnnounced))
        return fault("expected \"stored\" and the number of pictures");
    ++at;
    // The text's last line is unfinished when it has no line end: a file cut short.
    const bool unfinished = !text.empty() && text.back() != '\n' && text.back() != '\r';
    d.stored.reserve(std::min(d.storedAnnounced, lines.size() - at));
    for (std::size_t k = 0; k < d.storedAnnounced && at < lines.size(); ++k, ++at) {
        StoredPicture p;
        if (!storedLine(line(), p)) {
            if (unfinished && at + 1 == lines.size())
                return d;
            return fault("expected a picture's stored place, its file's size, time and hash, and its name");
        }
        d.stored.push_back(std::move(p));
    }
    if (at < lines.size())
        return fault("unexpected line \"" + std::string(line().substr(0, 40)) + "\"");
    return d;
}

Result<std::optional<ArchiveDescription>> readArchiveDescription(const std::string& path)
{
    using R = Result<std::optional<ArchiveDescription>>;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return R(std::nullopt);
    const auto bytes = vantrel::readFileBytes(path);
    if (!bytes)
        return R::failure("cannot read " + path);
    auto parsed = parseArchiveDescription(*bytes);
    if (!parsed)
        return R::failure(parsed.error());
    return R(std::optional<ArchiveDescription>(std::move(*parsed)));
}

} // namespace sfflib
