// The state script reader, and the tokenizer that colours its lines.

#include "fuzz_support.h"

#include "formats/zss.h"

using namespace vantrel;

namespace {

bool inside(std::string_view part, const std::string& whole)
{
    return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

void checkLine(std::string_view line)
{
    const std::vector<ZssToken> tokens = tokenizeZssLine(line);
    std::size_t end = 0;
    for (const ZssToken& t : tokens) {
        fuzz::require(t.start >= end && t.length > 0 && t.start + t.length <= line.size(),
                      "a line's tokens come in order, each within the line");
        end = t.start + t.length;
    }
    // The same line as UTF-16 code units reads the same.
    std::u16string wide;
    for (const char c : line)
        wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    const std::vector<ZssToken> wideTokens = tokenizeZssLine(wide);
    fuzz::require(wideTokens.size() == tokens.size(), "UTF-16 text gives the same tokens");
    for (std::size_t i = 0; i < tokens.size(); ++i)
        fuzz::require(wideTokens[i].kind == tokens[i].kind && wideTokens[i].start == tokens[i].start
                          && wideTokens[i].length == tokens[i].length,
                      "UTF-16 text gives the same tokens");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const ZssScript script = readZss(std::string(bytes));
    const std::string& text = *script.bytes;
    fuzz::require(script.problems.size() <= kMaxZssProblems + 1, "problems are capped");
    for (const ZssProblem& p : script.problems)
        fuzz::require(p.line >= 1 && p.line <= std::max(script.lineCount, 1) && p.column >= 1
                          && !p.message.english().empty(),
                      "a problem names a line of the file");
    std::int32_t last = 0;
    for (const ZssState& s : script.states) {
        fuzz::require(s.line > last && s.line <= script.lineCount, "states come in line order");
        last = s.line;
        fuzz::require(inside(s.header, text) && inside(s.name, text), "a state's texts are parts of the file");
        for (const ZssHeaderParameter& p : s.parameters)
            fuzz::require(inside(p.value, text) && !p.key.empty(), "a header parameter has its key and value");
    }
    last = 0;
    for (const ZssController& c : script.controllers) {
        fuzz::require(c.line >= last && c.line <= script.lineCount, "controllers come in line order");
        last = c.line;
        fuzz::require(c.state < static_cast<int>(script.states.size()), "a controller's state exists");
        fuzz::require(c.condition < static_cast<int>(script.conditions.size()), "a controller's condition exists");
        fuzz::require(inside(c.name, text) && !c.name.empty(), "a controller's name is part of the file");
        for (const ZssParameter& p : c.parameters)
            fuzz::require(inside(p.value, text) && p.line >= c.line && p.line <= script.lineCount,
                          "a parameter follows its controller");
    }
    for (std::size_t i = 0; i < script.conditions.size(); ++i)
        fuzz::require(script.conditions[i].parent < static_cast<int>(i) && inside(script.conditions[i].text, text),
                      "a condition sits in an earlier one");
    for (const ZssExpression& e : script.expressions)
        fuzz::require(inside(e.text, text) && e.line >= 1 && e.line <= script.lineCount,
                      "an expression is part of the file");

    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        checkLine(bytes.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
