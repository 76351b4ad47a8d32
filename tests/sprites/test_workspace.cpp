#include "sprites/workspace.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> list)
{
    return {list.begin(), list.end()};
}

} // namespace

TEST(SpriteIndex, RecordsAreFiveLinesAfterTheHeader)
{
    EXPECT_EQ(parseIndex(lines({"header"})).value().size(), 0u);
    EXPECT_EQ(parseIndex({}).value().size(), 0u);

    // 11 lines after the header: three records, the last holding only its picture.
    const auto r = parseIndex(lines({"h", "a.pcx", "1", "2", "3", "4", "b.pcx", "", "6", "7", "8", "c.pcx"}));
    ASSERT_TRUE(r) << r.error();
    ASSERT_EQ(r->size(), 3u);
    EXPECT_EQ((*r)[1].groupText, ""); // a blank line is an empty field
    EXPECT_EQ((*r)[1].imageText, "6");
    EXPECT_EQ((*r)[2].pcxFile, "c.pcx");
    EXPECT_EQ((*r)[2].groupText, "");
    EXPECT_EQ((*r)[0].axisY(), 4);
}

TEST(SpriteIndex, OversizedIndexesAreRefused)
{
    // The line limit binds first: 99,000 lines hold 19,800 records.
    std::vector<std::string> big(kMaxIndexLines, "0");
    const auto full = parseIndex(big);
    ASSERT_TRUE(full) << full.error();
    EXPECT_EQ(full->size(), 19800u);
    big.push_back("extra.pcx");
    const auto tooMany = parseIndex(big);
    EXPECT_FALSE(tooMany);
    EXPECT_NE(tooMany.error().find("too large"), std::string::npos);
}

TEST(SpriteIndex, WrittenIndexReadsBack)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/tempsff.txt";
    std::vector<SpriteRecord> records = {{"tempsff/a.pcx", "0", "0", "10", "-20"},
                                         {"tempsff/b.pcx", "5000", "1", "3", "4"}};
    test::writeFile(path, formatSpriteIndex("/out/hero.sff", records));
    EXPECT_EQ(test::readFile(path).substr(0, 15), "/out/hero.sff\r\n");
    const auto back = readIndexFile(path);
    ASSERT_TRUE(back) << back.error();
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[0].axisYText, "-20");
    EXPECT_EQ((*back)[1].pcxFile, "tempsff/b.pcx");
    EXPECT_FALSE(readIndexFile(dir.path().toStdString() + "/missing.txt"));
}

TEST(SpriteIndex, TextReadsBackToTheSameBytes)
{
    // The tools read the index from its text: what the editor writes must
    // come back field for field, and write out again byte for byte.
    const std::vector<SpriteRecord> records = {{"tempsff\\a.pcx", "05", "", "-3", "x"},
                                               {"tempsff/b.pcx", "1", "2", "3", "4"}};
    const std::string text = formatSpriteIndex("C:\\out\\hero.sff", records);
    EXPECT_EQ(text,
              "C:\\out\\hero.sff\r\ntempsff\\a.pcx\r\n05\r\n\r\n-3\r\nx\r\n"
              "tempsff/b.pcx\r\n1\r\n2\r\n3\r\n4\r\n");
    for (const std::string& written : {text,
                                       std::string("C:\\out\\hero.sff\ntempsff\\a.pcx\n05\n\n-3\nx\n"
                                                   "tempsff/b.pcx\n1\n2\n3\n4")}) {
        const SpriteIndex back = parseSpriteIndex(std::string_view(written));
        EXPECT_EQ(back.header, "C:\\out\\hero.sff");
        EXPECT_EQ(formatSpriteIndex(back.header, back.records), text);
    }
    EXPECT_EQ(parseSpriteIndex(std::string_view()).header, "");
}

TEST(SpriteWorkspace, FindComparesTheTextsAndReturnsTheFirstMatch)
{
    SpriteWorkspace ws;
    ws.records() = {{"a", "5", "0", "", ""}, {"b", "5", "0", "", ""}, {"c", "05", "1", "", ""}};
    EXPECT_EQ(ws.findSpriteRecord("5", "0"), 1);
    EXPECT_EQ(ws.findSpriteRecord("05", "0"), std::nullopt);
    EXPECT_EQ(ws.findSpriteRecord("05", "1"), 3);
    EXPECT_EQ(ws.findSpriteRecord("9", "9"), std::nullopt);
}

TEST(SpriteWorkspace, ClearRemovesEverythingAndIgnoresWhatIsNotThere)
{
    QTemporaryDir dir;
    SpriteWorkspace ws(dir.path().toStdString());
    ws.clearWorkspace(); // nothing there: nothing reported
    test::writeFile(ws.directory() + "/a.pcx", "x");
    test::writeFile(ws.directory() + "/b.pcx", "y");
    test::writeFile(ws.indexPath(), "h\r\n");
    ws.clearWorkspace();
    EXPECT_FALSE(std::filesystem::exists(ws.directory()));
    EXPECT_FALSE(std::filesystem::exists(ws.indexPath()));
    EXPECT_TRUE(std::filesystem::exists(dir.path().toStdString()));
}
