#pragma once
// Byte-level builders for WAV images and SND banks, written independently of
// the code under test so a fault in the writer cannot hide one in the reader.

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::test {

inline std::string le(std::uint64_t value, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i, value >>= 8)
        out += static_cast<char>(value & 0xFF);
    return out;
}

// A canonical PCM WAV image with `dataBytes` bytes of sound.
inline std::string makeWav(int rate, int channels, int bits, std::size_t dataBytes)
{
    const int block = channels * bits / 8;
    return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(rate, 4)
        + le(static_cast<std::uint64_t>(rate) * block, 4) + le(block, 2) + le(bits, 2) + "data" + le(dataBytes, 4)
        + std::string(dataBytes, '\x80');
}

// A WAV of `ms` milliseconds at 8 kHz, 8 bit, mono.
inline std::string makeTone(int ms)
{
    return makeWav(8000, 1, 8, static_cast<std::size_t>(8 * ms));
}

inline std::string sndHeader(std::uint64_t count, std::uint64_t first = 512, std::string comment = {})
{
    comment.resize(488, '\0');
    return std::string("ElecbyteSnd\0\x01\x00\x01\x00", 16) + le(count, 4) + le(first, 4) + comment;
}

inline std::string subHeader(std::uint64_t next, std::uint64_t length, std::uint64_t group, std::uint64_t sample)
{
    return le(next, 4) + le(length, 4) + le(group, 4) + le(sample, 4);
}

struct SubFile {
    std::uint32_t group = 0;
    std::uint32_t sample = 0;
    std::string wav;
};

// A bank with its sub-files back to back from offset 512; the last next
// offset is the file size, as real banks have it.
inline std::string makeBank(const std::vector<SubFile>& subs)
{
    std::string out = sndHeader(subs.size());
    for (const SubFile& s : subs)
        out += subHeader(out.size() + 16 + s.wav.size(), s.wav.size(), s.group, s.sample) + s.wav;
    return out;
}

} // namespace vantrel::test
