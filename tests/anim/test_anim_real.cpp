// The animation tools on the real characters, unpacked by the real sprite
// tools: the standing and punching actions loop with their own sprites.

#include "anim/action_export.h"
#include "anim/action_panel.h"
#include "anim/animation_preview.h"
#include "anim/box_canvas.h"
#include "anim/collision_box_window.h"
#include "anim/frame_panel.h"
#include "anim/register_windows.h"
#include "formats/air_edit.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cctype>
#include <filesystem>

using namespace vantrel;

TEST(AnimationOnRealCharacters, StandingAndPunchLoopWithTheirSprites)
{
    for (const auto& [def, actionCount] :
         {std::pair{"winmugen-kfm/kfm.def", 108}, std::pair{"ikemen-kfm/kfm.def", 117}}) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        main.openCharacter(QString::fromStdString(test::realchars(def)));
        ASSERT_EQ(main.statusText(), "Status: OK") << def;

        auto* w = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
        ASSERT_TRUE(w) << def;
        w->finishOpening();
        EXPECT_EQ(w->actionCombo->count(), actionCount) << def;
        w->loopBox->setChecked(true);
        for (const QString action : {"0", "200"}) {
            w->actionCombo->setCurrentIndex(w->actionCombo->findText(action));
            const AnimAction& a = w->player().action();
            ASSERT_GT(a.frameCount(), 2) << def;
            w->playButton->click();
            // Every frame shows its own sprite, then the loop comes back to frame 0.
            for (int step = 0; step <= a.frameCount(); ++step) {
                const int i = step % a.frameCount();
                EXPECT_EQ(std::pair(w->frameScrollBar->value(), w->groupLabel->text()),
                          std::pair(i, "Group: " + action));
                EXPECT_FALSE(w->stage->spriteRect().isEmpty()) << def << " frame " << i;
                EXPECT_FALSE(a.frames[static_cast<std::size_t>(i)].imagePath.empty()) << def << " frame " << i;
                ASSERT_TRUE(w->frameTimer->isActive());
                EXPECT_EQ(w->frameTimer->interval(),
                          static_cast<int>(a.frames[static_cast<std::size_t>(i)].duration) * 10);
                w->frameTimer->stop();
                w->advanceFrame();
            }
            w->stopButton->click();
        }
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << def;
        auto* boxes = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        EXPECT_EQ(boxes ? boxes->actionScrollBar->maximum() : -1, actionCount) << def;
    }
}

namespace {

// The frame lines of each action, counted apart from the model: lines whose
// text before any comment starts with a number and has at least four commas.
std::vector<int> frameLinesPerAction(const std::string& text)
{
    std::vector<int> counts;
    std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line = line.substr(0, line.find(';'));
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        if (line[first] == '[')
            counts.push_back(0);
        else if ((std::isdigit(static_cast<unsigned char>(line[first])) || line[first] == '-') && !counts.empty()
                 && std::ranges::count(line, ',') >= 4)
            ++counts.back();
    }
    return counts;
}

} // namespace

TEST(AnimationOnRealCharacters, PreviewAndBoxEditorNumberEveryFrameAlike)
{
    for (const char* name : {"winmugen-kfm", "ikemen-kfm"}) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        main.openCharacter(QString::fromStdString(test::realchars(std::string(name) + "/kfm.def")));
        ASSERT_EQ(main.statusText(), "Status: OK") << name;
        auto* preview = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
        auto* editor = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        ASSERT_TRUE(preview && editor) << name;
        preview->finishOpening();
        const std::vector<int> expected = frameLinesPerAction(test::readFile(test::files(*t.app).animationFile));
        ASSERT_EQ(static_cast<int>(expected.size()), preview->actionCombo->count()) << name;
        int missing = 0;
        for (int i = 0; i < preview->actionCombo->count(); ++i) {
            preview->actionCombo->setCurrentIndex(i);
            editor->actionScrollBar->setValue(i + 1);
            ASSERT_EQ(preview->actionCombo->currentText(), editor->actionNumberLabel->text()) << name << " " << i;
            const AnimAction& shown = preview->player().action();
            const AnimAction& edited = editor->frames();
            ASSERT_EQ(shown.frameCount(), expected[static_cast<std::size_t>(i)]) << name << " action " << i;
            ASSERT_EQ(edited.frameCount(), shown.frameCount()) << name << " action " << i;
            EXPECT_EQ(editor->frameScrollBar->maximum(), std::max(shown.lastFrameIndex(), 0));
            for (int f = 0; f < shown.frameCount(); ++f) {
                const AnimFrame& a = shown.frames[static_cast<std::size_t>(f)];
                const AnimFrame& b = edited.frames[static_cast<std::size_t>(f)];
                EXPECT_EQ(std::tuple(a.group, a.image, a.imagePath, a.duration),
                          std::tuple(b.group, b.image, b.imagePath, b.duration))
                    << name << " action " << i << " frame " << f;
                missing += a.spriteMissing ? 1 : 0;
            }
        }
        EXPECT_EQ(missing, 0) << name << ": every sprite of the real character is in its archive";
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << name;
    }
}

// The frames table and the action buttons of the box window on both real
// AIR files: each edit is the edit the AIR text library makes of the text as
// it was, one step of the document's history (undone to the same bytes,
// done again), and Ctrl+S writes it.
TEST(AnimationOnRealCharacters, FrameAndActionEditsAreStepsOfTheAirDocument)
{
    for (const char* name : {"winmugen-kfm", "ikemen-kfm"}) {
        SCOPED_TRACE(name);
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        // A copy: the window saves.
        namespace fs = std::filesystem;
        const fs::path copy = fs::path(t.dir().toStdString()) / name;
        fs::copy(test::realchars(name), copy, fs::copy_options::recursive);
        for (const fs::directory_entry& file : fs::directory_iterator(copy))
            fs::permissions(file.path(), fs::perms::owner_write, fs::perm_options::add);
        main.openCharacter(QString::fromStdString((copy / "kfm.def").string()));
        ASSERT_EQ(main.statusText(), "Status: OK");
        auto* w = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        ASSERT_TRUE(w);
        auto* air = qobject_cast<TextDocument*>(w->viewedDocument());
        ASSERT_TRUE(air);
        QUndoStack* history = air->undoStack();
        const auto showAction = [&](int number) {
            ASSERT_GE(w->actionRow(number), 0) << number;
            w->actionList->setCurrentRow(w->actionRow(number));
        };
        const auto actionIndex = [](const std::string& text, int number) {
            return AirDocument::parse(text).findAction(number);
        };
        // `edit` works on the window; `expected` gives the text it should make of the text before.
        const auto check = [&](const char* what, const std::function<void()>& edit,
                               const std::function<std::optional<std::string>(const std::string&)>& expected) {
            SCOPED_TRACE(what);
            const std::string before = air->bytes();
            const int steps = history->count();
            edit();
            QCoreApplication::processEvents(); // a typed cell is taken once the table is done with it
            const std::optional<std::string> want = expected(before);
            ASSERT_TRUE(want);
            ASSERT_NE(*want, before);
            EXPECT_EQ(air->bytes(), *want);
            EXPECT_EQ(history->count(), steps + 1);
            history->undo();
            EXPECT_EQ(air->bytes(), before);
            history->redo();
            EXPECT_EQ(air->bytes(), *want);
        };

        showAction(200);
        const int punch = actionIndex(air->bytes(), 200);
        ASSERT_GE(punch, 0);
        FramePanel& frames = *w->framePanel;
        frames.table->setCurrentCell(1, 0);
        check(
            "duplicate", [&] { frames.duplicateButton->click(); },
            [&](const std::string& s) {
                return duplicateFrame(s, {punch, 1});
            });
        EXPECT_EQ(frames.currentFrame(), 2) << "the copy is shown";
        frames.table->setCurrentCell(3, 0);
        check(
            "move up", [&] { frames.upButton->click(); },
            [&](const std::string& s) {
                return moveFrame(s, {punch, 3}, FrameMove::Up);
            });
        EXPECT_EQ(frames.currentFrame(), 2) << "the moved frame is shown";
        check(
            "delete", [&] { frames.deleteButton->click(); },
            [&](const std::string& s) {
                return deleteFrame(s, {punch, 2});
            });
        frames.table->setCurrentCell(1, 0);
        check(
            "loop start", [&] { frames.loopStartButton->click(); },
            [&](const std::string& s) {
                return setLoopStart(s, {punch, 1});
            });
        check(
            "time typed", [&] { frames.table->item(1, 4)->setText("11"); },
            [&](const std::string& s) {
                AirDocument doc = AirDocument::parse(s);
                AirFrameFields f = readFrameFields(doc.lineText(doc.frames(doc.actions()[punch])[1].line)).fields;
                f.time = 11;
                return setFrameFields(s, {punch, 1}, f);
            });
        check(
            "blend typed", [&] { frames.table->item(0, 6)->setText("as128d64"); },
            [&](const std::string& s) {
                AirDocument doc = AirDocument::parse(s);
                AirFrameFields f = readFrameFields(doc.lineText(doc.frames(doc.actions()[punch])[0].line)).fields;
                f.blend = {FrameBlendKind::AddCustom, 128, 64};
                return setFrameFields(s, {punch, 0}, f);
            });
        // A cell that does not read changes nothing and says why.
        const std::string unchanged = air->bytes();
        frames.table->item(0, 4)->setText("soon");
        QCoreApplication::processEvents();
        EXPECT_EQ(air->bytes(), unchanged);
        EXPECT_TRUE(w->warningLabel->text().contains("Time")) << w->warningLabel->text().toStdString();
        EXPECT_EQ(frames.table->item(0, 4)->text(), QString::number(w->frames().frames[0].duration));

        // Copied from the standing action, pasted after the punch's first frame.
        showAction(0);
        frames.table->setCurrentCell(0, 0);
        frames.copyButton->click();
        const std::string copied = QApplication::clipboard()->text().toStdString();
        EXPECT_EQ(std::optional(copied), copyFrames(air->bytes(), actionIndex(air->bytes(), 0), 0, 1));
        showAction(200);
        frames.table->setCurrentCell(0, 0);
        check(
            "paste", [&] { frames.pasteButton->click(); },
            [&](const std::string& s) { return pasteFrames(s, punch, 1, copied); });

        ActionPanel& actions = *w->actionPanel;
        t.dialogs.texts.enqueue(QStringLiteral("9000,0-2"));
        const int next = nextFreeActionNumber(AirDocument::parse(air->bytes()));
        check(
            "from sprites", [&] { actions.fromSpritesButton->click(); },
            [&](const std::string& s) {
                return appendAction(s, next, {{9000, 0}, {9000, 1}, {9000, 2}});
            });
        EXPECT_EQ(w->actionNumberLabel->text(), QString::number(next)) << "the new action is shown";
        t.dialogs.texts.enqueue(QStringLiteral("9876"));
        check(
            "renumber", [&] { actions.renumberButton->click(); },
            [&](const std::string& s) { return renumberAction(s, actionIndex(s, next), 9876); });
        t.dialogs.texts.enqueue(QStringLiteral("9877"));
        check(
            "duplicate action", [&] { actions.duplicateButton->click(); },
            [&](const std::string& s) { return duplicateAction(s, actionIndex(s, 9876), 9877); });
        t.dialogs.answers.enqueue(Answer::Yes);
        check(
            "delete action", [&] { actions.deleteButton->click(); },
            [&](const std::string& s) { return deleteAction(s, actionIndex(s, 9877)); });
        // A number already taken is refused.
        const std::string before = air->bytes();
        t.dialogs.texts.enqueue(QStringLiteral("200"));
        actions.renumberButton->click();
        EXPECT_EQ(air->bytes(), before);
        EXPECT_TRUE(w->warningLabel->text().contains("200"));

        // Saved from the window, the file holds what the document holds.
        w->findChild<QAction*>("saveAction")->trigger();
        // (The document holds the text after a byte-order mark, which the file keeps.)
        const std::string bom =
            test::readFile(test::realchars(std::string(name) + "/kfm.air")).rfind("\xEF\xBB\xBF", 0) == 0
            ? "\xEF\xBB\xBF"
            : "";
        EXPECT_EQ(test::readFile(test::files(*t.app).animationFile), bom + air->bytes());
        EXPECT_FALSE(air->isModified());

        // Exported from the window: the action as the document holds it, typed changes and all.
        showAction(200);
        frames.table->item(0, 4)->setText("13");
        QCoreApplication::processEvents();
        const QString sheet = t.dir() + "/punch.png";
        t.dialogs.files.enqueue(sheet);
        w->findChild<QAction*>("exportAction")->trigger();
        const QJsonArray cells =
            QJsonDocument::fromJson(QByteArray::fromStdString(test::readFile(sheetJsonPath(sheet.toStdString()))))
                .object()["frames"]
                .toArray();
        ASSERT_EQ(cells.size(), frames.table->rowCount());
        EXPECT_EQ(cells[0].toObject()["time"].toInt(), 13);
        EXPECT_FALSE(QImage(sheet).isNull());
    }
}
