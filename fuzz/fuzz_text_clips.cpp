// The text clip file (stclips.txt), and inserting each clip it gives.

#include "fuzz_support.h"

#include "common/encoding.h"
#include "common/text.h"
#include "text/state_extras.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    const long caret = choices.ConsumeIntegralInRange<long>(-2, 4096);
    const std::int64_t state = choices.ConsumeIntegral<std::int64_t>();
    const std::string bytes = choices.ConsumeRemainingBytesAsString();

    const TextClipLibrary library = readTextClips(splitLines(bytes));
    fuzz::require(library.clips.size() == kMaxTextClips + 1, "the clip table keeps its size");
    // The file as the text the clips go into.
    const std::u16string text = utf16FromUtf8(bytes);
    const long point = clipInsertionPoint(text, caret);
    fuzz::require(point >= 0 && point <= static_cast<long>(text.size()), "a clip goes inside the text");
    (void)stateAtSelection(text, caret, 1);
    for (int i = 0; i < static_cast<int>(library.listNames.size()); ++i) {
        const TextClip* clip = library.clipAt(i);
        if (!clip)
            continue;
        const ClipInsertion insertion = clipInsertion(point, *clip, state);
        if (insertion.nameAt)
            fuzz::require(*insertion.nameAt >= insertion.insertionPoint, "the name goes in after the insertion point");
    }
    (void)library.clipAt(-1);
    (void)library.clipAt(kMaxTextClips + 5);
    return 0;
}
