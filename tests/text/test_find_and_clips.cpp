#include "common/text.h"
#include "text/find.h"
#include "text/state_extras.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace vantrel;

TEST(Find, RepeatedSearchesFollowTheLastMatchRule)
{
    struct Case {
        const char* what;
        std::u16string text;
        long caret;
        SearchSettings search;                     // find text, match case, direction, last match
        std::vector<long> results, selectionAfter; // per search; a result of -1 is "not found"
    };
    const Case cases[] = {
        {"down from 2", u"abc abc", 2, {u"abc", false, kFindDown, 0}, {4, -1, 4}, {4, 4, 4}},
        {"up from 7", u"abc abc", 7, {u"abc", false, kFindUp, 0}, {4, 0, -1}, {4, 0, 0}},
        {"fresh start at 0 skips a match at 0", u"abc abc", 0, {u"abc", false, kFindDown, 0}, {4}, {4}},
        {"case ignored", u"xx abc", 0, {u"ABC", false, kFindDown, -1}, {3}, {3}},
        {"case matched", u"xx abc", 0, {u"ABC", true, kFindDown, -1}, {-1}, {0}},
        {"Latin-1 letters fold", u"caf\u00E9", 0, {u"CAF\u00C9", false, kFindDown, -1}, {0}, {0}},
        {"up from the very start", u"abc", 0, {u"abc", false, kFindUp, -1}, {-1}, {0}},
        {"up finds nothing shorter than the text", u"ab", 2, {u"abc", false, kFindUp, -1}, {-1}, {2}},
        {"across a line break", u"a\r\nb a\r\nb", 1, {u"a\r\nb", false, kFindDown, -1}, {5}, {5}},
    };
    for (Case c : cases) {
        StringTextBox box(c.text, c.caret, 0);
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            SCOPED_TRACE(std::string(c.what) + ", search " + std::to_string(i));
            EXPECT_EQ(findNext(box, c.search, c.search.findText), c.results[i]);
            EXPECT_EQ(c.search.lastMatch, c.results[i]);
            EXPECT_EQ(box.selStart(), c.selectionAfter[i]);
            if (c.results[i] >= 0)
                EXPECT_EQ(box.selLength(), static_cast<long>(c.search.findText.size()));
        }
    }
}

TEST(Find, ReplaceOnlyAnExactSelectionThenFindTheNext)
{
    struct Case {
        const char* what;
        std::u16string text, find;
        long selLength, result;
        std::u16string after, selectedAfter;
    };
    const Case cases[] = {
        {"selection is the match", u"abc abc", u"abc", 3, 3, u"xy abc", u"abc"},
        {"letter case counts for the replacement", u"ABC abc", u"abc", 3, 0, u"ABC abc", u"ABC"},
        {"empty find text", u"abc", u"", 0, -1, u"abc", u""},
    };
    for (const Case& c : cases) {
        SearchSettings search{c.find, false, kFindDown, -1};
        StringTextBox box(c.text, 0, c.selLength);
        EXPECT_EQ(replaceNext(box, search, c.find, u"xy"), c.result) << c.what;
        EXPECT_EQ(box.text(), c.after) << c.what;
        EXPECT_EQ(box.selText(), c.selectedAfter) << c.what;
    }
}

TEST(StateAtSelection, NumberAroundTheSelection)
{
    // The window's caption tests cover the caret before, in and after a state.
    const std::u16string text = u"; top\r\n[Statedef 200, Walk]\r\ntype = S\r\n[STATEDEF -1]\r\n[State -1]\r\n";
    struct Case {
        const char* what;
        std::u16string_view text;
        long start, length;
        std::int64_t state;
    };
    const Case cases[] = {
        {"inside the word statedef", text, 10, 0, kNotInAState},
        {"selection ending in the next header", text, 30, 20, -1},
        {"ten digits at most", u"[statedef 1234567890123]", 20, 0, 1234567890},
        {"the last two of fewer than twelve go too", u"x[statedef 5000", 15, 0, 50},
        {"no digits", u"x[statedef ", 11, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stateAtSelection(c.text, c.start, c.length), c.state) << c.what;
}

TEST(TextClips, FileLayoutRules)
{
    const TextClipLibrary two =
        readTextClips({"<Alpha>", " 205 ", "[State %x%, ]", "type = Null", "-", "<Beta>", "12", "x", "<ignored", ""});
    ASSERT_EQ(two.listNames, (std::vector<std::u16string>{u"Alpha", u"Beta"}));
    EXPECT_EQ(two.clipAt(0)->helpNumber, 205);
    EXPECT_EQ(two.clipAt(0)->body, u"[State %x%, ]\r\ntype = Null\r\n");
    EXPECT_EQ(two.clipAt(1)->helpNumber, 12);
    EXPECT_EQ(two.clipAt(1)->body, u"x\r\n\r\n");
    EXPECT_FALSE(two.truncated);
    EXPECT_EQ(two.clipAt(-1), nullptr);
    EXPECT_EQ(two.clipAt(kMaxTextClips), nullptr);

    // Without "-" lines everything is clip 1; each name still adds a list entry.
    const TextClipLibrary one = readTextClips({"<A>", "1", "a", "<B>", "2", "b"});
    EXPECT_EQ(one.listNames.size(), 2u);
    EXPECT_EQ(one.clipAt(0)->name, u"B");
    EXPECT_EQ(one.clipAt(0)->helpNumber, 2);
    EXPECT_EQ(one.clipAt(0)->body, u"a\r\nb\r\n");
    EXPECT_TRUE(one.clipAt(1)->body.empty());

    EXPECT_EQ(readTextClips({"<Last>"}).clipAt(0)->helpNumber, 0); // a name at the very end
    EXPECT_TRUE(readTextClipFile("/nonexistent/stclips.txt").listNames.empty());
}

TEST(TextClips, TheFiveHundredthDashEndsTheReading)
{
    // 499 clips fit; the 500th "-" truncates, whether or not a 501st clip follows it.
    const std::tuple<int, bool, int> cases[] = {{499, false, 499}, {500, true, 500}, {501, true, 500}};
    for (const auto& [clips, truncated, listed] : cases) {
        std::vector<std::string> lines;
        for (int i = 1; i <= clips; ++i)
            lines.insert(lines.end(), {"<c" + std::to_string(i) + ">", "1", "body", "-"});
        const TextClipLibrary library = readTextClips(lines);
        EXPECT_EQ(library.truncated, truncated) << clips;
        ASSERT_EQ(library.listNames.size(), static_cast<std::size_t>(listed)) << clips;
        EXPECT_EQ(utf8FromUtf16(library.clipAt(listed - 1)->name), "c" + std::to_string(listed)) << clips;
    }
}

TEST(TextClips, InsertionAtTheNextBlankLineWithTheNameSelected)
{
    const TextClip alpha{205, u"Alpha", u"[State %x%, ]\r\ntype = Null\r\n"};
    const std::u16string head = u"[Statedef 200]\r\ntype = S\r\n", tail = u"\r\n[Statedef 300]\r\n";
    struct Case {
        const char* what;
        std::u16string text;
        long caret;
        TextClip clip;
        std::u16string after, selected;
    };
    const Case cases[] = {
        {"template in state 200", head + tail, 18, alpha, head + u"\r\n[State 200, Alpha]\r\ntype = Null\r\n" + tail,
         u"Alpha"},
        {"help number 199: no name",
         head + tail,
         18,
         {199, u"Plain", u"; note %x%\r\n"},
         head + u"\r\n; note 200\r\n" + tail,
         u""},
        {"no placeholder: no name",
         head + tail,
         18,
         {300, u"Odd", u"[State]\r\n"},
         head + u"\r\n[State]\r\n" + tail,
         u""},
        {"no blank line: the end", u"[Statedef -5]\r\nx", 16, alpha,
         u"[Statedef -5]\r\nx\r\n[State-5, Alpha]\r\ntype = Null\r\n", u"Alpha"},
        {"before any state", u"; a\r\n\r\n", 1, alpha, u"; a\r\n\r\n[State-10, Alpha]\r\ntype = Null\r\n\r\n",
         u"Alpha"},
        {"caret at 0, nothing selected: nothing", head + tail, 0, alpha, head + tail, u""},
    };
    for (const Case& c : cases) {
        StringTextBox box(c.text, c.caret, 0);
        std::int64_t state = 0;
        EXPECT_EQ(insertTextClip(box, c.clip, state), c.after != c.text) << c.what;
        EXPECT_EQ(box.text(), c.after) << c.what;
        EXPECT_EQ(box.selText(), c.selected) << c.what;
    }
}

TEST(ShippedClips, EveryClipHasAHelpTopicThatNamesIt)
{
    const std::string data = std::string(VANTREL_SOURCE_DIR) + "/data/";
    const TextClipLibrary library = readTextClipFile(data + "stclips.txt");
    const std::string html = readFileBytes(data + "sctrls.html").value_or("");
    EXPECT_FALSE(library.truncated);
    for (std::size_t i = 0; i < library.listNames.size(); ++i) {
        const TextClip& clip = *library.clipAt(static_cast<int>(i));
        const std::string name = utf8FromUtf16(clip.name);
        const std::string topic = helpTopic(html, clip.helpNumber);
        ASSERT_FALSE(topic.empty()) << name << " has no topic " << clip.helpNumber;
        EXPECT_NE(topic.find("<h2>" + name + "</h2>"), std::string::npos) << name;
        EXPECT_NE(topic.find("Example"), std::string::npos) << name;
        if (clip.helpNumber > kLastPlainClipTopic) {
            EXPECT_EQ(clip.body.rfind(u"[State %x%, ]\r\n", 0), 0u) << name;
            EXPECT_NE(clip.body.find(u"type = " + clip.name), std::u16string::npos) << name;
        }
    }
    for (const char* required :
         {"ChangeState",  "ChangeAnim",  "VelSet",        "VelAdd", "PosAdd",     "PosSet",     "CtrlSet",
          "StateTypeSet", "HitDef",      "PlaySnd",       "Explod", "Helper",     "Projectile", "Null",
          "VarSet",       "VarAdd",      "AssertSpecial", "Width",  "HitBy",      "NotHitBy",   "Turn",
          "SprPriority",  "AfterImage",  "EnvShake",      "PalFX",  "SuperPause", "Pause",      "LifeAdd",
          "PowerAdd",     "DestroySelf", "Statedef"}) {
        EXPECT_TRUE(std::any_of(library.listNames.begin(), library.listNames.end(), [&](const std::u16string& name) {
            return utf8FromUtf16(name) == required;
        })) << required;
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
