#include "snd_format.h"

#include "common/atomic_file.h"
#include "common/text.h"

#include <cerrno>
#include <cstring>
#include <limits>

namespace vantrel {

namespace {

constexpr std::int64_t kMaxField = std::numeric_limits<std::int32_t>::max();

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// writeFileAtomic reports the system's reason as text; a full disk has its own
// message for the user, so tell it apart by that reason.
bool isDiskFull(const WriteResult& result)
{
    return endsWith(result.error, std::strerror(ENOSPC)) || endsWith(result.error, std::strerror(EDQUOT));
}

std::string fitted(std::string_view text, std::size_t size, char pad)
{
    std::string out(text.substr(0, size));
    out.resize(size, pad);
    return out;
}

} // namespace

void SoundBank::setComment(std::string_view text)
{
    Comment = fitted(text, kSndCommentSize, ' ');
}

std::optional<std::int32_t> ReadLittleEndian(std::string_view bytes, std::size_t pos, int n)
{
    if (n <= 0 || n > 4 || pos > bytes.size() || bytes.size() - pos < static_cast<std::size_t>(n))
        return std::nullopt;
    std::int64_t sum = 0;
    for (int i = n - 1; i >= 0; --i)
        sum = sum * 256 + static_cast<unsigned char>(bytes[pos + static_cast<std::size_t>(i)]);
    if (sum > kMaxField)
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

std::string EncodeLittleEndian(int n, std::int64_t value)
{
    std::string out(static_cast<std::size_t>(n), '\0');
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < n; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<char>(bits & 0xFF);
        bits >>= 8;
    }
    return out;
}

bool IsSndFile(std::string_view file)
{
    return file.substr(0, kSndSignature.size()) == kSndSignature;
}

std::optional<int> ReadSndHeader(std::string_view file, SoundBank& bank)
{
    if (file.size() < kSndHeaderSize)
        return std::nullopt;
    const auto count = ReadLittleEndian(file, 16, 4);
    const auto first = ReadLittleEndian(file, 20, 4);
    if (!count || !first || *count > kSndMaxSoundCount || *first > 32767)
        return std::nullopt;
    bank.Signature = std::string(file.substr(0, 12));
    bank.Version = std::string(file.substr(12, 4));
    bank.FirstOffset = static_cast<std::int16_t>(*first);
    bank.Comment = std::string(file.substr(24, kSndCommentSize));
    return *count;
}

bool ReadSndSamples(std::string_view file, int count, SoundBank& bank)
{
    std::vector<SoundSample> samples(static_cast<std::size_t>(count < 0 ? 0 : count));
    std::size_t pos = kSndHeaderSize;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        SoundSample& s = samples[k];
        const auto next = ReadLittleEndian(file, pos, 4);
        const auto length = ReadLittleEndian(file, pos + 4, 4);
        const auto group = ReadLittleEndian(file, pos + 8, 4);
        const auto number = ReadLittleEndian(file, pos + 12, 4);
        if (!next || !length || !group || !number)
            return false;
        const std::size_t data = pos + kSndSubHeaderSize;
        if (file.size() - data < static_cast<std::size_t>(*length))
            return false;
        s.HeaderOffset = static_cast<std::int32_t>(pos);
        s.NextOffset = *next;
        s.DataLength = *length;
        s.GroupNo = *group;
        s.SampleNo = *number;
        s.WavData = std::string(file.substr(data, static_cast<std::size_t>(*length)));
        if (!ReadWavInfo(s.WavData, s))
            return false;
        // Each sub-file must lie after the one before it: a next offset that
        // points back would read the same bytes again and again.
        if (k + 1 < samples.size()) {
            if (static_cast<std::size_t>(*next) < data + static_cast<std::size_t>(*length))
                return false;
            pos = static_cast<std::size_t>(*next);
        }
    }
    bank.Samples = std::move(samples);
    return true;
}

bool IsWavFile(std::string_view file)
{
    return file.substr(0, 4) == "RIFF" && file.size() >= 15 && file.substr(8, 7) == "WAVEfmt";
}

bool ReadWavInfo(std::string_view wav, SoundSample& sample)
{
    if (wav.size() < kWavInfoSize)
        return false;
    const auto rate = ReadLittleEndian(wav, 24, 4);
    const auto channels = ReadLittleEndian(wav, 22, 2);
    const auto bits = ReadLittleEndian(wav, 34, 2);
    if (!rate || !channels || !bits || *channels > 32767 || *bits > 32767)
        return false;
    sample.SampleRate = *rate;
    sample.Channels = static_cast<std::int16_t>(*channels);
    sample.BitsPerSample = static_cast<std::int16_t>(*bits);
    return true;
}

std::string EncodeSndFile(const SoundBank& bank)
{
    std::size_t total = kSndHeaderSize;
    for (const SoundSample& s : bank.Samples)
        total += kSndSubHeaderSize + s.WavData.size();
    std::string out;
    out.reserve(total);
    out += fitted(bank.Signature, 12, '\0');
    out += fitted(bank.Version, 4, '\0');
    out += EncodeLittleEndian(4, bank.SoundCount());
    out += EncodeLittleEndian(4, bank.FirstOffset);
    out += fitted(bank.Comment, kSndCommentSize, ' ');
    for (std::size_t k = 0; k < bank.Samples.size(); ++k) {
        const SoundSample& s = bank.Samples[k];
        const std::size_t end = out.size() + kSndSubHeaderSize + s.WavData.size();
        // Sub-files go back to back, so a next offset kept from a file that
        // had gaps between them would point into the middle of a WAV image.
        const std::int64_t next = k + 1 < bank.Samples.size() ? static_cast<std::int64_t>(end) : s.NextOffset;
        out += EncodeLittleEndian(4, next);
        out += EncodeLittleEndian(4, static_cast<std::int64_t>(s.WavData.size()));
        out += EncodeLittleEndian(4, s.GroupNo);
        out += EncodeLittleEndian(4, s.SampleNo);
        out += s.WavData;
    }
    return out;
}

SndWriteResult writeSoundFile(const std::string& path, std::string_view bytes)
{
    const WriteResult written = writeFileAtomic(path, bytes);
    if (written)
        return {true, false, {}};
    return {false, isDiskFull(written), written.error};
}

SndWriteResult WriteSndFile(const std::string& path, const SoundBank& bank)
{
    if (bank.SoundCount() > kSndMaxSoundCount)
        return {false, false, "A sound bank holds at most 32767 samples."};
    std::size_t total = kSndHeaderSize;
    for (const SoundSample& s : bank.Samples)
        total += kSndSubHeaderSize + s.WavData.size();
    if (total > static_cast<std::size_t>(kMaxField))
        return {false, false, "A sound bank must stay under 2 GB."};
    return writeSoundFile(path, EncodeSndFile(bank));
}

SndLoadResult ParseSndFile(std::string_view file)
{
    SndLoadResult result;
    if (!IsSndFile(file)) {
        result.status = SndLoadStatus::NotSnd;
        return result;
    }
    const auto count = ReadSndHeader(file, result.bank);
    if (!count || !ReadSndSamples(file, *count, result.bank)) {
        result.bank = SoundBank{};
        result.status = SndLoadStatus::Failed;
        return result;
    }
    result.status = SndLoadStatus::Loaded;
    return result;
}

SndLoadResult LoadSndFile(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return {};
    return ParseSndFile(*bytes);
}

std::string lengthText(const SoundSample& sample)
{
    return formatNumber(sample.DataLength);
}

std::string frequencyText(const SoundSample& sample)
{
    return formatNumber(sample.SampleRate) + " kHz";
}

std::string formatText(const SoundSample& sample)
{
    return formatNumber(sample.BitsPerSample) + " bit - " + (sample.Channels == 1 ? "Mono" : "Stereo");
}

} // namespace vantrel
