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

// The pictures in sorted order; `edited`: sorting changes the order.
std::vector<std::string> sortedPictures(std::vector<SpriteRecord> records, bool& edited)
{
    SpriteWorkspace ws("/nowhere");
    ws.records() = std::move(records);
    edited = !sortOrder(ws).empty();
    sortSprites(ws);
    std::vector<std::string> out;
    for (const auto& r : ws.records())
        out.push_back(r.pcxFile);
    return out;
}

} // namespace

TEST(SpriteList, TheTableLimits)
{
    // rows, rows to add, allowed through Add, allowed through clone and the browser
    const std::tuple<int, int, bool, bool> cases[] = {
        {0, 1, true, true},      {19899, 5, true, true},   {19900, 1, false, true},
        {19999, 1, false, true}, {20000, 1, false, false}, {19899, 102, false, false},
    };
    for (const auto& [count, extra, add, grow] : cases) {
        SpriteWorkspace ws("/nowhere");
        ws.records().resize(static_cast<std::size_t>(count));
        EXPECT_EQ(canAddImages(ws, extra), add) << count << "+" << extra;
        EXPECT_EQ(canGrowTable(ws, extra), grow) << count << "+" << extra;
    }
}

TEST(SpriteList, SortComparesNumbersAndASortedTableIsNoEdit)
{
    // 10 after 9, "-1" first, a text without a number counts as 0.
    bool modified = false;
    EXPECT_EQ(
        sortedPictures({rec("ten", "10", "0"), rec("nine", "9", "0"), rec("minus", "-1", "0"), rec("none", "x", "3")},
                       modified),
        (std::vector<std::string>{"minus", "none", "nine", "ten"}));
    EXPECT_TRUE(modified);
    EXPECT_EQ(sortedPictures({rec("a", "0", "1"), rec("b", "0", "2")}, modified), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(modified);
}

TEST(SpriteList, FindingByNumbersAndTheTexts)
{
    SpriteWorkspace ws("/nowhere");
    ws.records() = {rec("a", "05", "1"), rec("b", "5", "1"), rec("c", "5", "2")};
    EXPECT_EQ(findRecordByNumbers(ws, 5, 1), 1); // as numbers "05" is 5
    EXPECT_EQ(findRecordByNumbers(ws, 5, 2), 3);
    EXPECT_EQ(findRecordByNumbers(ws, 6, 0), std::nullopt);
    EXPECT_EQ(noMatchMessage(-1, 0), "No match found for Group-1 image 0");

    const std::pair<std::int64_t, std::int64_t> clamps[] = {{30000, 30000}, {30001, 30000}, {-30001, -30000}, {-5, -5}};
    for (const auto& [in, out] : clamps)
        EXPECT_EQ(clampAxis(in), out) << in;
}

TEST(SpriteList, InsertingPutsADeletedRecordBackInItsRow)
{
    // rows before, row to insert at, accepted, pictures after
    const std::tuple<int, int, bool, std::string> cases[] = {
        {3, 1, true, "xabc"}, {3, 2, true, "axbc"}, {3, 4, true, "abcx"},
        {3, 5, false, "abc"}, {3, 0, false, "abc"}, {0, 1, true, "x"},
    };
    for (const auto& [count, row, accepted, pictures] : cases) {
        SpriteWorkspace ws("/nowhere");
        for (int k = 0; k < count; ++k)
            ws.records().push_back(rec(std::string(1, static_cast<char>('a' + k)), "0", std::to_string(k)));
        EXPECT_EQ(insertRecord(ws, row, rec("x", "1", "2", "3", "4")), accepted) << row;
        std::string out;
        for (const auto& r : ws.records())
            out += r.pcxFile;
        EXPECT_EQ(out, pictures) << row;
    }
    // Deleting and inserting the record again gives the table as it was.
    SpriteWorkspace ws("/nowhere");
    ws.records() = {rec("a", "0", "0"), rec("b", "05", "1", "-2", "7"), rec("c", "0", "2")};
    const SpriteRecord taken = ws.record(2);
    deleteRecord(ws, 2);
    ASSERT_TRUE(insertRecord(ws, 2, taken));
    EXPECT_EQ(formatSpriteIndex("h", ws.records()),
              formatSpriteIndex("h", {rec("a", "0", "0"), rec("b", "05", "1", "-2", "7"), rec("c", "0", "2")}));
}

TEST(SpriteList, TheSortOrderGoesForthAndBack)
{
    SpriteWorkspace ws("/nowhere");
    ws.records() = {rec("a", "5", "1"), rec("b", "0", "2"), rec("c", "5", "0"), rec("d", "0", "2"),
                    rec("e", "-1", "9")};
    const std::string original = formatSpriteIndex("h", ws.records());
    const std::vector<int> order = sortOrder(ws);
    EXPECT_EQ(order, (std::vector<int>{4, 1, 3, 2, 0}));       // stable: b before d
    EXPECT_EQ(formatSpriteIndex("h", ws.records()), original); // asking is no edit
    applyOrder(ws, order);
    std::string pictures;
    for (const auto& r : ws.records())
        pictures += r.pcxFile;
    EXPECT_EQ(pictures, "ebdca");
    EXPECT_TRUE(sortOrder(ws).empty()); // in order now
    revertOrder(ws, order);
    EXPECT_EQ(formatSpriteIndex("h", ws.records()), original);

    // An order for another table changes nothing.
    applyOrder(ws, {1, 0});
    revertOrder(ws, {1, 0});
    EXPECT_EQ(formatSpriteIndex("h", ws.records()), original);
}

TEST(SpriteList, AKeptPictureIsWrittenBackOnlyWhenItsFileIsGone)
{
    QTemporaryDir dir;
    const std::string app = dir.path().toStdString();
    SpriteWorkspace ws(app);
    test::writeFile(app + "/tempsff/walk.pcx", "walk picture");
    const KeptPicture kept = keepPicture(ws, "tempsff/walk.pcx");
    ASSERT_EQ(kept.bytes, std::optional<std::string>("walk picture"));

    test::writeFile(app + "/tempsff/walk.pcx", "another picture since");
    EXPECT_TRUE(restorePicture(ws, kept));
    EXPECT_EQ(test::readFile(app + "/tempsff/walk.pcx"), "another picture since"); // never replaced

    std::filesystem::remove_all(app + "/tempsff");
    EXPECT_TRUE(restorePicture(ws, kept));
    EXPECT_EQ(test::readFile(app + "/tempsff/walk.pcx"), "walk picture");

    const KeptPicture missing = keepPicture(ws, "tempsff/none.pcx");
    EXPECT_FALSE(missing.bytes);
    EXPECT_FALSE(restorePicture(ws, missing));
}

TEST(SpriteList, CopiesIntoTheWorkspaceNeverReplaceAnotherPicture)
{
    QTemporaryDir dir;
    const std::string app = dir.path().toStdString();
    SpriteWorkspace ws(app);
    const std::pair<const char*, const char*> files[] = {
        {"tempsff/walk.pcx", "old picture"},
        {"tempsff/walk-2.pcx", "another"},
        {"tempsff/JUMP.PCX", "jump"},
        {"tempsff/same.pcx", "same"},
        {"in/walk.pcx", "new picture"},
        {"in/jump.pcx", "other jump"},
        {"in/same.pcx", "same"},
        {"in/fresh.pcx", "fresh"},
    };
    for (const auto& [name, bytes] : files)
        test::writeFile(app + "/" + name, bytes);

    const std::pair<const char*, const char*> cases[] = {
        {"in/walk.pcx", "tempsff/walk-3.pcx"}, // walk and walk-2 are taken
        {"in/jump.pcx", "tempsff/jump-2.pcx"}, // taken in another letter case
        {"in/same.pcx", "tempsff/same.pcx"},   // the same picture: shared, not copied again
        {"in/fresh.pcx", "tempsff/fresh.pcx"}, {"in/walk.pcx", "tempsff/walk-3.pcx"}, // a second copy reuses the first
    };
    for (const auto& [source, expected] : cases) {
        const Result<std::string> r = copyIntoWorkspace(ws, app + "/" + source);
        ASSERT_TRUE(r) << source << ": " << r.error();
        EXPECT_EQ(*r, expected) << source;
        EXPECT_EQ(test::readFile(app + "/" + *r), test::readFile(app + "/" + source)) << source;
    }
    EXPECT_EQ(test::readFile(app + "/tempsff/walk.pcx"), "old picture");
    EXPECT_EQ(test::readFile(app + "/tempsff/JUMP.PCX"), "jump");
    EXPECT_FALSE(copyIntoWorkspace(ws, app + "/in/missing.pcx"));

    // A workspace folder that is gone is made again.
    EXPECT_TRUE(copyIntoWorkspace(SpriteWorkspace(app + "/other"), app + "/in/fresh.pcx"));
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
    const std::pair<double, int> rounding[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.6, 3}};
    for (const auto& [in, out] : rounding)
        EXPECT_EQ(roundHalfEven(in), out) << in;

    // A 400 x 300 view, both bars in the middle, axis (10, 20).
    const ViewPoint origin = viewOrigin(400, 300, kPanCentre, kPanCentre);
    EXPECT_EQ(origin, (ViewPoint{200, 150}));
    EXPECT_EQ(spritePlacement(origin, 10, 20, 30, 40, 1.0f), (ViewRect{190, 130, 30, 40}));
    EXPECT_EQ(spritePlacement(origin, 10, 20, 30, 40, 2.0f), (ViewRect{180, 110, 60, 80}));
    EXPECT_EQ(markerPlacement(origin, 0.5f), (ViewRect{197, 147, 6, 6})); // 6.5 rounds to 6
    // A higher scroll value moves the picture left; an odd width halves to even.
    EXPECT_EQ(viewOrigin(401, 300, kPanCentre + 10, kPanCentre - 4), (ViewPoint{190, 154}));
    EXPECT_EQ(viewOrigin(403, 300, kPanCentre, kPanCentre).x, 202);
}

TEST(SpriteView, MouseLabelAndDragArithmetic)
{
    const ViewPoint o{200, 150};
    EXPECT_EQ(mouseLabelText(205, 141, o, 2.0f), " 2, -5");
    EXPECT_EQ(mouseLabelText(203, 151, o, 0.5f), " 6,  2");

    // start, now, axis, zoom, axis after
    const std::tuple<int, int, std::int64_t, float, std::int64_t> drags[] = {
        {0, -6, 10, 2.0f, 13},
        {5, 6, 10, 2.0f, 9}, // floor(-0.5 + 10)
        {0, 3, 0, 1.0f, -3},
        {-20, -10, 40, 0.5f, 20},
    };
    for (const auto& [start, now, axis, zoom, expected] : drags)
        EXPECT_EQ(draggedAxis(start, axis, now, zoom), expected) << start << "->" << now;
}

TEST(SffBuild, OptionsTheScriptLineAndTheIndex)
{
    // crop, remove duplicate images, remove duplicate palettes
    const std::tuple<int, int, int, const char*> cases[] = {
        {0, 0, 0, ""},       {1, 0, 0, "-c "},    {0, 1, 0, "-p "},       {0, 0, 1, "-f "}, {1, 1, 0, "-c -p "},
        {1, 0, 1, "-c -f "}, {0, 1, 1, "-f -p "}, {1, 1, 1, "-c -f -p "}, {2, 2, 2, ""}, // only the value 1 adds its
                                                                                         // option
    };
    for (const auto& [crop, images, palettes, options] : cases) {
        const BuildFlags flags{crop, images, palettes};
        EXPECT_EQ(buildCommandLine("/usr/lib exec", "/opt/van trel", flags),
                  std::string("\"/usr/lib exec/sprmaker\" ") + options + "< \"/opt/van trel/tempsff.txt\" tempsff");
    }
    // The options start out keeping links and shared palettes.
    EXPECT_EQ(buildCommandLine("/t/$(x)", "/a/$HOME`x`", {}),
              "\"/t/\\$(x)/sprmaker\" -f -p < \"/a/\\$HOME\\`x\\`/tempsff.txt\" tempsff");

    // The fields go to the tool as they stand.
    SpriteWorkspace ws("/app");
    ws.records() = {rec("tempsff/s1.pcx", "0", "1", "-5", "30000"), rec("tempsff\\b.pcx", "05", "", "x", "7")};
    EXPECT_EQ(buildIndexText("/chars/kfm/kfm.sff", ws),
              "/chars/kfm/kfm.sff\r\ntempsff/s1.pcx\r\n0\r\n1\r\n-5\r\n30000\r\n"
              "tempsff\\b.pcx\r\n05\r\n\r\nx\r\n7\r\n");
    EXPECT_EQ(buildIndexText("/out.sff", SpriteWorkspace("/app")), "/out.sff\r\n");
}
