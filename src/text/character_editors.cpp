#include "character_editors.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "text/editor_text_box.h"
#include "text/text_document.h"
#include "ui/workbench.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QTextBlock>

namespace vantrel {

namespace {

// The character's file of one kind; empty without a character.
QString characterFile(const App& app, std::string CharacterFiles::*file)
{
    return app.documents ? qstr(app.documents->character().*file) : QString();
}

} // namespace

QList<ToolButton> commandStyleToolbar(const QString& saveTip, const QString& findTip)
{
    // A button without a tip of its own shows its caption.
    return {{TextTool::Save, QT_TRANSLATE_NOOP("TextEditorWindow", "Save"), saveTip},
            {TextTool::Revert, QT_TRANSLATE_NOOP("TextEditorWindow", "Revert"),
             QT_TRANSLATE_NOOP("TextEditorWindow", "Revert to saved state")},
            {TextTool::Cut, QT_TRANSLATE_NOOP("TextEditorWindow", "Cut"), {}},
            {TextTool::Copy, QT_TRANSLATE_NOOP("TextEditorWindow", "Copy"), {}},
            {TextTool::Paste, QT_TRANSLATE_NOOP("TextEditorWindow", "Paste"), {}},
            {TextTool::Find, QT_TRANSLATE_NOOP("TextEditorWindow", "Find"),
             findTip.isEmpty() ? QString::fromLatin1(QT_TRANSLATE_NOOP("TextEditorWindow", "Find text...")) : findTip},
            {TextTool::Undo, QT_TRANSLATE_NOOP("TextEditorWindow", "Undo"), {}},
            {TextTool::Help, QT_TRANSLATE_NOOP("TextEditorWindow", "Help"), {}}};
}

DefinitionWindow::DefinitionWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {QT_TRANSLATE_NOOP("TextEditorWindow", "Character Definition File (DEF)"),
                            DocumentKind::Definition,
                            commandStyleToolbar(QT_TRANSLATE_NOOP("TextEditorWindow", "Saves the .def file"),
                                                QT_TRANSLATE_NOOP("TextEditorWindow", "Find"))},
                           parent)
{
    applySettingsAndLoad();
}

QString DefinitionWindow::sourcePath() const
{
    return characterFile(app_, &CharacterFiles::defFile);
}

namespace {

// The AIR window's buttons show the animation windows too.
QList<ToolButton> animationToolbar()
{
    QList<ToolButton> buttons = commandStyleToolbar(QT_TRANSLATE_NOOP("TextEditorWindow", "Saves the .air file"),
                                                    QT_TRANSLATE_NOOP("TextEditorWindow", "Find"));
    buttons.insert(buttons.size() - 1, {TextTool::CollisionBoxes, "CLSN", {}});
    buttons.insert(buttons.size() - 1, {TextTool::AnimationPreview, QT_TRANSLATE_NOOP("TextEditorWindow", "Anim"), {}});
    return buttons;
}

} // namespace

AnimationTextWindow::AnimationTextWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {QT_TRANSLATE_NOOP("TextEditorWindow", "Character Animation Actions (AIR)"),
                            DocumentKind::Animations, animationToolbar()},
                           parent)
{
    connect(toolbarAction(TextTool::CollisionBoxes), &QAction::triggered, this,
            &AnimationTextWindow::showCollisionBoxes);
    connect(toolbarAction(TextTool::AnimationPreview), &QAction::triggered, this,
            &AnimationTextWindow::showAnimationPreview);
    // The animation windows follow the caret, and the caret follows them.
    connect(editor(), &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (document_ && !following_)
            document_->focusLine(editor()->textCursor().blockNumber(), this);
    });
    applySettingsAndLoad();
}

void AnimationTextWindow::setDocument(TextDocument* document)
{
    if (document_)
        document_->disconnect(this, nullptr);
    TextEditorWindow::setDocument(document);
    if (document) {
        connect(document, &TextDocument::lineFocused, this, [this](int line, QObject* source) {
            if (source == this || editor()->textCursor().blockNumber() == line)
                return;
            const QTextBlock block = editor()->document()->findBlockByNumber(line);
            if (!block.isValid())
                return;
            following_ = true;
            QTextCursor caret(block);
            editor()->setTextCursor(caret);
            editor()->centerCursor();
            following_ = false;
        });
    }
}

QString AnimationTextWindow::sourcePath() const
{
    return characterFile(app_, &CharacterFiles::animationFile);
}

void AnimationTextWindow::showCollisionBoxes()
{
    if (app_.workbench)
        app_.workbench->openWindow(WindowKind::CollisionBoxes);
}

void AnimationTextWindow::showAnimationPreview()
{
    if (app_.workbench)
        app_.workbench->openWindow(WindowKind::AnimationPreview);
}

CommandsWindow::CommandsWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {QT_TRANSLATE_NOOP("TextEditorWindow", "Commands (CMD)"), DocumentKind::Commands,
                            commandStyleToolbar(QT_TRANSLATE_NOOP("TextEditorWindow", "Saves the .cmd file")), true,
                            true},
                           parent)
{
    applySettingsAndLoad();
    clips_ = new ClipList(app_, QStringLiteral("cmdclips.txt"), this);
    body_->insertWidget(0, clips_);
    connect(clips_, &ClipList::insertRequested, this, &CommandsWindow::insertSelectedClip);
}

void CommandsWindow::insertSelectedClip()
{
    const TextClip* clip = clips_->chosenClip();
    std::int64_t state = kNotInAState;
    if (clip && insertTextClip(*editor(), *clip, state))
        editor()->setFocus();
}

QString CommandsWindow::sourcePath() const
{
    return characterFile(app_, &CharacterFiles::commandFile);
}

ConstantsWindow::ConstantsWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {QT_TRANSLATE_NOOP("TextEditorWindow", "Constants (CNS)"), DocumentKind::Constants,
                            commandStyleToolbar(QT_TRANSLATE_NOOP("TextEditorWindow", "Saves the .cns file")), true,
                            true},
                           parent)
{
    applySettingsAndLoad();
}

QString ConstantsWindow::sourcePath() const
{
    return characterFile(app_, &CharacterFiles::constantsFile);
}

} // namespace vantrel
