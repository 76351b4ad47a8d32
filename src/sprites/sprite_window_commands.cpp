// The sprite window's commands: the toolbar and what its buttons do to the
// record list, the pictures and the build.

#include "sprites/sprite_window.h"

#include "common/paths.h"
#include "image/pcx.h"
#include "shell/action_icons.h"
#include "shell/main_window.h"
#include "shell/shortcuts.h"
#include "shell/status_progress.h"
#include "sprites/pcx_browser.h"
#include "sprites/sff_builder.h"
#include "sprites/sprite_list.h"

#include <QAction>
#include <QToolBar>

#include <algorithm>

namespace vantrel {

namespace {

const QString kPictureFilter =
    QStringLiteral("Pictures (*.pcx *.png)|*.pcx;*.png|ZSoft PCX (*.pcx)|*.pcx|PNG (*.png)|*.png");
const QString kExportFilter = QStringLiteral("ZSoft PCX (*.pcx)|*.pcx|PNG (*.png)|*.png");

bool namesPng(const QString& path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

struct ToolButton {
    QAction* SpriteWindow::*action;
    void (SpriteWindow::*command)(); // null: the button does nothing
    const char* text;
    const char* objectName;
    const char* toolTip;
    ActionIcon icon;
};

// The toolbar, in its order.
const ToolButton kToolBar[] = {
    {&SpriteWindow::saveAction, &SpriteWindow::saveSpriteArchive, "Save", "saveAction", "Save SFF file",
     ActionIcon::Save},
    {&SpriteWindow::sortAction, &SpriteWindow::sortImages, "Sort", "sortAction", "Sort images", ActionIcon::Sort},
    {&SpriteWindow::addImageAction, &SpriteWindow::addImage, "Add", "addImageAction",
     "Add a PCX or PNG after this image", ActionIcon::Add},
    {&SpriteWindow::deleteImageAction, &SpriteWindow::deleteImage, "Delete", "deleteImageAction", "Delete this image",
     ActionIcon::Delete},
    {&SpriteWindow::cloneImageAction, &SpriteWindow::cloneImage, "Clone", "cloneImageAction", "Clone image to end",
     ActionIcon::Duplicate},
    {&SpriteWindow::changeImageAction, &SpriteWindow::changeImage, "Change", "changeImageAction", "Change this image",
     ActionIcon::Replace},
    {&SpriteWindow::browseAction, &SpriteWindow::openBrowser, "Browser", "browseAction",
     "Browse for PCX's with thumbnails", ActionIcon::Thumbnails},
    {&SpriteWindow::zoomInAction, &SpriteWindow::zoomIn, "ZoomIn", "zoomInAction", "Zoom In", ActionIcon::ZoomIn},
    {&SpriteWindow::zoomOutAction, &SpriteWindow::zoomOut, "ZoomOut", "zoomOutAction", "Zoom Out", ActionIcon::ZoomOut},
    {&SpriteWindow::editExternallyAction, &SpriteWindow::editExternally, "ShellEdit", "editExternallyAction",
     "Send to shell with \"Edit\" command", ActionIcon::Edit},
    {&SpriteWindow::exportImageAction, &SpriteWindow::exportImage, "SaveOne", "exportImageAction",
     "Save this picture as PCX or PNG...", ActionIcon::Export},
    {&SpriteWindow::exportAllAction, &SpriteWindow::exportAllImages, "SaveAll", "exportAllAction",
     "Save all pictures...", ActionIcon::ExportAll},
    // Undo takes the last step back off the window's history (createEditMenu).
    {&SpriteWindow::undoAction, nullptr, "Undo", "undoAction", "", ActionIcon::Undo},
};

} // namespace

void SpriteWindow::createToolBar()
{
    toolBar = new QToolBar(QStringLiteral("Sprites"), this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    // The captions stay under the pictures: they name the buttons as before.
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton& b : kToolBar) {
        QAction* action = toolBar->addAction(actionIcon(b.icon), QString::fromLatin1(b.text));
        action->setObjectName(QString::fromLatin1(b.objectName));
        action->setToolTip(QString::fromLatin1(b.toolTip));
        this->*b.action = action;
        // Every command first catches up with a table replaced under the window.
        connect(action, &QAction::triggered, this, &SpriteWindow::syncWithWorkspace);
        if (b.command)
            connect(action, &QAction::triggered, this, b.command);
    }
    bindKeys(this, saveAction, QKeySequence::Save);
    bindKeys(this, zoomInAction, QKeySequence::ZoomIn);
    bindKeys(this, zoomOutAction, QKeySequence::ZoomOut);
    // In the number boxes Delete stays theirs: they take the key first.
    bindKeys(this, deleteImageAction, QKeySequence::Delete);
}

FileDialogOptions SpriteWindow::pictureDialog(const QString& title, bool mustExist) const
{
    FileDialogOptions options;
    options.title = title;
    options.directory = qstr(app_.files.characterDir);
    options.filter = mustExist ? kPictureFilter : kExportFilter;
    options.mustExist = mustExist;
    return options;
}

bool SpriteWindow::checkPictures(const QStringList& files)
{
    SpriteWorkspace& ws = app_.sprites;
    for (const QString& file : files) {
        const PictureCheck check = checkPicture(sstr(file));
        if (check.kind == PictureKind::Refused) {
            app_.dialogs.message(this, qstr(check.reason));
            return false;
        }
        // SFF v1 cannot hold it: the user may switch the build to v2.
        if (check.kind == PictureKind::TrueColour && ws.buildVersion() == 1) {
            if (app_.dialogs.message(this, qstr(trueColourInV1Question(fileNameOf(sstr(file)))),
                                     QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Question)
                != Answer::Yes)
                return false;
            ws.buildFlags.version = ws.archiveVersion() == 2 ? 0 : 2;
        }
    }
    return true;
}

bool SpriteWindow::insertPicture(const QString& path)
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return false;
    }
    if (!checkPictures({path}))
        return false;
    const CopyResult copied = copyIntoWorkspace(ws, sstr(path));
    if (!copied.ok) {
        app_.dialogs.message(this, qstr(copied.error));
        return false;
    }
    const int row = insertRecordAfter(ws, currentIndex(), copied.pcxFile);
    setIndexRange(ws.count(), row);
    showRecord(row);
    pushStep(new InsertRecordsCommand(ws, [this](int shown) { showStep(shown); }, QStringLiteral("Add Sprite"), row,
                                      {ws.record(row)}));
    return true;
}

void SpriteWindow::addPictures(QStringList files)
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    if (!canAddImages(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    if (files.isEmpty())
        files = app_.dialogs.openFiles(this, pictureDialog(QStringLiteral("Add a PCX or PNG picture"), true));
    if (files.isEmpty())
        return;
    if (!canAddImages(ws, static_cast<int>(files.size()))) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    // All or nothing: a picture the build would refuse stops the whole add.
    if (!checkPictures(files))
        return;
    ProgressScope progress(app_.main, QStringLiteral("Adding pictures"), static_cast<int>(files.size()));
    int row = currentIndex();
    const int first = row + 1;
    for (const QString& file : files) {
        const CopyResult copied = copyIntoWorkspace(ws, sstr(file));
        if (!copied.ok) {
            app_.dialogs.message(this, qstr(copied.error));
            break;
        }
        row = insertRecordAfter(ws, row, copied.pcxFile);
        progress.advance(row - first + 1);
    }
    setIndexRange(ws.count(), row);
    showRecord(row);
    if (row >= first) {
        const std::vector<SpriteRecord> added(ws.records().begin() + (first - 1), ws.records().begin() + row);
        pushStep(new InsertRecordsCommand(
            ws, [this](int shown) { showStep(shown); },
            added.size() > 1 ? QStringLiteral("Add Sprites") : QStringLiteral("Add Sprite"), first, added));
    }
}

void SpriteWindow::deleteImage()
{
    syncWithWorkspace();
    const int index = currentIndex();
    if (index < 1)
        return;
    if (app_.dialogs.message(this, QStringLiteral("Are you sure?"), QStringLiteral("Delete current image"),
                             Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return;
    pushStep(new DeleteRecordCommand(
        app_.sprites, [this](int row) { showStep(row); }, index));
}

void SpriteWindow::cloneImage()
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    const int index = currentIndex();
    if (index < 1)
        return;
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    pushStep(new CloneRecordCommand(
        ws, [this](int row) { showStep(row); }, index));
}

void SpriteWindow::changeImage()
{
    syncWithWorkspace();
    SpriteRecord* record = current();
    if (!record)
        return;
    const QString file = app_.dialogs.openFile(this, pictureDialog(QStringLiteral("Add a PCX or PNG picture"), true));
    if (file.isEmpty() || !checkPictures({file}))
        return;
    const CopyResult copied = copyIntoWorkspace(app_.sprites, sstr(file));
    if (!copied.ok) {
        app_.dialogs.message(this, qstr(copied.error));
        return;
    }
    const SpriteRecord before = *record;
    if (record->pcxFile != copied.pcxFile)
        app_.sprites.setModified(true);
    record->pcxFile = copied.pcxFile;
    loadImage(currentIndex());
    if (before.pcxFile != record->pcxFile)
        pushStep(new EditRecordCommand(
            app_.sprites, [this](int row) { showStep(row); }, QStringLiteral("Change Picture"), currentIndex(), before,
            *record));
}

void SpriteWindow::sortImages()
{
    // A table in order already is not edited.
    std::vector<int> order = sortOrder(app_.sprites);
    if (order.empty()) {
        showRecord(currentIndex());
        return;
    }
    // The index now designates the record sorted into its row: show it.
    pushStep(new SortRecordsCommand(
        app_.sprites, [this](int row) { showStep(row); }, std::move(order), currentIndex()));
}

void SpriteWindow::exportImage()
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    QWidget* owner = app_.main ? static_cast<QWidget*>(app_.main) : this;
    const QString target = app_.dialogs.saveFile(owner, pictureDialog(QStringLiteral("Save single frame"), false));
    if (target.isEmpty())
        return;
    const std::string source = app_.sprites.imagePath(*record);
    bool transparent = false;
    if (namesPng(target) && checkPicture(source).kind == PictureKind::EightBit) {
        const Answer answer =
            app_.dialogs.message(this, QStringLiteral("Make colour 0 transparent in the PNG file?"),
                                 QStringLiteral("Save single frame"), Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return;
        transparent = answer == Answer::Yes;
    }
    const CopyResult copied = exportPicture(source, sstr(target), transparent);
    if (!copied.ok)
        app_.dialogs.message(this, qstr(copied.error));
}

void SpriteWindow::exportAllImages()
{
    QWidget* owner = app_.main ? static_cast<QWidget*>(app_.main) : this;
    const QString folder =
        app_.dialogs.chooseFolder(owner, QStringLiteral("Save all files to:"), qstr(app_.files.characterDir));
    if (folder.isEmpty())
        return;
    const QString title = QStringLiteral("Save all files");
    const Answer asPng = app_.dialogs.message(
        this,
        QStringLiteral("Save the pictures as PNG files?\n(No saves them as they are: PCX files, and PNG files for "
                       "32-bit sprites.)"),
        title, Buttons::YesNoCancel, Icon::Question);
    if (asPng == Answer::Cancel)
        return;
    bool transparent = false;
    if (asPng == Answer::Yes) {
        const Answer answer = app_.dialogs.message(this, QStringLiteral("Make colour 0 transparent in the PNG files?"),
                                                   title, Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return;
        transparent = answer == Answer::Yes;
    }
    std::vector<std::string> errors;
    {
        // The pictures already written stay: there is no Cancel.
        ProgressScope progress(app_.main, QStringLiteral("Saving all pictures"), app_.sprites.count());
        errors = exportAllPictures(app_.sprites, sstr(folder),
                                   asPng == Answer::Yes ? ExportFormat::Png : ExportFormat::AsStored, transparent,
                                   [&progress](int done) { progress.advance(done); });
    }
    if (!errors.empty()) {
        QString text = qstr(errors.front());
        if (errors.size() > 1)
            text += QStringLiteral("\n(%1 pictures were not saved.)").arg(errors.size());
        app_.dialogs.message(this, text);
    }
}

void SpriteWindow::editExternally()
{
    if (const SpriteRecord* record = current())
        app_.dialogs.shellEdit(qstr(app_.sprites.imagePath(*record)));
}

void SpriteWindow::openBrowser()
{
    PcxBrowser browser(app_, *this, this);
    browser.exec();
}

// --- the build -----------------------------------------------------------------

bool SpriteWindow::building() const
{
    return builder_->running();
}

bool SpriteWindow::waitForBuild()
{
    return builder_->wait();
}

void SpriteWindow::saveSpriteArchive()
{
    builder_->save();
}

bool confirmSpriteChanges(App& app)
{
    auto* window = app.main ? qobject_cast<SpriteWindow*>(app.main->window(QStringLiteral("SpriteWindow"))) : nullptr;
    if (window && window->building())
        window->waitForBuild();
    if (!app.sprites.modified())
        return true;
    return askToSaveChanges(
        app.dialogs, app.main,
        QStringLiteral("The sprites have changes that are not in an SFF file yet. Save them first?"),
        QStringLiteral("Vantrel"), [&app, window]() mutable {
            if (!window && app.main)
                window = qobject_cast<SpriteWindow*>(app.main->openWindow(QStringLiteral("SpriteWindow")));
            if (!window)
                return false;
            window->saveSpriteArchive();
            if (!window->building())
                return false; // the save was cancelled or could not start
            return window->waitForBuild();
        });
}

} // namespace vantrel
