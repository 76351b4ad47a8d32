#include "formats/sff_codecs.h"

#include "formats/sff_result.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

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

namespace {

// The match finder's tables, kept from one picture to the next on each
// thread (clearing 130 KB for every sprite would cost more than small sprites
// take to encode): for each three and each two first pixels, the last position
// that began with them. A position is stored as the picture's `base` plus
// itself plus one, so anything at or below `base` belongs to an earlier
// picture and is never followed; the tables are cleared only when the numbers
// run out.
struct Lz5Tables {
    std::vector<std::uint32_t> three = std::vector<std::uint32_t>(32 * 32 * 32);
    std::vector<std::uint32_t> two = std::vector<std::uint32_t>(32 * 32);
    std::uint32_t base = 0;

    void startPicture(std::size_t pixels)
    {
        if (pixels >= UINT32_MAX - base) {
            std::fill(three.begin(), three.end(), 0);
            std::fill(two.begin(), two.end(), 0);
            base = 0;
        }
    }
    void endPicture(std::size_t pixels) { base += std::uint32_t(pixels); }
};

// How many pixels from a and from b on are equal, up to limit.
std::size_t equalLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
{
    std::size_t length = 0;
    for (; length + 8 <= limit; length += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (x != y)
            return length + std::size_t(std::countr_zero(x ^ y) / 8);
    }
    while (length < limit && a[length] == b[length])
        ++length;
    return length;
}

// How many pixels from a on are of this colour, up to limit.
std::size_t sameColourLength(const std::uint8_t* a, std::uint8_t colour, std::size_t limit)
{
    const std::uint64_t all = 0x0101010101010101ULL * colour;
    std::size_t length = 0;
    for (; length + 8 <= limit; length += 8) {
        std::uint64_t x;
        std::memcpy(&x, a + length, 8);
        if (x != all)
            return length + std::size_t(std::countr_zero(x ^ all) / 8);
    }
    while (length < limit && a[length] == colour)
        ++length;
    return length;
}

} // namespace

// Finds the cheapest packets (in bits) over the positions where a packet may
// begin or end, then writes them. Runs are where sprites spend their pixels,
// so the search works run by run: copies are looked for where a run starts and
// at its last pixel, a copy is offered at every length that ends a run (and at
// its full length), and the pixels inside a long run are passed over unless a
// copy ends there. A copy of 32 pixels or more is taken as found: the
// positions it covers offer its continuation but are not searched again.
std::string encodeLz5(const std::vector<std::uint8_t>& pixels)
{
    constexpr std::size_t window = 1024;
    constexpr int maxSteps = 8;
    constexpr std::size_t longEnough = 32;
    const std::size_t n = pixels.size();
    const std::uint8_t* p = pixels.data();

    // The cheapest packets (in bits, a control bit each) that reach each
    // position, and the last packet on that way: a run (distance 0) or a copy.
    struct Step {
        std::uint32_t cost = UINT32_MAX;
        std::uint16_t length = 0;
        std::uint16_t distance = 0;
    };
    std::vector<Step> best(n + 1);
    best[0].cost = 0;

    thread_local Lz5Tables tables;
    tables.startPicture(n);
    const std::uint32_t base = tables.base;
    const auto positionOf = [base](std::uint32_t stored) { return std::size_t(stored - 1 - base); };
    // For each position of the last window in the tables, the one before it
    // that began with the same three pixels. Read only for positions written.
    std::array<std::uint32_t, window> previous;

    std::size_t runStart = 0, runEnd = 0;
    std::size_t copyEnd = 0, copyDistance = 0; // the long copy being followed
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= runEnd) {
            runStart = i;
            runEnd = i + 1 + sameColourLength(p + i + 1, p[i], n - i - 1);
        }
        // Every position but those deep inside a run goes in the tables.
        std::uint32_t sameThree = 0, sameTwo = 0;
        if (i + 2 < n && (i < runStart + 2 || i + 3 >= runEnd)) {
            const auto stored = std::uint32_t(base + i + 1);
            std::uint32_t& two = tables.two[std::size_t(p[i] & 31) << 5 | (p[i + 1] & 31)];
            sameTwo = std::exchange(two, stored);
            std::uint32_t& three =
                tables.three[std::size_t(p[i] & 31) << 10 | std::size_t(p[i + 1] & 31) << 5 | (p[i + 2] & 31)];
            sameThree = std::exchange(three, stored);
            previous[i % window] = sameThree;
        }
        const std::uint32_t cost = best[i].cost;
        if (cost == UINT32_MAX) {
            // Nothing ends here; inside a run nothing ends until a copy does.
            if (i >= runStart + 2) {
                while (i + 4 < runEnd && best[i + 1].cost == UINT32_MAX)
                    ++i;
            }
            continue;
        }
        const auto relax = [&](std::size_t length, std::size_t distance, std::uint32_t bits) {
            Step& step = best[i + length];
            if (cost + bits < step.cost)
                step = {cost + bits, std::uint16_t(length), std::uint16_t(distance)};
        };
        // The rest of the run, and all of it but its last pixel, where a copy
        // may start. A run packet holds up to 7 pixels in a byte, 263 in two.
        const std::size_t runMost = std::min<std::size_t>(runEnd - i, 263);
        for (std::size_t length = runMost > 1 ? runMost - 1 : 1; length <= runMost; ++length)
            relax(length, 0, length <= 7 ? 9 : 17);

        if (i < copyEnd) {
            // A short copy takes 2 to 64 pixels from up to 256 back in two
            // bytes; a long one 3 to 258 from up to 1024 back in three.
            const std::size_t left = copyEnd - i;
            if (copyDistance <= 256 && left >= 2)
                relax(std::min<std::size_t>(left, 64), copyDistance, 17);
            if (left >= 3 && (left > 64 || copyDistance > 256))
                relax(left, copyDistance, 25);
            continue;
        }
        // Inside a run, or at the start of a long one, the run is the cheapest
        // packet: searching for copies there only costs time.
        if ((i != runStart && runEnd - i > 1) || runEnd - i >= 16 || i + 2 >= n)
            continue;
        const std::size_t limit = std::min<std::size_t>(n - i, 258);
        std::size_t shortLength = 0, shortDistance = 0, longLength = 0, longDistance = 0;
        int steps = 0;
        for (std::uint32_t j = sameThree; j > base && steps < maxSteps; ++steps) {
            const std::size_t at = positionOf(j);
            const std::size_t d = i - at;
            if (d > window)
                break;
            const std::size_t length = equalLength(p + at, p + i, limit);
            if (d <= 256 && length > shortLength) {
                shortLength = length;
                shortDistance = d;
            }
            if (length > longLength) {
                longLength = length;
                longDistance = d;
            }
            if (length == limit || d == window)
                break; // the next is past the window, or its entry reused
            j = previous[at % window];
        }
        if (shortLength < 2 && sameTwo > base) {
            // Two pixels seen lately: a short copy of two costs a bit less
            // than a packet for each.
            const std::size_t at = positionOf(sameTwo);
            if (i - at <= 256 && p[at] == p[i] && p[at + 1] == p[i + 1]) {
                shortLength = 2;
                shortDistance = i - at;
            }
        }
        const auto relaxCopy = [&](std::size_t length, std::size_t distance, std::size_t shortest, std::uint32_t bits) {
            for (std::size_t k = shortest; k < length; ++k) {
                if (p[i + k] != p[i + k - 1])
                    relax(k, distance, bits);
            }
            relax(length, distance, bits);
        };
        if (shortLength >= 2)
            relaxCopy(std::min<std::size_t>(shortLength, 64), shortDistance, 2, 17);
        if (longLength >= 3) {
            // Below 65 pixels a short copy is cheaper where one reaches.
            if (longDistance > 256)
                relaxCopy(std::min<std::size_t>(longLength, 64), longDistance, 3, 25);
            relax(longLength, longDistance, 25);
        }
        if (longLength >= longEnough) {
            copyEnd = i + longLength;
            copyDistance = longDistance;
        }
    }
    tables.endPicture(n);

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
