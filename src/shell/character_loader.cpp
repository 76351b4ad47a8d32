#include "character_loader.h"

#include "common/paths.h"
#include "shell/app.h"
#include "shell/spawn_runner.h"
#include "shell/spawn_script.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

const char kStagingName[] = "tempsff.load";
const char kRetiredName[] = "tempsff.old";

// The workspace's entries, by their names in the application folder.
struct WorkspaceEntries {
    fs::path folder;
    fs::path index;
    fs::path description; // the palette table of an SFF v2
};

WorkspaceEntries entriesIn(const fs::path& dir, const SpriteWorkspace& ws)
{
    return {dir / fs::path(ws.directory()).filename(), dir / fs::path(ws.indexPath()).filename(),
            dir / fs::path(ws.descriptionPath()).filename()};
}

// Moves an entry when it exists; true when it is where it should be.
bool moveIfThere(const fs::path& from, const fs::path& to, std::error_code& ec)
{
    std::error_code missing;
    if (!fs::exists(fs::symlink_status(from, missing)))
        return true;
    fs::rename(from, to, ec);
    return !ec;
}

} // namespace

std::string CharacterLoader::stagingFolder(const std::string& appDir)
{
    return appDir + "/" + kStagingName;
}

std::string CharacterLoader::retiredFolder(const std::string& appDir)
{
    return appDir + "/" + kRetiredName;
}

CharacterLoader::CharacterLoader(App& app, StatusReport status) : app_(app), status_(std::move(status)) { }

CharacterLoader::~CharacterLoader()
{
    if (!installed_) {
        std::error_code ignored;
        fs::remove_all(stagingFolder(app_.sprites.appDir()), ignored);
    }
}

bool CharacterLoader::fail(const QString& message)
{
    message_ = message;
    return false;
}

bool CharacterLoader::load(const std::string& defPath)
{
    app_.sprites.setAppDir(sstr(app_.appDir));
    const DefinitionResult read = readDefinition(defPath, files_);
    if (!read)
        return fail(qstr(read.error));
    std::error_code ec;
    if (!fs::exists(files_.spriteFile, ec))
        return fail(kMissingFileMessage);
    return unpackSprites();
}

bool CharacterLoader::unpackSprites()
{
    const std::string appDir = app_.sprites.appDir();
    const std::string staging = stagingFolder(appDir);
    const QString sprites = qstr(files_.spriteFile);
    std::error_code ec;
    fs::remove_all(staging, ec); // left by a load that was cut short
    fs::create_directories(staging, ec);
    if (!fs::is_directory(staging))
        return fail(QStringLiteral("The folder %1 cannot be made for the sprites: %2")
                        .arg(qstr(staging), QString::fromLocal8Bit(ec.message())));

    status_(QStringLiteral("Status: Loading SFF file"));
    const std::string archive = fs::absolute(files_.spriteFile, ec).string();
    // The tool runs in the new folder: the index it writes there and the
    // picture paths in it read as they will once they replace the workspace's.
    const std::string command =
        "cd " + shellQuote(kStagingName) + " && " + unpackCommandLine(sstr(app_.toolsDir), archive);
    if (!writeSpawnScript(appDir, {command}))
        return fail(QStringLiteral("The spawn script cannot be written in %1.").arg(app_.appDir));
    const SpawnResult run = runSpawnScriptAndWait(app_.appDir);
    const WorkspaceEntries unpacked = entriesIn(staging, app_.sprites);
    if (!run.ok() || !fileReady(unpacked.index.string())) {
        // The tool's own line says what is wrong with the archive.
        const QString reason =
            run.errorLine.isEmpty() ? QStringLiteral("the sprite tool wrote no sprite index.") : run.errorLine;
        return fail(QStringLiteral("The sprite file %1 cannot be unpacked: %2").arg(sprites, reason));
    }

    status_(QStringLiteral("Status: Indexing images"));
    QApplication::processEvents();
    app_.dialogs.setBusy(true);
    IndexReadResult index = readIndexFile(unpacked.index.string());
    app_.dialogs.setBusy(false);
    if (!index.ok)
        return fail(QStringLiteral("The sprite file %1 cannot be unpacked: %2").arg(sprites, qstr(index.error)));
    // Picture paths are relative to the application folder; here they are
    // still inside the new folder.
    if (!index.records.empty()) {
        const std::string first = resolvePath(staging + "/" + toSlashes(index.records.front().pcxFile));
        if (!fileReady(first))
            return fail(QStringLiteral("The sprite file %1 cannot be unpacked: the first sprite's picture is missing.")
                            .arg(sprites));
    }
    records_ = std::move(index.records);
    return true;
}

bool CharacterLoader::install()
{
    const fs::path appDir = app_.sprites.appDir();
    const WorkspaceEntries live = entriesIn(appDir, app_.sprites);
    const WorkspaceEntries fresh = entriesIn(stagingFolder(appDir.string()), app_.sprites);
    const fs::path retiredDir = retiredFolder(appDir.string());
    const WorkspaceEntries retired = entriesIn(retiredDir, app_.sprites);

    std::error_code ec;
    fs::remove_all(retiredDir, ec);
    fs::create_directories(fresh.folder, ec); // an archive without pictures
    bool swapped = fs::create_directories(retiredDir, ec) && moveIfThere(live.folder, retired.folder, ec)
        && moveIfThere(live.index, retired.index, ec) && moveIfThere(live.description, retired.description, ec);
    swapped = swapped && moveIfThere(fresh.folder, live.folder, ec) && moveIfThere(fresh.index, live.index, ec)
        && moveIfThere(fresh.description, live.description, ec);
    if (!swapped) {
        // Put the open character's workspace back as it was.
        const QString reason = QString::fromLocal8Bit(ec.message());
        std::error_code ignored;
        if (fs::exists(retired.folder, ignored)) {
            fs::remove_all(live.folder, ignored);
            moveIfThere(retired.folder, live.folder, ignored);
        }
        if (fs::exists(retired.index, ignored)) {
            fs::remove(live.index, ignored);
            moveIfThere(retired.index, live.index, ignored);
        }
        if (fs::exists(retired.description, ignored)) {
            fs::remove(live.description, ignored);
            moveIfThere(retired.description, live.description, ignored);
        }
        fs::remove_all(retiredDir, ignored);
        return fail(QStringLiteral("The sprite workspace in %1 cannot be replaced: %2").arg(app_.appDir, reason));
    }
    installed_ = true;
    fs::remove_all(retiredDir, ec);
    fs::remove_all(stagingFolder(appDir.string()), ec);

    app_.files = files_;
    app_.decoder = DecoderState{}; // the palette search starts again on the new sprites
    app_.sprites.replaceRecords(std::move(records_));
    return true;
}

} // namespace vantrel
