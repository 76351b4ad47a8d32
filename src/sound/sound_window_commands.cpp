// The sound window's commands: saving the bank, adding, deleting and
// exporting samples, playback, the about box and leaving the program.

#include "sound_window.h"

#include "common/paths.h"
#include "shell/main_window.h"
#include "shell/status_progress.h"
#include "sound/sound_about_dialog.h"
#include "sound/sound_commands.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

namespace vantrel {

namespace msg = sound_messages;

namespace {

const QString kSndFilter = QStringLiteral("SND Mugen files (*.SND)|*.SND|All files (*.*)|*.*");
const QString kWavFilter = QStringLiteral("WAV files (*.WAV)|*.WAV");
const QString kWavOpenFilter = QStringLiteral("WAV files (*.WAV)|*.WAV|All files (*.*)|*.*");

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
    options.directory = qstr(app_.files.characterDir);
    options.filter = filter;
    options.fileName = fileName;
    options.mustExist = false;
    return app_.dialogs.saveFile(this, options);
}

bool SoundWindow::saveBankAs()
{
    const QString chosen = askSavePath(QStringLiteral("Save As"), kSndFilter);
    if (chosen.isEmpty())
        return false;
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.saveBank(sstr(chosen));
    }
    if (saved.ok)
        undoStack_->setClean();
    updateStatus();
    if (saved.message)
        showMessage(*saved.message);
    return saved.ok;
}

bool SoundWindow::askToSaveBank()
{
    return !editor_.modified()
        || askToSaveChanges(app_.dialogs, this, qstr(msg::kUnsaved), QStringLiteral("Vantrel"),
                            [this] { return saveBankAs(); });
}

void SoundWindow::saveAs()
{
    // A number still being typed belongs to what is saved.
    if (!editor_.hasBank() || !takeTypedNumbers())
        return;
    saveBankAs();
}

void SoundWindow::exitProgram()
{
    if (!takeTypedNumbers() || !askToSaveBank())
        return;
    // The question is answered; the close-down must not ask it again.
    discardConfirmed_ = true;
    QPointer<SoundWindow> self(this);
    const bool closed = app_.main ? app_.main->close() : close();
    if (!closed && self)
        discardConfirmed_ = false;
}

void SoundWindow::addSamples()
{
    if (!editor_.hasBank())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Add sound");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kWavOpenFilter;
    options.mustExist = true;
    addSampleFiles(app_.dialogs.openFiles(this, options));
}

void SoundWindow::addSampleFiles(const QStringList& chosen)
{
    if (!editor_.hasBank() || chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(sstr(path));
    const int before = editor_.count();
    std::vector<EditorMessage> messages;
    {
        BusyScope busy(app_.dialogs);
        ProgressScope progress(app_.main, QStringLiteral("Adding sounds"), static_cast<int>(paths.size()));
        messages = editor_.addSamples(paths, [&progress](int added) { progress.advance(added); });
    }
    if (editor_.count() != before) {
        enableEditing();
        showBank();
        const auto& samples = editor_.bank().samples;
        pushStep(new AddSamplesCommand(
            editor_, [this] { showStep(); }, std::vector<SoundSample>(samples.begin() + before, samples.end())));
        showSample(editor_.count()); // the new samples end the bank
    }
    updateStatus();
    for (const EditorMessage& m : messages)
        showMessage(m);
}

void SoundWindow::deleteSample()
{
    if (!editor_.editingEnabled())
        return;
    BusyScope busy(app_.dialogs);
    pushStep(new DeleteSampleCommand(
        editor_, [this] { showStep(); }, editor_.current()));
}

void SoundWindow::exportSample()
{
    if (!editor_.editingEnabled())
        return;
    const QString proposed = qstr(SoundEditor::proposedSampleName(sstr(groupEdit_->text()), sstr(sampleEdit_->text())));
    const QString chosen = askSavePath(QStringLiteral("Save current sample"), kWavFilter, proposed);
    if (chosen.isEmpty())
        return;
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.exportCurrent(sstr(chosen));
    }
    if (saved.message)
        showMessage(*saved.message);
}

void SoundWindow::exportAllSamples()
{
    if (!editor_.editingEnabled())
        return;
    const QString chosen = askSavePath(QStringLiteral("Save all samples"), kWavFilter, QStringLiteral("ThisDir"));
    if (chosen.isEmpty())
        return;
    // Only the folder the user ended in counts; the name is not used.
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.exportAll(directoryOf(sstr(chosen)));
    }
    if (saved.message)
        showMessage(*saved.message);
}

void SoundWindow::showAbout()
{
    if (app_.main) {
        app_.main->openWindow(QStringLiteral("SoundAboutDialog"));
        return;
    }
    SoundAboutDialog about(this);
    about.exec();
}

void SoundWindow::play()
{
    if (!editor_.editingEnabled())
        return;
    if (const SoundSample* sample = editor_.currentSample())
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
    playingLabel_->setText(playing ? QStringLiteral("Playing") : QString());
    playButton_->setDown(playing);
    // The mixer says nothing when a sound ends: look again while one plays.
    if (playing)
        playingTimer_->start();
    else
        playingTimer_->stop();
}

} // namespace vantrel
