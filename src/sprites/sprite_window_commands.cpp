// The sprite window's commands: the toolbar and what its buttons do to the
// record list, the pictures and the build.

#include "sprites/sprite_window.h"

#include "common/paths.h"
#include "image/pcx.h"
#include "shell/main_window.h"
#include "sprites/pcx_browser.h"
#include "sprites/sff_builder.h"
#include "sprites/sprite_list.h"

#include <QAction>
#include <QStyle>
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
    QStyle::StandardPixmap icon;
};

// The toolbar, in its order.
const ToolButton kToolBar[] = {
    {&SpriteWindow::saveAction, &SpriteWindow::saveSpriteArchive, "Save", "saveAction", "Save SFF file",
     QStyle::SP_DialogSaveButton},
    {&SpriteWindow::sortAction, &SpriteWindow::sortImages, "Sort", "sortAction", "Sort images", QStyle::SP_ArrowDown},
    {&SpriteWindow::addImageAction, &SpriteWindow::addImage, "Add", "addImageAction",
     "Add a PCX or PNG after this image", QStyle::SP_FileDialogNewFolder},
    {&SpriteWindow::deleteImageAction, &SpriteWindow::deleteImage, "Delete", "deleteImageAction", "Delete this image",
     QStyle::SP_TrashIcon},
    {&SpriteWindow::cloneImageAction, &SpriteWindow::cloneImage, "Clone", "cloneImageAction", "Clone image to end",
     QStyle::SP_FileLinkIcon},
    {&SpriteWindow::changeImageAction, &SpriteWindow::changeImage, "Change", "changeImageAction", "Change this image",
     QStyle::SP_BrowserReload},
    {&SpriteWindow::browseAction, &SpriteWindow::openBrowser, "Browser", "browseAction",
     "Browse for PCX's with thumbnails", QStyle::SP_DirOpenIcon},
    {&SpriteWindow::zoomInAction, &SpriteWindow::zoomIn, "ZoomIn", "zoomInAction", "Zoom In", QStyle::SP_ArrowUp},
    {&SpriteWindow::zoomOutAction, &SpriteWindow::zoomOut, "ZoomOut", "zoomOutAction", "Zoom Out",
     QStyle::SP_ArrowDown},
    {&SpriteWindow::editExternallyAction, &SpriteWindow::editExternally, "ShellEdit", "editExternallyAction",
     "Send to shell with \"Edit\" command", QStyle::SP_FileDialogDetailedView},
    {&SpriteWindow::exportImageAction, &SpriteWindow::exportImage, "SaveOne", "exportImageAction",
     "Save this picture as PCX or PNG...", QStyle::SP_DriveFDIcon},
    {&SpriteWindow::exportAllAction, &SpriteWindow::exportAllImages, "SaveAll", "exportAllAction",
     "Save all pictures...", QStyle::SP_DriveHDIcon},
    // Undo keeps no history: the button is there and does nothing.
    {&SpriteWindow::undoAction, nullptr, "Undo", "undoAction", "", QStyle::SP_ArrowBack},
};

} // namespace

void SpriteWindow::createToolBar()
{
    toolBar = new QToolBar(QStringLiteral("Sprites"), this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolButton& b : kToolBar) {
        QAction* action = toolBar->addAction(style()->standardIcon(b.icon), QString::fromLatin1(b.text));
        action->setObjectName(QString::fromLatin1(b.objectName));
        action->setToolTip(QString::fromLatin1(b.toolTip));
        this->*b.action = action;
        // Every command first catches up with a table replaced under the window.
        connect(action, &QAction::triggered, this, &SpriteWindow::syncWithWorkspace);
        if (b.command)
            connect(action, &QAction::triggered, this, b.command);
    }
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
    return true;
}

void SpriteWindow::addImage()
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    if (!canAddImages(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    const QStringList files =
        app_.dialogs.openFiles(this, pictureDialog(QStringLiteral("Add a PCX or PNG picture"), true));
    if (files.isEmpty())
        return;
    if (!canAddImages(ws, static_cast<int>(files.size()))) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    // All or nothing: a picture the build would refuse stops the whole add.
    if (!checkPictures(files))
        return;
    int row = currentIndex();
    for (const QString& file : files) {
        const CopyResult copied = copyIntoWorkspace(ws, sstr(file));
        if (!copied.ok) {
            app_.dialogs.message(this, qstr(copied.error));
            break;
        }
        row = insertRecordAfter(ws, row, copied.pcxFile);
    }
    setIndexRange(ws.count(), row);
    showRecord(row);
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
    SpriteWorkspace& ws = app_.sprites;
    deleteRecord(ws, index);
    const int next = std::min(index, ws.count());
    setIndexRange(ws.count(), next);
    showRecord(next);
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
    cloneRecord(ws, index);
    setIndexRange(ws.count(), index);
    refreshPositionLabel();
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
    if (record->pcxFile != copied.pcxFile)
        app_.sprites.setModified(true);
    record->pcxFile = copied.pcxFile;
    loadImage(currentIndex());
}

void SpriteWindow::sortImages()
{
    sortSprites(app_.sprites);
    // The index now designates the record sorted into its row: show it.
    showRecord(currentIndex());
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
    const auto errors = exportAllPictures(
        app_.sprites, sstr(folder), asPng == Answer::Yes ? ExportFormat::Png : ExportFormat::AsStored, transparent);
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
