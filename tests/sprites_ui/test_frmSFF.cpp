#include "sprite_fixtures.h"
#include "sprites/frmPCXBrowser.h"
#include "sprites/frmSFF.h"
#include "sprites/sprite_list.h"
#include "shell/frmMain.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <memory>

namespace vantrel {
void registerSpritesWindows(frmMain& main);
}

using namespace vantrel;
using test::TestApp;

namespace {

QRgb rgb(QRgb pixel)
{
    return pixel & 0xFFFFFF;
}

struct SpriteWindowTest : ::testing::Test {
    TestApp t;
    std::string app = t.dir().toStdString();
    std::unique_ptr<frmSFF> w;

    SpriteWorkspace& ws() { return t.app->sprites; }

    void SetUp() override { t.app->files.CharDir = app + "/chars/hero/"; }

    // n records: picture sK.pcx (4 x 3, colour K), group 0, image K, axis (K, 2K).
    void fill(int n)
    {
        for (int k = 1; k <= n; ++k) {
            const std::string s = std::to_string(k);
            test::writeFile(app + "/tempsff/s" + s + ".pcx", test::solidPcx(4, 3, static_cast<std::uint8_t>(k)));
            ws().records().push_back({"tempsff/s" + s + ".pcx", "0", s, s, std::to_string(2 * k)});
        }
    }
    // Many records sharing one picture.
    void fillShared(int n)
    {
        test::writeFile(app + "/tempsff/s1.pcx", test::solidPcx(4, 3, 1));
        ws().records().assign(static_cast<std::size_t>(n), SpriteRecord{"tempsff/s1.pcx", "0", "0", "0", "0"});
    }
    QString file(const std::string& name, std::uint8_t colour = 9)
    {
        const std::string path = app + "/in/" + name;
        test::writeFile(path, test::solidPcx(2, 2, colour));
        return QString::fromStdString(path);
    }
    frmSFF& open()
    {
        w = std::make_unique<frmSFF>(*t.app);
        w->resize(700, 500);
        return *w;
    }
    QString label() const { return w->lblCurrentPic->text(); }
    void sendMove(QPoint pos, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->picMain->mapToGlobal(QPointF(pos)), Qt::NoButton,
                         buttons, Qt::NoModifier);
        QApplication::sendEvent(w->picMain, &move);
    }
};

} // namespace

TEST_F(SpriteWindowTest, NavigationShowsTheRecordAndItsPosition)
{
    fill(10);
    open();
    EXPECT_EQ(label(), "1 of 10");
    EXPECT_EQ(w->txtImageNo->text(), "1");
    EXPECT_EQ(w->txtX->text(), " 1");
    EXPECT_EQ(w->txtY->text(), " 2");
    EXPECT_EQ(w->hscIndex->maximum(), 10);

    w->hscIndex->setValue(3);
    EXPECT_EQ(label(), " 3 of 10 ");
    EXPECT_EQ(w->txtImageNo->text(), "3");
    EXPECT_EQ(w->txtY->text(), " 6");

    struct Step {
        int from;
        Qt::Key key;
        int to;
    };
    const Step steps[] = {
        {3, Qt::Key_Right, 4}, {4, Qt::Key_Left, 3}, {10, Qt::Key_Right, 10}, {1, Qt::Key_Left, 1}};
    for (const Step& s : steps) {
        w->hscIndex->setValue(s.from);
        QTest::keyClick(w.get(), s.key);
        EXPECT_EQ(w->currentIndex(), s.to) << s.from;
    }
    // In a text box the arrows edit the text.
    w->hscIndex->setValue(5);
    QTest::keyClick(w->txtGroup, Qt::Key_Left);
    EXPECT_EQ(w->currentIndex(), 5);
    EXPECT_FALSE(ws().modified()); // looking is not editing
}

TEST_F(SpriteWindowTest, TheRecordBoxesStoreNumbersAndClampTheAxis)
{
    fill(3);
    open();
    w->txtX->setText("40000");
    EXPECT_EQ(w->txtX->text(), "30000");
    EXPECT_EQ(ws().record(1).AxisX, "30000");
    EXPECT_TRUE(ws().modified());

    w->txtY->clear();
    QTest::keyClicks(w->txtY, "-40x000");
    EXPECT_EQ(w->txtY->text(), "-30000");
    EXPECT_EQ(ws().record(1).AxisY, "-30000");

    // Digits only: other characters are dropped as they are typed.
    QTest::keyClicks(w->txtGroup, "1a2-");
    EXPECT_EQ(w->txtGroup->text(), "012");
    EXPECT_EQ(ws().record(1).Group, "12");
    w->txtImageNo->setText("7 and more");
    EXPECT_EQ(ws().record(1).ImageNo, "7");

    // The nudge buttons and the boxes follow each other.
    w->findChild<QPushButton*>("cmdXMinus")->click();
    EXPECT_EQ(ws().record(1).AxisX, "29999");
    EXPECT_EQ(w->txtX->text(), " 29999");
    w->findChild<QPushButton*>("cmdYPlus")->click();
    EXPECT_EQ(ws().record(1).AxisY, "-29999");
}

TEST_F(SpriteWindowTest, AddingSeveralFilesAfterTheCurrentRecord)
{
    fill(10);
    open();
    w->hscIndex->setValue(4);
    t.dialogs.fileLists.enqueue({file("a.pcx"), file("b.pcx"), file("c.pcx")});
    w->Toolbar1_ButtonClick("Add");

    ASSERT_EQ(ws().count(), 13);
    EXPECT_EQ(w->currentIndex(), 7);
    EXPECT_EQ(label(), " 7 of 13 ");
    EXPECT_EQ(w->txtImageNo->text(), "7");
    const char* names[] = {"a", "b", "c"};
    for (int r = 5; r <= 7; ++r) {
        EXPECT_EQ(ws().record(r).PcxFile, std::string("tempsff/") + names[r - 5] + ".pcx");
        EXPECT_EQ(ws().record(r).imageNo(), r - 4 + 4);
        EXPECT_TRUE(std::filesystem::exists(app + "/" + ws().record(r).PcxFile));
    }
    EXPECT_EQ(ws().record(8).PcxFile, "tempsff/s5.pcx");
    const FileDialogOptions& dialog = t.dialogs.fileDialogs.last();
    EXPECT_EQ(dialog.title, "Add a PCX picture");
    EXPECT_EQ(dialog.directory.toStdString(), app + "/chars/hero/");
    EXPECT_EQ(dialog.filter, "ZSoft PCX (*.pcx)|*.pcx");

    // Insert adds too; a name that another picture has gets a free one.
    t.dialogs.fileLists.enqueue({file("s1.pcx", 200)});
    QTest::keyClick(w.get(), Qt::Key_Insert);
    EXPECT_EQ(ws().record(8).PcxFile, "tempsff/s1-2.pcx");
    EXPECT_EQ(test::readFile(app + "/tempsff/s1.pcx"), test::solidPcx(4, 3, 1));

    // Cancelling the dialog adds nothing.
    w->AddImage();
    EXPECT_EQ(ws().count(), 14);
}

TEST_F(SpriteWindowTest, TheLimitsOfTheTable)
{
    fillShared(19899);
    open();
    t.dialogs.fileLists.enqueue({file("a.pcx")});
    w->AddImage();
    EXPECT_EQ(ws().count(), 19900);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    const auto dialogsBefore = t.dialogs.fileDialogs.size();
    w->AddImage();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Too many images!"});
    EXPECT_EQ(t.dialogs.fileDialogs.size(), dialogsBefore); // refused before the dialog
    EXPECT_EQ(ws().count(), 19900);

    // Cloning and the browser may go on to the table's 20,000 rows.
    const SpriteRecord first = ws().record(1);
    ws().records().resize(19999, first);
    w->CloneImage();
    EXPECT_EQ(ws().count(), 20000);
    t.dialogs.clear();
    w->CloneImage();
    EXPECT_FALSE(w->insertPicture(file("b.pcx")));
    EXPECT_EQ(t.dialogs.messageTexts(), (QStringList{"Too many images!", "Too many images!"}));
    EXPECT_EQ(ws().count(), 20000);
}

TEST_F(SpriteWindowTest, DeletingAsksAndKeepsAValidRecordShown)
{
    fill(10);
    open();
    w->hscIndex->setValue(10);
    t.dialogs.answers.enqueue(Answer::No);
    w->Toolbar1_ButtonClick("Delete");
    EXPECT_EQ(ws().count(), 10);
    EXPECT_EQ(t.dialogs.messages.last().title, "Delete current image");
    EXPECT_EQ(t.dialogs.messages.last().text, "Are you sure?");
    EXPECT_EQ(t.dialogs.messages.last().buttons, Buttons::YesNo);

    t.dialogs.answers.enqueue(Answer::Yes);
    w->DeleteImage();
    EXPECT_EQ(ws().count(), 9);
    EXPECT_EQ(w->currentIndex(), 9);
    EXPECT_EQ(label(), " 9 of 9 ");
    EXPECT_EQ(w->txtImageNo->text(), "9");

    t.dialogs.answers.enqueue(Answer::Yes);
    w->hscIndex->setValue(2);
    QTest::keyClick(w.get(), Qt::Key_Delete);
    EXPECT_EQ(ws().count(), 8);
    EXPECT_EQ(ws().record(2).PcxFile, "tempsff/s3.pcx");
    EXPECT_EQ(w->txtImageNo->text(), "3");
}

TEST_F(SpriteWindowTest, DeletingTheOnlyRecordLeavesAClearEmptyView)
{
    fill(1);
    ws().record(1).AxisX = "-10"; // the sprite lies right of the axis, clear of the marker
    open();
    const QPoint inside(w->origin().x + 12, w->origin().y - 1);
    EXPECT_NE(rgb(w->renderView().pixel(inside)), 0u);

    t.dialogs.answers.enqueue(Answer::Yes);
    w->DeleteImage();
    EXPECT_EQ(ws().count(), 0);
    EXPECT_EQ(label(), " 0 of 0 ");
    EXPECT_EQ(w->txtGroup->text(), "");
    EXPECT_EQ(w->txtX->text(), "");
    EXPECT_FALSE(w->hscIndex->isEnabled());
    EXPECT_EQ(rgb(w->renderView().pixel(inside)), 0u);

    // Nothing to act on, nothing breaks; adding starts the table again.
    t.dialogs.clear();
    for (const char* key : {"Delete", "Clone", "Sort", "ShellEdit", "SaveOne", "ZoomIn", "ZoomOut", "Undo"})
        w->Toolbar1_ButtonClick(key);
    QTest::keyClick(w.get(), Qt::Key_Right);
    w->txtX->setText("5");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    t.dialogs.fileLists.enqueue({file("a.pcx")});
    w->AddImage();
    ASSERT_EQ(ws().count(), 1);
    EXPECT_EQ(label(), " 1 of 1 ");
}

TEST_F(SpriteWindowTest, CloningAndSorting)
{
    fill(10);
    open();
    w->hscIndex->setValue(3);
    w->Toolbar1_ButtonClick("Clone");
    ASSERT_EQ(ws().count(), 11);
    EXPECT_EQ(ws().record(11).PcxFile, ws().record(3).PcxFile);
    EXPECT_EQ(ws().record(11).AxisY, "6");
    EXPECT_EQ(w->currentIndex(), 3);
    EXPECT_EQ(label(), " 3 of 11 ");

    ws().records().clear();
    fill(4);
    const char* groups[] = {"5", "0", "5", "0"};
    const char* images[] = {"1", "2", "0", "2"};
    for (int r = 1; r <= 4; ++r) {
        ws().record(r).Group = groups[r - 1];
        ws().record(r).ImageNo = images[r - 1];
    }
    open();
    EXPECT_EQ(w->txtGroup->text(), "5");
    w->Toolbar1_ButtonClick("Sort");
    const char* order[] = {"tempsff/s2.pcx", "tempsff/s4.pcx", "tempsff/s3.pcx", "tempsff/s1.pcx"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(ws().record(r).PcxFile, order[r - 1]);
    // The window shows the record now in the current row.
    EXPECT_EQ(w->currentIndex(), 1);
    EXPECT_EQ(w->txtGroup->text(), "0");
    EXPECT_EQ(w->txtImageNo->text(), "2");
    EXPECT_EQ(w->txtY->text(), " 4");
}

TEST_F(SpriteWindowTest, JumpingAndJumpingBack)
{
    fill(10);
    open();
    w->hscIndex->setValue(2);
    w->txtJumpGroup->setText("0");
    w->txtJumpImage->setText("7");
    QTest::mouseClick(w->cmdJump, Qt::LeftButton);
    EXPECT_EQ(w->currentIndex(), 7);
    EXPECT_EQ(w->txtJumpImage->text(), "2");
    QTest::keyClick(w->txtJumpGroup, Qt::Key_J); // J jumps from anywhere
    EXPECT_EQ(w->currentIndex(), 2);
    EXPECT_EQ(w->txtJumpImage->text(), "7");
    EXPECT_EQ(w->txtJumpGroup->text(), "0");

    w->txtJumpGroup->setText("5");
    w->txtJumpImage->setText("2");
    w->cmdJump_Click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"No match found for Group 5 image 2"});
    EXPECT_EQ(w->currentIndex(), 2);
    EXPECT_EQ(w->txtJumpGroup->text(), "5");
}

TEST_F(SpriteWindowTest, ZoomLimitsAndButtons)
{
    fill(1);
    t.app->ZoomFactor = 2.0f;
    open();
    QAction* in = w->toolbarAction("ZoomIn");
    QAction* out = w->toolbarAction("ZoomOut");
    struct Step {
        const char* key;
        float zoom;
        bool inEnabled, outEnabled;
    };
    const Step steps[] = {
        {"ZoomIn", 4, true, true},        {"ZoomIn", 8, false, true},      {"ZoomOut", 4, true, true},
        {"ZoomOut", 2, true, true},       {"ZoomOut", 1, true, true},      {"ZoomOut", 0.5f, true, true},
        {"ZoomOut", 0.25f, true, true},   {"ZoomOut", 0.125f, true, false},
    };
    for (const Step& s : steps) {
        w->Toolbar1_ButtonClick(s.key);
        EXPECT_EQ(t.app->ZoomFactor, s.zoom);
        EXPECT_EQ(in->isEnabled(), s.inEnabled) << s.zoom;
        EXPECT_EQ(out->isEnabled(), s.outEnabled) << s.zoom;
    }
    // A window opened at the limit starts with that button off.
    t.app->ZoomFactor = 8.0f;
    open();
    EXPECT_FALSE(w->toolbarAction("ZoomIn")->isEnabled());
}

TEST_F(SpriteWindowTest, DraggingMovesTheAxisAndTheLabelFloors)
{
    fill(2);
    t.app->ZoomFactor = 2.0f;
    open();
    const ViewPoint o = w->origin();
    QTest::mousePress(w->picMain, Qt::LeftButton, {}, QPoint(o.x + 10, o.y + 10));
    sendMove(QPoint(o.x + 16, o.y + 10), Qt::LeftButton);
    EXPECT_EQ(ws().record(1).AxisX, "-2"); // 1 - 6 / 2
    EXPECT_EQ(ws().record(1).AxisY, "2");
    EXPECT_EQ(w->txtX->text(), "-2");
    sendMove(QPoint(o.x + 10, o.y + 3), Qt::LeftButton);
    EXPECT_EQ(ws().record(1).AxisX, "1");
    EXPECT_EQ(ws().record(1).AxisY, "5"); // floor(7 / 2) + 2
    QTest::mouseRelease(w->picMain, Qt::LeftButton, {}, QPoint(o.x + 10, o.y + 3));

    // Moving without the left button alone only reports the position.
    sendMove(QPoint(o.x - 3, o.y), Qt::NoButton);
    EXPECT_EQ(w->lblMouseXY->text(), "-2,  0");
    sendMove(QPoint(o.x + 40, o.y + 40), Qt::RightButton);
    EXPECT_EQ(ws().record(1).AxisX, "1");
    EXPECT_EQ(w->lblMouseXY->text(), " 20,  20");

    // Dragging far beyond the limit is clamped when the boxes show it.
    t.app->ZoomFactor = 0.125f;
    QTest::mousePress(w->picMain, Qt::LeftButton, {}, QPoint(o.x, o.y));
    sendMove(QPoint(o.x - 5000, o.y), Qt::LeftButton);
    EXPECT_EQ(ws().record(1).AxisX, "30000");
}

TEST_F(SpriteWindowTest, PanningMovesTheOriginAndCentreBringsItBack)
{
    fill(1);
    open();
    const ViewPoint o = w->origin();
    EXPECT_EQ(o, viewOrigin(w->picMain->width(), w->picMain->height(), kPanCentre, kPanCentre));
    w->scrPictureX->setValue(kPanCentre + 10); // the picture moves left
    w->scrPictureY->setValue(kPanCentre - 4);
    EXPECT_EQ(w->origin(), (ViewPoint{o.x - 10, o.y + 4}));
    const QImage panned = w->renderView();
    w->findChild<QPushButton*>("cmdCenter")->click();
    EXPECT_EQ(w->scrPictureX->value(), kPanCentre);
    EXPECT_EQ(w->scrPictureY->value(), kPanCentre);
    EXPECT_EQ(w->origin(), o);
    // The same drawing, shifted.
    EXPECT_EQ(panned.copy(o.x - 35, o.y - 21, 50, 50), w->renderView().copy(o.x - 25, o.y - 25, 50, 50));
}

TEST_F(SpriteWindowTest, TheDrawingPutsTheMarkerOnTheOrigin)
{
    const auto rows = axisMarkerRows();
    for (const QColor background : {QColor(Qt::black), QColor(Qt::white)}) {
        for (const float zoom : {1.0f, 2.0f}) {
            // A 13 x 13 sprite with its axis in its middle: under the marker
            // the '.' cells keep the sprite's colour.
            QImage sprite(13, 13, QImage::Format_RGB32);
            sprite.fill(qRgb(0x10, 0x20, 0x40));
            SpriteScene scene;
            scene.size = QSize(80, 60);
            scene.background = background;
            scene.sprite = sprite;
            scene.axisX = scene.axisY = 6;
            scene.origin = {30, 20};
            scene.zoom = zoom;
            const QImage out = renderSpriteScene(scene);
            const int z = static_cast<int>(zoom);
            const int left = 30 - 6 * z, top = 20 - 6 * z;
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    const char cell = rows[static_cast<std::size_t>(y)][x];
                    const QRgb expected = cell == 'B' ? 0x000000 : cell == 'W' ? 0xFFFFFF : 0x102040;
                    for (int dy = 0; dy < z; ++dy)
                        for (int dx = 0; dx < z; ++dx)
                            ASSERT_EQ(rgb(out.pixel(left + x * z + dx, top + y * z + dy)), expected)
                                << x << "," << y << " zoom " << zoom;
                }
            }
            EXPECT_EQ(rgb(out.pixel(79, 59)), rgb(background.rgb()));
            EXPECT_EQ(rgb(out.pixel(left - 1, top)), rgb(background.rgb()));
        }
    }
}

TEST_F(SpriteWindowTest, TheOnionSkinIsOredOverTheSprite)
{
    SpriteScene scene;
    scene.size = QSize(60, 60);
    QImage sprite(4, 4, QImage::Format_RGB32), onion(4, 4, QImage::Format_RGB32);
    sprite.fill(qRgb(0x10, 0x20, 0x40));
    onion.fill(qRgb(0x01, 0x02, 0x04));
    scene.sprite = sprite;
    scene.onion = onion;
    scene.axisX = scene.axisY = -10; // at (40, 40) to (43, 43)
    scene.onionAxisX = -12;          // at (42, 40) to (45, 43)
    scene.onionAxisY = -10;
    scene.origin = {30, 30};
    const QImage out = renderSpriteScene(scene);
    EXPECT_EQ(rgb(out.pixel(40, 40)), 0x102040u);
    EXPECT_EQ(rgb(out.pixel(43, 43)), 0x112244u);
    EXPECT_EQ(rgb(out.pixel(45, 41)), 0x010204u);
    EXPECT_EQ(rgb(out.pixel(46, 41)), 0u);
}

TEST_F(SpriteWindowTest, OnionSkinAndWhiteBackgroundExcludeEachOther)
{
    fill(3);
    open();
    w->txtJumpGroup->setText("0");
    w->txtJumpImage->setText("3");
    const QImage before = w->renderView();

    w->chkWhiteBG->click();
    EXPECT_TRUE(w->chkWhiteBG->isChecked());
    EXPECT_EQ(rgb(w->renderView().pixel(0, 0)), 0xFFFFFFu);
    w->chkOnionskin->click();
    EXPECT_TRUE(w->chkOnionskin->isChecked());
    EXPECT_FALSE(w->chkWhiteBG->isChecked());
    EXPECT_EQ(rgb(w->renderView().pixel(0, 0)), 0u);

    // Record 3 (colour 3, axis (3, 6)) is laid over record 1 (axis (1, 2)).
    const QImage withOnion = w->renderView();
    EXPECT_NE(withOnion, before);
    const ViewPoint o = w->origin();
    EXPECT_EQ(rgb(withOnion.pixel(o.x - 3, o.y - 6)), qRgb(3, 6, 9) & 0xFFFFFFu);

    w->chkWhiteBG->click();
    EXPECT_TRUE(w->chkWhiteBG->isChecked());
    EXPECT_FALSE(w->chkOnionskin->isChecked());
}

TEST_F(SpriteWindowTest, HidingColourZeroShowsItInTheBackground)
{
    test::writeFile(app + "/tempsff/z.pcx", test::makePcx(2, 1, {0, 5}));
    ws().records().push_back({"tempsff/z.pcx", "0", "0", "-20", "-20"});
    open();
    const ViewPoint o = w->origin();
    const QPoint zero(o.x + 20, o.y + 20), five(o.x + 21, o.y + 20);
    EXPECT_EQ(rgb(w->renderView().pixel(five)), 0x050A0Fu);
    w->chkWhiteBG->click();
    EXPECT_EQ(rgb(w->renderView().pixel(zero)), 0u); // colour 0 of the file is black
    w->chkTransparent->click();
    EXPECT_EQ(rgb(w->renderView().pixel(zero)), 0xFFFFFFu);
    EXPECT_EQ(rgb(w->renderView().pixel(five)), 0x050A0Fu);
}

// --- the build ---------------------------------------------------------------

namespace {

// A stand-in build tool: keeps its arguments and the index it read, and
// writes the SFF named on the index's first line.
const char* kGoodBuilder = "echo \"$@\" > args.txt\n"
                           "cat > received.txt\n"
                           "target=$(head -n 1 received.txt | tr -d '\\r')\n"
                           "printf 'SFF' > \"$target\"";

} // namespace

TEST_F(SpriteWindowTest, SavingWritesTheIndexAndRunsTheTool)
{
    fill(2);
    test::writeStandInBuilder(app, kGoodBuilder);
    open();
    w->txtX->setText("-7"); // an edit the build has to carry
    const std::string sff = app + "/chars/hero/out put.sff";
    std::filesystem::create_directories(app + "/chars/hero");

    struct Case {
        bool crop, images, palettes;
        const char* options;
    };
    const Case cases[] = {
        {false, false, false, ""}, {false, true, false, "-p "}, {true, false, true, "-c -f "},
        {true, true, true, "-c -f -p "}};
    for (const Case& c : cases) {
        t.dialogs.clear();
        t.dialogs.files.enqueue(QString::fromStdString(sff));
        test::answerParameters(c.crop, c.images, c.palettes, true);
        w->Toolbar1_ButtonClick("Save");
        ASSERT_TRUE(w->building());
        EXPECT_FALSE(w->toolbarAction("Save")->isEnabled());
        EXPECT_TRUE(w->waitForBuild());

        EXPECT_EQ(test::readFile(app + "/spawn.sh"),
                  std::string("./sprmaker ") + c.options + "< \"" + app + "/tempsff.txt\" tempsff\n");
        const std::string index = sff + "\r\ntempsff/s1.pcx\r\n0\r\n1\r\n-7\r\n2\r\n"
                                        "tempsff/s2.pcx\r\n0\r\n2\r\n2\r\n4\r\n";
        EXPECT_EQ(test::readFile(app + "/tempsff.txt"), index);
        EXPECT_EQ(test::readFile(app + "/received.txt"), index);
        EXPECT_EQ(test::readFile(sff), "SFF");
        EXPECT_EQ(t.dialogs.messageTexts(),
                  QStringList{QString::fromStdString("The SFF file " + sff + " was written with 2 sprites.")});
        EXPECT_FALSE(ws().modified());
        EXPECT_TRUE(w->toolbarAction("Save")->isEnabled());
    }
    const FileDialogOptions& dialog = t.dialogs.fileDialogs.last();
    EXPECT_EQ(dialog.title, "Save SFF file");
    EXPECT_EQ(dialog.filter, "Character Spritesheet (*.sff)|*.sff");
    EXPECT_EQ(dialog.directory.toStdString(), app + "/chars/hero/");
    // The dialog remembers the last options.
    EXPECT_EQ(ws().buildFlags.crop, 1);
    EXPECT_EQ(ws().buildFlags.duplicateImages, 1);
    EXPECT_EQ(ws().buildFlags.duplicatePalettes, 1);
}

TEST_F(SpriteWindowTest, CancellingTheParametersStartsNoTool)
{
    fill(1);
    test::writeStandInBuilder(app, kGoodBuilder);
    open();
    ws().buildFlags.duplicateImages = 1;
    t.dialogs.files.enqueue(QString::fromStdString(app + "/new.sff"));
    test::answerParameters(true, false, true, false);
    w->SaveSFF();
    EXPECT_FALSE(w->building());
    EXPECT_FALSE(std::filesystem::exists(app + "/spawn.sh"));
    EXPECT_EQ(test::readFile(app + "/tempsff.txt"), app + "/new.sff\r\ntempsff/s1.pcx\r\n0\r\n1\r\n1\r\n2\r\n");
    EXPECT_EQ(ws().buildFlags.crop, 0); // the flags keep their earlier values
    EXPECT_EQ(ws().buildFlags.duplicateImages, 1);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    // A cancelled save dialog writes nothing at all.
    std::filesystem::remove(app + "/tempsff.txt");
    w->SaveSFF();
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff.txt"));
}

TEST_F(SpriteWindowTest, AFailedBuildReportsTheToolsLineAndKeepsTheChanges)
{
    fill(1);
    test::writeStandInBuilder(app, "cat > /dev/null\n"
                                   "echo 'sprmaker: cannot read tempsff/s1.pcx (record 1)' >&2\n"
                                   "exit 1");
    open();
    w->txtGroup->setText("3");
    ASSERT_TRUE(ws().modified());
    t.dialogs.files.enqueue(QString::fromStdString(app + "/new.sff"));
    test::answerParameters(false, false, false, true);
    w->SaveSFF();
    EXPECT_FALSE(w->waitForBuild());
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"The SFF file was not written: sprmaker: cannot read tempsff/s1.pcx (record 1)"});
    EXPECT_TRUE(ws().modified());

    // No tool at all.
    std::filesystem::remove(app + "/sprmaker");
    t.dialogs.clear();
    t.dialogs.files.enqueue(QString::fromStdString(app + "/new.sff"));
    test::answerParameters(false, false, false, true);
    w->SaveSFF();
    EXPECT_FALSE(w->waitForBuild());
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith("The SFF file was not written: "));
    EXPECT_TRUE(ws().modified());
}

TEST_F(SpriteWindowTest, UnsavedChangesAreOfferedForSavingBeforeTheyAreLost)
{
    fill(2);
    test::writeStandInBuilder(app, kGoodBuilder);
    frmMain main(*t.app);
    registerSpritesWindows(main);
    auto* window = qobject_cast<frmSFF*>(main.openWindow("frmSFF"));
    ASSERT_NE(window, nullptr);

    // Nothing changed: no question.
    window->hscIndex->setValue(2);
    EXPECT_TRUE(confirmSpriteChanges(*t.app));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    window->txtX->setText("12");
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_FALSE(main.closeDown());
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.endsWith("Save them first?"));
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(std::filesystem::exists(app + "/tempsff/s1.pcx"));

    // Yes whose save is cancelled keeps everything.
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_FALSE(confirmSpriteChanges(*t.app));

    // Yes builds, waits for the tool, then lets the close-down go on.
    const std::string sff = app + "/kept.sff";
    t.dialogs.answers.enqueue(Answer::Yes);
    t.dialogs.files.enqueue(QString::fromStdString(sff));
    test::answerParameters(false, false, false, true);
    EXPECT_TRUE(main.closeDown());
    EXPECT_EQ(test::readFile(sff), "SFF");
    EXPECT_NE(test::readFile(app + "/received.txt").find("\r\n12\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(app + "/tempsff")); // the close-down went on
}

TEST_F(SpriteWindowTest, NoDiscardsTheChangesWhenAnotherCharacterIsOpened)
{
    fill(2);
    frmMain main(*t.app);
    registerSpritesWindows(main);
    auto* window = qobject_cast<frmSFF*>(main.openWindow("frmSFF"));
    ASSERT_NE(window, nullptr);
    window->hscIndex->setValue(2);
    window->txtGroup->setText("9");
    t.dialogs.answers.enqueue(Answer::No);
    EXPECT_TRUE(confirmSpriteChanges(*t.app));

    // The table is replaced under the open window: it follows.
    ws().ClearWorkspace();
    ws().records().clear();
    fill(1);
    window->Toolbar1_ButtonClick("Undo");
    EXPECT_EQ(window->lblCurrentPic->text(), " 1 of 1 ");
    EXPECT_EQ(window->currentIndex(), 1);
}

// --- the browser -------------------------------------------------------------

TEST_F(SpriteWindowTest, TheBrowserAddsTheSelectedFileAfterTheCurrentRecord)
{
    fill(5);
    open();
    w->hscIndex->setValue(3);
    file("a.pcx", 4);
    file("b.pcx", 5);
    file("C.PCX", 6);
    test::writeFile(app + "/in/notes.txt", "not a picture");

    frmPCXBrowser browser(*t.app, *w);
    ASSERT_TRUE(browser.setFolder(QString::fromStdString(app + "/in")));
    QStringList listed;
    for (int i = 0; i < browser.flbFile->count(); ++i)
        listed << browser.flbFile->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"a.pcx", "b.pcx", "C.PCX"}));

    browser.cmdAdd_Click(); // nothing selected
    EXPECT_EQ(ws().count(), 5);

    ASSERT_TRUE(browser.selectFile("a.pcx"));
    EXPECT_FALSE(browser.picDisplay->pixmap().isNull()); // the preview
    browser.cmdAdd_Click();
    ASSERT_TRUE(browser.selectFile("b.pcx"));
    emit browser.flbFile->itemDoubleClicked(browser.flbFile->currentItem());
    ASSERT_EQ(ws().count(), 7);
    EXPECT_EQ(ws().record(4).PcxFile, "tempsff/a.pcx");
    EXPECT_EQ(ws().record(5).PcxFile, "tempsff/b.pcx");
    EXPECT_EQ(ws().record(4).imageNo(), 4);
    EXPECT_EQ(ws().record(5).imageNo(), 5);
    EXPECT_EQ(ws().record(6).PcxFile, "tempsff/s4.pcx");
    EXPECT_EQ(w->currentIndex(), 5);
    EXPECT_EQ(label(), " 5 of 7 ");

    // A folder that cannot be read leaves the lists as they were.
    EXPECT_FALSE(browser.setFolder(QString::fromStdString(app + "/missing")));
    EXPECT_TRUE(t.dialogs.messageTexts().last().startsWith("Error: "));
    EXPECT_EQ(browser.folder().toStdString(), app + "/in");
    EXPECT_EQ(browser.flbFile->count(), 3);
}

TEST_F(SpriteWindowTest, ChangingExportingAndHandingToTheEditor)
{
    fill(3);
    open();
    w->hscIndex->setValue(2);
    t.dialogs.files.enqueue(file("new.pcx", 7));
    w->Toolbar1_ButtonClick("Change");
    EXPECT_EQ(ws().record(2).PcxFile, "tempsff/new.pcx");
    EXPECT_EQ(ws().record(2).AxisX, "2");

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out + "/one.pcx"));
    w->Toolbar1_ButtonClick("SaveOne");
    EXPECT_EQ(test::readFile(out + "/one.pcx"), test::solidPcx(2, 2, 7));
    t.dialogs.files.enqueue(QString::fromStdString(out));
    w->Toolbar1_ButtonClick("SaveAll");
    for (const char* name : {"s1.pcx", "new.pcx", "s3.pcx"})
        EXPECT_TRUE(std::filesystem::exists(out + "/" + name)) << name;

    w->Toolbar1_ButtonClick("ShellEdit");
    EXPECT_EQ(t.dialogs.opened, QStringList{QString::fromStdString(app + "/tempsff/new.pcx")});
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}
