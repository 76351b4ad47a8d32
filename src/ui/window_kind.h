#pragma once
// The program's windows, each named by a value the compiler checks.

#include <QString>

#include <cstdint>
#include <optional>

namespace vantrel {

enum class WindowKind : std::uint8_t {
    Definition,
    Sprites,
    Constants,
    Commands,
    AnimationText,
    Sounds,
    States,
    Palettes,
    Calculator,
    Notepad,
    Find,
    Settings,
    Tips,
    CollisionBoxes,
    AnimationPreview,
    Problems,
    References,
};

// The order the close-down closes the windows in.
inline constexpr WindowKind kCloseOrder[] = {
    WindowKind::Palettes,
    WindowKind::AnimationText,
    WindowKind::Calculator,
    WindowKind::Commands,
    WindowKind::Constants,
    WindowKind::Definition,
    WindowKind::Find,
    WindowKind::Notepad,
    WindowKind::Sprites,
    WindowKind::Sounds,
    WindowKind::States,
    WindowKind::CollisionBoxes,
    WindowKind::AnimationPreview,
    WindowKind::Problems,
    WindowKind::References,
    WindowKind::Settings,
    WindowKind::Tips,
};

// The name a window's place and size are kept under in the settings, and
// the open windows between runs: it never changes.
QString windowKey(WindowKind kind);
std::optional<WindowKind> windowKindOfKey(const QString& key);

} // namespace vantrel
