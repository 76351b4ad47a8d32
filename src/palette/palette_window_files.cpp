// The palette window's files: loading an ACT, saving it under another name,
// importing and exporting JASC PAL files, and palettes dropped on the window.

#include "palette/palette_window.h"
#include "ui/app.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "formats/act.h"
#include "formats/pal.h"
#include "palette/palette_commands.h"
#include "ui/document_views.h"
#include "ui/dropped_files.h"
#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUndoStack>

#include <optional>

namespace vantrel {

namespace {

QString actFilter()
{
    return QCoreApplication::translate("PaletteWindow", "Character palette file (*.act)") + QStringLiteral("|*.act");
}

QString palFilter()
{
    return QCoreApplication::translate("PaletteWindow", "Jasc/PSP PAL file (*.pal)") + QStringLiteral("|*.pal");
}

} // namespace

FileDialogOptions PaletteWindow::fileOptions(const QString& title, const QString& filter) const
{
    FileDialogOptions options;
    options.title = title;
    options.directory = qstr(character().characterDir);
    options.filter = filter;
    return options;
}

bool PaletteWindow::loadAct(const QString& path)
{
    if (path.isEmpty() || !app_.documents)
        return false;
    const Result<PaletteDocument*> opened = app_.documents->open<PaletteDocument>(path, makePaletteDocument);
    if (!opened) {
        app_.dialogs.message(this, qstr(opened.error()));
        return false;
    }
    setDocument(*opened);
    return true;
}

bool PaletteWindow::saveAct()
{
    return document_ && saveDocument(app_, *document_, this);
}

bool PaletteWindow::saveActAs()
{
    if (!document_)
        return false;
    FileDialogOptions options = fileOptions(tr("Save ACT file"), actFilter());
    options.fileName = document_->displayName();
    options.mustExist = false;
    return saveDocumentAs(app_, *document_, this, options);
}

void PaletteWindow::importPal()
{
    const QString path = app_.dialogs.openFile(this, fileOptions(tr("Import PAL file"), palFilter()));
    if (!path.isEmpty())
        importPaletteFile(path);
}

bool PaletteWindow::importPaletteFile(const QString& path)
{
    const bool act = path.endsWith(QStringLiteral(".act"), Qt::CaseInsensitive);
    std::optional<Palette> palette;
    if (act) {
        const Result<Palette> read = readActFile(sstr(path));
        if (!read) {
            app_.dialogs.message(this, translated(read.failure()));
            return false;
        }
        palette = *read;
    } else {
        const auto bytes = readFileBytes(sstr(path));
        Message why;
        palette = bytes ? paletteFromPal(*bytes, &why) : std::nullopt;
        if (!palette) {
            const QString reason = bytes ? translated(why) : tr("the file cannot be read");
            app_.dialogs.message(this, translatedMessage(kPalRejected), QStringLiteral("Vantrel"), Buttons::Ok,
                                 Icon::None, tr("%1: %2").arg(QDir::toNativeSeparators(path), reason));
            return false;
        }
    }
    if (!document_) {
        app_.dialogs.message(this, tr("Open one of the character's palettes to import a palette into."));
        return false;
    }
    editor_.setPalette(*palette);
    recordStep(act ? tr("Import ACT") : tr("Import PAL"), -1, PaletteChangeCommand::kNoMerge);
    return true;
}

namespace {

// The first ACT or PAL file among dropped files.
QString droppedPalette(const QMimeData* data)
{
    return droppedFiles(data, {".act", ".pal"}).value(0);
}

} // namespace

void PaletteWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedPalette(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PaletteWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedPalette(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Imported once the drop is over: the program the file came from is not
    // kept waiting through a message.
    QTimer::singleShot(0, this, [this, path] { importPaletteFile(path); });
}

void PaletteWindow::exportPal()
{
    FileDialogOptions options = fileOptions(tr("Export PAL file"), palFilter());
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty())
        return;
    const Result<void> written = writeFileAtomic(sstr(path), palText(editor_.workingPalette));
    if (!written)
        app_.dialogs.message(this, qstr(written.error()));
}

} // namespace vantrel
