#include "sprites/sff_builder.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "sprites/build_options_dialog.h"
#include "sprites/sff_build.h"
#include "sprites/sprite_document.h"
#include "ui/status_progress.h"
#include "ui/translations.h"
#include "ui/workbench.h"

#include <QFileInfo>

namespace vantrel {

SffBuilder::SffBuilder(App& app, QWidget* owner) : QObject(owner), app_(app), owner_(owner) { }

SffBuilder::~SffBuilder() = default;

void SffBuilder::setDocument(SpriteDocument* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    progress_.reset();
    if (!document)
        return;
    connect(document, &SpriteDocument::buildStarted, this, &SffBuilder::buildStarted);
    connect(document, &SpriteDocument::buildFinished, this, &SffBuilder::buildFinished);
}

bool SffBuilder::canSave()
{
    if (!document_)
        return false;
    if (document_->building()) {
        app_.dialogs.message(owner_, tr("The SFF file is still being built."));
        return false;
    }
    // An archive without sprites would only overwrite a character's sprites with nothing.
    if (document_->workspace().count() == 0) {
        app_.dialogs.message(owner_, tr("There are no sprites to build an SFF file from."));
        return false;
    }
    return true;
}

void SffBuilder::save()
{
    if (document_ && document_->fileName().isEmpty()) {
        saveAs();
        return;
    }
    if (canSave())
        start(document_->fileName(), true);
}

void SffBuilder::saveAs()
{
    if (!canSave())
        return;
    SpriteWorkspace& ws = document_->workspace();
    FileDialogOptions options;
    options.title = tr("Save SFF file");
    // The document's own SFF is the one usually written again.
    const QFileInfo current(document_->fileName());
    const std::string characterDir = app_.documents ? app_.documents->character().characterDir : std::string();
    options.directory = document_->fileName().isEmpty() ? qstr(characterDir) : current.absolutePath();
    options.fileName = document_->fileName().isEmpty() ? QString() : current.fileName();
    options.filter = tr("Character Spritesheet (*.sff)") + QStringLiteral("|*.sff");
    options.mustExist = false;
    const QString target = app_.dialogs.saveFile(owner_, options);
    if (target.isEmpty())
        return;
    {
        BuildOptionsDialog dialog(ws.buildFlags, versionFacts(ws), owner_);
        dialog.exec();
    }
    if (ws.buildFlags.cancelled)
        return;
    start(target, false);
}

void SffBuilder::start(const QString& target, bool quiet)
{
    ours_ = true;
    quiet_ = quiet;
    const Result<void> started = document_->startBuild(target);
    if (!started) {
        ours_ = false;
        app_.dialogs.message(owner_, translatedMessage(started.error()));
    }
}

void SffBuilder::buildStarted()
{
    if (app_.workbench)
        app_.workbench->setStatus(tr("Status: Building SFF file"));
    // The tool tells nothing of how far it is: a busy bar.
    QPointer<SpriteDocument> document = document_;
    progress_ = std::make_unique<ProgressScope>(app_.workbench, tr("Building the SFF file"), 0, [document] {
        if (document)
            document->cancelBuild();
    });
    emit started();
}

void SffBuilder::buildFinished(bool ok, const QString& message)
{
    progress_.reset();
    if (app_.workbench)
        app_.workbench->setStatus(tr("Status: OK"));
    if (!std::exchange(ours_, false))
        return; // a save of the document's own (Save All, the close-down) reports itself
    // The user stopped it: nothing to tell. (A tool that was done first
    // wrote the file, and that is reported as usual.)
    if (ok && quiet_) {
        if (app_.workbench)
            app_.workbench->setStatus(message);
    } else if (ok || !document_->buildCancelled())
        app_.dialogs.message(owner_, message, QStringLiteral("Vantrel"), Buttons::Ok,
                             ok ? Icon::Information : Icon::Warning);
    emit finished(ok, message);
}

} // namespace vantrel
