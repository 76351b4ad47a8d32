#pragma once
// The frames of an action as the animation tools draw them: each frame of the
// AIR model with its sprite from the sprite workspace. The preview and the
// collision box editor both take their frames from here, so a frame has the
// same number in both; a frame whose sprite is missing keeps its place.

#include "formats/air_document.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class SpriteWorkspace;

// One frame of an action, as the preview shows it.
struct AnimFrame {
    std::string imagePath{}; // the sprite's picture in the workspace; empty when none is drawn
    double drawX = 0;        // the sprite's AxisX minus the frame's X offset
    double drawY = 0;        // the sprite's AxisY minus the frame's Y offset
    double duration = 0;     // engine ticks as written; -1 means "hold this frame"
    int flip = 0;            // 0 none, 1 vertical, 2 horizontal, 3 both
    double group = 0;        // for display
    double image = 0;
    double offsetX = 0; // the frame's offsets, where a missing sprite's stand-in goes
    double offsetY = 0;
    bool spriteMissing = false; // names a sprite the workspace does not hold
    bool readable = true;       // the line reads as group, image, x, y, time
};

struct AnimAction {
    std::vector<AnimFrame> frames; // every frame of the action, in file order
    int loopStart = 0;             // index of the first frame after "loopstart"

    int frameCount() const { return static_cast<int>(frames.size()); }
    int lastFrameIndex() const { return frameCount() - 1; }
};

// The frames of action `action` (its place in the file) of a parsed AIR
// text; an empty action when there is no such action.
AnimAction actionFrames(const AirDocument& air, int action, const SpriteWorkspace& sprites);

// How a selector names an action: its number, or for a header whose number
// does not read, the header's text.
std::string actionTitle(const AirDocument& air, int action);
std::vector<std::string> actionTitles(const AirDocument& air);

// The action number text of a header line ("[Begin Action 200]" gives
// "200"): the text from the 15th character up to the last "]", kept exactly
// as written. Nothing for a line that is not a header, or a header without a
// "]" after its 14th character.
std::optional<std::string> actionNumberText(std::string_view line);

// Reading whole files and line lists, for callers that keep no model: the
// titles of every action, and the frames of the first action with a title.
// A file that cannot be read lists nothing and gives an empty action.
std::vector<std::string> listActions(const std::string& airPath);
std::vector<std::string> listActionsIn(const std::vector<std::string>& lines);
AnimAction readAction(const std::string& airPath, const std::string& title, const SpriteWorkspace& sprites);
AnimAction readActionIn(const std::vector<std::string>& lines, const std::string& title,
                        const SpriteWorkspace& sprites);

// The fields of a frame line split at every ",", empty fields kept.
std::vector<std::string> splitFields(std::string_view line);

// The flip code of a frame line's sixth field: "h" 2, "v" 1, "vh"/"hv" 3,
// anything else 0 (letter case ignored).
int flipCode(std::string_view field);

} // namespace vantrel
