#pragma once
// Pictures and tools for the sprite window tests: 8-bit PCX files made here,
// stand-ins for the build tool, and answering the modal parameters dialog.

#include "image/pcx.h"
#include "sprites/workspace.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace vantrel::test {

// An 8-bit, one-plane, run-length encoded PCX with a 256-colour palette
// block; pixels are row by row. Colour k of the palette is (k, 2k, 3k) unless
// `palette` is given.
std::string makePcx(int width, int height, const std::vector<std::uint8_t>& pixels, const Palette* palette = nullptr);
std::string solidPcx(int width, int height, std::uint8_t index);

// Writes a stand-in for the build tool into the application folder; `body`
// runs with the index on standard input and the options as arguments.
void writeStandInBuilder(const std::string& appDir, const std::string& body);

// Answers the next "Save Parameters" dialog: ticks the boxes as given, then
// presses OK (or Cancel when `ok` is false).
void answerParameters(bool crop, bool images, bool palettes, bool ok);

} // namespace vantrel::test
