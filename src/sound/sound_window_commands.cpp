// The sound window's commands: saving the bank, adding, deleting and
// exporting samples, playback, the about box and leaving the program.

#include "sound_window.h"

#include "common/paths.h"
#include "shell/main_window.h"
#include "sound/sound_about_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

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
    const QStringList chosen = app_.dialogs.openFiles(this, options);
    if (chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(sstr(path));
    const int before = editor_.count();
    std::vector<EditorMessage> messages;
    {
        BusyScope busy(app_.dialogs);
        messages = editor_.addSamples(paths);
    }
    if (editor_.count() != before) {
        enableEditing();
        showBank();
    }
    updateStatus();
    for (const EditorMessage& m : messages)
        showMessage(m);
}

void SoundWindow::deleteSample()
{
    if (!editor_.editingEnabled())
        return;
    {
        BusyScope busy(app_.dialogs);
        editor_.deleteCurrent();
    }
    if (editor_.count() == 0) {
        disableEditing();
        showBank();
        rateLabel_->clear();
        formatLabel_->clear();
    } else {
        showBank();
    }
    updateStatus();
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
}

void SoundWindow::stop()
{
    player_.stop();
}

void SoundWindow::stopUnlessLooping()
{
    if (!loopBox_->isChecked())
        player_.stop();
}

} // namespace vantrel
