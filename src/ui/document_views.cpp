#include "ui/document_views.h"

#include "documents/document.h"
#include "ui/app.h"
#include "ui/history_actions.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vantrel {

namespace {

void tellFailure(App& app, QWidget* parent, const Failure& failure)
{
    app.dialogs.message(parent, QString::fromStdString(failure.withPlace()), QStringLiteral("Vantrel"), Buttons::Ok,
                        Icon::Warning);
}

// The questions before a save; false when the user stopped it.
bool askBeforeSave(App& app, Document& document, QWidget* parent, bool sameFile)
{
    if (sameFile && document.fileChangedOnDisk() && DiskState::of(document.fileName()).exists) {
        const QString question =
            QCoreApplication::translate("DocumentViews",
                                        "%1 changed on disk since Vantrel read it.  Save your version over it?")
                .arg(document.displayName());
        if (app.dialogs.message(parent, question, QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Warning)
            != Answer::Yes)
            return false;
    }
    if (const std::optional<std::string> question = document.saveQuestion()) {
        switch (app.dialogs.message(parent, QString::fromStdString(*question), document.displayName(),
                                    Buttons::YesNoCancel, Icon::Warning)) {
        case Answer::Yes: document.answerSaveQuestion(true); break;
        case Answer::No: document.answerSaveQuestion(false); break;
        default: return false;
        }
    }
    return true;
}

} // namespace

bool saveDocument(App& app, Document& document, QWidget* parent)
{
    if (!askBeforeSave(app, document, parent, true))
        return false;
    app.dialogs.setBusy(true);
    const Result<void> saved = document.save();
    app.dialogs.setBusy(false);
    if (!saved) {
        tellFailure(app, parent, saved.failure());
        return false;
    }
    return true;
}

bool saveDocumentAs(App& app, Document& document, QWidget* parent, const FileDialogOptions& options)
{
    const QString path = app.dialogs.saveFile(parent, options);
    if (path.isEmpty() || !askBeforeSave(app, document, parent, false))
        return false;
    app.dialogs.setBusy(true);
    const Result<void> saved = document.saveAs(path);
    app.dialogs.setBusy(false);
    if (!saved) {
        tellFailure(app, parent, saved.failure());
        return false;
    }
    return true;
}

bool revertDocument(App& app, Document& document, QWidget* parent)
{
    if (document.isModified()) {
        const QString question =
            QCoreApplication::translate("DocumentViews", "Discard your changes to %1?").arg(document.displayName());
        if (app.dialogs.message(parent, question, QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Question)
            != Answer::Yes)
            return false;
    }
    const Result<void> read = document.reload();
    if (!read) {
        tellFailure(app, parent, read.failure());
        return false;
    }
    return true;
}

UnsavedChoice askAboutDocument(App& app, Document& document, QWidget* parent)
{
    if (!document.isModified())
        return UnsavedChoice::Saved;
    switch (app.dialogs.message(parent, QString::fromStdString(document.unsavedQuestion()), document.displayName(),
                                Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes: return saveDocument(app, document, parent) ? UnsavedChoice::Saved : UnsavedChoice::Cancel;
    case Answer::No: return UnsavedChoice::Drop;
    default: return UnsavedChoice::Cancel;
    }
}

std::optional<std::vector<Document*>> askAboutDocuments(App& app, const std::vector<Document*>& documents,
                                                        QWidget* parent)
{
    std::vector<Document*> dropped;
    for (Document* document : documents) {
        switch (askAboutDocument(app, *document, parent)) {
        case UnsavedChoice::Saved: break;
        case UnsavedChoice::Drop: dropped.push_back(document); break;
        case UnsavedChoice::Cancel: return std::nullopt;
        }
    }
    return dropped;
}

bool saveDocuments(App& app, const std::vector<Document*>& documents, QWidget* parent)
{
    for (Document* document : documents) {
        if (document->isModified() && !saveDocument(app, *document, parent))
            return false;
    }
    return true;
}

// --- the title -----------------------------------------------------------------

DocumentTitle::DocumentTitle(QWidget* view, QString caption) : QObject(view), view_(view), caption_(std::move(caption))
{
    update();
}

void DocumentTitle::setDocument(Document* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    if (document) {
        connect(document, &Document::modifiedChanged, this, &DocumentTitle::update);
        connect(document, &Document::fileNameChanged, this, &DocumentTitle::update);
    }
    update();
}

void DocumentTitle::setCaption(const QString& caption, bool namesFile)
{
    caption_ = caption;
    captionNamesFile_ = namesFile;
    update();
}

void DocumentTitle::update()
{
    if (!document_) {
        view_->setWindowTitle(caption_);
        view_->setWindowModified(false);
        return;
    }
    const QString name = document_->fileName().isEmpty() || captionNamesFile_ ? QString() : document_->displayName();
    view_->setWindowTitle(name.isEmpty() ? caption_ + QStringLiteral("[*]")
                                         : caption_ + QStringLiteral(" - ") + name + QStringLiteral("[*]"));
    view_->setWindowModified(document_->isModified());
}

// --- the bar -------------------------------------------------------------------

ChangedOnDiskBar::ChangedOnDiskBar(App& app, QWidget* parent) : QFrame(parent), app_(app)
{
    setObjectName(QStringLiteral("changedOnDiskBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("changedOnDiskLabel"));
    reloadButton = new QPushButton(tr("Reload"), this);
    reloadButton->setObjectName(QStringLiteral("reloadButton"));
    keepButton = new QPushButton(tr("Keep mine"), this);
    keepButton->setObjectName(QStringLiteral("keepMineButton"));
    row->addWidget(label, 1);
    row->addWidget(reloadButton);
    row->addWidget(keepButton);
    connect(reloadButton, &QPushButton::clicked, this, [this] {
        if (!document_)
            return;
        const Result<void> read = document_->reload();
        if (!read)
            tellFailure(app_, this, read.failure());
    });
    connect(keepButton, &QPushButton::clicked, this, [this] {
        if (document_)
            document_->keepMine();
    });
    hide();
}

void ChangedOnDiskBar::setDocument(Document* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    if (document)
        connect(document, &Document::fileChangedOnDiskChanged, this, &ChangedOnDiskBar::follow);
    follow();
}

void ChangedOnDiskBar::follow()
{
    const bool show = document_ && document_->outsideChangePending();
    if (show) {
        label->setText(tr("%1 changed on disk.").arg(document_->displayName()));
        reloadButton->setEnabled(document_->canReload());
    }
    setVisible(show);
}

void showDocumentIn(Document* document, HistoryActions& history, DocumentTitle& title, ChangedOnDiskBar& bar)
{
    history.setStack(document ? document->undoStack() : nullptr);
    title.setDocument(document);
    bar.setDocument(document);
}

} // namespace vantrel
