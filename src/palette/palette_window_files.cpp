// The palette window's files: loading an ACT, saving it under another name,
// importing and exporting JASC PAL files, and palettes dropped on the window.

#include "palette/palette_window.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/act.h"
#include "formats/pal.h"
#include "palette/palette_commands.h"
#include "shell/dropped_files.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUndoStack>

#include <optional>

namespace vantrel {

namespace {

const QString kActFilter = QStringLiteral("Character palette file (*.act)|*.act");
const QString kPalFilter = QStringLiteral("Jasc/PSP PAL file (*.pal)|*.pal");

} // namespace

FileDialogOptions PaletteWindow::fileOptions(const QString& title, const QString& filter) const
{
    FileDialogOptions options;
    options.title = title;
    options.directory = qstr(app_.files.characterDir);
    options.filter = filter;
    return options;
}

bool PaletteWindow::loadAct(const QString& path)
{
    if (path.isEmpty())
        return false;
    const ActReadResult result = readActFile(sstr(path));
    if (!result.ok) {
        app_.dialogs.message(this, qstr(result.error));
        return false;
    }
    editor_.setPalette(result.palette, true);
    resetUndo();
    currentSlot_ = 0;
    for (int n = 1; n <= 12 && currentSlot_ == 0; ++n) {
        if (qstr(app_.files.paletteFiles[static_cast<std::size_t>(n)]) == path)
            currentSlot_ = n;
    }
    showCurrentSlot();
    refresh(true);
    return true;
}

bool PaletteWindow::saveActAs()
{
    FileDialogOptions options = fileOptions(QStringLiteral("Save ACT file"), kActFilter);
    if (currentSlot_ > 0)
        options.fileName = qstr(fileNameOf(app_.files.paletteFiles[static_cast<std::size_t>(currentSlot_)]));
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty())
        return false;
    const WriteResult written = writeFileAtomic(sstr(path), actBytes(editor_.workingPalette));
    if (!written) {
        app_.dialogs.message(this, qstr(written.error));
        return false;
    }
    editor_.markSaved();
    undoStack_->setClean();
    return true;
}

void PaletteWindow::importPal()
{
    const QString path = app_.dialogs.openFile(this, fileOptions(QStringLiteral("Import PAL file"), kPalFilter));
    if (!path.isEmpty())
        importPaletteFile(path);
}

bool PaletteWindow::importPaletteFile(const QString& path)
{
    const bool act = path.endsWith(QStringLiteral(".act"), Qt::CaseInsensitive);
    std::optional<Palette> palette;
    if (act) {
        const ActReadResult read = readActFile(sstr(path));
        if (!read.ok) {
            app_.dialogs.message(this, qstr(read.error));
            return false;
        }
        palette = read.palette;
    } else {
        const auto bytes = readFileBytes(sstr(path));
        palette = bytes ? paletteFromPal(*bytes) : std::nullopt;
        if (!palette) {
            app_.dialogs.message(this, QString::fromLatin1(kPalRejected));
            return false;
        }
    }
    editor_.setPalette(*palette, false);
    recordStep(act ? QStringLiteral("Import ACT") : QStringLiteral("Import PAL"), -1, PaletteChangeCommand::kNoMerge);
    refresh(true);
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
    FileDialogOptions options = fileOptions(QStringLiteral("Export PAL file"), kPalFilter);
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty())
        return;
    const WriteResult written = writeFileAtomic(sstr(path), palText(editor_.workingPalette));
    if (!written)
        app_.dialogs.message(this, qstr(written.error));
}

} // namespace vantrel
