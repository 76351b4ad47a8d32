#include "shell/frmMain.h"
#include "sound/frmSNDAbout.h"
#include "sound/frmSondrel.h"
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
#include <QToolButton>

#include <cstdlib>
#include <memory>

namespace vantrel {
void registerSoundWindows(frmMain& main);
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
        t.app->files.SoundFile = t.path("hero/hero.snd");
        t.app->files.CharDir = t.path("hero/");
    }
    void useRealBank() { useBank(readFile(realchars("winmugen-kfm/kfm.snd"))); }

    template <typename T = QWidget>
    static T* control(const QWidget& w, const char* name)
    {
        T* c = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QString text(const QWidget& w, const char* name)
    {
        if (auto* label = w.findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        return control<QLineEdit>(w, name)->text();
    }
    static QAction* menu(const QWidget& w, const char* name) { return control<QAction>(w, name); }
};

// Closes the modal dialog that is about to run and reports its version label.
void closeNextModal(QString& seen)
{
    QTimer::singleShot(0, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        if (auto* label = modal->findChild<QLabel*>("lblVersion"))
            seen = label->text();
        modal->close();
    });
}

} // namespace

TEST_F(SondrelTest, ShowsTheCharactersBankSampleBySample)
{
    useRealBank();
    frmSondrel w(*t.app);
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(w.windowTitle(), "Sondrel");
    EXPECT_EQ(text(w, "lblCurrSample"), " 1");
    EXPECT_EQ(text(w, "lblTotalSample"), " 12");
    EXPECT_EQ(text(w, "lblLenght"), " 1042");
    EXPECT_EQ(text(w, "lblFreq"), " 8000 kHz");
    EXPECT_EQ(text(w, "lblRes"), " 8 bit - Mono");
    EXPECT_EQ(text(w, "stbStatusPath"), QString::fromStdString(t.app->files.SoundFile));
    EXPECT_EQ(text(w, "stbStatusState"), "");
    for (const char* key : {"Save", "Add", "Del", "OneSample", "AllSamples", "About"})
        EXPECT_TRUE(w.toolbarAction(key)->isEnabled()) << key;

    control<QScrollBar>(w, "hscSample")->setValue(12);
    EXPECT_EQ(text(w, "txtGroup"), "800");
    EXPECT_EQ(text(w, "lblCurrSample"), " 12");
    EXPECT_EQ(text(w, "lblFreq"), " 11025 kHz");

    if (const char* shot = std::getenv("VANTREL_SOUND_SCREENSHOT")) {
        control<QScrollBar>(w, "hscSample")->setValue(9);
        w.resize(430, 470);
        w.grab().save(QString::fromLocal8Bit(shot));
    }

    // Opening left it unmodified: saving without an edit gives the same bytes.
    EXPECT_FALSE(w.editor().modified());
    t.dialogs.files.enqueue(QString::fromStdString(t.path("copy")));
    w.Toolbar1_ButtonClick("Save");
    EXPECT_TRUE(readFile(t.path("copy.snd")) == readFile(realchars("winmugen-kfm/kfm.snd")));
    EXPECT_EQ(text(w, "stbStatusPath"), QString::fromStdString(t.path("copy.snd")));
}

TEST_F(SondrelTest, WithoutABankOnlyAboutAndExitRemain)
{
    struct Case {
        const char* what;
        std::string bytes;
        QString message;
    };
    const Case cases[] = {
        {"no file", {}, QString::fromStdString(msg::kNoSoundFile)},
        {"not a bank", "RIFF and so on, but not a bank", QString::fromStdString(msg::kNotSnd)},
    };
    for (const Case& c : cases) {
        t.dialogs.clear();
        if (c.bytes.empty())
            t.app->files.SoundFile = t.path("nothing.snd");
        else
            useBank(c.bytes);
        frmSondrel w(*t.app);
        ASSERT_EQ(t.dialogs.messageTexts(), QStringList{c.message}) << c.what;
        for (const char* key : {"Save", "Add", "Del", "OneSample", "AllSamples"})
            EXPECT_FALSE(w.toolbarAction(key)->isEnabled()) << c.what << key;
        EXPECT_TRUE(w.toolbarAction("About")->isEnabled());
        EXPECT_FALSE(control<QLineEdit>(w, "txtGroup")->isEnabled());
        EXPECT_EQ(text(w, "lblTotalSample"), "0");
        w.mnuAdd_Click();
        EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty()) << c.what;
    }
}

TEST_F(SondrelTest, WithoutSoundOutputThePlayControlsAreHidden)
{
    useRealBank();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto w = std::make_unique<frmSondrel>(*t.app);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(t.dialogs.messageTexts(), QStringList{"There is no Sound Card on this system."});
    EXPECT_EQ(t.dialogs.messages[0].title, "Vantrel");
    for (const char* name : {"cmdPlaySnd", "cmdStopSnd", "chkLoop"})
        EXPECT_TRUE(control(*w, name)->isHidden()) << name;
    EXPECT_FALSE(menu(*w, "mnuPlaySnd")->isVisible());
    EXPECT_FALSE(menu(*w, "mnuStopSnd")->isVisible());
    EXPECT_EQ(w->editor().count(), 12);
    w->mnuPlaySnd_Click();
    EXPECT_FALSE(w->player().playing());
}

TEST_F(SondrelTest, NumberBoxesTakeDigitsAndRefuseWhatIsNoNumber)
{
    useBank(makeBank({{7, 8, makeWav(8000, 1, 8, 10)}, {9, 10, makeWav(8000, 1, 8, 10)}}));
    frmSondrel w(*t.app);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* group = control<QLineEdit>(w, "txtGroup");
    auto* sample = control<QLineEdit>(w, "txtSample");

    // Focus selects the first five characters.
    group->setText("1234567");
    group->setFocus();
    QTest::qWait(10);
    EXPECT_EQ(group->selectedText(), "12345");

    group->selectAll();
    QTest::keyClicks(group, "4a-2 .5");
    EXPECT_EQ(group->text(), "425");
    QTest::keyClick(group, Qt::Key_Backspace);
    EXPECT_EQ(group->text(), "42");
    EXPECT_FALSE(w.editor().modified());

    // Leaving the box stores the number.
    sample->setFocus();
    QTest::qWait(10);
    EXPECT_EQ(w.editor().bank().Samples[0].GroupNo, 42);
    EXPECT_EQ(text(w, "stbStatusState"), "Modified");

    // Pasted text that is no number is refused and the box shows the number again.
    sample->setText("3x");
    w.txtSample_Validate();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{QString::fromStdString(msg::kBadNumber)});
    EXPECT_EQ(sample->text(), "8");
    EXPECT_EQ(w.editor().bank().Samples[0].SampleNo, 8);

    sample->clear();
    w.txtSample_Validate();
    EXPECT_EQ(sample->text(), "0");
    EXPECT_EQ(w.editor().bank().Samples[0].SampleNo, 0);

    // The proposed export name comes from the boxes.
    w.mnuSaveCurrent_Click();
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].fileName, "00420000.wav");
    EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "WAV files (*.WAV)|*.WAV");
}

TEST_F(SondrelTest, AddDeleteAndCommentThroughTheWindow)
{
    useBank(makeBank({{1, 0, makeWav(8000, 1, 8, 10)}}));
    writeFile(t.path("in/a.wav"), makeWav(22050, 2, 16, 40));
    writeFile(t.path("in/b.wav"), "bad");
    frmSondrel w(*t.app);

    t.dialogs.fileLists.enqueue({QString::fromStdString(t.path("in/a.wav")), QString::fromStdString(t.path("in/b.wav"))});
    w.mnuAdd_Click();
    EXPECT_EQ(t.dialogs.fileDialogs.at(0).filter, "WAV files (*.WAV)|*.WAV|All files (*.*)|*.*");
    ASSERT_EQ(t.dialogs.messages.size(), 2);
    EXPECT_EQ(t.dialogs.messages[0].text, "b.wav is not a valid WAV file. Choose another file.");
    EXPECT_EQ(t.dialogs.messages[1].title, "Warning");
    EXPECT_EQ(text(w, "lblTotalSample"), " 2");
    EXPECT_EQ(text(w, "lblCurrSample"), " 1");

    control<QScrollBar>(w, "hscSample")->setValue(2);
    EXPECT_EQ(text(w, "lblRes"), " 16 bit - Stereo");
    w.mnuDelete_Click();
    EXPECT_EQ(text(w, "lblTotalSample"), " 1");
    w.Toolbar1_ButtonClick("Del");
    EXPECT_EQ(text(w, "lblTotalSample"), "0");
    EXPECT_EQ(text(w, "lblCurrSample"), "0");
    EXPECT_EQ(text(w, "lblFreq"), "");
    EXPECT_EQ(text(w, "txtGroup"), "0");
    for (const char* key : {"Del", "OneSample", "AllSamples"})
        EXPECT_FALSE(w.toolbarAction(key)->isEnabled()) << key;
    EXPECT_TRUE(w.toolbarAction("Add")->isEnabled());
    EXPECT_FALSE(control<QPlainTextEdit>(w, "txtComment")->isEnabled());

    control<QPlainTextEdit>(w, "txtComment")->setPlainText(QString(600, QLatin1Char('c')));
    EXPECT_EQ(control<QPlainTextEdit>(w, "txtComment")->toPlainText().size(), 488);
    control<QPlainTextEdit>(w, "txtComment")->setPlainText("line one\nline two");
    t.dialogs.files.enqueue(QString::fromStdString(t.path("EMPTY.SND")));
    w.mnuSaveAs_Click();
    const std::string saved = readFile(t.path("EMPTY.SND"));
    ASSERT_EQ(saved.size(), 512u);
    EXPECT_EQ(saved.substr(24, 18), "line one\r\nline two");
    EXPECT_EQ(saved.substr(24 + 18, 3), "   ");
    EXPECT_FALSE(w.editor().modified());
}

TEST_F(SondrelTest, ExitClosesTheProgramAfterAskingOnce)
{
    useRealBank();
    frmMain main(*t.app);
    registerSoundWindows(main);
    auto* w = qobject_cast<frmSondrel*>(main.openWindow("frmSondrel"));
    ASSERT_NE(w, nullptr);

    w->txtGroup_Validate(); // leaving a box marks the bank modified
    ASSERT_TRUE(w->editor().modified());

    t.dialogs.answers.enqueue(Answer::Cancel);
    w->mnuExit_Click();
    EXPECT_EQ(main.window("frmSondrel"), w);

    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    w->mnuExit_Click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{QString::fromStdString(msg::kUnsaved)});
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(main.window("frmSondrel"), nullptr) << "the close-down closed the sound editor";
}

TEST_F(SondrelTest, ClosingWithUnsavedChangesAsks)
{
    useRealBank();
    frmMain main(*t.app);
    registerSoundWindows(main);
    auto* w = qobject_cast<frmSondrel*>(main.openWindow("frmSondrel"));
    ASSERT_NE(w, nullptr);
    QMdiSubWindow* frame = main.subWindowOf(w);

    ASSERT_NE(frame, nullptr);
    control<QPlainTextEdit>(*w, "txtComment")->setPlainText("changed");

    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(main.window("frmSondrel"), w);

    // Yes saves first; the window closes once the bank is written.
    t.dialogs.answers.enqueue(Answer::Yes);
    t.dialogs.files.enqueue(QString::fromStdString(t.path("saved")));
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(readFile(t.path("saved.snd")).substr(24, 7), "changed");
}

TEST_F(SondrelTest, PlaysLoopsAndStopsTheCurrentSample)
{
    useBank(makeBank({{0, 0, makeTone(150)}, {0, 1, makeTone(3000)}}));
    auto w = std::make_unique<frmSondrel>(*t.app);
    ASSERT_TRUE(t.dialogs.messages.isEmpty());
    auto* play = control<QToolButton>(*w, "cmdPlaySnd");
    auto* loop = control<QCheckBox>(*w, "chkLoop");
    EXPECT_EQ(play->toolTip(), "Play sample (F5)");

    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(w->player().playing());
    QTest::qWait(700);
    EXPECT_FALSE(w->player().playing());

    QTest::mouseClick(loop, Qt::LeftButton);
    ASSERT_TRUE(loop->isChecked());
    w->mnuPlaySnd_Click();
    QTest::qWait(700);
    EXPECT_TRUE(w->player().playing());
    QTest::mouseClick(loop, Qt::LeftButton); // clearing the box stops the sound
    EXPECT_FALSE(w->player().playing());

    QTest::mouseClick(loop, Qt::LeftButton);
    w->mnuPlaySnd_Click();
    w->mnuStopSnd_Click();
    EXPECT_FALSE(w->player().playing());

    // Deleting the sample or closing the window while it plays is safe.
    control<QScrollBar>(*w, "hscSample")->setValue(2);
    w->mnuPlaySnd_Click();
    w->mnuDelete_Click();
    EXPECT_TRUE(w->player().playing());
    w->mnuPlaySnd_Click();
    QTest::qWait(50);
    w.reset();
}

TEST_F(SondrelTest, AboutShowsTheVersion)
{
    useRealBank();
    frmMain main(*t.app);
    registerSoundWindows(main);
    auto* w = qobject_cast<frmSondrel*>(main.openWindow("frmSondrel"));
    ASSERT_NE(w, nullptr);
    QString seen;
    closeNextModal(seen);
    w->Toolbar1_ButtonClick("About");
    EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(seen).hasMatch()) << seen.toStdString();
    EXPECT_TRUE(w->isEnabled());
}
