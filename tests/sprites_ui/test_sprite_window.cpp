// The sprite window driven headless: editing the table, the view, the build
// through the parameters dialog, the PCX browser, and a round trip of a real
// character through the real sprite tools.

#include "file_drops.h"
#include "image/pcx.h"
#include "pcx_builder.h"
#include "shell/main_window.h"
#include "shortcut_table.h"
#include "sprites/build_options_dialog.h"
#include "sprites/pcx_browser.h"
#include "sprites/register_windows.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "ui/action_icons.h"
#include "ui/status_progress.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

using namespace vantrel;
using test::dropFiles;
using test::TestApp;

namespace {

// An 8-bit, one-plane, run-length encoded PCX with a 256-colour palette
// block; pixels are row by row. Colour k of the palette is (k, 2k, 3k).
std::string makePcx(int width, int height, const std::vector<std::uint8_t>& pixels)
{
    std::vector<std::uint8_t> encoded;
    for (std::uint8_t p : pixels) {
        if (p >= 0xC0)
            encoded.push_back(0xC1);
        encoded.push_back(p);
    }
    Palette colours;
    for (int k = 0; k < 256; ++k)
        colours[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(2 * k),
                                                static_cast<std::uint8_t>(3 * k)};
    return test::makePcx({width, height, width, 8, 1, encoded, colours});
}

std::string solidPcx(int width, int height, std::uint8_t index)
{
    return makePcx(width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), index));
}

// A picture whose edges can be told apart: colour 20 down its first column,
// 30 down its last, 40 along its first row, 50 along its last, 10 inside.
std::string framedPcx(int width, int height)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(x == 0 ? 20 : x == width - 1 ? 30 : y == 0 ? 40 : y == height - 1 ? 50 : 10);
    return makePcx(width, height, pixels);
}

QRgb paletteColour(int k)
{
    return qRgb(k, 2 * k, 3 * k) & 0xFFFFFF;
}

// A stand-in for the build tool in the application folder; `body` runs with
// the index on standard input and the options as arguments.
void writeStandInBuilder(const std::string& appDir, const std::string& body)
{
    const std::string path = appDir + "/sprmaker";
    test::writeFile(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// A stand-in build tool: keeps its arguments and the index it read, and
// writes the SFF named on the index's first line.
const char* kGoodBuilder = "echo \"$@\" > args.txt\n"
                           "cat > received.txt\n"
                           "target=$(head -n 1 received.txt | tr -d '\\r')\n"
                           "printf 'SFF' > \"$target\"";

// Answers the next "Save Parameters" dialog: ticks the boxes as given, then
// presses OK (or Cancel when `ok` is false).
void answerParameters(bool crop, bool images, bool palettes, bool ok)
{
    // The dialog runs its own event loop; look for it from inside that loop.
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, crop, images, palettes, ok] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<BuildOptionsDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            timer->stop();
            timer->deleteLater();
            dialog->cropBox->setChecked(crop);
            dialog->removeDuplicateImagesBox->setChecked(images);
            dialog->removeDuplicatePalettesBox->setChecked(palettes);
            (ok ? dialog->okButton : dialog->cancelButton)->click();
            return;
        }
    });
    timer->start();
}

QRgb rgb(QRgb pixel)
{
    return pixel & 0xFFFFFF;
}

// What a sprite looks like, independent of how the archive stores it: its
// numbers, and every non-zero pixel relative to the axis with its colour.
struct SpriteLook {
    std::int64_t group = 0, image = 0;
    std::vector<std::tuple<std::int64_t, std::int64_t, int, Rgb>> pixels;
    bool operator==(const SpriteLook&) const = default;
};

SpriteLook lookOf(const SpriteWorkspace& ws, int index, std::int64_t axisShiftX = 0)
{
    const SpriteRecord& r = ws.record(index);
    SpriteLook look{r.group(), r.imageNo(), {}};
    DecoderState decoder;
    EXPECT_EQ(loadPcx(decoder, ws.imagePath(r), kPaletteFromFile, 0), PcxStatus::Ok) << r.pcxFile;
    const DecodedImage& img = decoder.decodedPixels;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (const int p = img.at(x, y))
                look.pixels.emplace_back(x - r.axisX() - axisShiftX, y - r.axisY(), p,
                                         img.palette[static_cast<std::size_t>(p)]);
    return look;
}

// The table as text, a row a line: picture, group, image, axis x and y.
std::string tableText(const SpriteWorkspace& ws)
{
    std::string out;
    for (const SpriteRecord& r : ws.records())
        out += r.pcxFile + " " + r.groupText + " " + r.imageText + " " + r.axisXText + " " + r.axisYText + "\n";
    return out;
}

struct SpriteWindowTest : ::testing::Test {
    TestApp t;
    std::string app = t.dir().toStdString();
    std::unique_ptr<SpriteWindow> w;

    SpriteWorkspace& ws() { return test::spritesOf(*t.app)->workspace(); }
    // The table has changes that are not in an SFF yet.
    bool modified() const { return test::spritesOf(*t.app)->isModified(); }

    void SetUp() override
    {
        test::files(*t.app).characterDir = app + "/chars/hero/";
        test::setSprites(*t.app, {});
    }

    // n more records: picture sK.pcx (4 x 3, colour K), group 0, image K, axis (K, 2K).
    void fill(int n)
    {
        for (int k = 1; k <= n; ++k) {
            const std::string s = std::to_string(k);
            test::writeFile(app + "/tempsff/s" + s + ".pcx", solidPcx(4, 3, static_cast<std::uint8_t>(k)));
            ws().records().push_back({"tempsff/s" + s + ".pcx", "0", s, s, std::to_string(2 * k)});
        }
    }
    // A 2 x 2 picture outside the workspace.
    QString file(const std::string& name, std::uint8_t colour = 9)
    {
        const std::string path = app + "/in/" + name;
        test::writeFile(path, solidPcx(2, 2, colour));
        return QString::fromStdString(path);
    }
    void open(int records = 0)
    {
        fill(records);
        w = std::make_unique<SpriteWindow>(*t.app);
        w->resize(700, 500);
    }
    QString label() const { return w->positionLabel->text(); }
    QRgb pixel(QPoint p) const { return rgb(w->renderView().pixel(p)); }
    QPoint at(int dx, int dy) const { return {w->origin().x + dx, w->origin().y + dy}; }
    void sendMove(QPoint pos, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->view->mapToGlobal(QPointF(pos)), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(w->view, &move);
    }
    // Queues the answers to the next build: the SFF's name, then the parameters.
    void queueSave(const std::string& sff, bool crop, bool images, bool palettes, bool ok = true)
    {
        t.dialogs.files.enqueue(QString::fromStdString(sff));
        answerParameters(crop, images, palettes, ok);
    }
};

} // namespace

TEST_F(SpriteWindowTest, NavigationShowsTheRecordAndItsPosition)
{
    open(10);
    EXPECT_EQ(label(), "1 of 10");
    w->indexScrollBar->setValue(3);
    EXPECT_EQ(label(), " 3 of 10 ");
    EXPECT_EQ(w->axisYEdit->text(), " 6");

    // Arrows and page keys step one sprite, on the index bar too (where a page
    // key would jump a page); in a text box the arrows edit the text.
    const std::tuple<int, QWidget*, Qt::Key, int> steps[] = {
        {3, nullptr, Qt::Key_Right, 4},           {4, nullptr, Qt::Key_Left, 3},
        {10, nullptr, Qt::Key_Right, 10},         {1, nullptr, Qt::Key_Left, 1},
        {3, nullptr, Qt::Key_PageDown, 4},        {4, nullptr, Qt::Key_PageUp, 3},
        {10, nullptr, Qt::Key_PageDown, 10},      {1, nullptr, Qt::Key_PageUp, 1},
        {5, w->groupEdit, Qt::Key_Left, 5},       {5, w->indexScrollBar, Qt::Key_PageDown, 6},
        {5, w->indexScrollBar, Qt::Key_PageUp, 4}};
    for (const auto& [from, focus, key, to] : steps) {
        w->indexScrollBar->setValue(from);
        QTest::keyClick(focus ? focus : w.get(), key);
        EXPECT_EQ(w->currentIndex(), to) << from << " " << key;
        EXPECT_EQ(w->imageEdit->text().toInt(), to) << from << " " << key;
    }
    EXPECT_FALSE(modified()); // looking is not editing
}

TEST_F(SpriteWindowTest, TheRecordBoxesStoreNumbersAndClampTheAxis)
{
    open(3);
    w->axisXEdit->setText("40000");
    EXPECT_EQ(w->axisXEdit->text(), "30000");
    EXPECT_EQ(ws().record(1).axisXText, "30000");
    EXPECT_TRUE(modified());

    w->axisYEdit->clear();
    QTest::keyClicks(w->axisYEdit, "-40x000");
    EXPECT_EQ(w->axisYEdit->text(), "-30000");
    EXPECT_EQ(ws().record(1).axisYText, "-30000");

    // Digits only: other characters are dropped as they are typed.
    QTest::keyClicks(w->groupEdit, "1a2-");
    EXPECT_EQ(w->groupEdit->text(), "012");
    EXPECT_EQ(ws().record(1).groupText, "12");

    // The nudge buttons and the boxes follow each other.
    w->findChild<QToolButton*>("axisXMinusButton")->click();
    EXPECT_EQ(w->axisXEdit->text(), " 29999");
    EXPECT_EQ(ws().record(1).axisXText, "29999");
    w->findChild<QToolButton*>("axisYPlusButton")->click();
    EXPECT_EQ(ws().record(1).axisYText, "-29999");
}

TEST_F(SpriteWindowTest, AddingSeveralFilesAfterTheCurrentRecord)
{
    open(10);
    w->indexScrollBar->setValue(4);
    t.dialogs.fileLists.enqueue({file("a.pcx"), file("b.pcx"), file("c.pcx")});
    w->addImageAction->trigger();
    ASSERT_EQ(ws().count(), 13);
    EXPECT_EQ(label(), " 7 of 13 ");
    for (int r = 5; r <= 7; ++r) {
        EXPECT_EQ(ws().record(r).pcxFile, "tempsff/" + std::string(1, static_cast<char>('a' + r - 5)) + ".pcx");
        // Images 5 to 10 of group 0 are taken: the new ones take the next free numbers.
        EXPECT_EQ(ws().record(r).imageNo(), r + 6);
        EXPECT_TRUE(std::filesystem::exists(app + "/" + ws().record(r).pcxFile));
    }
    EXPECT_EQ(ws().record(8).pcxFile, "tempsff/s5.pcx");
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory.toStdString(), app + "/chars/hero/");

    // Insert adds too; a name that another picture has gets a free one.
    t.dialogs.fileLists.enqueue({file("s1.pcx", 200)});
    QTest::keyClick(w.get(), Qt::Key_Insert);
    EXPECT_EQ(ws().record(8).pcxFile, "tempsff/s1-2.pcx");
    EXPECT_EQ(test::readFile(app + "/tempsff/s1.pcx"), solidPcx(4, 3, 1));

    w->addImage(); // a cancelled dialog adds nothing
    EXPECT_EQ(ws().count(), 14);
}

TEST_F(SpriteWindowTest, TheLimitsOfTheTable)
{
    test::writeFile(app + "/tempsff/s1.pcx", solidPcx(4, 3, 1));
    ws().records().assign(19899, SpriteRecord{"tempsff/s1.pcx", "0", "0", "0", "0"});
    open();
    t.dialogs.fileLists.enqueue({file("a.pcx")});
    w->addImage();
    EXPECT_EQ(ws().count(), 19900);
    const auto dialogsBefore = t.dialogs.fileDialogs.size();
    w->addImage();
    EXPECT_EQ(t.dialogs.fileDialogs.size(), dialogsBefore); // refused before the dialog
    EXPECT_EQ(ws().count(), 19900);

    // Cloning and the browser may go on to the table's 20,000 rows.
    ws().records().resize(19999, SpriteRecord(ws().record(1)));
    w->cloneImage();
    EXPECT_EQ(ws().count(), 20000);
    w->cloneImage();
    EXPECT_FALSE(w->insertPicture(file("b.pcx")));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList(3, QStringLiteral("Too many images!")));
    EXPECT_EQ(ws().count(), 20000);
}

TEST_F(SpriteWindowTest, DeletingAsksAndKeepsAValidRecordShown)
{
    open(10);
    w->indexScrollBar->setValue(10);
    t.dialogs.answers.enqueue(Answer::No);
    w->deleteImageAction->trigger();
    EXPECT_EQ(ws().count(), 10);
    EXPECT_EQ(t.dialogs.messages.last().buttons, Buttons::YesNo);

    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteImage();
    EXPECT_EQ(label(), " 9 of 9 ");
    EXPECT_EQ(w->imageEdit->text(), "9");

    t.dialogs.answers.enqueue(Answer::Yes);
    w->indexScrollBar->setValue(2);
    QTest::keyClick(w.get(), Qt::Key_Delete);
    EXPECT_EQ(ws().count(), 8);
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/s3.pcx");
    EXPECT_EQ(w->imageEdit->text(), "3");
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList(3, QStringLiteral("Are you sure?")));
}

TEST_F(SpriteWindowTest, DeletingTheOnlyRecordLeavesAClearEmptyView)
{
    fill(1);
    ws().record(1).axisXText = "-10"; // the sprite lies right of the axis, clear of the marker
    open();
    EXPECT_NE(pixel(at(12, -1)), 0u);

    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteImage();
    EXPECT_EQ(ws().count(), 0);
    EXPECT_EQ(label(), " 0 of 0 ");
    EXPECT_EQ(w->groupEdit->text() + w->axisXEdit->text(), "");
    EXPECT_FALSE(w->indexScrollBar->isEnabled());
    EXPECT_EQ(pixel(at(12, -1)), 0u);

    // Nothing to act on, nothing breaks; adding starts the table again.
    t.dialogs.clear();
    for (QAction* action : {w->deleteImageAction, w->cloneImageAction, w->sortAction, w->editExternallyAction,
                            w->exportImageAction, w->zoomInAction, w->zoomOutAction})
        action->trigger();
    QTest::keyClick(w.get(), Qt::Key_Right);
    w->axisXEdit->setText("5");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    t.dialogs.fileLists.enqueue({file("a.pcx")});
    w->addImage();
    EXPECT_EQ(label(), " 1 of 1 ");
}

TEST_F(SpriteWindowTest, SortingIsStableAndCloningAppends)
{
    fill(4);
    const std::pair<const char*, const char*> numbers[] = {{"5", "1"}, {"0", "2"}, {"5", "0"}, {"0", "2"}};
    for (int r = 1; r <= 4; ++r)
        std::tie(ws().record(r).groupText, ws().record(r).imageText) = numbers[r - 1];
    open();
    EXPECT_EQ(w->groupEdit->text(), "5");
    w->sortAction->trigger();
    const char* order[] = {"s2", "s4", "s3", "s1"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(ws().record(r).pcxFile, "tempsff/" + std::string(order[r - 1]) + ".pcx");
    // The window shows the record now in the current row.
    EXPECT_EQ(w->groupEdit->text(), "0");
    EXPECT_EQ(w->axisYEdit->text(), " 4");

    w->indexScrollBar->setValue(3);
    w->cloneImageAction->trigger();
    ASSERT_EQ(ws().count(), 5);
    EXPECT_EQ(ws().record(5).pcxFile, "tempsff/s3.pcx");
    EXPECT_EQ(ws().record(5).axisYText, "6");
    EXPECT_EQ(label(), " 3 of 5 ");
}

// No two sprites share a group and image number: a clone takes the next free
// number, and a number typed that another sprite has is refused, naming it.
TEST_F(SpriteWindowTest, NoTwoSpritesShareANumber)
{
    open(5);
    w->indexScrollBar->setValue(3);
    w->cloneImageAction->trigger();
    ASSERT_EQ(ws().count(), 6);
    EXPECT_EQ(ws().record(6).groupText + "," + ws().record(6).imageText, "0,6");

    w->indexScrollBar->setValue(2);
    w->imageEdit->setFocus();
    w->imageEdit->selectAll();
    QTest::keyClicks(w->imageEdit, "4");
    QTest::keyClick(w->imageEdit, Qt::Key_Return);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Sprite 0,4 is taken: sprite 4 (s4.pcx) has that number."});
    EXPECT_EQ(ws().record(2).imageNo(), 2) << "the number typed is taken back";
    EXPECT_EQ(w->imageEdit->text().trimmed(), "2");

    // A free number is kept, without a word.
    t.dialogs.clear();
    w->imageEdit->selectAll();
    QTest::keyClicks(w->imageEdit, "40");
    QTest::keyClick(w->imageEdit, Qt::Key_Return);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(ws().record(2).imageNo(), 40);
}

TEST_F(SpriteWindowTest, JumpingAndJumpingBack)
{
    open(10);
    w->indexScrollBar->setValue(2);
    w->jumpGroupEdit->setText("0");
    w->jumpImageEdit->setText("7");
    QTest::mouseClick(w->jumpButton, Qt::LeftButton);
    EXPECT_EQ(w->currentIndex(), 7);
    EXPECT_EQ(w->jumpImageEdit->text(), "2");
    QTest::keyClick(w->jumpGroupEdit, Qt::Key_J); // J jumps from anywhere
    EXPECT_EQ(w->currentIndex(), 2);
    EXPECT_EQ(w->jumpImageEdit->text(), "7");
    EXPECT_EQ(w->jumpGroupEdit->text(), "0");

    w->jumpGroupEdit->setText("5");
    w->jumpImageEdit->setText("2");
    w->jumpToRecord();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"No match found for Group 5 image 2"});
    EXPECT_EQ(w->currentIndex(), 2);
}

TEST_F(SpriteWindowTest, ZoomLimitsAndButtons)
{
    t.app->zoomFactor = 2.0f;
    open(1);
    QAction* in = w->zoomInAction;
    QAction* out = w->zoomOutAction;
    const std::tuple<QAction*, float, bool, bool> steps[] = {
        {in, 4, true, true},  {in, 8, false, true},    {out, 4, true, true},     {out, 2, true, true},
        {out, 1, true, true}, {out, 0.5f, true, true}, {out, 0.25f, true, true}, {out, 0.125f, true, false},
    };
    for (const auto& [action, zoom, inEnabled, outEnabled] : steps) {
        action->trigger();
        EXPECT_EQ(t.app->zoomFactor, zoom);
        EXPECT_EQ(in->isEnabled(), inEnabled) << zoom;
        EXPECT_EQ(out->isEnabled(), outEnabled) << zoom;
    }
    // A window opened at the limit starts with that button off.
    t.app->zoomFactor = 8.0f;
    open();
    EXPECT_FALSE(w->zoomInAction->isEnabled());
}

TEST_F(SpriteWindowTest, EveryToolbarButtonShowsItsCaptionUnderAPictureOfItsOwn)
{
    open(1);
    const std::pair<const char*, ActionIcon> buttons[] = {
        {"Save", ActionIcon::Save},         {"Save As", ActionIcon::SaveAs},     {"Sort", ActionIcon::Sort},
        {"Add", ActionIcon::Add},           {"Delete", ActionIcon::Delete},      {"Clone", ActionIcon::Duplicate},
        {"Change", ActionIcon::Replace},    {"Browser", ActionIcon::Thumbnails}, {"ZoomIn", ActionIcon::ZoomIn},
        {"ZoomOut", ActionIcon::ZoomOut},   {"ShellEdit", ActionIcon::Edit},     {"SaveOne", ActionIcon::Export},
        {"SaveAll", ActionIcon::ExportAll}, {"Undo", ActionIcon::Undo},          {"Selection", ActionIcon::Picture},
    };
    const QList<QAction*> actions = w->toolBar->actions();
    ASSERT_EQ(actions.size(), std::size(buttons));
    QList<QImage> pictures;
    for (std::size_t k = 0; k < std::size(buttons); ++k) {
        const auto& [caption, icon] = buttons[k];
        QAction* action = actions[static_cast<qsizetype>(k)];
        EXPECT_EQ(action->text(), caption);
        auto* button = qobject_cast<QToolButton*>(w->toolBar->widgetForAction(action));
        ASSERT_NE(button, nullptr) << caption;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << caption;
        const QImage picture = action->icon().pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(picture.isNull()) << caption;
        EXPECT_EQ(picture, actionIcon(icon).pixmap(QSize(16, 16)).toImage()) << caption;
        EXPECT_FALSE(pictures.contains(picture)) << caption << " looks like another button";
        pictures << picture;
    }
}

TEST_F(SpriteWindowTest, DraggingMovesTheAxisAndTheLabelFloors)
{
    t.app->zoomFactor = 2.0f;
    open(2);
    const ViewPoint o = w->origin();
    QTest::mousePress(w->view, Qt::LeftButton, {}, QPoint(o.x + 10, o.y + 10));
    sendMove(QPoint(o.x + 16, o.y + 10), Qt::LeftButton);
    // The boxes and the drawing follow the drag; the record takes the axis where it ends.
    EXPECT_EQ(w->axisXEdit->text(), "-2"); // 1 - 6 / 2
    EXPECT_EQ(w->axisYEdit->text(), " 2");
    EXPECT_EQ(ws().record(1).axisXText, "1");
    sendMove(QPoint(o.x + 10, o.y + 3), Qt::LeftButton);
    EXPECT_EQ(w->axisXEdit->text(), " 1");
    EXPECT_EQ(w->axisYEdit->text(), " 5"); // floor(7 / 2) + 2
    EXPECT_FALSE(modified());
    QTest::mouseRelease(w->view, Qt::LeftButton, {}, QPoint(o.x + 10, o.y + 3));
    EXPECT_EQ(ws().record(1).axisXText, "1");
    EXPECT_EQ(ws().record(1).axisYText, "5");
    EXPECT_TRUE(modified());

    // Moving without the left button only reports the position.
    sendMove(QPoint(o.x - 3, o.y), Qt::NoButton);
    EXPECT_EQ(w->mousePositionLabel->text(), "-2,  0"); // floor(-1.5)
    sendMove(QPoint(o.x + 40, o.y + 40), Qt::RightButton);
    EXPECT_EQ(ws().record(1).axisXText, "1");
    EXPECT_EQ(w->mousePositionLabel->text(), " 20,  20");

    // Dragging far beyond the limit is clamped.
    t.app->zoomFactor = 0.125f;
    QTest::mousePress(w->view, Qt::LeftButton, {}, QPoint(o.x, o.y));
    sendMove(QPoint(o.x - 5000, o.y), Qt::LeftButton);
    QTest::mouseRelease(w->view, Qt::LeftButton, {}, QPoint(o.x - 5000, o.y));
    EXPECT_EQ(ws().record(1).axisXText, "30000");
}

TEST_F(SpriteWindowTest, PanningMovesTheOriginAndCentreBringsItBack)
{
    open(1);
    const ViewPoint o = w->origin();
    w->horizontalPanBar->setValue(kPanCentre + 10); // the picture moves left
    w->verticalPanBar->setValue(kPanCentre - 4);
    EXPECT_EQ(w->origin(), (ViewPoint{o.x - 10, o.y + 4}));
    const QImage panned = w->renderView();
    w->findChild<QPushButton*>("centreButton")->click();
    EXPECT_EQ(w->origin(), o);
    // The same drawing, shifted.
    EXPECT_EQ(panned.copy(o.x - 35, o.y - 21, 50, 50), w->renderView().copy(o.x - 25, o.y - 25, 50, 50));
}

TEST_F(SpriteWindowTest, ThePictureScrollBarsEndAtThePicturesEdgesAndStepATenthOfTheView)
{
    test::writeFile(app + "/tempsff/big.pcx", framedPcx(640, 480));
    ws().records().push_back({"tempsff/big.pcx", "0", "0", "320", "240"});
    open();
    // An even view, so that every pan puts the picture on a whole pixel.
    w->view->setFixedSize(400, 300);
    w->show();
    QApplication::processEvents();
    ASSERT_EQ(w->view->size(), QSize(400, 300));
    QScrollBar* across = w->horizontalPanBar;
    QScrollBar* down = w->verticalPanBar;
    const ViewPoint centre = w->origin();

    for (const int zoom : {1, 2, 8}) {
        while (t.app->zoomFactor < zoom)
            w->zoomInAction->trigger();
        SCOPED_TRACE(zoom);
        EXPECT_EQ(std::tuple(across->singleStep(), across->pageStep(), down->singleStep(), down->pageStep()),
                  std::tuple(40, 400, 30, 300));
        // At each end the picture's edge row or column fills the view's
        // outermost `zoom` pixels, the inside just past them.
        const auto edge = [&](QScrollBar* bar, int value, QPoint outer, QPoint inward, int colour) {
            bar->setValue(value);
            const QImage shown = w->renderView();
            EXPECT_EQ(rgb(shown.pixel(outer)), paletteColour(colour)) << colour;
            EXPECT_EQ(rgb(shown.pixel(outer + inward * (zoom - 1))), paletteColour(colour)) << colour;
            EXPECT_EQ(rgb(shown.pixel(outer + inward * zoom)), paletteColour(10)) << colour;
            bar->setValue(kPanCentre);
        };
        edge(across, across->maximum(), {399, 20}, {-1, 0}, 30);
        edge(across, across->minimum(), {0, 20}, {1, 0}, 20);
        edge(down, down->maximum(), {20, 299}, {0, -1}, 50);
        edge(down, down->minimum(), {20, 0}, {0, 1}, 40);
        EXPECT_EQ(w->origin(), centre);

        // An arrow click moves the picture a tenth of the view; past the end
        // neither a page step nor a dragged slider moves it.
        across->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(w->origin(), (ViewPoint{centre.x - 40, centre.y}));
        down->triggerAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(w->origin(), (ViewPoint{centre.x - 40, centre.y + 30}));
        across->setValue(across->maximum());
        const ViewPoint atEnd = w->origin();
        across->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(w->origin(), atEnd);
        across->setSliderDown(true);
        across->setSliderPosition(across->maximum() + 1000);
        across->setSliderDown(false);
        EXPECT_EQ(w->origin(), atEnd);
        across->setValue(kPanCentre);
        down->setValue(kPanCentre);
    }

    // Zooming out leaves a scrolled view where it is; once back inside, the
    // range is the picture's again.
    across->setValue(across->maximum());
    const ViewPoint scrolled = w->origin();
    while (t.app->zoomFactor > 1)
        w->zoomOutAction->trigger();
    EXPECT_EQ(w->origin(), scrolled);
    w->centreButton->click();
    EXPECT_EQ(w->origin(), centre);
    EXPECT_EQ(std::pair(across->minimum(), across->maximum()), std::pair(kPanCentre - 120, kPanCentre + 120));

    // The steps follow the view's size.
    w->view->setFixedSize(500, 320);
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(across->singleStep(), down->singleStep(), across->maximum()),
              std::tuple(50, 32, kPanCentre + 70));
}

TEST(SpriteDrawing, PanRangeKeepsThePictureOverTheView)
{
    const int c = kPanCentre;
    const struct {
        int view;
        std::int64_t axis;
        int picture;
        float zoom;
        int current;
        PanRange expected;
    } cases[] = {
        {400, 320, 640, 1, c, {c - 120, c + 120}},      // larger: an edge on each edge of the view
        {400, 320, 640, 8, c, {c - 2360, c + 2360}},    // 2560 - 200 each way
        {400, 0, 640, 2, c, {c, c + 1080}},             // axis on the first column: the centre is an end
        {400, 50, 100, 2, c, {c - 100, c + 100}},       // smaller: anywhere inside the view
        {400, 50, 100, 2, c + 500, {c - 100, c + 500}}, // a value outside is kept
        {401, 320, 640, 1, c, {c - 120, c + 119}},      // odd: the origin lands on even pixels only
        {400, 10, 20, 0.5f, c, {c - 195, c + 195}},     // zoomed out, 10 pixels wide
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.view << " " << k.axis << " " << k.picture << " " << k.zoom);
        const PanRange range = panRange(k.view, k.axis, k.picture, k.zoom, k.current);
        EXPECT_EQ(range, k.expected);
        // A picture larger than the view: an end that the picture sets shows
        // no background at its edge, and one value past it would.
        const int extent = roundHalfEven(k.picture * double(k.zoom));
        const auto left = [&](int value) {
            return spritePlacement(viewOrigin(k.view, 0, value, c), k.axis, 0, k.picture, 0, k.zoom).x;
        };
        if (extent >= k.view && range.maximum != c && range.maximum != k.current) {
            EXPECT_GE(left(range.maximum) + extent, k.view);
            EXPECT_LT(left(range.maximum + 1) + extent, k.view);
        }
        if (extent >= k.view && range.minimum != c && range.minimum != k.current) {
            EXPECT_LE(left(range.minimum), 0);
            EXPECT_GT(left(range.minimum - 1), 0);
        }
    }
    EXPECT_EQ(panRangeWithoutPicture(c - 3), (PanRange{c - 3, c}));
}

// The view's own stretch at whole zooms gives what the painter's
// nearest-pixel stretch gives, with pictures partly outside the view.
TEST(SpriteDrawing, TheStretchMatchesThePaintersAtWholeZooms)
{
    QImage sprite(23, 17, QImage::Format_RGB32);
    QImage onion(19, 29, QImage::Format_RGB32);
    QImage translucent(11, 9, QImage::Format_ARGB32);
    for (QImage* image : {&sprite, &onion, &translucent})
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                image->setPixel(x, y, qRgba(x * 11, y * 7, (x * y) % 256, (x * 40 + y * 3) % 256));
    const struct {
        int zoom;
        ViewPoint origin;
        std::int64_t axisX, axisY, onionAxisX, onionAxisY;
    } cases[] = {
        {1, {30, 20}, 3, 4, -5, 2},   {2, {30, 20}, 10, 8, 0, 20},   {3, {5, 70}, 12, 1, 9, 9},
        {8, {40, 30}, 20, 16, 3, 25}, {4, {-10, 90}, -2, 30, 6, -1}, {8, {300, 300}, 0, 0, 0, 0},
    };
    for (const QImage& shown : {sprite, translucent}) {
        for (const auto& k : cases) {
            SCOPED_TRACE(testing::Message() << "zoom " << k.zoom << " origin " << k.origin.x << "," << k.origin.y);
            const SpriteScene scene{QSize(97, 83), Qt::white,    shown,        k.axisX,  k.axisY,
                                    onion,         k.onionAxisX, k.onionAxisY, k.origin, float(k.zoom)};
            QImage expected(scene.size, QImage::Format_RGB32);
            expected.fill(Qt::white);
            {
                QPainter painter(&expected);
                const auto place = [&](const QImage& image, std::int64_t ax, std::int64_t ay) {
                    const ViewRect r = spritePlacement(k.origin, ax, ay, image.width(), image.height(), scene.zoom);
                    return QRect(r.x, r.y, r.width, r.height);
                };
                painter.drawImage(place(shown, k.axisX, k.axisY), shown);
                painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
                painter.drawImage(place(onion, k.onionAxisX, k.onionAxisY), onion);
                const ViewRect m = markerPlacement(k.origin, scene.zoom);
                const QRect marker(m.x, m.y, m.width, m.height);
                // The marker as the view draws it: ANDed then XORed.
                QImage mask(kMarkerSize, kMarkerSize, QImage::Format_RGB32);
                QImage pattern(kMarkerSize, kMarkerSize, QImage::Format_RGB32);
                for (int y = 0; y < kMarkerSize; ++y)
                    for (int x = 0; x < kMarkerSize; ++x) {
                        mask.setPixel(x, y, markerMaskIsWhite(x, y) ? 0xFFFFFFFF : 0xFF000000);
                        pattern.setPixel(x, y, markerPatternIsWhite(x, y) ? 0xFFFFFFFF : 0xFF000000);
                    }
                painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
                painter.drawImage(marker, mask);
                painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                painter.drawImage(marker, pattern);
            }
            const QImage drawn = renderSpriteScene(scene);
            EXPECT_TRUE(drawn == expected) << "the view's stretch differs from the painter's";
            // Drawn again into the same picture: the same.
            QImage reused = drawn.copy();
            renderSpriteScene(scene, reused);
            EXPECT_EQ(reused, drawn);
        }
    }
}

TEST(SpriteDrawing, TheMarkerSitsOnTheOrigin)
{
    // A 13 x 13 sprite with its axis in its middle: under the marker the '.'
    // cells keep the sprite's colour.
    QImage sprite(13, 13, QImage::Format_RGB32);
    sprite.fill(qRgb(0x10, 0x20, 0x40));
    SpriteScene scene{QSize(80, 60), Qt::white, sprite, 6, 6, {}, 0, 0, {30, 20}};
    const auto rows = axisMarkerRows();
    for (const int z : {1, 2}) {
        scene.zoom = static_cast<float>(z);
        const QImage out = renderSpriteScene(scene);
        const int left = 30 - 6 * z, top = 20 - 6 * z;
        for (int y = 0; y < 13 * z; ++y) {
            for (int x = 0; x < 13 * z; ++x) {
                const char cell = rows[static_cast<std::size_t>(y / z)][x / z];
                const QRgb expected = cell == 'B' ? 0x000000 : cell == 'W' ? 0xFFFFFF : 0x102040;
                ASSERT_EQ(rgb(out.pixel(left + x, top + y)), expected) << x << "," << y << " zoom " << z;
            }
        }
        EXPECT_EQ(rgb(out.pixel(79, 59)), 0xFFFFFFu);
        EXPECT_EQ(rgb(out.pixel(left - 1, top)), 0xFFFFFFu);
    }
}

TEST_F(SpriteWindowTest, OnionSkinAndWhiteBackgroundExcludeEachOtherAndHiddenColourZeroShowsIt)
{
    fill(3);
    test::writeFile(app + "/tempsff/z.pcx", makePcx(2, 1, {0, 5}));
    ws().records().push_back({"tempsff/z.pcx", "0", "0", "-20", "-20"});
    open();
    w->jumpGroupEdit->setText("0");
    w->jumpImageEdit->setText("3");
    w->whiteBackgroundBox->click();
    EXPECT_EQ(pixel({0, 0}), 0xFFFFFFu);
    w->onionSkinBox->click();
    EXPECT_FALSE(w->whiteBackgroundBox->isChecked());
    EXPECT_EQ(pixel({0, 0}), 0u);
    // Record 3 (colour 3, axis (3, 6)) is laid over record 1, clear of it.
    EXPECT_EQ(pixel(at(-3, -6)), 0x030609u);

    w->whiteBackgroundBox->click();
    EXPECT_FALSE(w->onionSkinBox->isChecked());
    w->indexScrollBar->setValue(4);
    EXPECT_EQ(pixel(at(20, 20)), 0u); // colour 0 of the file is black
    w->hideTransparentBox->click();
    EXPECT_EQ(pixel(at(20, 20)), 0xFFFFFFu);
    EXPECT_EQ(pixel(at(21, 20)), 0x050A0Fu);
}

TEST_F(SpriteWindowTest, PicturesTheBuildWouldRefuseStayOut)
{
    open(3);
    w->indexScrollBar->setValue(2);
    const std::string good = solidPcx(2, 2, 5);
    std::string fourBits = good;
    fourBits[3] = 4;
    const std::pair<const char*, std::string> refused[] = {
        {"no palette block", good.substr(0, good.size() - 769)}, // the window could show it, the build not
        {"4 bits per pixel", fourBits},
        {"not a picture", "not a picture"},
    };
    // The ways a picture comes in: Add (with a good file before it: all or
    // nothing), Change, and the browser's Add.
    const std::pair<const char*, std::function<void(const QString&)>> ways[] = {
        {"add",
         [&](const QString& bad) {
             t.dialogs.fileLists.enqueue({file("good.pcx"), bad});
             w->addImageAction->trigger();
         }},
        {"change",
         [&](const QString& bad) {
             t.dialogs.files.enqueue(bad);
             w->changeImageAction->trigger();
         }},
        {"browser", [&](const QString& bad) { EXPECT_FALSE(w->insertPicture(bad)); }},
    };
    const std::string path = app + "/in/bad.pcx";
    for (const auto& [what, bytes] : refused) {
        test::writeFile(path, bytes);
        for (const auto& [way, bringIn] : ways) {
            SCOPED_TRACE(std::string(what) + " through " + way);
            t.dialogs.clear();
            bringIn(QString::fromStdString(path));
            EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Sorry, can't load that pcx file!"});
            EXPECT_EQ(ws().count(), 3);
            EXPECT_EQ(ws().record(2).pcxFile, "tempsff/s2.pcx");
            EXPECT_EQ(label(), " 2 of 3 ");
            EXPECT_FALSE(modified());
        }
    }
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff/bad.pcx"));
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff/good.pcx"));
}

// --- the build ---------------------------------------------------------------

TEST_F(SpriteWindowTest, SavingWritesTheIndexAndRunsTheTool)
{
    writeStandInBuilder(app, kGoodBuilder);
    open(2);
    w->axisXEdit->setText("-7"); // an edit the build has to carry
    const std::string sff = app + "/chars/hero/out put.sff";
    std::filesystem::create_directories(app + "/chars/hero");
    const std::string index = sff + "\r\ntempsff/s1.pcx\r\n0\r\n1\r\n-7\r\n2\r\ntempsff/s2.pcx\r\n0\r\n2\r\n2\r\n4\r\n";

    // The boxes of the parameters dialog, each to its own option.
    const std::tuple<bool, bool, bool, const char*> cases[] = {{false, true, false, "-p "},
                                                               {true, false, true, "-c -f "}};
    for (const auto& [crop, images, palettes, options] : cases) {
        t.dialogs.clear();
        queueSave(sff, crop, images, palettes);
        w->saveAsAction->trigger();
        ASSERT_TRUE(w->building());
        EXPECT_FALSE(w->saveAction->isEnabled());
        EXPECT_TRUE(w->waitForBuild());

        EXPECT_EQ(test::readFile(app + "/spawn.sh"),
                  "\"" + app + "/sprmaker\" " + options + "< \"" + app + "/tempsff.txt\" tempsff\n");
        EXPECT_EQ(test::readFile(app + "/tempsff.txt"), index);
        EXPECT_EQ(test::readFile(app + "/received.txt"), index);
        EXPECT_EQ(test::readFile(sff), "SFF");
        EXPECT_EQ(t.dialogs.messageTexts(),
                  QStringList{QString::fromStdString("The SFF file " + sff + " was written with 2 sprites.")});
        EXPECT_FALSE(modified());
        EXPECT_TRUE(w->saveAction->isEnabled());
    }
    // The next save starts at the file written last.
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory.toStdString(), app + "/chars/hero");

    // Save writes that file again with the options as they stand: no question,
    // and what was written is said in the status bar, not in a message.
    t.dialogs.clear();
    w->axisXEdit->setText("-8");
    QSignalSpy finished(w.get(), &SpriteWindow::buildFinished);
    w->saveAction->trigger();
    EXPECT_TRUE(w->waitForBuild());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][1].toString().toStdString(), "The SFF file " + sff + " was written with 2 sprites.");
    EXPECT_NE(test::readFile(app + "/received.txt").find("\r\n-8\r\n"), std::string::npos);
    EXPECT_EQ(test::readFile(app + "/spawn.sh"),
              "\"" + app + "/sprmaker\" -c -f < \"" + app + "/tempsff.txt\" tempsff\n");
    EXPECT_FALSE(modified());
}

// The options start out keeping an engine's archive as it was: repeated
// pictures as links, repeated palettes shared.
TEST_F(SpriteWindowTest, TheFirstSaveKeepsLinksAndSharedPalettes)
{
    writeStandInBuilder(app, kGoodBuilder);
    open(1);
    const std::string sff = app + "/chars/hero/hero.sff";
    std::filesystem::create_directories(app + "/chars/hero");
    test::setSprites(*t.app, ws().records(), QString::fromStdString(sff));
    w->showWorkspace();
    w->axisXEdit->setText("5");
    w->saveAction->trigger();
    EXPECT_TRUE(w->waitForBuild());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(test::readFile(app + "/spawn.sh"),
              "\"" + app + "/sprmaker\" -f -p < \"" + app + "/tempsff.txt\" tempsff\n");
    EXPECT_EQ(test::readFile(sff), "SFF");
}

TEST_F(SpriteWindowTest, CancellingTheParametersStartsNoTool)
{
    writeStandInBuilder(app, kGoodBuilder);
    open(1);
    ws().buildFlags.duplicateImages = 1;
    queueSave(app + "/new.sff", true, false, true, false);
    w->saveSpriteArchiveAs();
    EXPECT_FALSE(w->building());
    EXPECT_FALSE(std::filesystem::exists(app + "/spawn.sh"));
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff.txt")); // nothing is written
    EXPECT_EQ(ws().buildFlags.crop, 0);                          // the flags keep their earlier values
    EXPECT_EQ(ws().buildFlags.duplicateImages, 1);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    // A cancelled save dialog, which starts on the table's own SFF, writes nothing at all.
    std::filesystem::remove(app + "/tempsff.txt");
    test::setSprites(*t.app, ws().records(), QString::fromStdString(app + "/chars/hero/sprites/hero.sff"));
    w->showWorkspace();
    w->saveAsAction->trigger();
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory.toStdString(), app + "/chars/hero/sprites");
    EXPECT_EQ(t.dialogs.fileDialogs.last().fileName, "hero.sff");
    EXPECT_FALSE(w->building());
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff.txt"));
}

TEST_F(SpriteWindowTest, AFailedBuildReportsTheToolsLineAndKeepsTheChanges)
{
    open(1);
    w->groupEdit->setText("3");
    // The tool's script (none: no tool at all) and the start of the message.
    const std::pair<const char*, QString> tools[] = {
        {"cat > /dev/null\necho 'sprmaker: cannot read tempsff/s1.pcx (record 1)' >&2\nexit 1",
         "The SFF file was not written: sprmaker: cannot read tempsff/s1.pcx (record 1)"},
        {nullptr, "The SFF file was not written: "},
    };
    for (const auto& [script, message] : tools) {
        if (script)
            writeStandInBuilder(app, script);
        else
            std::filesystem::remove(app + "/sprmaker");
        t.dialogs.clear();
        queueSave(app + "/new.sff", false, false, false);
        w->saveSpriteArchiveAs();
        EXPECT_FALSE(w->waitForBuild());
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_EQ(t.dialogs.messages[0].text.left(script ? -1 : message.size()), message);
        EXPECT_TRUE(modified());
    }
}

TEST_F(SpriteWindowTest, UnsavedChangesAreAskedAboutOnceAndYesBuildsTheTablesSff)
{
    fill(2);
    const std::string sff = app + "/chars/hero/hero.sff";
    std::filesystem::create_directories(app + "/chars/hero");
    test::setSprites(*t.app, ws().records(), QString::fromStdString(sff));
    writeStandInBuilder(app, kGoodBuilder);
    MainWindow main(*t.app);
    registerSpritesWindows(main);
    auto* window = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(window, nullptr);

    window->axisXEdit->setText("12");
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(main.closeDown());
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.endsWith("Save them first?"));
    EXPECT_EQ(t.dialogs.messages[0].title, "hero.sff");
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(std::filesystem::exists(app + "/tempsff/s1.pcx"));

    // Closing the window keeps the change, and its history, with the table.
    main.closeWindow(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(modified());
    EXPECT_TRUE(window->editUndoAction->isEnabled());

    // Yes builds the table's own SFF, with no dialog, waits for the tool,
    // then lets the close-down go on.
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_TRUE(main.closeDown());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(test::readFile(sff), "SFF");
    EXPECT_NE(test::readFile(app + "/received.txt").find("\r\n12\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff")); // the close-down went on
}

// --- the browser -------------------------------------------------------------

TEST_F(SpriteWindowTest, TheBrowserAddsTheSelectedFileAfterTheCurrentRecord)
{
    open(5);
    w->indexScrollBar->setValue(3);
    file("a.pcx", 4);
    file("b.pcx", 5);
    file("C.PCX", 6);
    test::writeFile(app + "/in/notes.txt", "not a picture");

    PcxBrowser browser(*t.app, *w);
    ASSERT_TRUE(browser.setFolder(QString::fromStdString(app + "/in")));
    QStringList listed;
    for (int i = 0; i < browser.fileList->count(); ++i)
        listed << browser.fileList->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"a.pcx", "b.pcx", "C.PCX"}));

    browser.addSelected(); // nothing selected
    EXPECT_EQ(ws().count(), 5);

    ASSERT_TRUE(browser.selectFile("a.pcx"));
    EXPECT_FALSE(browser.preview->pixmap().isNull()); // the preview
    browser.addSelected();
    ASSERT_TRUE(browser.selectFile("b.pcx"));
    emit browser.fileList->itemDoubleClicked(browser.fileList->currentItem());
    ASSERT_EQ(ws().count(), 7);
    const std::tuple<int, const char*, int> rows[] = {
        {4, "tempsff/a.pcx", 6}, {5, "tempsff/b.pcx", 7}, {6, "tempsff/s4.pcx", 4}};
    for (const auto& [r, pcx, image] : rows) {
        EXPECT_EQ(ws().record(r).pcxFile, pcx) << r;
        EXPECT_EQ(ws().record(r).imageNo(), image) << r;
    }
    EXPECT_EQ(label(), " 5 of 7 ");

    // A folder that cannot be read leaves the list as it was.
    EXPECT_FALSE(browser.setFolder(QString::fromStdString(app + "/missing")));
    EXPECT_TRUE(t.dialogs.messageTexts().last().startsWith("Error: "));
    EXPECT_EQ(browser.fileList->count(), 3);
}

TEST_F(SpriteWindowTest, ChangingExportingAndHandingToTheEditor)
{
    open(3);
    w->indexScrollBar->setValue(2);
    t.dialogs.files.enqueue(file("new.pcx", 7));
    w->changeImageAction->trigger();
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/new.pcx");
    EXPECT_EQ(ws().record(2).axisXText, "2");

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out + "/one.pcx"));
    w->exportImageAction->trigger();
    EXPECT_EQ(test::readFile(out + "/one.pcx"), solidPcx(2, 2, 7));
    t.dialogs.files.enqueue(QString::fromStdString(out));
    t.dialogs.answers.enqueue(Answer::No); // not as PNG: the files as they are
    w->exportAllAction->trigger();
    EXPECT_EQ(test::readFile(out + "/s3.pcx"), solidPcx(4, 3, 3));
    EXPECT_FALSE(std::filesystem::exists(out + "/s3.png"));

    w->editExternallyAction->trigger();
    EXPECT_EQ(t.dialogs.opened, QStringList{QString::fromStdString(app + "/tempsff/new.pcx")});
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith("Save the pictures as PNG files?"));
}

// --- a real character ---------------------------------------------------------

TEST(SpriteRoundTrip, AnEditedCharacterBuildsAndReopensWithOnlyTheEdits)
{
    if (!std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sff2pcx")
        || !std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sprmaker"))
        GTEST_SKIP() << "the sprite tools are not built";
    TestApp t;
    MainWindow main{*t.app};
    const std::string app = t.dir().toStdString();
    test::installRealTools(app);
    registerSpritesWindows(main);
    main.openCharacter(QString::fromStdString(test::realchars("winmugen-kfm/kfm.def")));
    ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();
    auto* window = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(window, nullptr);
    const auto ws = [&t]() -> SpriteWorkspace& { return test::spritesOf(*t.app)->workspace(); };
    const int count = ws().count();
    ASSERT_GT(count, 100);
    std::vector<SpriteLook> before;
    for (int r = 1; r <= count; ++r)
        before.push_back(lookOf(ws(), r));

    const int moved = 5, regrouped = 7;
    ASSERT_FALSE(before[moved - 1].pixels.empty());
    window->indexScrollBar->setValue(moved);
    window->axisXEdit->setText(QString::number(ws().record(moved).axisX() + 3));
    window->indexScrollBar->setValue(regrouped);
    window->groupEdit->setText("999");

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out + "/kfm.sff"));
    answerParameters(true, true, true, true);
    window->saveAsAction->trigger();
    ASSERT_TRUE(window->waitForBuild()) << t.dialogs.messageTexts().join("|").toStdString();
    // Cropping encodes every picture, and the message says so.
    EXPECT_TRUE(t.dialogs.messageTexts().last().startsWith(
        QStringLiteral("The SFF file %1/kfm.sff was written with %2 sprites (0 pictures copied, ")
            .arg(QString::fromStdString(out))
            .arg(count)))
        << t.dialogs.messageTexts().last().toStdString();
    EXPECT_EQ(test::readFile(app + "/spawn.sh"),
              "\"" + app + "/sprmaker\" -c -f -p < \"" + app + "/tempsff.txt\" tempsff\n");

    // Re-open the written archive as a character of its own.
    test::writeFile(out + "/kfm.def", "[Files]\r\nsprite = kfm.sff\r\n");
    t.dialogs.clear();
    main.openCharacter(QString::fromStdString(out + "/kfm.def"));
    ASSERT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_EQ(ws().count(), count);
    before[regrouped - 1].group = 999;
    for (int r = 1; r <= count; ++r) // the moved sprite's pixels now sit 3 further left of its axis
        EXPECT_TRUE(lookOf(ws(), r, r == moved ? -3 : 0) == before[static_cast<std::size_t>(r - 1)]) << r;
}

// --- keys, drops, the save dialog and progress -------------------------------------

TEST_F(SpriteWindowTest, TheStandardKeysAreEachBoundOnceAndNamedInTheTips)
{
    open(3);
    const QMap<QString, QStringList> keys = test::boundKeys(w.get());
    const std::pair<QString, const char*> table[] = {
        {test::keyText(QKeySequence::Save), "saveAction"},
        {test::keyText(QKeySequence::ZoomIn), "zoomInAction"},
        {test::keyText(QKeySequence::ZoomOut), "zoomOutAction"},
        {test::keyText(QKeySequence::Delete), "deleteImageAction"},
    };
    for (const auto& [key, action] : table)
        EXPECT_EQ(keys.value(key), QStringList{action}) << key.toStdString();
    EXPECT_EQ(test::keysBoundTwice(w.get()), QStringList());
    for (QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo})
        EXPECT_TRUE(keys.contains(test::keyText(key))) << test::keyText(key).toStdString();
    EXPECT_EQ(w->saveAction->toolTip(), "Save SFF file (" + test::keyText(QKeySequence::Save) + ")");
    EXPECT_EQ(w->zoomInAction->toolTip(), "Zoom In (" + test::keyText(QKeySequence::ZoomIn) + ")");
    EXPECT_EQ(w->sortAction->toolTip(), "Sort images");
}

TEST_F(SpriteWindowTest, DroppedPicturesAreAddedAfterTheCurrentRecordAsAddDoes)
{
    open(4);
    w->indexScrollBar->setValue(2);
    test::writeFile(app + "/in/notes.txt", "not a picture");
    const QString notes = QString::fromStdString(app + "/in/notes.txt");
    EXPECT_FALSE(dropFiles(w.get(), {notes}));
    EXPECT_EQ(ws().count(), 4);

    EXPECT_TRUE(dropFiles(w.get(), {file("a.pcx", 5), notes, file("B.PCX", 6)}));
    ASSERT_EQ(ws().count(), 6);
    EXPECT_EQ(ws().record(3).pcxFile, "tempsff/a.pcx");
    EXPECT_EQ(ws().record(4).pcxFile, "tempsff/B.PCX");
    EXPECT_EQ(ws().record(5).pcxFile, "tempsff/s3.pcx");
    EXPECT_EQ(label(), " 4 of 6 ");
    EXPECT_TRUE(modified());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty()); // no dialog: the files are given

    // What the build would refuse stays out, as with Add.
    test::writeFile(app + "/in/bad.pcx", "not a PCX at all");
    EXPECT_TRUE(dropFiles(w.get(), {QString::fromStdString(app + "/in/bad.pcx")}));
    EXPECT_EQ(ws().count(), 6);
    EXPECT_EQ(t.dialogs.messages.size(), 1);
}

TEST_F(SpriteWindowTest, ABuildShowsABusyBarWhoseCancelLeavesTheSffAsItWas)
{
    MainWindow main(*t.app);
    writeStandInBuilder(app, "sleep 1\ntouch \"" + app + "/late\"\n" + kGoodBuilder);
    open(2);
    w->axisXEdit->setText("-7");
    const std::string sff = app + "/chars/hero/hero.sff";
    test::writeFile(sff, "OLD");

    StatusProgress* progress = main.progress();
    queueSave(sff, false, false, false);
    w->saveAsAction->trigger();
    ASSERT_TRUE(w->building());
    EXPECT_TRUE(progress->active());
    EXPECT_EQ(progress->bar->maximum(), 0); // the tool tells nothing of how far it is
    ASSERT_TRUE(progress->cancelButton->isVisibleTo(progress));

    QElapsedTimer clock;
    clock.start();
    progress->cancelButton->click();
    EXPECT_FALSE(w->waitForBuild());
    EXPECT_LT(clock.elapsed(), 800);
    EXPECT_FALSE(progress->active());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(test::readFile(sff), "OLD");
    EXPECT_TRUE(modified()); // the edit is still to be built
    EXPECT_TRUE(w->saveAction->isEnabled());
    QTest::qWait(1300);
    EXPECT_FALSE(std::filesystem::exists(app + "/late")); // the tool went with the script
}

TEST_F(SpriteWindowTest, SavingAllAndAddingManyFillTheProgressBar)
{
    MainWindow main(*t.app);
    open(3);
    QList<int> values;
    QObject::connect(main.progress()->bar, &QProgressBar::valueChanged, &main,
                     [&values](int value) { values << value; });

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out));
    t.dialogs.answers.enqueue(Answer::No);
    w->exportAllAction->trigger();
    EXPECT_EQ(values, (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(main.progress()->bar->maximum(), 3);
    EXPECT_FALSE(main.progress()->cancelButton->isVisibleTo(main.progress())); // written files stay written
    EXPECT_FALSE(main.progress()->active());
    EXPECT_TRUE(std::filesystem::exists(out + "/s3.pcx"));

    values.clear();
    t.dialogs.fileLists.enqueue({file("a.pcx"), file("b.pcx")});
    w->addImageAction->trigger();
    EXPECT_EQ(values, (QList<int>{0, 1, 2}));
    EXPECT_EQ(main.progress()->bar->maximum(), 2);
    EXPECT_EQ(ws().count(), 5);
    EXPECT_FALSE(main.progress()->active());
}

// --- undo and redo -------------------------------------------------------------

TEST_F(SpriteWindowTest, EveryEditIsOneStepUndoneAndDoneAgain)
{
    struct Case {
        const char* undoText;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"Undo Group Number", [this] { QTest::keyClicks(w->groupEdit, "12"); }},
        {"Undo Image Number", [this] { w->imageEdit->setText("9"); }},
        {"Undo Axis X",
         [this] {
             w->axisXEdit->selectAll();
             QTest::keyClicks(w->axisXEdit, "-57");
         }},
        {"Undo Axis Y", [this] { w->axisYEdit->setText("40000"); }},
        {"Undo Move Axis", [this] { w->findChild<QToolButton*>("axisYPlusButton")->click(); }},
        {"Undo Move Axis",
         [this] {
             const ViewPoint o = w->origin();
             QTest::mousePress(w->view, Qt::LeftButton, {}, QPoint(o.x, o.y));
             for (int dx : {3, 9, 14})
                 sendMove(QPoint(o.x + dx, o.y + dx), Qt::LeftButton);
             QTest::mouseRelease(w->view, Qt::LeftButton, {}, QPoint(o.x + 14, o.y + 14));
         }},
        {"Undo Add Sprite",
         [this] {
             t.dialogs.fileLists.enqueue({file("a.pcx")});
             w->addImageAction->trigger();
         }},
        {"Undo Add Sprites",
         [this] {
             t.dialogs.fileLists.enqueue({file("a.pcx"), file("b.pcx", 4)});
             w->addImageAction->trigger();
         }},
        {"Undo Add Sprite", [this] { w->insertPicture(file("c.pcx")); }},
        {"Undo Delete Sprite",
         [this] {
             t.dialogs.answers.enqueue(Answer::Yes);
             w->deleteImageAction->trigger();
         }},
        {"Undo Clone Sprite", [this] { w->cloneImageAction->trigger(); }},
        {"Undo Change Picture",
         [this] {
             t.dialogs.files.enqueue(file("new.pcx", 7));
             w->changeImageAction->trigger();
         }},
        {"Undo Sort Sprites", [this] { w->sortAction->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.undoText);
        w.reset();
        test::setSprites(*t.app, {});
        fill(4);
        ws().record(1).groupText = "9"; // out of order
        open();
        w->indexScrollBar->setValue(2);
        const std::string before = tableText(ws());
        c.edit();
        const std::string after = tableText(ws());
        ASSERT_NE(after, before);
        ASSERT_EQ(w->undoStack()->count(), 1); // typed digits and a whole drag are one step
        EXPECT_EQ(w->editUndoAction->text(), c.undoText);
        EXPECT_EQ(w->undoAction->toolTip(), c.undoText);
        EXPECT_TRUE(modified());

        w->editUndoAction->trigger();
        EXPECT_EQ(tableText(ws()), before);
        EXPECT_FALSE(modified()); // back where it was opened
        EXPECT_EQ(w->positionLabel->text().toStdString(), positionText(w->currentIndex(), 4));
        EXPECT_EQ(w->groupEdit->text().toStdString(), ws().record(w->currentIndex()).groupText);
        EXPECT_EQ(w->editRedoAction->text(), QString(c.undoText).replace("Undo", "Redo"));

        w->editRedoAction->trigger();
        EXPECT_EQ(tableText(ws()), after);
        EXPECT_TRUE(modified());
        EXPECT_EQ(w->positionLabel->text().toStdString(), positionText(w->currentIndex(), ws().count()));

        // The toolbar's Undo takes the same step back.
        w->undoAction->trigger();
        EXPECT_EQ(tableText(ws()), before);
        EXPECT_FALSE(w->undoAction->isEnabled());
    }

    // Undo and Redo are the Edit menu's, on the desktop's keys.
    const auto* bar = w->findChild<QMenuBar*>("menuBar");
    ASSERT_TRUE(bar && bar->actions().size() == 1 && bar->actions()[0]->menu());
    EXPECT_EQ(bar->actions()[0]->text(), "&Edit");
    EXPECT_EQ(bar->actions()[0]->menu()->actions(), (QList<QAction*>{w->editUndoAction, w->editRedoAction}));
    EXPECT_EQ(w->editUndoAction->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
    EXPECT_EQ(w->editRedoAction->shortcuts(), QKeySequence::keyBindings(QKeySequence::Redo));
}

TEST_F(SpriteWindowTest, StepsGoBackInOrderAndANewEditDropsWhatWasUndone)
{
    fill(3);
    const std::pair<const char*, const char*> numbers[] = {{"5", "0"}, {"1", "0"}, {"3", "0"}};
    for (int r = 1; r <= 3; ++r)
        std::tie(ws().record(r).groupText, ws().record(r).imageText) = numbers[r - 1];
    open();
    std::vector<std::string> states{tableText(ws())};
    w->sortAction->trigger();
    states.push_back(tableText(ws()));
    w->sortAction->trigger(); // in order already: no step
    w->cloneImageAction->trigger();
    states.push_back(tableText(ws()));
    w->axisXEdit->setText("30");
    states.push_back(tableText(ws()));
    ASSERT_EQ(w->undoStack()->count(), 3);
    for (int k = 2; k >= 0; --k) {
        w->editUndoAction->trigger();
        EXPECT_EQ(tableText(ws()), states[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(ws().record(1).pcxFile, "tempsff/s1.pcx"); // the sort undone: every row back in its place
    EXPECT_EQ(ws().record(3).pcxFile, "tempsff/s3.pcx");
    for (std::size_t k = 1; k <= 3; ++k) {
        w->editRedoAction->trigger();
        EXPECT_EQ(tableText(ws()), states[k]) << k;
    }
    w->undoStack()->undo();
    w->undoStack()->undo();
    w->imageEdit->setText("8");
    EXPECT_EQ(w->undoStack()->count(), 2);
    EXPECT_FALSE(w->undoStack()->canRedo());

    // Typed away and back to where it started: no step left.
    w->groupEdit->selectAll();
    QTest::keyClicks(w->groupEdit, "7");
    EXPECT_EQ(w->undoStack()->count(), 3);
    QTest::keyClick(w->groupEdit, Qt::Key_Backspace);
    QTest::keyClicks(w->groupEdit, "1");
    EXPECT_EQ(w->groupEdit->text(), "1");
    EXPECT_EQ(w->undoStack()->count(), 2);
    EXPECT_EQ(w->editUndoAction->text(), "Undo Image Number");
}

TEST_F(SpriteWindowTest, UndoingADeleteOrAChangeBringsThePictureBack)
{
    open(3);
    const std::string s2 = app + "/tempsff/s2.pcx";
    const std::string picture = test::readFile(s2);
    w->indexScrollBar->setValue(2);
    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteImage();
    std::filesystem::remove(s2); // gone from the workspace meanwhile
    w->editUndoAction->trigger();
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/s2.pcx");
    EXPECT_EQ(test::readFile(s2), picture);
    EXPECT_EQ(std::pair(w->currentIndex(), w->imageEdit->text()), std::pair(2, QStringLiteral("2")));

    t.dialogs.files.enqueue(file("new.pcx", 7));
    w->changeImage();
    const std::string changed = app + "/tempsff/new.pcx";
    const std::string changedPicture = test::readFile(changed);
    std::filesystem::remove(s2);
    w->editUndoAction->trigger();
    EXPECT_EQ(test::readFile(s2), picture);
    std::filesystem::remove(changed);
    w->editRedoAction->trigger();
    EXPECT_EQ(ws().record(2).pcxFile, "tempsff/new.pcx");
    EXPECT_EQ(test::readFile(changed), changedPicture);
}

TEST_F(SpriteWindowTest, APictureRepaintedInAnotherEditorIsAStepOfTheTable)
{
    open(2);
    const std::string s1 = app + "/tempsff/s1.pcx";
    const std::string before = test::readFile(s1);
    w->editExternallyAction->trigger();
    ASSERT_EQ(t.dialogs.opened, QStringList{QString::fromStdString(s1)});
    EXPECT_FALSE(modified());

    // The editor saves its work: the table has a change to save or lose.
    const std::string repainted = solidPcx(4, 3, 77);
    test::writeFile(s1, repainted);
    ASSERT_TRUE(QTest::qWaitFor([&] { return modified(); }, 5000)) << "the change on disk was not seen";
    EXPECT_TRUE(w->editUndoAction->isEnabled());
    EXPECT_TRUE(test::spritesOf(*t.app)->unsavedQuestion().find("Save them first?") != std::string::npos);

    // Undone, the picture before comes back; done again, the repainted one.
    w->editUndoAction->trigger();
    EXPECT_EQ(test::readFile(s1), before);
    EXPECT_FALSE(modified());
    w->editRedoAction->trigger();
    EXPECT_EQ(test::readFile(s1), repainted);
    EXPECT_TRUE(modified());
    QTest::qWait(200);
    EXPECT_EQ(test::spritesOf(*t.app)->undoStack()->count(), 1) << "writing it back is no new step";
}

TEST_F(SpriteWindowTest, TheHistoryOutlivesTheWindow)
{
    open(3);
    w->groupEdit->setText("4");
    ASSERT_TRUE(modified());
    w.reset();
    EXPECT_TRUE(modified()) << "closing a view keeps its document's changes";

    w = std::make_unique<SpriteWindow>(*t.app);
    EXPECT_TRUE(w->editUndoAction->isEnabled());
    w->editUndoAction->trigger();
    EXPECT_EQ(ws().record(1).groupText, "0");
    EXPECT_FALSE(modified());
}

TEST_F(SpriteWindowTest, AnotherCharactersTableHasAHistoryOfItsOwn)
{
    open(3);
    w->groupEdit->setText("4");
    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteImage();
    ASSERT_EQ(w->undoStack()->count(), 2);

    // The table a character switch replaces goes with its history: the
    // window has nothing to undo until it follows the new one.
    test::setSprites(*t.app, {{"tempsff/s1.pcx", "7", "7", "0", "0"}});
    const std::string replaced = tableText(ws());
    EXPECT_EQ(w->undoStack(), nullptr);
    EXPECT_FALSE(w->editUndoAction->isEnabled());
    w->editUndoAction->trigger();
    EXPECT_EQ(tableText(ws()), replaced);

    w->showWorkspace();
    EXPECT_EQ(w->undoStack()->count(), 0);
    EXPECT_FALSE(w->editUndoAction->isEnabled());
    EXPECT_FALSE(w->undoAction->isEnabled());
    EXPECT_FALSE(modified());

    // Unsaved edits a crashed run left stay edits whatever is undone.
    test::spritesOf(*t.app)->markRecovered();
    w->showWorkspace();
    w->imageEdit->setText("3");
    w->editUndoAction->trigger();
    EXPECT_TRUE(modified());
}

TEST_F(SpriteWindowTest, BuildingMarksTheStateBuiltAndUndoingBackToItIsNoEdit)
{
    writeStandInBuilder(app, kGoodBuilder);
    open(3);
    w->groupEdit->setText("6");
    queueSave(app + "/out.sff", false, false, false);
    w->saveSpriteArchiveAs();
    ASSERT_TRUE(w->waitForBuild());
    const std::string built = test::readFile(app + "/received.txt");
    EXPECT_FALSE(modified());

    w->indexScrollBar->setValue(2);
    t.dialogs.answers.enqueue(Answer::Yes);
    w->deleteImage();
    EXPECT_TRUE(modified());
    w->editUndoAction->trigger();
    EXPECT_FALSE(modified());
    w->editUndoAction->trigger(); // before the build: an edit again
    EXPECT_TRUE(modified());
    w->editRedoAction->trigger();
    EXPECT_FALSE(modified());

    // Built again after the delete and its undo: the same index, byte for byte.
    queueSave(app + "/out.sff", false, false, false);
    w->saveSpriteArchiveAs();
    ASSERT_TRUE(w->waitForBuild());
    EXPECT_EQ(test::readFile(app + "/received.txt"), built);
}
