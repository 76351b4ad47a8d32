// The text editor windows' files: reading a file into the text box in its
// encoding, another encoding on request, and writing the text back with the
// bytes of the lines left alone kept as they were read.

#include "text_editor_window.h"

#include "text/editor_text_box.h"

#include <QComboBox>
#include <QFileInfo>

#include <algorithm>

namespace vantrel {

namespace {

// What EditorTextBox::lines() reports after setJoinedText(): the usual line
// end is not kept apart, and so reads as None.
std::vector<TextLine> linesAsGiven(const JoinedText& joined)
{
    std::vector<TextLine> lines;
    lines.reserve(joined.ends.size() + 1);
    const std::u16string_view text = joined.text;
    std::size_t start = 0;
    for (const LineEnd end : joined.ends) {
        const std::size_t lf = std::min(text.find(u'\n', start), text.size());
        lines.push_back(
            {std::u16string(text.substr(start, lf - start)), end == joined.encoding.usualEnd ? LineEnd::None : end});
        start = std::min(lf + 1, text.size());
    }
    lines.push_back({std::u16string(text.substr(start)), LineEnd::None});
    return lines;
}

} // namespace

bool TextEditorWindow::loadFile(const QString& path, std::optional<Charset> charset)
{
    TextLoadResult loaded = loadTextFile(sstr(path), charset);
    if (!loaded.ok) {
        app_.dialogs.message(this,
                             QStringLiteral("Can't open file: ") + path + QStringLiteral(" with error ")
                                 + QString::number(loaded.errorNumber));
        return false;
    }
    loading_ = true;
    editor_->setJoinedText(loaded.text.text, loaded.text.ends, loaded.text.encoding.usualEnd);
    loading_ = false;
    encoding_ = loaded.text.encoding;
    // What the text box now holds, made from the text it was given: reading
    // a big file back out of the text box takes long. The box breaks lines
    // only where the text does, or the counts would differ.
    std::vector<TextLine> shown = linesAsGiven(loaded.text);
    if (shown.size() != static_cast<std::size_t>(editor_->lineCount()))
        shown = editor_->lines();
    original_ = {std::move(shown), std::move(loaded.text.lineBytes)};
    filePath_ = path;
    showEncoding();
    showFileInTitle();
    setModified(false);
    return true;
}

void TextEditorWindow::showEncoding()
{
    encodingBox_->setCurrentIndex(encodingBox_->findData(static_cast<int>(encoding_.charset)));
}

void TextEditorWindow::showFileInTitle()
{
    // The state editor's caption names its file and the state at the caret.
    if (description_.slot == EditorSlot::St)
        return;
    const QString name = QFileInfo(filePath_).fileName();
    setWindowTitle(name.isEmpty() ? description_.caption : description_.caption + QStringLiteral(" - ") + name);
}

bool TextEditorWindow::changeEncoding(Charset charset)
{
    if (charset == encoding_.charset)
        return true;
    if (filePath_.isEmpty() || !QFileInfo::exists(filePath_)) {
        // Nothing to read again: the choice is what Save writes.
        encoding_.charset = charset;
        original_ = {};
        showEncoding();
        return true;
    }
    if (modified()) {
        const QString question = QStringLiteral("Reading the file again as %1 drops your unsaved changes.  Go on?")
                                     .arg(QString::fromLatin1(charsetName(charset)));
        if (app_.dialogs.message(this, question, description_.closeTitle, Buttons::YesNo, Icon::Question)
            != Answer::Yes)
            return false;
    }
    return loadFile(filePath_, charset);
}

std::string TextEditorWindow::textBytes() const
{
    return shownBytes(editor_->lines(), encoding_);
}

bool TextEditorWindow::replaceTextBytes(const std::string& bytes)
{
    // Compared as the bytes read back: a line holding a character the
    // encoding cannot write is left as typed unless `bytes` changes it.
    const std::vector<TextLine> before = decodeText(textBytes(), encoding_.charset).lines;
    std::vector<TextLine> after = decodeText(bytes, encoding_.charset).lines;
    const LineChange change = changedLines(before, after, encoding_.usualEnd);
    if (change.empty())
        return false;
    const auto from = after.begin() + static_cast<std::ptrdiff_t>(change.first);
    editor_->replaceLines(static_cast<int>(change.first), static_cast<int>(change.removed),
                          std::vector<TextLine>(from, from + static_cast<std::ptrdiff_t>(change.added)));
    editor_->showLine(static_cast<int>(change.first));
    setModified(true);
    return true;
}

bool TextEditorWindow::writeText(const QString& path)
{
    const std::vector<TextLine> lines = editor_->lines();
    EncodedText encoded = encodeFile(lines, encoding_, original_);
    if (encoded.unwritable) {
        const Unwritable& bad = *encoded.unwritable;
        const QString question =
            QStringLiteral("The character \u201C%1\u201D on line %2 cannot be written in %3.\n\n"
                           "Save the file as UTF-8 instead?  (No writes \u201C?\u201D in its place.)")
                .arg(QString::fromUcs4(&bad.character, 1))
                .arg(bad.line + 1)
                .arg(QString::fromLatin1(charsetName(encoding_.charset)));
        switch (app_.dialogs.message(this, question, description_.closeTitle, Buttons::YesNoCancel, Icon::Warning)) {
        case Answer::Yes:
            // Every line is written anew: the bytes read were in the other encoding.
            encoding_.charset = Charset::Utf8;
            original_ = {};
            encoded = encodeFile(lines, encoding_, original_);
            showEncoding();
            break;
        case Answer::No: break;
        default: return false;
        }
    }
    app_.dialogs.setBusy(true);
    const WriteResult written = saveTextBytes(sstr(path), encoded.bytes);
    app_.dialogs.setBusy(false);
    if (!written) {
        app_.dialogs.message(this, qstr(written.error), QStringLiteral("Vantrel"), Buttons::Ok, Icon::Warning);
        return false;
    }
    // The next save keeps the bytes just written for the lines left alone.
    std::vector<std::string> lineBytes = decodeText(encoded.bytes, encoding_.charset).lineBytes;
    lineBytes.resize(lines.size()); // without the line after a final CR LF that Save added
    original_ = {lines, std::move(lineBytes)};
    return true;
}

bool TextEditorWindow::save()
{
    if (!writeText(filePath_))
        return false;
    setModified(false);
    return true;
}

bool TextEditorWindow::saveAs()
{
    return false;
}

void TextEditorWindow::revert()
{
    loadFile(sourcePath());
}

bool TextEditorWindow::confirmDiscard()
{
    // A failed save keeps the window, so that the text is not lost.
    const QString question = QStringLiteral("You have unsaved changes.  Save them first?");
    const auto saveFirst = [this] { return save(); };
    return !modified() || askToSaveChanges(app_.dialogs, this, question, description_.closeTitle, saveFirst);
}

bool TextEditorWindow::followCharacter()
{
    const QString path = sourcePath();
    return !path.isEmpty() && loadFile(path);
}

} // namespace vantrel
