// A document and its file: one document however the file is named, saving
// (read-only files, links, Save As), reading again, and changes made on disk
// by another program. Text documents stand in for every kind: the rules
// live in the base they share.

#include "documents/document_manager.h"
#include "test_support.h"
#include "text/text_document.h"
#include "ui/document_views.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <filesystem>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

struct DocumentTest : ::testing::Test {
    test::TestApp t;

    QString path(const std::string& relative) const { return QString::fromStdString(t.path(relative)); }
    // The document of a file, opened through the manager.
    TextDocument* open(const QString& file)
    {
        const Result<TextDocument*> opened = t.documents->open<TextDocument>(
            file, [](const QString& name) { return makeTextDocument(DocumentKind::Constants, name); });
        EXPECT_TRUE(opened) << opened.error();
        return opened ? *opened : nullptr;
    }
    TextDocument* write(const std::string& relative, const std::string& bytes)
    {
        test::writeFile(t.path(relative), bytes);
        return open(path(relative));
    }
};

} // namespace

TEST_F(DocumentTest, AFileNamedManyWaysIsOneDocument)
{
    TextDocument* doc = write("chars/kfm/kfm.cns", "[Data]\r\nlife = 1000\r\n");
    ASSERT_NE(doc, nullptr);
    fs::create_directories(t.path("shared"));
    fs::create_symlink(t.path("chars/kfm/kfm.cns"), t.path("shared/common.cns"));
    fs::create_directory_symlink(t.path("chars"), t.path("linked"));
    for (const char* name : {"chars/kfm/kfm.cns", "chars/kfm/../kfm/kfm.cns", "chars//kfm/./kfm.cns",
                             "shared/common.cns", "linked/kfm/kfm.cns"}) {
        EXPECT_EQ(open(path(name)), doc) << name;
        EXPECT_EQ(t.documents->findDocument(path(name)), doc) << name;
    }
    EXPECT_EQ(t.documents->documents().size(), 1U);
    // Another kind of document cannot take the same file.
    const Result<Document*> other = t.documents->open(path("chars/kfm/kfm.cns"), [](const QString& name) {
        return std::unique_ptr<Document>(makeTextDocument(DocumentKind::Text, name));
    });
    EXPECT_TRUE(other);
    EXPECT_EQ(*other, doc);
}

TEST_F(DocumentTest, AReadOnlyFileIsRefusedByNameAndTheChangesStay)
{
    TextDocument* doc = write("kfm.cns", "life = 1000\r\n");
    ASSERT_NE(doc, nullptr);
    fs::permissions(t.path("kfm.cns"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    doc->replaceBytes("life = 1234\r\n", "Edit");
    const Result<void> saved = doc->save();
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error(), "kfm.cns is read-only.");
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(test::readFile(t.path("kfm.cns")), "life = 1000\r\n");

    // Through the views the user is told, with the same sentence.
    EXPECT_FALSE(saveDocument(*t.app, *doc, nullptr));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"kfm.cns is read-only."});
    EXPECT_TRUE(doc->isModified());

    // Writable again, the same changes are saved.
    fs::permissions(t.path("kfm.cns"), fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(test::readFile(t.path("kfm.cns")), "life = 1234\r\n");
    EXPECT_FALSE(doc->isModified());
}

TEST_F(DocumentTest, ALinkedFileIsWrittenThroughAndStaysALink)
{
    test::writeFile(t.path("data/common1.cns"), "; shared\r\n");
    fs::create_directories(t.path("chars/kfm"));
    fs::create_symlink("../../data/common1.cns", t.path("chars/kfm/common1.cns")); // relative, as users make them
    TextDocument* doc = open(path("chars/kfm/common1.cns"));
    ASSERT_NE(doc, nullptr);
    doc->replaceBytes("; shared, edited\r\n", "Edit");
    ASSERT_TRUE(doc->save());
    EXPECT_TRUE(fs::is_symlink(t.path("chars/kfm/common1.cns")));
    EXPECT_EQ(fs::read_symlink(t.path("chars/kfm/common1.cns")), "../../data/common1.cns");
    EXPECT_EQ(test::readFile(t.path("data/common1.cns")), "; shared, edited\r\n");
    EXPECT_EQ(doc->fileName(), path("chars/kfm/common1.cns")) << "the document keeps the name it was opened by";
    EXPECT_FALSE(doc->fileChangedOnDisk()) << "its own save is no outside change";
}

TEST_F(DocumentTest, SaveAsMovesTheDocumentAndLaterSavesGoThere)
{
    TextDocument* doc = write("first.txt", "one\n");
    ASSERT_NE(doc, nullptr);
    QSignalSpy moved(doc, &Document::fileNameChanged);
    doc->replaceBytes("two\n", "Edit");
    ASSERT_TRUE(doc->saveAs(path("second.txt")));
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved[0][0].toString(), path("second.txt"));
    EXPECT_EQ(doc->fileName(), path("second.txt"));
    EXPECT_EQ(doc->displayName(), "second.txt");
    EXPECT_FALSE(doc->isModified());

    doc->replaceBytes("three\n", "Edit");
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(test::readFile(t.path("first.txt")), "one\n");
    EXPECT_EQ(test::readFile(t.path("second.txt")), "three\n");
    EXPECT_EQ(t.documents->findDocument(path("second.txt")), doc);
    EXPECT_EQ(t.documents->findDocument(path("first.txt")), nullptr);
    // The first file is free to open as a document of its own.
    TextDocument* first = open(path("first.txt"));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, doc);
}

TEST_F(DocumentTest, RevertIsOneStepThatUndoTakesBack)
{
    TextDocument* doc = write("kfm.cns", "life = 1000\r\n");
    ASSERT_NE(doc, nullptr);
    doc->replaceBytes("life = 1\r\n", "Edit");
    doc->replaceBytes("life = 12\r\n", "Edit");
    ASSERT_TRUE(doc->reload());
    EXPECT_EQ(doc->bytes(), "life = 1000\r\n");
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->undoStack()->count(), 3);
    doc->undoStack()->undo();
    EXPECT_EQ(doc->bytes(), "life = 12\r\n");
    EXPECT_TRUE(doc->isModified());
    doc->undoStack()->redo();
    EXPECT_FALSE(doc->isModified());

    // Through the views it asks first, naming the file; No keeps the changes.
    doc->replaceBytes("life = 5\r\n", "Edit");
    t.dialogs.answers.enqueue(Answer::No);
    EXPECT_FALSE(revertDocument(*t.app, *doc, nullptr));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Discard your changes to kfm.cns?"});
    EXPECT_EQ(doc->bytes(), "life = 5\r\n");
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_TRUE(revertDocument(*t.app, *doc, nullptr));
    EXPECT_EQ(doc->bytes(), "life = 1000\r\n");
    // Nothing to discard: nothing is asked.
    t.dialogs.clear();
    EXPECT_TRUE(revertDocument(*t.app, *doc, nullptr));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(DocumentTest, AnOutsideChangeReloadsAnUnmodifiedDocumentAndWaitsForTheUserOnAModifiedOne)
{
    TextDocument* clean = write("clean.cns", "a\r\n");
    TextDocument* edited = write("edited.cns", "b\r\n");
    ASSERT_TRUE(clean && edited);
    edited->replaceBytes("mine\r\n", "Edit");
    QSignalSpy reloaded(t.documents.get(), &DocumentManager::reloadedFromDisk);
    QSignalSpy changed(t.documents.get(), &DocumentManager::changedOnDisk);

    // Another program writes both (a longer file, so the change is seen whatever the clock).
    test::writeFile(t.path("clean.cns"), "theirs, a\r\n");
    test::writeFile(t.path("edited.cns"), "theirs, b\r\n");
    ASSERT_TRUE(reloaded.wait(5000) || reloaded.size() == 1) << "the watcher tells the manager by itself";
    if (changed.isEmpty())
        ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(reloaded.size(), 1);
    EXPECT_EQ(reloaded[0][0].value<Document*>(), clean);
    EXPECT_EQ(clean->bytes(), "theirs, a\r\n");
    EXPECT_FALSE(clean->isModified());
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].value<Document*>(), edited);
    EXPECT_EQ(edited->bytes(), "mine\r\n");
    EXPECT_TRUE(edited->fileChangedOnDisk());
    EXPECT_TRUE(edited->outsideChangePending());

    // Told once, however often the manager looks.
    t.documents->checkFiles();
    EXPECT_EQ(changed.size(), 1);

    // A save over it asks first: No keeps their file, Yes writes mine.
    t.dialogs.answers.enqueue(Answer::No);
    EXPECT_FALSE(saveDocument(*t.app, *edited, nullptr));
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"edited.cns changed on disk since Vantrel read it.  Save your version over it?"});
    EXPECT_EQ(test::readFile(t.path("edited.cns")), "theirs, b\r\n");
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_TRUE(saveDocument(*t.app, *edited, nullptr));
    EXPECT_EQ(test::readFile(t.path("edited.cns")), "mine\r\n");
    EXPECT_FALSE(edited->fileChangedOnDisk());

    // Keep mine: the bar goes and a later save asks nothing, until the next change.
    edited->replaceBytes("mine again\r\n", "Edit");
    test::writeFile(t.path("edited.cns"), "theirs again, b\r\n");
    t.documents->checkFiles();
    ASSERT_TRUE(edited->outsideChangePending());
    edited->keepMine();
    EXPECT_FALSE(edited->outsideChangePending());
    EXPECT_FALSE(edited->fileChangedOnDisk());
    t.dialogs.clear();
    EXPECT_TRUE(saveDocument(*t.app, *edited, nullptr));
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    EXPECT_EQ(test::readFile(t.path("edited.cns")), "mine again\r\n");

    // A file deleted under a document leaves its content alone.
    QFile::remove(path("clean.cns"));
    t.documents->checkFiles();
    EXPECT_EQ(clean->bytes(), "theirs, a\r\n");
}
