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
    comment = fitted(text, kSndCommentSize, ' ');
}

std::optional<std::int32_t> readLittleEndian(std::string_view bytes, std::size_t pos, int n)
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

std::string encodeLittleEndian(int n, std::int64_t value)
{
    std::string out(static_cast<std::size_t>(n), '\0');
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < n; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<char>(bits & 0xFF);
        bits >>= 8;
    }
    return out;
}

bool isSndFile(std::string_view file)
{
    return file.substr(0, kSndSignature.size()) == kSndSignature;
}

std::optional<int> readSndHeader(std::string_view file, SoundBank& bank)
{
    if (file.size() < kSndHeaderSize)
        return std::nullopt;
    const auto count = readLittleEndian(file, 16, 4);
    const auto first = readLittleEndian(file, 20, 4);
    if (!count || !first || *count > kSndMaxSoundCount || *first > 32767)
        return std::nullopt;
    bank.signature = std::string(file.substr(0, 12));
    bank.version = std::string(file.substr(12, 4));
    bank.firstOffset = static_cast<std::int16_t>(*first);
    bank.comment = std::string(file.substr(24, kSndCommentSize));
    return *count;
}

bool readSndSamples(std::string_view file, int count, SoundBank& bank)
{
    // Every sample takes a sub-header and a WAV image of its own after the
    // header, so a count the file has no room for is refused before any
    // memory is taken for it.
    const std::size_t wanted = static_cast<std::size_t>(count < 0 ? 0 : count);
    const std::size_t room = file.size() > kSndHeaderSize ? file.size() - kSndHeaderSize : 0;
    if (wanted > room / (kSndSubHeaderSize + kWavInfoSize))
        return false;
    std::vector<SoundSample> samples(wanted);
    std::size_t pos = kSndHeaderSize;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        SoundSample& s = samples[k];
        const auto next = readLittleEndian(file, pos, 4);
        const auto length = readLittleEndian(file, pos + 4, 4);
        const auto group = readLittleEndian(file, pos + 8, 4);
        const auto number = readLittleEndian(file, pos + 12, 4);
        if (!next || !length || !group || !number)
            return false;
        const std::size_t data = pos + kSndSubHeaderSize;
        if (file.size() - data < static_cast<std::size_t>(*length))
            return false;
        s.headerOffset = static_cast<std::int32_t>(pos);
        s.nextOffset = *next;
        s.dataLength = *length;
        s.groupNumber = *group;
        s.sampleNumber = *number;
        s.wavData = std::string(file.substr(data, static_cast<std::size_t>(*length)));
        if (!readWavInfo(s.wavData, s))
            return false;
        // Each sub-file must lie after the one before it: a next offset that
        // points back would read the same bytes again and again.
        if (k + 1 < samples.size()) {
            if (static_cast<std::size_t>(*next) < data + static_cast<std::size_t>(*length))
                return false;
            pos = static_cast<std::size_t>(*next);
        }
    }
    bank.samples = std::move(samples);
    return true;
}

bool isWavFile(std::string_view file)
{
    return file.substr(0, 4) == "RIFF" && file.size() >= 15 && file.substr(8, 7) == "WAVEfmt";
}

bool readWavInfo(std::string_view wav, SoundSample& sample)
{
    if (wav.size() < kWavInfoSize)
        return false;
    const auto rate = readLittleEndian(wav, 24, 4);
    const auto channels = readLittleEndian(wav, 22, 2);
    const auto bits = readLittleEndian(wav, 34, 2);
    if (!rate || !channels || !bits || *channels > 32767 || *bits > 32767)
        return false;
    sample.sampleRate = *rate;
    sample.channels = static_cast<std::int16_t>(*channels);
    sample.bitsPerSample = static_cast<std::int16_t>(*bits);
    return true;
}

std::string encodeSndFile(const SoundBank& bank)
{
    std::size_t total = kSndHeaderSize;
    for (const SoundSample& s : bank.samples)
        total += kSndSubHeaderSize + s.wavData.size();
    std::string out;
    out.reserve(total);
    out += fitted(bank.signature, 12, '\0');
    out += fitted(bank.version, 4, '\0');
    out += encodeLittleEndian(4, bank.soundCount());
    out += encodeLittleEndian(4, bank.firstOffset);
    out += fitted(bank.comment, kSndCommentSize, ' ');
    for (std::size_t k = 0; k < bank.samples.size(); ++k) {
        const SoundSample& s = bank.samples[k];
        const std::size_t end = out.size() + kSndSubHeaderSize + s.wavData.size();
        // Sub-files go back to back, so a next offset kept from a file that
        // had gaps between them would point into the middle of a WAV image.
        const std::int64_t next = k + 1 < bank.samples.size() ? static_cast<std::int64_t>(end) : s.nextOffset;
        out += encodeLittleEndian(4, next);
        out += encodeLittleEndian(4, static_cast<std::int64_t>(s.wavData.size()));
        out += encodeLittleEndian(4, s.groupNumber);
        out += encodeLittleEndian(4, s.sampleNumber);
        out += s.wavData;
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

SndWriteResult writeSndFile(const std::string& path, const SoundBank& bank)
{
    if (bank.soundCount() > kSndMaxSoundCount)
        return {false, false, "A sound bank holds at most 32767 samples."};
    std::size_t total = kSndHeaderSize;
    for (const SoundSample& s : bank.samples)
        total += kSndSubHeaderSize + s.wavData.size();
    if (total > static_cast<std::size_t>(kMaxField))
        return {false, false, "A sound bank must stay under 2 GB."};
    return writeSoundFile(path, encodeSndFile(bank));
}

SndLoadResult parseSndFile(std::string_view file)
{
    SndLoadResult result;
    if (!isSndFile(file)) {
        result.status = SndLoadStatus::NotSnd;
        return result;
    }
    const auto count = readSndHeader(file, result.bank);
    if (!count || !readSndSamples(file, *count, result.bank)) {
        result.bank = SoundBank{};
        result.status = SndLoadStatus::Failed;
        return result;
    }
    result.status = SndLoadStatus::Loaded;
    return result;
}

SndLoadResult loadSndFile(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return {};
    return parseSndFile(*bytes);
}

std::string lengthText(const SoundSample& sample)
{
    return formatNumber(sample.dataLength);
}

std::string frequencyText(const SoundSample& sample)
{
    return formatNumber(sample.sampleRate) + " kHz";
}

std::string formatText(const SoundSample& sample)
{
    return formatNumber(sample.bitsPerSample) + " bit - " + (sample.channels == 1 ? "Mono" : "Stereo");
}

} // namespace vantrel
