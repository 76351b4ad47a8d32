#pragma once
// The sprite workspace: the character's sprites unpacked into PCX files in
// <work>/tempsff plus the index <work>/tempsff.txt, read into a table of
// records; <work> is the running copy's own folder (App::workDir).
// Every sprite operation edits this table; the build writes it back.

#include "common/result.h"
#include "formats/sprite_index.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr int kMaxSpriteRecords = 20000;
inline constexpr int kMaxIndexLines = 99000;

// Reads the workspace's index (sprite_index.h) into its records, refusing
// more than 20,000 records or 99,000 lines with an error instead of
// overflowing.
Result<std::vector<SpriteRecord>> readIndexFile(const std::string& path);
Result<std::vector<SpriteRecord>> parseIndex(const std::vector<std::string>& lines);

// The SFF build's options, as the parameters dialog last left them; they
// last for the whole run.
struct BuildFlags {
    int crop = 0; // "Crop images to maximum needed"
    // Both on at first: repeated pictures stay links and repeated palettes
    // stay shared, as an archive unpacked from an engine's SFF had them.
    int duplicateImages = 1;   // "Remove duplicate images"
    int duplicatePalettes = 1; // "Remove duplicate palettes"
    int version = 0;           // the SFF version chosen over the workspace's own: 1 or 2; 0: none
    // Version 2 as 2.00 (0) or 2.01 (1), chosen over the archive's own; -1: none.
    int minorVersion = -1;
    bool cancelled = false; // the dialog was left without OK
};

class SpriteWorkspace {
public:
    explicit SpriteWorkspace(std::string appDir = {}) : appDir_(std::move(appDir)) { }

    const std::string& appDir() const { return appDir_; }
    void setAppDir(std::string dir) { appDir_ = std::move(dir); }
    std::string directory() const { return appDir_ + "/tempsff"; }
    std::string indexPath() const { return appDir_ + "/tempsff.txt"; }
    // Beside the index: the archive's version, its palette table and each
    // picture's palette (SFF v2), and where each picture's stored bytes lie.
    std::string descriptionPath() const { return appDir_ + "/tempsff.v2.txt"; }
    // The version of the SFF the workspace was unpacked from, as its
    // description names it; 1 without one.
    int archiveVersion() const;
    // The version the next build writes: the one chosen, else the archive's.
    int buildVersion() const { return buildFlags.version ? buildFlags.version : archiveVersion(); }
    // The full path of a record's picture.
    std::string imagePath(const SpriteRecord& record) const;

    // 1-based, as the sprite window counts.
    int count() const { return static_cast<int>(records_.size()); }
    SpriteRecord& record(int index) { return records_.at(static_cast<std::size_t>(index - 1)); }
    const SpriteRecord& record(int index) const { return records_.at(static_cast<std::size_t>(index - 1)); }
    std::vector<SpriteRecord>& records() { return records_; }
    const std::vector<SpriteRecord>& records() const { return records_; }

    // Deletes the workspace files, the index, the description and the
    // folder, and forgets a chosen version; failures are ignored.
    void clearWorkspace();
    // Puts the table of a newly unpacked workspace in place of this one,
    // forgetting a chosen version.
    void replaceRecords(std::vector<SpriteRecord> records);

    // The first record (1-based) whose group and image number read as these
    // texts, or nothing. Compared as text: "05" does not match 5.
    std::optional<int> findSpriteRecord(const std::string& group, const std::string& image) const;

    BuildFlags buildFlags;

private:
    std::string appDir_;
    std::vector<SpriteRecord> records_;
};

} // namespace vantrel
