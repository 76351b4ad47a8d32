// The outline of a file: its states, actions or commands, each at its line
// with the name its comment gives it, and the entry that holds a line.

#include "common/text.h"
#include "text/outline.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace vantrel;

namespace {

struct Lines {
    std::vector<std::string> texts;
    std::vector<std::string_view> views;
    explicit Lines(const std::string& text)
    {
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            texts.push_back(text.substr(start, end - start));
        texts.push_back(text.substr(start));
        views.assign(texts.begin(), texts.end());
    }
};

std::string realFile(const std::string& name)
{
    std::ifstream in(std::string(VANTREL_REALCHARS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::pair<int, std::string>> pairs(const std::vector<OutlineEntry>& entries)
{
    std::vector<std::pair<int, std::string>> out;
    for (const OutlineEntry& e : entries)
        out.emplace_back(e.line, e.label);
    return out;
}

} // namespace

TEST(Outline, StatesActionsAndCommandsWithTheirNames)
{
    const Lines states("; Stand\r\n"
                       "[Statedef 0]\r\n"
                       "type = S\r\n"
                       "\r\n"
                       ";---------------\r\n"
                       "; Light punch\r\n"
                       "; Description: a quick jab that\r\n"
                       ";    leaves the guard open\r\n"
                       "[Statedef 200, Fist]\r\n"
                       "[State 200, 1]\r\n"
                       "[StateDef -1, Commands]\r\n"
                       "x = 1 ; not a comment line\r\n"
                       "[Statedef 300]\r\n"
                       "# a script's comment\r\n"
                       "[StateDef 400; type: S; anim: 400;]\r\n"
                       "[Function Launch(speed) ok]\r\n"
                       "  [Statedef 500 ]");
    EXPECT_EQ(pairs(outlineOf(OutlineKind::States, states.views)),
              (std::vector<std::pair<int, std::string>>{{1, "0 Stand"},
                                                        {8, "200 Light punch"},
                                                        {10, "-1 Commands"},
                                                        {12, "300"},
                                                        {14, "400 a script's comment"},
                                                        {15, "Function Launch"},
                                                        {16, "500"}}));

    const Lines actions("; Walk\r\n[Begin Action 20]\r\n20,0, 0,0, 5\r\n\r\n[Begin Action 21] ; back\r\n");
    EXPECT_EQ(pairs(outlineOf(OutlineKind::Actions, actions.views)),
              (std::vector<std::pair<int, std::string>>{{1, "20 Walk"}, {4, "21"}}));

    const Lines commands("[Command]\r\nname = \"QCF_x\"\r\ncommand = ~D, DF, F, x\r\n[Command]\r\n"
                         "command = a\r\n[Statedef -1]\r\nname = \"not a command\"\r\n[command]\r\nname = fwd\r\n");
    EXPECT_EQ(pairs(outlineOf(OutlineKind::Commands, commands.views)),
              (std::vector<std::pair<int, std::string>>{{0, "QCF_x"}, {3, "[Command]"}, {7, "fwd"}}));
}

TEST(Outline, TheEntryHoldingALine)
{
    const std::vector<OutlineEntry> entries = {{3, "a"}, {10, "b"}, {20, "c"}};
    const std::pair<int, int> cases[] = {{0, -1}, {2, -1}, {3, 0}, {9, 0}, {10, 1}, {25, 2}};
    for (const auto& [line, entry] : cases)
        EXPECT_EQ(outlineEntryAt(entries, line), entry) << line;
    EXPECT_EQ(outlineEntryAt({}, 5), -1);
}

// Both real characters: every Statedef of kfm.cns and every action of kfm.air
// is listed, at the line of its header.
TEST(Outline, RealCharactersListEveryStateAndAction)
{
    for (const char* character : {"winmugen-kfm", "ikemen-kfm"}) {
        for (const auto& [file, kind, header] : {std::tuple("kfm.cns", OutlineKind::States, "[statedef"),
                                                 std::tuple("kfm.air", OutlineKind::Actions, "[begin action")}) {
            const std::string text = realFile(std::string(character) + "/" + file);
            ASSERT_FALSE(text.empty()) << character << "/" << file;
            const Lines lines(text);
            std::vector<int> headers;
            for (std::size_t k = 0; k < lines.texts.size(); ++k) {
                if (toLowerAscii(trimmed(lines.texts[k])).rfind(header, 0) == 0)
                    headers.push_back(static_cast<int>(k));
            }
            const std::vector<OutlineEntry> entries = outlineOf(kind, lines.views);
            std::vector<int> listed;
            for (const OutlineEntry& e : entries)
                listed.push_back(e.line);
            EXPECT_EQ(listed, headers) << character << "/" << file;
            EXPECT_GT(entries.size(), 40u);
        }
    }
}
