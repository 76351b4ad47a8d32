#include "zss.h"

#include "common/text.h"
#include "formats/section_text.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 13> kKeywords = {"if",     "else",           "let",       "for",   "while",
                                                        "switch", "case",           "default",   "break", "continue",
                                                        "call",   "ignorehitpause", "persistent"};

template <typename Char> bool isBlank(Char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

template <typename Char> bool isDigit(Char c)
{
    return c >= '0' && c <= '9';
}

template <typename Char> bool isNameStart(Char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

template <typename Char> bool isNamePart(Char c)
{
    return isNameStart(c) || isDigit(c) || c == '.';
}

template <typename Char> bool isBeyondAscii(Char c)
{
    return static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c)) >= 0x80;
}

template <typename Char> std::string asciiLower(std::basic_string_view<Char> word)
{
    std::string out;
    out.reserve(word.size());
    for (Char c : word) {
        if (isBeyondAscii(c))
            out += '\x7f'; // never part of a word of the language
        else
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return out;
}

template <typename Char> std::vector<ZssToken> tokenizeLine(std::basic_string_view<Char> line)
{
    std::vector<ZssToken> tokens;
    const std::size_t size = line.size();
    std::size_t i = 0;
    while (i < size && isBlank(line[i]))
        ++i;
    // A header fills the line up to its ']' (or the comment after it).
    if (i + 1 < size && line[i] == '[' && isNameStart(line[i + 1])) {
        std::size_t end = i + 1;
        while (end < size && line[end] != ']' && line[end] != '#')
            ++end;
        const bool closed = end < size && line[end] == ']';
        tokens.push_back({ZssTokenKind::Header, i, (closed ? end + 1 : end) - i, !closed});
        i = closed ? end + 1 : end;
    }
    // What follows a name on its line, blanks skipped.
    auto nextCharacter = [&](std::size_t from) -> Char {
        while (from < size && isBlank(line[from]))
            ++from;
        return from < size ? line[from] : Char(0);
    };
    // A name before '{' is a controller only where a statement starts: an
    // if's condition ends in one too ("if !MoveContact {").
    std::size_t depth = 0;
    std::size_t persistentDepth = std::string_view::npos;
    bool closedPersistent = false;     // this token is the ')' of persistent(n)
    bool afterPersistentCount = false; // the last token was
    auto statementStart = [&] {
        if (tokens.empty() || tokens.back().kind == ZssTokenKind::Header || afterPersistentCount)
            return true;
        const ZssToken& t = tokens.back();
        if (t.length > 14)
            return false; // longer than any word below
        const std::string text = asciiLower(line.substr(t.start, t.length));
        return text == "{" || text == "}" || text == ";" || text == ":" || text == "ignorehitpause" || text == "else"
            || text == "default";
    };
    while (i < size) {
        const Char c = line[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        const bool afterPersistent = !tokens.empty() && tokens.back().kind == ZssTokenKind::Keyword
            && asciiLower(line.substr(tokens.back().start, tokens.back().length)) == "persistent";
        afterPersistentCount = closedPersistent;
        closedPersistent = false;
        if (c == '#') {
            tokens.push_back({ZssTokenKind::Comment, i, size - i});
            break;
        }
        if (c == '"') {
            std::size_t end = i + 1;
            while (end < size && line[end] != '"')
                ++end;
            const bool closed = end < size;
            i = closed ? end + 1 : size;
            tokens.push_back({ZssTokenKind::String, start, i - start, !closed});
        } else if (isDigit(c) || (c == '.' && i + 1 < size && isDigit(line[i + 1]))) {
            while (i < size && (isDigit(line[i]) || line[i] == '.'))
                ++i;
            tokens.push_back({ZssTokenKind::Number, start, i - start});
        } else if (c == '$' && i + 1 < size && isNameStart(line[i + 1])) {
            ++i;
            while (i < size && isNamePart(line[i]))
                ++i;
            tokens.push_back({ZssTokenKind::Local, start, i - start});
        } else if (isNameStart(c)) {
            while (i < size && isNamePart(line[i]))
                ++i;
            const std::string lower = asciiLower(line.substr(start, i - start));
            const Char next = nextCharacter(i);
            std::size_t after = i;
            while (after < size && isBlank(line[after]))
                ++after;
            const bool colon = next == ':' && !(after + 1 < size && line[after + 1] == '=');
            ZssTokenKind kind = ZssTokenKind::Name;
            if (isZssKeyword(lower))
                kind = ZssTokenKind::Keyword;
            else if (next == '{' && statementStart())
                kind = ZssTokenKind::Controller;
            else if (colon)
                kind = ZssTokenKind::Parameter;
            tokens.push_back({kind, start, i - start});
        } else if (c == '(' || c == '[' || c == '{') {
            if (c == '(' && afterPersistent)
                persistentDepth = depth;
            depth += c == '(' ? 1 : 0;
            tokens.push_back({ZssTokenKind::Open, i++, 1});
        } else if (c == ')' || c == ']' || c == '}') {
            if (c == ')' && depth > 0 && --depth == persistentDepth) {
                closedPersistent = true;
                persistentDepth = std::string_view::npos;
            }
            tokens.push_back({ZssTokenKind::Close, i++, 1});
        } else if (c == ';' || c == ',') {
            tokens.push_back({ZssTokenKind::Separator, i++, 1});
        } else if (!isBeyondAscii(c)
                   && std::string_view("=!<>&|^~+-*/%:").find(static_cast<char>(c)) != std::string_view::npos) {
            const Char second = i + 1 < size ? line[i + 1] : Char(0);
            const bool pair =
                (second == '=' && std::string_view("=!<>:").find(static_cast<char>(c)) != std::string_view::npos)
                || (c == '&' && second == '&') || (c == '|' && second == '|') || (c == '^' && second == '^')
                || (c == '*' && second == '*') || (c == '!' && second == '~');
            i += pair ? 2 : 1;
            tokens.push_back({ZssTokenKind::Operator, start, i - start});
        } else if (isBeyondAscii(c)) {
            while (i < size && isBeyondAscii(line[i]))
                ++i;
            tokens.push_back({ZssTokenKind::Other, start, i - start});
        } else {
            tokens.push_back({ZssTokenKind::Other, i++, 1});
        }
    }
    return tokens;
}

// --- the whole file -------------------------------------------------------

struct FileToken {
    ZssTokenKind kind;
    bool unterminated;
    std::int32_t line;
    std::int32_t column;
    std::string_view text;
};

std::string_view trimmedView(std::string_view text)
{
    return trimBlanksAndTabs(text);
}

class Parser {
public:
    Parser(ZssScript& script, std::vector<FileToken> tokens) : script_(script), tokens_(std::move(tokens)) { }

    void run();

private:
    enum class Frame : std::uint8_t { If, Else, Loop, Switch, Block };
    struct Open {
        Frame kind;
        std::int32_t line;
        std::int32_t column;
        int condition; // the innermost if condition in force inside
    };
    // Where an expression stops besides '{', '}' and a header.
    enum Stop : unsigned {
        AtBrace = 0,     // nowhere else
        AtSemicolon = 1, // ';'
        AtColon = 2,     // ':' (not ":=")
    };
    struct Range {
        std::size_t first = 0;
        std::size_t end = 0; // one past the last token
    };

    bool atEnd() const { return at_ >= tokens_.size(); }
    const FileToken& token() const { return tokens_[at_]; }
    bool is(std::size_t index, ZssTokenKind kind, std::string_view text = {}) const
    {
        return index < tokens_.size() && tokens_[index].kind == kind && (text.empty() || tokens_[index].text == text);
    }
    bool isWord(std::size_t index) const
    {
        if (index >= tokens_.size())
            return false;
        const ZssTokenKind k = tokens_[index].kind;
        return k == ZssTokenKind::Name || k == ZssTokenKind::Keyword || k == ZssTokenKind::Controller
            || k == ZssTokenKind::Parameter;
    }
    std::string lowerWord(std::size_t index) const
    {
        return isWord(index) ? toLowerAscii(tokens_[index].text) : std::string();
    }

    void problem(std::int32_t line, std::int32_t column, Message message);
    void problemAt(const FileToken& t, Message message) { problem(t.line, t.column, std::move(message)); }
    int currentCondition() const { return open_.empty() ? -1 : open_.back().condition; }
    std::string_view textOf(Range range) const;

    void statement();
    void header();
    void closeAll(); // reports the brace left open, forgets the nesting
    Range expression(unsigned stops);
    Range group(); // from a '(' to the ')' that closes it
    void record(std::vector<ZssExpression>& list, Range range, const FileToken& at, std::string_view what,
                int parent = -1);
    bool expectOpeningBrace(const FileToken& keyword, Frame kind, int condition);
    void controller(bool ignoreHitPause);
    void skipStatement();

    ZssScript& script_;
    std::vector<FileToken> tokens_;
    std::size_t at_ = 0;
    std::vector<Open> open_;
    int state_ = -1;
    bool afterIf_ = false; // the last statement closed an if: an else may follow
    bool warnedOutside_ = false;
};

void Parser::problem(std::int32_t line, std::int32_t column, Message message)
{
    if (script_.problems.size() < kMaxZssProblems)
        script_.problems.push_back({line, column, std::move(message)});
    else if (script_.problems.size() == kMaxZssProblems)
        script_.problems.push_back(
            {line, column, QT_TRANSLATE_NOOP("Messages", "too many problems; those after this line are not listed")});
}

std::string_view Parser::textOf(Range range) const
{
    if (range.first >= range.end)
        return {};
    const FileToken& first = tokens_[range.first];
    const FileToken& last = tokens_[range.end - 1];
    return std::string_view(first.text.data(),
                            static_cast<std::size_t>(last.text.data() + last.text.size() - first.text.data()));
}

void Parser::record(std::vector<ZssExpression>& list, Range range, const FileToken& at, std::string_view what,
                    int parent)
{
    const FileToken& where = range.first < range.end ? tokens_[range.first] : at;
    list.push_back({textOf(range), where.line, where.column, what, parent});
}

// The tokens of an expression from the current one on. It also ends at a
// line's end with its brackets closed unless the line ends in an operator
// or comma; always before '}', a header or a '{' it does not stop at.
Parser::Range Parser::expression(unsigned stops)
{
    Range range{at_, at_};
    std::size_t depth = 0;
    std::size_t outermost = 0; // the bracket that opened depth 1
    while (!atEnd()) {
        const FileToken& t = token();
        if (t.kind == ZssTokenKind::Header)
            break;
        if (range.end > range.first && depth == 0) {
            const FileToken& previous = tokens_[range.end - 1];
            const bool continues = previous.kind == ZssTokenKind::Operator || previous.text == ",";
            if (t.line != previous.line && !continues)
                break;
        }
        if (t.kind == ZssTokenKind::Open && t.text == "{") {
            break;
        }
        if (t.kind == ZssTokenKind::Close && t.text == "}")
            break;
        if (depth == 0 && t.kind == ZssTokenKind::Separator && t.text == ";" && (stops & AtSemicolon))
            break;
        if (t.kind == ZssTokenKind::Separator && t.text == ";" && depth > 0)
            break; // a ';' never sits inside brackets: the bracket is the fault
        if (depth == 0 && (stops & AtColon) && t.kind == ZssTokenKind::Operator && t.text == ":")
            break;
        if (t.kind == ZssTokenKind::Open) {
            if (depth++ == 0)
                outermost = at_;
        } else if (t.kind == ZssTokenKind::Close) {
            if (depth == 0)
                problemAt(t,
                          {QT_TRANSLATE_NOOP("Messages", "'%1' without its opening bracket"), {std::string(t.text)}});
            else
                --depth;
        } else if (t.kind == ZssTokenKind::String && t.unterminated) {
            problemAt(t, QT_TRANSLATE_NOOP("Messages", "string without its closing quote"));
        }
        ++at_;
        range.end = at_;
    }
    if (depth > 0) {
        const FileToken& open = tokens_[outermost];
        problemAt(open, {QT_TRANSLATE_NOOP("Messages", "'%1' is never closed"), {std::string(open.text)}});
    }
    return range;
}

Parser::Range Parser::group()
{
    Range range{at_, at_};
    const FileToken& open = token();
    std::size_t depth = 0;
    while (!atEnd()) {
        const FileToken& t = token();
        const bool ends = t.kind == ZssTokenKind::Header || (t.kind == ZssTokenKind::Open && t.text == "{")
            || (t.kind == ZssTokenKind::Close && t.text == "}") || t.text == ";";
        if (ends)
            break;
        if (t.kind == ZssTokenKind::String && t.unterminated)
            problemAt(t, QT_TRANSLATE_NOOP("Messages", "string without its closing quote"));
        ++at_;
        range.end = at_;
        if (t.kind == ZssTokenKind::Open)
            ++depth;
        else if (t.kind == ZssTokenKind::Close && --depth == 0)
            return range;
    }
    problemAt(open, {QT_TRANSLATE_NOOP("Messages", "'%1' is never closed"), {std::string("(")}});
    return range;
}

void Parser::closeAll()
{
    if (!open_.empty()) {
        const Open& innermost = open_.back();
        problem(innermost.line, innermost.column,
                {QT_TRANSLATE_NOOP("Messages", "'%1' is never closed"), {std::string("{")}});
        open_.clear();
    }
}

bool Parser::expectOpeningBrace(const FileToken& keyword, Frame kind, int condition)
{
    if (is(at_, ZssTokenKind::Open, "{")) {
        open_.push_back({kind, token().line, token().column, condition});
        ++at_;
        return true;
    }
    problemAt(keyword, {QT_TRANSLATE_NOOP("Messages", "%1 without its '{'"), {std::string(keyword.text)}});
    return false;
}

void Parser::header()
{
    const FileToken& t = token();
    ++at_;
    closeAll();
    afterIf_ = false;
    if (t.unterminated) {
        problemAt(t, QT_TRANSLATE_NOOP("Messages", "state header without its closing ']'"));
        state_ = -1;
        return;
    }
    const std::string_view inner = t.text.substr(1, t.text.size() - 2);
    std::size_t wordEnd = 0;
    while (wordEnd < inner.size() && isNamePart(inner[wordEnd]))
        ++wordEnd;
    const std::string word = toLowerAscii(inner.substr(0, wordEnd));
    ZssState state;
    state.line = t.line;
    state.header = trimmedView(inner.substr(0, inner.find(';')));
    if (word == "function") {
        state.function = true;
        std::string_view rest = trimmedView(inner.substr(wordEnd));
        std::size_t nameEnd = 0;
        while (nameEnd < rest.size() && isNamePart(rest[nameEnd]))
            ++nameEnd;
        state.name = rest.substr(0, nameEnd);
        if (state.name.empty() || !isNameStart(state.name.front()))
            problemAt(t, QT_TRANSLATE_NOOP("Messages", "function header without a name"));
        script_.states.push_back(std::move(state));
        state_ = static_cast<int>(script_.states.size()) - 1;
        return;
    }
    if (word != "statedef") {
        problemAt(t,
                  {QT_TRANSLATE_NOOP("Messages", "unknown header [%1]: a state starts with [StateDef n; ...]"),
                   {std::string(inner.substr(0, std::min<std::size_t>(wordEnd, 40)))}});
        state_ = -1;
        return;
    }
    std::size_t partStart = wordEnd;
    bool first = true;
    while (partStart <= inner.size()) {
        std::size_t partEnd = inner.find(';', partStart);
        if (partEnd == std::string_view::npos)
            partEnd = inner.size();
        const std::string_view part = trimmedView(inner.substr(partStart, partEnd - partStart));
        if (first) {
            state.number = plainNumber(part.substr(0, part.find(',')));
            if (!state.number)
                problemAt(t, QT_TRANSLATE_NOOP("Messages", "StateDef without a readable state number"));
            first = false;
        } else if (!part.empty()) {
            const auto colon = part.find(':');
            const std::string key =
                colon == std::string_view::npos ? std::string() : toLowerAscii(trimmedView(part.substr(0, colon)));
            const bool named =
                !key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return isNamePart(c); });
            if (!named)
                problemAt(t,
                          {QT_TRANSLATE_NOOP("Messages", "state header part \"%1\" is not \"key: value\""),
                           {std::string(part.substr(0, 40))}});
            else
                state.parameters.push_back({key, trimmedView(part.substr(colon + 1))});
        }
        partStart = partEnd + 1;
    }
    script_.states.push_back(std::move(state));
    state_ = static_cast<int>(script_.states.size()) - 1;
}

void Parser::controller(bool ignoreHitPause)
{
    const FileToken& name = token();
    const FileToken& brace = tokens_[at_ + 1];
    at_ += 2;
    ZssController c;
    c.name = name.text;
    c.line = name.line;
    c.column = name.column;
    c.state = state_;
    c.condition = currentCondition();
    c.ignoreHitPause = ignoreHitPause;
    while (true) {
        while (is(at_, ZssTokenKind::Separator, ";"))
            ++at_;
        if (atEnd() || token().kind == ZssTokenKind::Header) {
            problemAt(brace, {QT_TRANSLATE_NOOP("Messages", "'{' of %1 is never closed"), {std::string(name.text)}});
            break;
        }
        if (is(at_, ZssTokenKind::Close, "}")) {
            ++at_;
            break;
        }
        if (is(at_, ZssTokenKind::Open, "{")) {
            problemAt(token(),
                      {QT_TRANSLATE_NOOP("Messages", "'{' inside the parameters of %1"), {std::string(name.text)}});
            ++at_;
            continue;
        }
        const FileToken& key = token();
        std::size_t keyEnd = at_ + 1;
        // "var(3): 1": the index belongs to the name.
        if (isWord(at_) && is(keyEnd, ZssTokenKind::Open, "(")) {
            std::size_t close = keyEnd;
            while (close < tokens_.size() && close - keyEnd < 8 && !is(close, ZssTokenKind::Close, ")"))
                ++close;
            if (is(close, ZssTokenKind::Close, ")"))
                keyEnd = close + 1;
        }
        if (!isWord(at_) || !is(keyEnd, ZssTokenKind::Operator, ":")) {
            problemAt(
                key,
                {QT_TRANSLATE_NOOP("Messages", "parameter of %1 without its \"name:\""), {std::string(name.text)}});
            expression(AtSemicolon);
            if (is(at_, ZssTokenKind::Open, "{"))
                ++at_;
            continue;
        }
        const FileToken& last = tokens_[keyEnd - 1];
        const std::string_view keyText(key.text.data(),
                                       static_cast<std::size_t>(last.text.data() + last.text.size() - key.text.data()));
        at_ = keyEnd + 1;
        const Range value = expression(AtSemicolon);
        c.parameters.push_back({toLowerAscii(keyText), textOf(value), key.line, key.column});
    }
    script_.controllers.push_back(std::move(c));
}

// Past the current token and the rest of its statement on its line.
void Parser::skipStatement()
{
    if (atEnd())
        return; // the statement was cut short by the end of the file
    const std::int32_t line = token().line;
    ++at_;
    while (!atEnd() && token().line == line && token().kind != ZssTokenKind::Header
           && !(token().kind == ZssTokenKind::Open && token().text == "{") && token().kind != ZssTokenKind::Close) {
        const bool end = token().text == ";";
        ++at_;
        if (end)
            break;
    }
}

void Parser::statement()
{
    const FileToken& t = token();
    if (t.kind == ZssTokenKind::Header) {
        header();
        return;
    }
    if (state_ < 0 && !warnedOutside_ && !(t.kind == ZssTokenKind::Separator)) {
        problemAt(t, QT_TRANSLATE_NOOP("Messages", "code outside any [StateDef] or [Function]"));
        warnedOutside_ = true;
    }
    const bool wasAfterIf = afterIf_;
    afterIf_ = false;
    if (t.kind == ZssTokenKind::Separator && t.text == ";") {
        ++at_;
        return;
    }
    if (t.kind == ZssTokenKind::Close && t.text == "}") {
        ++at_;
        if (open_.empty()) {
            problemAt(t, QT_TRANSLATE_NOOP("Messages", "'}' without its '{'"));
            return;
        }
        afterIf_ = open_.back().kind == Frame::If;
        open_.pop_back();
        return;
    }
    if (t.kind == ZssTokenKind::Open && t.text == "{") {
        open_.push_back({Frame::Block, t.line, t.column, currentCondition()});
        ++at_;
        return;
    }
    if (t.kind == ZssTokenKind::String && t.unterminated) {
        problemAt(t, QT_TRANSLATE_NOOP("Messages", "string without its closing quote"));
        ++at_;
        return;
    }

    // The prefixes, in any order, before an if or a controller.
    bool ignoreHitPause = false;
    const std::size_t statementStart = at_;
    while (isWord(at_)) {
        const std::string word = lowerWord(at_);
        if (word == "ignorehitpause") {
            ignoreHitPause = true;
            ++at_;
        } else if (word == "persistent" && is(at_ + 1, ZssTokenKind::Open, "(")) {
            const FileToken& keyword = token();
            ++at_;
            record(script_.expressions, group(), keyword, "persistent");
        } else {
            break;
        }
    }
    if (atEnd())
        return;
    if (at_ > statementStart && is(at_, ZssTokenKind::Open, "{")) {
        // The prefixes may stand before a block of statements too.
        open_.push_back({Frame::Block, token().line, token().column, currentCondition()});
        ++at_;
        return;
    }
    const FileToken& head = token();
    const std::string word = lowerWord(at_);
    if (word == "if" || (word == "else" && wasAfterIf)) {
        ++at_;
        int parent = currentCondition();
        if (word == "else") {
            if (!isWord(at_) || lowerWord(at_) != "if") {
                expectOpeningBrace(head, Frame::Else, parent);
                return;
            }
            ++at_;
        }
        const Range condition = expression(AtBrace);
        if (condition.first == condition.end)
            problemAt(head, QT_TRANSLATE_NOOP("Messages", "if without a condition"));
        record(script_.conditions, condition, head, "if", parent);
        expectOpeningBrace(head, Frame::If, static_cast<int>(script_.conditions.size()) - 1);
        return;
    }
    if (word == "else") {
        problemAt(head, QT_TRANSLATE_NOOP("Messages", "else without its if"));
        skipStatement();
        return;
    }
    if (word == "let") {
        ++at_;
        if (!isWord(at_) || !is(at_ + 1, ZssTokenKind::Operator, "=")) {
            problemAt(head, {QT_TRANSLATE_NOOP("Messages", "%1 without \"name =\""), {std::string("let")}});
            skipStatement();
            return;
        }
        at_ += 2;
        record(script_.expressions, expression(AtSemicolon), head, "let");
        return;
    }
    if (word == "for" || word == "while" || word == "switch") {
        ++at_;
        if (word == "for") {
            if (isWord(at_) && is(at_ + 1, ZssTokenKind::Operator, "="))
                at_ += 2;
            else
                problemAt(head, {QT_TRANSLATE_NOOP("Messages", "%1 without \"name =\""), {std::string("for")}});
        }
        // for's bounds are separated by ';', up to its '{'.
        while (true) {
            record(script_.expressions, expression(AtSemicolon), head,
                   word == "for"         ? "for"
                       : word == "while" ? "while"
                                         : "switch");
            if (word != "for" || !is(at_, ZssTokenKind::Separator, ";"))
                break;
            ++at_;
        }
        expectOpeningBrace(head, word == "switch" ? Frame::Switch : Frame::Loop, currentCondition());
        return;
    }
    if (word == "case" || word == "default") {
        ++at_;
        if (word == "case")
            record(script_.expressions, expression(AtColon), head, "case");
        if (is(at_, ZssTokenKind::Operator, ":"))
            ++at_;
        else
            problemAt(head, {QT_TRANSLATE_NOOP("Messages", "%1 without its ':'"), {word}});
        if (std::none_of(open_.begin(), open_.end(), [](const Open& o) { return o.kind == Frame::Switch; }))
            problemAt(head, {QT_TRANSLATE_NOOP("Messages", "%1 outside a switch"), {word}});
        return;
    }
    if (word == "break" || word == "continue") {
        ++at_;
        return;
    }
    if (word == "call") {
        ++at_;
        if (!isWord(at_) || !is(at_ + 1, ZssTokenKind::Open, "(")) {
            problemAt(head, QT_TRANSLATE_NOOP("Messages", "call without \"Function(...)\""));
            skipStatement();
            return;
        }
        ++at_;
        record(script_.expressions, group(), head, "call");
        return;
    }
    if (isWord(at_) && is(at_ + 1, ZssTokenKind::Open, "{") && !isZssKeyword(word)) {
        controller(ignoreHitPause);
        return;
    }
    problemAt(head,
              {QT_TRANSLATE_NOOP("Messages", "unknown statement \"%1\""), {std::string(head.text.substr(0, 40))}});
    skipStatement();
}

void Parser::run()
{
    while (!atEnd())
        statement();
    closeAll();
}

} // namespace

bool isZssKeyword(std::string_view word)
{
    if (word.size() > 14)
        return false;
    const std::string lower = toLowerAscii(word);
    return std::find(kKeywords.begin(), kKeywords.end(), lower) != kKeywords.end();
}

std::vector<ZssToken> tokenizeZssLine(std::string_view line)
{
    return tokenizeLine(line);
}

std::vector<ZssToken> tokenizeZssLine(std::u16string_view line)
{
    return tokenizeLine(line);
}

bool isZssFileName(std::string_view path)
{
    return path.size() > 4 && toLowerAscii(path.substr(path.size() - 4)) == ".zss";
}

ZssScript readZss(std::string bytes)
{
    ZssScript script;
    script.bytes = std::make_unique<const std::string>(std::move(bytes));
    std::string_view text = *script.bytes;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (text.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        script.problems.push_back({1, 1, QT_TRANSLATE_NOOP("Messages", "the file is too large to read")});
        return script;
    }

    std::vector<FileToken> tokens;
    std::int32_t lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        ++lineNumber;
        for (const ZssToken& t : tokenizeLine(line)) {
            if (t.kind == ZssTokenKind::Comment)
                continue;
            tokens.push_back({t.kind, t.unterminated, lineNumber, static_cast<std::int32_t>(t.start + 1),
                              line.substr(t.start, t.length)});
        }
        if (end == text.size())
            break;
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        if (start == text.size())
            break; // a final line break ends the last line rather than starting one
    }
    script.lineCount = lineNumber;
    Parser(script, std::move(tokens)).run();
    return script;
}

} // namespace vantrel
