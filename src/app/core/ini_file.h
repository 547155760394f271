#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quiltara::app {

// An INI file with the semantics the program's files have always had:
// section and key names are case-insensitive, values are stored as they
// stand (no quoting, no escaping), and every read names the default that a
// missing or unreadable key gives. The file is read when the object is made
// and written only by save(), so each group of reads or writes opens and
// closes the file once.
class IniFile {
public:
    // Reads the file. A missing, unreadable or oversized file (see
    // kMaxFileSize) leaves the object empty, so every read gives its default.
    explicit IniFile(std::string path);
    // An INI file read from text instead of from disk (save() still writes
    // to path).
    IniFile(std::string path, std::string_view text);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Files larger than this are not read: a settings file never comes near
    // it, and a hostile one must not make the program allocate without end.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    const std::string& path() const { return m_path; }

    bool hasKey(std::string_view section, std::string_view key) const;
    // The number of keys in a section (0 when it is missing).
    std::size_t keyCount(std::string_view section) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A value that is not a whole number in the int range reads as the
    // default.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // An integer; non-zero is true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    // Written as 1 or 0.
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Writes the whole file: first to a temporary file in the same folder,
    // then renamed over the old one, so a failed write never leaves a
    // half-written file in place of a good one. False when it failed; the
    // old file is then untouched.
    bool save() const;
    // The file's text as save() would write it.
    std::string text() const;

private:
    struct Data;
    std::string m_path;
    std::unique_ptr<Data> m_data;
};

// An integer as the INI routines read one: optional blanks around it, an
// optional sign, decimal digits, or hexadecimal digits after "$" or "0x".
// Nothing else may follow; the value must fit in 32 bits.
std::optional<int> parseIniInteger(std::string_view text);

// Writes text to path through a temporary file in the same folder and a
// rename. False when anything failed; path is then unchanged and no
// temporary file is left behind.
bool writeFileAtomically(const std::string& path, std::string_view text);

} // namespace quiltara::app
