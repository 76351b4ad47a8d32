// The sound window's group and sample number boxes and its comment box.

#include "sound_window.h"
#include "ui/app.h"

#include "common/encoding.h"
#include "sound/sound_commands.h"
#include "ui/number_keys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace vantrel {

namespace {

// A box for a group or sample number: focus selects the first five
// characters, and leaving it hands the text to the editor.
class NumberBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> left;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        setSelection(0, 5);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        // Opening a menu is not leaving the box.
        if (event->reason() != Qt::PopupFocusReason && left)
            left();
    }
};

// Comments are bytes on disk; the box shows them as UTF-8 when they are,
// else one byte per character. Lines end with CR LF on disk and LF in the box.
QString commentForBox(const std::string& bytes, bool& singleBytes)
{
    const std::optional<std::u16string> utf8 = decodeUtf8(bytes);
    singleBytes = !utf8;
    QString text = fromUtf16(utf8 ? *utf8 : decodeSingleBytes(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The box's text as comment bytes: one byte per character when the comment
// was read so and every character still fits, else UTF-8.
std::string commentBytes(QString text, bool singleBytes)
{
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const bool fits =
        singleBytes && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    std::string bytes;
    appendEncoded(bytes, utf16View(text), !fits);
    return bytes;
}

bool fitsField(const QString& text, bool singleBytes)
{
    return commentBytes(text, singleBytes).size() <= kSndCommentSize;
}

// `k` moved back by one when it would split a surrogate pair of `text`.
qsizetype wholeCharacters(const QString& text, qsizetype k)
{
    return k > 0 && k < text.size() && text.at(k - 1).isHighSurrogate() ? k - 1 : k;
}

// The span of `after` that an edit of `before` replaced: the part between
// what the two texts share at the start and at the end, in whole characters.
struct Insertion {
    qsizetype start = 0;
    qsizetype length = 0;
};
Insertion insertionOf(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (head > 0 && after.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && after.at(after.size() - tail).isLowSurrogate())
        --tail;
    return {head, after.size() - head - tail};
}

// The characters of `text` to drop so that the rest fits the field: the end
// of what was just typed or pasted (so the text around it stays), and only
// when dropping all of that is not enough, the end of the whole text. Every
// character takes a byte at least, which bounds the search.
struct Cut {
    qsizetype start = 0;
    qsizetype length = 0;
};
Cut excessOf(const QString& text, const Insertion& typed, bool singleBytes)
{
    if (fitsField(text, singleBytes))
        return {};
    const auto limit = static_cast<qsizetype>(kSndCommentSize);
    const QString head = text.first(typed.start);
    const QString tail = text.sliced(typed.start + typed.length);
    if (fitsField(head + tail, singleBytes)) {
        const QString inserted = text.sliced(typed.start, typed.length);
        qsizetype keep = wholeCharacters(inserted, std::min(inserted.size(), limit));
        while (keep > 0 && !fitsField(head + inserted.first(keep) + tail, singleBytes))
            keep = wholeCharacters(inserted, keep - 1);
        return {typed.start + keep, typed.length - keep};
    }
    qsizetype keep = wholeCharacters(text, std::min(text.size(), limit));
    while (keep > 0 && !fitsField(text.first(keep), singleBytes))
        keep = wholeCharacters(text, keep - 1);
    return {keep, text.size() - keep};
}

} // namespace

QLineEdit* SoundWindow::createNumberBox(QWidget* parent, const char* name, void (SoundWindow::*take)())
{
    auto* box = new NumberBox(QStringLiteral("0"), parent);
    box->setObjectName(QLatin1String(name));
    box->left = [this, box, take] {
        // Moving on within this window takes the number, changed or not.
        // Going to another window takes only what the user typed: looking
        // elsewhere is no edit of the bank.
        if (box->isModified() || isAncestorOf(QApplication::focusWidget()))
            (this->*take)();
    };
    acceptDigitsOnly(box);
    return box;
}

SoundWindow::~SoundWindow()
{
    // The boxes may lose focus while the window is torn down.
    static_cast<NumberBox*>(groupEdit_)->left = nullptr;
    static_cast<NumberBox*>(sampleEdit_)->left = nullptr;
    if (document_)
        document_->disconnect(this);
}

bool SoundWindow::takeNumber(NumberField field, QLineEdit* box)
{
    if (!sampleScrollBar_->isEnabled() || !document_)
        return true;
    const SoundSample* sample = editor().currentSample();
    const auto valueOf = [field](const SoundSample& s) {
        return field == NumberField::Group ? s.groupNumber : s.sampleNumber;
    };
    const Result<SoundEditor::TypedNumber> typed = editor().validateNumber(sstr(box->text()));
    if (typed && sample && typed->value && *typed->value != valueOf(*sample))
        document_->push(new SampleNumberCommand(*document_, editor().current(), field, *typed->value));
    // Refused text gives way to the number the sample has.
    const SampleTexts shown = editor().sampleTexts(editor().current());
    box->setText(qstr(typed ? typed->boxText : field == NumberField::Group ? shown.group : shown.sample));
    box->setModified(false);
    updateStatus();
    if (!typed)
        showMessage({typed.error(), sound_messages::kWarning});
    return typed.ok();
}

bool SoundWindow::takeTypedNumbers()
{
    bool taken = true;
    if (groupEdit_->isModified())
        taken = takeNumber(NumberField::Group, groupEdit_) && taken;
    if (sampleEdit_->isModified())
        taken = takeNumber(NumberField::Sample, sampleEdit_) && taken;
    return taken;
}

void SoundWindow::takeGroupNumber()
{
    takeNumber(NumberField::Group, groupEdit_);
}

void SoundWindow::takeSampleNumber()
{
    takeNumber(NumberField::Sample, sampleEdit_);
}

void SoundWindow::showComment()
{
    // A step the box itself made leaves the box as the user typed it.
    if (takingComment_)
        return;
    showingComment_ = true;
    commentEdit_->setPlainText(commentForBox(editor().commentText(), commentSingleBytes_));
    showingComment_ = false;
    shownComment_ = commentEdit_->toPlainText();
    shownCommentBytes_ = editor().bank().comment;
    lastComment_ = shownComment_;
}

void SoundWindow::takeComment()
{
    if (showingComment_ || !document_)
        return;
    // The box holds what fits the field on disk, counted in the bytes
    // written there; the rest of an edit that does not fit is dropped at
    // once, in sight.
    const Cut cut = excessOf(commentEdit_->toPlainText(), insertionOf(lastComment_, commentEdit_->toPlainText()),
                             commentSingleBytes_);
    if (cut.length > 0) {
        QTextCursor cursor(commentEdit_->document());
        cursor.setPosition(static_cast<int>(cut.start));
        cursor.setPosition(static_cast<int>(cut.start + cut.length), QTextCursor::KeepAnchor);
        showingComment_ = true;
        cursor.removeSelectedText();
        showingComment_ = false;
        commentEdit_->setTextCursor(cursor);
    }
    lastComment_ = commentEdit_->toPlainText();
    // Back to the text as shown: the bytes as they were, whatever the box
    // made of their line ends, zero bytes and padding.
    SoundBank edited;
    edited.setComment(lastComment_ == shownComment_ ? shownCommentBytes_
                                                    : commentBytes(lastComment_, commentSingleBytes_));
    if (edited.comment == editor().bank().comment)
        return;
    // The box already shows the edit: the step leaves it as it is.
    const QScopedValueRollback taking(takingComment_, true);
    document_->push(new CommentCommand(*document_, std::move(edited.comment)));
    updateStatus();
}

} // namespace vantrel
