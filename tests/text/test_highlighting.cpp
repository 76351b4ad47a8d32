// The colours of the text windows: the lines on screen get theirs before
// they are painted, the rest of a big file only when scrolled to, and a line
// changed by typing at once.

#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/syntax_highlighter.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace vantrel;

namespace {

// What a line is coloured with: (start, length, bold) of each range.
std::vector<std::tuple<int, int, bool>> colours(const QTextBlock& block)
{
    std::vector<std::tuple<int, int, bool>> ranges;
    for (const QTextLayout::FormatRange& r : block.layout()->formats())
        ranges.emplace_back(r.start, r.length, r.format.fontWeight() == QFont::Bold);
    return ranges;
}

struct HighlightTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;

    // A constants window on `lines` lines of headers and parameters, shown.
    std::unique_ptr<ConstantsWindow> open(int lines)
    {
        std::string text;
        for (int n = 0; n < lines; ++n)
            text += n % 4 == 0 ? "[Statedef " + std::to_string(n) + "]\r\n"
                               : "value = " + std::to_string(n) + " ; note\r\n";
        test::files(app).constantsFile = t.path("big.cns");
        test::writeFile(test::files(app).constantsFile, text);
        auto window = std::make_unique<ConstantsWindow>(app);
        window->resize(600, 400);
        window->show();
        // A big file comes in steps between the window's events.
        do
            QCoreApplication::processEvents();
        while (window->editor()->isLoading());
        return window;
    }
    static QTextBlock line(const ConstantsWindow& w, int n) { return w.editor()->document()->findBlockByNumber(n); }
};

} // namespace

TEST_F(HighlightTest, OnlyTheLinesOnScreenAreColouredUntilScrolledTo)
{
    const auto window = open(20000);
    const auto [first, last] = window->editor()->shownBlocks();
    ASSERT_EQ(first.blockNumber(), 0);
    ASSERT_GT(last.blockNumber(), 3);
    for (QTextBlock b = first; b != last.next(); b = b.next())
        EXPECT_TRUE(SyntaxHighlighter::isColoured(b)) << b.blockNumber();
    // A header is bold; a parameter line has its key, number and comment.
    EXPECT_EQ(colours(line(*window, 0)), (std::vector<std::tuple<int, int, bool>>{{0, 12, true}}));
    EXPECT_EQ(colours(line(*window, 1)),
              (std::vector<std::tuple<int, int, bool>>{{0, 5, false}, {8, 1, false}, {10, 6, false}}));

    const QTextBlock far = line(*window, 15001);
    EXPECT_FALSE(SyntaxHighlighter::isColoured(far));
    EXPECT_TRUE(colours(far).empty());
    window->goToLine(15002);
    QCoreApplication::processEvents();
    EXPECT_TRUE(SyntaxHighlighter::isColoured(far));
    EXPECT_EQ(colours(far), (std::vector<std::tuple<int, int, bool>>{{0, 5, false}, {8, 5, false}, {14, 6, false}}));
    EXPECT_FALSE(SyntaxHighlighter::isColoured(line(*window, 5000)));
    EXPECT_FALSE(window->modified()); // colouring is not an edit
}

TEST_F(HighlightTest, ATypedLineIsColouredAtOnceAndAReloadStartsAfresh)
{
    const auto window = open(40);
    EditorTextBox* box = window->editor();
    window->goToLine(2);
    box->moveCursor(QTextCursor::StartOfLine);
    QTest::keyClick(box, Qt::Key_Semicolon); // the whole line becomes a comment
    EXPECT_EQ(colours(line(*window, 1)), (std::vector<std::tuple<int, int, bool>>{{0, 17, false}}));
    QTest::keyClick(box, Qt::Key_Return); // split: both halves coloured anew
    EXPECT_EQ(colours(line(*window, 1)), (std::vector<std::tuple<int, int, bool>>{{0, 1, false}}));
    EXPECT_EQ(colours(line(*window, 2)),
              (std::vector<std::tuple<int, int, bool>>{{0, 5, false}, {8, 1, false}, {10, 6, false}}));

    // The file again: nothing of the typed colours stays on its lines.
    t.dialogs.answers.enqueue(Answer::Yes);
    window->revert();
    EXPECT_FALSE(window->modified());
    QCoreApplication::processEvents();
    EXPECT_EQ(colours(line(*window, 1)),
              (std::vector<std::tuple<int, int, bool>>{{0, 5, false}, {8, 1, false}, {10, 6, false}}));
}

// Lines that do not wrap keep their layouts when the window changes width;
// the horizontal scroll bar still reaches the end of the longest line shown
// and no further, and the colours stay.
TEST_F(HighlightTest, AChangeOfWidthKeepsTheColoursAndTheScrollRange)
{
    const std::string longValue(120, '7');
    test::files(app).constantsFile = t.path("wide.cns");
    test::writeFile(test::files(app).constantsFile, "[Data]\r\nlife = " + longValue + "\r\nattack = 100\r\n");
    ConstantsWindow window(app);
    window.resize(300, 300);
    window.show();
    QCoreApplication::processEvents();
    EditorTextBox* box = window.editor();
    QScrollBar* across = box->horizontalScrollBar();
    const auto lineWidth = [&] { return line(window, 1).layout()->lineAt(0).naturalTextWidth(); };
    ASSERT_GT(lineWidth(), box->viewport()->width());

    for (const int width : {300, 1600, 420, 300}) {
        SCOPED_TRACE(width);
        window.resize(width, 300);
        QCoreApplication::processEvents();
        const int shown = box->viewport()->width();
        if (lineWidth() + 8 <= shown) {
            EXPECT_EQ(across->maximum(), 0);
        } else {
            // The last character can be scrolled into view, with at most the
            // margin beyond it.
            EXPECT_GE(across->maximum() + shown, lineWidth());
            EXPECT_LE(across->maximum() + shown, lineWidth() + 16);
        }
        EXPECT_EQ(colours(line(window, 1)), (std::vector<std::tuple<int, int, bool>>{{0, 4, false}, {7, 120, false}}));
    }
}
