// The colours of a state script's line: each part of the language gets its
// kind, whatever surrounds it, and a line cut anywhere still reads.

#include "text/syntax.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace vantrel;

namespace {

const char* kindName(SyntaxKind kind)
{
    switch (kind) {
    case SyntaxKind::Header: return "header";
    case SyntaxKind::Comment: return "comment";
    case SyntaxKind::Key: return "key";
    case SyntaxKind::Number: return "number";
    case SyntaxKind::Keyword: return "keyword";
    case SyntaxKind::Controller: return "controller";
    case SyntaxKind::Local: return "local";
    case SyntaxKind::String: return "string";
    case SyntaxKind::Operator: return "operator";
    }
    return "?";
}

// "kind:text" of each span.
std::vector<std::string> parts(const std::u16string& line)
{
    std::vector<std::string> out;
    for (const SyntaxSpan& s : scriptSyntaxSpans(line)) {
        std::string text;
        for (char16_t c : line.substr(static_cast<std::size_t>(s.start), static_cast<std::size_t>(s.length)))
            text += c < 0x80 ? static_cast<char>(c) : '?';
        out.push_back(std::string(kindName(s.kind)) + ":" + text);
    }
    return out;
}

} // namespace

TEST(ScriptSyntax, EachPartOfALineGetsItsKind)
{
    const std::vector<std::pair<std::u16string, std::vector<std::string>>> cases = {
        {u"[StateDef 200; type: S; anim: 200;] # walk",
         {"header:[StateDef 200; type: S; anim: 200;]", "comment:# walk"}},
        {u"  [Function Double(n) ret]", {"header:[Function Double(n) ret]"}},
        {u"[StateDef 5; type: S", {"header:[StateDef 5; type: S"}},
        {u"if AnimElem = 3 && !MoveContact {", {"keyword:if", "operator:=", "number:3", "operator:&&", "operator:!"}},
        {u"} else if Time >= 10 {", {"keyword:else", "keyword:if", "operator:>=", "number:10"}},
        {u"\tHitDef{attr: S, NA; damage: 23, 0; hitsound: 5, 0}",
         {"controller:HitDef", "key:attr", "operator::", "key:damage", "operator::", "number:23", "number:0",
          "key:hitsound", "operator::", "number:5", "number:0"}},
        {u"ChangeState {value: 0}", {"controller:ChangeState", "key:value", "operator::", "number:0"}},
        {u"let count = $count + 1.5;", {"keyword:let", "operator:=", "local:$count", "operator:+", "number:1.5"}},
        {u"ignoreHitPause persistent(0) if var(1) := 3 {",
         {"keyword:ignoreHitPause", "keyword:persistent", "number:0", "keyword:if", "number:1",
          "operator::=", "number:3"}},
        {u"for i = 0; 10 { VarAdd{v: 3; value: $i} }",
         {"keyword:for", "operator:=", "number:0", "number:10", "controller:VarAdd", "key:v", "operator::", "number:3",
          "key:value", "operator::", "local:$i"}},
        {u"switch $a { case 1: break; default: continue }",
         {"keyword:switch", "local:$a", "keyword:case", "number:1", "operator::", "keyword:break", "keyword:default",
          "operator::", "keyword:continue"}},
        {u"persistent(2) ignoreHitPause VarSet{v: 1}",
         {"keyword:persistent", "number:2", "keyword:ignoreHitPause", "controller:VarSet", "key:v",
          "operator::", "number:1"}},
        {u"persistent(f(1)) Null{}", {"keyword:persistent", "number:1", "controller:Null"}},
        {u"while 1 { call Double(2); }", {"keyword:while", "number:1", "keyword:call", "number:2"}},
        // Nothing inside a string or a comment counts; a string left open runs to the end.
        {u"DisplayToClipboard{text: \"if # 3 {\"} # if 3",
         {"controller:DisplayToClipboard", "key:text", "operator::", "string:\"if # 3 {\"", "comment:# if 3"}},
        {u"let s = \"open # 3", {"keyword:let", "operator:=", "string:\"open # 3"}},
        // Digits inside names stay names; letters beyond ASCII are no part of the language.
        {u"p2stateno: Var2 + ProjHit1000 + \u00e9t\u00e9", {"key:p2stateno", "operator::", "operator:+", "operator:+"}},
        {u"#", {"comment:#"}},
        {u"", {}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(parts(line), expected) << std::string(line.begin(), line.end());
}
