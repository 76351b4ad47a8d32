#pragma once
// Completion in the state, constants and command editors: a list of the
// controllers, parameters, triggers or command file keys that fit at the
// caret, with the help topic of the chosen one beside it. Ctrl+Space opens
// it; so does a letter typed after "type =" or where a trigger's operand
// starts. While it is open the keys still go to the text: typing narrows the
// list, Up and Down choose, Tab inserts, Escape closes. Enter inserts only
// what the user chose (with the keys, or from a list opened with
// Ctrl+Space); after a word typed in full, or in a list that opened by
// itself, it closes the list and makes a new line. What fits where is
// decided in check/state_completion.

#include "check/state_completion.h"

#include <QFrame>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QTextBrowser;

namespace vantrel {

class EditorTextBox;

class CompletionPopup final : public QFrame {
    Q_OBJECT
public:
    // Lives on the text box's viewport; `helpFile` is the help file's path
    // (read on first use; without it the topic stays empty). `engine` tells,
    // each time the list opens, which engine the open character is for.
    CompletionPopup(
        EditorTextBox* editor, QString helpFile,
        std::function<CharacterEngine()> engine = [] { return CharacterEngine::Ikemen; });

    QListWidget* list() const { return list_; }
    QTextBrowser* help() const { return help_; }
    const std::vector<CompletionItem>& items() const { return items_; }
    // Whether the text is a state script (.zss), completed by its own rules.
    void setScript(bool script) { script_ = script; }

public slots:
    // Shows what fits at the caret; stays closed when nothing does.
    void open();
    // Puts the chosen item in place of the word before the caret.
    void insertChosen();
    // Enter: inserts the item the user chose, or closes the list and lets the
    // text box make a new line (false).
    bool acceptWithEnter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CompletionContext contextAtCaret() const;
    // Fills the list for the caret's context; closes when nothing fits.
    void refresh();
    void placeAtCaret();
    void showChosenHelp();
    void caretMoved();
    void textEdited();

    EditorTextBox* editor_;
    QString helpFile_;
    std::function<CharacterEngine()> engine_;
    std::string helpHtml_;
    bool helpRead_ = false;
    QListWidget* list_;
    QTextBrowser* help_;
    std::vector<CompletionItem> items_;
    bool letterTyped_ = false; // the last key pressed in the text was a letter
    bool asked_ = false;       // opened with Ctrl+Space, or a row chosen with the keys or the mouse
    bool inserting_ = false;
    bool script_ = false;
};

} // namespace vantrel
