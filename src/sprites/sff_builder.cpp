#include "sprites/sff_builder.h"

#include "common/atomic_file.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "shell/spawn_runner.h"
#include "shell/spawn_script.h"
#include "shell/status_progress.h"
#include "sprites/build_options_dialog.h"
#include "sprites/sff_build.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace vantrel {

SffBuilder::SffBuilder(App& app, QWidget* owner) : QObject(owner), app_(app), owner_(owner) { }

SffBuilder::~SffBuilder()
{
    progress_.reset();
    if (process_) {
        process_->disconnect(this);
        process_->waitForFinished(-1);
    }
}

bool SffBuilder::wait()
{
    if (process_) {
        QEventLoop loop;
        connect(this, &SffBuilder::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return lastOk_;
}

void SffBuilder::setStatus(const QString& text)
{
    if (app_.main)
        app_.main->setStatus(text);
}

void SffBuilder::save()
{
    if (running()) {
        app_.dialogs.message(owner_, QStringLiteral("The SFF file is still being built."));
        return;
    }
    // An archive without sprites would only overwrite a character's sprites with nothing.
    if (app_.sprites.count() == 0) {
        app_.dialogs.message(owner_, QStringLiteral("There are no sprites to build an SFF file from."));
        return;
    }
    FileDialogOptions options;
    options.title = QStringLiteral("Save SFF file");
    // The character's own SFF is the one usually written again.
    const QFileInfo current(qstr(app_.files.spriteFile));
    options.directory = app_.files.spriteFile.empty() ? qstr(app_.files.characterDir) : current.absolutePath();
    options.fileName = app_.files.spriteFile.empty() ? QString() : current.fileName();
    options.filter = QStringLiteral("Character Spritesheet (*.sff)|*.sff");
    options.mustExist = false;
    const QString target = app_.dialogs.saveFile(owner_, options);
    if (target.isEmpty())
        return;
    lastOk_ = false;

    SpriteWorkspace& ws = app_.sprites;
    const WriteResult written = writeFileAtomic(ws.indexPath(), buildIndexText(sstr(target), ws));
    if (!written) {
        app_.dialogs.message(owner_, qstr(written.error));
        return;
    }

    {
        BuildOptionsDialog dialog(ws.buildFlags, versionFacts(ws), owner_);
        dialog.exec();
    }
    if (ws.buildFlags.cancelled)
        return;
    start(target);
}

void SffBuilder::cancel()
{
    if (!process_)
        return;
    cancelled_ = true;
    killProcessGroup(*process_);
}

void SffBuilder::start(const QString& sffPath)
{
    const std::string workDir = sstr(app_.workDir);
    if (!writeSpawnScript(workDir, {buildCommandLine(sstr(app_.toolsDir), workDir, app_.sprites.buildFlags)})) {
        app_.dialogs.message(owner_, QStringLiteral("The spawn script cannot be written in %1.").arg(app_.workDir));
        return;
    }
    target_ = sffPath;
    records_ = app_.sprites.count();
    // Edits made while the tool runs are not in this build.
    wasModified_ = app_.sprites.modified();
    app_.sprites.setModified(false);

    cancelled_ = false;
    process_ = new QProcess(this);
    runInOwnProcessGroup(*process_);
    process_->setWorkingDirectory(app_.workDir);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        finish(exitCode, status == QProcess::CrashExit, false);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(-1, false, true);
    });
    emit started();
    setStatus(QStringLiteral("Status: Building SFF file"));
    // The tool tells nothing of how far it is: a busy bar.
    progress_ =
        std::make_unique<ProgressScope>(app_.main, QStringLiteral("Building the SFF file"), 0, [this] { cancel(); });
    process_->start(QStringLiteral("/bin/sh"), {QStringLiteral("spawn.sh")});
}

void SffBuilder::finish(int exitCode, bool crashed, bool failedToStart)
{
    if (!process_)
        return;
    QProcess* process = process_;
    process_ = nullptr;
    const QString errorLine = failedToStart ? process->errorString() : lastLine(process->readAllStandardError());
    process->deleteLater();
    progress_.reset();

    const bool ok = !failedToStart && !crashed && exitCode == 0 && QFileInfo(target_).isFile();
    QString message;
    if (ok) {
        message = QStringLiteral("The SFF file %1 was written with %2 sprites.").arg(target_).arg(records_);
    } else {
        if (wasModified_)
            app_.sprites.setModified(true);
        message =
            QStringLiteral("The SFF file was not written: %1")
                .arg(errorLine.isEmpty() ? QStringLiteral("sprmaker ended with code %1.").arg(exitCode) : errorLine);
    }
    lastOk_ = ok;
    setStatus(QStringLiteral("Status: OK"));
    if (cancelled_ && !ok) {
        // The user stopped it: nothing to tell. (A tool that was done first
        // wrote the file, and that is reported as usual.)
        emit finished(false, QStringLiteral("The SFF file was not written: the build was cancelled."));
        return;
    }
    app_.dialogs.message(owner_, message, QStringLiteral("Vantrel"), Buttons::Ok,
                         ok ? Icon::Information : Icon::Warning);
    emit finished(ok, message);
}

} // namespace vantrel
