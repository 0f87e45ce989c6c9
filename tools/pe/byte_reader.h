// Little-endian reads out of a byte buffer that never go past its end: a
// damaged or truncated file must give a failed check, not a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// True when [offset, offset + count) lies inside the buffer.
inline bool InRange(const Bytes& bytes, std::size_t offset, std::size_t count)
{
    return offset <= bytes.size() && count <= bytes.size() - offset;
}

// Each read gives 0 for a position outside the buffer; callers that must tell
// the difference test InRange first.
inline std::uint8_t ReadU8(const Bytes& bytes, std::size_t offset)
{
    return InRange(bytes, offset, 1) ? bytes[offset] : 0;
}

inline std::uint16_t ReadU16(const Bytes& bytes, std::size_t offset)
{
    if (!InRange(bytes, offset, 2))
        return 0;
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t ReadU32(const Bytes& bytes, std::size_t offset)
{
    if (!InRange(bytes, offset, 4))
        return 0;
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline std::uint64_t ReadU64(const Bytes& bytes, std::size_t offset)
{
    return ReadU32(bytes, offset) | (static_cast<std::uint64_t>(ReadU32(bytes, offset + 4)) << 32);
}

// The one write: false, and the buffer untouched, outside it.
inline bool WriteU32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    if (!InRange(bytes, offset, 4))
        return false;
    for (int i = 0; i < 4; i++)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return true;
}
