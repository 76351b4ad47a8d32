#include "completion_popup.h"

#include "common/text.h"
#include "text/editor_text_box.h"
#include "text/outline.h"
#include "text/state_extras.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QTextBlock>
#include <QTextBrowser>

#include <algorithm>

namespace vantrel {

namespace {

// How far the block around the caret is looked for, up and down: a state
// controller is a few dozen lines at most.
constexpr int kBlockSearchLines = 500;

bool isHeaderBlock(const QTextBlock& block)
{
    return block.text().trimmed().startsWith(QLatin1Char('['));
}

// Whether a character after the caret still belongs to the word completed:
// a command's name runs to its closing quote, a key may hold dots.
bool continuesWord(QChar c, CompletionKind kind)
{
    if (kind == CompletionKind::CommandName)
        return c != QLatin1Char('"');
    const bool dotted = kind == CompletionKind::Parameter || kind == CompletionKind::CommandKey;
    return c.isLetterOrNumber() || c == QLatin1Char('_') || (dotted && c == QLatin1Char('.'));
}

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

CompletionPopup::CompletionPopup(EditorTextBox* editor, QString helpFile, std::function<CharacterEngine()> engine)
        : QFrame(editor->viewport()), editor_(editor), helpFile_(std::move(helpFile)), engine_(std::move(engine)),
          list_(new QListWidget(this)), help_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("completionPopup"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    list_->setObjectName(QStringLiteral("completionList"));
    help_->setObjectName(QStringLiteral("completionHelp"));
    // The caret stays in the text: keys reach the list through the text box.
    list_->setFocusPolicy(Qt::NoFocus);
    help_->setFocusPolicy(Qt::NoFocus);
    help_->setOpenLinks(false);
    list_->setFixedWidth(190);
    help_->setFixedWidth(360);
    layout->addWidget(list_);
    layout->addWidget(help_);
    setFixedHeight(220);
    hide();

    editor_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, &CompletionPopup::showChosenHelp);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CompletionPopup::insertChosen);
    connect(list_, &QListWidget::itemClicked, this, [this] { asked_ = true; });
    connect(editor_, &EditorTextBox::textEdited, this, &CompletionPopup::textEdited);
    connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, &CompletionPopup::caretMoved);
}

CompletionContext CompletionPopup::contextAtCaret() const
{
    const QTextCursor cursor = editor_->textCursor();
    const QTextBlock caretBlock = cursor.block();
    QTextBlock first = caretBlock;
    for (int n = 0; n < kBlockSearchLines && !isHeaderBlock(first) && first.previous().isValid(); ++n)
        first = first.previous();
    std::vector<std::string> texts;
    std::size_t caretLine = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block == caretBlock)
            caretLine = texts.size();
        else if (block.blockNumber() > caretBlock.blockNumber()
                 && (isHeaderBlock(block) || block.blockNumber() - caretBlock.blockNumber() > kBlockSearchLines))
            break;
        texts.push_back(block.text().toStdString());
    }
    const std::vector<std::string_view> lines(texts.begin(), texts.end());
    const std::size_t column = caretBlock.text().left(cursor.positionInBlock()).toStdString().size();
    CompletionContext context =
        script_ ? scriptCompletionContext(lines, caretLine, column) : completionContext(lines, caretLine, column);
    context.engine = engine_();
    if (context.kind == CompletionKind::CommandName) {
        const std::vector<std::string> all = editor_->utf8Lines();
        const std::vector<std::string_view> fileLines(all.begin(), all.end());
        for (OutlineEntry& entry : outlineOf(OutlineKind::Commands, fileLines)) {
            if (entry.label != "[Command]")
                context.commands.push_back(std::move(entry.label));
        }
    }
    return context;
}

void CompletionPopup::open()
{
    asked_ = true;
    refresh();
}

void CompletionPopup::refresh()
{
    const QString chosen = list_->currentItem() && isVisible() ? list_->currentItem()->text() : QString();
    const CompletionContext context = contextAtCaret();
    // A list that opened by itself goes when its word ends.
    items_ =
        context.prefix.empty() && !asked_ && isVisible() ? std::vector<CompletionItem>{} : completionItems(context);
    if (items_.empty()) {
        hide();
        return;
    }
    list_->clear();
    // The item the word names in full comes first, then the one chosen before.
    const QString word = QString::fromStdString(context.prefix);
    int row = -1;
    int typed = -1;
    for (const CompletionItem& item : items_) {
        const QString text = QString::fromStdString(item.text);
        auto* entry = new QListWidgetItem(text, list_);
        entry->setToolTip(QString::fromStdString(item.detail));
        if (text == chosen)
            row = list_->count() - 1;
        if (typed < 0 && text.compare(word, Qt::CaseInsensitive) == 0)
            typed = list_->count() - 1;
    }
    row = typed >= 0 ? typed : std::max(row, 0);
    list_->setCurrentRow(row);
    placeAtCaret();
    show();
    raise();
    showChosenHelp();
}

void CompletionPopup::placeAtCaret()
{
    const QRect caret = editor_->cursorRect();
    const QSize area = editor_->viewport()->size();
    const QSize size = sizeHint().expandedTo(QSize(list_->width() + help_->width() + 4, height()));
    int x = std::clamp(caret.left(), 0, std::max(0, area.width() - size.width()));
    int y = caret.bottom() + 2;
    if (y + size.height() > area.height() && caret.top() - size.height() - 2 >= 0)
        y = caret.top() - size.height() - 2;
    setGeometry(x, y, size.width(), size.height());
}

void CompletionPopup::showChosenHelp()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(items_.size()))
        return;
    const CompletionItem& item = items_[static_cast<std::size_t>(row)];
    if (!helpRead_) {
        helpHtml_ = readFileBytes(helpFile_.toStdString()).value_or(std::string());
        helpRead_ = true;
    }
    QString page;
    if (!item.detail.empty())
        page = QStringLiteral("<p><b>%1</b>: %2</p>").arg(escaped(item.text), escaped(item.detail));
    page += QString::fromStdString(helpTopic(helpHtml_, item.helpTopic));
    help_->setHtml(page);
}

void CompletionPopup::insertChosen()
{
    const int row = list_->currentRow();
    if (!isVisible() || row < 0 || row >= static_cast<int>(items_.size()))
        return;
    const CompletionContext context = contextAtCaret();
    QTextCursor cursor = editor_->textCursor();
    cursor.clearSelection();
    // The whole word goes, the part after the caret too: a name chosen in the
    // middle of another leaves nothing of the old one behind.
    const QString line = cursor.block().text();
    int end = cursor.positionInBlock();
    while (end < line.size() && continuesWord(line[end], context.kind))
        ++end;
    cursor.setPosition(cursor.block().position() + end);
    const int prefixLength = static_cast<int>(QString::fromStdString(context.prefix).size());
    const int start = cursor.block().position() + std::max(0, editor_->textCursor().positionInBlock() - prefixLength);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    inserting_ = true;
    cursor.insertText(QString::fromStdString(items_[static_cast<std::size_t>(row)].insert));
    editor_->setTextCursor(cursor);
    inserting_ = false;
    hide();
}

bool CompletionPopup::acceptWithEnter()
{
    const int row = list_->currentRow();
    const bool typedInFull = row >= 0 && row < static_cast<int>(items_.size())
        && QString::fromStdString(contextAtCaret().prefix)
                .compare(QString::fromStdString(items_[static_cast<std::size_t>(row)].text), Qt::CaseInsensitive)
            == 0;
    if (asked_ && !typedInFull) {
        insertChosen();
        return true;
    }
    hide();
    return false;
}

void CompletionPopup::textEdited()
{
    const bool letter = letterTyped_;
    letterTyped_ = false;
    if (inserting_)
        return;
    // Open, the list follows the text; closed, a letter where a name starts opens it.
    if (isVisible()) {
        refresh();
    } else if (letter && contextAtCaret().opensOnTyping) {
        asked_ = false;
        refresh();
    }
}

void CompletionPopup::caretMoved()
{
    if (isVisible() && !inserting_)
        refresh();
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_)
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier)) {
        open();
        return true;
    }
    if (isVisible()) {
        const int rows = list_->count();
        const int page = std::max(1, list_->viewport()->height() / std::max(1, list_->sizeHintForRow(0)));
        int row = list_->currentRow();
        switch (key->key()) {
        case Qt::Key_Up: row = std::max(0, row - 1); break;
        case Qt::Key_Down: row = std::min(rows - 1, row + 1); break;
        case Qt::Key_PageUp: row = std::max(0, row - page); break;
        case Qt::Key_PageDown: row = std::min(rows - 1, row + page); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (key->modifiers() & ~Qt::KeypadModifier) {
                hide();
                return false;
            }
            return acceptWithEnter();
        case Qt::Key_Tab: insertChosen(); return true;
        case Qt::Key_Escape: hide(); return true;
        default: row = -1; break;
        }
        if (row >= 0) {
            list_->setCurrentRow(row);
            asked_ = true;
            return true;
        }
    }
    const QString text = key->text();
    letterTyped_ = text.size() == 1 && text.front().isLetter()
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return false;
}

} // namespace vantrel
