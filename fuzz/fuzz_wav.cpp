// WAV images as the sound editor takes them: the signature test, the format
// fields and the texts shown for them, and the import into a bank.

#include "fuzz_support.h"

#include "formats/snd_format.h"
#include "sound/sound_editor.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    SoundSample sample;
    if (isWavFile(bytes) && readWavInfo(bytes, sample)) {
        (void)lengthText(sample);
        (void)frequencyText(sample);
        (void)formatText(sample);
    }

    static const fuzz::ScratchFile bank("kfm.snd");
    static const fuzz::ScratchFile wav("sound.wav");
    static const std::string bankPath = bank.write(encodeSndFile(SoundBank{}));
    SoundEditor editor;
    if (!editor.open(bankPath))
        std::abort();
    const SoundEditor::Imported imported = editor.importSamples({wav.write(bytes)});
    fuzz::require(imported.samples.size() + imported.messages.size() == 1,
                  "an import gives the sample or says why not");
    editor.appendSamples(imported.samples);
    if (editor.count() == 1) {
        const SoundSample* added = &editor.bank().samples.front();
        fuzz::require(added && added->wavData == bytes, "an imported sample keeps the file's bytes");
        const Result<SoundBank> reread = parseSndFile(encodeSndFile(editor.bank()));
        fuzz::require(reread && reread->samples.size() == 1, "a bank with an imported sample reads");
    }
    return 0;
}
