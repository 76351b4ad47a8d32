#pragma once
// The program settings and the recent-character list, on an abstract
// per-user store of text values (the Qt one is SettingsStoreQt).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// Text values addressed by section and key, for the application "Vantrel".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key is missing.
    virtual std::optional<std::string> read(const std::string& section, const std::string& key) const = 0;
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

inline constexpr const char* kProgramSettings = "Program Settings";
inline constexpr const char* kRecentCharacter = "Recent Character";

// The in-memory copies of "Program Settings", read once at start-up.
struct ProgramSettings {
    bool showTips = true;
    std::int16_t currentTip = 1;
    std::string defaultFontName = "Courier New";
    std::int16_t defaultFontSize = 10;
    bool defaultFontItalic = false;
    bool defaultFontBold = false;
    std::string defaultTextColour = "0";        // red in the lowest byte
    std::string defaultBackColour = "16777215"; // white
    float defaultZoom = 1.0f;

    // A colour setting as a number (red in the lowest byte).
    static std::uint32_t colourValue(const std::string& text);
};

// Conversions of stored texts; nothing when the text cannot be converted.
// Booleans take "True"/"False" in any case or a number (0 is false).
std::optional<bool> parseBool(const std::string& text);
// Rounds to the nearest whole number, halves to the even neighbour.
std::optional<std::int16_t> parseInt16(const std::string& text);
std::optional<float> parseSingle(const std::string& text);
std::string boolText(bool value); // "True" or "False"
// A single-precision number written the short way ("0.125", "1", "8").
std::string singleText(float value);

// Reads the nine keys; a missing or unconvertible value takes its default.
ProgramSettings loadProgramSettings(const SettingsStore& store);

// Pushes a path onto the recent list (at most four, newest first). An entry
// naming the same file (after '\\', letter case and symbolic links are
// resolved) leaves the list: a file is listed once.
void addRecentCharacter(SettingsStore& store, const std::string& path);

// The recent list, newest first, without empty entries.
std::vector<std::string> recentCharacters(const SettingsStore& store);

} // namespace vantrel
