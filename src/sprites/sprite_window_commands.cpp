// The sprite window's commands: the toolbar and what its buttons do to the
// record list, the pictures and the build.

#include "sprites/sprite_window.h"
#include "ui/app.h"

#include "common/paths.h"
#include "documents/document_manager.h"
#include "image/pcx.h"
#include "sprites/pcx_browser.h"
#include "sprites/sff_builder.h"
#include "sprites/sprite_list.h"
#include "ui/action_icons.h"
#include "ui/document_views.h"
#include "ui/history_actions.h"
#include "ui/shortcuts.h"
#include "ui/status_progress.h"
#include "ui/translations.h"
#include "ui/workbench.h"

#include <QAction>
#include <QToolBar>

#include <algorithm>

namespace vantrel {

namespace {

QString exportFilter()
{
    return SpriteWindow::tr("ZSoft PCX (*.pcx)") + QStringLiteral("|*.pcx|") + SpriteWindow::tr("PNG (*.png)")
        + QStringLiteral("|*.png");
}

QString pictureFilter()
{
    return SpriteWindow::tr("Pictures (*.pcx *.png)") + QStringLiteral("|*.pcx;*.png|") + exportFilter();
}

bool namesPng(const QString& path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

bool isEightBit(const std::string& picturePath)
{
    const Result<PictureKind> kind = checkPicture(picturePath);
    return kind && *kind == PictureKind::EightBit;
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
    {&SpriteWindow::saveAction, &SpriteWindow::saveSpriteArchive, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save"),
     "saveAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save SFF file"), ActionIcon::Save},
    {&SpriteWindow::saveAsAction, &SpriteWindow::saveSpriteArchiveAs,
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save As"), "saveAsAction",
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save the sprites as another SFF file, choosing the build options"),
     ActionIcon::SaveAs},
    {&SpriteWindow::sortAction, &SpriteWindow::sortImages, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Sort"),
     "sortAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Sort images"), ActionIcon::Sort},
    {&SpriteWindow::addImageAction, &SpriteWindow::addImage, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Add"),
     "addImageAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Add a PCX or PNG after this image"),
     ActionIcon::Add},
    {&SpriteWindow::deleteImageAction, &SpriteWindow::deleteImage, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Delete"),
     "deleteImageAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Delete this image"), ActionIcon::Delete},
    {&SpriteWindow::cloneImageAction, &SpriteWindow::cloneImage, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Clone"),
     "cloneImageAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Clone image to end"), ActionIcon::Duplicate},
    {&SpriteWindow::changeImageAction, &SpriteWindow::changeImage, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Change"),
     "changeImageAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Change this image"), ActionIcon::Replace},
    {&SpriteWindow::browseAction, &SpriteWindow::openBrowser, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Browser"),
     "browseAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Browse for PCX's with thumbnails"),
     ActionIcon::Thumbnails},
    {&SpriteWindow::zoomInAction, &SpriteWindow::zoomIn, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "ZoomIn"),
     "zoomInAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Zoom In"), ActionIcon::ZoomIn},
    {&SpriteWindow::zoomOutAction, &SpriteWindow::zoomOut, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "ZoomOut"),
     "zoomOutAction", QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Zoom Out"), ActionIcon::ZoomOut},
    {&SpriteWindow::editExternallyAction, &SpriteWindow::editExternally,
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "ShellEdit"), "editExternallyAction",
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Send to shell with \"Edit\" command"), ActionIcon::Edit},
    {&SpriteWindow::exportImageAction, &SpriteWindow::exportImage,
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "SaveOne"), "exportImageAction",
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save this picture as PCX or PNG..."), ActionIcon::Export},
    {&SpriteWindow::exportAllAction, &SpriteWindow::exportAllImages,
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "SaveAll"), "exportAllAction",
     QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Save all pictures..."), ActionIcon::ExportAll},
    // Undo takes the last step back off the window's history (createEditMenu).
    {&SpriteWindow::undoAction, nullptr, QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Undo"), "undoAction", "",
     ActionIcon::Undo},
};

} // namespace

void SpriteWindow::createToolBar()
{
    toolBar = new QToolBar(tr("Sprites"), this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    // The captions stay under the pictures: they name the buttons as before.
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton& b : kToolBar) {
        QAction* action = toolBar->addAction(actionIcon(b.icon), tr(b.text));
        action->setObjectName(QString::fromLatin1(b.objectName));
        action->setToolTip(*b.toolTip ? tr(b.toolTip) : QString());
        this->*b.action = action;
        if (b.command)
            connect(action, &QAction::triggered, this, b.command);
    }
    bindKeys(this, saveAction, QKeySequence::Save);
    bindKeys(this, saveAsAction, QKeySequence::SaveAs);
    bindKeys(this, zoomInAction, QKeySequence::ZoomIn);
    bindKeys(this, zoomOutAction, QKeySequence::ZoomOut);
    // In the number boxes Delete stays theirs: they take the key first.
    bindKeys(this, deleteImageAction, QKeySequence::Delete);
}

FileDialogOptions SpriteWindow::pictureDialog(const QString& title, bool mustExist) const
{
    FileDialogOptions options;
    options.title = title;
    options.directory = app_.documents ? qstr(app_.documents->character().characterDir) : QString();
    options.filter = mustExist ? pictureFilter() : exportFilter();
    options.mustExist = mustExist;
    return options;
}

bool SpriteWindow::checkPictures(const QStringList& files)
{
    SpriteWorkspace& ws = workspace();
    for (const QString& file : files) {
        const Result<PictureKind> kind = checkPicture(sstr(file));
        if (!kind) {
            app_.dialogs.message(this, qstr(kind.error()));
            return false;
        }
        // SFF v1 cannot hold it: the user may switch the build to v2.
        if (*kind == PictureKind::TrueColour && ws.buildVersion() == 1) {
            if (app_.dialogs.message(
                    this,
                    tr("%1 is a 32-bit picture. This character's sprites are built as SFF v1, which holds 8-bit "
                       "pictures only (256 colours from a palette). Build them as SFF v2 from now on, "
                       "so that it can go in?")
                        .arg(qstr(fileNameOf(sstr(file)))),
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
    if (!document_)
        return false;
    SpriteWorkspace& ws = workspace();
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, translatedMessage(kTooManyImages));
        return false;
    }
    if (!checkPictures({path}))
        return false;
    const Result<std::string> copied = copyIntoWorkspace(ws, sstr(path));
    if (!copied) {
        app_.dialogs.message(this, qstr(copied.error()));
        return false;
    }
    const int current = currentIndex();
    document_->push(new InsertRecordsCommand(
        *document_, tr("Add Sprite"), current + 1,
        {recordFollowing(ws.records(), current >= 1 ? &ws.record(current) : nullptr, *copied)}));
    return true;
}

void SpriteWindow::addPictures(QStringList files)
{
    if (!document_)
        return;
    SpriteWorkspace& ws = workspace();
    if (!canAddImages(ws, 1)) {
        app_.dialogs.message(this, translatedMessage(kTooManyImages));
        return;
    }
    if (files.isEmpty())
        files = app_.dialogs.openFiles(this, pictureDialog(tr("Add a PCX or PNG picture"), true));
    if (files.isEmpty())
        return;
    if (!canAddImages(ws, static_cast<int>(files.size()))) {
        app_.dialogs.message(this, translatedMessage(kTooManyImages));
        return;
    }
    // All or nothing: a picture the build would refuse stops the whole add.
    if (!checkPictures(files))
        return;
    const int current = currentIndex();
    std::vector<SpriteRecord> added;
    {
        ProgressScope progress(app_.workbench, tr("Adding pictures"), static_cast<int>(files.size()));
        const SpriteRecord* previous = current >= 1 ? &ws.record(current) : nullptr;
        // Each new picture takes a number neither the table nor the pictures added before it have.
        std::vector<SpriteRecord> taken = ws.records();
        for (const QString& file : files) {
            const Result<std::string> copied = copyIntoWorkspace(ws, sstr(file));
            if (!copied) {
                app_.dialogs.message(this, qstr(copied.error()));
                break;
            }
            added.push_back(recordFollowing(taken, added.empty() ? previous : &added.back(), *copied));
            taken.push_back(added.back());
            progress.advance(static_cast<int>(added.size()));
        }
    }
    if (added.empty())
        return;
    const QString text = added.size() > 1 ? tr("Add Sprites") : tr("Add Sprite");
    document_->push(new InsertRecordsCommand(*document_, text, current + 1, std::move(added)));
}

void SpriteWindow::deleteImage()
{
    const int index = currentIndex();
    if (index < 1)
        return;
    if (app_.dialogs.message(this, tr("Are you sure?"), tr("Delete current image"), Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return;
    document_->push(new DeleteRecordCommand(*document_, index));
}

void SpriteWindow::cloneImage()
{
    const int index = currentIndex();
    if (index < 1)
        return;
    SpriteWorkspace& ws = workspace();
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, translatedMessage(kTooManyImages));
        return;
    }
    document_->push(new CloneRecordCommand(*document_, index));
}

void SpriteWindow::changeImage()
{
    SpriteRecord* record = current();
    if (!record)
        return;
    const QString file = app_.dialogs.openFile(this, pictureDialog(tr("Add a PCX or PNG picture"), true));
    if (file.isEmpty() || !checkPictures({file}))
        return;
    const Result<std::string> copied = copyIntoWorkspace(workspace(), sstr(file));
    if (!copied) {
        app_.dialogs.message(this, qstr(copied.error()));
        return;
    }
    if (record->pcxFile == *copied) {
        loadImage(currentIndex());
        return;
    }
    SpriteRecord changed = *record;
    changed.pcxFile = *copied;
    document_->push(new EditRecordCommand(*document_, tr("Change Picture"), currentIndex(), std::move(changed)));
}

void SpriteWindow::sortImages()
{
    if (!document_)
        return;
    // A table in order already is not edited.
    std::vector<int> order = sortOrder(workspace());
    if (order.empty()) {
        showRecord(currentIndex());
        return;
    }
    // The index now designates the record sorted into its row: show it.
    document_->push(new SortRecordsCommand(*document_, std::move(order), currentIndex()));
}

void SpriteWindow::exportImage()
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    QWidget* owner = app_.workbench ? app_.workbench->frame() : this;
    const QString target = app_.dialogs.saveFile(owner, pictureDialog(tr("Save single frame"), false));
    if (target.isEmpty())
        return;
    const std::string source = workspace().imagePath(*record);
    bool transparent = false;
    if (namesPng(target) && isEightBit(source)) {
        const Answer answer = app_.dialogs.message(this, tr("Make colour 0 transparent in the PNG file?"),
                                                   tr("Save single frame"), Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return;
        transparent = answer == Answer::Yes;
    }
    const Result<void> exported = exportPicture(source, sstr(target), transparent);
    if (!exported)
        app_.dialogs.message(this, qstr(exported.error()));
}

void SpriteWindow::exportAllImages()
{
    if (!document_)
        return;
    const QString folder = askExportFolder(tr("Save all files to:"));
    if (folder.isEmpty())
        return;
    const QString title = tr("Save all files");
    const Answer asPng = app_.dialogs.message(
        this,
        tr("Save the pictures as PNG files?\n(No saves them as they are: PCX files, and PNG files for "
           "32-bit sprites.)"),
        title, Buttons::YesNoCancel, Icon::Question);
    if (asPng == Answer::Cancel)
        return;
    bool transparent = false;
    if (asPng == Answer::Yes) {
        const Answer answer = app_.dialogs.message(this, tr("Make colour 0 transparent in the PNG files?"), title,
                                                   Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return;
        transparent = answer == Answer::Yes;
    }
    std::vector<std::string> errors;
    {
        // The pictures already written stay: there is no Cancel.
        ProgressScope progress(app_.workbench, tr("Saving all pictures"), workspace().count());
        errors = exportAllPictures(workspace(), sstr(folder),
                                   asPng == Answer::Yes ? ExportFormat::Png : ExportFormat::AsStored, transparent,
                                   [&progress](int done) { progress.advance(done); });
    }
    reportExportErrors(errors);
}

QString SpriteWindow::askExportFolder(const QString& title)
{
    QWidget* owner = app_.workbench ? app_.workbench->frame() : this;
    return app_.dialogs.chooseFolder(owner, title, pictureDialog(QString(), true).directory);
}

void SpriteWindow::reportExportErrors(const std::vector<std::string>& errors)
{
    if (errors.empty())
        return;
    QString text = qstr(errors.front());
    if (errors.size() > 1)
        text += tr("\n(%1 pictures were not saved.)").arg(errors.size());
    app_.dialogs.message(this, text);
}

void SpriteWindow::editExternally()
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    // What the editor does to the picture comes back as a step of the history.
    document_->watchPicture(record->pcxFile);
    app_.dialogs.shellEdit(qstr(workspace().imagePath(*record)));
}

void SpriteWindow::openBrowser()
{
    PcxBrowser browser(app_, *this, this);
    browser.exec();
}

// --- the build -----------------------------------------------------------------

bool SpriteWindow::building() const
{
    return document_ && document_->building();
}

bool SpriteWindow::waitForBuild()
{
    return document_ && document_->waitForBuild();
}

void SpriteWindow::saveSpriteArchive()
{
    builder_->save();
}

void SpriteWindow::saveSpriteArchiveAs()
{
    builder_->saveAs();
}

bool SpriteWindow::saveToFile()
{
    return document_ && saveDocument(app_, *document_, this);
}

} // namespace vantrel
