#pragma once
// What the state file editor adds to a text editor: the state number around
// the caret, the library of text clips read from stclips.txt, inserting a
// clip as a new state controller, and the help topics of the clips.

#include "text/text_box.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr std::int64_t kNotInAState = -10;

// The number of the [Statedef] around the selection: the last "[statedef "
// (any letter case) that ends before the selection's end, the number that
// follows it ("[StateDef 200; type: S]" in a state script too),
// kNotInAState when there is none or a script's "[Function " comes after it. Nothing when the selection
// starts at 0 (the caption then keeps its last value).
std::optional<std::int64_t> stateAtSelection(std::u16string_view text, long selStart, long selLength);

// The same rule read line by line, for a text too long to copy on every
// key: `line(n)` gives line n (0 to lineCount - 1) without its break, and the
// selection ends at column `endColumn` of line `endLine`. Lines are read
// from there upwards to the nearest "[statedef ", and the few after it that
// its number needs. The caller leaves out a selection that starts at 0.
std::int64_t stateAtLine(const std::function<std::u16string(long)>& line, long lineCount, long endLine, long endColumn);

struct TextClip {
    std::int64_t helpNumber = 0; // the clip's help topic; above 199 a state controller template
    std::u16string name;
    std::u16string body; // each line followed by CR LF
};

inline constexpr int kMaxTextClips = 500;
inline constexpr std::int64_t kLastPlainClipTopic = 199;

struct TextClipLibrary {
    std::vector<TextClip> clips = std::vector<TextClip>(kMaxTextClips + 1); // entry 0 stays empty
    std::vector<std::u16string> listNames;                                  // list position i stands for clip i + 1
    bool truncated = false; // the file opened a 501st clip; reading stopped there

    // The clip a list position stands for; null outside the table.
    const TextClip* clipAt(int listPosition) const;
};

// Reads the clip file's lines. A line "-" ends a clip; "<name>" names the
// current clip and the line after it is its help number; other lines not
// starting with "<" are the clip's body.
TextClipLibrary readTextClips(const std::vector<std::string>& lines);
// The library from a file; empty when it cannot be read.
TextClipLibrary readTextClipFile(const std::string& path);

inline constexpr std::u16string_view kStatePlaceholder = u" %x%";

struct ClipInsertion {
    long insertionPoint = 0;
    std::u16string text;        // what goes in at the insertion point
    std::optional<long> nameAt; // where the clip's name goes in afterwards, and is selected
};

// The clip as a state script writes it: a Statedef clip becomes a
// "[StateDef ; key: value; ...]" header, a controller clip an if block around
// "Name{param: value; ...}" with its trigger1 as the condition; other clips
// stay as they are.
TextClip scriptClip(const TextClip& clip);

// Where a clip goes: the start of the first blank line at or after the
// character before the caret; the end of the text when there is none.
long clipInsertionPoint(std::u16string_view text, long caret);

// What goes in: a CR LF and the body with its first " %x%" replaced by the
// state number. A state controller template (help number above 199) then
// gets its name right after "[State <n>, ", when the body has the placeholder.
ClipInsertion clipInsertion(long insertionPoint, const TextClip& clip, std::int64_t state);

// Runs the whole insertion on a text box: nothing when the caret is at 0 with
// nothing selected. `state` is updated from the insertion point first. In a
// state script (`script`) the clip goes in as scriptClip() writes it.
// Returns false when nothing was inserted.
bool insertTextClip(TextBox& box, const TextClip& clip, std::int64_t& state, bool script = false);

// The help topic with the given context number from the help file's HTML:
// the block marked <div class="topic" id="topic-N"> ... <!-- /topic -->.
// Empty when the file has no such topic.
std::string helpTopic(std::string_view html, std::int64_t contextNumber);

} // namespace vantrel
