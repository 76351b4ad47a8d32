#include "clipboard_ops.h"

#include "text/editor_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace vantrel {

void EditCopy(QWidget* control)
{
    QString selected;
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        selected = box->textCursor().selectedText();
        selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        selected = line->selectedText();
    } else {
        return;
    }
    QApplication::clipboard()->setText(selected);
}

void EditCut(QWidget* control)
{
    if (auto* box = qobject_cast<EditorTextBox*>(control)) {
        EditCopy(box);
        box->replaceSelection({});
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        EditCopy(plain);
        plain->textCursor().removeSelectedText();
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        EditCopy(line);
        if (line->hasSelectedText())
            line->del();
    }
}

void EditPaste(QWidget* control)
{
    const QString text = QApplication::clipboard()->text();
    if (auto* box = qobject_cast<EditorTextBox*>(control)) {
        box->replaceSelection(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                  static_cast<std::size_t>(text.size())));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->insertPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->insert(text);
    }
}

} // namespace vantrel
