#pragma once
// Opening a character, all or nothing. The .def is read into a fresh record
// and the sprite archive unpacked into a folder of its own beside the
// workspace (tempsff.load, holding tempsff/ and tempsff.txt as the workspace
// does); the open character, its workspace and its table stay as they are.
// Only when everything worked does install() put the new character in place.

#include "shell/character_files.h"
#include "sprites/sprite_index.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

struct App;

// The message for a sprite file that is missing, or another file the .def
// names.
inline const QString kMissingFileMessage = QStringLiteral("A file referenced in the .DEF file does not exist?");

class CharacterLoader {
public:
    using StatusReport = std::function<void(const QString&)>;

    CharacterLoader(App& app, StatusReport status);
    // Removes what a load that was not installed left behind.
    ~CharacterLoader();
    CharacterLoader(const CharacterLoader&) = delete;
    CharacterLoader& operator=(const CharacterLoader&) = delete;

    // Reads the .def and unpacks its sprites, telling each step to the
    // status report (window events run while the tool works). False, with
    // message(), when the character cannot be opened.
    bool load(const std::string& defPath);

    // Puts the loaded character in place of the open one: the workspace
    // folder and index, the sprite table, the character's files. False, with
    // message(), when the folders could not be swapped; the open character
    // then stays whole.
    bool install();

    // Why load() or install() failed, as the user reads it.
    const QString& message() const { return message_; }
    const CharacterFiles& files() const { return files_; }

    // The folders beside the workspace: the new one being unpacked, and the
    // old one on its way out during the swap.
    static std::string stagingFolder(const std::string& appDir);
    static std::string retiredFolder(const std::string& appDir);

private:
    bool fail(const QString& message);
    bool unpackSprites();

    App& app_;
    StatusReport status_;
    CharacterFiles files_;
    std::vector<SpriteRecord> records_;
    QString message_;
    bool installed_ = false;
};

} // namespace vantrel
