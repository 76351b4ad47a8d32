// The collision box editor driven as a user would: mouse drags and keys on
// the canvas, the lists and buttons, with every edit landing in the AIR text
// window (its undo, its Save); and the preview reading that text.

#include "anim/action_panel.h"
#include "anim/animation_preview.h"
#include "anim/box_canvas.h"
#include "anim/collision_box_window.h"
#include "anim/frame_panel.h"
#include "anim/register_windows.h"
#include "anim_fixtures.h"
#include "shell/main_window.h"
#include "sprites/register_windows.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/editor_text_box.h"
#include "text/register_windows.h"
#include "text/text_document.h"
#include "text/text_editor_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QUndoStack>
#include <QWheelEvent>

using namespace vantrel;

namespace {

const QColor kStage(0x9c, 0xa4, 0xac);

// Frame 0 stands 40 pixels right of the axis; frame 2's box line does not read.
const std::string kSmallAir = "[Begin Action 0]\r\n"
                              "Clsn2Default: 1\r\n Clsn2[0] = -10, 0, 10, -60\r\n"
                              "0,0, 40,0, 5\r\n"
                              "Clsn1: 2\r\n Clsn1[0] = 5, -50, 40, -40\r\n Clsn1[1] = 0, -30, 20, -20\r\n"
                              "0,1, 0,0, 5\r\n"
                              "Clsn1: 1\r\n Clsn1[0] = 1, 2, 3\r\n"
                              "0,0, 0,0, 5\r\n";

struct BoxWindowTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    MainWindow main{app};
    std::string original;

    void SetUp() override
    {
        // Colour 0 on the top half: drawn transparent.
        test::writeFile(t.path("tempsff/a.pcx"), test::pcx(60, 80, 0));
        std::vector<SpriteRecord> records;
        for (const char* group : {"0", "200"}) {
            for (const char* image : {"0", "1", "2"})
                records.push_back({"tempsff/a.pcx", group, image, "30", "80"});
        }
        test::setSprites(app, std::move(records));
        registerAnimWindows(main);
        registerTextWindows(main);
        main.resize(1400, 1000);
        main.show();
    }
    void useAir(std::string bytes)
    {
        // Another file in the same place: its document is read afresh.
        if (TextDocument* open = air())
            t.documents->closeDocument(open);
        test::files(app).animationFile = t.path("chars/kfm.air");
        test::writeFile(test::files(app).animationFile, bytes);
        // The AIR window shows the text without its byte-order mark.
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.erase(0, 3);
        original = std::move(bytes);
    }
    CollisionBoxWindow* openEditor(int action, int frame)
    {
        auto* w = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        if (!w)
            return nullptr;
        main.subWindowOf(w)->resize(1100, 820);
        QCoreApplication::processEvents();
        if (w->actionRow(action) >= 0)
            w->actionList->setCurrentRow(w->actionRow(action));
        w->frameScrollBar->setValue(frame);
        w->canvas->setZoom(2);
        return w;
    }
    // The AIR document every animation window and the AIR text window show.
    TextDocument* air()
    {
        return qobject_cast<TextDocument*>(
            t.documents->findDocument(QString::fromStdString(test::files(app).animationFile)));
    }
    // Its text against the file as it was.
    test::Difference edits() { return test::difference(original, air() ? air()->bytes() : original); }
    static void trigger(QWidget* window, const char* action) { window->findChild<QAction*>(action)->trigger(); }

    static void drag(BoxCanvas* canvas, QPoint from, QPoint by, Qt::KeyboardModifiers keys = {})
    {
        const QPoint start = canvas->toWidget(from), end = canvas->toWidget(from + by);
        QTest::mousePress(canvas, Qt::LeftButton, keys, start);
        QTest::mouseMove(canvas, (start + end) / 2);
        QTest::mouseRelease(canvas, Qt::LeftButton, keys, end);
    }
    static QColor pixel(BoxCanvas* canvas, QPoint at)
    {
        return canvas->grab().toImage().pixelColor(canvas->toWidget(at));
    }
};

} // namespace

TEST_F(BoxWindowTest, DragMoveAndResizeOnThePunchBecomeUndoableEditsOfTheAirWindow)
{
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        useAir(test::readFile(test::realchars(file)));
        CollisionBoxWindow* w = openEditor(200, 2);
        ASSERT_NE(w, nullptr) << file;
        ASSERT_EQ(w->boxes().boxes[0].size(), 1u) << file;
        EXPECT_EQ(w->boxes().boxes[0][0].box, (AirBox{16, -80, 61, -71}));
        EXPECT_EQ(w->windowTitle(), "Animation - kfm.air[*]");
        EXPECT_FALSE(w->isWindowModified());

        drag(w->canvas, {38, -75}, {3, 0}); // grabbed inside: moved
        ASSERT_NE(air(), nullptr) << file;
        EXPECT_TRUE(air()->isModified());
        EXPECT_TRUE(w->isWindowModified());
        EXPECT_EQ(main.loadedWindow(WindowKind::AnimationText), nullptr) << "no other window is needed";
        EXPECT_EQ(edits().removed, std::vector<std::string>{" Clsn1[0] =  16,-80, 61,-71"}) << file;
        EXPECT_EQ(edits().added, std::vector<std::string>{" Clsn1[0] =  19,-80, 64,-71"}) << file;
        EXPECT_EQ(w->boxes().boxes[0][0].box, (AirBox{19, -80, 64, -71}));
        EXPECT_EQ(std::pair(w->canvas->selectedIndex(), w->boxLists[0]->currentRow()), std::pair(0, 0));

        drag(w->canvas, {64, -75}, {6, 0});   // the right edge
        drag(w->canvas, {19, -80}, {-4, -2}); // the top-left corner
        EXPECT_EQ(w->boxes().boxes[0][0].box, (AirBox{15, -82, 70, -71}));
        EXPECT_EQ(edits().added, std::vector<std::string>{" Clsn1[0] =  15,-82, 70,-71"}) << file;
        EXPECT_EQ(w->boxLists[0]->item(0)->text(), "Clsn1[0] = 15, -82, 70, -71");

        // Undo takes back one box edit at a time, here and in the AIR text
        // window alike (one history); the editor follows.
        trigger(w, "undoAction");
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->boxes().boxes[0][0].box == AirBox{19, -80, 70, -71}; }, 2000));
        auto* text = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::AnimationText));
        ASSERT_NE(text, nullptr);
        text->undo();
        trigger(w, "undoAction");
        EXPECT_EQ(air()->bytes(), original) << file;
        EXPECT_FALSE(air()->isModified());
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->boxes().boxes[0][0].box == AirBox{16, -80, 61, -71}; }, 2000));
        trigger(w, "redoAction");
        EXPECT_EQ(text->textBytes(), air()->bytes());
        EXPECT_TRUE(text->modified());

        delete text;
        delete w;
    }
}

TEST_F(BoxWindowTest, TheBoxWindowFollowsAnActionByItsNumberAndTheTextsCaret)
{
    useAir(kSmallAir + "\r\n[Begin Action 200]\r\n0,0, 0,0, 5\r\n0,1, 0,0, 5\r\n");
    CollisionBoxWindow* w = openEditor(200, 1);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->actionNumberLabel->text(), "200");
    ASSERT_EQ(w->frameIndex(), 1);

    // An action typed above the one shown: the window stays on action 200,
    // and a box drawn at once goes to it.
    const std::string above = "[Begin Action 5]\r\n0,0, 0,0, 5\r\n\r\n";
    air()->replaceBytes(above + original, "Type");
    w->addDrawnBox({1, 2, 3, 4});
    const std::string text = air()->bytes();
    const std::size_t header = text.find("[Begin Action 200]");
    const std::size_t drawn = text.find("Clsn", header);
    ASSERT_NE(drawn, std::string::npos) << text;
    EXPECT_LT(text.find("[Begin Action 0]"), header);
    EXPECT_EQ(text.find("Clsn2[0] =   1,  2,  3,  4"), std::string::npos) << "no other action took the box";
    EXPECT_EQ(w->actionNumberLabel->text(), "200");
    EXPECT_EQ(w->actionIndex(), 2);
    EXPECT_EQ(w->frameIndex(), 1);

    // The AIR text's caret and the box window follow each other.
    auto* airText = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::AnimationText));
    ASSERT_NE(airText, nullptr);
    const int actionZeroLine = static_cast<int>(
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find("[Begin Action 0]")), '\n'));
    QTextCursor caret(airText->editor()->document()->findBlockByNumber(actionZeroLine + 2));
    airText->editor()->setTextCursor(caret);
    EXPECT_EQ(w->actionNumberLabel->text(), "0");
    w->showAction(3);
    EXPECT_EQ(w->actionNumberLabel->text(), "200");
    EXPECT_EQ(airText->editor()->textCursor().block().text(), "[Begin Action 200]");

    // Its document's commands have the usual keys here too.
    const auto keys = [w](const char* name) { return w->findChild<QAction*>(name)->shortcuts(); };
    EXPECT_TRUE(keys("undoAction").contains(QKeySequence(QKeySequence::Undo)));
    EXPECT_TRUE(keys("redoAction").contains(QKeySequence("Ctrl+Shift+Z")));
    EXPECT_TRUE(keys("saveAction").contains(QKeySequence(QKeySequence::Save)));
    delete airText;
    delete w;
}

TEST_F(BoxWindowTest, ADrawnBoxIsSavedByTheAirWindowAndReadAgain)
{
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        const std::string bytes = test::readFile(test::realchars(file));
        useAir(bytes);
        CollisionBoxWindow* w = openEditor(200, 0);
        ASSERT_NE(w, nullptr);
        w->boxKindButtons[0]->click();
        drag(w->canvas, {-40, -100}, {20, 15}); // over empty space: a new Clsn1 box
        EXPECT_EQ(w->boxes().boxes[0].size(), 1u);
        EXPECT_EQ(w->canvas->selectedIndex(), 0);
        ASSERT_NE(air(), nullptr);
        trigger(w, "saveAction"); // the box window saves the AIR document
        EXPECT_FALSE(air()->isModified());

        // On disk: two lines before the frame, in the file's line ends; every other byte as it was.
        const AirDocument before = AirDocument::parse(bytes);
        const auto& frame = before.frames(before.actions()[static_cast<std::size_t>(before.findAction(200))])[0];
        const std::size_t at = before.lineOffset(static_cast<std::size_t>(frame.line));
        const std::string end(before.lineEnd(0));
        EXPECT_EQ(test::readFile(test::files(app).animationFile),
                  bytes.substr(0, at) + "Clsn1: 1" + end + " Clsn1[0] = -40, -100, -20, -85" + end + bytes.substr(at))
            << file;

        main.subWindowOf(w)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(main.loadedWindow(WindowKind::CollisionBoxes), nullptr);
        w = openEditor(200, 0);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(w->boxes().boxes[0].size(), 1u);
        EXPECT_EQ(w->boxes().boxes[0][0].box, (AirBox{-40, -100, -20, -85}));
        EXPECT_FALSE(w->boxes().boxes[0][0].fromDefault);
        delete w;
    }
}

TEST_F(BoxWindowTest, ListsButtonsKeysAndWarnings)
{
    useAir(kSmallAir);
    CollisionBoxWindow* w = openEditor(0, 1);
    ASSERT_NE(w, nullptr);
    auto listed = [&](int kind) {
        QStringList texts;
        for (int i = 0; i < w->boxLists[kind]->count(); ++i)
            texts << w->boxLists[kind]->item(i)->text();
        return texts;
    };
    EXPECT_EQ(listed(0), (QStringList{"Clsn1[0] = 5, -50, 40, -40", "Clsn1[1] = 0, -30, 20, -20"}));
    EXPECT_EQ(listed(1), QStringList{"Clsn2[0] = -10, 0, 10, -60 (default)"});
    EXPECT_TRUE(w->boxLists[1]->item(0)->font().italic());
    EXPECT_EQ(w->warningLabel->text(), "");

    // A row chosen in a list is the box the keys move: Shift moves 10 pixels.
    w->boxLists[0]->setCurrentRow(1);
    EXPECT_EQ(std::pair(w->canvas->selectedKind(), w->canvas->selectedIndex()), std::pair(BoxKind::Clsn1, 1));
    QTest::keyClick(w->canvas, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(w->canvas, Qt::Key_Up);
    EXPECT_EQ(edits().added, std::vector<std::string>{" Clsn1[1] = 10, -31, 30, -21"});
    EXPECT_EQ(w->boxLists[0]->currentRow(), 1);
    w->deleteBoxButtons[0]->click();
    EXPECT_EQ(edits().removed,
              (std::vector<std::string>{"Clsn1: 2", " Clsn1[0] = 5, -50, 40, -40", " Clsn1[1] = 0, -30, 20, -20"}));
    EXPECT_EQ(edits().added, (std::vector<std::string>{"Clsn1: 1", " Clsn1[0] = 5, -50, 40, -40"}));
    // A click on the canvas selects, Delete removes, and the frame's block goes with its last box.
    QTest::mouseClick(w->canvas, Qt::LeftButton, {}, w->canvas->toWidget({20, -45}));
    EXPECT_EQ(w->boxLists[0]->currentRow(), 0);
    QTest::keyClick(w->canvas, Qt::Key_Delete);
    EXPECT_TRUE(listed(0).isEmpty());
    EXPECT_TRUE(edits().added.empty());
    EXPECT_EQ(edits().removed.size(), 3u);

    // Boxes drawn as defaults go into the default block, which every frame without its own shows.
    w->defaultForFutureBox->setChecked(true);
    w->boxKindButtons[1]->click();
    drag(w->canvas, {-60, -20}, {10, 10});
    EXPECT_EQ(listed(1),
              (QStringList{"Clsn2[0] = -10, 0, 10, -60 (default)", "Clsn2[1] = -60, -20, -50, -10 (default)"}));
    EXPECT_EQ(w->canvas->selectedIndex(), 1);
    w->previousFrameButton->click();
    EXPECT_EQ(std::pair(w->frameIndex(), w->boxes().boxes[1].size()), std::pair(0, 2ul));
    w->deleteAllButtons[1]->click(); // the defaults go for every frame
    w->nextFrameButton->click();
    EXPECT_TRUE(w->boxes().boxes[1].empty());
    EXPECT_EQ(air()->bytes(),
              "[Begin Action 0]\r\n0,0, 40,0, 5\r\n0,1, 0,0, 5\r\n"
              "Clsn1: 1\r\n Clsn1[0] = 1, 2, 3\r\n0,0, 0,0, 5\r\n");

    // A frame whose box does not read: listed as written, warned about, and never rewritten.
    w->nextFrameButton->click();
    EXPECT_EQ(w->frameIndex(), 2);
    EXPECT_EQ(listed(0), QStringList{"Clsn1[0] = 1, 2, 3 (not understood)"});
    EXPECT_EQ(w->warningLabel->text(), "Warning: Line 5: box line does not read as four numbers");
    const std::string kept = air()->bytes();
    w->deleteAllButtons[0]->click();
    EXPECT_TRUE(w->warningLabel->text().startsWith("Not changed: Line 4: "));
    w->copyPreviousButton->click();
    EXPECT_EQ(air()->bytes(), kept);
    w->nextFrameButton->click(); // round to frame 0
    EXPECT_EQ(w->frameIndex(), 0);
    EXPECT_EQ(w->warningLabel->text(), "");
}

TEST_F(BoxWindowTest, SpriteTransparencyOnionSkinZoomAndPlay)
{
    useAir(kSmallAir);
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    // Frame 0's sprite spans 10..70 across, -80..0 up: colour 0 above, colour 1 below.
    EXPECT_EQ(pixel(w->canvas, {60, -70}), kStage);
    EXPECT_EQ(pixel(w->canvas, {60, -10}), QColor(1, 0, 254));
    w->nextFrameButton->click();
    EXPECT_EQ(pixel(w->canvas, {60, -10}), kStage);
    w->onionSkinBox->setChecked(true); // frame 0 faintly under frame 1
    const QColor faint = pixel(w->canvas, {60, -10});
    EXPECT_NE(faint, kStage);
    EXPECT_LT(std::abs(faint.red() - kStage.red()), std::abs(1 - kStage.red()));

    // Zoom: keys and wheel, 1x to 8x; the wheel keeps the point under the pointer.
    QTest::keyClick(w->canvas, Qt::Key_Plus);
    EXPECT_EQ(std::pair(w->canvas->zoom(), w->zoomLabel->text()), std::pair(3, QString("Zoom: 3x")));
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(w->canvas, Qt::Key_Minus);
    EXPECT_EQ(w->canvas->zoom(), 1);
    const QPointF under = w->canvas->toWidget({30, -40});
    const QPointF before = w->canvas->toBox(under);
    QWheelEvent wheel(under, w->canvas->mapToGlobal(under), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w->canvas, &wheel);
    EXPECT_EQ(w->canvas->zoom(), 3);
    EXPECT_EQ(w->canvas->toBox(under), before);
    EXPECT_EQ(w->canvas->spriteRect().size(), QSize(180, 240));

    // Play steps through the frames on the timer; a second press stops.
    w->playButton->click();
    EXPECT_EQ(w->playButton->text(), "Stop");
    EXPECT_EQ(w->frameIndex(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->frameIndex() == 2; }, 2000));
    w->playButton->click();
    EXPECT_EQ(w->playButton->text(), "Play");
}

TEST_F(BoxWindowTest, BoxesHaveALightFillUnderTheSpriteLaidOnceAndACrispOutline)
{
    // The sprite stands far to the left; two attack boxes overlap from x 20 to 40.
    useAir("[Begin Action 0]\r\nClsn2Default: 1\r\n Clsn2[0] = -10, 0, 10, -60\r\n"
           "Clsn1: 2\r\n Clsn1[0] = 0, -50, 40, -30\r\n Clsn1[1] = 20, -40, 60, -20\r\n0,0, -100,0, 5\r\n"
           "0,0, 0,0, 5\r\n");
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    const auto over = [](QColor colour, int alpha) {
        const auto mix = [alpha](int top, int under) { return (top * alpha + under * (255 - alpha)) / 255.0; };
        return std::array{mix(colour.red(), kStage.red()), mix(colour.green(), kStage.green()),
                          mix(colour.blue(), kStage.blue())};
    };
    const auto near = [](QColor got, std::array<double, 3> want) {
        return std::abs(got.red() - want[0]) <= 1.5 && std::abs(got.green() - want[1]) <= 1.5
            && std::abs(got.blue() - want[2]) <= 1.5;
    };
    const struct {
        QPoint at;
        std::array<double, 3> colour;
        const char* what;
    } cases[] = {
        {{15, -45}, over(Qt::red, 40), "one attack box"},
        {{30, -35}, over(Qt::red, 40), "two overlapping attack boxes: the same light fill"},
        {{-5, -10}, over(Qt::blue, 20), "a default box: lighter still"},
        {{40, -45}, over(Qt::red, 255), "the right edge: an outline one pixel wide"},
        {{39, -45}, over(Qt::red, 40), "the pixel inside it"},
        {{70, -45}, over(kStage, 255), "outside every box"},
    };
    for (const auto& c : cases) {
        const QColor got = pixel(w->canvas, c.at);
        EXPECT_TRUE(near(got, c.colour)) << c.what << ": " << got.name().toStdString();
    }
    // The selected box's grips stay white over the other boxes.
    w->boxLists[0]->setCurrentRow(0);
    EXPECT_EQ(pixel(w->canvas, {20, -30}), QColor(Qt::white)); // the middle of its bottom edge, on box 1's edge
    EXPECT_EQ(pixel(w->canvas, {40, -40}), QColor(Qt::white)); // its right edge's middle, inside box 1
    // Under a box the sprite keeps its own colours; the box's edge runs over it.
    w->nextFrameButton->click();
    EXPECT_EQ(pixel(w->canvas, {5, -20}), QColor(1, 0, 254));
    const QImage shown = w->canvas->grab().toImage();
    int dashes = 0;
    for (int y = -38; y < -2; ++y)
        dashes += shown.pixelColor(w->canvas->toWidget({-10, y})) == QColor(Qt::blue);
    EXPECT_GT(dashes, 10);
}

TEST_F(BoxWindowTest, PreviewShowsBoxesZoomsStepsAndReadsTheEditedText)
{
    useAir(kSmallAir);
    auto* air = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::AnimationText));
    auto* w = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
    ASSERT_TRUE(air && w);
    w->finishOpening();
    ASSERT_EQ(w->player().action().frameCount(), 3);
    w->nextFrameButton->click();
    EXPECT_EQ(w->frameScrollBar->value(), 1);
    EXPECT_NE(pixel(w->stage, {40, -45}), QColor(Qt::red));
    w->showBoxesBox->setChecked(true);
    EXPECT_EQ(pixel(w->stage, {40, -45}), QColor(Qt::red));
    EXPECT_EQ(pixel(w->stage, {25, -10}), QColor(1, 0, 254)); // the sprite's lower half, outside the boxes
    w->previousFrameButton->click();
    w->previousFrameButton->click(); // round to the last frame
    EXPECT_EQ(w->frameScrollBar->value(), 2);
    EXPECT_EQ(w->stage->spriteRect(), QRect(114, 144, 60, 80));
    QTest::keyClick(w->stage, Qt::Key_Plus);
    EXPECT_EQ(std::pair(w->stage->spriteRect().size(), w->zoomLabel->text()),
              std::pair(QSize(120, 160), QString("Zoom: 2x")));

    // A frame added in the AIR window shows once the action is chosen again.
    ASSERT_TRUE(air->replaceTextBytes(air->textBytes() + "0,1, 0,0, 7\r\n"));
    EXPECT_EQ(w->player().action().frameCount(), 3);
    emit w->actionCombo->activated(0);
    EXPECT_EQ(w->player().action().frameCount(), 4);
    EXPECT_EQ(w->frameScrollBar->maximum(), 3);
}

TEST_F(BoxWindowTest, TheSpriteMovesTheFramesOffsetAndABlendedFrameIsDrawnOverTheStage)
{
    useAir("[Begin Action 0]\r\n0,0, 0,0, 5\r\n0,1, 3,-2, 5, , A\r\n0,2, 0,0, 5, , , 2,2\r\n");
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);

    // Ctrl+drag: the offset moves by the stage pixels dragged, as one step.
    drag(w->canvas, {0, -20}, {7, 4}, Qt::ControlModifier);
    EXPECT_EQ(air()->bytes(), "[Begin Action 0]\r\n0,0, 7,4, 5\r\n0,1, 3,-2, 5, , A\r\n0,2, 0,0, 5, , , 2,2\r\n");
    air()->undoStack()->undo();
    EXPECT_EQ(air()->bytes(), original);
    // The arrow keys nudge it while no box is selected; Shift moves ten.
    w->canvas->setFocus();
    QTest::keyClick(w->canvas, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w->canvas, Qt::Key_Down);
    EXPECT_EQ(edits().added, (std::vector<std::string>{"0,0, -10,1, 5"}));
    EXPECT_EQ(air()->undoStack()->count(), 2);
    air()->undoStack()->undo();
    air()->undoStack()->undo();

    // Plain, the lower half is palette colour 1 (1, 0, 254); added, it is that
    // plus the stage behind it, each channel capped at 255.
    const QColor stage = BoxCanvas::stageColour();
    const QPoint lowerHalf(0, -10);
    EXPECT_EQ(pixel(w->canvas, lowerHalf), QColor(1, 0, 254));
    w->frameScrollBar->setValue(1);
    EXPECT_EQ(pixel(w->canvas, lowerHalf + QPoint(3, -2)),
              QColor(std::min(255, stage.red() + 1), stage.green(), std::min(255, stage.blue() + 254)));
    // Twice the size about the axis: the sprite reaches twice as high.
    w->frameScrollBar->setValue(2);
    EXPECT_EQ(w->canvas->spriteRect().height(), 2 * 80 * w->canvas->zoom());
    EXPECT_EQ(pixel(w->canvas, {0, -150}), stage) << "colour 0 stays transparent";
    EXPECT_EQ(pixel(w->canvas, {0, -70}), QColor(1, 0, 254)) << "the lower half now starts 80 pixels up";
}

TEST_F(BoxWindowTest, PlayingRunsOnTheGamesTicksWithItsLoopHoldAndInterpolation)
{
    // 3 ticks, 2 ticks, then a loop back to the second frame; the third
    // frame's offset is reached from the second's by interpolation.
    useAir("[Begin Action 0]\r\n0,0, 0,0, 3\r\nLoopstart\r\n0,1, 0,0, 4\r\nInterpolate Offset\r\n0,2, 40,0, 2\r\n"
           "[Begin Action 1]\r\n0,0, 0,0, 2\r\n0,1, 0,0, -1\r\n0,2, 0,0, 2\r\n");
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    w->playButton->click();
    const auto shownAfter = [&](int ticks) {
        w->advanceTicks(ticks);
        return w->frameIndex();
    };
    EXPECT_EQ(w->frameIndex(), 0);
    EXPECT_EQ(shownAfter(2), 0);
    EXPECT_EQ(shownAfter(1), 1);
    // Halfway through the second frame its sprite has moved half of the 40 pixels.
    const int left = w->canvas->spriteRect().left();
    EXPECT_EQ(shownAfter(2), 1);
    EXPECT_EQ(w->canvas->spriteRect().left() - left, 20 * w->canvas->zoom());
    EXPECT_EQ(shownAfter(2), 2);
    EXPECT_EQ(shownAfter(2), 1) << "back at the loop start";
    // Stop pauses: Play goes on from the same tick.
    w->playButton->click();
    w->playButton->click();
    EXPECT_EQ(shownAfter(3), 1);
    EXPECT_EQ(shownAfter(1), 2);
    w->playButton->click();
    // A frame chosen by hand: Play starts from the beginning.
    w->frameScrollBar->setValue(1);
    w->playButton->click();
    EXPECT_EQ(w->frameIndex(), 0);
    w->playButton->click();

    // A frame of time -1 holds for good: without the loop, playing ends on it.
    w->loopBox->setChecked(false);
    ASSERT_EQ(w->actionRow(1), 1);
    w->actionList->setCurrentRow(1);
    w->playButton->click();
    EXPECT_EQ(shownAfter(1), 0);
    EXPECT_EQ(shownAfter(1), 1);
    EXPECT_EQ(w->playButton->text(), "Play");
    EXPECT_EQ(w->frameIndex(), 1) << "the held frame stays on display";
}

TEST_F(BoxWindowTest, TheActionListShowsEveryActionWithItsFrameCountAndFirstPicture)
{
    // More actions than the collision box editor once took.
    std::string text;
    for (int number = 0; number < 300; ++number)
        text += "[Begin Action " + std::to_string(number * 10) + "]\r\n0,0, 0,0, 3\r\n"
            + (number % 2 ? "0,1, 0,0, 3\r\n" : "") + (number == 7 ? "9,9, 0,0, 3\r\n" : "");
    useAir(text);
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_EQ(w->actionList->count(), 300);
    EXPECT_EQ(w->actionList->item(2)->text(), "20   (1)");
    EXPECT_EQ(w->actionList->item(3)->text(), "30   (2)");
    EXPECT_EQ(w->actionList->item(7)->toolTip(), "3 frames");
    EXPECT_EQ(w->actionRow(2990), 299);
    // The pictures come in while the window answers.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->actionList->item(299)->icon().isNull(); }, 5000));
    EXPECT_FALSE(w->actionList->item(0)->icon().isNull());
    w->actionList->setCurrentRow(299);
    EXPECT_EQ(w->actionNumberLabel->text(), "2990");
}

TEST_F(BoxWindowTest, ABoxsFourNumbersCanBeTypedInItsList)
{
    useAir("[Begin Action 0]\r\nClsn2: 1\r\n  Clsn2[0] = -10, -60, 10, 0\r\n0,0, 0,0, 5\r\n");
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->boxLists[1]->count(), 1);
    w->boxLists[1]->item(0)->setText("Clsn2[0] = -12, -70, 14, 0");
    QCoreApplication::processEvents();
    EXPECT_EQ(edits().added, (std::vector<std::string>{"  Clsn2[0] = -12, -70, 14, 0"}));
    EXPECT_EQ(w->boxes().boxes[1].size(), 1u);

    // Anything but four numbers in range changes nothing and says why.
    const std::string before = air()->bytes();
    for (const char* typed : {"1, 2, 3", "a, b, c, d", "0, 0, 99999, 0"}) {
        w->boxLists[1]->item(0)->setText(typed);
        QCoreApplication::processEvents();
        EXPECT_EQ(air()->bytes(), before) << typed;
        EXPECT_FALSE(w->warningLabel->text().isEmpty()) << typed;
        EXPECT_NE(w->boxLists[1]->item(0)->text(), typed) << "the list shows the box as it is";
    }
}

TEST_F(BoxWindowTest, ThePreviewDrawsAScaledAndABlendedFrameAsTheAnimationWindowDoes)
{
    useAir("[Begin Action 0]\r\n0,0, 0,0, 5, , , 2,2\r\n0,1, 0,0, 5, , A\r\n");
    auto* w = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
    ASSERT_TRUE(w);
    w->finishOpening();
    // Twice the sprite's 60 x 80, about its axis at 30, 80.
    EXPECT_EQ(w->stage->spriteRect().size(), QSize(120, 160) * w->stage->zoom());
    w->nextFrameButton->click();
    const QColor stage = BoxCanvas::stageColour();
    EXPECT_EQ(pixel(w->stage, {10, -10}), // beside the axis line
              QColor(std::min(255, stage.red() + 1), stage.green(), std::min(255, stage.blue() + 254)));
}

TEST_F(BoxWindowTest, StrangeFramesAreShownWithAWarningAndNeverRewrittenUnlessEdited)
{
    // A frame of scale 1000 and angle past any sense, one whose fields do not
    // read, one whose blend does not read, and an action of 10,000 frames.
    std::string text = "[Begin Action 0]\r\n0,0, 0,0, 5, , , 1000,1000, 1e300\r\n0,x, 0,0, 5\r\n0,1, 0,0, 5, , AS9D\r\n"
                       "[Begin Action 1]\r\n";
    for (int i = 0; i < 10000; ++i)
        text += "0,0, " + std::to_string(i % 50) + ",0, 1\r\n";
    useAir(text);
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->canvas->spriteRect().isEmpty()) << "drawn as far as the stage reaches";
    FramePanel& frames = *w->framePanel;
    ASSERT_EQ(frames.table->rowCount(), 3);
    for (int row : {0, 1, 2})
        EXPECT_FALSE(frames.table->item(row, 0)->icon().isNull()) << "row " << row << " carries a warning";
    w->frameScrollBar->setValue(1);
    w->frameScrollBar->setValue(2);
    EXPECT_EQ(air()->bytes(), original) << "looking rewrites nothing";

    // Editing one field of the unreadable frame keeps the text that does not read.
    frames.table->setCurrentCell(1, 4);
    frames.table->item(1, 4)->setText("9");
    QCoreApplication::processEvents();
    EXPECT_EQ(edits().added, (std::vector<std::string>{"0,x, 0,0, 9"}));
    air()->undoStack()->undo();

    w->actionList->setCurrentRow(1);
    EXPECT_EQ(frames.table->rowCount(), 10000);
    w->frameScrollBar->setValue(9999);
    EXPECT_EQ(frames.currentFrame(), 9999);
    frames.deleteButton->click();
    EXPECT_EQ(frames.table->rowCount(), 9999);
}

TEST_F(BoxWindowTest, FromSpritesProposesTheSpritesTheSpriteWindowShows)
{
    useAir("[Begin Action 0]\r\n0,0, 0,0, 5\r\n");
    registerSpritesWindows(main);
    auto* sprites = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(sprites, nullptr);
    sprites->indexScrollBar->setValue(5); // group 200, image 1: then image 2 follows
    CollisionBoxWindow* w = openEditor(0, 0);
    ASSERT_NE(w, nullptr);
    t.dialogs.texts.enqueue(std::nullopt); // looked at, then cancelled
    QString proposed;
    w->actionPanel->proposedSprites = [&, original = w->actionPanel->proposedSprites] {
        proposed = original();
        return proposed;
    };
    w->actionPanel->fromSpritesButton->click();
    EXPECT_EQ(proposed, "200,1-2");
    EXPECT_EQ(air()->bytes(), original);

    // Taken as proposed: a new action of those two sprites, 5 ticks each.
    t.dialogs.texts.enqueue(proposed);
    w->actionPanel->fromSpritesButton->click();
    EXPECT_EQ(air()->bytes(), original + "\r\n[Begin Action 1]\r\n200,1, 0,0, 5\r\n200,2, 0,0, 5\r\n");
    EXPECT_EQ(w->actionNumberLabel->text(), "1");
}
