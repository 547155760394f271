#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quiltara::imaging {

// Little- and big-endian reads at fixed offsets of a file in memory. Every
// read is checked against the end: a read past it gives 0 and marks the
// reader, so a parser reads a header field by field and tests overrun() once.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t size() const { return m_bytes.size(); }
    bool overrun() const { return m_overrun; }
    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }

    std::uint8_t u8(std::size_t offset)
    {
        if (!has(offset, 1))
            return fail();
        return m_bytes[offset];
    }
    std::uint16_t le16(std::size_t offset)
    {
        if (!has(offset, 2))
            return fail();
        return static_cast<std::uint16_t>(m_bytes[offset] | m_bytes[offset + 1] << 8);
    }
    std::uint32_t le32(std::size_t offset)
    {
        if (!has(offset, 4))
            return fail();
        return static_cast<std::uint32_t>(m_bytes[offset]) |
               static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8 |
               static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16 |
               static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24;
    }
    std::uint32_t be32(std::size_t offset)
    {
        if (!has(offset, 4))
            return fail();
        return static_cast<std::uint32_t>(m_bytes[offset]) << 24 |
               static_cast<std::uint32_t>(m_bytes[offset + 1]) << 16 |
               static_cast<std::uint32_t>(m_bytes[offset + 2]) << 8 |
               static_cast<std::uint32_t>(m_bytes[offset + 3]);
    }
    // The bytes offset ... offset + count - 1, or an empty span when they are
    // not all there.
    std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t count)
    {
        if (!has(offset, count)) {
            fail();
            return {};
        }
        return m_bytes.subspan(offset, count);
    }

private:
    std::uint8_t fail()
    {
        m_overrun = true;
        return 0;
    }

    std::span<const std::uint8_t> m_bytes;
    bool m_overrun = false;
};

} // namespace quiltara::imaging
