// Saves that cost what changed: a workspace unpacked by sff2pcx and saved
// over its archive by sprmaker, as the editor does, with nothing changed,
// one axis changed, and behind the tools' back (a picture edited with its
// size and time kept, the archive changed, the description cut short or
// spoiled, a picture deleted).

#include "tool_run.h"
#include "v2_reader.h"

#include "formats/archive_description.h"
#include "formats/content_hash.h"
#include "formats/sff.h"
#include "formats/sff_pcx.h"
#include "formats/sprite_index.h"

#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>

using namespace sfflib;
using namespace sfftest;

namespace {

// The three real archives: SFF v1, v2.01, and the v2.01 made a 2.00.
std::vector<std::pair<std::string, std::string>> realArchives()
{
    std::string v200 = readBytes(realChars("ikemen-kfm/kfm.sff"));
    v200.at(13) = 0;
    return {{"winmugen-kfm (v1)", readBytes(realChars("winmugen-kfm/kfm.sff"))},
            {"ikemen-kfm (v2.01)", readBytes(realChars("ikemen-kfm/kfm.sff"))},
            {"ikemen-kfm as v2.00", v200}};
}

// `bytes` as kfm.sff in the folder, unpacked into it.
void unpack(const TempDir& dir, const std::string& bytes)
{
    writeBytes(dir.file("kfm.sff"), bytes);
    const ToolRun run = runTool(dir, "sff2pcx", "kfm.sff tempsff");
    ASSERT_EQ(run.exitCode, 0) << run.err;
}

// sprmaker writing the workspace back over kfm.sff.
ToolRun save(const TempDir& dir, const std::string& options = "-f -p")
{
    return runTool(dir, "sprmaker", options + " tempsff", dir.file("tempsff.txt"));
}

std::string counts(std::size_t copied, std::size_t encoded)
{
    return ": " + std::to_string(copied) + " pictures copied, " + std::to_string(encoded) + " encoded\n";
}

// The same sprites, numbers, axes and links, each picture stored with the
// same bytes, the same way, and the same palettes (and for SFF v2 the same
// shared palettes).
void expectSameArchive(const std::string& before, const std::string& after)
{
    const auto a = SffReader::open(before), b = SffReader::open(after);
    ASSERT_TRUE(a && b) << (a ? b.error() : a.error());
    EXPECT_EQ(a->versionText(), b->versionText());
    EXPECT_EQ(a->palettes(), b->palettes());
    ASSERT_EQ(a->sprites().size(), b->sprites().size());
    for (std::size_t i = 0; i < a->sprites().size(); ++i) {
        const Sprite &x = a->sprites()[i], &y = b->sprites()[i];
        ASSERT_EQ(std::tuple(x.group, x.imageNo, x.axisX, x.axisY, x.image),
                  std::tuple(y.group, y.imageNo, y.axisX, y.axisY, y.image))
            << "sprite " << i;
    }
    ASSERT_EQ(a->pictureCount(), b->pictureCount());
    for (std::size_t k = 0; k < a->pictureCount(); ++k) {
        const SffReader::Stored x = a->stored(k), y = b->stored(k);
        ASSERT_EQ(std::tuple(x.format, x.depth, x.width, x.height, x.palette),
                  std::tuple(y.format, y.depth, y.width, y.height, y.palette))
            << "picture " << k;
        ASSERT_EQ(a->bytes().substr(x.offset, x.length), b->bytes().substr(y.offset, y.length)) << "picture " << k;
    }
    if (a->version() == 2) {
        const v2check::Archive x(before), y(after);
        ASSERT_EQ(x.paletteNodes.size(), y.paletteNodes.size());
        for (std::size_t p = 0; p < x.paletteNodes.size(); ++p)
            EXPECT_EQ(x.paletteNodes[p].length == 0, y.paletteNodes[p].length == 0) << "palette " << p;
    }
}

// Where sprite `i`'s axis x lies in the archive.
std::size_t axisXAt(const std::string& sff, std::size_t i)
{
    if (sff.at(15) == 2)
        return v2check::at32(sff, 36) + i * 28 + 8;
    std::size_t header = v2check::at32(sff, 24);
    for (; i > 0; --i)
        header = v2check::at32(sff, header);
    return header + 8;
}

std::size_t pictureFiles(const TempDir& dir)
{
    const auto description = readArchiveDescription(dir.file("tempsff.v2.txt"));
    return description && *description ? (*description)->stored.size() : 0;
}

} // namespace

// Saved with nothing changed, each real archive comes back sprite for
// sprite with its links and shared palettes, every picture copied; and again
// from the description sprmaker left, byte for byte.
TEST(SpriteSaves, NothingChangedGivesTheSameArchive)
{
    for (const auto& [name, original] : realArchives()) {
        SCOPED_TRACE(name);
        TempDir dir;
        unpack(dir, original);
        const std::size_t pictures = pictureFiles(dir);
        ASSERT_GT(pictures, 200u);
        for (int round = 0; round < 2; ++round) {
            const std::string before = readBytes(dir.file("kfm.sff"));
            const ToolRun run = save(dir);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.out,
                      "Wrote "
                          + std::to_string(vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt"))).records.size())
                          + " sprites to kfm.sff" + counts(pictures, 0));
            const std::string after = readBytes(dir.file("kfm.sff"));
            expectSameArchive(original, after);
            if (round == 1)
                EXPECT_EQ(before, after);
        }
    }
}

// One axis changed: every picture is copied, and the archive differs from
// the one saved before in that axis alone.
TEST(SpriteSaves, OneAxisChangeCopiesEveryPicture)
{
    for (const auto& [name, original] : realArchives()) {
        SCOPED_TRACE(name);
        TempDir dir;
        unpack(dir, original);
        const ToolRun first = save(dir);
        ASSERT_EQ(first.exitCode, 0) << first.err;
        const std::string before = readBytes(dir.file("kfm.sff"));

        auto index = vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt")));
        const std::size_t moved = 37;
        const std::int16_t oldX = std::int16_t(index.records.at(moved).axisX());
        index.records[moved].axisXText = std::to_string(oldX + 5);
        writeBytes(dir.file("tempsff.txt"), vantrel::formatSpriteIndex(index.header, index.records));
        const ToolRun run = save(dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(counts(pictureFiles(dir), 0)), std::string::npos) << run.out;

        std::string after = readBytes(dir.file("kfm.sff"));
        const std::size_t at = axisXAt(after, moved);
        EXPECT_EQ(std::int16_t(v2check::at16(after, at)), oldX + 5);
        after[at] = before.at(at);
        after[at + 1] = before.at(at + 1);
        EXPECT_TRUE(after == before) << "the archive changed beyond the axis";
    }
}

// After a save, each stored line of the description finds its picture's
// bytes in the archive written (place, hash, how they are stored and the
// colours they are drawn with) and its file as it is now, for pictures
// copied, encoded and linked alike; the next save then copies them all.
TEST(SpriteSaves, TheDescriptionLeftFindsEveryPictureInTheArchiveWritten)
{
    for (const auto& [name, original] : realArchives()) {
        for (const std::string options : {"-f -p", ""}) {
            SCOPED_TRACE(name + " " + options);
            TempDir dir;
            unpack(dir, original);
            const auto records = vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt"))).records;
            // Two pictures edited, so that they are encoded.
            for (const std::size_t i : {std::size_t(0), std::size_t(30)}) {
                std::string pcx = readBytes(dir.file(records[i].pcxFile));
                pcx[pcx.size() - 768 + 4] = char(pcx[pcx.size() - 768 + 4] ^ 0x55);
                writeBytes(dir.file(records[i].pcxFile), pcx);
            }
            const std::size_t pictures = pictureFiles(dir);
            ToolRun run = save(dir, options);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_NE(run.out.find(counts(pictures - 2, 2)), std::string::npos) << run.out;

            const std::string archive = readBytes(dir.file("kfm.sff"));
            const auto reader = SffReader::open(archive);
            ASSERT_TRUE(reader) << reader.error();
            const auto description = readArchiveDescription(dir.file("tempsff.v2.txt"));
            ASSERT_TRUE(description && *description);
            const ArchiveDescription& d = **description;
            EXPECT_EQ(d.storedVersion, reader->versionText());
            EXPECT_EQ(d.storedArchive, std::filesystem::path(dir.file("kfm.sff")).lexically_normal().string());
            ASSERT_EQ(d.stored.size(), pictures);
            std::set<std::string> described;
            for (std::size_t i = 0; i < records.size(); ++i) {
                const StoredPicture* stored = d.storedPicture(records[i].pcxFile);
                ASSERT_NE(stored, nullptr) << records[i].pcxFile;
                if (!described.insert(stored->file).second)
                    continue; // the first record naming the file tells where its picture went
                SCOPED_TRACE(stored->file);
                const SffReader::Stored at = reader->stored(reader->sprites().at(i).image);
                ASSERT_EQ(std::tuple(stored->offset, stored->length, stored->format, stored->depth, stored->width,
                                     stored->height, stored->palette),
                          std::tuple(at.offset, at.length, at.format, at.depth, at.width, at.height, at.palette));
                EXPECT_EQ(stored->dataHash, contentHash(reader->bytes().substr(at.offset, at.length)));
                if (reader->version() == 2 && at.format != 11 && at.format != 12) {
                    const auto& colours = reader->palettes().at(at.palette).colours;
                    EXPECT_EQ(stored->paletteHash,
                              contentHash({reinterpret_cast<const char*>(colours.data()), colours.size()}));
                }
                const std::string file = readBytes(dir.file(records[i].pcxFile));
                struct stat st { };
                ASSERT_EQ(::stat(dir.file(records[i].pcxFile).c_str(), &st), 0);
                EXPECT_EQ(std::tuple(stored->fileSize, stored->fileHash, stored->fileChange),
                          std::tuple(std::uint64_t(file.size()), contentHash(file),
                                     std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec));
            }
            EXPECT_EQ(described.size(), pictures);

            run = save(dir, options);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_NE(run.out.find(counts(pictures, 0)), std::string::npos) << run.out;
            EXPECT_TRUE(readBytes(dir.file("kfm.sff")) == archive);
        }
    }
}

// Behind the tools' back: a picture edited with its size and time put back
// is encoded (its hash tells), so is a picture whose stored bytes changed in
// the archive, and the pictures a cut description no longer records; each
// is said. A spoiled description line or a deleted picture stops the build,
// which then writes nothing.
TEST(SpriteSaves, WhatNoLongerHoldsIsEncodedAndSaid)
{
    for (const auto& [name, original] : realArchives()) {
        SCOPED_TRACE(name);
        TempDir dir;
        unpack(dir, original);
        const std::size_t pictures = pictureFiles(dir);
        const auto records = vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt"))).records;

        // A colour of the first picture's palette changed, size and time kept.
        const std::string edited = dir.file(records[0].pcxFile);
        struct stat was { };
        ASSERT_EQ(::stat(edited.c_str(), &was), 0);
        std::string pcx = readBytes(edited);
        pcx[pcx.size() - 768 + 4] = char(pcx[pcx.size() - 768 + 4] ^ 0x55); // colour 1, green
        writeBytes(edited, pcx);
        const timespec times[2] = {was.st_atim, was.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, edited.c_str(), times, 0), 0);
        // The stored bytes of the picture of sprite 20 changed in the archive.
        std::string archive = readBytes(dir.file("kfm.sff"));
        const auto reader = SffReader::open(archive);
        ASSERT_TRUE(reader);
        const std::size_t spoiled = reader->sprites().at(20).image;
        ASSERT_NE(spoiled, reader->sprites().at(0).image);
        const SffReader::Stored at = reader->stored(spoiled);
        archive[at.offset + at.length - 1] = char(archive[at.offset + at.length - 1] ^ 1);
        writeBytes(dir.file("kfm.sff"), archive);

        ToolRun run = save(dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("1 pictures changed without a change of size or time"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("1 pictures are not where they were"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(counts(pictures - 2, 2)), std::string::npos) << run.out;
        const auto saved = readSffFile(dir.file("kfm.sff"));
        ASSERT_TRUE(saved) << saved.error();
        for (const std::size_t i : {std::size_t(0), std::size_t(20)})
            EXPECT_EQ(pictureOf(*saved, i), *decodePcx(readBytes(dir.file(records[i].pcxFile)))) << "sprite " << i;

        // The description cut in the middle of its stored lines.
        const std::string description = readBytes(dir.file("tempsff.v2.txt"));
        const std::size_t storedAt = description.find("\nstored ");
        writeBytes(dir.file("tempsff.v2.txt"), description.substr(0, (storedAt + description.size()) / 2));
        const std::size_t kept = pictureFiles(dir);
        ASSERT_GT(kept, 0u);
        run = save(dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(
            run.out.find("the description ends after " + std::to_string(kept) + " of " + std::to_string(pictures)),
            std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find(counts(kept, pictures - kept)), std::string::npos) << run.out;
        const auto again = readSffFile(dir.file("kfm.sff"));
        ASSERT_TRUE(again) << again.error();
        ASSERT_EQ(again->sprites.size(), saved->sprites.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_EQ(pictureOf(*again, i), pictureOf(*saved, i)) << "sprite " << i;

        // A picture file deleted since the last save: its picture is copied as
        // the archive holds it, and said.
        std::filesystem::remove(dir.file(records[5].pcxFile));
        run = save(dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("1 picture files are missing: their pictures are copied as"), std::string::npos)
            << run.out;
        const auto kept5 = readSffFile(dir.file("kfm.sff"));
        ASSERT_TRUE(kept5) << kept5.error();
        EXPECT_EQ(pictureOf(*kept5, 5), pictureOf(*saved, 5));

        // A line the description does not know, then a picture deleted whose
        // recorded bytes are no longer in the archive: no build.
        std::string last = readBytes(dir.file("kfm.sff"));
        writeBytes(dir.file("tempsff.v2.txt"), readBytes(dir.file("tempsff.v2.txt")) + "comment 1\n");
        run = save(dir);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.oneErrorLine() && run.err.find("unexpected line \"comment 1\"") != std::string::npos)
            << run.err;
        writeBytes(dir.file("tempsff.v2.txt"), description);
        const auto lastReader = SffReader::open(last);
        ASSERT_TRUE(lastReader);
        const SffReader::Stored third = lastReader->stored(lastReader->sprites().at(3).image);
        last[third.offset] = char(last[third.offset] ^ 1);
        writeBytes(dir.file("kfm.sff"), last);
        std::filesystem::remove(dir.file(records[3].pcxFile));
        run = save(dir);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("record 4: cannot read the PCX file " + records[3].pcxFile), std::string::npos)
            << run.err;
        EXPECT_EQ(readBytes(dir.file("kfm.sff")), last);
    }
}
