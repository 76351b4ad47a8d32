// AIR animation files through every reader of the animation tools: the
// document model, the frames of each action with their sprites, the action
// numbers of the collision box window, the line-list readers, and the box
// writer (whose result must read again).

#include "fuzz_support.h"

#include "anim/air.h"
#include "anim/clsn.h"
#include "common/text.h"
#include "formats/air_document.h"
#include "sprites/workspace.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace vantrel;

namespace {

const SpriteWorkspace& workspace()
{
    static const SpriteWorkspace sprites = [] {
        SpriteWorkspace w("/nonexistent");
        w.records() = {{"tempsff/a.pcx", "0", "0", "10", "20"},
                       {"tempsff/b.pcx", "200", "1", "-5", "0"},
                       {"tempsff/c.pcx", "5000", "0", "0", "0"}};
        return w;
    }();
    return sprites;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    const int action = choices.ConsumeIntegralInRange(-1, 300);
    const int frame = choices.ConsumeIntegralInRange(-2, 50);
    const int boxCount = choices.ConsumeIntegralInRange(0, 3);
    std::vector<AirBox> boxes;
    for (int i = 0; i < boxCount; ++i)
        boxes.push_back({choices.ConsumeIntegral<std::int16_t>(), choices.ConsumeIntegral<std::int16_t>(),
                         choices.ConsumeIntegral<std::int16_t>(), choices.ConsumeIntegral<std::int16_t>()});
    const BoxKind kind = choices.ConsumeBool() ? BoxKind::Clsn1 : BoxKind::Clsn2;
    const std::string text = choices.ConsumeRemainingBytesAsString();

    const AirDocument air = AirDocument::parse(text);
    fuzz::require(air.ok(), "a text that fits in memory parses");
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < air.lineCount(); ++i) {
        bytes += air.lineText(i).size() + air.lineEnd(i).size();
        (void)air.lineKind(i);
    }
    fuzz::require(bytes + (air.hasByteOrderMark() ? 3 : 0) == text.size(), "the lines hold every byte of the text");
    const auto titles = actionTitles(air);
    const std::size_t actions = std::min<std::size_t>(air.actions().size(), 200);
    for (std::size_t a = 0; a < actions; ++a) {
        const AnimAction frames = actionFrames(air, static_cast<int>(a), workspace());
        fuzz::require(frames.frameCount() == air.actions()[a].frameCount, "every frame of an action is shown");
        for (const AirFrame& f : air.frames(air.actions()[a])) {
            (void)air.boxesOf(f, BoxKind::Clsn1);
            (void)air.boxesOf(f, BoxKind::Clsn2);
        }
        for (const AirBoxBlock& block : air.blocks(air.actions()[a]))
            (void)air.boxLines(block);
    }
    for (const AirProblem& p : air.problems())
        (void)describe(p.kind);
    (void)actionNumbersOf(air);
    (void)air.findAction(action);

    const std::vector<std::string> lines = splitLines(text);
    (void)actionNumbersIn(lines);
    const auto listed = listActionsIn(lines);
    if (!listed.empty())
        (void)readActionIn(lines, listed[static_cast<std::size_t>(std::max(action, 0)) % listed.size()], workspace());

    if (const auto written = replaceBoxes(air, {action, frame, kind}, boxes)) {
        const AirDocument again = AirDocument::parse(*written);
        fuzz::require(again.ok() && again.actions().size() == air.actions().size(),
                      "a text with boxes replaced keeps its actions");
    }
    return 0;
}
