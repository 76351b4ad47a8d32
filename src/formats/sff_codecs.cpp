#include "formats/sff_codecs.h"

#include "formats/sff_result.h"

#include <algorithm>

namespace sfflib {

namespace {

// Reads a compressed stream one byte at a time and fails cleanly at its end.
class Stream {
public:
    Stream(std::string_view data, const char* format) : m_data(data), m_format(format) { }
    bool atEnd() const { return m_pos >= m_data.size(); }
    std::uint8_t next()
    {
        if (atEnd())
            throw FormatError(std::string(m_format) + " data ends before the image is complete");
        return static_cast<std::uint8_t>(m_data[m_pos++]);
    }

private:
    std::string_view m_data;
    const char* m_format;
    std::size_t m_pos = 0;
};

class Output {
public:
    // `mostPerByte` pixels for each byte of data (and `mostExtra` more) is
    // the most the format can make: a larger picture is refused before its
    // memory is taken.
    Output(std::string_view data, std::size_t size, const char* format, std::size_t mostPerByte, std::size_t mostExtra)
    {
        if (size > data.size() * mostPerByte + mostExtra)
            throw FormatError(std::string(format) + " data of " + std::to_string(data.size())
                              + " bytes cannot make a picture of " + std::to_string(size) + " pixels");
        m_pixels.resize(size);
    }
    bool full() const { return m_pos == m_pixels.size(); }
    void fill(std::uint8_t value, std::size_t count)
    {
        count = std::min(count, m_pixels.size() - m_pos);
        std::fill_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(m_pos), count, value);
        m_pos += count;
    }
    // Copies byte by byte so that a copy may overlap what it writes.
    void copyBack(std::size_t distance, std::size_t count)
    {
        if (distance > m_pos)
            throw FormatError("LZ5 data refers to pixels before the start of the image");
        count = std::min(count, m_pixels.size() - m_pos);
        for (std::size_t i = 0; i < count; ++i, ++m_pos)
            m_pixels[m_pos] = m_pixels[m_pos - distance];
    }
    std::vector<std::uint8_t> take() { return std::move(m_pixels); }

private:
    std::vector<std::uint8_t> m_pixels;
    std::size_t m_pos = 0;
};

} // namespace

std::vector<std::uint8_t> decodeRle8(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "RLE8");
    Output out(data, pixelCount, "RLE8", 32, 63); // two bytes, 63 pixels
    while (!out.full()) {
        const std::uint8_t b = in.next();
        if ((b & 0xC0) == 0x40)
            out.fill(in.next(), b & 0x3F);
        else
            out.fill(b, 1);
    }
    return out.take();
}

std::vector<std::uint8_t> decodeRle5(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "RLE5");
    Output out(data, pixelCount, "RLE5", 128, 256); // two bytes, 256 pixels
    while (!out.full()) {
        const std::size_t runLength = in.next();
        const std::uint8_t flagAndCount = in.next();
        const std::uint8_t colour = (flagAndCount & 0x80) ? in.next() : 0;
        out.fill(colour, runLength + 1);
        for (int d = flagAndCount & 0x7F; d > 0; --d) {
            const std::uint8_t b = in.next();
            out.fill(b & 0x1F, (b >> 5) + 1u);
        }
    }
    return out.take();
}

std::vector<std::uint8_t> decodeLz5(std::string_view data, std::size_t pixelCount)
{
    Stream in(data, "LZ5");
    Output out(data, pixelCount, "LZ5", 132, 263); // a long run: two bytes, 263 pixels
    std::uint8_t gathered = 0;                     // top bits of short copies, two per copy
    int gatheredCount = 0;
    while (!out.full()) {
        const std::uint8_t control = in.next();
        for (int bit = 0; bit < 8 && !out.full(); ++bit) {
            const std::uint8_t b = in.next();
            if (control & (1u << bit)) {
                std::size_t distance;
                std::size_t length;
                if ((b & 0x3F) == 0) {
                    distance = ((std::size_t(b) << 2) | in.next()) + 1;
                    length = std::size_t(in.next()) + 3;
                } else {
                    length = (b & 0x3Fu) + 1;
                    gathered |= static_cast<std::uint8_t>((b & 0xC0) >> gatheredCount);
                    gatheredCount += 2;
                    if (gatheredCount < 8) {
                        distance = std::size_t(in.next()) + 1;
                    } else {
                        distance = std::size_t(gathered) + 1;
                        gathered = 0;
                        gatheredCount = 0;
                    }
                }
                out.copyBack(distance, length);
            } else {
                std::size_t count = b >> 5;
                if (count == 0)
                    count = std::size_t(in.next()) + 8;
                out.fill(b & 0x1F, count);
            }
        }
    }
    return out.take();
}

std::string encodeRle8(const std::vector<std::uint8_t>& pixels)
{
    std::string out;
    out.reserve(pixels.size() / 2 + 16);
    // Runs may cross rows: the data is one stream over the whole picture.
    for (std::size_t i = 0; i < pixels.size();) {
        const std::uint8_t value = pixels[i];
        std::size_t run = 1;
        while (i + run < pixels.size() && run < 63 && pixels[i + run] == value)
            ++run;
        // A lone pixel stands for itself unless it looks like a run byte.
        if (run > 1 || (value & 0xC0) == 0x40)
            out.push_back(static_cast<char>(0x40 | run));
        out.push_back(static_cast<char>(value));
        i += run;
    }
    return out;
}

namespace {

// Writes LZ5 packets: a control byte before every eight, each bit telling a
// copy from a run. Short copies come in fours: the fourth has no offset byte
// of its own, its offset is spread over the free top bits of the three before
// it and its own, which are filled in when it is known.
class Lz5Writer {
public:
    std::string out;

    void run(std::uint8_t colour, std::size_t count)
    {
        while (count > 0) {
            const std::size_t n = std::min<std::size_t>(count, 263);
            startPacket(false);
            if (n < 8) {
                put(static_cast<std::uint8_t>(n << 5 | colour));
            } else {
                put(colour);
                put(static_cast<std::uint8_t>(n - 8));
            }
            count -= n;
        }
    }

    // distance 1 to 256, length 2 to 64.
    void shortCopy(std::size_t distance, std::size_t length)
    {
        startPacket(true);
        const auto lengthBits = static_cast<std::uint8_t>(length - 1);
        if (m_pendingShort < 3) {
            m_shortAt[m_pendingShort++] = out.size();
            put(lengthBits);
            put(static_cast<std::uint8_t>(distance - 1));
            return;
        }
        const auto v = static_cast<std::uint8_t>(distance - 1);
        for (int k = 0; k < 3; ++k)
            out[m_shortAt[k]] = static_cast<char>(out[m_shortAt[k]] | ((v >> (6 - 2 * k)) & 3) << 6);
        put(static_cast<std::uint8_t>((v & 3) << 6 | lengthBits));
        m_pendingShort = 0;
    }

    // distance 1 to 1024, length 3 to 258.
    void longCopy(std::size_t distance, std::size_t length)
    {
        startPacket(true);
        const std::size_t v = distance - 1;
        put(static_cast<std::uint8_t>((v >> 8) << 6));
        put(static_cast<std::uint8_t>(v & 0xFF));
        put(static_cast<std::uint8_t>(length - 3));
    }

private:
    void put(std::uint8_t b) { out.push_back(static_cast<char>(b)); }
    void startPacket(bool copy)
    {
        if (m_packets % 8 == 0) {
            m_controlAt = out.size();
            put(0);
        }
        if (copy)
            out[m_controlAt] = static_cast<char>(out[m_controlAt] | 1 << (m_packets % 8));
        ++m_packets;
    }

    std::size_t m_packets = 0;
    std::size_t m_controlAt = 0;
    std::size_t m_shortAt[3] = {};
    int m_pendingShort = 0;
};

} // namespace

std::string encodeLz5(const std::vector<std::uint8_t>& pixels)
{
    constexpr std::size_t window = 1024;
    constexpr int maxSteps = 16;
    const std::size_t n = pixels.size();

    // Equal pixels from each position on, as far as one run packet goes.
    std::vector<std::uint16_t> runLength(n);
    for (std::size_t i = n; i-- > 0;)
        runLength[i] = i + 1 < n && pixels[i + 1] == pixels[i] ? std::uint16_t(std::min(runLength[i + 1] + 1, 263)) : 1;

    // The cheapest packets (in bits, a control bit each) that reach each
    // position, and the last packet on that way: a run (distance 0) or a copy.
    struct Step {
        std::uint32_t cost = UINT32_MAX;
        std::uint16_t length = 0;
        std::uint16_t distance = 0;
    };
    std::vector<Step> best(n + 1);
    best[0].cost = 0;
    // Chains of earlier positions with the same two pixels, newest first.
    std::vector<std::int32_t> head(32 * 32, -1);
    std::vector<std::int32_t> previous(n, -1);
    const auto key = [&](std::size_t i) { return std::size_t(pixels[i] & 31) << 5 | (pixels[i + 1] & 31); };

    for (std::size_t i = 0; i < n; ++i) {
        if (i + 1 < n) {
            // Chained before anything else so that every position is found.
            const std::size_t k = key(i);
            previous[i] = head[k];
            head[k] = static_cast<std::int32_t>(i);
        }
        const std::uint32_t cost = best[i].cost;
        const auto relax = [&](std::size_t length, std::size_t distance, std::uint32_t bits) {
            Step& step = best[i + length];
            if (cost + bits < step.cost)
                step = {cost + bits, std::uint16_t(length), std::uint16_t(distance)};
        };
        const std::size_t run = runLength[i];
        for (std::size_t length = 1; length <= std::min<std::size_t>(run, 7); ++length)
            relax(length, 0, 9);
        if (run >= 8)
            relax(run, 0, 17);

        // Inside a run, or at the start of a long one, the run is the cheapest
        // packet: searching for copies there only costs time.
        const bool inRun = i > 0 && pixels[i - 1] == pixels[i] && run >= 4;
        if (i + 1 < n && run < 16 && !inRun) {
            std::size_t shortLength = 0, shortDistance = 0, longLength = 0, longDistance = 0;
            int steps = 0;
            for (std::int32_t j = previous[i]; j >= 0 && i - std::size_t(j) <= window && steps < maxSteps;
                 j = previous[std::size_t(j)], ++steps) {
                const std::size_t d = i - std::size_t(j);
                std::size_t length = 2;
                while (i + length < n && length < 258 && pixels[std::size_t(j) + length] == pixels[i + length])
                    ++length;
                if (d <= 256 && length > shortLength) {
                    shortLength = length;
                    shortDistance = d;
                }
                if (length > longLength) {
                    longLength = length;
                    longDistance = d;
                }
                if (length == 258)
                    break;
            }
            // A short copy takes 2 to 64 pixels from up to 256 back in two
            // bytes; a long one 3 to 258 from up to 1024 back in three.
            for (std::size_t length = 2; length <= std::min<std::size_t>(shortLength, 64); ++length)
                relax(length, shortDistance, 17);
            if (longLength >= 3) {
                // Below 65 pixels a short copy is cheaper where one reaches.
                if (longDistance > 256) {
                    for (std::size_t length = 3; length <= std::min<std::size_t>(longLength, 64); ++length)
                        relax(length, longDistance, 25);
                }
                relax(longLength, longDistance, 25);
            }
        }
    }

    std::vector<Step> steps;
    for (std::size_t at = n; at > 0; at -= best[at].length)
        steps.push_back(best[at]);
    Lz5Writer w;
    w.out.reserve(n / 4 + 16);
    std::size_t at = 0;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it->distance == 0)
            w.run(pixels[at], it->length);
        else if (it->distance <= 256 && it->length <= 64)
            w.shortCopy(it->distance, it->length);
        else
            w.longCopy(it->distance, it->length);
        at += it->length;
    }
    return std::move(w.out);
}

} // namespace sfflib
