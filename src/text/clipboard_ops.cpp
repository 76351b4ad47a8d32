#include "clipboard_ops.h"

#include "common/qt_text.h"
#include "text/editor_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace vantrel {

void copySelectedText(QWidget* control)
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

void cutSelectedText(QWidget* control)
{
    if (auto* box = qobject_cast<EditorTextBox*>(control)) {
        copySelectedText(box);
        box->replaceSelection({});
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        copySelectedText(plain);
        plain->textCursor().removeSelectedText();
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        copySelectedText(line);
        if (line->hasSelectedText())
            line->del();
    }
}

void pasteText(QWidget* control)
{
    const QString text = QApplication::clipboard()->text();
    if (auto* box = qobject_cast<EditorTextBox*>(control)) {
        box->replaceSelection(utf16View(text));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->insertPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->insert(text);
    }
}

} // namespace vantrel
