#pragma once
// Little-endian access to a file image. Every read is checked against the end
// of the bytes; a read past it throws FormatError with the caller's context.

#include "formats/sff_result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sfflib {

class ByteReader {
public:
    ByteReader(std::string_view bytes, std::string context) : m_bytes(bytes), m_context(std::move(context)) { }

    std::size_t size() const { return m_bytes.size(); }

    // True when [offset, offset + length) lies inside the bytes.
    bool holds(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

    std::string_view slice(std::uint64_t offset, std::uint64_t length, const char* what) const
    {
        if (!holds(offset, length))
            fail(what);
        return m_bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }

    std::uint8_t u8(std::uint64_t offset, const char* what) const
    {
        return static_cast<std::uint8_t>(slice(offset, 1, what)[0]);
    }
    std::uint16_t u16(std::uint64_t offset, const char* what) const
    {
        const auto s = slice(offset, 2, what);
        return static_cast<std::uint16_t>(byteAt(s, 0) | byteAt(s, 1) << 8);
    }
    std::int16_t s16(std::uint64_t offset, const char* what) const
    {
        return static_cast<std::int16_t>(u16(offset, what));
    }
    std::uint32_t u32(std::uint64_t offset, const char* what) const
    {
        const auto s = slice(offset, 4, what);
        return byteAt(s, 0) | byteAt(s, 1) << 8 | byteAt(s, 2) << 16 | byteAt(s, 3) << 24;
    }

    [[noreturn]] void fail(const std::string& what) const { throw FormatError(m_context + ": " + what); }

private:
    static std::uint32_t byteAt(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

    std::string_view m_bytes;
    std::string m_context;
};

inline void putU8(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v & 0xFF));
}
inline void putU16(std::string& out, unsigned v)
{
    putU8(out, v);
    putU8(out, v >> 8);
}
inline void putU32(std::string& out, std::uint32_t v)
{
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}
inline void setU32(std::string& out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace sfflib
