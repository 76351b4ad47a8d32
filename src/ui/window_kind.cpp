#include "ui/window_kind.h"

#include <iterator>

namespace vantrel {

namespace {

struct KindKey {
    WindowKind kind;
    const char* key;
};

const KindKey kKeys[] = {
    {WindowKind::Definition, "DefinitionWindow"},
    {WindowKind::Sprites, "SpriteWindow"},
    {WindowKind::Constants, "ConstantsWindow"},
    {WindowKind::Commands, "CommandsWindow"},
    {WindowKind::AnimationText, "AnimationTextWindow"},
    {WindowKind::Sounds, "SoundWindow"},
    {WindowKind::States, "StateFileWindow"},
    {WindowKind::Palettes, "PaletteWindow"},
    {WindowKind::Calculator, "CalculatorWindow"},
    {WindowKind::Notepad, "NotepadWindow"},
    {WindowKind::Find, "FindDialog"},
    {WindowKind::Settings, "SettingsDialog"},
    {WindowKind::Tips, "TipDialog"},
    {WindowKind::CollisionBoxes, "CollisionBoxWindow"},
    {WindowKind::AnimationPreview, "AnimationPreview"},
    {WindowKind::Problems, "ProblemsWindow"},
    {WindowKind::References, "ReferencesWindow"},
};

} // namespace

QString windowKey(WindowKind kind)
{
    for (const KindKey& entry : kKeys) {
        if (entry.kind == kind)
            return QString::fromLatin1(entry.key);
    }
    return {};
}

std::optional<WindowKind> windowKindOfKey(const QString& key)
{
    for (const KindKey& entry : kKeys) {
        if (key == QLatin1String(entry.key))
            return entry.kind;
    }
    return std::nullopt;
}

} // namespace vantrel
