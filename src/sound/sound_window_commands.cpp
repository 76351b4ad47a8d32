// The sound window's commands: saving the bank, adding, deleting and
// exporting samples, playback, the about box and leaving the program.

#include "sound_window.h"
#include "ui/app.h"

#include "common/paths.h"
#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "sound/sound_about_dialog.h"
#include "sound/sound_commands.h"
#include "ui/document_views.h"
#include "ui/status_progress.h"
#include "ui/workbench.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

namespace vantrel {

namespace msg = sound_messages;

namespace {

QString soundText(const char* text)
{
    return QCoreApplication::translate("SoundWindow", text);
}

QString sndFilter()
{
    return soundText(QT_TRANSLATE_NOOP("SoundWindow", "SND Mugen files (*.SND)")) + QStringLiteral("|*.SND|")
        + soundText(QT_TRANSLATE_NOOP("SoundWindow", "All files (*.*)")) + QStringLiteral("|*.*");
}

QString wavFilter()
{
    return soundText(QT_TRANSLATE_NOOP("SoundWindow", "WAV files (*.WAV)")) + QStringLiteral("|*.WAV");
}

QString wavOpenFilter()
{
    return wavFilter() + QLatin1Char('|') + soundText(QT_TRANSLATE_NOOP("SoundWindow", "All files (*.*)"))
        + QStringLiteral("|*.*");
}

// The busy pointer for the length of one operation.
class BusyScope {
public:
    explicit BusyScope(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.setBusy(true); }
    ~BusyScope() { dialogs_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Dialogs& dialogs_;
};

} // namespace

QString SoundWindow::askSavePath(const QString& title, const QString& filter, const QString& fileName)
{
    FileDialogOptions options;
    options.title = title;
    options.directory = app_.documents ? qstr(app_.documents->character().characterDir) : QString();
    options.filter = filter;
    options.fileName = fileName;
    options.mustExist = false;
    return app_.dialogs.saveFile(this, options);
}

bool SoundWindow::save()
{
    // A number still being typed belongs to what is saved.
    if (!document_ || !editor().hasBank() || !takeTypedNumbers())
        return false;
    const bool saved = saveDocument(app_, *document_, this);
    updateStatus();
    return saved;
}

bool SoundWindow::saveAs()
{
    if (!document_ || !editor().hasBank() || !takeTypedNumbers())
        return false;
    const QString chosen = askSavePath(tr("Save As"), sndFilter(), document_->displayName());
    if (chosen.isEmpty())
        return false;
    Result<void> saved;
    {
        BusyScope busy(app_.dialogs);
        // A bank's file ends in .snd, whatever the name typed.
        saved = document_->saveAs(qstr(SoundEditor::withExtension(sstr(chosen), ".snd")));
    }
    updateStatus();
    if (!saved)
        showMessage({saved.error(), msg::kWarning});
    return saved.ok();
}

void SoundWindow::exitProgram()
{
    // The close-down asks about every document, this bank's included.
    if (!takeTypedNumbers())
        return;
    if (app_.workbench)
        app_.workbench->frame()->close();
    else
        close();
}

void SoundWindow::addSamples()
{
    if (!editor().hasBank())
        return;
    FileDialogOptions options;
    options.title = tr("Add sound");
    options.directory = app_.documents ? qstr(app_.documents->character().characterDir) : QString();
    options.filter = wavOpenFilter();
    options.mustExist = true;
    addSampleFiles(app_.dialogs.openFiles(this, options));
}

void SoundWindow::addSampleFiles(const QStringList& chosen)
{
    if (!document_ || !editor().hasBank() || chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(sstr(path));
    SoundEditor::Imported imported;
    {
        BusyScope busy(app_.dialogs);
        ProgressScope progress(app_.workbench, tr("Adding sounds"), static_cast<int>(paths.size()));
        imported = editor().importSamples(paths, [&progress](int added) { progress.advance(added); });
    }
    if (!imported.samples.empty())
        document_->push(new AddSamplesCommand(*document_, std::move(imported.samples)));
    updateStatus();
    for (const EditorMessage& m : imported.messages)
        showMessage(m);
}

void SoundWindow::deleteSample()
{
    if (!document_ || !editor().editingEnabled())
        return;
    BusyScope busy(app_.dialogs);
    document_->push(new DeleteSampleCommand(*document_, editor().current()));
}

void SoundWindow::exportSample()
{
    if (!editor().editingEnabled())
        return;
    const QString proposed = qstr(SoundEditor::proposedSampleName(sstr(groupEdit_->text()), sstr(sampleEdit_->text())));
    const QString chosen = askSavePath(tr("Save current sample"), wavFilter(), proposed);
    if (chosen.isEmpty())
        return;
    Result<void> saved;
    {
        BusyScope busy(app_.dialogs);
        saved = model().exportCurrent(sstr(chosen));
    }
    if (!saved && !saved.error().empty())
        showMessage({saved.error(), msg::kWarning});
}

void SoundWindow::exportAllSamples()
{
    if (!editor().editingEnabled())
        return;
    const QString chosen = askSavePath(tr("Save all samples"), wavFilter(), QStringLiteral("ThisDir"));
    if (chosen.isEmpty())
        return;
    // Only the folder the user ended in counts; the name is not used.
    Result<void> saved;
    {
        BusyScope busy(app_.dialogs);
        saved = model().exportAll(directoryOf(sstr(chosen)));
    }
    showMessage(saved ? EditorMessage{msg::kSamplesWritten, msg::kSuccess}
                      : EditorMessage{saved.error(), msg::kWarning});
}

void SoundWindow::showAbout()
{
    SoundAboutDialog about(this);
    about.exec();
}

void SoundWindow::play()
{
    if (!editor().editingEnabled())
        return;
    if (const SoundSample* sample = editor().currentSample())
        player_.play(sample->wavData, loopBox_->isChecked());
    showPlaying();
}

void SoundWindow::stop()
{
    player_.stop();
    showPlaying();
}

void SoundWindow::stopUnlessLooping()
{
    if (!loopBox_->isChecked())
        player_.stop();
    showPlaying();
}

void SoundWindow::showPlaying()
{
    const bool playing = player_.playing();
    playingLabel_->setText(playing ? tr("Playing") : QString());
    playButton_->setDown(playing);
    // The mixer says nothing when a sound ends: look again while one plays.
    if (playing)
        playingTimer_->start();
    else
        playingTimer_->stop();
}

} // namespace vantrel
