// The character definition reader: any bytes as a .def file.

#include "fuzz_support.h"

#include "formats/character_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const vantrel::fuzz::ScratchFile def("kfm.def");
    vantrel::CharacterFiles files;
    const vantrel::DefinitionResult result =
        vantrel::readDefinition(def.write(vantrel::fuzz::bytesOf(data, size)), files);
    vantrel::fuzz::require(result.ok == (result.problem == vantrel::DefinitionProblem::None),
                           "a refused definition names its problem");
    vantrel::fuzz::require(result.ok || !result.error.empty(), "a refused definition says why");
    return 0;
}
