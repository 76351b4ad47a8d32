#include "ui/settings.h"

#include "common/paths.h"
#include "common/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vantrel {

std::uint32_t ProgramSettings::colourValue(const std::string& text)
{
    const auto value = numericValue(text);
    return static_cast<std::uint32_t>(value < 0 ? 0 : (value & 0xFFFFFF));
}

namespace {

std::optional<double> parseNumber(const std::string& text)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    double value = 0;
    const char* begin = t.data();
    if (*begin == '+')
        ++begin;
    const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<bool> parseBool(const std::string& text)
{
    const std::string lower = toLowerAscii(trimmed(text));
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    if (const auto number = parseNumber(text))
        return *number != 0;
    return std::nullopt;
}

std::optional<std::int16_t> parseInt16(const std::string& text)
{
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default mode rounds halves to even
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> parseSingle(const std::string& text)
{
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    return static_cast<float>(*number);
}

std::string boolText(bool value)
{
    return value ? "True" : "False";
}

std::string singleText(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

ProgramSettings loadProgramSettings(const SettingsStore& store)
{
    ProgramSettings s;
    auto text = [&](const char* key) { return store.read(kProgramSettings, key); };
    auto readBool = [&](const char* key, bool& field) {
        if (auto t = text(key))
            field = parseBool(*t).value_or(field);
    };
    auto readInt = [&](const char* key, std::int16_t& field) {
        if (auto t = text(key))
            field = parseInt16(*t).value_or(field);
    };

    readBool("ShowTips", s.showTips);
    readInt("CurrentTip", s.currentTip);
    if (auto t = text("DefaultFontName"); t && !t->empty())
        s.defaultFontName = *t;
    readInt("DefaultFontSize", s.defaultFontSize);
    readBool("DefaultFontItalic", s.defaultFontItalic);
    readBool("DefaultFontBold", s.defaultFontBold);
    if (auto t = text("DefaultTextColour"); t && parseNumber(*t))
        s.defaultTextColour = trimmed(*t);
    if (auto t = text("DefaultBackColour"); t && parseNumber(*t))
        s.defaultBackColour = trimmed(*t);
    if (auto t = text("DefaultZoom")) {
        const auto zoom = parseSingle(*t);
        if (zoom && *zoom >= 0.125f && *zoom <= 8.0f)
            s.defaultZoom = *zoom;
    }
    return s;
}

namespace {

// What tells two written paths of one file apart from two files: the path on
// disk with its links resolved; the written path when it does not exist.
std::string fileIdentity(const std::string& written)
{
    const std::string path = resolvePath(written);
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    return error ? path : real.string();
}

} // namespace

void addRecentCharacter(SettingsStore& store, const std::string& path)
{
    const std::string identity = fileIdentity(path);
    std::vector<std::string> list{path};
    for (const std::string& older : recentCharacters(store))
        if (list.size() < 4 && fileIdentity(older) != identity)
            list.push_back(older);
    for (std::size_t i = 0; i < 4; ++i)
        store.write(kRecentCharacter, "RecentFile" + std::to_string(i + 1), i < list.size() ? list[i] : std::string());
}

std::vector<std::string> recentCharacters(const SettingsStore& store)
{
    std::vector<std::string> list;
    const auto first = store.read(kRecentCharacter, "RecentFile1");
    if (!first || first->empty())
        return list;
    for (int i = 1; i <= 4; ++i) {
        const auto entry = store.read(kRecentCharacter, "RecentFile" + std::to_string(i));
        if (entry && !entry->empty())
            list.push_back(*entry);
    }
    return list;
}

} // namespace vantrel
