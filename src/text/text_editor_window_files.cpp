// The text editor windows' documents: showing the document of a file,
// another encoding on request, and saving, Save As and Revert through the
// questions every view of a document shares.

#include "text_editor_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "formats/zss.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/syntax_highlighter.h"
#include "text/text_document.h"
#include "ui/document_views.h"
#include "ui/translations.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>

namespace vantrel {

bool TextEditorWindow::loadFile(const QString& path, std::optional<Charset> charset)
{
    const DocumentKind kind = description_.kind;
    Result<TextDocument*> opened = app_.documents
        ? app_.documents->open<TextDocument>(path, [kind](const QString& file) { return makeTextDocument(kind, file); })
        : Result<TextDocument*>::failure(QT_TRANSLATE_NOOP("Messages", "There is no place to open documents in."));
    if (!opened) {
        app_.dialogs.message(this, translatedMessage(opened.error()));
        return false;
    }
    setDocument(*opened);
    if (charset && *charset != (*opened)->encoding().charset)
        return changeEncoding(*charset);
    return true;
}

void TextEditorWindow::setDocument(TextDocument* document)
{
    if (document_ == document)
        return;
    if (document_)
        document_->disconnect(this);
    document_ = document;
    editor_->setTextDocument(document);
    title_->setDocument(document);
    changedBar_->setDocument(document);
    if (document) {
        connect(document, &Document::changed, this, &TextEditorWindow::showEncoding);
        connect(document, &Document::saved, this, &TextEditorWindow::showEncoding);
        connect(document, &Document::fileNameChanged, this, &TextEditorWindow::followScriptLanguage);
        // A document that goes takes nothing of this window with it but the text.
        connect(document, &QObject::destroyed, this, [this] { setDocument(nullptr); });
    }
    showEncoding();
    followScriptLanguage();
}

void TextEditorWindow::followScriptLanguage()
{
    const bool script = document_ && isZssFileName(sstr(document_->fileName()));
    if (highlighter_)
        highlighter_->setScript(script);
    if (completion_)
        completion_->setScript(script);
}

void TextEditorWindow::showEncoding()
{
    const Charset charset = encoding().charset;
    encodingBox_->setCurrentIndex(encodingBox_->findData(static_cast<int>(charset)));
}

bool TextEditorWindow::changeEncoding(Charset charset)
{
    if (!document_ || charset == document_->encoding().charset)
        return true;
    if (document_->isModified()) {
        const QString question = tr("Reading the file again as %1 drops your unsaved changes.  Go on?")
                                     .arg(QString::fromLatin1(charsetName(charset)));
        if (app_.dialogs.message(this, question, document_->displayName(), Buttons::YesNo, Icon::Question)
            != Answer::Yes)
            return false;
    }
    const Result<void> changed = document_->changeEncoding(charset);
    if (!changed) {
        app_.dialogs.message(this, translatedMessage(changed.error()));
        return false;
    }
    showEncoding();
    return true;
}

std::string TextEditorWindow::textBytes() const
{
    return document_ ? document_->bytes() : std::string();
}

bool TextEditorWindow::replaceTextBytes(const std::string& bytes)
{
    if (!document_)
        return false;
    const std::optional<int> first = document_->replaceBytes(bytes, tr("Edit", "an undo step"));
    if (!first)
        return false;
    editor_->showLine(*first);
    return true;
}

bool TextEditorWindow::save()
{
    if (document_ && document_->fileName().isEmpty())
        return saveAs();
    return document_ && saveDocument(app_, *document_, this);
}

FileDialogOptions TextEditorWindow::saveAsOptions() const
{
    FileDialogOptions options;
    options.title = tr("Save File...");
    options.filter = tr("All files (*.*)") + QStringLiteral("|*.*");
    const std::string& characterDir = app_.documents ? app_.documents->character().characterDir : std::string();
    options.directory = characterDir.empty() ? QDir::homePath() : qstr(characterDir);
    if (document_ && !document_->fileName().isEmpty())
        options.fileName = document_->displayName();
    options.mustExist = false;
    return options;
}

bool TextEditorWindow::saveAs()
{
    return document_ && saveDocumentAs(app_, *document_, this, saveAsOptions());
}

void TextEditorWindow::revert()
{
    if (document_)
        revertDocument(app_, *document_, this);
}

bool TextEditorWindow::followCharacter()
{
    const QString path = sourcePath();
    if (path.isEmpty())
        return false;
    return loadFile(path);
}

} // namespace vantrel
