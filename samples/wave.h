#pragma once
// Short sound effects synthesized for the sample character, as WAV files
// (16-bit mono PCM).

#include <string>
#include <vector>

namespace sample {

struct Sound {
    int group;
    int number;
    std::string wav; // a whole WAV file
};

std::vector<Sound> synthesizeSounds();

} // namespace sample
