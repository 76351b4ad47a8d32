#pragma once
// 256-colour PCX: the picture format inside SFF v1 archives and of the files
// in the sprite workspace.

#include "formats/sff_image.h"
#include "formats/sff_result.h"

#include <string>
#include <string_view>

namespace sfflib {

// Decodes an 8-bit, single-plane, run-length encoded PCX. Bytes per line may
// exceed the width; the padding is dropped. With `inheritedPalette` null the
// file must end in a palette block (0x0C and 768 bytes); otherwise the file
// carries no palette of its own and the picture gets `*inheritedPalette`.
// Fails, with a sentence saying why, on anything it cannot decode.
Result<IndexedImage> decodePcx(std::string_view bytes, const Palette* inheritedPalette = nullptr);

// Encodes version 5, run-length encoded, 8 bits, 1 plane, bytes per line equal
// to the width; runs never cross a row. With `withPalette` the palette block
// follows the image data; without it, only the 0x0C marker byte does (how an
// SFF v1 sprite that reuses the previous palette is stored).
std::string encodePcx(const IndexedImage& image, bool withPalette = true);

} // namespace sfflib
