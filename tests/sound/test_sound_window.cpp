#include "shell/main_window.h"
#include "sound/sound_window.h"
#include "sound_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace vantrel {
void registerSoundWindows(MainWindow& main);
}

using namespace vantrel;
using namespace vantrel::test;
namespace msg = vantrel::sound_messages;

namespace {

struct SondrelTest : ::testing::Test {
    TestApp t;

    void useBank(const std::string& bytes)
    {
        writeFile(t.path("hero/hero.snd"), bytes);
        t.app->files.soundFile = t.path("hero/hero.snd");
        t.app->files.characterDir = t.path("hero/");
    }
    void useRealBank() { useBank(readFile(realchars("winmugen-kfm/kfm.snd"))); }
    QStringList messages() const { return t.dialogs.messageTexts(); }

    template <typename T = QWidget>
    static T* control(const QWidget& w, const char* name)
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
    static void showSample(const QWidget& w, int i) { control<QScrollBar>(w, "hscSample")->setValue(i); }
};

} // namespace

TEST_F(SondrelTest, ShowsTheCharactersBankSampleBySample)
{
    useRealBank();
    SoundWindow w(*t.app);
    EXPECT_EQ(messages(), QStringList{});
    EXPECT_EQ(texts(w, {"lblCurrSample", "lblTotalSample", "lblLenght", "lblFreq", "lblRes", "stbStatusState"}),
              " 1| 12| 1042| 8000 kHz| 8 bit - Mono|");
    EXPECT_EQ(text(w, "stbStatusPath"), QString::fromStdString(t.app->files.soundFile));
    EXPECT_EQ(control<QPlainTextEdit>(w, "txtComment")->toPlainText(), ""); // the comment is all zero bytes
    for (const char* key : {"Save", "Add", "Del", "OneSample", "AllSamples", "About"})
        EXPECT_TRUE(w.toolbarAction(key)->isEnabled()) << key;

    showSample(w, 12);
    EXPECT_EQ(texts(w, {"txtGroup", "lblCurrSample", "lblFreq"}), "800| 12| 11025 kHz");

    // Opening left it unmodified: saving without an edit gives the same bytes.
    t.dialogs.files.enqueue(QString::fromStdString(t.path("copy")));
    w.Toolbar1_ButtonClick("Save");
    EXPECT_TRUE(readFile(t.path("copy.snd")) == readFile(realchars("winmugen-kfm/kfm.snd")));
    EXPECT_EQ(text(w, "stbStatusPath"), QString::fromStdString(t.path("copy.snd")));
}

TEST_F(SondrelTest, WithoutABankOnlyAboutAndExitRemain)
{
    t.app->files.soundFile = t.path("nothing.snd");
    SoundWindow w(*t.app);
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kNoSoundFile)});
    for (const char* key : {"Save", "Del", "OneSample", "AllSamples", "Add"})
        EXPECT_FALSE(w.toolbarAction(key)->isEnabled()) << key;
    EXPECT_TRUE(w.toolbarAction("About")->isEnabled());
    EXPECT_FALSE(control(w, "txtGroup")->isEnabled());
    w.mnuAdd_Click();
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
}

TEST_F(SondrelTest, WithoutSoundOutputThePlayControlsAreHidden)
{
    useRealBank();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    auto w = std::make_unique<SoundWindow>(*t.app);
    qputenv("SDL_AUDIODRIVER", "dummy");
    ASSERT_EQ(messages(), QStringList{"There is no Sound Card on this system."});
    EXPECT_EQ(t.dialogs.messages[0].title, "Vantrel");
    for (const char* name : {"cmdPlaySnd", "cmdStopSnd", "chkLoop"})
        EXPECT_TRUE(control(*w, name)->isHidden()) << name;
    for (const char* name : {"mnuPlaySnd", "mnuStopSnd"})
        EXPECT_FALSE(control<QAction>(*w, name)->isVisible()) << name;
    w->mnuPlaySnd_Click();
    EXPECT_FALSE(w->player().playing());
}

TEST_F(SondrelTest, NumberBoxesTakeDigitsAndRefuseWhatIsNoNumber)
{
    useBank(makeBank({{7, 8, makeWav(8000, 1, 8, 10)}, {9, 10, makeWav(8000, 1, 8, 10)}}));
    SoundWindow w(*t.app);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* group = control<QLineEdit>(w, "txtGroup");
    auto* sample = control<QLineEdit>(w, "txtSample");

    group->setText("1234567");
    group->setFocus();
    QTest::qWait(10);
    EXPECT_EQ(group->selectedText(), "12345") << "focus selects the first five characters";

    group->selectAll();
    QTest::keyClicks(group, "4a-2 .5");
    QTest::keyClick(group, Qt::Key_Backspace);
    EXPECT_EQ(group->text(), "42");
    EXPECT_FALSE(w.editor().modified());

    sample->setFocus(); // leaving the box stores the number
    QTest::qWait(10);
    EXPECT_EQ(w.editor().bank().Samples[0].groupNumber, 42);
    EXPECT_EQ(text(w, "stbStatusState"), "Modified");

    // Pasted text that is no number is refused and the box shows the number again.
    sample->setText("3x");
    w.txtSample_Validate();
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kBadNumber)});
    EXPECT_EQ(sample->text(), "8");
    EXPECT_EQ(w.editor().bank().Samples[0].sampleNumber, 8);

    w.mnuSaveCurrent_Click();
    EXPECT_EQ(t.dialogs.fileDialogs.value(0).fileName, "00420008.wav") << "the export name comes from the boxes";
}

TEST_F(SondrelTest, AddDeleteAndCommentThroughTheWindow)
{
    useBank(makeBank({{1, 0, makeWav(8000, 1, 8, 10)}}));
    writeFile(t.path("in/a.wav"), makeWav(22050, 2, 16, 40));
    writeFile(t.path("in/b.wav"), "bad");
    SoundWindow w(*t.app);

    t.dialogs.fileLists.enqueue({QString::fromStdString(t.path("in/a.wav")), QString::fromStdString(t.path("in/b.wav"))});
    w.mnuAdd_Click();
    EXPECT_EQ(t.dialogs.fileDialogs.at(0).filter, "WAV files (*.WAV)|*.WAV|All files (*.*)|*.*");
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(texts(w, {"lblTotalSample", "lblCurrSample"}), " 2| 1");

    showSample(w, 2);
    w.mnuDelete_Click();
    EXPECT_EQ(text(w, "lblTotalSample"), " 1");
    w.Toolbar1_ButtonClick("Del");
    EXPECT_EQ(texts(w, {"lblTotalSample", "lblCurrSample", "lblFreq", "txtGroup"}), "0|0||0");
    for (const char* key : {"Del", "OneSample", "AllSamples"})
        EXPECT_FALSE(w.toolbarAction(key)->isEnabled()) << key;
    EXPECT_TRUE(w.toolbarAction("Add")->isEnabled());
    auto* comment = control<QPlainTextEdit>(w, "txtComment");
    EXPECT_FALSE(comment->isEnabled());

    comment->setPlainText(QString(600, QLatin1Char('c')));
    EXPECT_EQ(comment->toPlainText().size(), 488);
    comment->setPlainText("line one\nline two");
    t.dialogs.files.enqueue(QString::fromStdString(t.path("EMPTY.SND")));
    w.mnuSaveAs_Click();
    const std::string saved = readFile(t.path("EMPTY.SND"));
    ASSERT_EQ(saved.size(), 512u);
    EXPECT_EQ(saved.substr(24, 21), "line one\r\nline two   ");
    EXPECT_FALSE(w.editor().modified());
}

TEST_F(SondrelTest, InTheMainWindowAboutAndAskingBeforeClosing)
{
    useRealBank();
    MainWindow main(*t.app);
    registerSoundWindows(main);
    auto open = [&main] { return qobject_cast<SoundWindow*>(main.openWindow("SoundWindow")); };
    SoundWindow* w = open();
    ASSERT_NE(w, nullptr);

    QString version;
    QTimer::singleShot(0, [&version] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        version = control<QLabel>(*modal, "lblVersion")->text();
        modal->close();
    });
    w->Toolbar1_ButtonClick("About");
    EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(version).hasMatch()) << version.toStdString();

    // Closing the frame asks; Yes saves first and closes once the bank is written.
    control<QPlainTextEdit>(*w, "txtComment")->setPlainText("changed");
    QMdiSubWindow* frame = main.subWindowOf(w);
    ASSERT_NE(frame, nullptr);
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(main.window("SoundWindow"), w);
    t.dialogs.answers.enqueue(Answer::Yes);
    t.dialogs.files.enqueue(QString::fromStdString(t.path("saved")));
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(readFile(t.path("saved.snd")).substr(24, 7), "changed");

    // Exit asks once, then the program's close-down closes the editor.
    w = open();
    ASSERT_NE(w, nullptr);
    w->txtGroup_Validate(); // leaving a box marks the bank modified
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    w->mnuExit_Click();
    EXPECT_EQ(messages(), QStringList{QString::fromStdString(msg::kUnsaved)});
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(main.window("SoundWindow"), nullptr);
}

TEST_F(SondrelTest, PlaysLoopsAndStopsTheCurrentSample)
{
    useBank(makeBank({{0, 0, makeTone(150)}, {0, 1, makeTone(3000)}}));
    auto w = std::make_unique<SoundWindow>(*t.app);
    ASSERT_EQ(messages(), QStringList{});
    auto* loop = control<QCheckBox>(*w, "chkLoop");
    QTest::mouseClick(control(*w, "cmdPlaySnd"), Qt::LeftButton);
    EXPECT_TRUE(w->player().playing());
    QTest::qWait(700);
    EXPECT_FALSE(w->player().playing()) << "a sound played once ends by itself";

    QTest::mouseClick(loop, Qt::LeftButton);
    ASSERT_TRUE(loop->isChecked());
    w->mnuPlaySnd_Click();
    QTest::qWait(700);
    EXPECT_TRUE(w->player().playing()) << "a looped sound repeats";
    QTest::mouseClick(loop, Qt::LeftButton);
    EXPECT_FALSE(w->player().playing()) << "clearing the loop box stops the sound";

    QTest::mouseClick(loop, Qt::LeftButton);
    w->mnuPlaySnd_Click();
    w->mnuStopSnd_Click();
    EXPECT_FALSE(w->player().playing());

    // Deleting the sample or closing the window while it plays is safe.
    showSample(*w, 2);
    w->mnuPlaySnd_Click();
    w->mnuDelete_Click();
    EXPECT_TRUE(w->player().playing());
    w->mnuPlaySnd_Click();
    QTest::qWait(50);
    w.reset();
}
