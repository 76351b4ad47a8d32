// Replacing the lines that differ between two versions of a text, as the
// collision box editor edits the AIR window: one undo step, every untouched
// line with its own line end, the caret left alone.

#include "text/editor_text_box.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTextCursor>
#include <QUndoStack>

using namespace vantrel;

TEST(LineEdits, OnlyTheChangedLinesAreReplacedAndOneUndoTakesThemBack)
{
    const struct {
        const char* name;
        std::string before, after;
        LineChange change;
    } cases[] = {
        {"one line changed", "a\r\nb\r\nc\r\n", "a\r\nB\r\nc\r\n", {1, 1, 1}},
        {"lines inserted", "a\r\nb\r\n", "a\r\nx\r\ny\r\nb\r\n", {1, 0, 2}},
        {"lines removed", "a\r\nx\r\ny\r\nb\r\n", "a\r\nb\r\n", {1, 2, 0}},
        {"first line", "a\nb\n", "z\nb\n", {0, 1, 1}},
        {"last line without an end", "a\nb", "a\nc", {1, 1, 1}},
        {"inserted before the last line", "a\nb", "a\nx\nb", {1, 0, 1}},
        {"removed at the end", "a\nb\nc", "a", {0, 3, 1}},
        {"mixed ends kept around the edit", "a\rb\r\nc\nd\r", "a\rB\r\nc\nd\r", {1, 1, 1}},
        {"a line end changed", "a\r\nb\r\n", "a\nb\r\n", {0, 2, 2}}, // the break belongs to both lines
        {"nothing", "a\r\n", "a\r\n", {2, 0, 0}},
    };
    for (const auto& c : cases) {
        const ShownText before = decodeText(c.before);
        const ShownText after = decodeText(c.after);
        const LineChange change = changedLines(before.lines, after.lines, before.encoding.usualEnd);
        EXPECT_EQ(std::tuple(change.first, change.removed, change.added),
                  std::tuple(c.change.first, c.change.removed, c.change.added))
            << c.name;

        EditorTextBox box;
        box.setLines(before.lines);
        EXPECT_EQ(shownBytes(box.lines(), before.encoding), c.before) << c.name;
        QTextCursor caret = box.textCursor();
        caret.movePosition(QTextCursor::End);
        box.setTextCursor(caret);
        const auto from = after.lines.begin() + static_cast<std::ptrdiff_t>(change.first);
        box.replaceLines(static_cast<int>(change.first), static_cast<int>(change.removed),
                         {from, from + static_cast<std::ptrdiff_t>(change.added)});
        EXPECT_EQ(shownBytes(box.lines(), before.encoding), c.after) << c.name;
        EXPECT_TRUE(box.textCursor().atEnd()) << c.name << ": the caret is not taken to the edit";
        if (change.empty())
            continue;
        // Undo and redo bring the lines back; a line they make anew takes the usual end.
        const auto texts = [&box] {
            std::vector<std::u16string> t;
            for (const TextLine& l : box.lines())
                t.push_back(l.text);
            return t;
        };
        std::vector<std::u16string> expected;
        for (const TextLine& l : before.lines)
            expected.push_back(l.text);
        box.undo();
        EXPECT_EQ(texts(), expected) << c.name << ": one undo step";
        box.redo();
        expected.clear();
        for (const TextLine& l : after.lines)
            expected.push_back(l.text);
        EXPECT_EQ(texts(), expected) << c.name;
    }
}

// The right button's menu: undo and redo go through the document's history
// (as the keys do), and each entry is enabled only where it applies.
TEST(LineEdits, TheRightButtonMenuEditsThroughTheDocumentsHistory)
{
    EditorTextBox box;
    box.setPlainText(QStringLiteral("abc\ndef"));
    std::unique_ptr<QMenu> menu; // the last one asked for
    const auto entries = [&] {
        menu = box.createEditMenu();
        std::vector<QAction*> found;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                found.push_back(action);
        }
        return found;
    };
    const auto enabled = [&] {
        QString flags;
        for (QAction* action : entries())
            flags += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return flags.toStdString(); // undo, redo, cut, copy, paste, delete, select all
    };
    EXPECT_EQ(enabled().substr(0, 4), "0000");
    EXPECT_EQ(enabled().back(), '1');

    QTextCursor caret = box.textCursor();
    caret.movePosition(QTextCursor::End);
    caret.insertText(QStringLiteral("!"));
    box.setTextCursor(caret);
    ASSERT_EQ(entries().size(), 7U);
    EXPECT_EQ(enabled().substr(0, 4), "1000");
    entries()[0]->trigger(); // undo
    EXPECT_EQ(box.toPlainText(), QStringLiteral("abc\ndef"));
    EXPECT_FALSE(box.textDocument()->undoStack()->canUndo());
    EXPECT_EQ(enabled().substr(0, 2), "01");
    entries()[1]->trigger(); // redo
    EXPECT_EQ(box.toPlainText(), QStringLiteral("abc\ndef!"));

    entries()[6]->trigger(); // select all
    EXPECT_EQ(box.textCursor().selectedText().size(), box.toPlainText().size());
    EXPECT_EQ(enabled().substr(2, 2), "11");
    entries()[5]->trigger(); // delete: one step of the history
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_EQ(enabled().back(), '0');
    entries()[0]->trigger();
    EXPECT_EQ(box.toPlainText(), QStringLiteral("abc\ndef!"));

    // Read only: nothing that changes the text, but the selection still copies.
    box.setReadOnly(true);
    box.selectAll();
    EXPECT_EQ(enabled(), "0001001");
}
