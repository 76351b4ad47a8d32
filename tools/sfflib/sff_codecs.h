#pragma once
// The pixel encodings of SFF v2 sprites. Each decoder fills exactly
// `pixelCount` palette indices from `data` (the bytes after the 4-byte size
// prefix) or throws FormatError when the data ends early or refers to pixels
// that do not exist. Output beyond `pixelCount` is cut off.

#include "image.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace sfflib {

std::vector<std::uint8_t> decodeRle8(std::string_view data, std::size_t pixelCount);
std::vector<std::uint8_t> decodeRle5(std::string_view data, std::size_t pixelCount);
std::vector<std::uint8_t> decodeLz5(std::string_view data, std::size_t pixelCount);

// An 8-bit (palette or grey) PNG: its indices, and its size through the two
// out-parameters. 24 and 32-bit PNGs are refused.
std::vector<std::uint8_t> decodePng8(std::string_view data, int& width, int& height);

} // namespace sfflib
