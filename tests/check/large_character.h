#pragma once
// A large character without a fault: `spriteCount` one-pixel sprites (100 to
// a group, every picture a link to the first), one action per group that
// shows each of its sprites, and state files of at least `stateBytes` bytes
// whose controllers name those actions, the one sound and states of their
// own. The checker test reads it for correctness, the benchmark for speed.

#include "../sound/sound_fixtures.h"
#include "formats/sff.h"

#include <fstream>
#include <string>
#include <vector>

namespace vantrel::test {

inline bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Writes big.def and its files into `folder`, which must exist; false when a file could not be written.
inline bool writeLargeCharacter(const std::string& folder, int spriteCount, std::size_t stateBytes)
{
    std::vector<sfflib::SpriteSource> sprites(static_cast<std::size_t>(spriteCount));
    for (int i = 0; i < spriteCount; ++i) {
        sfflib::SpriteSource& s = sprites[static_cast<std::size_t>(i)];
        s.image.width = s.image.height = 1;
        s.image.pixels = {1};
        s.group = static_cast<std::int16_t>(i / 100);
        s.imageNo = static_cast<std::int16_t>(i % 100);
    }
    sfflib::BuildOptions options;
    options.samePalette = true;
    options.linkDuplicates = true;
    const auto sff = sfflib::writeSffV1(sprites, options);
    if (!sff || !writeWholeFile(folder + "/big.sff", *sff))
        return false;

    const int actions = (spriteCount + 99) / 100;
    std::string air;
    for (int a = 0; a < actions; ++a) {
        air += "[Begin Action " + std::to_string(a) + "]\nClsn2Default: 1\n Clsn2[0] = -10,-80,10,0\n";
        for (int f = 0; f < 100 && a * 100 + f < spriteCount; ++f)
            air += std::to_string(a) + "," + std::to_string(f) + ", 0,0, 3\n";
    }

    std::string states;
    for (int s = 0; states.size() < stateBytes; ++s) {
        const std::string n = std::to_string(1000 + s);
        const std::string anim = std::to_string(s % actions);
        states += "[Statedef " + n + "]\ntype = S\nanim = " + anim + "\n";
        states += "[State " + n + ", 1]\ntype = ChangeAnim\ntrigger1 = AnimElemTime(2) >= 0 && root, Pos X > 3\n";
        states += "value = " + anim + "\n";
        states += "[State " + n + ", 2]\ntype = PlaySnd\ntrigger1 = Time = 1\nvalue = 0, 0\n";
        states += "[State " + n + ", 3]\ntype = ChangeState\ntrigger1 = command = \"x\" || AnimTime = 0\n";
        states += "value = " + std::to_string(1000 + s / 2) + "\nctrl = 1\n";
    }

    return writeWholeFile(folder + "/big.air", air) && writeWholeFile(folder + "/big.st", states)
        && writeWholeFile(folder + "/big.cmd", "[Command]\nname = \"x\"\ncommand = x\n")
        && writeWholeFile(folder + "/big.snd", makeBank({{0, 0, makeTone(5)}}))
        && writeWholeFile(folder + "/big.def",
                          "[Files]\ncmd = big.cmd\nst = big.st\nsprite = big.sff\nanim = big.air\nsound = big.snd\n");
}

} // namespace vantrel::test
