// The help window's topic lookup in the help file's HTML.

#include "fuzz_support.h"

#include "text/state_extras.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    // Mostly numbers the file may hold; sometimes any number at all.
    const std::int64_t topic = choices.ConsumeBool() ? choices.ConsumeIntegralInRange<std::int64_t>(-1, 999)
                                                     : choices.ConsumeIntegral<std::int64_t>();
    const std::string html = choices.ConsumeRemainingBytesAsString();
    const std::string found = helpTopic(html, topic);
    fuzz::require(found.empty() || html.find(found) != std::string::npos, "a topic is a part of the file");
    fuzz::require(found.empty() || found.find("id=\"topic-" + std::to_string(topic) + "\"") != std::string::npos,
                  "a topic is the one asked for");
    return 0;
}
