#include "formats/snd_format.h"

#include "common/atomic_file.h"
#include "common/hex_offset.h"
#include "common/text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

constexpr std::int64_t kMaxField = std::numeric_limits<std::int32_t>::max();

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// writeFileAtomic reports the system's reason as text; a full disk has its own
// message for the user, so tell it apart by that reason.
bool isDiskFull(const Result<void>& result)
{
    return endsWith(result.error(), std::strerror(ENOSPC)) || endsWith(result.error(), std::strerror(EDQUOT));
}

std::string fitted(std::string_view text, std::size_t size, char pad)
{
    std::string out(text.substr(0, size));
    out.resize(size, pad);
    return out;
}

// Where the readers take a bank's bytes from: the whole file in memory, or
// the open file itself, so that each WAV image goes from the file straight
// into its sample and a bank takes no more memory than its own size. read()
// copies n bytes from pos and is false when they run past the end.
struct MemorySource {
    std::string_view file;

    std::size_t size() const { return file.size(); }
    bool read(std::size_t pos, std::size_t n, char* to) const
    {
        if (pos > file.size() || file.size() - pos < n)
            return false;
        std::copy_n(file.data() + pos, n, to);
        return true;
    }
};

struct FileSource {
    int fd = -1;
    std::size_t bytes = 0; // the size the file had when opened

    std::size_t size() const { return bytes; }
    bool read(std::size_t pos, std::size_t n, char* to) const
    {
        if (pos > bytes || bytes - pos < n)
            return false;
        while (n > 0) {
            const ssize_t got = ::pread(fd, to, n, static_cast<off_t>(pos));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) // an error, or a file that shrank meanwhile
                return false;
            to += got;
            pos += static_cast<std::size_t>(got);
            n -= static_cast<std::size_t>(got);
        }
        return true;
    }
};

// "sound 3 of 12": the place of a sample in the chain, as the reasons name it.
Message soundPlace(std::size_t k, std::size_t count)
{
    return {QT_TRANSLATE_NOOP("Messages", "sound %1 of %2"), {std::to_string(k + 1), std::to_string(count)}};
}

// Reads `count` samples into bank.samples. Returns why it could not (nothing
// when it could); bank.samples is then left untouched.
template <class Source> std::optional<Message> readSamplesFrom(const Source& file, int count, SoundBank& bank)
{
    // Every sample takes a sub-header and a WAV image of its own after the
    // header, so a count the file has no room for is refused before any
    // memory is taken for it.
    const std::size_t wanted = static_cast<std::size_t>(count < 0 ? 0 : count);
    const std::size_t room = file.size() > kSndHeaderSize ? file.size() - kSndHeaderSize : 0;
    if (wanted > room / (kSndSubHeaderSize + kWavInfoSize))
        return Message(
            QT_TRANSLATE_NOOP("Messages",
                              "the header's sound count, %1, is more than the %2 bytes after the header can hold"),
            {std::to_string(wanted), std::to_string(room)});
    const std::string end = hexOffset(file.size());
    std::vector<SoundSample> samples(wanted);
    std::size_t pos = kSndHeaderSize;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        SoundSample& s = samples[k];
        char subHeader[kSndSubHeaderSize];
        if (!file.read(pos, kSndSubHeaderSize, subHeader))
            return Message(
                QT_TRANSLATE_NOOP("Messages", "truncated: the sub-header of %1 is at offset %2, the file ends at %3"),
                {soundPlace(k, wanted), hexOffset(pos), end});
        const std::string_view fields(subHeader, kSndSubHeaderSize);
        const auto next = readLittleEndian(fields, 0, 4);
        const auto length = readLittleEndian(fields, 4, 4);
        const auto group = readLittleEndian(fields, 8, 4);
        const auto number = readLittleEndian(fields, 12, 4);
        if (!next || !length || !group || !number)
            return Message(
                QT_TRANSLATE_NOOP("Messages", "the sub-header of %1 at offset %2 has a value above 2147483647"),
                {soundPlace(k, wanted), hexOffset(pos)});
        const std::size_t data = pos + kSndSubHeaderSize;
        if (file.size() - data < static_cast<std::size_t>(*length))
            return Message(
                QT_TRANSLATE_NOOP(
                    "Messages",
                    "truncated: the sub-header of %1 says %2 bytes of data at offset %3, the file ends at %4"),
                {soundPlace(k, wanted), std::to_string(*length), hexOffset(data), end});
        s.headerOffset = static_cast<std::int32_t>(pos);
        s.nextOffset = *next;
        s.dataLength = *length;
        s.groupNumber = *group;
        s.sampleNumber = *number;
        s.wavData.resize(static_cast<std::size_t>(*length));
        if (!file.read(data, s.wavData.size(), s.wavData.data()))
            return Message(QT_TRANSLATE_NOOP("Messages", "the data of %1 at offset %2 could not be read"),
                           {soundPlace(k, wanted), hexOffset(data)});
        if (!readWavInfo(s.wavData, s)) {
            const std::string size = std::to_string(s.wavData.size());
            return s.wavData.size() < kWavInfoSize
                ? Message(QT_TRANSLATE_NOOP(
                              "Messages", "the WAV data of %1 at offset %2 is %3 bytes, too short to give its format"),
                          {soundPlace(k, wanted), hexOffset(data), size})
                : Message(
                    QT_TRANSLATE_NOOP("Messages",
                                      "the WAV data of %1 at offset %2 gives a rate, channel count or sample size "
                                      "out of range"),
                    {soundPlace(k, wanted), hexOffset(data)});
        }
        // Each sub-file must lie after the one before it: a next offset that
        // points back would read the same bytes again and again.
        if (k + 1 < samples.size()) {
            if (static_cast<std::size_t>(*next) < data + static_cast<std::size_t>(*length))
                return Message(
                    QT_TRANSLATE_NOOP("Messages", "the next offset of %1 is %2, before the end of that sound at %3"),
                    {soundPlace(k, wanted), hexOffset(static_cast<std::size_t>(*next)),
                     hexOffset(data + s.wavData.size())});
            pos = static_cast<std::size_t>(*next);
        }
    }
    bank.samples = std::move(samples);
    return std::nullopt;
}

// Why the 512-byte header (of a file with the signature) gives no sound count.
Message headerFault(std::string_view header)
{
    if (header.size() < kSndHeaderSize)
        return {
            QT_TRANSLATE_NOOP("Messages", "truncated: the file is %1 bytes long, shorter than the %2-byte SND header"),
            {std::to_string(header.size()), std::to_string(kSndHeaderSize)}};
    const auto count = readLittleEndian(header, 16, 4);
    if (!count || *count > kSndMaxSoundCount)
        return {QT_TRANSLATE_NOOP("Messages", "the header gives more than %1 sounds"),
                {std::to_string(kSndMaxSoundCount)}};
    return Message(QT_TRANSLATE_NOOP("Messages", "the header's first offset is above 32767"));
}

// The failure `message`, with `reason` told through `why` when there is one.
Result<SoundBank> refused(const std::string& message, Message reason, Message* why)
{
    if (why)
        *why = std::move(reason);
    return Result<SoundBank>::failure(message);
}

template <class Source> Result<SoundBank> parseFrom(const Source& file, Message* why)
{
    std::string header(std::min(file.size(), kSndHeaderSize), '\0');
    if (!file.read(0, header.size(), header.data()))
        return refused(kSndUnreadable, Message(QT_TRANSLATE_NOOP("Messages", "the file could not be read")), why);
    if (!isSndFile(header))
        return refused(
            kSndNotABank,
            Message(QT_TRANSLATE_NOOP("Messages", "the file does not start with the SND signature \"ElecbyteSnd\"")),
            why);
    SoundBank bank;
    const auto count = readSndHeader(header, bank);
    if (!count)
        return refused(kSndUnreadable, headerFault(header), why);
    if (std::optional<Message> fault = readSamplesFrom(file, *count, bank))
        return refused(kSndUnreadable, std::move(*fault), why);
    return bank;
}

std::size_t encodedSize(const SoundBank& bank)
{
    std::size_t total = kSndHeaderSize;
    for (const SoundSample& s : bank.samples)
        total += kSndSubHeaderSize + s.wavData.size();
    return total;
}

// Hands the bank's bytes, in file order, to `put` in pieces: the header,
// then each sub-header and its WAV image as held.
template <class Put> void layOut(const SoundBank& bank, Put&& put)
{
    std::string header;
    header.reserve(kSndHeaderSize);
    header += fitted(bank.signature, 12, '\0');
    header += fitted(bank.version, 4, '\0');
    header += encodeLittleEndian(4, bank.soundCount());
    header += encodeLittleEndian(4, bank.firstOffset);
    header += fitted(bank.comment, kSndCommentSize, ' ');
    put(std::string_view(header));
    std::size_t end = kSndHeaderSize;
    for (std::size_t k = 0; k < bank.samples.size(); ++k) {
        const SoundSample& s = bank.samples[k];
        end += kSndSubHeaderSize + s.wavData.size();
        // Sub-files go back to back, so a next offset kept from a file that
        // had gaps between them would point into the middle of a WAV image.
        const std::int64_t next = k + 1 < bank.samples.size() ? static_cast<std::int64_t>(end) : s.nextOffset;
        const std::string subHeader = encodeLittleEndian(4, next)
            + encodeLittleEndian(4, static_cast<std::int64_t>(s.wavData.size())) + encodeLittleEndian(4, s.groupNumber)
            + encodeLittleEndian(4, s.sampleNumber);
        put(std::string_view(subHeader));
        put(std::string_view(s.wavData));
    }
}

Result<void> tellingDiskFull(Result<void> written)
{
    if (!written && isDiskFull(written))
        return Result<void>::failure(kSndDiskFull);
    return written;
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
    return !readSamplesFrom(MemorySource{file}, count, bank);
}

bool isWavFile(std::string_view file)
{
    return file.substr(0, 4) == "RIFF" && file.size() >= 15 && file.substr(8, 7) == "WAVEfmt";
}

std::optional<Message> wavFault(std::string_view file)
{
    if (!isWavFile(file))
        return Message(QT_TRANSLATE_NOOP("Messages",
                                         "the file does not start with \"RIFF\" and the \"WAVEfmt\" header at byte 8"));
    SoundSample probe;
    if (readWavInfo(file, probe))
        return std::nullopt;
    if (file.size() < kWavInfoSize)
        return Message(
            QT_TRANSLATE_NOOP("Messages", "the file is %1 bytes long, too short to give its format (%2 bytes)"),
            {std::to_string(file.size()), std::to_string(kWavInfoSize)});
    return Message(QT_TRANSLATE_NOOP("Messages", "its rate, channel count or sample size is out of range"));
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
    std::string out;
    out.reserve(encodedSize(bank));
    layOut(bank, [&out](std::string_view piece) { out += piece; });
    return out;
}

Result<void> writeSoundFile(const std::string& path, std::string_view bytes)
{
    return tellingDiskFull(writeFileAtomic(path, bytes));
}

Result<void> writeSndFile(const std::string& path, const SoundBank& bank)
{
    if (bank.soundCount() > kSndMaxSoundCount)
        return Result<void>::failure(QT_TRANSLATE_NOOP("Messages", "A sound bank holds at most 32767 samples."));
    if (encodedSize(bank) > static_cast<std::size_t>(kMaxField))
        return Result<void>::failure(QT_TRANSLATE_NOOP("Messages", "A sound bank must stay under 2 GB."));
    // Written piece by piece from the samples, never gathered whole first.
    AtomicFileWriter writer(path);
    layOut(bank, [&writer](std::string_view piece) { writer.write(piece); });
    return tellingDiskFull(writer.commit());
}

Result<SoundBank> parseSndFile(std::string_view file, Message* why)
{
    return parseFrom(MemorySource{file}, why);
}

Result<SoundBank> loadSndFile(const std::string& path, Message* why)
{
    // Not blocking, so that a pipe given by mistake is refused below rather
    // than waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return refused(
            kSndUnreadable,
            {QT_TRANSLATE_NOOP("Messages", "the file cannot be opened: %1"), {std::string(std::strerror(errno))}}, why);
    struct stat info { };
    Result<SoundBank> result =
        refused(kSndUnreadable, Message(QT_TRANSLATE_NOOP("Messages", "it is not a plain file")), why);
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        result = parseFrom(FileSource{fd, static_cast<std::size_t>(info.st_size)}, why);
    ::close(fd);
    return result;
}

std::string lengthText(const SoundSample& sample)
{
    return formatNumber(sample.dataLength);
}

std::string frequencyText(const SoundSample& sample)
{
    return formatNumber(sample.sampleRate) + " Hz";
}

std::string formatText(const SoundSample& sample)
{
    return formatNumber(sample.bitsPerSample) + " bit - " + (sample.channels == 1 ? "Mono" : "Stereo");
}

} // namespace vantrel
