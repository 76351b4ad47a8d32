#pragma once
// A place in a file as the messages name it.

#include <cstdint>
#include <string>

namespace vantrel {

// "0x3F2": hexadecimal with upper-case digits.
inline std::string hexOffset(std::uint64_t offset)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[offset % 16]);
        offset /= 16;
    } while (offset != 0);
    return "0x" + digits;
}

} // namespace vantrel
