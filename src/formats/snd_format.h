#pragma once
// The SND sound bank: a 512-byte header, then a chain of sub-files, each a
// 16-byte sub-header (next offset, length, group, sample) and one complete WAV
// image. WAV images are kept byte for byte; only the rate, channel count and
// sample size are read from their fixed offsets.
//
// Standard C++ only: tools that build a bank from WAV files use the writer
// without the editor. The readers work on the whole file's bytes, so a file
// that lies about its own lengths can never make them read past its end.

#include "common/message.h"
#include "common/result.h"
#include "common/translatable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr std::size_t kSndHeaderSize = 512;
inline constexpr std::size_t kSndSubHeaderSize = 16;
inline constexpr std::size_t kSndCommentSize = 488;
inline constexpr int kSndMaxSoundCount = 32767; // the editor holds the count in 16 bits
inline constexpr std::size_t kWavInfoSize = 36; // a WAV image must reach its bits-per-sample field
inline constexpr std::string_view kSndSignature{"ElecbyteSnd\0", 12};

// What reading or writing a bank tells the user: a file that is not a bank
// at all, one that cannot be read or is damaged, and a disk (or the user's
// quota) that ran out.
inline const std::string kSndNotABank = QT_TRANSLATE_NOOP("Messages", "Not a valid SND file!");
inline const std::string kSndUnreadable = QT_TRANSLATE_NOOP(
    "Messages", "No associated Sound file.\nPlease reference one in the DEF file, or create one now.");
inline const std::string kSndDiskFull =
    QT_TRANSLATE_NOOP("Messages", "Not enough disk space. Free some space then retry.");

struct SoundSample {
    std::int32_t headerOffset = 0; // where this sub-header lies in the bank as laid out
    std::int32_t nextOffset = 0;   // the next-offset value written for this sample
    std::int32_t dataLength = 0;   // size of wavData
    std::int32_t groupNumber = 0;
    std::int32_t sampleNumber = 0;
    std::string wavData;            // the whole WAV image
    std::int32_t sampleRate = 0;    // WAV offset 24
    std::int16_t channels = 0;      // WAV offset 22
    std::int16_t bitsPerSample = 0; // WAV offset 34
};

struct SoundBank {
    std::string signature{kSndSignature};                                 // 12 bytes as read
    std::string version{"\x04\x00\x00\x00", 4};                           // 4 bytes, never interpreted
    std::int16_t firstOffset = static_cast<std::int16_t>(kSndHeaderSize); // written back as read
    std::string comment = std::string(kSndCommentSize, ' ');              // exactly 488 bytes
    std::vector<SoundSample> samples;                                     // sample k is samples[k - 1]

    int soundCount() const { return static_cast<int>(samples.size()); }

    // Stores a comment: shorter text is padded with spaces, longer text cut.
    void setComment(std::string_view text);
};

// The value of n bytes (2 or 4) at a 0-based position, least significant
// first. Empty when the bytes run past the end or the value exceeds 2^31 - 1.
std::optional<std::int32_t> readLittleEndian(std::string_view bytes, std::size_t pos, int n);

// n bytes: the value's two's-complement form, least significant byte first.
std::string encodeLittleEndian(int n, std::int64_t value);

// The first 12 bytes of the file are the signature, zero byte included.
bool isSndFile(std::string_view file);

// Fills signature, version, firstOffset and comment from the 512-byte header
// and returns the sound count. Empty when the header is cut short or the
// count or first offset exceeds 32767.
std::optional<int> readSndHeader(std::string_view file, SoundBank& bank);

// Fills samples with `count` samples from the chain that starts at offset 512
// (whatever the header's first offset says). False when a field or a WAV image
// runs past the end of the file, a field exceeds 2^31 - 1, a next offset points
// back into the sub-file before it (a chain that would loop), or a WAV image
// cannot give its rate, channels and sample size. samples is left empty then.
bool readSndSamples(std::string_view file, int count, SoundBank& bank);

// The first four bytes are "RIFF" and bytes 8 to 14 are "WAVEfmt".
bool isWavFile(std::string_view file);

// Why a file is no WAV image a bank can take (isWavFile and readWavInfo
// refuse it); nothing when it is one.
std::optional<Message> wavFault(std::string_view file);

// sampleRate, channels and bitsPerSample of a WAV image from their fixed
// offsets. False (sample untouched) when the image is under 36 bytes or a
// field is out of range.
bool readWavInfo(std::string_view wav, SoundSample& sample);

// The whole file, in list order with sub-files back to back. Every next
// offset but the last points at the sub-header that follows it in this
// layout; the last goes out as held.
std::string encodeSndFile(const SoundBank& bank);

// Writes the bank atomically: on any failure the file at `path` is as it was.
// A bank of more than 32767 samples, or one of 2 GiB or more, is refused. A
// full disk fails with kSndDiskFull.
Result<void> writeSndFile(const std::string& path, const SoundBank& bank);

// Writes any bytes atomically, a full disk told apart as above (used for the
// exported WAV files).
Result<void> writeSoundFile(const std::string& path, std::string_view bytes);

// Reads a bank file from disk, or from its bytes. A file without the
// signature fails with kSndNotABank, any other fault with kSndUnreadable;
// then `why`, when given, says exactly why (and where in the file).
Result<SoundBank> loadSndFile(const std::string& path, Message* why = nullptr);
Result<SoundBank> parseSndFile(std::string_view file, Message* why = nullptr);

// The texts shown for a sample: the length in bytes, the rate followed by
// " Hz" (samples a second), and the sample size with "Mono" or "Stereo".
std::string lengthText(const SoundSample& sample);
std::string frequencyText(const SoundSample& sample);
std::string formatText(const SoundSample& sample);

} // namespace vantrel
