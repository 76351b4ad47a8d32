#pragma once
// The pixel encodings of SFF v2 sprites. Each decoder fills exactly
// `pixelCount` palette indices from `data` (the bytes after the 4-byte size
// prefix) or throws FormatError when the data ends early, refers to pixels
// that do not exist, or is too short to make `pixelCount` pixels at all (which
// is found before the picture's memory is taken). Output beyond `pixelCount`
// is cut off.

#include "formats/sff_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sfflib {

std::vector<std::uint8_t> decodeRle8(std::string_view data, std::size_t pixelCount);
std::vector<std::uint8_t> decodeRle5(std::string_view data, std::size_t pixelCount);
std::vector<std::uint8_t> decodeLz5(std::string_view data, std::size_t pixelCount);

// The encoders: data that the decoders above turn back into exactly `pixels`
// (without the size prefix). LZ5 holds colours 0 to 31 only: every pixel
// must be below 32.
std::string encodeRle8(const std::vector<std::uint8_t>& pixels);
std::string encodeLz5(const std::vector<std::uint8_t>& pixels);

} // namespace sfflib
