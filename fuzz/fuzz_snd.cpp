// SND sound banks: the reader, and the writer on what it read (a bank that
// reads must write back into a bank that reads the same).

#include "fuzz_support.h"

#include "formats/snd_format.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Result<SoundBank> loaded = parseSndFile(fuzz::bytesOf(data, size));
    if (!loaded)
        return 0;
    const SoundBank& bank = *loaded;
    fuzz::require(bank.comment.size() == kSndCommentSize, "the comment fills its field");
    for (const SoundSample& s : bank.samples) {
        fuzz::require(s.wavData.size() == static_cast<std::size_t>(s.dataLength), "a sample holds its whole WAV image");
        (void)lengthText(s);
        (void)frequencyText(s);
        (void)formatText(s);
    }
    const Result<SoundBank> again = parseSndFile(encodeSndFile(bank));
    fuzz::require(again.ok(), "a written bank reads");
    fuzz::require(again->comment == bank.comment && again->samples.size() == bank.samples.size(),
                  "a written bank keeps its comment and samples");
    for (std::size_t i = 0; i < bank.samples.size(); ++i) {
        const SoundSample& a = bank.samples[i];
        const SoundSample& b = again->samples[i];
        fuzz::require(a.groupNumber == b.groupNumber && a.sampleNumber == b.sampleNumber && a.wavData == b.wavData,
                      "a written sample keeps its numbers and sound");
    }
    return 0;
}
