#pragma once
// The numbers of the sprites an SFF archive holds, read from its header and
// sprite table alone: no picture or palette is decoded, so a checker can list
// an archive of tens of thousands of sprites at once.

#include "formats/sff_result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sfflib {

struct SpriteNumber {
    std::int16_t group = 0;
    std::int16_t imageNo = 0;
};

// The sprites of an SFF of version 1 or 2, in archive order. Fails, with a
// sentence naming the fault, when the bytes are not an SFF or its header or
// table runs outside the file.
Result<std::vector<SpriteNumber>> readSffSpriteNumbers(std::string_view bytes);
Result<std::vector<SpriteNumber>> readSffSpriteNumbersFile(const std::string& path);

} // namespace sfflib
