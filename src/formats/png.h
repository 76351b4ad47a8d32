#pragma once
// PNG pictures through libpng: the 8-bit and true-colour sprites of SFF v2
// archives, and the PNG files of the sprite workspace.

#include "formats/sff_image.h"
#include "formats/sff_result.h"

#include <string>
#include <string_view>

namespace sfflib {

// True when the bytes start with the PNG signature.
bool looksLikePng(std::string_view bytes);

// What the header says, read without decoding a pixel.
struct PngInfo {
    int width = 0;
    int height = 0;
    bool indexed = false; // decodePng gives an IndexedImage
    bool alpha = false;   // a true-colour PNG with an alpha channel or a transparent colour
};

// Fails on a file that is not a PNG, and on a width or height above
// maxPngSide or more than maxImagePixels pixels.
Result<PngInfo> readPngInfo(std::string_view bytes);

// The picture. A palette PNG (any bit depth up to 8) keeps its indices and
// palette exactly (entries past its palette are black); a grey PNG of up to 8
// bits without a transparent colour becomes indices over the grey ramp.
// Every other PNG becomes true colour: 16-bit channels are cut to 8, grey is
// spread to red, green and blue, a transparent colour becomes alpha 0.
// Fails, as readPngInfo does and on damaged data, with a sentence saying why.
Result<Picture> decodePng(std::string_view bytes);

// An 8-bit palette PNG with all 256 colours; with `transparentZero` colour 0
// is stored as fully transparent.
Result<std::string> encodePng(const IndexedImage& image, bool transparentZero = false);
// A PNG of 8 bits per channel, with the alpha channel when the picture has one.
Result<std::string> encodePng(const TrueColourImage& image);

} // namespace sfflib
