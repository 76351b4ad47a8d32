// The sound editor's load and save of a whole bank, for bench/snd_vs_copy.sh
// to time beside a plain synced copy of the same file.
//
//   bench_snd_roundtrip make BANK MEGABYTES   writes a bank of about that size
//   bench_snd_roundtrip copy BANK OUT         opens BANK in the editor, saves it as OUT

#include "formats/snd_format.h"
#include "sound/sound_editor.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

std::string le(std::uint64_t value, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i, value >>= 8)
        out += static_cast<char>(value & 0xFF);
    return out;
}

// A 16-bit PCM image of `dataBytes` bytes of noise.
std::string makeWav(std::mt19937& random, int rate, int channels, std::size_t dataBytes)
{
    const int block = channels * 2;
    std::string wav = "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(rate, 4)
        + le(static_cast<std::uint64_t>(rate) * block, 4) + le(block, 2) + le(16, 2) + "data" + le(dataBytes, 4);
    wav.reserve(wav.size() + dataBytes);
    for (std::size_t i = 0; i < dataBytes; ++i)
        wav += static_cast<char>(random() & 0xFF);
    return wav;
}

int make(const std::string& path, long megabytes)
{
    // Voices and effects of a few kilobytes to a few hundred, as a big
    // character's bank holds them.
    std::mt19937 random(7);
    vantrel::SoundBank bank;
    const std::size_t target = static_cast<std::size_t>(megabytes) * 1000 * 1000;
    std::size_t total = vantrel::kSndHeaderSize;
    for (int n = 0; total < target; ++n) {
        vantrel::SoundSample s;
        std::size_t bytes = 4000 + random() % 200000;
        bytes = std::min(bytes, target - total) & ~std::size_t(3);
        s.wavData = makeWav(random, n % 3 == 0 ? 22050 : 11025, 1 + n % 2, bytes);
        s.dataLength = static_cast<std::int32_t>(s.wavData.size());
        s.groupNumber = n / 10;
        s.sampleNumber = n % 10;
        vantrel::readWavInfo(s.wavData, s);
        total += vantrel::kSndSubHeaderSize + s.wavData.size();
        bank.samples.push_back(std::move(s));
    }
    const auto written = vantrel::writeSndFile(path, bank);
    if (!written) {
        std::fprintf(stderr, "%s\n", written.error().c_str());
        return 1;
    }
    return 0;
}

int copy(const std::string& from, const std::string& to)
{
    vantrel::SoundEditor editor;
    const auto opened = editor.open(from);
    if (!opened) {
        std::fprintf(stderr, "cannot open %s: %s\n", from.c_str(), opened.error().c_str());
        return 1;
    }
    const auto saved = editor.saveBank(to);
    if (!saved) {
        std::fprintf(stderr, "cannot save %s: %s\n", to.c_str(), saved.error().c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 4 && mode == "make")
        return make(argv[2], std::atol(argv[3]));
    if (argc == 4 && mode == "copy")
        return copy(argv[2], argv[3]);
    std::fprintf(stderr, "usage: bench_snd_roundtrip make BANK MEGABYTES | copy BANK OUT\n");
    return 2;
}
