#include "formats/pal.h"

#include "common/text.h"

#include <cctype>

namespace vantrel {

namespace {

// A colour field: digits, read as a number 0 to 255 (what follows the
// digits is ignored, as paint programs sometimes append a comment).
std::optional<std::uint8_t> componentOf(std::string_view field)
{
    if (field.empty() || !std::isdigit(static_cast<unsigned char>(field.front())))
        return std::nullopt;
    const std::int64_t value = numericValue(field);
    if (value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<Rgb> colourOf(std::string_view line)
{
    std::uint8_t parts[3];
    for (auto& part : parts) {
        const std::size_t space = line.find(' ');
        const auto value = componentOf(line.substr(0, space));
        if (!value)
            return std::nullopt;
        part = *value;
        line = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
    }
    return Rgb{parts[0], parts[1], parts[2]};
}

// Lines of a PAL file end at a carriage return; a line feed without one
// does not end a line, so such a file is not a PAL file.
// Returns the number of the line (from 1) ended by the first such line
// feed, 0 when there is none.
std::size_t bareLineFeedLine(const std::string& bytes)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return line;
        if (bytes[i] == '\r')
            ++line;
    }
    return 0;
}

// A line as the reasons quote it: at most 40 characters.
std::string quoted(const std::string& line)
{
    return "\"" + (line.size() > 40 ? line.substr(0, 40) + "..." : line) + "\"";
}

// The bytes up to the end of line `count`. Nothing after the colours is
// read, so only those lines are split off: a file of millions of empty
// lines costs no more memory than its bytes.
std::string_view firstLines(std::string_view bytes, std::size_t count)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (--count == 0)
            return bytes.substr(0, i + 1);
    }
    return bytes;
}

} // namespace

std::optional<Palette> paletteFromPal(const std::string& bytes, Message* why)
{
    const auto refuse = [why](Message reason) -> std::optional<Palette> {
        if (why)
            *why = std::move(reason);
        return std::nullopt;
    };
    if (const std::size_t line = bareLineFeedLine(bytes))
        return refuse({QT_TRANSLATE_NOOP("Messages", "line %1 ends with a line feed alone, without a carriage return"),
                       {std::to_string(line)}});
    const std::vector<std::string> lines = splitLines(firstLines(bytes, 3 + 256));
    if (lines.size() < 3 + 256)
        return refuse(
            {QT_TRANSLATE_NOOP("Messages", "the file has %1 lines, fewer than the 259 of the header and 256 colours"),
             {std::to_string(lines.size())}});
    const char* const header[] = {"JASC-PAL", "0100", "256"};
    for (std::size_t i = 0; i < 3; ++i) {
        if (lines[i] != header[i])
            return refuse({QT_TRANSLATE_NOOP("Messages", "line %1 is %2, not %3"),
                           {std::to_string(i + 1), quoted(lines[i]), "\"" + std::string(header[i]) + "\""}});
    }
    Palette palette;
    for (std::size_t i = 0; i < 256; ++i) {
        const auto colour = colourOf(lines[3 + i]);
        if (!colour)
            return refuse({QT_TRANSLATE_NOOP("Messages", "line %1, %2, is not three numbers from 0 to 255"),
                           {std::to_string(4 + i), quoted(lines[3 + i])}});
        palette[i] = *colour;
    }
    return palette;
}

std::string palText(const Palette& palette)
{
    std::string text = "JASC-PAL\r\n0100\r\n256\r\n";
    for (const Rgb& c : palette)
        text += std::to_string(c.r) + ' ' + std::to_string(c.g) + ' ' + std::to_string(c.b) + "\r\n";
    return text;
}

} // namespace vantrel
