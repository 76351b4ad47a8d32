#include "common/text.h"
#include "text/find.h"
#include "text/state_extras.h"
#include "text/text_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vantrel;

TEST(Find, RepeatedSearchesFollowTheLastMatchRule)
{
    struct Case {
        const char* what;
        std::u16string text;
        long caret;
        long lastMatch;
        int direction;
        bool matchCase;
        std::u16string find;
        std::vector<long> results; // offsets selected by successive searches, -1 for "not found"
        std::vector<long> selectionAfter;
    };
    const Case cases[] = {
        {"down from 2", u"abc abc", 2, 0, kFindDown, false, u"abc", {4, -1, 4}, {4, 4, 4}},
        {"up from 7", u"abc abc", 7, 0, kFindUp, false, u"abc", {4, 0, -1}, {4, 0, 0}},
        {"fresh start at 0 skips a match at 0", u"abc abc", 0, 0, kFindDown, false, u"abc", {4}, {4}},
        {"case ignored", u"xx abc", 0, -1, kFindDown, false, u"ABC", {3}, {3}},
        {"case matched", u"xx abc", 0, -1, kFindDown, true, u"ABC", {-1}, {0}},
        {"Latin-1 letters fold", u"caf\u00E9", 0, -1, kFindDown, false, u"CAF\u00C9", {0}, {0}},
        {"up from the very start", u"abc", 0, -1, kFindUp, false, u"abc", {-1}, {0}},
        {"up finds nothing shorter than the text", u"ab", 2, -1, kFindUp, false, u"abc", {-1}, {2}},
        {"across a line break", u"a\r\nb a\r\nb", 1, -1, kFindDown, false, u"a\r\nb", {5}, {5}},
    };
    for (const Case& c : cases) {
        StringTextBox box(c.text, c.caret, 0);
        SearchSettings search;
        search.lastMatch = c.lastMatch;
        search.direction = c.direction;
        search.matchCase = c.matchCase;
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            EXPECT_EQ(FindNext(box, search, c.find), c.results[i]) << c.what << " search " << i;
            EXPECT_EQ(search.lastMatch, c.results[i]) << c.what;
            EXPECT_EQ(box.selStart(), c.selectionAfter[i]) << c.what << " search " << i;
            if (c.results[i] >= 0) {
                EXPECT_EQ(box.selLength(), static_cast<long>(c.find.size())) << c.what;
            }
        }
    }
}

TEST(Find, ReplaceOnlyAnExactSelectionThenFindTheNext)
{
    SearchSettings search;
    search.lastMatch = -1;
    StringTextBox onMatch(u"abc abc", 0, 3);
    EXPECT_EQ(ReplaceNext(onMatch, search, u"abc", u"xy"), 3);
    EXPECT_EQ(onMatch.text(), u"xy abc");
    EXPECT_EQ(onMatch.selText(), u"abc");

    // Letter case counts for the replacement even when the search ignores it.
    StringTextBox otherCase(u"ABC abc", 0, 3);
    search.lastMatch = -1;
    EXPECT_EQ(ReplaceNext(otherCase, search, u"abc", u"xy"), 0);
    EXPECT_EQ(otherCase.text(), u"ABC abc");

    StringTextBox empty(u"abc", 1, 0);
    EXPECT_EQ(ReplaceNext(empty, search, u"", u"zz"), search.lastMatch);
    EXPECT_EQ(empty.text(), u"abc");
}

TEST(StateIndicator, NumberAroundTheSelectionAndCaption)
{
    const std::u16string text = u"; top\r\n[Statedef 200, Walk]\r\ntype = S\r\n[STATEDEF -1]\r\n[State -1]\r\n";
    struct Case {
        const char* what;
        long start;
        long length;
        std::optional<std::int64_t> state;
    };
    const Case cases[] = {
        {"caret at 0 keeps the caption", 0, 0, std::nullopt},
        {"before any state", 3, 0, kNotInAState},
        {"inside the word statedef", 10, 0, kNotInAState},
        {"in state 200", 30, 0, 200},
        {"selection ending in the next header", 30, 20, -1},
        {"after [Statedef -1]", 60, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stateAtSelection(text, c.start, c.length), c.state) << c.what;

    EXPECT_EQ(stateAtSelection(u"[statedef 1234567890123]", 20, 0), 1234567890);
    EXPECT_EQ(stateAtSelection(u"x[statedef 5000", 15, 0), 50); // the last two of fewer than twelve go too
    EXPECT_EQ(stateAtSelection(u"x[statedef ", 11, 0), 0);
    EXPECT_EQ(stateCaption(200, u"/c/kfm.cns"), u"State 200 of /c/kfm.cns");
    EXPECT_EQ(stateCaption(-1, u"/c/kfm.cns"), u"State-1 of /c/kfm.cns");
    EXPECT_EQ(stateCaption(kNotInAState, u"/c/kfm.cns"), u"Not in a state - /c/kfm.cns");
}

TEST(TextClips, FileLayoutRules)
{
    const TextClipLibrary two = readTextClips({"<Alpha>", " 205 ", "[State %x%, ]", "type = Null", "-", "<Beta>", "12", "x", "<ignored", ""});
    ASSERT_EQ(two.listNames, (std::vector<std::u16string>{u"Alpha", u"Beta"}));
    EXPECT_EQ(two.clipAt(0)->helpNumber, 205);
    EXPECT_EQ(two.clipAt(0)->body, u"[State %x%, ]\r\ntype = Null\r\n");
    EXPECT_EQ(two.clipAt(1)->body, u"x\r\n\r\n");
    EXPECT_EQ(two.clipAt(1)->helpNumber, 12);
    EXPECT_TRUE(two.clips[0].name.empty());
    EXPECT_FALSE(two.truncated);

    // Without "-" lines everything is clip 1; each name still adds a list entry.
    const TextClipLibrary one = readTextClips({"<A>", "1", "a", "<B>", "2", "b"});
    EXPECT_EQ(one.listNames.size(), 2u);
    EXPECT_EQ(one.clipAt(0)->name, u"B");
    EXPECT_EQ(one.clipAt(0)->helpNumber, 2);
    EXPECT_EQ(one.clipAt(0)->body, u"a\r\nb\r\n");
    EXPECT_TRUE(one.clipAt(1)->body.empty());

    // A name line at the very end has help number 0.
    EXPECT_EQ(readTextClips({"<Last>"}).clipAt(0)->helpNumber, 0);
    EXPECT_EQ(two.clipAt(-1), nullptr);
    EXPECT_EQ(two.clipAt(kMaxTextClips), nullptr);
}

TEST(TextClips, TheFiveHundredthDashEndsTheReading)
{
    for (const bool clipFollows : {false, true}) {
        std::vector<std::string> lines;
        for (int i = 1; i <= kMaxTextClips; ++i) {
            lines.insert(lines.end(), {"<c" + std::to_string(i) + ">", "1", "body", "-"});
        }
        if (clipFollows)
            lines.insert(lines.end(), {"<c501>", "1", "body"});
        const TextClipLibrary library = readTextClips(lines);
        EXPECT_TRUE(library.truncated);
        EXPECT_EQ(library.listNames.size(), static_cast<std::size_t>(kMaxTextClips));
        EXPECT_EQ(library.clipAt(kMaxTextClips - 1)->name, u"c500");
    }
    std::vector<std::string> exactly;
    for (int i = 1; i < kMaxTextClips; ++i)
        exactly.insert(exactly.end(), {"<c>", "1", "-"});
    EXPECT_FALSE(readTextClips(exactly).truncated);
    EXPECT_TRUE(readTextClipFile("/nonexistent/stclips.txt").listNames.empty());
}

TEST(TextClips, InsertionAtTheNextBlankLineWithTheNameSelected)
{
    const TextClip alpha{205, u"Alpha", u"[State %x%, ]\r\ntype = Null\r\n"};
    const TextClip plain{199, u"Plain", u"; note %x%\r\n"};
    const TextClip noPlaceholder{300, u"Odd", u"[State]\r\n"};
    const std::u16string text = u"[Statedef 200]\r\ntype = S\r\n\r\n[Statedef 300]\r\n";
    struct Case {
        const char* what;
        std::u16string text;
        long caret;
        long selection;
        TextClip clip;
        bool inserted;
        std::u16string after;
        std::u16string selected;
    };
    const Case cases[] = {
        {"template in state 200", text, 18, 0, alpha, true,
         u"[Statedef 200]\r\ntype = S\r\n\r\n[State 200, Alpha]\r\ntype = Null\r\n\r\n[Statedef 300]\r\n", u"Alpha"},
        {"help number 199: no name", text, 18, 0, plain, true,
         u"[Statedef 200]\r\ntype = S\r\n\r\n; note 200\r\n\r\n[Statedef 300]\r\n", u""},
        {"no placeholder: no name", text, 18, 0, noPlaceholder, true,
         u"[Statedef 200]\r\ntype = S\r\n\r\n[State]\r\n\r\n[Statedef 300]\r\n", u""},
        {"no blank line: the end", u"[Statedef -5]\r\nx", 16, 0, alpha, true,
         u"[Statedef -5]\r\nx\r\n[State-5, Alpha]\r\ntype = Null\r\n", u"Alpha"},
        {"caret at 0, nothing selected", text, 0, 0, alpha, false, text, u""},
        {"before any state", u"; a\r\n\r\n", 1, 0, alpha, true, u"; a\r\n\r\n[State-10, Alpha]\r\ntype = Null\r\n\r\n", u"Alpha"},
    };
    for (const Case& c : cases) {
        StringTextBox box(c.text, c.caret, c.selection);
        std::int64_t state = 0;
        EXPECT_EQ(InsertTextClip(box, c.clip, state), c.inserted) << c.what;
        EXPECT_EQ(box.text(), c.after) << c.what;
        EXPECT_EQ(box.selText(), c.selected) << c.what;
    }
}

TEST(ShippedClips, EveryClipHasAHelpTopicThatNamesIt)
{
    const std::string data = std::string(VANTREL_SOURCE_DIR) + "/data/";
    const TextClipLibrary library = readTextClipFile(data + "stclips.txt");
    const auto html = readFileBytes(data + "sctrls.html");
    ASSERT_TRUE(html);
    ASSERT_GE(library.listNames.size(), 31u);
    EXPECT_FALSE(library.truncated);
    for (std::size_t i = 0; i < library.listNames.size(); ++i) {
        const TextClip& clip = *library.clipAt(static_cast<int>(i));
        const std::string name = utf8FromUtf16(clip.name);
        const std::string topic = helpTopic(*html, clip.helpNumber);
        ASSERT_FALSE(topic.empty()) << name << " has no topic " << clip.helpNumber;
        EXPECT_NE(topic.find("<h2>" + name + "</h2>"), std::string::npos) << name;
        EXPECT_NE(topic.find("Example"), std::string::npos) << name;
        if (clip.helpNumber > kLastPlainClipTopic) {
            EXPECT_EQ(clip.body.rfind(u"[State %x%, ]\r\n", 0), 0u) << name;
            EXPECT_NE(clip.body.find(u"type = " + clip.name), std::u16string::npos) << name;
        }
    }
    for (const char* required : {"ChangeState", "ChangeAnim", "VelSet", "VelAdd", "PosAdd", "PosSet", "CtrlSet",
                                 "StateTypeSet", "HitDef", "PlaySnd", "Explod", "Helper", "Projectile", "Null",
                                 "VarSet", "VarAdd", "AssertSpecial", "Width", "HitBy", "NotHitBy", "Turn",
                                 "SprPriority", "AfterImage", "EnvShake", "PalFX", "SuperPause", "Pause", "LifeAdd",
                                 "PowerAdd", "DestroySelf", "Statedef"}) {
        bool listed = false;
        for (const auto& name : library.listNames)
            listed = listed || utf8FromUtf16(name) == required;
        EXPECT_TRUE(listed) << required;
    }
}

TEST(HelpTopic, ExtractsExactlyTheNumberedBlock)
{
    const std::string html = "<div class=\"topic\" id=\"topic-20\">twenty</div><!-- /topic -->"
                             "<div class=\"topic\" id=\"topic-200\">two hundred</div><!-- /topic -->"
                             "<div class=\"topic\" id=\"topic-7\">unterminated";
    EXPECT_EQ(helpTopic(html, 200), "<div class=\"topic\" id=\"topic-200\">two hundred</div><!-- /topic -->");
    EXPECT_EQ(helpTopic(html, 20), "<div class=\"topic\" id=\"topic-20\">twenty</div><!-- /topic -->");
    EXPECT_EQ(helpTopic(html, 2), "");
    EXPECT_EQ(helpTopic(html, 7), "");
}
