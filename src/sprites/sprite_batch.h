#pragma once
// What the sprite window does to many sprites at once. Each operation works
// out the whole change without touching the workspace: the table as it will
// be and the picture files it writes, so that one step of the history can
// make it and take it back (sprite_commands.h). Rows are 1-based.

#include "common/result.h"
#include "formats/palette.h"
#include "sprites/workspace.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// A picture file of the workspace written with new bytes (a new file, or one
// replaced).
struct PictureWrite {
    std::string pcxFile; // as a record names it: "tempsff/<name>"
    std::string bytes;
};

struct BatchEdit {
    std::vector<SpriteRecord> records; // the whole table afterwards
    std::vector<PictureWrite> pictures;
    int changed = 0; // how many sprites it changes, adds or removes
};

// Every selected axis set to (x, y), or moved by (x, y) when `relative`;
// kept within the axis limits.
BatchEdit setAxes(const SpriteWorkspace& ws, const std::vector<int>& rows, std::int64_t x, std::int64_t y,
                  bool relative);

// The selected sprites moved into `group`. Each keeps its image number when
// no other sprite of that group has it, else takes the next free one.
BatchEdit moveToGroup(const SpriteWorkspace& ws, const std::vector<int>& rows, std::int64_t group);

// The selected rows taken out of the table.
BatchEdit deleteRows(const SpriteWorkspace& ws, const std::vector<int>& rows);

// Each selected picture cut to the box of its visible pixels (colour 0 of an
// 8-bit picture, alpha 0 of a 32-bit one, are not visible); the axis moves
// with the cut, so the same pixel of the picture stays at the axis. A
// picture named also by sprites outside the selection is written as a new
// file, leaving theirs as it was. Pictures already tight, or with nothing
// visible, are left alone.
Result<BatchEdit> cropToContent(const SpriteWorkspace& ws, const std::vector<int>& rows);

// Each selected picture remapped to `palette`: every visible colour becomes
// the nearest of its colours 1 to 255, colour 0 (and a 32-bit pixel's
// transparency) stays index 0, and the picture is written as an 8-bit one
// carrying that palette. Shared pictures as in cropToContent.
Result<BatchEdit> remapToPalette(const SpriteWorkspace& ws, const std::vector<int>& rows, const Palette& palette);

// Where each imported frame's axis sits.
enum class FrameAxis { BottomCentre, Centre, TopLeft };

// How a sheet is cut: by frame size, or by columns and rows (the frame size
// is then the sheet's size divided by them). Frames that would run over the
// sheet's right or bottom edge are left out.
struct SheetCut {
    int frameWidth = 0, frameHeight = 0;
    int columns = 0, rows = 0;
};

// A PNG sprite sheet cut into frames, each frame with a visible pixel a new
// sprite appended to the table: in `group`, numbered from `firstNumber` on,
// skipping numbers the group already has. Frames are written as PNG files
// named after the sheet.
Result<BatchEdit> importSheet(const SpriteWorkspace& ws, const std::string& pngPath, const SheetCut& cut,
                              std::int64_t group, std::int64_t firstNumber, FrameAxis axis);

// Writes the selected pictures into `folder` as PNG files named
// "<group>-<image>.png", colour 0 transparent. Returns the errors met.
std::vector<std::string> exportSelection(const SpriteWorkspace& ws, const std::vector<int>& rows,
                                         const std::string& folder);

// "x,y" or "x y" as two numbers; nothing when it is not.
std::optional<std::pair<std::int64_t, std::int64_t>> parseNumberPair(const std::string& text, char separator = ',');

} // namespace vantrel
