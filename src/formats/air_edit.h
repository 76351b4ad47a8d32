#pragma once
// Frame and action edits of an AIR text. Each edit returns the new text and
// leaves the old one alone, so undo is putting the old text back. Only the
// lines an edit must change are touched: every other byte, the byte-order
// mark and the line ends stay, and new lines take the line end of the lines
// around them. The text ends with a line end after an edit exactly when it
// did before.
//
// A frame's own lines are its frame line, the box blocks that precede it
// alone and the Interpolate lines between it and the previous frame; they
// move, go and (without the Interpolate lines, which are about the frame
// before) are copied with it. An edit gives nothing when its target does not
// exist, or when a frame's own lines are mixed with lines that belong to
// others (a Loopstart or a default block among them), so that moving them
// would change what those mean.
//
// Actions are named by their place in the file and frames by their place in
// their action, as AirDocument numbers them. Standard C++ only; each edit
// reads the text once and writes it once.

#include "formats/air_document.h"
#include "formats/air_frame_fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct AirFramePlace {
    int action = 0;
    int frame = 0;
};

// The frame line with new fields, written as formatFrameLine writes them.
std::optional<std::string> setFrameFields(std::string_view text, AirFramePlace place, const AirFrameFields& fields);

// A new frame line that becomes frame `position` of the action (0 to its
// frame count): after frame position - 1, or before the first frame's own
// lines, or after the header and default blocks of an empty action.
std::optional<std::string> insertFrame(std::string_view text, int action, int position, const AirFrameFields& fields);

// A copy of the frame and its own box blocks, right after it.
std::optional<std::string> duplicateFrame(std::string_view text, AirFramePlace place);

// The frame with its own lines. A Loopstart left with no frame after it goes too.
std::optional<std::string> deleteFrame(std::string_view text, AirFramePlace place);

// Swaps the frame's own lines with those of the frame before (up) or after
// (down) it. Lines between the two (a Loopstart, a default block) keep their
// place, so the loop still starts at the same place in the action.
enum class FrameMove : std::uint8_t { Up, Down };
std::optional<std::string> moveFrame(std::string_view text, AirFramePlace place, FrameMove direction);

// `count` frames from `first` as text: each frame line after its own box
// blocks, with the text's line ends. Something pasteFrames takes.
std::optional<std::string> copyFrames(std::string_view text, int action, int first, int count);

// Copied frames put into an action so that the first becomes frame
// `position` (0 to the frame count). The copied lines take the line ends of
// the place they go to. Nothing when the copied text holds anything but
// frames, their box blocks, comments and blanks, or ends with boxes no frame follows.
std::optional<std::string> pasteFrames(std::string_view text, int action, int position, std::string_view frames);

// A Loopstart line before the frame's own lines, and none elsewhere in its action.
std::optional<std::string> setLoopStart(std::string_view text, AirFramePlace place);
// The action without Loopstart lines (the same text when it has none).
std::optional<std::string> clearLoopStart(std::string_view text, int action);

// The lowest action number at or above `from` that no action has.
int nextFreeActionNumber(const AirDocument& document, int from = 0);

struct AirSprite {
    int group = 0;
    int image = 0;
};

// A new action after the last one, one blank line apart: its header and a
// frame of 5 ticks for each sprite, at offset 0,0. Nothing when the number is taken.
std::optional<std::string> appendAction(std::string_view text, int number, const std::vector<AirSprite>& sprites = {});

// A copy of the action under a new number, after the last action: its lines
// up to the last one that is not a comment or blank (those introduce the
// next action). Nothing when the number is taken.
std::optional<std::string> duplicateAction(std::string_view text, int action, int number);

// The number in the action's header replaced, nothing else. Nothing when
// another action has that number or the header's number does not read.
std::optional<std::string> renumberAction(std::string_view text, int action, int number);

// The action's header and every line up to the next header.
std::optional<std::string> deleteAction(std::string_view text, int action);

} // namespace vantrel
