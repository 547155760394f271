#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quiltara::document {

// Random access to the bytes of a project file, so the file check can run on
// a file on disk or on bytes in memory (the fuzz target, the tests).
class RecordFile {
public:
    virtual ~RecordFile() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to target.size() bytes at offset; returns how many were read.
    virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> target) = 0;
    // Writes all of the bytes at offset; false when that failed.
    virtual bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
};

class MemoryRecordFile final : public RecordFile {
public:
    explicit MemoryRecordFile(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    std::uint64_t size() const override { return m_bytes.size(); }
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> target) override;
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

// A regular file opened for reading, or for reading and writing. Anything
// else (a folder, a pipe, a device) is not opened, so a check never blocks.
class DiskRecordFile final : public RecordFile {
public:
    enum class Access { ReadOnly, ReadWrite };
    DiskRecordFile(const std::string& path, Access access);
    ~DiskRecordFile() override;
    DiskRecordFile(const DiskRecordFile&) = delete;
    DiskRecordFile& operator=(const DiskRecordFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    std::uint64_t size() const override { return m_size; }
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> target) override;
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

} // namespace quiltara::document
