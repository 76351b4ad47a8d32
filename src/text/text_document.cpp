#include "text/text_document.h"

#include "common/qt_text.h"
#include "common/text.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace vantrel {

namespace {

// The line end that came before a block in the file, kept on the block so
// that it moves with the text when lines are inserted or joined.
struct LineEndBefore final : QTextBlockUserData {
    explicit LineEndBefore(LineEnd e) : end(e) { }
    LineEnd end;
};

LineEnd endBefore(const QTextBlock& block)
{
    const auto* before = static_cast<const LineEndBefore*>(block.userData());
    return before ? before->end : LineEnd::None;
}

// Qt makes a block and its fragments for every line it is given, which takes
// about two microseconds a line: a text of more lines than this shows its
// first kFirstLines at once and gets the rest in steps of kLinesAStep, each
// step's lines added until kStepMs has passed, between the events of the
// program.
constexpr qsizetype kLinesAtOnce = 20'000;
constexpr qsizetype kFirstLines = 1'000;
constexpr qsizetype kLinesAStep = 2'000;
constexpr int kStepMs = 12;

// Where the `count`th line from `from` on ends (at its line feed), or the end of the text.
qsizetype endOfLines(const QString& text, qsizetype from, qsizetype count)
{
    for (qsizetype at = from; count > 0; --count) {
        at = text.indexOf(QLatin1Char('\n'), at);
        if (at < 0)
            return text.size();
        if (count == 1)
            return at;
        ++at;
    }
    return from;
}

// Whether Qt breaks the text into blocks at line feeds alone: it also breaks
// at a carriage return, a paragraph separator and its frame marks.
bool breaksOnlyAtLineFeeds(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c.unicode() == 0xfdd0
            || c.unicode() == 0xfdd1;
    });
}

// What the document reports of a whole file just shown with setJoinedText():
// the usual line end is not kept apart, and so reads as None.
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

// --- the steps -----------------------------------------------------------------

// One step of the QTextDocument's own history: typing, a paste, a drop, a
// deletion. The text changed before the step was made, so its first redo
// does nothing.
class TypedTextStep final : public QUndoCommand {
public:
    explicit TypedTextStep(TextDocument* document) : document_(document)
    {
        setText(QCoreApplication::translate("TextDocument", "Typing"));
    }
    void undo() override { step(false); }
    void redo() override
    {
        if (!std::exchange(first_, false))
            step(true);
    }

private:
    void step(bool forward)
    {
        QTextCursor at(document_->text_);
        ++document_->applying_;
        if (forward)
            document_->text_->redo(&at);
        else
            document_->text_->undo(&at);
        --document_->applying_;
        emit document_->stepShown(at.position());
    }

    TextDocument* document_;
    bool first_ = true;
};

// An edit the program makes: its first redo makes it, the later ones take the
// text steps it made again; the line ends and what the file's bytes say come
// back with either direction.
class TextStep final : public QUndoCommand {
public:
    TextStep(TextDocument* document, const QString& text, std::function<void()> edit,
             std::optional<TextDocument::FileState> after)
            : document_(document), edit_(std::move(edit)), after_(std::move(after))
    {
        setText(text);
    }

    void redo() override
    {
        QTextDocument* text = document_->text_;
        ++document_->applying_;
        if (!std::exchange(done_, true)) {
            before_ = document_->fileState();
            endsBefore_ = unusualEnds();
            document_->stepsAdded_ = 0;
            if (edit_)
                std::exchange(edit_, nullptr)();
            textSteps_ = document_->stepsAdded_;
            endsAfter_ = unusualEnds();
        } else {
            QTextCursor at(text);
            for (int n = 0; n < textSteps_; ++n)
                text->redo(&at);
            setUnusualEnds(endsAfter_);
        }
        --document_->applying_;
        if (after_)
            document_->setFileState(*after_);
    }

    void undo() override
    {
        QTextDocument* text = document_->text_;
        ++document_->applying_;
        QTextCursor at(text);
        for (int n = 0; n < textSteps_; ++n)
            text->undo(&at);
        setUnusualEnds(endsBefore_);
        --document_->applying_;
        if (after_)
            document_->setFileState(before_);
        if (textSteps_ > 0)
            emit document_->stepShown(at.position());
    }

private:
    using Ends = TextDocument::LineEnds;
    // Qt's own history does not keep what is stored on its lines.
    Ends unusualEnds() const { return document_->unusualEnds(); }
    void setUnusualEnds(const Ends& ends) const { document_->setUnusualEnds(ends); }

    TextDocument* document_;
    std::function<void()> edit_;
    std::optional<TextDocument::FileState> after_;
    TextDocument::FileState before_;
    Ends endsBefore_, endsAfter_;
    int textSteps_ = 0;
    bool done_ = false;
};

// --- the document --------------------------------------------------------------

// The part of a big text not in the document yet; `next` is the line feed before its first line.
struct TextDocument::PendingText {
    QString text;
    qsizetype next = 0;
    std::vector<LineEnd> ends; // one fewer than the lines of the whole text
    LineEnd usualEnd = LineEnd::None;
};

TextDocument::TextDocument(DocumentKind kind, QString fileName, QObject* parent)
        : Document(kind, std::move(fileName), parent), text_(new QTextDocument(this))
{
    connect(text_, &QTextDocument::undoCommandAdded, this, [this] {
        if (applying_ > 0)
            ++stepsAdded_;
        else
            push(new TypedTextStep(this));
    });
    // Colouring a line also reports a change of the document; only changes
    // of characters count.
    connect(text_, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if ((removed != 0 || added != 0) && !adding_)
            notifyChanged();
    });
    // Typing after a save is a step of its own: Qt joins typing to its last
    // step only while its document counts as modified.
    connect(undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            text_->setModified(false);
    });
    loadTimer_ = new QTimer(this);
    loadTimer_->setInterval(0);
    connect(loadTimer_, &QTimer::timeout, this, [this] { addPendingLines(kStepMs); });
}

TextDocument::~TextDocument() = default;

std::unique_ptr<TextDocument> makeTextDocument(DocumentKind kind, const QString& path)
{
    return std::make_unique<TextDocument>(kind, path);
}

TextDocument::LineEnds TextDocument::unusualEnds() const
{
    LineEnds ends;
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next()) {
        if (block.userData())
            ends.emplace_back(block.blockNumber(), endBefore(block));
    }
    return ends;
}

void TextDocument::setUnusualEnds(const LineEnds& ends)
{
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next()) {
        if (block.userData())
            block.setUserData(nullptr);
    }
    for (const auto& [line, end] : ends) {
        QTextBlock block = text_->findBlockByNumber(line);
        if (block.isValid())
            block.setUserData(new LineEndBefore(end));
    }
}

void TextDocument::setDocumentLayout(QAbstractTextDocumentLayout* layout)
{
    // Qt drops what is stored on the lines when the layout changes.
    const LineEnds ends = unusualEnds();
    text_->setDocumentLayout(layout);
    setUnusualEnds(ends);
}

// --- reading -------------------------------------------------------------------

void TextDocument::stopLoading()
{
    if (!pending_)
        return;
    loadTimer_->stop();
    pending_.reset();
    text_->setUndoRedoEnabled(true);
}

void TextDocument::setJoinedText(std::u16string_view joined, const std::vector<LineEnd>& ends, LineEnd usualEnd)
{
    stopLoading();
    QString shown = fromUtf16(joined);
    undoStack()->clear();
    if (ends.size() >= static_cast<std::size_t>(kLinesAtOnce) && breaksOnlyAtLineFeeds(shown)) {
        const qsizetype firstEnd = endOfLines(shown, 0, kFirstLines);
        text_->setPlainText(shown.left(firstEnd));
        // Nothing of the load is undone; the history starts when it ends.
        text_->setUndoRedoEnabled(false);
        pending_ = std::make_unique<PendingText>(PendingText{std::move(shown), firstEnd, ends, usualEnd});
        loadTimer_->start();
        return;
    }
    text_->setPlainText(shown);
    keepLineEnds(ends, usualEnd);
}

void TextDocument::keepLineEnds(const std::vector<LineEnd>& ends, LineEnd usualEnd)
{
    // Most files use one kind of line end: only the others are kept on their lines.
    if (std::ranges::all_of(ends, [usualEnd](LineEnd e) { return e == usualEnd; }))
        return;
    QTextBlock block = text_->begin().next();
    for (std::size_t i = 0; i < ends.size() && block.isValid(); ++i, block = block.next()) {
        if (ends[i] != usualEnd)
            block.setUserData(new LineEndBefore(ends[i]));
    }
}

void TextDocument::addPendingLines(int budgetMs)
{
    if (!pending_)
        return;
    PendingText& pending = *pending_;
    QElapsedTimer clock;
    clock.start();
    QTextCursor end(text_);
    end.movePosition(QTextCursor::End);
    adding_ = true;
    while (pending.next < pending.text.size() && (budgetMs < 0 || clock.elapsed() < budgetMs)) {
        // Each step starts with the line feed that ends the lines before it.
        const qsizetype stop = endOfLines(pending.text, pending.next + 1, kLinesAStep);
        end.insertText(pending.text.mid(pending.next, stop - pending.next));
        pending.next = stop;
    }
    adding_ = false;
    if (pending.next < pending.text.size())
        return;

    loadTimer_->stop();
    const std::unique_ptr<PendingText> done = std::move(pending_);
    text_->setUndoRedoEnabled(true);
    text_->setModified(false);
    keepLineEnds(done->ends, done->usualEnd);
    emit loaded();
}

void TextDocument::finishLoading()
{
    addPendingLines(-1);
}

Result<void> TextDocument::readBytes(std::string bytes)
{
    JoinedText decoded = decodeJoined(bytes);
    setJoinedText(decoded.text, decoded.ends, decoded.encoding.usualEnd);
    encoding_ = decoded.encoding;
    // What the document now holds, made from the text it was given: reading
    // a big file back out of the document takes long. Qt breaks lines only
    // where the text does, or the counts would differ.
    std::vector<TextLine> shown = linesAsGiven(decoded);
    if (shown.size() != static_cast<std::size_t>(lineCount()))
        shown = lines();
    original_ = {std::move(shown), std::move(decoded.lineBytes)};
    return {};
}

void TextDocument::setLines(const std::vector<TextLine>& lines)
{
    std::u16string joined;
    std::vector<LineEnd> ends;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += u'\n';
            ends.push_back(lines[i - 1].end);
        }
        joined += lines[i].text;
    }
    setJoinedText(joined, ends, LineEnd::None);
    undoStack()->setClean();
}

void TextDocument::setPlainText(const QString& text)
{
    stopLoading();
    undoStack()->clear();
    text_->setPlainText(text);
    undoStack()->setClean();
}

QUndoCommand* TextDocument::makeLinesStep(const QString& text, std::vector<TextLine> lines, LineEnd usualEnd,
                                          std::optional<FileState> after)
{
    const LineChange change = changedLines(this->lines(), lines, usualEnd);
    return new TextStep(
        this, text,
        [this, change, lines = std::move(lines)] {
            const auto from = lines.begin() + static_cast<std::ptrdiff_t>(change.first);
            editLines(static_cast<int>(change.first), static_cast<int>(change.removed),
                      std::vector<TextLine>(from, from + static_cast<std::ptrdiff_t>(change.added)));
        },
        std::move(after));
}

QUndoCommand* TextDocument::makeReplaceStep(std::string bytes, const QString& text, Failure&)
{
    JoinedText decoded = decodeJoined(bytes);
    std::vector<TextLine> lines = linesAsGiven(decoded);
    FileState after{decoded.encoding, {lines, std::move(decoded.lineBytes)}};
    const LineEnd usualEnd = after.encoding.usualEnd;
    return makeLinesStep(text, std::move(lines), usualEnd, std::move(after));
}

Result<void> TextDocument::changeEncoding(Charset charset)
{
    if (charset == encoding_.charset)
        return {};
    if (fileName().isEmpty() || !QFile::exists(fileName())) {
        // Nothing to read again: the choice is what a save writes.
        FileState after = fileState();
        after.encoding.charset = charset;
        after.original = {};
        pushTextStep(tr("Encoding %1").arg(QString::fromLatin1(charsetName(charset))), nullptr, std::move(after));
        return {};
    }
    Result<std::string> bytes = [this]() -> Result<std::string> {
        std::string read;
        if (!readFileInto(QFile::encodeName(fileName()).toStdString(), read))
            return Result<std::string>::failure(tr("Can't open file: %1").arg(fileName()).toStdString());
        return read;
    }();
    if (!bytes)
        return bytes.failure();
    JoinedText decoded = decodeJoined(*bytes, charset);
    std::vector<TextLine> lines = linesAsGiven(decoded);
    FileState after{decoded.encoding, {lines, std::move(decoded.lineBytes)}};
    const LineEnd usualEnd = after.encoding.usualEnd;
    push(makeLinesStep(tr("Encoding %1").arg(QString::fromLatin1(charsetName(charset))), std::move(lines), usualEnd,
                       std::move(after)));
    // The file's own bytes, shown another way: the document holds the file.
    undoStack()->setClean();
    noteDisk();
    return {};
}

// --- the text ------------------------------------------------------------------

std::vector<TextLine> TextDocument::lines() const
{
    const_cast<TextDocument*>(this)->finishLoading();
    std::vector<TextLine> result;
    result.reserve(static_cast<std::size_t>(text_->blockCount()));
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next()) {
        if (!result.empty())
            result.back().end = endBefore(block);
        result.push_back({toUtf16(block.text()), LineEnd::None});
    }
    if (result.empty())
        result.push_back({});
    return result;
}

int TextDocument::lineCount() const
{
    return pending_ ? static_cast<int>(pending_->ends.size()) + 1 : text_->blockCount();
}

std::string TextDocument::bytes() const
{
    return shownBytes(lines(), encoding_);
}

std::u16string TextDocument::text() const
{
    return joinedWithCrLf(lines());
}

void TextDocument::editLines(int first, int count, const std::vector<TextLine>& lines)
{
    finishLoading();
    const int blocks = text_->blockCount();
    first = std::clamp(first, 0, blocks);
    count = std::clamp(count, 0, blocks - first);
    QString joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += QLatin1Char('\n');
        joined += fromUtf16(lines[i].text);
    }
    const auto endOfBlock = [](const QTextBlock& b) { return b.position() + b.length() - 1; };
    // Splitting and joining blocks may move the break data to another block.
    const LineEnd firstEndBefore = first < blocks ? endBefore(text_->findBlockByNumber(first)) : LineEnd::None;

    QTextCursor cursor(text_);
    cursor.beginEditBlock();
    if (count > 0 && !lines.empty()) {
        cursor.setPosition(text_->findBlockByNumber(first).position());
        cursor.setPosition(endOfBlock(text_->findBlockByNumber(first + count - 1)), QTextCursor::KeepAnchor);
        cursor.insertText(joined);
    } else if (!lines.empty()) {
        // New lines only: before line `first`, or after the last line.
        if (first < blocks) {
            cursor.setPosition(text_->findBlockByNumber(first).position());
            cursor.insertText(joined + QLatin1Char('\n'));
        } else {
            cursor.setPosition(endOfBlock(text_->lastBlock()));
            cursor.insertText(QLatin1Char('\n') + joined);
        }
    } else if (count > 0) {
        // Lines removed with the break after them, or before them at the end.
        if (first + count < blocks) {
            cursor.setPosition(text_->findBlockByNumber(first).position());
            cursor.setPosition(text_->findBlockByNumber(first + count).position(), QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(first > 0 ? endOfBlock(text_->findBlockByNumber(first - 1)) : 0);
            cursor.setPosition(endOfBlock(text_->lastBlock()), QTextCursor::KeepAnchor);
        }
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();

    // The breaks between and after the new lines are the ones they came with.
    if (first > 0 && first < text_->blockCount())
        text_->findBlockByNumber(first).setUserData(
            firstEndBefore == LineEnd::None ? nullptr : new LineEndBefore(firstEndBefore));
    QTextBlock block = text_->findBlockByNumber(first + 1);
    for (std::size_t i = 0; i < lines.size() && block.isValid(); ++i, block = block.next())
        block.setUserData(lines[i].end == LineEnd::None ? nullptr : new LineEndBefore(lines[i].end));
}

void TextDocument::pushTextStep(const QString& text, std::function<void()> edit, std::optional<FileState> after)
{
    push(new TextStep(this, text, std::move(edit), std::move(after)));
}

void TextDocument::replaceLines(int first, int count, const std::vector<TextLine>& lines, const QString& stepText)
{
    pushTextStep(
        stepText, [this, first, count, lines] { editLines(first, count, lines); }, std::nullopt);
}

std::optional<int> TextDocument::replaceBytes(const std::string& bytes, const QString& stepText)
{
    // Compared as the bytes read back: a line holding a character the
    // encoding cannot write is left as typed unless `bytes` changes it.
    const std::vector<TextLine> before = decodeText(this->bytes(), encoding_.charset).lines;
    std::vector<TextLine> after = decodeText(bytes, encoding_.charset).lines;
    const LineChange change = changedLines(before, after, encoding_.usualEnd);
    if (change.empty())
        return std::nullopt;
    const auto from = after.begin() + static_cast<std::ptrdiff_t>(change.first);
    replaceLines(static_cast<int>(change.first), static_cast<int>(change.removed),
                 std::vector<TextLine>(from, from + static_cast<std::ptrdiff_t>(change.added)), stepText);
    return static_cast<int>(change.first);
}

void TextDocument::focusLine(int line, QObject* source)
{
    emit lineFocused(line, source);
}

// --- writing -------------------------------------------------------------------

std::optional<Unwritable> TextDocument::unwritableCharacter() const
{
    return encodeFile(lines(), encoding_, original_).unwritable;
}

std::optional<std::string> TextDocument::saveQuestion() const
{
    const std::optional<Unwritable> bad = unwritableCharacter();
    if (!bad)
        return std::nullopt;
    const QString question = tr("The character “%1” on line %2 cannot be written in %3.\n\n"
                                "Save the file as UTF-8 instead?  (No writes “?” in its place.)")
                                 .arg(QString::fromUcs4(&bad->character, 1))
                                 .arg(bad->line + 1)
                                 .arg(QString::fromLatin1(charsetName(encoding_.charset)));
    return question.toStdString();
}

void TextDocument::answerSaveQuestion(bool yes)
{
    if (yes)
        saveAsUtf8();
}

void TextDocument::saveAsUtf8()
{
    // Every line is written anew: the bytes read were in the other encoding.
    encoding_.charset = Charset::Utf8;
    original_ = {};
}

Result<void> TextDocument::writeTo(const QString& target)
{
    written_ = encodeFile(lines(), encoding_, original_).bytes;
    Result<void> saved = saveTextBytes(QFile::encodeName(target).toStdString(), written_);
    if (!saved)
        written_.clear();
    return saved;
}

void TextDocument::markSaved()
{
    if (written_.empty())
        return; // read again, not written: the step put the file's lines in place
    // The next save keeps the bytes just written for the lines left alone.
    std::vector<TextLine> shown = lines();
    std::vector<std::string> lineBytes = decodeText(written_, encoding_.charset).lineBytes;
    lineBytes.resize(shown.size()); // without the line after a final CR LF that the save added
    original_ = {std::move(shown), std::move(lineBytes)};
    written_.clear();
}

std::string TextDocument::recoveryBytes() const
{
    // The text itself, as UTF-8: whatever the file's encoding, nothing typed is lost.
    return shownBytes(lines(), {Charset::Utf8, false, encoding_.usualEnd});
}

Result<void> TextDocument::restoreRecovery(const std::string& bytes)
{
    // The text comes back; the file's encoding and bytes stay what a save writes against.
    push(makeLinesStep(tr("Recovered Changes"), decodeText(bytes, Charset::Utf8).lines, encoding_.usualEnd,
                       std::nullopt));
    if (undoStack()->isClean())
        undoStack()->resetClean();
    return {};
}

} // namespace vantrel
