// AIR frame lines read into their fields and written back, and the frame and
// action edits on any text: a line written with the fields it reads keeps
// its bytes, and every edit gives a text that reads, with the frame counts
// the edit promises.

#include "fuzz_support.h"

#include "formats/air_edit.h"
#include "formats/air_frame_fields.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(fuzz::bytesOf(data, size));
    const AirDocument air = AirDocument::parse(text);
    if (!air.ok())
        return 0;
    for (const AirFrame& frame : air.frames()) {
        const std::string_view line = air.lineText(static_cast<std::size_t>(frame.line));
        const AirFrameReading reading = readFrameFields(line);
        fuzz::require(formatFrameLine(line, reading.fields) == line || !reading.clean(),
                      "a frame line written with its own fields keeps its bytes");
    }
    if (air.actions().empty())
        return 0;
    const auto frameCount = [](const std::string& t, int action) {
        const AirDocument edited = AirDocument::parse(t);
        return action < static_cast<int>(edited.actions().size())
            ? edited.actions()[static_cast<std::size_t>(action)].frameCount
            : -1;
    };
    const AirAction& first = air.actions().front();
    if (const auto inserted = insertFrame(text, 0, 0, {}))
        fuzz::require(frameCount(*inserted, 0) == first.frameCount + 1, "an inserted frame is one more frame");
    if (first.frameCount > 0) {
        if (const auto duplicated = duplicateFrame(text, {0, 0}))
            fuzz::require(frameCount(*duplicated, 0) == first.frameCount + 1, "a duplicate is one more frame");
        if (const auto deleted = deleteFrame(text, {0, 0}))
            fuzz::require(frameCount(*deleted, 0) == first.frameCount - 1, "a deleted frame is one fewer");
        if (const auto moved = moveFrame(text, {0, 0}, FrameMove::Down))
            fuzz::require(frameCount(*moved, 0) == first.frameCount, "a move keeps the frames");
        AirFrameFields fields;
        fields.blend = {FrameBlendKind::AddCustom, 128, 64};
        fields.scaleX = 2;
        if (const auto set = setFrameFields(text, {0, 0}, fields))
            fuzz::require(frameCount(*set, 0) == first.frameCount, "a field edit keeps the frames");
    }
    const int number = nextFreeActionNumber(air);
    if (const auto appended = appendAction(text, number, {{0, 0}, {0, 1}}))
        fuzz::require(AirDocument::parse(*appended).findAction(number) >= 0, "a new action is there");
    if (const auto removed = deleteAction(text, 0))
        fuzz::require(AirDocument::parse(*removed).actions().size() == air.actions().size() - 1,
                      "a deleted action is gone");
    return 0;
}
