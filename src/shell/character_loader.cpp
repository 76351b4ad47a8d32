#include "character_loader.h"

#include "common/paths.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "documents/spawn_runner.h"
#include "documents/spawn_script.h"
#include "documents/workspace_folders.h"
#include "sprites/sprite_document.h"
#include "ui/app.h"
#include "ui/status_progress.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCoreApplication>

#include <filesystem>
#include <set>
#include <system_error>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

const char kStagingName[] = "tempsff.load";
const char kRetiredName[] = "tempsff.old";

// The workspace's entries, by their names in the copy's folder.
struct WorkspaceEntries {
    fs::path folder;
    fs::path index;
    fs::path description;  // the palette table of an SFF v2
    fs::path unsavedIndex; // the table kept while it has unsaved changes
};

WorkspaceEntries entriesIn(const fs::path& dir, const SpriteWorkspace& ws)
{
    return {dir / fs::path(ws.directory()).filename(), dir / fs::path(ws.indexPath()).filename(),
            dir / fs::path(ws.descriptionPath()).filename(), dir / sstr(kUnsavedIndexName)};
}

// Renames entries and remembers each move, so that a failure part-way can
// put everything back where it was.
class Moves {
public:
    // Moves an entry when it exists; true when it is where it should be.
    bool move(const fs::path& from, const fs::path& to)
    {
        std::error_code missing;
        if (!fs::exists(fs::symlink_status(from, missing)))
            return true;
        fs::rename(from, to, error);
        if (error)
            return false;
        done_.emplace_back(from, to);
        return true;
    }
    void undo()
    {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
            std::error_code ignored;
            fs::rename(it->second, it->first, ignored);
        }
        done_.clear();
    }
    std::error_code error;

private:
    std::vector<std::pair<fs::path, fs::path>> done_;
};

} // namespace

QStringList missingFiles(const CharacterFiles& files)
{
    const std::optional<std::string> bytes = readFileBytes(files.defFile);
    if (!bytes)
        return {};
    // The files the record holds: a line naming one of them names a file of
    // the character (a later line of the same key took the place of an earlier one).
    std::set<std::string> named = {files.spriteFile,  files.animationFile, files.soundFile,
                                   files.commandFile, files.constantsFile, files.commonStatesFile};
    named.insert(files.stateFiles.begin(), files.stateFiles.end());
    named.insert(files.paletteFiles.begin(), files.paletteFiles.end());
    named.erase(std::string());
    QStringList missing;
    for (const DefinitionLine& line : readDefinitionLines(*bytes)) {
        const std::string value = line.value();
        const std::size_t equals = line.text.find('=');
        if (line.header || value.empty() || equals == std::string::npos)
            continue;
        const std::string path = characterPath(files.characterDir, value);
        std::error_code ec;
        if (!named.contains(path) || fs::exists(path, ec))
            continue;
        const QString entry = QStringLiteral("%1 = %2").arg(qstr(trimmed(line.text.substr(0, equals))), qstr(value));
        if (!missing.contains(entry))
            missing << entry;
    }
    return missing;
}

std::string CharacterLoader::stagingFolder(const std::string& workDir)
{
    return workDir + "/" + kStagingName;
}

std::string CharacterLoader::retiredFolder(const std::string& workDir)
{
    return workDir + "/" + kRetiredName;
}

CharacterLoader::CharacterLoader(App& app, StatusReport status)
        : app_(app), status_(std::move(status)), workspace_(sstr(app.workDir))
{ }

CharacterLoader::~CharacterLoader()
{
    if (!installed_) {
        std::error_code ignored;
        fs::remove_all(stagingFolder(workspace_.appDir()), ignored);
    }
}

bool CharacterLoader::fail(const QString& message, const QString& detail)
{
    message_ = message;
    detail_ = detail;
    return false;
}

bool CharacterLoader::read(const std::string& defPath)
{
    const Result<void> read = readDefinition(defPath, files_);
    if (!read)
        return fail(translatedMessage(read.error()));
    std::error_code ec;
    if (!fs::exists(files_.spriteFile, ec))
        return fail(QCoreApplication::translate("CharacterLoader", kMissingFileText),
                    missingFiles(files_).join(QLatin1Char('\n')));
    return true;
}

bool CharacterLoader::load(const std::string& defPath)
{
    return read(defPath) && unpackSprites();
}

bool CharacterLoader::loadLeftWorkspace(const std::string& defPath, const std::string& folder)
{
    const Result<void> read = readDefinition(defPath, files_);
    return read ? useLeftWorkspace(folder) : fail(translatedMessage(read.error()));
}

bool CharacterLoader::useLeftWorkspace(const std::string& folder)
{
    source_ = folder;
    const WorkspaceEntries left = entriesIn(folder, workspace_);
    std::error_code ec;
    unsavedSprites_ = fs::is_regular_file(left.unsavedIndex, ec);
    sourceIndex_ = (unsavedSprites_ ? left.unsavedIndex : left.index).string();
    return readSprites(
        QCoreApplication::translate("CharacterLoader", "The sprite workspace %1 cannot be read").arg(qstr(folder)));
}

bool CharacterLoader::unpackSprites()
{
    const std::string workDir = workspace_.appDir();
    const std::string staging = stagingFolder(workDir);
    const QString sprites = qstr(files_.spriteFile);
    std::error_code ec;
    fs::remove_all(staging, ec); // left by a load that was cut short
    fs::create_directories(staging, ec);
    if (!fs::is_directory(staging))
        return fail(QCoreApplication::translate("CharacterLoader", "The folder %1 cannot be made for the sprites: %2")
                        .arg(qstr(staging), QString::fromLocal8Bit(ec.message())));

    status_(QCoreApplication::translate("CharacterLoader", "Status: Loading SFF file"));
    const std::string archive = fs::absolute(files_.spriteFile, ec).string();
    // The tool runs in the new folder: the index it writes there and the
    // picture paths in it read as they will once they replace the workspace's.
    const std::string command =
        "cd " + shellQuote(kStagingName) + " && " + unpackCommandLine(sstr(app_.toolsDir), archive);
    if (!writeSpawnScript(workDir, {command}))
        return fail(QCoreApplication::translate("CharacterLoader", "The spawn script cannot be written in %1.")
                        .arg(app_.workDir));
    SpawnResult run;
    {
        // The tool tells nothing of its progress; stopping it leaves only
        // the new folder, which goes with this loader.
        ProgressScope progress(app_.workbench, QCoreApplication::translate("CharacterLoader", "Unpacking the sprites"),
                               0, [this] {
                                   if (unpacking_.stop)
                                       unpacking_.stop();
                               });
        run = runSpawnScriptAndWait(app_.workDir, &unpacking_);
    }
    source_ = staging;
    if (run.cancelled) {
        cancelled_ = true;
        return fail(QCoreApplication::translate("CharacterLoader", "The sprite file %1 was not unpacked: cancelled.")
                        .arg(sprites));
    }
    sourceIndex_ = entriesIn(staging, workspace_).index.string();
    if (!run.ok() || !fileReady(sourceIndex_)) {
        // The tool's own line says what is wrong with the archive.
        const QString reason = run.errorLine.isEmpty()
            ? QCoreApplication::translate("CharacterLoader", "the sprite tool wrote no sprite index.")
            : run.errorLine;
        return fail(QCoreApplication::translate("CharacterLoader", "The sprite file %1 cannot be unpacked: %2")
                        .arg(sprites, reason));
    }
    return readSprites(
        QCoreApplication::translate("CharacterLoader", "The sprite file %1 cannot be unpacked").arg(sprites));
}

bool CharacterLoader::readSprites(const QString& failure)
{
    status_(QCoreApplication::translate("CharacterLoader", "Status: Indexing images"));
    QApplication::processEvents();
    app_.dialogs.setBusy(true);
    Result<std::vector<SpriteRecord>> records = [this] {
        ProgressScope progress(app_.workbench, QCoreApplication::translate("CharacterLoader", "Indexing images"), 0);
        return readIndexFile(sourceIndex_);
    }();
    app_.dialogs.setBusy(false);
    if (!records)
        return fail(failure + QStringLiteral(": ") + qstr(records.error()));
    // Picture paths are relative to the workspace's folder; here they are
    // still inside the new one.
    if (!records->empty()) {
        const std::string first = resolvePath(source_ + "/" + toSlashes(records->front().pcxFile));
        if (!fileReady(first))
            return fail(QCoreApplication::translate("CharacterLoader", "%1: the first sprite's picture is missing.")
                            .arg(failure));
    }
    records_ = std::move(*records);
    return true;
}

bool CharacterLoader::install()
{
    const fs::path workDir = workspace_.appDir();
    const WorkspaceEntries live = entriesIn(workDir, workspace_);
    const WorkspaceEntries fresh = entriesIn(source_, workspace_);
    const fs::path retiredDir = retiredFolder(workDir.string());
    const WorkspaceEntries retired = entriesIn(retiredDir, workspace_);

    std::error_code ec;
    fs::remove_all(retiredDir, ec);
    fs::create_directories(fresh.folder, ec); // an archive without pictures
    Moves moves;
    const bool swapped = fs::create_directories(retiredDir, moves.error) && moves.move(live.folder, retired.folder)
        && moves.move(live.index, retired.index) && moves.move(live.description, retired.description)
        && moves.move(live.unsavedIndex, retired.unsavedIndex) && moves.move(fresh.folder, live.folder)
        && moves.move(sourceIndex_, live.index) && moves.move(fresh.description, live.description);
    if (!swapped) {
        // Put the open character's workspace, and the new one, back as they were.
        const QString reason = QString::fromLocal8Bit(moves.error.message());
        moves.undo();
        std::error_code ignored;
        fs::remove_all(retiredDir, ignored);
        return fail(QCoreApplication::translate("CharacterLoader", "The sprite workspace in %1 cannot be replaced: %2")
                        .arg(app_.workDir, reason));
    }
    installed_ = true;
    fs::remove_all(retiredDir, ec);
    fs::remove_all(stagingFolder(workDir.string()), ec);

    return true;
}

std::unique_ptr<SpriteDocument> CharacterLoader::takeSprites()
{
    auto sprites =
        std::make_unique<SpriteDocument>(qstr(files_.spriteFile), app_.workDir, app_.toolsDir, std::move(records_));
    // Changes a crashed run left are the table's, unsaved: nothing undoes them.
    if (unsavedSprites_)
        sprites->markRecovered();
    return sprites;
}

} // namespace vantrel
