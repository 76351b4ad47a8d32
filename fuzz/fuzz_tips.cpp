// The tip of the day from tips.txt, for any tip number.

#include "fuzz_support.h"

#include "shell/tips.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    const auto current = choices.ConsumeIntegral<std::int16_t>();
    const std::string bytes = choices.ConsumeRemainingBytesAsString();
    static const fuzz::ScratchFile tips("tips.txt");
    const Tip tip = loadTip(tips.write(bytes), current);
    fuzz::require(tip.text.size() <= bytes.size(), "a tip is no longer than the file");
    (void)tipAfterClosing(tip.number);
    (void)tipAfterClosing(current);
    return 0;
}
