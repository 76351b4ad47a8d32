#pragma once
// Opening a character, all or nothing. The .def is read into a fresh record
// and the sprite archive unpacked into a folder of its own beside the
// workspace (tempsff.load, holding tempsff/ and tempsff.txt as the workspace
// does); the open character, its workspace and its table stay as they are.
// Only when everything worked does install() put the new character in place.
// After a crash the character can instead be opened on the workspace that
// run left, with its unsaved sprite changes.

#include "documents/spawn_runner.h"
#include "formats/character_definition.h"
#include "formats/sprite_index.h"
#include "sprites/workspace.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

struct App;
class SpriteDocument;

// The message for a sprite file that is missing, or another file the .def
// names.
inline constexpr const char* kMissingFileText =
    QT_TRANSLATE_NOOP("CharacterLoader", "A file referenced in the .DEF file does not exist?");
inline const QString kMissingFileMessage = QString::fromLatin1(kMissingFileText);

// Each file the .def names that does not exist, as the .def names it
// ("sprite = kfm.sff"), in the .def's order.
QStringList missingFiles(const CharacterFiles& files);

class CharacterLoader {
public:
    using StatusReport = std::function<void(const QString&)>;

    CharacterLoader(App& app, StatusReport status);
    // Removes what a load that was not installed left behind.
    ~CharacterLoader();
    CharacterLoader(const CharacterLoader&) = delete;
    CharacterLoader& operator=(const CharacterLoader&) = delete;

    // Reads the .def: false, with message(), when it is not a character's
    // (or names no sprite file that exists). Nothing else happens yet, so
    // the open character's documents can be asked about after it.
    bool read(const std::string& defPath);
    // Unpacks the sprites of the .def read, telling each step to the status
    // report (window events run while the tool works). False, with
    // message(), when they cannot be unpacked.
    bool unpackSprites();
    // Both at once.
    bool load(const std::string& defPath);
    // Reads the .def and takes the sprites from the workspace a crashed run
    // left in `folder` (workspace_folders.h) instead of unpacking the
    // archive: its unsaved table when it has one, else its index. The folder
    // is not changed until install() moves the workspace out of it.
    bool loadLeftWorkspace(const std::string& defPath, const std::string& folder);
    // The same for the .def read already.
    bool useLeftWorkspace(const std::string& folder);

    // Puts the loaded character's workspace (its folder and index) in place
    // of the open one's. False, with message(), when the folders could not
    // be swapped; the open character then stays whole.
    bool install();
    // The installed character's sprite table, as the document that keeps it.
    std::unique_ptr<SpriteDocument> takeSprites();

    // Why load() or install() failed, as the user reads it.
    const QString& message() const { return message_; }
    // What the message leaves out, for the box's second text: for a missing
    // file, every file the .def names that does not exist, one a line as the
    // .def writes it ("sprite = kfm.sff"). Empty when there is nothing to add.
    const QString& detail() const { return detail_; }
    // True when the user stopped the unpacking (with the progress bar's
    // Cancel): load() failed and the open character is as it was.
    bool cancelled() const { return cancelled_; }
    const CharacterFiles& files() const { return files_; }
    // True when the sprites came from a left workspace's unsaved table.
    bool unsavedSprites() const { return unsavedSprites_; }

    // The folders beside the workspace: the new one being unpacked, and the
    // old one on its way out during the swap.
    static std::string stagingFolder(const std::string& workDir);
    static std::string retiredFolder(const std::string& workDir);

private:
    bool fail(const QString& message, const QString& detail = {});
    // Reads the index that install() will move into the workspace;
    // `failure` begins the message when it cannot be read.
    bool readSprites(const QString& failure);

    App& app_;
    StatusReport status_;
    SpriteWorkspace workspace_; // where the workspace lives, for its entries' names
    CharacterFiles files_;
    std::vector<SpriteRecord> records_;
    QString message_;
    QString detail_;
    std::string source_;      // the folder holding the new workspace
    std::string sourceIndex_; // the index in it that becomes the workspace's
    bool unsavedSprites_ = false;
    bool installed_ = false;
    bool cancelled_ = false;
    SpawnStop unpacking_; // stops the unpacking tool while it runs
};

} // namespace vantrel
