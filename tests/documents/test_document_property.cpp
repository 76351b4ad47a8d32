// Random sessions of a user against a plain model of the files: typing in
// the windows, edits, undo and redo, saves, Save As, reverts, changes made on
// disk by another program, windows opened and closed, characters switched.
// After every step each file on disk holds what the model says was last
// saved there, every document shows again what it held at the same point of
// its history, and no unsaved change is gone unless the user was asked about
// it and answered No.

#include "app/editors.h"
#include "documents/document_manager.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "text/editor_text_box.h"
#include "text/notepad_window.h"
#include "text/text_document.h"
#include "text/text_editor_window.h"
#include "ui/document_views.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTextCursor>
#include <QUndoStack>

#include <filesystem>
#include <map>
#include <random>
#include <set>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

// One sprite for any archive: the table is no part of these sessions.
const char* kUnpacker = "mkdir -p \"$2\"\nprintf 'P' > \"$2/s0.pcx\"\n"
                        "printf '%s\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n' \"$1\" > tempsff.txt";

const WindowKind kTextWindows[] = {WindowKind::Definition,    WindowKind::Constants, WindowKind::Commands,
                                   WindowKind::AnimationText, WindowKind::States,    WindowKind::Notepad};

// A text as a save writes it: a last line without a line end gets one.
std::string asSaved(std::string bytes)
{
    if (bytes.empty() || (bytes.back() != '\n' && bytes.back() != '\r'))
        bytes += "\r\n";
    return bytes;
}

const char* const kTyped[] = {"a", "life", " = 5", "\n", "; note\n", "[State 1]\n", "\t", "x"};

struct Session {
    test::TestApp t;
    std::unique_ptr<MainWindow> main;
    std::mt19937 random;
    std::map<std::string, std::string> disk; // what each file must hold
    // What each document held at each index of its history, as seen.
    struct History {
        QPointer<Document> alive; // a new document may take a closed one's address
        std::map<int, std::string> states;
    };
    std::map<const Document*, History> seen;
    QString hero, twin;
    int step = 0;
    int savedAs = 0;
    std::set<const Document*> readAgain; // by the watcher, in this step

    explicit Session(unsigned seed) : random(seed) { }

    std::string path(const std::string& relative) const { return t.path(relative); }
    int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    void write(const std::string& relative, const std::string& bytes)
    {
        test::writeFile(path(relative), bytes);
        disk[path(relative)] = bytes;
    }

    void setUp()
    {
        test::writeStandInUnpacker(t.dir().toStdString(), kUnpacker);
        t.store->write(kProgramSettings, "ShowTips", "False");
        write("chars/hero/hero.def",
              "[Files]\r\nsprite = hero.sff\r\ncns = hero.cns\r\nst = hero.cns\r\n"
              "cmd = hero.cmd\r\nanim = hero.air\r\n");
        write("chars/hero/hero.cns", "[Data]\r\nlife = 1000\r\n\r\n[Statedef 0]\r\ntype = S\r\n");
        write("chars/hero/hero.cmd", "[Command]\r\nname = \"x\"\r\ncommand = x\r\n");
        write("chars/hero/hero.air", "[Begin Action 0]\r\n0,0, 0,0, 5\r\n");
        test::writeFile(path("chars/hero/hero.sff"), "SFF");
        // The twin shares the hero's commands.
        write("chars/twin/twin.def",
              "[Files]\r\nsprite = twin.sff\r\ncns = twin.cns\r\nst = twin.cns\r\n"
              "cmd = ../hero/hero.cmd\r\nanim = twin.air\r\n");
        write("chars/twin/twin.cns", "[Data]\r\nlife = 900\r\n");
        write("chars/twin/twin.air", "[Begin Action 1]\r\n0,0, 0,0, 4\r\n");
        test::writeFile(path("chars/twin/twin.sff"), "SFF");
        hero = QString::fromStdString(path("chars/hero/hero.def"));
        twin = QString::fromStdString(path("chars/twin/twin.def"));

        main = std::make_unique<MainWindow>(*t.app);
        registerWindows(*main);
        // A document without changes reads an outside change by itself,
        // whenever the watcher tells: as a step of its history.
        QObject::connect(t.documents.get(), &DocumentManager::reloadedFromDisk, [this](Document* reloaded) {
            auto* document = qobject_cast<TextDocument*>(reloaded);
            if (!document)
                return;
            EXPECT_EQ(document->bytes(), disk[where(document)]) << "read again at step " << step;
            note(document);
            readAgain.insert(document);
        });
        main->startUp();
        main->openCharacter(hero);
        ASSERT_TRUE(main->characterOpen()) << t.dialogs.messageTexts().join("|");
    }

    std::vector<TextDocument*> texts() const
    {
        std::vector<TextDocument*> found;
        for (Document* document : t.documents->documents()) {
            if (auto* text = qobject_cast<TextDocument*>(document))
                found.push_back(text);
        }
        return found;
    }
    TextDocument* anyText()
    {
        const std::vector<TextDocument*> all = texts();
        return all.empty() ? nullptr : all[static_cast<std::size_t>(below(static_cast<int>(all.size())))];
    }
    TextEditorWindow* window(WindowKind kind) const
    {
        return qobject_cast<TextEditorWindow*>(main->loadedWindow(kind));
    }
    static std::string where(const Document* document) { return document->fileName().toStdString(); }

    // Notes what a document holds now at its place in its history.
    void note(TextDocument* document)
    {
        History& entry = seen[document];
        if (entry.alive != document)
            entry = {document, {}};
        auto& history = entry.states;
        const int index = document->undoStack()->index();
        history.erase(history.upper_bound(index), history.end()); // a new edit drops what was undone
        history[index] = document->bytes();
    }

    // --- the steps ---------------------------------------------------------------

    void type()
    {
        const WindowKind kind = kTextWindows[below(std::size(kTextWindows))];
        auto* w = qobject_cast<TextEditorWindow*>(main->openWindow(kind));
        if (!w || !w->viewedDocument())
            return;
        QTextCursor caret = w->editor()->textCursor();
        // The .def grows at its end only: the character must still open.
        const int length = w->editor()->document()->characterCount() - 1;
        caret.setPosition(kind == WindowKind::Definition ? length : below(length + 1));
        caret.insertText(QString::fromLatin1(kTyped[below(std::size(kTyped))]));
        note(qobject_cast<TextDocument*>(w->viewedDocument()));
    }

    void edit()
    {
        if (TextDocument* document = anyText()) {
            document->replaceBytes(document->bytes() + "; step " + std::to_string(step) + "\r\n", "Edit");
            note(document);
        }
    }

    void undoOrRedo()
    {
        TextDocument* document = anyText();
        if (!document)
            return;
        chance(60) ? document->undoStack()->undo() : document->undoStack()->redo();
        expectAsSeen(document, "after undo or redo");
    }

    void save()
    {
        TextDocument* document = anyText();
        if (!document || document->fileName().isEmpty())
            return;
        t.dialogs.clear();
        t.dialogs.answers.enqueue(chance(50) ? Answer::Yes : Answer::No); // over an outside change
        const std::string bytes = document->bytes();
        if (saveDocument(*t.app, *document, nullptr))
            disk[where(document)] = asSaved(bytes);
        EXPECT_EQ(document->bytes(), bytes) << "a save changes no text";
    }

    void saveNotesAs()
    {
        auto* pad = qobject_cast<NotepadWindow*>(main->openWindow(WindowKind::Notepad));
        if (!pad || !pad->viewedDocument())
            return;
        const std::string target = path("notes/notes" + std::to_string(++savedAs) + ".txt");
        fs::create_directories(path("notes"));
        t.dialogs.clear();
        t.dialogs.files.enqueue(QString::fromStdString(target));
        auto* document = qobject_cast<TextDocument*>(pad->viewedDocument());
        note(document); // known before it has a file
        const std::string bytes = document->bytes();
        if (pad->saveAs()) {
            disk[target] = asSaved(bytes);
            EXPECT_EQ(where(document), target);
        }
    }

    void newNotes()
    {
        auto* pad = qobject_cast<NotepadWindow*>(main->openWindow(WindowKind::Notepad));
        if (!pad)
            return;
        const auto before = unsavedWork();
        const QList<Answer> answers = queueAnswers();
        pad->newFile();
        expectNothingLost(before, answers);
    }

    void revert()
    {
        TextDocument* document = anyText();
        if (!document || document->fileName().isEmpty() || !fs::exists(where(document)))
            return;
        t.dialogs.clear();
        t.dialogs.answers.enqueue(Answer::Yes);
        const bool wasPending = document->outsideChangePending();
        ASSERT_TRUE(revertDocument(*t.app, *document, nullptr)) << t.dialogs.messageTexts().join("|");
        EXPECT_EQ(document->bytes(), disk[where(document)]) << "reverted to what is on disk" << where(document);
        EXPECT_FALSE(document->isModified());
        EXPECT_FALSE(document->outsideChangePending()) << wasPending;
        note(document);
    }

    void changeOnDisk()
    {
        TextDocument* document = anyText();
        if (!document || document->fileName().isEmpty())
            return;
        const std::string file = where(document);
        const bool modified = document->isModified();
        const std::string mine = document->bytes();
        // Longer than before, so the change shows whatever the clock's grain.
        const std::string theirs = disk[file] + "; from elsewhere " + std::to_string(step) + "\r\n";
        test::writeFile(file, theirs);
        disk[file] = theirs;
        t.documents->checkFiles();
        if (modified) {
            EXPECT_EQ(document->bytes(), mine) << "unsaved work stays over an outside change";
            EXPECT_TRUE(document->outsideChangePending());
        } else if (!document->outsideChangePending()) {
            EXPECT_EQ(document->bytes(), theirs) << "an unmodified document reads the change";
            note(document);
        }
    }

    void keepMine()
    {
        for (TextDocument* document : texts()) {
            if (document->outsideChangePending()) {
                document->keepMine();
                EXPECT_FALSE(document->outsideChangePending());
                return;
            }
        }
    }

    void openOrCloseWindow()
    {
        const auto before = unsavedWork(true);
        const WindowKind kind = kTextWindows[below(std::size(kTextWindows))];
        if (QWidget* w = main->loadedWindow(kind); w && chance(60))
            main->closeWindow(w);
        else
            main->openWindow(kind);
        QCoreApplication::processEvents();
        // A view coming or going changes no document, and only one without
        // changes may go with it (the notepad's, that nothing else names).
        for (const Unsaved& work : before) {
            if (work.document && !readAgain.count(work.document))
                EXPECT_EQ(qobject_cast<TextDocument*>(work.document)->bytes(), work.bytes) << work.name;
            else
                EXPECT_FALSE(work.modified) << work.name << " went with its window";
        }
    }

    void switchCharacter()
    {
        const auto before = unsavedWork();
        const QList<Answer> answers = queueAnswers();
        main->openCharacter(chance(50) ? hero : twin);
        expectNothingLost(before, answers);
    }

    void undoFromTheEditMenu()
    {
        QWidget* active = main->activeWindow();
        auto* view = dynamic_cast<DocumentView*>(active);
        auto* document = view ? qobject_cast<TextDocument*>(view->viewedDocument()) : nullptr;
        if (!document)
            return;
        main->undoAction()->trigger();
        expectAsSeen(document, "after Edit > Undo");
    }

    // --- what must hold -----------------------------------------------------------

    struct Unsaved {
        QPointer<Document> document;
        QString name;
        std::string file;
        std::string bytes;
        bool modified = true;
    };
    // The documents with changes (every document, with `all`).
    std::vector<Unsaved> unsavedWork(bool all = false) const
    {
        std::vector<Unsaved> work;
        for (TextDocument* document : texts()) {
            if (all || document->isModified())
                work.push_back(
                    {document, document->displayName(), where(document), document->bytes(), document->isModified()});
        }
        return work;
    }
    QList<Answer> queueAnswers()
    {
        t.dialogs.clear();
        QList<Answer> answers;
        for (int k = 0; k < 12; ++k) {
            const int r = below(10);
            answers << (r < 5 ? Answer::No : r < 8 ? Answer::Yes : Answer::Cancel);
            t.dialogs.answers.enqueue(answers.last());
        }
        return answers;
    }
    // Each piece of unsaved work is still there, or saved, or the user let it
    // go: a question about it was answered No.
    void expectNothingLost(const std::vector<Unsaved>& before, const QList<Answer>& answers)
    {
        for (const Unsaved& work : before) {
            if (work.document) {
                EXPECT_EQ(qobject_cast<TextDocument*>(work.document)->bytes(), work.bytes) << work.file;
                if (!work.document->isModified() && !work.file.empty()) {
                    EXPECT_EQ(test::readFile(work.file), asSaved(work.bytes)) << "saved when asked: " << work.file;
                    disk[work.file] = asSaved(work.bytes);
                }
                continue;
            }
            bool letGo = false;
            for (qsizetype k = 0; k < t.dialogs.messages.size(); ++k) {
                const auto& m = t.dialogs.messages[k];
                const bool aboutIt = m.title == work.name || m.title == "Notepad";
                if (aboutIt && k < answers.size() && answers[k] == Answer::No)
                    letGo = true;
                if (aboutIt && k < answers.size() && answers[k] == Answer::Yes && !work.file.empty()
                    && fs::exists(work.file) && test::readFile(work.file) == asSaved(work.bytes)) {
                    letGo = true; // saved, then closed
                    disk[work.file] = asSaved(work.bytes);
                }
            }
            EXPECT_TRUE(letGo) << "unsaved work in " << work.name
                               << " went without a No: " << t.dialogs.messageTexts().join(" | ");
        }
    }

    void expectAsSeen(const TextDocument* document, const char* when)
    {
        const auto history = seen.find(document);
        if (history == seen.end() || history->second.alive != document)
            return;
        const auto at = history->second.states.find(document->undoStack()->index());
        if (at != history->second.states.end())
            EXPECT_EQ(document->bytes(), at->second) << when << " in " << where(document);
    }

    void expectEverythingHolds()
    {
        for (const auto& [file, bytes] : disk)
            ASSERT_EQ(test::readFile(file), bytes) << file << " after step " << step;
        std::set<const Document*> open;
        for (TextDocument* document : texts()) {
            open.insert(document);
            if (const auto known = seen.find(document); known == seen.end() || known->second.alive != document) {
                // Newly opened: it reads the file as it is.
                if (!document->fileName().isEmpty() && !document->isModified() && disk.count(where(document)))
                    EXPECT_EQ(document->bytes(), disk[where(document)]) << where(document) << " at step " << step;
                note(document);
            }
            expectAsSeen(document, "at rest");
        }
        std::erase_if(seen, [&open](const auto& entry) { return !open.count(entry.first) || !entry.second.alive; });
        // Every text window shows its document as it is, marked when it has changes.
        std::map<const Document*, QString> shown;
        for (WindowKind kind : kTextWindows) {
            TextEditorWindow* w = window(kind);
            if (!w || !w->viewedDocument())
                continue;
            EXPECT_EQ(w->isWindowModified(), w->viewedDocument()->isModified()) << windowKey(kind);
            const QString text = w->editor()->toPlainText();
            if (const auto other = shown.find(w->viewedDocument()); other != shown.end())
                EXPECT_EQ(text, other->second) << "two views of one document differ: " << windowKey(kind);
            shown[w->viewedDocument()] = text;
        }
    }

    void run(int steps)
    {
        for (step = 1; step <= steps && !::testing::Test::HasFatalFailure(); ++step) {
            readAgain.clear();
            const int r = below(100);
            if (r < 24)
                type();
            else if (r < 34)
                edit();
            else if (r < 50)
                undoOrRedo();
            else if (r < 54)
                undoFromTheEditMenu();
            else if (r < 63)
                save();
            else if (r < 65)
                saveNotesAs();
            else if (r < 67)
                newNotes();
            else if (r < 71)
                revert();
            else if (r < 77)
                changeOnDisk();
            else if (r < 79)
                keepMine();
            else if (r < 96)
                openOrCloseWindow();
            else
                switchCharacter();
            if (step % 16 == 0)
                QCoreApplication::processEvents(); // the file watcher has its say too
            expectEverythingHolds();
        }
        // The close-down, answered No throughout, writes nothing and loses
        // nothing it did not ask about.
        const auto before = unsavedWork();
        t.dialogs.clear();
        QList<Answer> answers;
        for (int k = 0; k < 40; ++k) {
            answers << Answer::No;
            t.dialogs.answers.enqueue(Answer::No);
        }
        EXPECT_TRUE(main->close());
        expectNothingLost(before, answers);
        for (const auto& [file, bytes] : disk)
            EXPECT_EQ(test::readFile(file), bytes)
                << file << " after the close-down: " << t.dialogs.messageTexts().join(" | ");
    }
};

} // namespace

TEST(DocumentProperty, RandomSessionsKeepEveryFileAsTheModelSays)
{
    for (const unsigned seed : {99991U, 1U, 7U, 2024U}) {
        SCOPED_TRACE(seed);
        Session session(seed);
        session.setUp();
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        session.run(800);
    }
}
