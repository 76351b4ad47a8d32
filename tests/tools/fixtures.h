#pragma once
// Pictures, archives and folders the sprite tool tests build for themselves.

#include "sfflib/sff.h"

#include <string>
#include <vector>

namespace sfftest {

// A folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Pixels and palette that follow from `seed`: runs, lone pixels and values
// PCX must escape, inside a border of colour 0 `margin` pixels wide.
sfflib::IndexedImage makePicture(int width, int height, unsigned seed, int margin = 0);
sfflib::Palette makePalette(unsigned seed);

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// An SFF v2 put together field by field, for formats, links and damage that
// no real file has. `data` carries the 4-byte size prefix where the format
// has one; empty data makes a linked sprite.
struct V2Sprite {
    int group, imageNo, width, height, axisX, axisY, link, format;
    std::string data;
    int palette = 0;
    bool inTdata = false;
};
struct V2Palette {
    std::vector<std::uint8_t> rgba; // empty: linked
    int link = 0;
};
std::string makeSffV2(const std::vector<V2Sprite>& sprites, const std::vector<V2Palette>& palettes);
std::string withSizePrefix(std::uint32_t size, const std::string& packed);

// The picture as an indexed PNG with bit depth 8.
std::string encodePng8(const sfflib::IndexedImage& image);

inline const sfflib::IndexedImage& pictureOf(const sfflib::SpriteArchive& a, std::size_t i)
{
    return a.images.at(a.sprites.at(i).image);
}

} // namespace sfftest
