#pragma once
// Sprites for the benchmarks: a figure of colour runs on colour 0, so that
// the run lengths and repeats look like a real sprite's.

#include "formats/sff_image.h"

#include <cstddef>
#include <cstdint>
#include <random>

namespace vantrel::bench {

// A `width` × `height` figure in colours 1 to `colours`, with a palette of
// grey steps (colour i is i * 7).
inline sfflib::IndexedImage makeFigure(std::mt19937& random, int width, int height, int colours = 40)
{
    sfflib::IndexedImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, 0);
    for (int y = height / 8; y < height - height / 8; ++y) {
        int x = width / 4 + static_cast<int>(random() % 8);
        const int end = width - width / 4 - static_cast<int>(random() % 8);
        while (x < end) {
            const int run = 1 + static_cast<int>(random() % 6);
            const auto colour = static_cast<std::uint8_t>(1 + random() % static_cast<unsigned>(colours));
            for (int k = 0; k < run && x < end; ++k, ++x)
                image.pixels[std::size_t(y) * width + x] = colour;
        }
    }
    for (std::size_t i = 0; i < image.palette.size(); ++i)
        image.palette[i] = static_cast<std::uint8_t>(i * 7);
    return image;
}

} // namespace vantrel::bench
