#include "bracket_language.h"
#include "file_drops.h"
#include "shell/main_window.h"
#include "shortcut_table.h"
#include "sound/register_windows.h"
#include "sound/sound_window.h"
#include "sound_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

using namespace vantrel;
using namespace vantrel::test;
using namespace std::string_literals;
namespace msg = vantrel::sound_messages;

namespace {

struct SoundWindowTest : ::testing::Test {
    TestApp t;

    void useBank(const std::string& bytes)
    {
        // A bank written anew is another bank: the document of the last one goes.
        if (Document* open = t.documents->findDocument(QString::fromStdString(t.path("hero/hero.snd"))))
            t.documents->closeDocument(open);
        writeFile(t.path("hero/hero.snd"), bytes);
        test::files(*t.app).soundFile = t.path("hero/hero.snd");
        test::files(*t.app).characterDir = t.path("hero/");
    }
    static bool modified(const SoundWindow& w) { return w.document() && w.document()->isModified(); }
    void useRealBank() { useBank(readFile(realchars("winmugen-kfm/kfm.snd"))); }
    QStringList messages() const { return t.dialogs.messageTexts(); }

    template <typename T = QWidget> static T* control(const QWidget& w, const char* name)
    {
        T* c = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QString text(const QWidget& w, const char* name) { return control(w, name)->property("text").toString(); }
    static QString texts(const QWidget& w, std::initializer_list<const char*> names)
    {
        QStringList out;
        for (const char* name : names)
            out << text(w, name);
        return out.join('|');
    }
    static void showSample(const QWidget& w, int i) { control<QScrollBar>(w, "sampleScrollBar")->setValue(i); }
    // The toolbar's button for the action of this name.
    static QAction* toolbarButton(const QWidget& w, const char* name)
    {
        const QList<QAction*> actions = control<QToolBar>(w, "toolbar")->actions();
        const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                        [name](const QAction* a) { return a->objectName() == QLatin1String(name); });
        EXPECT_NE(found, actions.cend()) << name;
        return found == actions.cend() ? nullptr : *found;
    }
};

} // namespace

TEST_F(SoundWindowTest, ShowsTheCharactersBankSampleBySample)
{
    useRealBank();
    SoundWindow w(*t.app);
    EXPECT_EQ(messages(), QStringList{});
    EXPECT_EQ(texts(w, {"currentLabel", "totalLabel", "lengthLabel", "rateLabel", "formatLabel", "statusState"}),
              " 1| 12| 1042| 8000 Hz| 8 bit - Mono|");
    EXPECT_EQ(text(w, "statusPath"), QString::fromStdString(test::files(*t.app).soundFile));
    EXPECT_EQ(control<QPlainTextEdit>(w, "commentEdit")->toPlainText(), ""); // the comment is all zero bytes
    for (const char* name : {"saveAsAction", "addSamplesAction", "deleteSampleAction", "exportSampleAction",
                             "exportAllAction", "aboutAction"})
        EXPECT_TRUE(toolbarButton(w, name)->isEnabled()) << name;

    showSample(w, 12);
    EXPECT_EQ(texts(w, {"groupEdit", "currentLabel", "rateLabel"}), "800| 12| 11025 Hz");

    // Opening left it unmodified: saving without an edit gives the same bytes.
    t.dialogs.files.enqueue(QString::fromStdString(t.path("copy")));
    toolbarButton(w, "saveAsAction")->trigger();
    EXPECT_TRUE(readFile(t.path("copy.snd")) == readFile(realchars("winmugen-kfm/kfm.snd")));
    EXPECT_EQ(text(w, "statusPath"), QString::fromStdString(t.path("copy.snd")));
}

TEST_F(SoundWindowTest, WithoutABankOnlyAboutAndExitRemain)
{
    test::files(*t.app).soundFile = t.path("nothing.snd");
    SoundWindow w(*t.app);
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kNoSoundFile)});
    EXPECT_EQ(t.dialogs.messages.at(0).detail,
              QString::fromStdString("Can't open file: " + t.path("nothing.snd") + " with error 2"));
    for (const char* name :
         {"saveAsAction", "deleteSampleAction", "exportSampleAction", "exportAllAction", "addSamplesAction"})
        EXPECT_FALSE(toolbarButton(w, name)->isEnabled()) << name;
    EXPECT_TRUE(toolbarButton(w, "aboutAction")->isEnabled());
    EXPECT_FALSE(control(w, "groupEdit")->isEnabled());
    w.addSamples();
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
}

TEST_F(SoundWindowTest, ARefusedBankIsNamedWithWhy)
{
    const std::string path = t.path("hero/notes.snd");
    writeFile(path, "RIFF: not a sound bank at all");
    test::files(*t.app).soundFile = path;
    SoundWindow w(*t.app);
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kNotSnd)});
    EXPECT_EQ(t.dialogs.messages.at(0).detail,
              QString::fromStdString(path + ": the file does not start with the SND signature \"ElecbyteSnd\""));

    // In another language the reason is told in it, the file's name as it is.
    test::BracketLanguage language({QStringLiteral("Messages")});
    QCoreApplication::installTranslator(&language);
    SoundWindow again(*t.app);
    QCoreApplication::removeTranslator(&language);
    EXPECT_EQ(t.dialogs.messages.last().text, "[" + QString::fromStdString(msg::kNotSnd) + "]");
    EXPECT_EQ(
        t.dialogs.messages.last().detail,
        QString::fromStdString("[" + path + ": [the file does not start with the SND signature \"ElecbyteSnd\"]]"));
}

TEST_F(SoundWindowTest, WithoutSoundOutputPlayIsDisabledAndTheMessageComesOnce)
{
    useRealBank();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    auto w = std::make_unique<SoundWindow>(*t.app);
    ASSERT_EQ(messages(), QStringList{"There is no Sound Card on this system."});
    EXPECT_EQ(t.dialogs.messages[0].title, "Vantrel");
    for (const char* name : {"playButton", "stopButton", "loopBox"}) {
        EXPECT_FALSE(control(*w, name)->isEnabled()) << name;
        EXPECT_FALSE(control(*w, name)->toolTip().isEmpty()) << name;
    }
    for (const char* name : {"playAction", "stopAction"})
        EXPECT_FALSE(control<QAction>(*w, name)->isEnabled()) << name;
    w->play();
    EXPECT_FALSE(w->player().playing());
    // The next sound window of the session says nothing more.
    w.reset();
    auto again = std::make_unique<SoundWindow>(*t.app);
    qputenv("SDL_AUDIODRIVER", "dummy");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_FALSE(control(*again, "playButton")->isEnabled());
}

TEST_F(SoundWindowTest, NumberBoxesTakeDigitsAndRefuseWhatIsNoNumber)
{
    useBank(makeBank({{7, 8, makeWav(8000, 1, 8, 10)}, {9, 10, makeWav(8000, 1, 8, 10)}}));
    SoundWindow w(*t.app);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* group = control<QLineEdit>(w, "groupEdit");
    auto* sample = control<QLineEdit>(w, "sampleEdit");

    group->setText("1234567");
    group->setFocus();
    QTest::qWait(10);
    EXPECT_EQ(group->selectedText(), "12345") << "focus selects the first five characters";

    group->selectAll();
    QTest::keyClicks(group, "4a-2 .5");
    QTest::keyClick(group, Qt::Key_Backspace);
    EXPECT_EQ(group->text(), "42");
    EXPECT_FALSE(modified(w));

    sample->setFocus(); // leaving the box stores the number
    QTest::qWait(10);
    EXPECT_EQ(w.editor().bank().samples[0].groupNumber, 42);
    EXPECT_EQ(text(w, "statusState"), "Modified");

    // Pasted text that is no number is refused and the box shows the number again.
    sample->setText("3x");
    w.takeSampleNumber();
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kBadNumber)});
    EXPECT_EQ(sample->text(), "8");
    EXPECT_EQ(w.editor().bank().samples[0].sampleNumber, 8);

    w.exportSample();
    EXPECT_EQ(t.dialogs.fileDialogs.value(0).fileName, "00420008.wav") << "the export name comes from the boxes";
}

TEST_F(SoundWindowTest, SavingAllSamplesSaysWhetherTheyWereWritten)
{
    useBank(makeBank({{1, 2, makeWav(8000, 1, 8, 10)}}));
    SoundWindow w(*t.app);
    std::filesystem::create_directories(t.path("out"));
    t.dialogs.files.enqueue(QString::fromStdString(t.path("out/ThisDir")));
    t.dialogs.files.enqueue(QString::fromStdString(t.path("missing/ThisDir")));
    const qsizetype before = t.dialogs.messages.size();
    w.exportAllSamples();
    w.exportAllSamples();
    ASSERT_EQ(t.dialogs.messages.size(), before + 2);
    EXPECT_EQ(t.dialogs.messages[before].text, QString::fromStdString(msg::kSamplesWritten));
    EXPECT_EQ(t.dialogs.messages[before].title, "Success");
    EXPECT_TRUE(readFile(t.path("out/00010102.wav")) == makeWav(8000, 1, 8, 10));
    EXPECT_TRUE(t.dialogs.messages[before + 1].text.contains(QString::fromStdString(t.path("missing"))));
    EXPECT_EQ(t.dialogs.messages[before + 1].title, "Warning");
}

TEST_F(SoundWindowTest, AddDeleteAndCommentThroughTheWindow)
{
    useBank(makeBank({{1, 0, makeWav(8000, 1, 8, 10)}}));
    writeFile(t.path("in/a.wav"), makeWav(22050, 2, 16, 40));
    writeFile(t.path("in/b.wav"), "bad");
    SoundWindow w(*t.app);

    t.dialogs.fileLists.enqueue(
        {QString::fromStdString(t.path("in/a.wav")), QString::fromStdString(t.path("in/b.wav"))});
    w.addSamples();
    EXPECT_EQ(t.dialogs.fileDialogs.at(0).filter, "WAV files (*.WAV)|*.WAV|All files (*.*)|*.*");
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(texts(w, {"totalLabel", "currentLabel"}), " 2| 2"); // the new sample is shown

    showSample(w, 2);
    w.deleteSample();
    EXPECT_EQ(text(w, "totalLabel"), " 1");
    toolbarButton(w, "deleteSampleAction")->trigger();
    EXPECT_EQ(texts(w, {"totalLabel", "currentLabel", "rateLabel", "groupEdit"}), "0|0||0");
    for (const char* name : {"deleteSampleAction", "exportSampleAction", "exportAllAction"})
        EXPECT_FALSE(toolbarButton(w, name)->isEnabled()) << name;
    EXPECT_TRUE(toolbarButton(w, "addSamplesAction")->isEnabled());
    auto* comment = control<QPlainTextEdit>(w, "commentEdit");
    EXPECT_FALSE(comment->isEnabled());

    comment->setPlainText(QString(600, QLatin1Char('c')));
    EXPECT_EQ(comment->toPlainText().size(), 488);
    comment->setPlainText("line one\nline two");
    t.dialogs.files.enqueue(QString::fromStdString(t.path("EMPTY.SND")));
    w.saveAs();
    const std::string saved = readFile(t.path("EMPTY.SND"));
    ASSERT_EQ(saved.size(), 512u);
    EXPECT_EQ(saved.substr(24, 21), "line one\r\nline two   ");
    EXPECT_FALSE(modified(w));
}

TEST_F(SoundWindowTest, InTheMainWindowAboutAndAskingBeforeClosing)
{
    useRealBank();
    MainWindow main(*t.app);
    registerSoundWindows(main);
    auto open = [&main] { return qobject_cast<SoundWindow*>(main.openWindow(WindowKind::Sounds)); };
    SoundWindow* w = open();
    ASSERT_NE(w, nullptr);

    QString version;
    QTimer::singleShot(0, [&version] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        version = control<QLabel>(*modal, "versionLabel")->text();
        modal->close();
    });
    toolbarButton(*w, "aboutAction")->trigger();
    EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(version).hasMatch()) << version.toStdString();

    // Closing the window asks nothing and loses nothing: the bank keeps its
    // change, and a window opened again shows it.
    control<QPlainTextEdit>(*w, "commentEdit")->setPlainText("changed");
    QMdiSubWindow* frame = main.subWindowOf(w);
    ASSERT_NE(frame, nullptr);
    t.dialogs.clear();
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(messages(), QStringList{});
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(control<QPlainTextEdit>(*w, "commentEdit")->toPlainText(), "changed");
    EXPECT_TRUE(modified(*w));

    // Exit asks once about the bank, then the program's close-down closes the editor.
    t.dialogs.answers.enqueue(Answer::No);
    w->exitProgram();
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kUnsaved)});
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(t.dialogs.messages[0].title, "hero.snd");
    EXPECT_EQ(main.loadedWindow(WindowKind::Sounds), nullptr);
}

TEST_F(SoundWindowTest, PlaysLoopsAndStopsTheCurrentSampleAndShowsItPlaying)
{
    useBank(makeBank({{0, 0, makeTone(300)}, {0, 1, makeTone(3000)}}));
    auto w = std::make_unique<SoundWindow>(*t.app);
    ASSERT_EQ(messages(), QStringList{});
    auto* loop = control<QCheckBox>(*w, "loopBox");
    auto* playing = control<QLabel>(*w, "playingLabel");
    auto* play = control<QToolButton>(*w, "playButton");
    EXPECT_EQ(playing->text(), "");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(w->player().playing());
    EXPECT_EQ(playing->text(), "Playing");
    EXPECT_TRUE(play->isDown());
    QTest::qWait(100);
    EXPECT_EQ(playing->text(), "Playing"); // still going
    QTRY_COMPARE_WITH_TIMEOUT(playing->text(), QString(), 2000);
    EXPECT_FALSE(w->player().playing()) << "a sound played once ends by itself";
    EXPECT_FALSE(play->isDown());

    QTest::mouseClick(loop, Qt::LeftButton);
    ASSERT_TRUE(loop->isChecked());
    w->play();
    QTest::qWait(700);
    EXPECT_TRUE(w->player().playing()) << "a looped sound repeats";
    QTest::mouseClick(loop, Qt::LeftButton);
    EXPECT_FALSE(w->player().playing()) << "clearing the loop box stops the sound";

    QTest::mouseClick(loop, Qt::LeftButton);
    w->play();
    w->stop();
    EXPECT_FALSE(w->player().playing());
    EXPECT_EQ(playing->text(), "");

    // Deleting the sample or closing the window while it plays is safe.
    showSample(*w, 2);
    w->play();
    w->deleteSample();
    EXPECT_TRUE(w->player().playing());
    w->play();
    QTest::qWait(50);
    w.reset();
}

namespace {

// The group number of sample 1 in a bank file on disk.
std::int32_t savedGroup(const std::string& path)
{
    const Result<SoundBank> loaded = parseSndFile(readFile(path));
    return loaded && !loaded->samples.empty() ? loaded->samples[0].groupNumber : -1;
}

// A bank of one sample whose comment field holds `comment` (zero bytes after it).
std::string bankWithComment(const std::string& comment)
{
    const std::string wav = makeWav(8000, 1, 8, 10);
    return sndHeader(1, 512, comment) + subHeader(512 + 16 + wav.size(), wav.size(), 3, 4) + wav;
}

// Puts `typed` into a number box as the user would, the box's text replaced.
void typeInto(QLineEdit* box, const QString& typed)
{
    box->selectAll();
    QTest::keyClicks(box, typed);
}

} // namespace

TEST_F(SoundWindowTest, ATypedNumberIsTakenBeforeSavingExitingClosingSwitchingAndScrolling)
{
    enum class Command { SaveAs, Save, Exit, Close, Switch, Scroll };
    const struct {
        const char* name;
        Command command;
        QString typed;
        std::int32_t group; // of sample 1 afterwards, in the bank and in the file saved
    } cases[] = {
        {"Save As", Command::SaveAs, "42", 42},
        {"Save", Command::Save, "41", 41},
        {"Exit, saving", Command::Exit, "43", 43},
        {"closing the window: the bank keeps it", Command::Close, "44", 44},
        {"another character opened, saving", Command::Switch, "46", 46},
        {"scrolling to the next sample", Command::Scroll, "45", 45},
        {"a number too large, refused before saving", Command::SaveAs, "99999999999", 7},
        {"a number too large, refused before exiting", Command::Exit, "99999999999", 7},
        {"a number too large, refused before closing", Command::Close, "99999999999", 7},
        {"a number too large, refused before switching", Command::Switch, "99999999999", 7},
    };
    // The character opened in place of the hero's: any that loads.
    writeFile(t.path("other/other.def"), "[Files]\nsprite = other.sff\n");
    writeFile(t.path("other/other.sff"), "not read: the unpacking is a stand-in");
    writeStandInUnpacker(t.path(""), "mkdir -p tempsff && printf 'x.sff\\n' > tempsff.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useBank(makeBank({{7, 8, makeWav(8000, 1, 8, 10)}, {9, 10, makeWav(8000, 1, 8, 10)}}));
        t.dialogs.clear();
        const std::string hero = t.path("hero/hero.snd");
        const std::string saved = t.path(std::string("saved-") + std::to_string(&c - cases));
        MainWindow main(*t.app);
        registerSoundWindows(main);
        auto* w = qobject_cast<SoundWindow*>(main.openWindow(WindowKind::Sounds));
        ASSERT_NE(w, nullptr);
        SoundDocument* bank = w->document();
        typeInto(control<QLineEdit>(*w, "groupEdit"), c.typed);
        const bool refused = c.group == 7;
        // Asked about the changes: Yes; asked for a file: this one.
        t.dialogs.answers.enqueue(Answer::Yes);
        t.dialogs.files.enqueue(QString::fromStdString(saved));
        QMdiSubWindow* frame = main.subWindowOf(w);
        bool closed = false;
        switch (c.command) {
        case Command::SaveAs: toolbarButton(*w, "saveAsAction")->trigger(); break;
        case Command::Save: toolbarButton(*w, "saveAction")->trigger(); break;
        case Command::Exit:
            control<QAction>(*w, "exitAction")->trigger();
            closed = main.loadedWindow(WindowKind::Sounds) == nullptr;
            break;
        case Command::Close: closed = frame->close(); break;
        case Command::Switch:
            main.openCharacter(QString::fromStdString(t.path("other/other.def")));
            closed = main.loadedWindow(WindowKind::Sounds) == nullptr;
            break;
        case Command::Scroll: showSample(*w, 2); break;
        }
        if (refused) {
            EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kBadNumber)});
            EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty()) << "the command stops at the refusal";
            EXPECT_FALSE(closed) << "the window stays open";
            EXPECT_EQ(text(*w, "groupEdit"), "7");
            EXPECT_FALSE(bank->isModified());
            continue;
        }
        switch (c.command) {
        case Command::SaveAs: EXPECT_EQ(savedGroup(saved + ".snd"), c.group); break;
        case Command::Save: EXPECT_EQ(savedGroup(hero), c.group); break;
        case Command::Exit:
        case Command::Switch:
            EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kUnsaved)});
            EXPECT_EQ(savedGroup(hero), c.group) << "Yes saves the bank to its file";
            EXPECT_TRUE(closed) << "the other character has no bank to show";
            break;
        case Command::Close:
            EXPECT_TRUE(closed);
            EXPECT_EQ(messages(), QStringList{});
            EXPECT_EQ(bank->bank().samples[0].groupNumber, c.group);
            EXPECT_TRUE(bank->isModified());
            break;
        case Command::Scroll:
            EXPECT_EQ(w->editor().bank().samples[0].groupNumber, c.group);
            EXPECT_TRUE(modified(*w));
            EXPECT_EQ(text(*w, "groupEdit"), "9") << "sample 2 is shown";
            break;
        }
        if (!closed && c.command != Command::Switch)
            t.documents->closeDocument(bank); // nothing to ask at the end of this round
    }
}

TEST_F(SoundWindowTest, LeavingANumberBoxForAnotherWindowIsNoEditUnlessSomethingWasTyped)
{
    const struct {
        const char* name;
        QString typed; // empty: the box is only visited
        bool toOtherWindow;
        bool modified;
        std::int32_t group;
    } cases[] = {
        {"visited, then another window", {}, true, false, 7},
        {"typed into, then another window", "5", true, true, 5},
        {"visited, then the next box of this window", {}, false, false, 7},
        {"typed into, then the next box of this window", "6", false, true, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useBank(makeBank({{7, 8, makeWav(8000, 1, 8, 10)}}));
        MainWindow main(*t.app);
        registerSoundWindows(main);
        auto* w = qobject_cast<SoundWindow*>(main.openWindow(WindowKind::Sounds));
        ASSERT_NE(w, nullptr);
        auto* other = new QLineEdit;
        main.mdiArea()->addSubWindow(other)->show();
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        auto* group = control<QLineEdit>(*w, "groupEdit");
        main.mdiArea()->setActiveSubWindow(main.subWindowOf(w));
        group->setFocus();
        ASSERT_TRUE(group->hasFocus());
        if (!c.typed.isEmpty())
            typeInto(group, c.typed);
        if (c.toOtherWindow)
            main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(other->parentWidget()));
        else
            control<QLineEdit>(*w, "sampleEdit")->setFocus();
        ASSERT_FALSE(group->hasFocus());
        EXPECT_EQ(modified(*w), c.modified);
        EXPECT_EQ(text(*w, "statusState"), c.modified ? "Modified" : "");
        EXPECT_EQ(w->editor().bank().samples[0].groupNumber, c.group);
    }
}

TEST_F(SoundWindowTest, TheCommentBoxHoldsWhatFitsTheFieldOnDisk)
{
    const QString a = QStringLiteral("a"), x = QStringLiteral("x"), e = QString(QChar(0xE9));
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units, four bytes
    const struct {
        const char* name;
        std::string comment; // as on disk
        int cursor;          // where the paste goes
        QString pasted;
        QString box;       // the box afterwards
        std::string bytes; // the field afterwards, before its padding
    } cases[] = {
        {"line breaks take two bytes", std::string(480, 'a'), 480, "\n\n\n\n\n", a.repeated(480) + "\n\n\n\n",
         std::string(480, 'a') + "\r\n\r\n\r\n\r\n"},
        {"typing into a full box changes nothing", std::string(488, 'a'), 10, "b", a.repeated(488),
         std::string(488, 'a')},
        {"a paste keeps what fits and the text around it", std::string(480, 'x'), 100, "1234567890ABCDEF",
         x.repeated(100) + "12345678" + x.repeated(380), std::string(100, 'x') + "12345678" + std::string(380, 'x')},
        {"UTF-8 characters take their bytes", "\xC3\xBC", 1, e.repeated(300), QString(QChar(0xFC)) + e.repeated(243),
         "\xC3\xBC" +
             [] {
                 std::string s;
                 for (int i = 0; i < 243; ++i)
                     s += "\xC3\xA9";
                 return s;
             }()},
        {"a character is never cut in half", std::string(484, 'a'), 484, face + face, a.repeated(484) + face,
         std::string(484, 'a') + "\xF0\x9F\x98\x80"},
        {"a single-byte comment stays single bytes", "\xE9t\xE9", 3, e.repeated(500), e + "t" + e + e.repeated(485),
         "\xE9t\xE9" + std::string(485, '\xE9')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useBank(bankWithComment(c.comment));
        SoundWindow w(*t.app);
        auto* box = control<QPlainTextEdit>(w, "commentEdit");
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(c.cursor);
        box->setTextCursor(cursor);
        box->insertPlainText(c.pasted);
        EXPECT_EQ(box->toPlainText(), c.box);
        const std::string path = t.path(std::string("comment-") + std::to_string(&c - cases) + ".snd");
        t.dialogs.files.enqueue(QString::fromStdString(path));
        w.saveAs();
        const std::string field = readFile(path).substr(24, 488);
        EXPECT_EQ(field, c.bytes + std::string(488 - c.bytes.size(), ' '));
    }
}

TEST_F(SoundWindowTest, ACommentNotEditedIsWrittenBackByteForByte)
{
    // Shift-JIS, a lone CR, a lone LF, a zero byte with text after it, and
    // zero bytes as padding: none of it survives a trip through the box.
    std::string comment = "\x83\x4C\x83\x83\x83\x89 kfm\rlone CR\nlone LF\r\nboth\0after the zero  "s;
    comment.resize(488, '\0');
    useBank(bankWithComment(comment));
    writeFile(t.path("in/new.wav"), makeWav(11025, 1, 8, 20));
    SoundWindow w(*t.app);
    auto* box = control<QPlainTextEdit>(w, "commentEdit");

    const struct {
        const char* name;
        std::function<void()> act;
    } steps[] = {
        {"nothing done", [] {}},
        {"a character typed and deleted",
         [box] {
             box->moveCursor(QTextCursor::End);
             box->insertPlainText("x");
             box->textCursor().deletePreviousChar();
         }},
        {"a sample added (the box is filled again)",
         [&] {
             t.dialogs.fileLists.enqueue({QString::fromStdString(t.path("in/new.wav"))});
             w.addSamples();
             ASSERT_EQ(w.editor().count(), 2);
         }},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        const std::string path = t.path(std::string("untouched-") + std::to_string(&s - steps) + ".snd");
        t.dialogs.files.enqueue(QString::fromStdString(path));
        w.saveAs();
        EXPECT_TRUE(readFile(path).substr(24, 488) == comment);
    }
}

// --- keys and drops -------------------------------------------------------------------

TEST_F(SoundWindowTest, TheStandardKeysAreEachBoundOnceAndLeaveTheBoxesTheirs)
{
    useRealBank();
    SoundWindow w(*t.app);
    const QMap<QString, QStringList> keys = boundKeys(&w);
    const struct {
        QString key;
        const char* action; // nullptr: the key is left to the boxes
    } table[] = {
        {keyText(QKeySequence::keyBindings(QKeySequence::SaveAs).value(0, QKeySequence("Ctrl+Shift+S"))),
         "saveAsAction"},
        {keyText(QKeySequence::Save), "saveAction"},
        {keyText(QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence("Ctrl+Q"))), "exitAction"},
        {keyText(QKeySequence::Delete), "deleteSampleAction"},
        {"F5", "playAction"},
        {"F6", "stopAction"},
        {keyText(QKeySequence::SelectAll), nullptr},
        {keyText(QKeySequence::Cut), nullptr},
        {keyText(QKeySequence::Copy), nullptr},
        {keyText(QKeySequence::Paste), nullptr},
    };
    for (const auto& row : table) {
        const QStringList expected = row.action ? QStringList{row.action} : QStringList{};
        EXPECT_EQ(keys.value(row.key), expected) << row.key.toStdString();
    }
    EXPECT_EQ(keysBoundTwice(&w), QStringList());
    for (QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo})
        EXPECT_TRUE(keys.contains(keyText(key))) << keyText(key).toStdString();
    EXPECT_EQ(toolbarButton(w, "saveAsAction")->toolTip(),
              "Save as... ("
                  + keyText(QKeySequence::keyBindings(QKeySequence::SaveAs).value(0, QKeySequence("Ctrl+Shift+S")))
                  + ")");
    EXPECT_EQ(toolbarButton(w, "deleteSampleAction")->toolTip(), "Delete sample (Del)");

    // Ctrl+A in the comment box selects its text.
    auto* comment = control<QPlainTextEdit>(w, "commentEdit");
    comment->setPlainText("some words");
    QTest::keyClick(comment, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(comment->textCursor().selectedText(), "some words");
}

TEST_F(SoundWindowTest, DroppedWavFilesAreAddedAndTheNewSampleShown)
{
    useBank(makeBank({{1, 0, makeTone(20)}, {1, 1, makeTone(20)}}));
    writeFile(t.path("in/a.wav"), makeWav(22050, 1, 8, 100));
    writeFile(t.path("in/b.wav"), makeWav(44100, 2, 16, 400));
    writeFile(t.path("in/notes.txt"), "not a sound");
    SoundWindow w(*t.app);
    showSample(w, 1);

    EXPECT_FALSE(dropFiles(&w, {QString::fromStdString(t.path("in/notes.txt"))}));
    EXPECT_EQ(w.editor().count(), 2);

    EXPECT_TRUE(dropFiles(&w,
                          {QString::fromStdString(t.path("in/a.wav")), QString::fromStdString(t.path("in/notes.txt")),
                           QString::fromStdString(t.path("in/b.wav"))}));
    ASSERT_EQ(w.editor().count(), 4);
    EXPECT_EQ(messages(), QStringList{});
    EXPECT_EQ(texts(w, {"currentLabel", "totalLabel", "rateLabel", "formatLabel"}), " 4| 4| 44100 Hz| 16 bit - Stereo");
    EXPECT_TRUE(modified(w));
}

// --- undo and redo -------------------------------------------------------------

TEST_F(SoundWindowTest, EveryEditIsOneStepUndoneAndDoneAgain)
{
    writeFile(t.path("in/a.wav"), makeWav(22050, 2, 16, 40));
    writeFile(t.path("in/b.wav"), makeTone(4));
    struct Case {
        const char* undoText;
        std::function<void(SoundWindow&)> edit;
    };
    const Case cases[] = {
        {"Undo Group Number",
         [](SoundWindow& w) {
             control<QLineEdit>(w, "groupEdit")->setText("42");
             w.takeGroupNumber();
         }},
        {"Undo Sample Number",
         [](SoundWindow& w) {
             control<QLineEdit>(w, "sampleEdit")->setText("");
             w.takeSampleNumber();
         }},
        {"Undo Add Sound",
         [this](SoundWindow& w) {
             t.dialogs.fileLists.enqueue({QString::fromStdString(t.path("in/a.wav"))});
             w.addSamples();
         }},
        {"Undo Add Sounds",
         [this](SoundWindow& w) {
             t.dialogs.fileLists.enqueue(
                 {QString::fromStdString(t.path("in/a.wav")), QString::fromStdString(t.path("in/b.wav"))});
             w.addSamples();
         }},
        {"Undo Delete Sound", [](SoundWindow& w) { toolbarButton(w, "deleteSampleAction")->trigger(); }},
        {"Undo Comment", // typed letter by letter: one step
         [](SoundWindow& w) {
             auto* comment = control<QPlainTextEdit>(w, "commentEdit");
             comment->setFocus();
             QTest::keyClicks(comment, "new words");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.undoText);
        useBank(makeBank({{1, 2, makeTone(1)}, {3, 4, makeTone(2)}, {5, 6, makeTone(3)}}));
        SoundWindow w(*t.app);
        w.show();
        showSample(w, 2);
        const std::string before = encodeSndFile(w.editor().bank());
        c.edit(w);
        const std::string after = encodeSndFile(w.editor().bank());
        ASSERT_NE(after, before);
        ASSERT_EQ(w.undoStack()->count(), 1);
        EXPECT_EQ(w.undoAction()->text(), c.undoText);
        EXPECT_EQ(text(w, "statusState"), "Modified");

        w.undoAction()->trigger();
        EXPECT_TRUE(encodeSndFile(w.editor().bank()) == before);
        EXPECT_FALSE(modified(w));
        EXPECT_EQ(text(w, "statusState"), "");
        EXPECT_EQ(text(w, "totalLabel"), " 3");
        const SampleTexts shown = w.editor().sampleTexts(w.editor().current());
        EXPECT_EQ(texts(w, {"currentLabel", "groupEdit", "sampleEdit"}),
                  QString::fromStdString(shown.current + "|" + shown.group + "|" + shown.sample));
        EXPECT_EQ(control<QPlainTextEdit>(w, "commentEdit")->toPlainText(), "");
        EXPECT_EQ(w.redoAction()->text(), QString(c.undoText).replace("Undo", "Redo"));

        w.redoAction()->trigger();
        EXPECT_TRUE(encodeSndFile(w.editor().bank()) == after);
        EXPECT_TRUE(modified(w));
        EXPECT_EQ(text(w, "totalLabel"), QStringLiteral(" %1").arg(w.editor().count()));
        EXPECT_EQ(w.undoStack()->count(), 1); // showing the step made none
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SoundWindowTest, UndoneEditsSaveAsTheBankWas)
{
    const std::string bank = makeBank({{1, 2, makeTone(1)}, {3, 4, makeTone(2)}, {5, 6, makeTone(3)}});
    // The sample deleted, in order: the middle one, the last, then the two left.
    useBank(bank);
    SoundWindow w(*t.app);
    for (int index : {2, 2, 1, 1}) {
        showSample(w, index);
        w.deleteSample();
    }
    EXPECT_EQ(text(w, "totalLabel"), "0");
    EXPECT_FALSE(toolbarButton(w, "deleteSampleAction")->isEnabled());
    for (int k = 0; k < 4; ++k)
        w.undoStack()->undo();
    EXPECT_TRUE(toolbarButton(w, "deleteSampleAction")->isEnabled());
    t.dialogs.files.enqueue(QString::fromStdString(t.path("back.snd")));
    w.saveAs();
    EXPECT_TRUE(readFile(t.path("back.snd")) == bank);

    // Saved: the history's state at the save is no edit, any other is.
    EXPECT_FALSE(modified(w));
    w.redoAction()->trigger(); // a delete done again, past the save
    EXPECT_EQ(text(w, "statusState"), "Modified");
    EXPECT_EQ(text(w, "totalLabel"), " 2");
    w.undoAction()->trigger();
    EXPECT_EQ(text(w, "statusState"), "");
    control<QLineEdit>(w, "groupEdit")->setText("9");
    w.takeGroupNumber();
    EXPECT_TRUE(modified(w));
    EXPECT_FALSE(w.redoAction()->isEnabled()); // the undone deletes went with the new edit
    w.undoAction()->trigger();
    EXPECT_FALSE(modified(w));
    EXPECT_EQ(text(w, "groupEdit"), "3"); // sample 2, the last one put back

    // The bank's document going (another character opens) leaves the window
    // without a history to undo.
    t.documents->closeDocument(w.document());
    EXPECT_EQ(w.undoStack(), nullptr);
    EXPECT_FALSE(w.undoAction()->isEnabled());
    EXPECT_FALSE(w.redoAction()->isEnabled());
}
