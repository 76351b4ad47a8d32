#include "syntax.h"

#include "formats/zss.h"

namespace vantrel {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isNameCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || isDigit(c) || c == u'_' || c == u'.' || c >= 0x80;
}

// Where the comment starts (the line's length when there is none).
int commentStart(std::u16string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u';' && !quoted)
            return static_cast<int>(i);
    }
    return static_cast<int>(line.size());
}

void addNumbers(std::u16string_view line, int from, int to, std::vector<SyntaxSpan>& spans)
{
    bool quoted = false;
    int i = from;
    while (i < to) {
        const char16_t c = line[static_cast<std::size_t>(i)];
        if (c == u'"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        const bool signedNumber =
            (c == u'-' || c == u'+') && i + 1 < to && isDigit(line[static_cast<std::size_t>(i) + 1]);
        const bool startsNumber =
            isDigit(c) || signedNumber || (c == u'.' && i + 1 < to && isDigit(line[static_cast<std::size_t>(i) + 1]));
        const bool afterName =
            i > 0 && isNameCharacter(line[static_cast<std::size_t>(i) - 1]) && c != u'-' && c != u'+';
        if (quoted || !startsNumber || afterName) {
            // Skip the rest of a name so that digits inside it stay part of it.
            if (isNameCharacter(c)) {
                while (i < to && isNameCharacter(line[static_cast<std::size_t>(i)]))
                    ++i;
            } else {
                ++i;
            }
            continue;
        }
        int end = i + 1;
        while (end < to
               && (isDigit(line[static_cast<std::size_t>(end)]) || line[static_cast<std::size_t>(end)] == u'.'))
            ++end;
        if (end < to && isNameCharacter(line[static_cast<std::size_t>(end)])) {
            // "2x" or "1st": a name that starts with a digit.
            while (end < to && isNameCharacter(line[static_cast<std::size_t>(end)]))
                ++end;
            i = end;
            continue;
        }
        spans.push_back({i, end - i, SyntaxKind::Number});
        i = end;
    }
}

} // namespace

std::vector<SyntaxSpan> syntaxSpans(std::u16string_view line)
{
    std::vector<SyntaxSpan> spans;
    const int comment = commentStart(line);
    int first = 0;
    while (first < comment && isBlank(line[static_cast<std::size_t>(first)]))
        ++first;

    if (first < comment && line[static_cast<std::size_t>(first)] == u'[') {
        const auto close =
            line.substr(0, static_cast<std::size_t>(comment)).find(u']', static_cast<std::size_t>(first));
        const int end = close == std::u16string_view::npos ? comment : static_cast<int>(close) + 1;
        spans.push_back({first, end - first, SyntaxKind::Header});
    } else if (first < comment) {
        const std::u16string_view code = line.substr(0, static_cast<std::size_t>(comment));
        auto separator = code.find(u'=');
        if (separator == std::u16string_view::npos) {
            // "Clsn2: 1", "Loopstart:": a single word before the colon.
            const auto colon = code.find(u':');
            if (colon != std::u16string_view::npos) {
                bool oneWord = colon > static_cast<std::size_t>(first);
                for (std::size_t k = static_cast<std::size_t>(first); k < colon; ++k)
                    oneWord = oneWord && (isNameCharacter(code[k]) || code[k] == u'[' || code[k] == u']');
                if (oneWord)
                    separator = colon;
            }
        }
        int numbersFrom = first;
        if (separator != std::u16string_view::npos) {
            int keyEnd = static_cast<int>(separator);
            while (keyEnd > first && isBlank(line[static_cast<std::size_t>(keyEnd) - 1]))
                --keyEnd;
            if (keyEnd > first)
                spans.push_back({first, keyEnd - first, SyntaxKind::Key});
            numbersFrom = static_cast<int>(separator) + 1;
        }
        addNumbers(line, numbersFrom, comment, spans);
    }
    if (comment < static_cast<int>(line.size()))
        spans.push_back({comment, static_cast<int>(line.size()) - comment, SyntaxKind::Comment});
    return spans;
}

} // namespace vantrel

namespace vantrel {

std::vector<SyntaxSpan> scriptSyntaxSpans(std::u16string_view line)
{
    std::vector<SyntaxSpan> spans;
    for (const ZssToken& t : tokenizeZssLine(line)) {
        SyntaxKind kind = SyntaxKind::Comment;
        switch (t.kind) {
        case ZssTokenKind::Header: kind = SyntaxKind::Header; break;
        case ZssTokenKind::Comment: kind = SyntaxKind::Comment; break;
        case ZssTokenKind::Keyword: kind = SyntaxKind::Keyword; break;
        case ZssTokenKind::Controller: kind = SyntaxKind::Controller; break;
        case ZssTokenKind::Parameter: kind = SyntaxKind::Key; break;
        case ZssTokenKind::Local: kind = SyntaxKind::Local; break;
        case ZssTokenKind::Number: kind = SyntaxKind::Number; break;
        case ZssTokenKind::String: kind = SyntaxKind::String; break;
        case ZssTokenKind::Operator: kind = SyntaxKind::Operator; break;
        case ZssTokenKind::Name:
        case ZssTokenKind::Open:
        case ZssTokenKind::Close:
        case ZssTokenKind::Separator:
        case ZssTokenKind::Other: continue;
        }
        spans.push_back({static_cast<int>(t.start), static_cast<int>(t.length), kind});
    }
    return spans;
}

} // namespace vantrel
