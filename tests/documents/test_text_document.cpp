#include "test_support.h"
#include "text/editor_text_box.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QTextDocument>

using namespace vantrel;

TEST(TextDocumentProbe, LineEndsSurviveAView)
{
    test::TestApp t;
    test::writeFile(t.path("a.txt"), "a\r\nb\nc\rd\r\n");
    TextDocument doc(DocumentKind::Text, t.dir() + "/a.txt");
    ASSERT_TRUE(doc.load());
    EXPECT_EQ(doc.bytes(), "a\r\nb\nc\rd\r\n");
    EditorTextBox box;
    box.setTextDocument(&doc);
    EXPECT_EQ(doc.bytes(), "a\r\nb\nc\rd\r\n");
}

TEST(TextDocumentProbe, BytesAreTheFilesBytes)
{
    test::TestApp t;
    for (const std::string bytes : {"", "\r\n", "a", "a\r\n\r\n", "\n\n", "x\ry"}) {
        test::writeFile(t.path("a.txt"), bytes);
        TextDocument doc(DocumentKind::Text, t.dir() + "/a.txt");
        ASSERT_TRUE(doc.load());
        EXPECT_EQ(doc.bytes(), bytes);
    }
}
