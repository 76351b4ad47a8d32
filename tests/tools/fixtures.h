#pragma once
// Pictures, archives and folders the sprite tool tests build for themselves.

#include "sfflib/image.h"
#include "sfflib/sff.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sfftest {

// A folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// A picture whose pixels and palette follow from `seed`, with a border of
// colour 0 `margin` pixels wide.
sfflib::IndexedImage makePicture(int width, int height, unsigned seed, int margin = 0);

// A palette whose entries follow from `seed`.
sfflib::Palette makePalette(unsigned seed);

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// An SFF v2 archive put together field by field, for tests that need
// formats, links and damage that no real file has.
struct V2Sprite {
    std::int16_t group = 0, imageNo = 0;
    std::uint16_t width = 0, height = 0;
    std::int16_t axisX = 0, axisY = 0;
    std::uint16_t link = 0;
    std::uint8_t format = 0;
    std::string data; // with the 4-byte size prefix for every format but raw
    std::uint16_t palette = 0;
    bool inTdata = false;
};
struct V2Palette {
    std::vector<std::uint8_t> rgba; // 4 bytes per colour; empty = linked
    std::uint16_t link = 0;
};
std::string makeSffV2(const std::vector<V2Sprite>& sprites, const std::vector<V2Palette>& palettes);

// Prefixes packed data with its decompressed size, as SFF v2 stores it.
std::string withSizePrefix(std::uint32_t size, const std::string& packed);

// An indexed PNG (bit depth 8) of the picture's pixels, or an RGB one.
std::string encodePng(const sfflib::IndexedImage& image, bool truecolour = false);

// The picture of sprite `i` of an archive.
inline const sfflib::IndexedImage& pictureOf(const sfflib::SpriteArchive& a, std::size_t i)
{
    return a.images.at(a.sprites.at(i).image);
}

} // namespace sfftest
