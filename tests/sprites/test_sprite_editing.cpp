#include "sprites/sff_build.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_view.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;

namespace {

SpriteRecord rec(std::string pcx, std::string group, std::string image, std::string x = "0", std::string y = "0")
{
    return {std::move(pcx), std::move(group), std::move(image), std::move(x), std::move(y)};
}

// A table of n records: s1.pcx .. sn.pcx, group 0, image k, axis (k, -k).
SpriteWorkspace table(int n, const std::string& appDir = "/nowhere")
{
    SpriteWorkspace ws(appDir);
    for (int k = 1; k <= n; ++k) {
        const std::string s = std::to_string(k);
        ws.records().push_back(rec("tempsff/s" + s + ".pcx", "0", s, s, "-" + s));
    }
    return ws;
}

std::vector<std::string> pictures(const SpriteWorkspace& ws)
{
    std::vector<std::string> out;
    for (const auto& r : ws.records())
        out.push_back(r.PcxFile);
    return out;
}

} // namespace

TEST(SpriteList, TheTableLimits)
{
    struct Case {
        int count;
        int extra;
        bool add;  // through AddImage
        bool grow; // clone and browser
    };
    const Case cases[] = {
        {0, 1, true, true},          {19899, 1, true, true},      {19899, 5, true, true},
        {19900, 1, false, true},     {19950, 1, false, true},     {19999, 1, false, true},
        {20000, 1, false, false},    {19899, 102, false, false},
    };
    for (const Case& c : cases) {
        SpriteWorkspace ws("/nowhere");
        ws.records().resize(static_cast<std::size_t>(c.count));
        EXPECT_EQ(canAddImages(ws, c.extra), c.add) << c.count << "+" << c.extra;
        EXPECT_EQ(canGrowTable(ws, c.extra), c.grow) << c.count << "+" << c.extra;
    }
}

TEST(SpriteList, SortIsStableByGroupThenImageAsNumbers)
{
    SpriteWorkspace ws("/nowhere");
    ws.records() = {rec("a", "5", "1"), rec("b", "0", "2"), rec("c", "5", "0"), rec("d", "0", "2")};
    SortSprites(ws);
    EXPECT_EQ(pictures(ws), (std::vector<std::string>{"b", "d", "c", "a"}));
    EXPECT_TRUE(ws.modified());

    // Numbers, not texts: 10 after 9, "-1" first, text without a number is 0.
    SpriteWorkspace n("/nowhere");
    n.records() = {rec("ten", "10", "0"), rec("nine", "9", "0"), rec("minus", "-1", "0"), rec("none", "x", "3")};
    SortSprites(n);
    EXPECT_EQ(pictures(n), (std::vector<std::string>{"minus", "none", "nine", "ten"}));

    // An already sorted table is not an edit.
    SpriteWorkspace sorted = table(4);
    SortSprites(sorted);
    EXPECT_FALSE(sorted.modified());
}

TEST(SpriteList, FindingByNumbersAndTheTexts)
{
    SpriteWorkspace ws("/nowhere");
    ws.records() = {rec("a", "05", "1"), rec("b", "5", "1"), rec("c", "5", "2")};
    EXPECT_EQ(findRecordByNumbers(ws, 5, 1), 1); // as numbers "05" is 5
    EXPECT_EQ(findRecordByNumbers(ws, 5, 2), 3);
    EXPECT_EQ(findRecordByNumbers(ws, 6, 0), std::nullopt);

    EXPECT_EQ(noMatchMessage(5, 2), "No match found for Group 5 image 2");
    EXPECT_EQ(noMatchMessage(-1, 0), "No match found for Group-1 image 0");
    EXPECT_EQ(positionText(3, 10), " 3 of 10 ");
    EXPECT_EQ(positionText(0, 0), " 0 of 0 ");

    const std::pair<std::int64_t, std::int64_t> clamps[] = {
        {40000, 30000}, {30000, 30000}, {-30001, -30000}, {0, 0}, {-5, -5}};
    for (const auto& [in, out] : clamps)
        EXPECT_EQ(clampAxis(in), out) << in;
}

TEST(SpriteList, CopiesIntoTheWorkspaceNeverReplaceAnotherPicture)
{
    QTemporaryDir dir;
    const std::string app = dir.path().toStdString();
    SpriteWorkspace ws(app);
    test::writeFile(app + "/tempsff/walk.pcx", "old picture");
    test::writeFile(app + "/tempsff/walk-2.pcx", "another");
    test::writeFile(app + "/tempsff/JUMP.PCX", "jump");
    test::writeFile(app + "/in/walk.pcx", "new picture");
    test::writeFile(app + "/in/jump.pcx", "different jump");
    test::writeFile(app + "/in/same.pcx", "same");
    test::writeFile(app + "/tempsff/same.pcx", "same");
    test::writeFile(app + "/in/fresh.pcx", "fresh");

    struct Case {
        const char* source;
        const char* expected;
    };
    const Case cases[] = {
        {"/in/walk.pcx", "tempsff/walk-3.pcx"},  // walk and walk-2 are taken
        {"/in/jump.pcx", "tempsff/jump-2.pcx"},  // taken in another letter case
        {"/in/same.pcx", "tempsff/same.pcx"},    // the same picture: shared, not copied again
        {"/in/fresh.pcx", "tempsff/fresh.pcx"},
    };
    for (const Case& c : cases) {
        const CopyResult r = copyIntoWorkspace(ws, app + c.source);
        ASSERT_TRUE(r.ok) << c.source << ": " << r.error;
        EXPECT_EQ(r.pcxFile, c.expected) << c.source;
        EXPECT_EQ(test::readFile(app + "/" + r.pcxFile), test::readFile(app + c.source)) << c.source;
    }
    EXPECT_EQ(test::readFile(app + "/tempsff/walk.pcx"), "old picture");
    EXPECT_EQ(test::readFile(app + "/tempsff/JUMP.PCX"), "jump");

    // Copying the same file twice reuses its first copy.
    EXPECT_EQ(copyIntoWorkspace(ws, app + "/in/walk.pcx").pcxFile, "tempsff/walk-3.pcx");
    EXPECT_FALSE(copyIntoWorkspace(ws, app + "/in/missing.pcx").ok);

    // A workspace folder that is gone is made again.
    SpriteWorkspace bare(app + "/other");
    EXPECT_TRUE(copyIntoWorkspace(bare, app + "/in/fresh.pcx").ok);
    EXPECT_EQ(test::readFile(app + "/other/tempsff/fresh.pcx"), "fresh");
}

TEST(SpriteList, ExportingEveryPictureOnce)
{
    QTemporaryDir dir;
    const std::string app = dir.path().toStdString();
    SpriteWorkspace ws(app);
    test::writeFile(app + "/tempsff/a.pcx", "A");
    test::writeFile(app + "/tempsff/b.pcx", "B");
    ws.records() = {rec("tempsff\\a.pcx", "0", "0"), rec("tempsff/b.pcx", "0", "1"), rec("tempsff/a.pcx", "0", "2")};
    std::filesystem::create_directories(app + "/out");
    EXPECT_TRUE(exportAllPictures(ws, app + "/out").empty());
    EXPECT_EQ(test::readFile(app + "/out/a.pcx"), "A");
    EXPECT_EQ(test::readFile(app + "/out/b.pcx"), "B");

    ws.records().push_back(rec("tempsff/gone.pcx", "0", "3"));
    const auto errors = exportAllPictures(ws, app + "/out");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("gone.pcx"), std::string::npos);
}

TEST(SpriteView, RoundingOriginAndPlacement)
{
    const std::pair<double, int> rounding[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}};
    for (const auto& [in, out] : rounding)
        EXPECT_EQ(roundHalfEven(in), out) << in;

    // A 400 x 300 view, both bars in the middle, axis (10, 20) at zoom 1.
    const ViewPoint origin = viewOrigin(400, 300, kPanCentre, kPanCentre);
    EXPECT_EQ(origin, (ViewPoint{200, 150}));
    EXPECT_EQ(spritePlacement(origin, 10, 20, 30, 40, 1.0f), (ViewRect{190, 130, 30, 40}));
    EXPECT_EQ(markerPlacement(origin, 1.0f), (ViewRect{194, 144, 13, 13}));
    EXPECT_EQ(spritePlacement(origin, 10, 20, 30, 40, 2.0f), (ViewRect{180, 110, 60, 80}));
    EXPECT_EQ(markerPlacement(origin, 0.5f), (ViewRect{197, 147, 6, 6})); // 6.5 rounds to 6
    // A higher scroll value moves the picture left; an odd width halves to even.
    EXPECT_EQ(viewOrigin(401, 300, kPanCentre + 10, kPanCentre - 4), (ViewPoint{190, 154}));
    EXPECT_EQ(viewOrigin(403, 300, kPanCentre, kPanCentre).x, 202);
}

TEST(SpriteView, ZoomStepsAndTheirButtons)
{
    float zoom = 1.0f;
    std::vector<float> reached;
    while (zoomInEnabled(zoom)) {
        zoom = zoomedIn(zoom);
        reached.push_back(zoom);
    }
    EXPECT_EQ(reached, (std::vector<float>{2, 4, 8}));
    EXPECT_TRUE(zoomOutEnabled(8.0f));
    EXPECT_TRUE(zoomInEnabled(4.0f)); // from 4 one more step is allowed
    reached.clear();
    while (zoomOutEnabled(zoom)) {
        zoom = zoomedOut(zoom);
        reached.push_back(zoom);
    }
    EXPECT_EQ(reached, (std::vector<float>{4, 2, 1, 0.5f, 0.25f, 0.125f}));
    EXPECT_TRUE(zoomInEnabled(0.125f));
}

TEST(SpriteView, MouseLabelAndDragArithmetic)
{
    const ViewPoint o{200, 150};
    EXPECT_EQ(mouseLabelText(197, 150, o, 2.0f), "-2,  0"); // floor(-1.5)
    EXPECT_EQ(mouseLabelText(205, 141, o, 2.0f), " 2, -5");
    EXPECT_EQ(mouseLabelText(200, 150, o, 0.5f), " 0,  0");
    EXPECT_EQ(mouseLabelText(203, 151, o, 0.5f), " 6,  2");

    struct Drag {
        int start, now;
        std::int64_t axis;
        float zoom;
        std::int64_t expected;
    };
    const Drag drags[] = {
        {0, 6, 10, 2.0f, 7},     // 6 pixels right at zoom 2 lowers the axis by 3
        {0, -6, 10, 2.0f, 13},
        {5, 6, 10, 2.0f, 9},     // floor(-0.5 + 10)
        {0, 3, 0, 1.0f, -3},
        {-20, -10, 40, 0.5f, 20},
        {0, 0, 29999, 8.0f, 29999},
    };
    for (const Drag& d : drags)
        EXPECT_EQ(draggedAxis(d.start, d.axis, d.now, d.zoom), d.expected) << d.start << "->" << d.now;
}

TEST(SffBuild, OptionsAndTheScriptLine)
{
    struct Case {
        int crop, images, palettes;
        const char* options;
    };
    const Case cases[] = {
        {0, 0, 0, ""},       {1, 0, 0, "-c "},    {0, 1, 0, "-p "},       {0, 0, 1, "-f "},
        {1, 1, 0, "-c -p "}, {1, 0, 1, "-c -f "}, {0, 1, 1, "-f -p "},    {1, 1, 1, "-c -f -p "},
        {2, 2, 2, ""}, // only the value 1 adds its option
    };
    for (const Case& c : cases) {
        BuildFlags flags;
        flags.crop = c.crop;
        flags.duplicateImages = c.images;
        flags.duplicatePalettes = c.palettes;
        EXPECT_EQ(buildOptionText(flags), c.options);
        EXPECT_EQ(buildCommandLine("/opt/van trel", flags),
                  std::string("./sprmaker ") + c.options + "< \"/opt/van trel/tempsff.txt\" tempsff");
    }
    BuildFlags none;
    EXPECT_EQ(buildCommandLine("/a/$HOME`x`", none), "./sprmaker < \"/a/\\$HOME\\`x\\`/tempsff.txt\" tempsff");
}

TEST(SffBuild, TheIndexTheToolReads)
{
    SpriteWorkspace ws("/app");
    ws.records() = {rec("tempsff/s1.pcx", "0", "1", "-5", "30000"), rec("tempsff\\b.pcx", "05", "", "x", "7")};
    EXPECT_EQ(buildIndexText("/chars/kfm/kfm.sff", ws),
              "/chars/kfm/kfm.sff\r\ntempsff/s1.pcx\r\n0\r\n1\r\n-5\r\n30000\r\n"
              "tempsff\\b.pcx\r\n05\r\n\r\nx\r\n7\r\n");
    SpriteWorkspace empty("/app");
    EXPECT_EQ(buildIndexText("/out.sff", empty), "/out.sff\r\n");
}
