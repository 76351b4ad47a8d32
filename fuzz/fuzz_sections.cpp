// The text of the state files and the .def, read into sections and lines.

#include "fuzz_support.h"

#include "formats/character_definition.h"
#include "formats/section_text.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(fuzz::bytesOf(data, size));
    const SectionedText text = readSections(bytes);
    std::int32_t last = 0;
    for (const TextSection& section : text.sections) {
        fuzz::require(section.line > last && section.line <= text.lineCount, "sections come in line order");
        last = section.line;
        for (const SectionEntry& entry : section.entries) {
            fuzz::require(entry.line > last && entry.line <= text.lineCount, "entries follow their header");
            last = entry.line;
        }
    }
    int previous = 0;
    for (const DefinitionLine& line : readDefinitionLines(bytes)) {
        fuzz::require(line.number > previous && !line.text.empty(),
                      "definition lines come in order, each saying something");
        previous = line.number;
        fuzz::require(line.key().size() <= line.text.size() && line.value().size() <= line.text.size(),
                      "a key and a value are parts of their line");
    }
    return 0;
}
