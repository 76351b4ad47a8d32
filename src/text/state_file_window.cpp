#include "state_file_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/syntax_highlighter.h"
#include "text/text_document.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QListWidget>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kStateFileButtons = 6;

QList<ToolButton> stateToolbar()
{
    QList<ToolButton> buttons =
        commandStyleToolbar(QT_TRANSLATE_NOOP("TextEditorWindow", "Saves the current .ST file"));
    buttons.back().toolTip = QT_TRANSLATE_NOOP("TextEditorWindow", "Get help on programming States");
    // After Revert: a button for each state file of the .def, and the common states.
    for (int n = 1; n <= kStateFileButtons; ++n)
        buttons.insert(
            1 + n,
            {stateFileTool(n), QStringLiteral("st%1").arg(n),
             QCoreApplication::translate("TextEditorWindow", "Open State file %1 from the .DEF file").arg(n)});
    buttons.insert(2 + kStateFileButtons, {TextTool::CommonStates, QStringLiteral("stc"), {}});
    return buttons;
}

} // namespace

StateFileWindow::StateFileWindow(App& app, QWidget* parent)
        : TextEditorWindow(
            app,
            {QT_TRANSLATE_NOOP("TextEditorWindow", "States (ST)"), DocumentKind::States, stateToolbar(), true, true},
            parent)
{
    connect(editor(), &EditorTextBox::textEdited, this, [this] {
        ++edits_;
        followCaret();
    });
    connect(editor(), &QPlainTextEdit::cursorPositionChanged, this, &StateFileWindow::followCaret);
    connect(editor(), &QPlainTextEdit::selectionChanged, this, &StateFileWindow::followCaret);

    for (int index = 0; index < kStateFileButtons; ++index) {
        QAction* button = toolbarAction(stateFileTool(index + 1));
        connect(button, &QAction::triggered, this, [this, index] { openStateFile(index); });
    }
    enableStateButtons();
    connect(toolbarAction(TextTool::CommonStates), &QAction::triggered, this, &StateFileWindow::openCommonStates);

    currentStateFile_ = qstr(character().stateFiles[0]);
    applySettingsAndLoad();
    clips_ = new ClipList(app_, QStringLiteral("stclips.txt"), this);
    body_->insertWidget(0, clips_);
    connect(clips_, &ClipList::insertRequested, this, &StateFileWindow::insertSelectedClip);
}

const CharacterFiles& StateFileWindow::character() const
{
    static const CharacterFiles none;
    return app_.documents ? app_.documents->character() : none;
}

// The buttons of the state files the character names (written yet or not);
// the others stay off.
void StateFileWindow::enableStateButtons()
{
    for (int index = 0; index < kStateFileButtons; ++index) {
        toolbarAction(stateFileTool(index + 1))
            ->setEnabled(!character().stateFiles[static_cast<std::size_t>(index)].empty());
    }
}

bool StateFileWindow::followCharacter()
{
    enableStateButtons();
    currentStateFile_ = qstr(character().stateFiles[0]);
    currentState_ = 0;
    return TextEditorWindow::followCharacter();
}

bool StateFileWindow::showCharacterFile(const QString& path)
{
    const auto& states = character().stateFiles;
    const bool named = std::find(states.begin(), states.end(), sstr(path)) != states.end()
        || character().commonStatesFile == sstr(path);
    if (named && !path.isEmpty())
        switchTo(path);
    return !path.isEmpty() && currentStateFile_ == path;
}

void StateFileWindow::setDocument(TextDocument* document)
{
    TextEditorWindow::setDocument(document);
    if (document)
        currentStateFile_ = document->fileName();
    // A new file: the caption shows the window's name until the caret moves.
    setCaption(windowCaption());
    captionFor_ = {};
    followCaret();
}

void StateFileWindow::switchTo(const QString& path)
{
    // The file shown before keeps its changes in its document.
    if (!path.isEmpty())
        loadFile(path);
}

void StateFileWindow::openStateFile(int index)
{
    switchTo(qstr(character().stateFiles[static_cast<std::size_t>(index)]));
}

void StateFileWindow::openCommonStates()
{
    switchTo(qstr(character().commonStatesFile));
}

void StateFileWindow::followCaret()
{
    const QTextCursor cursor = editor()->textCursor();
    const CaretPlace place{edits_, cursor.selectionStart(), cursor.selectionEnd()};
    if (place == captionFor_)
        return;
    captionFor_ = place;
    showCurrentState();
}

void StateFileWindow::showCurrentState()
{
    const QTextCursor cursor = editor()->textCursor();
    if (cursor.selectionStart() == 0 || !document_)
        return;
    const QTextDocument* document = editor()->document();
    const QTextBlock endBlock = document->findBlock(cursor.selectionEnd());
    // Walks from block to block as stateAtLine() asks for lines, mostly the one above the last.
    QTextBlock at = endBlock;
    const auto line = [&at, document](long n) {
        const int number = static_cast<int>(n);
        if (at.blockNumber() - 1 == number)
            at = at.previous();
        else if (at.blockNumber() + 1 == number)
            at = at.next();
        else if (at.blockNumber() != number)
            at = document->findBlockByNumber(number);
        return toUtf16(at.text());
    };
    currentState_ =
        stateAtLine(line, document->blockCount(), endBlock.blockNumber(), cursor.selectionEnd() - endBlock.position());
    // "State 200 of <path>", "State-1 of <path>" or "Not in a state - <path>".
    if (currentState_ == kNotInAState)
        setCaption(tr("Not in a state - %1").arg(currentStateFile_), true);
    else
        //: %1 is the state's number, with a space before it or its minus sign
        setCaption(tr("State%1 of %2").arg(qstr(formatNumber(currentState_)), currentStateFile_), true);
}

void StateFileWindow::insertSelectedClip()
{
    const TextClip* clip = clips_->chosenClip();
    if (!clip)
        return;
    if (insertTextClip(*editor(), *clip, currentState_, highlighter() && highlighter()->isScript())) {
        showCurrentState();
        editor()->setFocus();
    }
}

void StateFileWindow::showSelectedClipHelp()
{
    clips_->showChosenHelp();
}

} // namespace vantrel
