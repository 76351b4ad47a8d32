#pragma once
// What the sprite window does to the record list: inserting after the current
// record, deleting, cloning, sorting, finding a record by its numbers, and
// copying PCX and PNG files into and out of the workspace. Indexes are 1-based.

#include "common/result.h"
#include "common/translatable.h"
#include "sprites/workspace.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr const char* kTooManyImages = QT_TRANSLATE_NOOP("Messages", "Too many images!");
// Adding through the open-file dialog stops here, leaving room below the
// table's 20,000 rows for clones and browser additions.
inline constexpr int kAddImageLimit = 19900;

// True when `extra` more records fit: addImage also stops at 19,900.
bool canAddImages(const SpriteWorkspace& ws, int extra);
bool canGrowTable(const SpriteWorkspace& ws, int extra);

// A new record naming `pcxFile` to follow `previous` (none on an empty
// table: group 0 from image 1): its group, the first image number after
// previous's that no record of `taken` has in that group, and axis (0, 0).
SpriteRecord recordFollowing(const std::vector<SpriteRecord>& taken, const SpriteRecord* previous,
                             const std::string& pcxFile);

// Removes row `index`; out-of-range rows change nothing.
void deleteRecord(SpriteWorkspace& ws, int index);

// Puts `record` in as row `index` (1 to count + 1), moving the rows from
// there down one place: what deleteRecord took away comes back. False (no
// change) for a row outside that range.
bool insertRecord(SpriteWorkspace& ws, int index, SpriteRecord record);

// Appends a copy of row `index` (naming the same picture) with the next free
// image number of its group; returns the new count, or nothing when the row
// does not exist.
std::optional<int> cloneRecord(SpriteWorkspace& ws, int index);

// Stable sort by group, then image number, both as numbers.
void sortSprites(SpriteWorkspace& ws);

// The order the sort gives: for each row of the sorted table (0-based), the
// row it comes from. Empty when the table is in order already.
std::vector<int> sortOrder(const SpriteWorkspace& ws);
// Puts the rows in `order`, as sortOrder gives it, or back as they were
// before; an order for another number of rows changes nothing.
void applyOrder(SpriteWorkspace& ws, const std::vector<int>& order);
void revertOrder(SpriteWorkspace& ws, const std::vector<int>& order);

// A record's picture held in memory, so that the record can have it again
// when it comes back after its file went.
struct KeptPicture {
    std::string pcxFile;
    std::optional<std::string> bytes; // nothing: the file could not be read
};
KeptPicture keepPicture(const SpriteWorkspace& ws, const std::string& pcxFile);
// Writes the kept bytes back where the picture was, unless a file is there.
// False when the picture is missing and cannot be written.
bool restorePicture(const SpriteWorkspace& ws, const KeptPicture& picture);

// The first row whose group and image number have these values.
std::optional<int> findRecordByNumbers(const SpriteWorkspace& ws, std::int64_t group, std::int64_t image);

// "No match found for Group 5 image 2".
std::string noMatchMessage(std::int64_t group, std::int64_t image);

// The position label: " 3 of 10 ".
std::string positionText(int index, int count);

// A number as a field stores it.
std::string fieldText(std::int64_t value);

// The axis box rule: values beyond +-30000 become the nearest bound.
inline constexpr std::int64_t kAxisLimit = 30000;
std::int64_t clampAxis(std::int64_t value);

// Stores a number in a field of a record, written as fields write it.
void storeNumber(std::string& field, std::int64_t value);

// What the SFF build makes of the picture at `path`: a 256-colour PCX with
// its own palette, or a PNG, are taken (a PNG with a palette or grey as an
// 8-bit sprite, any other as a 32-bit one); anything else is refused, with
// the sentence that says why.
enum class PictureKind { EightBit, TrueColour };
Result<PictureKind> checkPicture(const std::string& path);

// The name a PCX copied into the workspace gets: its own name unless a
// different file already has it (letter case aside), else the first free
// "<stem>-2.pcx", "<stem>-3.pcx", ...
std::string workspaceNameFor(const SpriteWorkspace& ws, const std::string& sourcePath);

// Copies a PCX into the workspace folder (creating it when missing) under
// workspaceNameFor; never replaces another record's picture. Returns the
// record's pcxFile: "tempsff/<name>".
Result<std::string> copyIntoWorkspace(const SpriteWorkspace& ws, const std::string& sourcePath);

// Copies a file (atomically at the target).
Result<void> copyFile(const std::string& from, const std::string& to);

// A picture file written as a PCX or a PNG, as the target's extension says
// (".png": PNG, anything else: PCX). Same kind: the file is copied. A PCX
// becomes an indexed PNG with the same indices and palette, colour 0 fully
// transparent when `transparentZero`; an indexed PNG becomes a PCX; a 32-bit
// picture cannot become a PCX. Written atomically.
Result<void> exportPicture(const std::string& from, const std::string& to, bool transparentZero = false);

enum class ExportFormat {
    AsStored, // copies: PCX as PCX, PNG as PNG
    Png,      // every picture as PNG (colour 0 transparent when asked)
};

// Writes every record's picture into `folder` under its own file name, each
// name once (with the extension the format gives). Returns the errors met
// (empty when all went well). `progress`, when given, hears how many records
// of the table are done after each one.
std::vector<std::string> exportAllPictures(const SpriteWorkspace& ws, const std::string& folder,
                                           ExportFormat format = ExportFormat::AsStored, bool transparentZero = false,
                                           const std::function<void(int done)>& progress = {});

} // namespace vantrel
