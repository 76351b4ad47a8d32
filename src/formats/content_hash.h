#pragma once
// A fast 64-bit hash of a file's or a data block's bytes, to tell whether
// they are still what they were. Not for security: it only has to tell an
// edited picture or a moved block from the one recorded.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace sfflib {

inline std::uint64_t contentHash(std::string_view bytes)
{
    constexpr std::uint64_t k1 = 0x87c37b91114253d5ull, k2 = 0x4cf5ad432745937full;
    const auto rotl = [](std::uint64_t v, int r) { return (v << r) | (v >> (64 - r)); };
    const auto mixed = [&](std::uint64_t w) { return rotl(w * k1, 31) * k2; };
    std::uint64_t h = 0x9e3779b97f4a7c15ull ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, bytes.data() + i, 8);
        h = rotl(h ^ mixed(w), 27) * 5 + 0x52dce729;
    }
    std::uint64_t tail = 0;
    for (std::size_t k = i; k < bytes.size(); ++k)
        tail |= std::uint64_t(static_cast<unsigned char>(bytes[k])) << (8 * (k - i));
    h ^= mixed(tail);
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    return h ^ (h >> 33);
}

} // namespace sfflib
