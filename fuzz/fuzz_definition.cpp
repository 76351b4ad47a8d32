// The character definition reader: any bytes as a .def file.

#include "fuzz_support.h"

#include "formats/character_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const vantrel::fuzz::ScratchFile def("kfm.def");
    vantrel::CharacterFiles files;
    const std::string bytes(vantrel::fuzz::bytesOf(data, size));
    const vantrel::Result<void> result = vantrel::readDefinition(def.write(bytes), files);
    vantrel::fuzz::require(result || !result.error().empty(), "a refused definition says why");
    for (const vantrel::DefinitionLine& line : vantrel::readDefinitionLines(bytes))
        vantrel::fuzz::require(line.number >= 1 && !line.text.empty(), "every line kept says something");
    return 0;
}
