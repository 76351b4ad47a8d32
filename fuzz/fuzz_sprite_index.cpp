// The sprite index (tempsff.txt) as the editor and the tools read it, and the
// archive description that goes beside it.

#include "fuzz_support.h"

#include "common/text.h"
#include "formats/archive_description.h"
#include "formats/sprite_index.h"
#include "sprites/workspace.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::bytesOf(data, size);
    const SpriteIndex index = parseSpriteIndex(text);
    for (const SpriteRecord& r : index.records) {
        (void)r.group();
        (void)r.imageNo();
        (void)r.axisX();
        (void)r.axisY();
    }

    // What is written back reads as the same index (but for a header that
    // itself starts with a byte-order mark: the reader skips one at the start
    // of the file).
    const SpriteIndex again = parseSpriteIndex(formatSpriteIndex(index.header, index.records));
    const std::string_view bom = "\xEF\xBB\xBF";
    fuzz::require(again.header == index.header
                      || (std::string_view(index.header).substr(0, 3) == bom && again.header == index.header.substr(3)),
                  "a written index reads back with the same header");
    fuzz::require(again.records.size() == index.records.size(), "a written index reads back with as many records");
    for (std::size_t i = 0; i < index.records.size(); ++i) {
        const SpriteRecord& a = index.records[i];
        const SpriteRecord& b = again.records[i];
        fuzz::require(a.pcxFile == b.pcxFile && a.groupText == b.groupText && a.imageText == b.imageText
                          && a.axisXText == b.axisXText && a.axisYText == b.axisYText,
                      "a written record reads back as the same record");
    }

    const Result<std::vector<SpriteRecord>> checked = parseIndex(splitLines(text));
    fuzz::require(!checked || checked->size() == index.records.size(),
                  "the workspace reads the records the index holds");

    if (const auto description = sfflib::parseArchiveDescription(text)) {
        for (const auto& picture : description->pictures)
            (void)description->paletteOfPicture(picture.first);
        for (const auto& stored : description->stored)
            fuzz::require(description->storedPicture(stored.file) != nullptr, "every stored picture is found");
        const auto reread = sfflib::parseArchiveDescription(sfflib::formatArchiveDescription(*description));
        fuzz::require(static_cast<bool>(reread), "a written description reads back");
        fuzz::require(reread->palettes == description->palettes && reread->pictures == description->pictures
                          && reread->stored == description->stored
                          && reread->storedArchive == description->storedArchive,
                      "a written description reads back the same");
    }
    return 0;
}
