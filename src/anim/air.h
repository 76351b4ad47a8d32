#pragma once
// Reading AIR files for the animation tools: the list of actions a file holds
// and one action's frames with their sprites from the sprite workspace. The
// file is read afresh from disk every time, so a saved edit shows at once.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class SpriteWorkspace;

// One frame of an action, as the preview shows it.
struct AnimFrame {
    std::string imagePath;  // the sprite's picture in the workspace
    double drawX = 0;       // the sprite's AxisX minus the frame's X offset
    double drawY = 0;       // the sprite's AxisY minus the frame's Y offset
    double duration = 0;    // engine ticks as written; -1 means "hold this frame"
    int flip = 0;           // 0 none, 1 vertical, 2 horizontal, 3 both
    double group = 0;       // for display
    double image = 0;
};

struct AnimAction {
    std::vector<AnimFrame> frames; // file order; frames whose sprite is missing are left out
    int loopStart = 0;             // index of the first frame after "loopstart"

    int frameCount() const { return static_cast<int>(frames.size()); }
    int lastFrameIndex() const { return frameCount() - 1; }
};

// The action number text of a header line ("[Begin Action 200]" gives
// "200"): the text from the 15th character up to the last "]", kept exactly
// as written. Nothing for a line that is not a header, or a header without a
// "]" after its 14th character.
std::optional<std::string> actionNumberText(std::string_view line);

// The action number texts of every header, in file order, duplicates kept.
// A file that cannot be read lists nothing.
std::vector<std::string> ListActions(const std::string& airPath);
std::vector<std::string> listActionsIn(const std::vector<std::string>& lines);

// The frames of the first action whose number text equals `action`. An action
// no header names (the file changed since it was listed), or a file that
// cannot be read, gives an empty action.
AnimAction ReadAction(const std::string& airPath, const std::string& action, const SpriteWorkspace& sprites);
AnimAction readActionIn(const std::vector<std::string>& lines, const std::string& action,
                        const SpriteWorkspace& sprites);

// Helpers shared with the collision box reader.

// A line of an action as the parser sees it: trimmed, with any comment
// from the first ";" on removed.
std::string cleanActionLine(std::string_view line);

// The number of box lines that follow a "Clsn...: n" line (0 when the line
// has no count).
long long boxLineCount(std::string_view cleanedLine);

// A field of a frame line without the blanks and tabs around it.
std::string_view fieldText(std::string_view field);

// The fields of a frame line split at every ",", empty fields kept.
std::vector<std::string> splitFields(std::string_view line);

// The flip code of a frame line's sixth field: "h" 2, "v" 1, "vh"/"hv" 3,
// anything else 0 (letter case ignored).
int flipCode(std::string_view field);

// The sprite a frame line names, by its group and image fields. Blanks
// around the numbers do not matter: "5031, 0" names group 5031 image 0.
std::optional<int> findFrameSprite(const SpriteWorkspace& sprites, std::string_view group, std::string_view image);

// A frame line needs group, image, X and Y offsets and a duration.
inline constexpr std::size_t kFrameFields = 5;

} // namespace vantrel
