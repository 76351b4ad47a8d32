#include "formats/act.h"

#include "common/text.h"

namespace vantrel {

std::optional<Palette> paletteFromAct(const std::string& bytes)
{
    if (bytes.size() < kActFileSize)
        return std::nullopt;
    Palette palette;
    for (std::size_t k = 0; k < 256; ++k) {
        palette[255 - k] = {static_cast<std::uint8_t>(bytes[k * 3]), static_cast<std::uint8_t>(bytes[k * 3 + 1]),
                            static_cast<std::uint8_t>(bytes[k * 3 + 2])};
    }
    return palette;
}

std::string actBytes(const Palette& palette)
{
    std::string bytes;
    bytes.reserve(kActFileSize);
    for (std::size_t k = 0; k < 256; ++k) {
        const Rgb& c = palette[255 - k];
        bytes.push_back(static_cast<char>(c.r));
        bytes.push_back(static_cast<char>(c.g));
        bytes.push_back(static_cast<char>(c.b));
    }
    return bytes;
}

namespace {

Failure failed(Message message)
{
    std::string english = message.english();
    return {std::move(english), 0, 0, std::move(message)};
}

} // namespace

Result<Palette> readActFile(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return failed(Message(QT_TRANSLATE_NOOP("Messages", "The palette file %1 cannot be read."), {path}));
    const auto palette = paletteFromAct(*bytes);
    if (!palette) {
        return failed(
            Message(QT_TRANSLATE_NOOP("Messages", "The palette file %1 holds only%2 bytes; a palette needs 768."),
                    {path, formatNumber(static_cast<std::int64_t>(bytes->size()))}));
    }
    return *palette;
}

} // namespace vantrel
