// A trigger or parameter expression as the checker reads it, for every
// engine: tokens, brackets, strings and the names it does not know.

#include "fuzz_support.h"

#include "check/trigger_expression.h"
#include "formats/character_definition.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::bytesOf(data, size);
    bool unterminated = false;
    std::size_t covered = 0;
    for (const Token& token : tokenizeExpression(text, &unterminated)) {
        fuzz::require(token.text.data() >= text.data() && token.text.data() + token.text.size() <= text.data() + size,
                      "a token is a part of the text");
        covered += token.text.size();
    }
    fuzz::require(covered <= size, "tokens do not overlap");
    for (const CharacterEngine engine :
         {CharacterEngine::WinMugen, CharacterEngine::Mugen10, CharacterEngine::Mugen11, CharacterEngine::Ikemen}) {
        const ExpressionReport report = checkExpression(text, engine);
        fuzz::require(report.stringClosed == !unterminated, "an open string is found by both readings");
        for (const std::string& name : report.unknownNames)
            fuzz::require(!name.empty() && name.size() <= size, "an unknown name is written in the text");
    }
    return 0;
}
